#pragma once
// Two calculated charts that are each other's partners: Ann (F) and Bob (M),
// on the generated ephemeris of the test application directory, with every
// orb at 8 degrees.
#include <gtest/gtest.h>

#include "engine/aspects.h"
#include "engine/ephemeris.h"
#include "engine/horoscope.h"
#include "platform/app_directory.h"
#include "tests/interpretation/interp_fixture.h"

namespace vyn::testing {

class ChartPairTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TEphemeris::Shared().Close();
    SetAppDirectory(VYN_TEST_APP_DIR);
    Name(ann_, "Ann", "Lee", "F");
    Name(bob_, "Bob", "Ray", "M");
    Place(ann_, 1980.0614L, 12.00L, 52.31L, -13.24L);
    Place(bob_, 1978.0302L, 6.30L, 48.08L, -11.34L);
    ann_.SetPartner(&bob_);
    bob_.SetPartner(&ann_);
    ann_.SetActive(true);
    bob_.SetActive(true);
    ASSERT_TRUE(ann_.EphemerisOpen());
  }
  void TearDown() override {
    TEphemeris::Shared().Close();
    SetAppDirectory("");
  }

  static void Place(THoroscope& chart, extended date, extended time, extended latitude,
                    extended longitude) {
    chart.SetBirthDate(date);
    chart.SetBirthTime(time);
    chart.SetLatitude(latitude);
    chart.SetLongitude(longitude);
    for (int row = 1; row <= kAspectKinds; ++row)
      for (int point = 1; point <= kAspectPoints; ++point) chart.SetOrb(row, point, 8);
  }

  THoroscope ann_, bob_;
};

}  // namespace vyn::testing

#pragma once
// What the wheel tests share: a QApplication with the symbol font, two real
// charts on the generated ephemeris, charts on skies of exact longitudes, and
// angle helpers.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "engine/angles.h"
#include "engine/horoscope.h"
#include "graphics/wheel/wheel.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn::testing {

// Creates the QApplication (offscreen) once, with the symbol font of the
// test application directory.
void EnsureGuiApplication();

inline constexpr extended kDegree = kPi / 180;

// Every orb of a chart.
void SetAllOrbs(THoroscope& chart, int degrees);

// Ann and Bob, partners, calculated on the generated ephemeris with orbs of
// 8 degrees (Placidus houses).
class RealChartsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  THoroscope ann_, bob_;
};

// A sky by longitudes in whole degrees of body slots 1..11 (the South Node
// opposite the North Node).
test::TSky SkyOfDegrees(std::initializer_list<std::pair<int, int>> slotDegrees);

// Charts whose bodies stand at the longitudes of skies written by the test.
class SkyChartsTest : public test::ChartOnSkies {
 protected:
  void SetUp() override { EnsureGuiApplication(); }
  // Chart 1 on sky 0 and, when given, chart 2 on sky 1; both calculated.
  void Calculate(const test::TSky& first);
  void Calculate(const test::TSky& first, const test::TSky& second);

  THoroscope chart1_, chart2_;
};

// Longitude in degrees of a frame angle of chart angles (rotation removed).
double LongitudeOf(const TWheelAngles& angles, extended frameAngle);

}  // namespace vyn::testing

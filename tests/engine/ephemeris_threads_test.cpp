// Charts calculated from several threads at once on the generated VYN.LNG
// agree with the same charts calculated one after the other.
#include <gtest/gtest.h>

#include <array>
#include <thread>
#include <vector>

#include "engine/ephemeris.h"
#include "engine/horoscope.h"

namespace vyn {
namespace {

struct TBirth {
  extended date, time, latitude, longitude;
};

// Positions 1..18, retrograde flags and the own aspect list of one chart.
struct TChartResult {
  std::vector<extended> positions;
  std::vector<bool> retrograde;
  int aspects = 0;
  bool operator==(const TChartResult&) const = default;
};

// Births spread over the table's years, times and places.
std::vector<TBirth> Births() {
  std::vector<TBirth> births;
  for (int i = 0; i < 48; ++i) {
    const int year = 1510 + i * 12;
    const int month = 1 + i % 12;
    const int day = 1 + (i * 7) % 28;
    births.push_back({year + month / 100.0L + day / 10000.0L,
                      static_cast<extended>(i % 24) + (i % 6) / 10.0L,
                      -60 + (i * 17) % 120 + 0.3L, -170 + (i * 29) % 340 + 0.15L});
  }
  return births;
}

TChartResult Calculate(const TBirth& birth) {
  THoroscope chart;
  chart.SetBirthDate(birth.date);
  chart.SetBirthTime(birth.time);
  chart.SetLatitude(birth.latitude);
  chart.SetLongitude(birth.longitude);
  for (int row = 1; row <= kAspectKinds; ++row)
    for (int point = 1; point <= kAspectPoints; ++point) chart.SetOrb(row, point, 6);
  chart.SetActive(true);
  TChartResult result;
  for (int slot = 1; slot <= kPositionSlots; ++slot)
    result.positions.push_back(chart.PlanetRad(slot));
  for (int slot = 1; slot <= 12; ++slot)
    result.retrograde.push_back(chart.IsRetrograde(slot));
  result.aspects = chart.AspectCount();
  return result;
}

class EphemerisThreadsTest : public ::testing::Test {
 protected:
  void SetUp() override { TEphemeris::Shared().Open(VYN_TEST_APP_DIR "/VYN.LNG"); }
  void TearDown() override { TEphemeris::Shared().Close(); }
};

TEST_F(EphemerisThreadsTest, ChartsFromSeveralThreadsMatchChartsFromOne) {
  const std::vector<TBirth> births = Births();
  std::vector<TChartResult> expected;
  for (const TBirth& birth : births) expected.push_back(Calculate(birth));

  constexpr int kThreads = 4;
  constexpr int kRounds = 10;
  std::array<int, kThreads> mismatches{};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      // Each thread walks the births from its own starting point, so that
      // different moments are read at the same time.
      for (int round = 0; round < kRounds; ++round) {
        for (std::size_t k = 0; k < births.size(); ++k) {
          const std::size_t i = (k + t * births.size() / kThreads) % births.size();
          if (!(Calculate(births[i]) == expected[i])) ++mismatches[t];
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t)
    EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

TEST_F(EphemerisThreadsTest, ReadingsFromSeveralThreadsMatchReadingsFromOne) {
  const TEphemeris& ephemeris = TEphemeris::Shared();
  const extended first = ephemeris.FirstJD();
  const extended span = ephemeris.EndJD() - first - 1;
  constexpr int kMoments = 500;
  auto moment = [&](int i) { return first + span * i / kMoments; };
  std::vector<TBodyReadings> expected(kMoments);
  for (int i = 0; i < kMoments; ++i)
    ephemeris.ReadBodies("11111111111", moment(i), expected[i]);

  constexpr int kThreads = 4;
  std::array<int, kThreads> mismatches{};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < 20; ++round) {
        for (int k = 0; k < kMoments; ++k) {
          const int i = (k * (t + 1) + round) % kMoments;
          TBodyReadings out;
          ephemeris.ReadBodies("11111111111", moment(i), out);
          if (out.radians != expected[i].radians ||
              out.retrograde != expected[i].retrograde)
            ++mismatches[t];
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t)
    EXPECT_EQ(mismatches[t], 0) << "thread " << t;
}

}  // namespace
}  // namespace vyn

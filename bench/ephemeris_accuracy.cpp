// Accuracy of the tabulated ephemeris: the engine's interpolated longitudes
// and retrograde flags against the Swiss Ephemeris at random moments.
#include <swephexp.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <random>
#include <string>
#include <vector>

#include "bench/angle_statistics.h"
#include "bench/ephemeris_path.h"
#include "bench/swiss_ephemeris.h"
#include "tools/calendar_date_text.h"
#include "engine/ephemeris.h"

namespace vyn::bench {
namespace {

namespace fmt = ephemeris_format;

constexpr unsigned kSeed = 20240611;
constexpr int kSamples = 200000;
constexpr int kFirstRetrogradeSlot = 3;
constexpr int kLastRetrogradeSlot = 10;
// Moments whose |speed| is below this share of the body's mean |speed| count
// as near a station.
constexpr double kStationShare = 0.05;

// Largest acceptable error per slot, arc minutes.
constexpr std::array<double, fmt::kBodyCount + 1> kGoalArcMinutes = {
    0, 1.2, 2.2, 3.6, 2.6, 1.0, 1.0, 2.1, 1.3, 1.0, 1.1, 0.6};

struct TRetrogradeSample {
  double speed;
  bool flagged;
};

struct TBodyResult {
  TErrorSample errors;
  std::vector<TRetrogradeSample> retrograde;
};

std::array<TBodyResult, fmt::kBodyCount + 1> Measure(TEphemeris& ephemeris,
                                                     double first,
                                                     double end) {
  std::mt19937_64 random(kSeed);
  std::uniform_real_distribution<double> moment(first, end);
  std::array<TBodyResult, fmt::kBodyCount + 1> results;
  TBodyReadings readings;
  for (int n = 0; n < kSamples; ++n) {
    const double jd = moment(random);
    ephemeris.ReadBodies("11111111111", jd, readings);
    for (int slot = 1; slot <= fmt::kBodyCount; ++slot) {
      const TReferencePosition ref = ReferencePosition(slot, jd);
      const double ours =
          RadiansToDegrees(static_cast<double>(readings.radians[slot]));
      results[slot].errors.Add(
          std::fabs(AngleDifferenceDegrees(ours, ref.longitude)) * 60);
      if (slot >= kFirstRetrogradeSlot && slot <= kLastRetrogradeSlot)
        results[slot].retrograde.push_back(
            {ref.speed, readings.retrograde[slot]});
    }
  }
  return results;
}


bool PrintLongitudeTable(const std::array<TBodyResult, fmt::kBodyCount + 1>& r) {
  std::printf("\nLongitude error against swe_calc_ut, arc minutes\n");
  std::printf("%-10s %9s %9s %9s %7s  %s\n", "body", "max", "99.9%", "mean",
              "goal", "result");
  bool allPass = true;
  for (int slot = 1; slot <= fmt::kBodyCount; ++slot) {
    const TErrorSample& e = r[slot].errors;
    const bool pass = e.Max() <= kGoalArcMinutes[slot];
    allPass = allPass && pass;
    std::printf("%-10s %9.3f %9.3f %9.3f %7.1f  %s\n",
                kSwissBodies[slot].name, e.Max(), e.Percentile(99.9),
                e.Mean(), kGoalArcMinutes[slot], pass ? "PASS" : "FAIL");
  }
  return allPass;
}

void PrintRetrogradeRow(int slot, const std::vector<TRetrogradeSample>& s) {
  double meanSpeed = 0;
  for (const auto& x : s) meanSpeed += std::fabs(x.speed);
  meanSpeed /= static_cast<double>(s.size());
  const double threshold = kStationShare * meanSpeed;
  long disagree = 0, nearStation = 0, disagreeAway = 0, retrograde = 0;
  double fastestWrong = 0;
  for (const auto& x : s) {
    const bool wrong = x.flagged != (x.speed < 0);
    const bool near = std::fabs(x.speed) < threshold;
    retrograde += x.speed < 0;
    disagree += wrong;
    nearStation += near;
    disagreeAway += wrong && !near;
    if (wrong) fastestWrong = std::max(fastestWrong, std::fabs(x.speed));
  }
  const auto total = static_cast<double>(s.size());
  const double away = total - static_cast<double>(nearStation);
  std::printf("%-8s %7.2f %9.4f %10.6f %10.6f %8.3f %10.4f %7ld\n",
              kSwissBodies[slot].name, 100 * retrograde / total,
              100 * disagree / total, fastestWrong, threshold,
              100 * nearStation / total,
              away > 0 ? 100 * disagreeAway / away : 0.0, disagreeAway);
}

void PrintRetrogradeTable(const std::array<TBodyResult, fmt::kBodyCount + 1>& r) {
  std::printf("\nRetrograde flag against the sign of the Swiss Ephemeris "
              "longitude speed\n");
  std::printf("(max|v| wrong: the largest |speed| at a disagreement; near "
              "station: |speed| below the\n threshold, %.0f%% of the body's "
              "mean |speed| in the sample; away: the other moments;\n speeds "
              "in degrees/day)\n",
              100 * kStationShare);
  std::printf("%-8s %7s %9s %10s %10s %8s %10s %7s\n", "body", "retro%",
              "disagree%", "max|v|wrong", "threshold", "near%", "away dis%",
              "away n");
  for (int slot = kFirstRetrogradeSlot; slot <= kLastRetrogradeSlot; ++slot)
    PrintRetrogradeRow(slot, r[slot].retrograde);
}

int Run(int argc, char** argv) {
  const std::string path = EphemerisPath(argc, argv);
  TSwissSession swiss;
  TEphemeris ephemeris;
  ephemeris.Open(path);

  const double first = static_cast<double>(ephemeris.FirstJD());  // 1500-01-12
  const double end = GregorianJD(2101, 1, 1);  // end of 2100-12-31
  if (end > ephemeris.EndJD()) {
    std::fprintf(stderr, "%s ends before 2101-01-01.\n", path.c_str());
    return 2;
  }
  std::printf("ephemeris file: %s\n", path.c_str());
  std::printf("reference: swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_SPEED), "
              "Sun..Pluto and SE_MEAN_NODE\n");
  std::printf("%d moments, seed %u, uniform in JD %.1f (%s) .. %.1f (%s, "
              "exclusive), UT\n",
              kSamples, kSeed, first, tools::CalendarDateText(first).c_str(), end,
              tools::CalendarDateText(end).c_str());

  const auto start = std::chrono::steady_clock::now();
  const auto results = Measure(ephemeris, first, end);
  const std::chrono::duration<double> took =
      std::chrono::steady_clock::now() - start;

  const bool pass = PrintLongitudeTable(results);
  PrintRetrogradeTable(results);
  std::printf("\nmeasured in %.1f s; overall %s\n", took.count(),
              pass ? "PASS" : "FAIL");
  return pass ? 0 : 1;
}

}  // namespace
}  // namespace vyn::bench

int main(int argc, char** argv) {
  try {
    return vyn::bench::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ephemeris_accuracy: %s\n", e.what());
    return 2;
  }
}

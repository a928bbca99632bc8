// Speed of a full recalculation of a partnered pair of charts against the
// Swiss Ephemeris computing the same bodies and Placidus houses for the same
// moments and places.
#include <benchmark/benchmark.h>
#include <swephexp.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <initializer_list>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "bench/ephemeris_path.h"
#include "bench/swiss_ephemeris.h"
#include "engine/ephemeris.h"
#include "engine/horoscope.h"
#include "engine/houses.h"

namespace vyn::bench {
namespace {

namespace fmt = ephemeris_format;

constexpr double kGoalRatio = 30;
constexpr int kOrbDegrees = 8;
constexpr int kAspectModeOwnAndCross = 3;
constexpr int kRepetitions = 5;

// One person's birth data with the two birth times the benchmark alternates
// between.
struct TPerson {
  extended birthDate, zoneTime, latitude, longitude;  // D.MM, west positive
  std::array<extended, 2> birthTimes;
};
constexpr std::array<TPerson, 2> kPeople = {{
    {1965.0612L, -1.00L, 48.51L, -2.20L, {8.15L, 20.45L}},
    {1971.1103L, 5.00L, 40.43L, 74.00L, {6.30L, 17.05L}},
}};

// One chart at one of the two states: its moment and place as the Swiss
// Ephemeris takes them, and the engine's sky for the cusps alone.
struct TChartMoment {
  extended jd;
  double latitude, longitudeEast;  // degrees
  TSky sky;
};
// Both charts in both states.
using TPairMoments = std::array<std::array<TChartMoment, 2>, 2>;

class TPair {
 public:
  explicit TPair(const std::string& path) {
    TEphemeris::Shared().Open(path);
    for (int i = 0; i < 2; ++i) Configure(charts_[i], kPeople[i]);
    charts_[0].SetPartner(&charts_[1]);
    charts_[1].SetPartner(&charts_[0]);
    for (auto& chart : charts_) chart.SetActive(true);
  }

  // Switches both charts to the other birth time; each change recalculates.
  void Toggle() { SetState(state_ ^ 1); }

  const THoroscope& Chart(int i) const { return charts_[i]; }

  // The moments and places of both states, from the engine's charts.
  TPairMoments Moments() {
    TPairMoments moments;
    for (int s = 0; s < 2; ++s) {
      SetState(s);
      for (int i = 0; i < 2; ++i) moments[s][i] = MomentOf(charts_[i]);
    }
    return moments;
  }

 private:
  static void Configure(THoroscope& chart, const TPerson& p) {
    chart.SetGregorianStart(1582.1015L);
    chart.SetBirthDate(p.birthDate);
    chart.SetBirthTime(p.birthTimes[0]);
    chart.SetZoneTime(p.zoneTime);
    chart.SetSummerTime(0);
    chart.SetLatitude(p.latitude);
    chart.SetLongitude(p.longitude);
    chart.SetHouseSystem(0);
    chart.SetAspectMode(kAspectModeOwnAndCross);
    for (int row = 1; row <= kAspectKinds; ++row)
      for (int point = 1; point <= kAspectPoints; ++point)
        chart.SetOrb(row, point, kOrbDegrees);
  }

  static TChartMoment MomentOf(const THoroscope& c) {
    const extended latitude = HMSToDec(c.Latitude());
    return {c.JD(), static_cast<double>(latitude),
            static_cast<double>(-HMSToDec(c.Longitude())),
            {c.SiderealTime(), DegToRad(latitude), c.Obliquity()}};
  }

  void SetState(int state) {
    state_ = state;
    for (int i = 0; i < 2; ++i)
      charts_[i].SetBirthTime(kPeople[i].birthTimes[state]);
  }

  std::array<THoroscope, 2> charts_;
  int state_ = 0;
};

void EngineRecalculation(benchmark::State& state, TPair& pair) {
  for (auto _ : state) {
    pair.Toggle();
    benchmark::DoNotOptimize(pair.Chart(0).CrossAspectCount());
    benchmark::DoNotOptimize(pair.Chart(1).CrossAspectCount());
  }
}

// Runs `work` on both charts of one state per iteration, the states taking
// turns as in the engine's pair.
template <typename Work>
void AlternateStates(benchmark::State& state, const TPairMoments& moments,
                     Work work) {
  int s = 0;
  for (auto _ : state) {
    s ^= 1;
    for (const TChartMoment& c : moments[s]) work(c);
  }
}

void EphemerisRead(const TChartMoment& c) {
  TBodyReadings readings;
  TEphemeris::Shared().ReadBodies("11111111111", c.jd, readings);
  benchmark::DoNotOptimize(readings.radians[1]);
}

void PlacidusCusps(const TChartMoment& c) {
  bool failed = false;
  for (int slot = 13; slot <= kPositionSlots; ++slot)
    benchmark::DoNotOptimize(
        HouseCusp(hsPlacidus, HouseOfCuspSlot(slot), c.sky, failed));
}

void SwissChart(const TChartMoment& c) {
  const auto jd = static_cast<double>(c.jd);
  double x[6];
  char message[AS_MAXCH];
  for (int slot = 1; slot <= fmt::kBodyCount; ++slot) {
    swe_calc_ut(jd, kSwissBodies[slot].sweBody,
                SEFLG_SWIEPH | SEFLG_SPEED, x, message);
    benchmark::DoNotOptimize(x[0]);
  }
  double cusps[13], ascmc[10];
  swe_houses(jd, c.latitude, c.longitudeEast, 'P', cusps, ascmc);
  benchmark::DoNotOptimize(cusps[1]);
}

// Prints as the console reporter does and keeps, per benchmark, the median
// CPU time per pair over the repetitions (the fastest run when there is no
// median), in microseconds. CPU time, because the real time of a virtual
// machine also counts the moments the host runs something else.
class TTimeKeeper : public benchmark::ConsoleReporter {
 public:
  // Coloured only on a terminal.
  TTimeKeeper()
      : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const double us = run.GetAdjustedCPUTime() * 1e6 /
                        benchmark::GetTimeUnitMultiplier(run.time_unit);
      const std::string& name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        medians_[name] = us;
      if (run.run_type != Run::RT_Iteration) continue;
      auto [it, fresh] = fastest_.try_emplace(name, us);
      if (!fresh) it->second = std::min(it->second, us);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double Microseconds(const std::string& name) const {
    for (const auto* times : {&medians_, &fastest_})
      if (const auto it = times->find(name); it != times->end())
        return it->second;
    return std::numeric_limits<double>::quiet_NaN();
  }

 private:
  std::map<std::string, double> medians_, fastest_;
};

// Registers a benchmark timed in microseconds and repeated, so that one
// disturbed run does not decide the figures.
template <typename Body>
void Register(const char* name, Body body) {
  benchmark::RegisterBenchmark(name, body)
      ->Unit(benchmark::kMicrosecond)
      ->Repetitions(kRepetitions)
      ->DisplayAggregatesOnly(true);
}

// Where the engine's time per pair goes: its two ephemeris look-ups and
// twelve cusps, and the rest (the four aspect steps a pair recalculation
// runs, two per chart, and the bookkeeping).
void PrintParts(const TTimeKeeper& keeper, double pair) {
  const double reads = keeper.Microseconds("part_ephemeris_reads");
  const double cusps = keeper.Microseconds("part_placidus_cusps");
  if (std::isnan(reads) || std::isnan(cusps)) return;
  std::printf("engine pair parts: 2 ephemeris look-ups %.3f us (%.0f%%), 12 "
              "Placidus cusps %.3f us (%.0f%%),\n  rest (4 aspect steps of "
              "own and cross lists, sorting, bookkeeping) %.3f us (%.0f%%)\n",
              reads, 100 * reads / pair, cusps, 100 * cusps / pair,
              pair - reads - cusps, 100 * (pair - reads - cusps) / pair);
}

int Run(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc > 2) {
    std::fprintf(stderr, "usage: recalculation_speed [benchmark flags] "
                         "[ephemeris file]\n");
    return 2;
  }
  const std::string path = EphemerisPath(argc, argv);
  TSwissSession swiss;
  // The charts live on the heap, as the application's do. On the stack of
  // this function the same engine code ran about three times slower in some
  // builds: the time then depends on where the charts lie relative to the
  // engine's own stack scratch stores, not on the engine.
  const auto owned = std::make_unique<TPair>(path);
  TPair& pair = *owned;
  const TPairMoments moments = pair.Moments();

  std::printf("ephemeris file: %s\n", path.c_str());
  std::printf("one pair = both charts' birth times changed (each change: time "
              "step, houses, positions,\naspects, cross aspects of both; "
              "Placidus, aspect mode 3, orbs 8 degrees) against\n"
              "swe_calc_ut(SEFLG_SWIEPH | SEFLG_SPEED) for Sun..Pluto and the "
              "mean node plus swe_houses('P'),\nfor both charts at the same "
              "moments and places; figures below are CPU times, medians of %d "
              "runs\n\n",
              kRepetitions);
  Register("engine_pair", [&pair](benchmark::State& st) {
    EngineRecalculation(st, pair);
  });
  for (auto [name, work] : {std::pair{"swiss_pair", &SwissChart},
                             std::pair{"part_ephemeris_reads", &EphemerisRead},
                             std::pair{"part_placidus_cusps", &PlacidusCusps}})
    Register(name, [&moments, work = work](benchmark::State& st) {
      AlternateStates(st, moments, work);
    });
  TTimeKeeper keeper;
  benchmark::RunSpecifiedBenchmarks(&keeper);
  benchmark::Shutdown();

  const double ours = keeper.Microseconds("engine_pair");
  const double theirs = keeper.Microseconds("swiss_pair");
  const double ratio = theirs / ours;
  const bool pass = ratio >= kGoalRatio;
  std::printf("\nper pair: engine %.3f us, Swiss Ephemeris %.3f us; "
              "ratio %.1f (goal >= %.0f) %s\n",
              ours, theirs, ratio, kGoalRatio, pass ? "PASS" : "FAIL");
  PrintParts(keeper, ours);
  return pass ? 0 : 1;
}

}  // namespace
}  // namespace vyn::bench

int main(int argc, char** argv) {
  try {
    return vyn::bench::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "recalculation_speed: %s\n", e.what());
    return 2;
  }
}

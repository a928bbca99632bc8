// Speed of opening the ephemeris file, which reads and checks all of it,
// and of one look-up from one thread and from several at once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <string>

#include "bench/ephemeris_path.h"
#include "engine/ephemeris.h"

namespace vyn::bench {
namespace {

constexpr int kRepetitions = 5;
constexpr int kLookUpMoments = 4096;

void Open(benchmark::State& state, const std::string& path, TSunMotion motion) {
  TEphemeris ephemeris;
  for (auto _ : state) ephemeris.Open(path, motion);
}

// Look-ups at moments spread over the whole file, each thread from its own
// starting point.
void LookUp(benchmark::State& state, const TEphemeris& ephemeris) {
  const extended first = ephemeris.FirstJD();
  const extended span = ephemeris.EndJD() - first - 1;
  int i = state.thread_index() * kLookUpMoments / 4;
  TBodyReadings out;
  for (auto _ : state) {
    ephemeris.ReadBodies("11111111111", first + span * i / kLookUpMoments, out);
    benchmark::DoNotOptimize(out);
    i = (i + 1) % kLookUpMoments;
  }
}

int Run(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc > 2) {
    std::fprintf(stderr, "usage: ephemeris_open_speed [benchmark flags] "
                         "[ephemeris file]\n");
    return 2;
  }
  const std::string path = EphemerisPath(argc, argv);
  TEphemeris& shared = TEphemeris::Shared();
  shared.Open(path);
  std::printf("ephemeris file: %s (JD %.1f to %.1f)\n", path.c_str(),
              static_cast<double>(shared.FirstJD()),
              static_cast<double>(shared.EndJD()));
  for (auto [name, motion] :
       {std::pair{"open_checked", TSunMotion::smChecked},
        std::pair{"open_values_only", TSunMotion::smUnchecked}})
    benchmark::RegisterBenchmark(name, [&path, motion = motion](benchmark::State& st) {
      Open(st, path, motion);
    })
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(kRepetitions)
        ->DisplayAggregatesOnly(true);
  benchmark::RegisterBenchmark("look_up", [&shared](benchmark::State& st) {
    LookUp(st, shared);
  })
      ->Unit(benchmark::kNanosecond)
      ->Threads(1)
      ->Threads(2)
      ->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace
}  // namespace vyn::bench

int main(int argc, char** argv) {
  try {
    return vyn::bench::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "ephemeris_open_speed: %s\n", e.what());
    return 2;
  }
}

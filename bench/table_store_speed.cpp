// Speed of the table store on a private copy of the shipped atlas database:
// opening it, key look-ups on the places, listing the places of the largest
// state in key order, and the zone, summer-time and birth-place look-ups.
//
// Each figure after the open time is measured in three locking modes of the
// SQLite connection, to show what the file lock costs per statement:
//   plain             every statement takes and releases the shared lock;
//   read transaction  one deferred transaction holds the shared lock;
//   exclusive lock    PRAGMA locking_mode=EXCLUSIVE keeps it after the
//                     first read (nothing is written, so it stays shared).
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/atlas_samples.h"
#include "bench/database_copy.h"
#include "data/birth_place.h"
#include "data/data_collection.h"
#include "data/sqlite_statement.h"
#include "data/vyn_database.h"
#include "data/vyn_table.h"

namespace vyn::bench {
namespace {

using TClock = std::chrono::steady_clock;

constexpr std::uint32_t kSeed = 19410504;
constexpr std::size_t kDrawCount = 8192;  // questions per benchmark, asked in turn
constexpr const char* kLanguage = "UK";

enum class TLockMode { lmPlain, lmReadTransaction, lmExclusiveLock };

struct TModeInfo {
  TLockMode mode;
  const char* name;   // in benchmark names
  const char* title;  // in the summary
};
constexpr std::array<TModeInfo, 3> kModes = {{
    {TLockMode::lmPlain, "plain", "plain"},
    {TLockMode::lmReadTransaction, "read_transaction", "read transaction"},
    {TLockMode::lmExclusiveLock, "exclusive_lock", "exclusive lock"},
}};

double Seconds(TClock::duration d) { return std::chrono::duration<double>(d).count(); }

// The database connected and the table collection open as the program opens
// them at start, with the connection in one locking mode.
class TAtlasSession {
 public:
  TAtlasSession(const std::string& directory, TLockMode mode) : mode_(mode) {
    database_.SetDirectory(directory);
    database_.Connect();
    if (mode_ == TLockMode::lmExclusiveLock)
      database_.Connection().Execute("PRAGMA locking_mode=EXCLUSIVE");
    atlas_ = std::make_unique<TDataCollection>(database_, kLanguage);
    atlas_->SetLanguage(kLanguage);
    atlas_->SetActive(true);
    if (mode_ == TLockMode::lmReadTransaction) {
      database_.Connection().Execute("BEGIN");
      database_.Connection().Execute("SELECT count(*) FROM sqlite_schema");
    }
  }
  ~TAtlasSession() {
    if (mode_ != TLockMode::lmReadTransaction) return;
    try {
      database_.Connection().Execute("COMMIT");
    } catch (const std::exception&) {
      // Closing the connection ends the transaction as well.
    }
  }
  TAtlasSession(const TAtlasSession&) = delete;
  TAtlasSession& operator=(const TAtlasSession&) = delete;

  TVynDatabase& Database() { return database_; }
  TDataCollection& Atlas() { return *atlas_; }
  TVynTable& Places() { return atlas_->Table(TTableRole::trPlaces); }

 private:
  TLockMode mode_;
  TVynDatabase database_;
  std::unique_ptr<TDataCollection> atlas_;
};

struct TContext {
  std::string directory;
  TAtlasSamples samples;
};

// --- Benchmarks -----------------------------------------------------------------

// The time to open, without the time to close again.
void DatabaseOpen(benchmark::State& state, const TContext& context) {
  for (auto _ : state) {
    const auto start = TClock::now();
    auto session = std::make_unique<TAtlasSession>(context.directory, TLockMode::lmPlain);
    state.SetIterationTime(Seconds(TClock::now() - start));
    session.reset();
  }
}

// Asks `ask` the drawn questions in turn, one per iteration; `ask` returns
// false when the answer shows a fault.
template <class Question, class Ask>
void AskInTurn(benchmark::State& state, const std::vector<Question>& questions,
               const char* fault, Ask ask) {
  std::size_t next = 0;
  for (auto _ : state) {
    if (!ask(questions[next])) {
      state.SkipWithError(fault);
      break;
    }
    next = (next + 1) % questions.size();
  }
  state.SetItemsProcessed(state.iterations());
}

template <class Question, class Draw>
std::vector<Question> DrawQuestions(Draw draw) {
  TSampleDraw random(kSeed);
  std::vector<Question> questions;
  for (std::size_t i = 0; i < kDrawCount; ++i) questions.push_back(draw(random));
  return questions;
}

struct TPlaceQuestion {
  std::string stateId, stateName, placeName;
  std::int64_t date = 0, time = 0;
};

std::vector<TPlaceQuestion> PlaceQuestions(const TAtlasSamples& samples, bool prefixes) {
  return DrawQuestions<TPlaceQuestion>([&](TSampleDraw& random) {
    const TPlaceKey& key = samples.places[random.Index(samples.places.size())];
    TPlaceQuestion q{key.stateId, key.stateName, key.placeName};
    if (prefixes) q.placeName = random.Prefix(q.placeName);
    q.date = random.Date();
    q.time = random.Time();
    return q;
  });
}

struct TZoneQuestion {
  std::string name;
  std::int64_t date = 0, time = 0;
};

std::vector<TZoneQuestion> ZoneQuestions(const std::vector<std::string>& names) {
  return DrawQuestions<TZoneQuestion>([&](TSampleDraw& random) {
    return TZoneQuestion{names[random.Index(names.size())], random.Date(), random.Time()};
  });
}

void FindKey(benchmark::State& state, const TContext& context, TLockMode mode) {
  const auto questions = PlaceQuestions(context.samples, false);
  TAtlasSession session(context.directory, mode);
  TVynTable& places = session.Places();
  places.SetIndexName("");
  AskInTurn(state, questions, "an existing place key was not found",
            [&](const TPlaceQuestion& q) {
              return places.FindKey({q.stateId, q.placeName});
            });
}

void FindNearest(benchmark::State& state, const TContext& context, TLockMode mode) {
  const auto questions = PlaceQuestions(context.samples, true);
  TAtlasSession session(context.directory, mode);
  TVynTable& places = session.Places();
  places.SetIndexName("");
  AskInTurn(state, questions, "a prefix of an existing key found no row",
            [&](const TPlaceQuestion& q) {
              places.FindNearest({q.stateId, q.placeName});
              return !places.Eof();
            });
}

// The places of one state in key order: FindNearest on the state, then Next
// until the state changes. The number of rows listed; the cursor took one
// step more, off the state.
std::int64_t ListState(TVynTable& places, const std::string& state_id) {
  std::int64_t rows = 0;
  places.FindNearest({state_id});
  for (; !places.Eof() && places.FieldByName("StateID").AsString() == state_id;
       places.Next())
    ++rows;
  return rows;
}

void ListLargestState(benchmark::State& state, const TContext& context, TLockMode mode) {
  TAtlasSession session(context.directory, mode);
  TVynTable& places = session.Places();
  places.SetIndexName("");
  std::int64_t rows = 0;
  for (auto _ : state) {
    rows = ListState(places, context.samples.largestStateId);
    if (rows != context.samples.largestStateRows) {
      state.SkipWithError("the listing missed places of the state");
      break;
    }
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.SetItemsProcessed(state.iterations() * rows);
}

// A window of 50 rows anywhere in the list of all places, as an item model
// reads it when the list scrolls: one statement from the first row's key.
constexpr std::size_t kWindowRows = 50;

void PlaceWindow(benchmark::State& state, const TContext& context, TLockMode mode) {
  const auto questions = PlaceQuestions(context.samples, false);
  TAtlasSession session(context.directory, mode);
  TVynTable& places = session.Places();
  places.SetIndexName("");
  AskInTurn(state, questions, "a window from an existing place came back empty",
            [&](const TPlaceQuestion& q) {
              const auto rows = places.ReadRows({q.stateId, q.placeName}, kWindowRows);
              benchmark::DoNotOptimize(rows.data());
              return !rows.empty();
            });
}

void FullScan(benchmark::State& state, const TContext& context, TLockMode mode) {
  TAtlasSession session(context.directory, mode);
  TVynTable& places = session.Places();
  places.SetIndexName("");
  std::int64_t rows = 0;
  for (auto _ : state) {
    rows = 0;
    for (places.First(); !places.Eof(); places.Next()) ++rows;
    if (rows != static_cast<std::int64_t>(context.samples.places.size())) {
      state.SkipWithError("the scan missed places");
      break;
    }
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.SetItemsProcessed(state.iterations() * rows);
}

void ZoneOffset(benchmark::State& state, const TContext& context, TLockMode mode) {
  const auto questions = ZoneQuestions(context.samples.zoneNames);
  TAtlasSession session(context.directory, mode);
  AskInTurn(state, questions, "", [&](const TZoneQuestion& q) {
    benchmark::DoNotOptimize(session.Atlas().ZoneOffset(q.name, q.date));
    return true;
  });
}

void SummerOffset(benchmark::State& state, const TContext& context, TLockMode mode) {
  const auto questions = ZoneQuestions(context.samples.summerNames);
  TAtlasSession session(context.directory, mode);
  AskInTurn(state, questions, "", [&](const TZoneQuestion& q) {
    benchmark::DoNotOptimize(session.Atlas().SummerOffset(q.name, q.date, q.time));
    return true;
  });
}

void BirthPlace(benchmark::State& state, const TContext& context, TLockMode mode) {
  const auto questions = PlaceQuestions(context.samples, false);
  TAtlasSession session(context.directory, mode);
  AskInTurn(state, questions, "an atlas place could not be resolved",
            [&](const TPlaceQuestion& q) {
              try {
                const TBirthPlace place = ResolveBirthPlace(session.Atlas(), q.stateName,
                                                            q.placeName, q.date, q.time);
                benchmark::DoNotOptimize(place.zoneTime);
                return true;
              } catch (const EAtlasError&) {
                return false;
              }
            });
}

// --- Registration and summary -----------------------------------------------------

using TBenchmarkBody = void (*)(benchmark::State&, const TContext&, TLockMode);

struct TFigureInfo {
  const char* name;
  TBenchmarkBody body;
  bool once;  // one iteration: the figure takes seconds
};
constexpr std::array<TFigureInfo, 8> kFigures = {{
    {"find_key", FindKey, false},
    {"find_nearest", FindNearest, false},
    {"list_largest_state", ListLargestState, false},
    {"place_window_50", PlaceWindow, false},
    {"zone_offset", ZoneOffset, false},
    {"summer_offset", SummerOffset, false},
    {"resolve_birth_place", BirthPlace, false},
    {"full_scan", FullScan, true},
}};

std::string BenchmarkName(const char* figure, const TModeInfo& mode) {
  return std::string(figure) + "/" + mode.name;
}

void RegisterAll(const TContext& context) {
  benchmark::RegisterBenchmark("database_open",
                               [&](benchmark::State& s) { DatabaseOpen(s, context); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  for (const TFigureInfo& figure : kFigures)
    for (const TModeInfo& mode : kModes) {
      auto* b =
          benchmark::RegisterBenchmark(BenchmarkName(figure.name, mode).c_str(),
                                       [&context, body = figure.body, m = mode.mode](
                                           benchmark::State& s) { body(s, context, m); });
      b->UseRealTime()->Unit(benchmark::kMicrosecond);
      if (figure.once) b->Iterations(1)->Unit(benchmark::kMillisecond);
    }
}

// Prints as the console reporter does and keeps, per benchmark, the wall
// time per iteration and the counters: of the median when repeated.
class TFigureKeeper : public benchmark::ConsoleReporter {
 public:
  TFigureKeeper()
      : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular) {}

  struct TFigure {
    double seconds = std::numeric_limits<double>::quiet_NaN();  // per iteration
    std::map<std::string, double> counters;
  };

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool median =
          run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      // The repetitions come first, their median last.
      TFigure& figure = figures_[run.run_name.function_name];
      figure.seconds =
          run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      for (const auto& [key, counter] : run.counters)
        figure.counters[key] = counter.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // NaN when the benchmark did not run.
  double Seconds(const std::string& name) const {
    const auto it = figures_.find(name);
    return it == figures_.end() ? std::numeric_limits<double>::quiet_NaN()
                                : it->second.seconds;
  }
  double Counter(const std::string& name, const std::string& counter) const {
    const auto it = figures_.find(name);
    if (it == figures_.end()) return std::numeric_limits<double>::quiet_NaN();
    const auto c = it->second.counters.find(counter);
    return c == it->second.counters.end() ? std::numeric_limits<double>::quiet_NaN()
                                          : c->second;
  }

 private:
  std::map<std::string, TFigure> figures_;
};

// A summary row: a figure of one benchmark in each locking mode.
struct TSummaryRow {
  std::string title;
  const char* figure;
  const char* format;
  double (*value)(const TFigureKeeper&, const std::string& name);
};

double PerSecond(const TFigureKeeper& k, const std::string& name) {
  return 1 / k.Seconds(name);
}
double RowsPerSecond(const TFigureKeeper& k, const std::string& name) {
  return k.Counter(name, "items_per_second");
}
double Milliseconds(const TFigureKeeper& k, const std::string& name) {
  return k.Seconds(name) * 1e3;
}
double StepMicroseconds(const TFigureKeeper& k, const std::string& name) {
  return 1e6 / k.Counter(name, "items_per_second");
}

void PrintCell(const char* format, double value) {
  char text[32];
  if (std::isnan(value))
    std::snprintf(text, sizeof text, "-");
  else
    std::snprintf(text, sizeof text, format, value);
  std::printf(" %18s", text);
}

void PrintSummary(const TFigureKeeper& keeper, const TContext& context,
                  double first_open_ms) {
  const TAtlasSamples& s = context.samples;
  const std::string largest =
      "list " + s.largestStateName + " (" + std::to_string(s.largestStateRows) + " rows)";
  const std::string scan =
      "full Next scan of PLACES (" + std::to_string(s.places.size()) + " rows)";
  const std::vector<TSummaryRow> rows = {
      {"find-key on PLACES, per s", "find_key", "%.0f", PerSecond},
      {"find-nearest on PLACES, per s", "find_nearest", "%.0f", PerSecond},
      {largest + ", ms", "list_largest_state", "%.2f", Milliseconds},
      {"  rows per s", "list_largest_state", "%.0f", RowsPerSecond},
      {"  one cursor step, us", "list_largest_state", "%.2f", StepMicroseconds},
      {"50-row window anywhere in PLACES, ms (goal < 1)", "place_window_50", "%.3f",
       Milliseconds},
      {scan + ", ms", "full_scan", "%.0f", Milliseconds},
      {"  one cursor step, us", "full_scan", "%.2f", StepMicroseconds},
      {"ZoneOffset, per s", "zone_offset", "%.0f", PerSecond},
      {"SummerOffset, per s", "summer_offset", "%.0f", PerSecond},
      {"ResolveBirthPlace, per s", "resolve_birth_place", "%.0f", PerSecond},
  };
  constexpr int kTitleWidth = 52;
  std::printf(
      "\nTable store speed (wall-clock time; one question per iteration,\n"
      "%zu seeded random questions asked in turn)\n\n",
      kDrawCount);
  std::printf("database open (Connect, SetLanguage, SetActive)\n");
  std::printf("%-*s", kTitleWidth, "  first open in this process, ms");
  PrintCell("%.2f", first_open_ms);
  std::printf("\n%-*s", kTitleWidth, "  open, ms (benchmark)");
  PrintCell("%.2f", Milliseconds(keeper, "database_open"));
  std::printf("\n\n%-*s", kTitleWidth, "figure");
  for (const TModeInfo& mode : kModes) std::printf(" %18s", mode.title);
  std::printf("\n");
  for (const TSummaryRow& row : rows) {
    std::printf("%-*s", kTitleWidth, row.title.c_str());
    for (const TModeInfo& mode : kModes)
      PrintCell(row.format, row.value(keeper, BenchmarkName(row.figure, mode)));
    std::printf("\n");
  }
}

std::string JournalMode(TVynDatabase& database) {
  TSqliteStatement statement(database.Connection(), "PRAGMA journal_mode");
  return statement.Step() ? statement.Column(0).Bytes() : "?";
}

int Run(int argc, char** argv) {
  const auto program_start = TClock::now();
  benchmark::Initialize(&argc, argv);
  if (argc > 2) {
    std::fprintf(stderr, "usage: table_store_speed [benchmark flags] [database file]\n");
    return 2;
  }
  const std::string source = argc > 1 ? argv[1] : VYN_SHIPPED_DATABASE_FILE;
  const TDatabaseCopy copy(source, std::string(TVynDatabase::kFileName));

  TContext context{copy.Directory(), {}};
  double first_open_ms = 0;
  {
    const auto start = TClock::now();
    TAtlasSession session(context.directory, TLockMode::lmPlain);
    first_open_ms = Seconds(TClock::now() - start) * 1e3;
    context.samples = ReadAtlasSamples(session.Database());
    std::printf(
        "database %s\n  copied to %s\n  SQLite %s, journal mode %s\n"
        "  %zu places, %zu zones, %zu summer-time rules; largest state %s "
        "(%s, %lld places)\n\n",
        source.c_str(), copy.FilePath().c_str(), sqlite3_libversion(),
        JournalMode(session.Database()).c_str(), context.samples.places.size(),
        context.samples.zoneNames.size(), context.samples.summerNames.size(),
        context.samples.largestStateName.c_str(), context.samples.largestStateId.c_str(),
        static_cast<long long>(context.samples.largestStateRows));
  }

  std::fflush(stdout);
  RegisterAll(context);
  TFigureKeeper keeper;
  benchmark::RunSpecifiedBenchmarks(&keeper);
  benchmark::Shutdown();
  PrintSummary(keeper, context, first_open_ms);
  std::printf("\nrun time %.1f s\n", Seconds(TClock::now() - program_start));
  return 0;
}

}  // namespace
}  // namespace vyn::bench

int main(int argc, char** argv) {
  try {
    return vyn::bench::Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "table_store_speed: %s\n", e.what());
    return 1;
  }
}

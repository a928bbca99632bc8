// Speed of the desktop program: the start-up to an interactive main window
// with two people, and a repaint of each view at 1000 x 700. Runs offscreen
// on a private copy of the application directory; prints Google Benchmark's
// table. Goals: start-up under 1 s, a view repaint under 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/core/person_record.h"
#include "app/desktop/main_form.h"
#include "app/desktop/program.h"
#include "app/desktop/start_up.h"
#include "dialogs/names/person_store.h"
#include "platform/app_directory.h"
#include "platform/user_app_directory.h"

namespace {

namespace fs = std::filesystem;
using namespace vyn;
using namespace vyn::desktop;

core::TPersonRecord Person(const char* first, const char* last, const char* date,
                           const char* time, std::int64_t latitude, std::int64_t longitude) {
  core::TPersonRecord person;
  person.firstName = first;
  person.lastName = last;
  person.sex = "F";
  person.birthDate = date;
  person.birthTime = time;
  person.latitude = latitude;
  person.longitude = longitude;
  person.timeZone = "0100E";
  return person;
}

// A private application directory whose current pair is two stored people.
class TBenchDirectory {
 public:
  TBenchDirectory() : path_(fs::temp_directory_path() / ("vyn_bench_" + std::to_string(getpid()))) {
    fs::remove_all(path_);
    PopulateAppDirectory(VYN_BENCH_APP_DIR, path_.string());
    SetAppDirectory(path_.string());
    TProgram program;
    program.LoadSettings(1280, 1024);
    program.OpenDatabase("UK");
    program.ApplyLanguage("UK");
    dialogs::TPersonStore store(program.Tables());
    store.Insert(Person("Anna", "Holm", "19700101", "060000", 5541, -1235), {});
    store.Insert(Person("Ben", "Carter", "19750707", "183000", 5130, 7), {});
    program.CreateCharts();
    core::LoadPersonIntoChart(program.Tables(), "Anna", "Holm", program.Chart(1));
    core::LoadPersonIntoChart(program.Tables(), "Ben", "Carter", program.Chart(2));
    program.StoreCurrentPair();
  }
  ~TBenchDirectory() {
    SetAppDirectory("");
    fs::remove_all(path_);
  }

 private:
  fs::path path_;
};

std::unique_ptr<TMainForm> Start(TProgram& program) {
  auto form = StartUp(program, TMainServices{}, TStartUpOptions{}, nullptr);
  form->resize(1280, 900);
  form->show();
  QApplication::processEvents();
  return form;
}

void BM_StartUpToMainWindow(benchmark::State& state) {
  for (auto _ : state) {
    TProgram program;
    auto form = Start(program);
    benchmark::DoNotOptimize(form.get());
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_ViewRepaint(benchmark::State& state) {
  const auto view = static_cast<EView>(state.range(0));
  TProgram program;
  auto form = Start(program);
  form->ShowView(view);
  QWidget* widget = form->View(view);
  widget->resize(1000, 700);
  QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    widget->render(&painter);
  }
  static const char* const kNames[] = {"planets", "cusps", "aspects", "symbols", "names"};
  state.SetLabel(kNames[state.range(0)]);
}
BENCHMARK(BM_ViewRepaint)->DenseRange(0, kViewCount - 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  TBenchDirectory directory;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

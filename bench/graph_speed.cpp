// Speed of the graphs, offscreen: a full repaint of the compatibility graph
// (as on every mouse move, with a hover state), of the element and modality
// graphs and of a degree dial at 1000 x 700, each laid out anew first.
// Prints Google Benchmark's table. Goal: each well under 16 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "engine/aspects.h"
#include "engine/ephemeris.h"
#include "engine/horoscope.h"
#include "graphics/graphs/bar_graph_painter.h"
#include "graphics/graphs/compatibility_painter.h"
#include "graphics/graphs/dial_painter.h"
#include "graphics/wheel/wheel_font.h"
#include "platform/app_directory.h"

namespace {

using namespace vyn;

constexpr TWheelRect kRect{0, 0, 1000, 700};

struct TPair {
  THoroscope a, b;
  TPair() {
    Calculate(a, "Ann", 1980.0614L, 12.00L, 52.31L, -13.24L);
    Calculate(b, "Bob", 1978.0302L, 6.30L, 48.08L, -11.34L);
    a.SetPartner(&b);
    b.SetPartner(&a);
    a.SetActive(true);
    b.SetActive(true);
  }
  static void Calculate(THoroscope& chart, const char* name, extended date, extended time,
                        extended latitude, extended longitude) {
    chart.SetFirstName(name);
    chart.SetBirthDate(date);
    chart.SetBirthTime(time);
    chart.SetLatitude(latitude);
    chart.SetLongitude(longitude);
    chart.SetZoneTime(-1);
    for (int row = 1; row <= kAspectKinds; ++row)
      for (int point = 1; point <= kAspectPoints; ++point) chart.SetOrb(row, point, 8);
  }
};

template <typename Draw>
void Repaint(benchmark::State& state, Draw draw) {
  QImage image(kRect.Width(), kRect.Height(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    image.fill(QColor(240, 240, 240));
    QPainter painter(&image);
    draw(painter);
  }
}

void BM_CompatibilityRepaint(benchmark::State& state) {
  TPair pair;
  TCompatibility graph;
  TOrbDegrees orbs{};
  for (auto& row : orbs) row.fill(6);
  graph.Scores().SetOrbMatrix(1, orbs);
  graph.SetHoroscope1(&pair.a);
  graph.SetHoroscope2(&pair.b);
  Repaint(state, [&](QPainter& p) {
    graph.Layout(kRect);
    DrawCompatibility(p, graph, {true, 3, 1});
  });
}
BENCHMARK(BM_CompatibilityRepaint)->Unit(benchmark::kMillisecond);

template <typename Graph>
void BM_BarGraphRepaint(benchmark::State& state) {
  TPair pair;
  Graph graph;
  graph.SetHoroscope1(&pair.a);
  graph.SetHoroscope2(&pair.b);
  Repaint(state, [&](QPainter& p) {
    graph.Layout(kRect);
    DrawBarGraph(p, graph);
  });
}
BENCHMARK(BM_BarGraphRepaint<TElement>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarGraphRepaint<TModality>)->Unit(benchmark::kMillisecond);

void BM_DialRepaint(benchmark::State& state) {
  TPair pair;
  TDDial dial;
  dial.SetAngle(static_cast<int>(state.range(0)));
  dial.SetHoroscope(&pair.a);
  Repaint(state, [&](QPainter& p) {
    dial.Layout({0, 10, kRect.right, kRect.bottom});
    DrawDegreeDial(p, dial);
  });
}
BENCHMARK(BM_DialRepaint)->Arg(30)->Arg(60)->Arg(90)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  SetAppDirectory(VYN_BENCH_APP_DIR);
  try {
    EnsureWheelFont();
    TEphemeris::Shared().Open(std::string(VYN_BENCH_APP_DIR) + "/VYN.LNG");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "graph_speed: %s\n", e.what());
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

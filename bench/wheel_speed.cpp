// Speed of the chart wheel, offscreen: the layout and a full draw of a
// double wheel (and of a single one with its aspects) at 800 x 800, and one
// blink step of the widget, which paints only the selected elements over its
// off-screen image. Prints Google Benchmark's table. Goals: a full draw well
// under 16 ms, a blink step under 2 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <memory>

#include "engine/aspects.h"
#include "engine/ephemeris.h"
#include "engine/horoscope.h"
#include "graphics/wheel/wheel.h"
#include "graphics/wheel/wheel_font.h"
#include "graphics/wheel/wheel_painter.h"
#include "graphics/wheel/wheel_widget.h"
#include "platform/app_directory.h"

namespace {

using namespace vyn;

constexpr int kSide = 800;

void Calculate(THoroscope& chart, const char* name, extended date, extended time,
               extended latitude, extended longitude) {
  chart.SetFirstName(name);
  chart.SetBirthDate(date);
  chart.SetBirthTime(time);
  chart.SetLatitude(latitude);
  chart.SetLongitude(longitude);
  chart.SetZoneTime(-1);
  for (int row = 1; row <= kAspectKinds; ++row)
    for (int point = 1; point <= kAspectPoints; ++point) chart.SetOrb(row, point, 8);
  chart.SetActive(true);
}

// Two partners, each shown by a widget; the first can show the second as
// its inner ring.
struct TPair {
  TPair() {
    Calculate(anna, "Anna", 1980.0614L, 12.00L, 52.31L, -13.24L);
    Calculate(ben, "Ben", 1978.0302L, 6.30L, 48.08L, -11.34L);
    anna.SetPartner(&ben);
    ben.SetPartner(&anna);
    outer.Wheel().SetHoroscope(&anna);
    inner.Wheel().SetHoroscope(&ben);
    outer.Wheel().SetShowAspects(true);
    outer.resize(kSide, kSide);
  }
  void MakeDouble() {
    outer.Wheel().SetRelationWheel(&inner.Wheel());
    inner.Wheel().SetRelationWheel(&outer.Wheel());
    outer.Wheel().SetDualMode(true);
  }
  THoroscope anna, ben;
  TWheelWidget outer, inner;
};

void DrawOnce(TWheel& wheel, QImage& image) {
  wheel.Layout({0, 0, kSide, kSide});
  image.fill(Qt::white);
  QPainter painter(&image);
  TWheelPainter(painter, wheel).DrawWheel();
}

void BM_LayoutDoubleWheel(benchmark::State& state) {
  TPair pair;
  pair.MakeDouble();
  for (auto _ : state) {
    pair.outer.Wheel().Layout({0, 0, kSide, kSide});
    benchmark::DoNotOptimize(pair.outer.Wheel().Geometry().R);
  }
}
BENCHMARK(BM_LayoutDoubleWheel)->Unit(benchmark::kMicrosecond);

void BM_LayoutAndFullDrawDoubleWheel(benchmark::State& state) {
  TPair pair;
  pair.MakeDouble();
  QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) DrawOnce(pair.outer.Wheel(), image);
}
BENCHMARK(BM_LayoutAndFullDrawDoubleWheel)->Unit(benchmark::kMillisecond);

void BM_LayoutAndFullDrawSingleWheelWithAspects(benchmark::State& state) {
  TPair pair;
  QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) DrawOnce(pair.outer.Wheel(), image);
}
BENCHMARK(BM_LayoutAndFullDrawSingleWheelWithAspects)->Unit(benchmark::kMillisecond);

// One tick of the blink timer on a shown double wheel with three bodies, a
// sign and an axis selected: the phase flips and the widget paints the
// selection's area.
void BM_BlinkStep(benchmark::State& state) {
  TPair pair;
  pair.MakeDouble();
  pair.outer.Wheel().SetOffScreen(true);
  pair.outer.show();
  QApplication::processEvents();
  TWheel& wheel = pair.outer.Wheel();
  wheel.SelectRing(true, htPlanet, false, 1);
  wheel.SelectRing(false, htPlanet, true, 5);
  wheel.SelectRing(false, htPlanet, true, 9);
  wheel.SelectRing(false, htSign, false, 3);
  wheel.SelectRing(false, htAxis, false, 1);
  pair.outer.repaint();  // the off-screen image is made here, not in the loop
  for (auto _ : state) {
    wheel.BlinkTick();
    QApplication::processEvents();
  }
  wheel.SetBlinking(false);
}
BENCHMARK(BM_BlinkStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  SetAppDirectory(VYN_BENCH_APP_DIR);
  try {
    EnsureWheelFont();
    TEphemeris::Shared().Open(std::string(VYN_BENCH_APP_DIR) + "/VYN.LNG");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "wheel_speed: %s\n", e.what());
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

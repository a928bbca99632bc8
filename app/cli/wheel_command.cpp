#include "app/cli/wheel_command.h"

#include <QPainter>
#include <algorithm>
#include <charconv>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "app/cli/console.h"
#include "app/cli/drawing_output.h"
#include "app/cli/json_reader.h"
#include "app/cli/sample_people.h"
#include "app/cli/synastry.h"
#include "app/core/input_error.h"
#include "app/core/session.h"
#include "engine/horoscope.h"
#include "graphics/wheel/wheel.h"
#include "graphics/wheel/wheel_font.h"
#include "graphics/wheel/wheel_painter.h"
#include "language/language.h"

namespace vyn::cli {
namespace {

using core::EInputError;
using nlohmann::json;

enum class TWheelLayout { wlSingle, wlDouble, wlTwin };

constexpr int kDefaultSize = 600;
constexpr int kMinSize = 64;
constexpr int kMaxSize = 4096;

struct TWheelOptions {
  std::string out;
  TFileFormat format = TFileFormat::ffPng;
  int size = kDefaultSize;
  TWheelLayout layout = TWheelLayout::wlSingle;
  bool bw = false;
  bool json = false;
};

int ParseSize(const std::string& text) {
  int size = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
  if (error != std::errc() || end != text.data() + text.size() || size < kMinSize ||
      size > kMaxSize)
    throw EInputError("--size", "must be a whole number of pixels from " +
                                    std::to_string(kMinSize) + " to " + std::to_string(kMaxSize));
  return size;
}

TWheelLayout ParseLayout(const std::string& text) {
  if (text == "single") return TWheelLayout::wlSingle;
  if (text == "double") return TWheelLayout::wlDouble;
  if (text == "twin") return TWheelLayout::wlTwin;
  throw EInputError("--layout", "must be single, double or twin");
}

TWheelOptions ParseOptions(const std::vector<std::string>& args) {
  TWheelOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--json") options.json = true;
    else if (args[i] == "--bw") options.bw = true;
    else if (args[i] == "--out" && hasValue) options.out = args[++i];
    else if (args[i] == "--size" && hasValue) options.size = ParseSize(args[++i]);
    else if (args[i] == "--layout" && hasValue) options.layout = ParseLayout(args[++i]);
    else throw EInputError(args[i], "is no option of wheel");
  }
  if (options.out.empty() && !options.json)
    throw EInputError("--out", "names the file to draw (or --json asks for the layout alone)");
  if (!options.out.empty()) options.format = FileFormatOf(options.out);
  if (options.json && options.layout == TWheelLayout::wlTwin)
    throw EInputError("--json", "describes a single or double wheel, not the twin layout");
  return options;
}

// ---- the layout as JSON -----------------------------------------------------

json Point(TWheelPoint p) { return json::array({p.x, p.y}); }

json Segment(const TWheelLine& line) {
  return json::array({line.from.x, line.from.y, line.to.x, line.to.y});
}

template <typename Array>
json Angles(const Array& values, int count) {
  json out = json::array();
  for (int i = 1; i <= count; ++i) out.push_back(static_cast<double>(values[i]));
  return out;
}

json ChartToJson(const THoroscope* chart, const TWheelAngles& a, const TChartRing& ring,
                 const TWheelGeometry& g, bool single) {
  json out = {{"first_name", chart ? chart->FirstName() : std::string()},
              {"A", Angles(a.A, 12)},
              {"D", Angles(a.D, 13)},
              {"C", Angles(a.C, 13)},
              {"E", Angles(a.E, 4)}};
  json order = json::array(), levels = json::array(), glyphs = json::array(),
       pointers = json::array(), cusps = json::array(), axes = json::array(),
       houses = json::array();
  for (int i = 1; i <= 12; ++i) {
    order.push_back(a.O[i]);
    levels.push_back(ring.levels[i]);
    glyphs.push_back(Point(ring.glyphs[i]));
    pointers.push_back(Segment(ring.pointers[i]));
    houses.push_back(Point(g.houseNumbers[i]));
  }
  for (int h = 1; h <= 13; ++h) cusps.push_back(Segment(ring.cusps[h]));
  for (int i = 1; i <= 4; ++i) axes.push_back(Segment(ring.axes[i]));
  out["order"] = order;
  out["levels"] = single ? levels : json(nullptr);
  out["glyphs"] = glyphs;
  out["pointers"] = pointers;
  out["cusps"] = cusps;
  out["axes"] = axes;
  out["houses"] = single ? houses : json(nullptr);
  return out;
}

// ---- drawing ---------------------------------------------------------------------

struct TPlacedWheel {
  TWheel* wheel;
  QRect rect;
};

// As the wheel window shows them.
void DrawWheels(QPainter& painter, const std::vector<TPlacedWheel>& wheels) {
  for (const TPlacedWheel& placed : wheels) {
    const QRect& r = placed.rect;
    placed.wheel->Layout({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    TWheelPainter(painter, *placed.wheel).DrawWheel();
  }
}

void WriteFile(const TWheelOptions& options, const QSize& size,
               const std::vector<TPlacedWheel>& wheels) {
  WriteDrawing(options.out, options.format, size, QStringLiteral("Chart wheel"),
               [&wheels](QPainter& painter) { DrawWheels(painter, wheels); });
}

void PrepareWheel(TWheel& wheel, THoroscope& chart, bool bw) {
  wheel.SetHoroscope(&chart);
  wheel.SetBW(bw);
  wheel.SetShowAspects(true);
  wheel.SetOpaque(true);
  wheel.SetColor({255, 255, 255});
}

}  // namespace

json WheelLayoutToJson(const TWheel& wheel) {
  const TWheelGeometry& g = wheel.Geometry();
  const bool dual = g.dualMode && wheel.RelationWheel();
  json aspects = json::array();
  if (wheel.ShowAspects())
    for (const TWheelAspectLine& aspect : g.aspects) {
      json line = Segment(aspect.line);
      line.push_back(aspect.kind);
      aspects.push_back(line);
    }
  const TWheel* inner = dual ? wheel.RelationWheel() : nullptr;
  return {{"rect", json::array({g.rect.left, g.rect.top, g.rect.right, g.rect.bottom})},
          {"square", json::array({g.square.left, g.square.top, g.square.Width()})},
          {"R", g.R},
          {"centre", Point(g.centre)},
          {"rot", static_cast<double>(g.rot)},
          {"outer", ChartToJson(wheel.Horoscope(), wheel.Angles(), g.outer, g, !dual)},
          {"inner", inner ? ChartToJson(inner->Horoscope(), inner->Angles(), g.inner, g, false)
                          : json(nullptr)},
          {"aspects", aspects},
          {"font_heights",
           {{"house", g.houseFontHeight}, {"sign", g.signFontHeight}, {"body", g.bodyFontHeight}}}};
}

int WheelCommand(const std::vector<std::string>& args) {
  const TWheelOptions options = ParseOptions(args);
  core::TSession session;
  session.Tables();
  const std::string orbSet = session.Language().GetToken(core::kSynastryOrbSetToken);
  session.CheckOrbSet(orbSet, "orb set");
  const TSynastry synastry = RunSynastry(PairFromStandardInput(), session, orbSet);
  if (options.layout != TWheelLayout::wlSingle && synastry.charts.Count() < 2)
    throw EInputError("charts", "the double and twin layouts need two charts");

  const auto gui = StartOffscreenGui();
  try {
    EnsureWheelFont();
  } catch (const std::runtime_error& e) {
    throw core::EInstallationError("symbol font", e.what());
  }
  TWheel outer, inner;
  PrepareWheel(outer, synastry.charts.Chart(0), options.bw);
  const int n = options.size;
  std::vector<TPlacedWheel> placed{{&outer, QRect(0, 0, n, n)}};
  if (options.layout != TWheelLayout::wlSingle) {
    PrepareWheel(inner, synastry.charts.Chart(1), options.bw);
    outer.SetRelationWheel(&inner);
    inner.SetRelationWheel(&outer);
  }
  if (options.layout == TWheelLayout::wlDouble) outer.SetDualMode(true);
  if (options.layout == TWheelLayout::wlTwin) placed.push_back({&inner, QRect(n, 0, n, n)});

  if (!options.out.empty())
    WriteFile(options, QSize(options.layout == TWheelLayout::wlTwin ? 2 * n : n, n), placed);
  if (options.json) {
    outer.Layout({0, 0, n, n});
    WriteOutput(WheelLayoutToJson(outer).dump() + "\n");
  }
  for (const auto& warnings : synastry.warnings)
    for (const std::string& warning : warnings) PrintWarning(warning);
  return 0;
}

}  // namespace vyn::cli

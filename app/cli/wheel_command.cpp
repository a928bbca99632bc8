#include "app/cli/wheel_command.h"

#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <charconv>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "app/cli/console.h"
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
enum class TFileFormat { ffPng, ffSvg, ffPdf };

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

TFileFormat FormatOf(const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  auto endsWith = [&lower](const std::string& end) {
    return lower.size() > end.size() && lower.compare(lower.size() - end.size(), end.size(), end) == 0;
  };
  if (endsWith(".png")) return TFileFormat::ffPng;
  if (endsWith(".svg")) return TFileFormat::ffSvg;
  if (endsWith(".pdf")) return TFileFormat::ffPdf;
  throw EInputError("--out", "must name a .png, .svg or .pdf file");
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
  if (!options.out.empty()) options.format = FormatOf(options.out);
  if (options.json && options.layout == TWheelLayout::wlTwin)
    throw EInputError("--json", "describes a single or double wheel, not the twin layout");
  return options;
}

json ReadInput() {
  if (isatty(STDIN_FILENO)) return SamplePair();
  return ReadJson(std::cin, "standard input");
}

// Qt's own notes (a missing runtime directory and the like) are no business
// of the command line's caller; only its failures are told, on one line.
void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) PrintError(message.toStdString());
}

// The program draws without a screen: Qt's offscreen platform, whatever the
// environment names.
std::unique_ptr<QGuiApplication> StartGui() {
  qInstallMessageHandler(QtMessage);
  static int argc = 3;
  static char name[] = "vyn-cli", option[] = "-platform", platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
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

// One pixel of the wheel is one pixel at 96 dots per inch in SVG and PDF.
constexpr int kResolution = 96;

// Written through a temporary file that replaces FILE only when complete.
void WriteFile(const TWheelOptions& options, const QSize& size,
               const std::vector<TPlacedWheel>& wheels) {
  const QString path = QString::fromStdString(options.out);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    throw EOutputError(options.out + ": cannot be written: " + file.errorString().toStdString());
  bool drawn = false;
  switch (options.format) {
    case TFileFormat::ffPng: {
      QImage image(size, QImage::Format_ARGB32_Premultiplied);
      if (image.isNull()) throw EOutputError(options.out + ": no memory for the picture");
      image.fill(Qt::white);
      QPainter painter(&image);
      DrawWheels(painter, wheels);
      painter.end();
      drawn = image.save(&file, "PNG");
      break;
    }
    case TFileFormat::ffSvg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&file);
      svg.setSize(size);
      svg.setViewBox(QRect(QPoint(0, 0), size));
      svg.setResolution(kResolution);
      svg.setTitle(QStringLiteral("Chart wheel"));
      QPainter painter;
      drawn = painter.begin(&svg);
      if (drawn) {
        DrawWheels(painter, wheels);
        drawn = painter.end();
      }
      break;
    }
    case TFileFormat::ffPdf: {
      QPdfWriter pdf(&file);
      pdf.setResolution(kResolution);
      pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / kResolution, QPageSize::Point));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setTitle(QStringLiteral("Chart wheel"));
      QPainter painter;
      drawn = painter.begin(&pdf);
      if (drawn) {
        DrawWheels(painter, wheels);
        drawn = painter.end();
      }
      break;
    }
  }
  if (!drawn || !file.commit())
    throw EOutputError(options.out + ": cannot be written: " + file.errorString().toStdString());
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
  const TSynastry synastry = RunSynastry(ReadInput(), session, orbSet);
  if (options.layout != TWheelLayout::wlSingle && synastry.charts.Count() < 2)
    throw EInputError("charts", "the double and twin layouts need two charts");

  const auto gui = StartGui();
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

#include "app/cli/graph_command.h"

#include <QPainter>
#include <algorithm>
#include <charconv>
#include <functional>
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
#include "data/data_collection.h"
#include "engine/horoscope.h"
#include "graphics/graphs/graph_pictures.h"
#include "graphics/wheel/wheel_font.h"
#include "language/language.h"
#include "settings/orb_set_loader.h"

namespace vyn::cli {
namespace {

using core::EInputError;
using nlohmann::json;

enum class TGraphKind { gkCompatibility, gkElement, gkModality, gkDial };

// The names of the orb sets of the compatibility matrices 1, 2, 3: wide,
// medium, tight.
constexpr int kMatrixTokens[] = {1016, 1015, 1014};
constexpr int kMinSide = 64, kMaxSide = 4096;

struct TGraphOptions {
  TGraphKind kind = TGraphKind::gkCompatibility;
  int angle = 60;
  std::string out;
  TFileFormat format = TFileFormat::ffPng;
  int width = 728, height = 339;
  std::string language = "UK";
  bool json = false;
};

void ParseKind(const std::string& text, TGraphOptions& o) {
  if (text == "compatibility") o.kind = TGraphKind::gkCompatibility;
  else if (text == "element") o.kind = TGraphKind::gkElement;
  else if (text == "modality") o.kind = TGraphKind::gkModality;
  else if (text == "dial30" || text == "dial60" || text == "dial90") {
    o.kind = TGraphKind::gkDial;
    o.angle = std::stoi(text.substr(4));
  } else
    throw EInputError("graph", "must be compatibility, element, modality, dial30, dial60 or dial90");
}

int ParseSide(std::string_view text) {
  int side = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), side);
  if (error != std::errc() || end != text.data() + text.size() || side < kMinSide ||
      side > kMaxSide)
    throw EInputError("--size", "must be WxH, each a whole number of pixels from " +
                                    std::to_string(kMinSide) + " to " + std::to_string(kMaxSide));
  return side;
}

void ParseSize(const std::string& text, TGraphOptions& o) {
  const auto x = text.find('x');
  if (x == std::string::npos) ParseSide("");  // throws the message
  o.width = ParseSide(std::string_view(text).substr(0, x));
  o.height = ParseSide(std::string_view(text).substr(x + 1));
}

TGraphOptions ParseOptions(const std::vector<std::string>& args) {
  if (args.empty())
    throw EInputError("graph", "names the graph: compatibility, element, modality, dial30, dial60 or dial90");
  TGraphOptions o;
  ParseKind(args[0], o);
  for (std::size_t i = 1; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--json") o.json = true;
    else if (args[i] == "--out" && hasValue) o.out = args[++i];
    else if (args[i] == "--size" && hasValue) ParseSize(args[++i], o);
    else if (args[i] == "--lang" && hasValue) o.language = args[++i];
    else throw EInputError(args[i], "is no option of graph");
  }
  if (o.out.empty() && !o.json)
    throw EInputError("--out", "names the file to draw (or --json asks for the figures alone)");
  if (!o.out.empty()) o.format = FileFormatOf(o.out);
  return o;
}

using TDraw = std::function<void(QPainter&, const QRect&)>;

void WriteFile(const TGraphOptions& o, const TDraw& draw) {
  const QSize size(o.width, o.height);
  WriteDrawing(o.out, o.format, size, QStringLiteral("Graph"),
               [&](QPainter& painter) { draw(painter, QRect(QPoint(0, 0), size)); });
}

// ---- what the graphs computed ------------------------------------------------

template <typename Array>
json Indexed(const Array& values) {
  json out = json::array();
  for (int s = 1; s <= kScoreCount; ++s) out.push_back(values[s]);
  return out;
}

json Entries(const std::array<std::vector<TScoreEntry>, kScoreCount + 1>& lists) {
  json out = json::array();
  for (int s = 1; s <= kScoreCount; ++s) {
    json list = json::array();
    for (const TScoreEntry& e : lists[s]) list.push_back(json::array({e.key, e.score}));
    out.push_back(list);
  }
  return out;
}

json CompatibilityJson(const TCompatibility& graph, const std::vector<std::string>& sets) {
  json persons = json::array();
  for (int person = 1; person <= 2; ++person) {
    const TPersonScores& p = graph.Scores().Person(person);
    persons.push_back({{"harmony_points", Indexed(p.harmonyPoints)},
                       {"tension_points", Indexed(p.tensionPoints)},
                       {"harmony_percent", Indexed(p.harmonyPercent)},
                       {"tension_percent", Indexed(p.tensionPercent)},
                       {"harmony_entries", Entries(p.harmonyEntries)},
                       {"tension_entries", Entries(p.tensionEntries)}});
  }
  return {{"orb_sets", sets},
          {"persons", persons},
          {"overall_harmony", graph.Scores().OverallHarmony()},
          {"overall_tension", graph.Scores().OverallTension()}};
}

json BarGraphJson(const TBarGraph& graph) {
  json persons = json::array();
  for (int person = 1; person <= 2; ++person) {
    json points = json::array(), percent = json::array();
    for (int b = 1; b <= graph.Bars(); ++b) {
      points.push_back(graph.Counts().Points(person, b));
      percent.push_back(graph.Counts().Percent(person, b));
    }
    persons.push_back({{"points", points}, {"percent", percent}});
  }
  return {{"persons", persons}};
}

json DialJson(const TDDial& dial) {
  const TDialGeometry& g = dial.Geometry();
  json ticks = json::array(), persons = json::array();
  for (const TWheelLine& t : g.upperTicks) ticks.push_back(t.from.x);
  for (int person = 1; person <= 2; ++person) {
    const TDialPerson& p = dial.Person(person);
    json values = json::array(), order = json::array(), glyphs = json::array(),
         pointers = json::array();
    for (int i = 1; i <= kDialPoints; ++i) {
      values.push_back(p.values[i]);
      order.push_back(p.order[i]);
      glyphs.push_back(json::array({p.glyphs[i].x, p.glyphs[i].y}));
      const TWheelLine& l = p.pointers[i];
      pointers.push_back(json::array({l.from.x, l.from.y, l.to.x, l.to.y}));
    }
    persons.push_back(
        {{"values", values}, {"order", order}, {"glyphs", glyphs}, {"pointers", pointers}});
  }
  return {{"angle", dial.Angle()},
          {"rect", json::array({g.rect.left, g.rect.top, g.rect.right, g.rect.bottom})},
          {"band", json::array({g.band.left, g.band.top, g.band.right, g.band.bottom})},
          {"unit", g.unit},
          {"step", g.step},
          {"ticks", ticks},
          {"persons", persons}};
}

// ---- the graphs -------------------------------------------------------------------

void Partner(THoroscope& a, THoroscope& b) {
  a.SetPartner(&b);
  b.SetPartner(&a);
}

json RunCompatibility(const TGraphOptions& o, core::TSession& session, const json& input) {
  const TLanguage& language = session.Language();
  std::vector<std::string> sets;
  for (int token : kMatrixTokens) sets.push_back(language.GetToken(token));
  session.CheckOrbSet(sets[0], "orb set");
  TSynastry synastry = RunSynastry(input, session, sets[0]);
  if (synastry.charts.Count() < 2) throw EInputError("charts", "the graphs compare two charts");
  THoroscope& a = synastry.charts.Chart(0);
  THoroscope& b = synastry.charts.Chart(1);
  Partner(a, b);
  // Both charts with the widest set, whatever orbs the input gave.
  session.ApplyOrbSet(sets[0], a, "orb set");
  session.ApplyOrbSet(sets[0], b, "orb set");
  TCompatibility graph;
  TVynTable& definitions = session.Tables().Table(TTableRole::trOrbDefinitions);
  for (int m = 1; m <= 3; ++m) {
    // A set the language lacks leaves its matrix at 0.
    try {
      graph.Scores().SetOrbMatrix(m, ReadOrbSet(definitions, sets[m - 1]));
    } catch (const EOrbSetError&) {
    }
  }
  graph.SetHoroscope1(&a);
  graph.SetHoroscope2(&b);
  graph.Recompute();
  graph.HarmonyLabel = language.GetToken(1278);
  graph.TensionLabel = language.GetToken(1279);
  static constexpr int kCaptionTokens[] = {0, 1377, 1379, 1371, 1375, 1373, 1381, 1383};
  for (int r = 1; r <= kScoreCount; ++r)
    graph.SetCaptions(r, language.GetToken(kCaptionTokens[r]),
                      language.GetToken(kCaptionTokens[r] + 1));
  TComPatablePicture picture(graph);
  if (!o.out.empty()) WriteFile(o, [&](QPainter& p, const QRect& r) { picture.Draw(p, r); });
  return CompatibilityJson(graph, sets);
}

json RunOther(const TGraphOptions& o, core::TSession& session, const json& input) {
  const TLanguage& language = session.Language();
  const std::string orbSet = language.GetToken(core::kSynastryOrbSetToken);
  session.CheckOrbSet(orbSet, "orb set");
  TSynastry synastry = RunSynastry(input, session, orbSet);
  if (synastry.charts.Count() < 2) throw EInputError("charts", "the graphs compare two charts");
  THoroscope& a = synastry.charts.Chart(0);
  THoroscope& b = synastry.charts.Chart(1);
  Partner(a, b);
  if (o.kind == TGraphKind::gkDial) {
    TDDial dial;
    dial.SetAngle(o.angle);
    dial.SetHoroscope(&a);
    TDDialPicture picture(dial);
    // The dial stands 10 pixels down in its window, as the window paints it.
    if (!o.out.empty())
      WriteFile(o, [&](QPainter& p, const QRect& r) { picture.Draw(p, r.adjusted(0, 10, 0, 0)); });
    dial.Layout({0, 10, o.width, o.height});
    return DialJson(dial);
  }
  std::unique_ptr<TBarGraph> graph;
  if (o.kind == TGraphKind::gkElement) {
    graph = std::make_unique<TElement>();
    graph->Title = language.GetToken(1251);
    for (int bar = 1; bar <= 4; ++bar) graph->SetCaption(bar, language.GetToken(1251 + bar));
  } else {
    graph = std::make_unique<TModality>();
    graph->Title = language.GetToken(1256);
    for (int bar = 1; bar <= 3; ++bar) graph->SetCaption(bar, language.GetToken(1256 + bar));
  }
  graph->SetHoroscope1(&a);
  graph->SetHoroscope2(&b);
  if (!o.out.empty())
    WriteFile(o, [&](QPainter& p, const QRect& r) {
      graph->Layout(ToWheelRect(r));
      if (o.kind == TGraphKind::gkElement)
        TElementPicture(static_cast<TElement&>(*graph)).Draw(p, r);
      else
        TModalityPicture(static_cast<TModality&>(*graph)).Draw(p, r);
    });
  return BarGraphJson(*graph);
}

}  // namespace

int GraphCommand(const std::vector<std::string>& args) {
  const TGraphOptions o = ParseOptions(args);
  core::TSession session(o.language, "--lang");
  session.Tables();
  const json input = PairFromStandardInput();
  const auto gui = StartOffscreenGui();
  try {
    EnsureWheelFont();
  } catch (const std::runtime_error& e) {
    throw core::EInstallationError("symbol font", e.what());
  }
  const json figures = o.kind == TGraphKind::gkCompatibility ? RunCompatibility(o, session, input)
                                                             : RunOther(o, session, input);
  if (o.json) WriteOutput(figures.dump() + "\n");
  return 0;
}

}  // namespace vyn::cli

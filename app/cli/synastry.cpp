#include "app/cli/synastry.h"

#include <stdexcept>

#include "app/cli/chart_input.h"
#include "app/cli/chart_json.h"
#include "app/cli/input_error.h"
#include "engine/ephemeris.h"
#include "engine/horoscope_exception.h"

namespace vyn::cli {
namespace {

using nlohmann::json;

// The main window's aspect mode: both aspect lists wanted.
constexpr int kAspectModeBoth = 3;

void CheckDocument(const json& input) {
  if (!input.is_object()) throw TInputError("document", "must be an object");
  for (const auto& [key, value] : input.items())
    if (key != "charts" && key != "partners" && key != "ephemeris")
      throw TInputError(key, "is not a field of the document");
  if (!input.contains("charts") || !input.at("charts").is_array() ||
      input.at("charts").empty() || input.at("charts").size() > 2)
    throw TInputError("charts", "must be an array of one or two charts");
}

bool WantsPartners(const json& input, std::size_t chartCount) {
  if (!input.contains("partners")) return chartCount == 2;
  if (!input.at("partners").is_boolean())
    throw TInputError("partners", "must be true or false");
  const bool partners = input.at("partners").get<bool>();
  if (partners && chartCount != 2)
    throw TInputError("partners", "needs two charts");
  return partners;
}

void OpenEphemeris(const json& input) {
  if (!input.contains("ephemeris")) return;
  if (!input.at("ephemeris").is_string())
    throw TInputError("ephemeris", "must be the path of an ephemeris file");
  try {
    TEphemeris::Shared().Open(input.at("ephemeris").get<std::string>());
  } catch (const std::runtime_error& e) {
    throw TInputError("ephemeris", e.what());
  }
}

void Activate(THoroscope& chart, const std::string& where) {
  try {
    chart.SetActive(true);
  } catch (const EHoroscopeException& e) {
    throw TInputError(where + ".BirthDate", e.what());
  } catch (const std::runtime_error& e) {
    throw TInputError("ephemeris", e.what());
  }
}

std::string ChartName(std::size_t i) {
  return "charts[" + std::to_string(i) + "]";
}

}  // namespace

TSynastry RunSynastry(const json& input) {
  CheckDocument(input);
  const json& charts = input.at("charts");
  const bool partners = WantsPartners(input, charts.size());
  OpenEphemeris(input);

  TSynastry synastry;
  for (std::size_t i = 0; i < charts.size(); ++i) {
    auto chart = std::make_unique<THoroscope>();
    chart->SetAspectMode(kAspectModeBoth);
    ApplyChartInput(charts[i], ChartName(i), *chart);
    synastry.charts.push_back(std::move(chart));
  }
  if (partners) {
    synastry.charts[0]->SetPartner(synastry.charts[1].get());
    synastry.charts[1]->SetPartner(synastry.charts[0].get());
  }
  for (std::size_t i = 0; i < synastry.charts.size(); ++i)
    Activate(*synastry.charts[i], ChartName(i));
  return synastry;
}

json SynastryToJson(const TSynastry& synastry) {
  json charts = json::array();
  for (const auto& chart : synastry.charts) charts.push_back(ChartToJson(*chart));
  return {{"charts", charts}};
}

}  // namespace vyn::cli

#include "app/cli/synastry.h"

#include <cmath>
#include <stdexcept>

#include "app/cli/atlas.h"
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

std::int64_t Scaled(const json& object, const char* key, double fallback) {
  const json& value = object.contains(key) ? object.at(key) : json(fallback);
  return value.is_number() ? std::llround(value.get<double>() * 10000) : 0;
}

// A chart naming an atlas place gets its birth place fields from the atlas
// at its local birth date and time; the fields it gives itself are kept.
std::optional<TBirthPlace> ResolvePlace(json& chart, const std::string& where,
                                        TAtlas& atlas) {
  if (!chart.is_object() || (!chart.contains("State") && !chart.contains("Place")))
    return std::nullopt;
  for (const char* key : {"State", "Place"})
    if (!chart.contains(key) || !chart.at(key).is_string())
      throw TInputError(where + "." + key,
                        "must be a text: a place needs both State and Place");
  const TBirthPlace place = atlas.Resolve(
      chart.at("State").get<std::string>(), chart.at("Place").get<std::string>(),
      Scaled(chart, "BirthDate", 1900.0101), Scaled(chart, "BirthTime", 0),
      where + ".Place");
  const json resolved = BirthPlaceToJson(place);
  for (const char* key :
       {"Latitude", "Longitude", "ZoneTime", "SummerTime", "GregorianStart"})
    if (!chart.contains(key)) chart[key] = resolved.at(key);
  if (!chart.contains("StateName")) chart["StateName"] = place.stateName;
  if (!chart.contains("PlaceName")) chart["PlaceName"] = place.placeName;
  chart.erase("State");
  chart.erase("Place");
  return place;
}

}  // namespace

TSynastry RunSynastry(const json& input, TAtlas& atlas, const std::string& orbSet) {
  CheckDocument(input);
  const json& charts = input.at("charts");
  const bool partners = WantsPartners(input, charts.size());
  OpenEphemeris(input);

  TSynastry synastry;
  for (std::size_t i = 0; i < charts.size(); ++i) {
    json fields = charts[i];
    synastry.places.push_back(ResolvePlace(fields, ChartName(i), atlas));
    auto chart = std::make_unique<THoroscope>();
    chart->SetAspectMode(kAspectModeBoth);
    if (!orbSet.empty() && !fields.contains("orbs")) atlas.ApplyOrbSet(orbSet, *chart);
    ApplyChartInput(fields, ChartName(i), *chart);
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
  for (std::size_t i = 0; i < synastry.charts.size(); ++i) {
    json chart = ChartToJson(*synastry.charts[i]);
    if (synastry.places[i]) chart["place"] = BirthPlaceToJson(*synastry.places[i]);
    charts.push_back(std::move(chart));
  }
  return {{"charts", charts}};
}

}  // namespace vyn::cli

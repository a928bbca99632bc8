#include "app/cli/synastry.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "app/cli/birth_place_json.h"
#include "app/cli/chart_input.h"
#include "app/cli/chart_json.h"
#include "app/core/input_checks.h"
#include "app/core/input_error.h"
#include "app/core/session.h"
#include "engine/ephemeris.h"

namespace vyn::cli {
namespace {

using core::EInputError;
using nlohmann::json;

void CheckDocument(const json& input) {
  if (!input.is_object()) throw EInputError("document", "must be an object");
  for (const auto& [key, value] : input.items())
    if (key != "charts" && key != "partners" && key != "ephemeris")
      throw EInputError(key, "is not a field of the document");
  if (!input.contains("charts") || !input.at("charts").is_array() ||
      input.at("charts").empty() || input.at("charts").size() > 2)
    throw EInputError("charts", "must be an array of one or two charts");
}

bool WantsPartners(const json& input, std::size_t chartCount) {
  if (!input.contains("partners")) return chartCount == 2;
  if (!input.at("partners").is_boolean())
    throw EInputError("partners", "must be true or false");
  return input.at("partners").get<bool>();
}

void OpenEphemeris(const json& input) {
  if (!input.contains("ephemeris")) return;
  if (!input.at("ephemeris").is_string())
    throw EInputError("ephemeris", "must be the path of an ephemeris file");
  const std::string path = input.at("ephemeris").get<std::string>();
  if (path.find('\0') != std::string::npos)
    throw EInputError("ephemeris", "must be a path without NUL characters");
  try {
    TEphemeris::Shared().Open(path);
  } catch (const std::runtime_error& e) {
    throw EInputError("ephemeris", e.what());
  }
}

std::string ChartName(std::size_t i) { return "charts[" + std::to_string(i) + "]"; }

// A local date and clock time of a chart naming an atlas place, checked
// before the look-up uses them. The calendar is not known yet: the date need
// only exist in the Julian calendar, the more lenient one, here; the chart's
// own check follows once the place gave its Gregorian start.
std::pair<std::int64_t, std::int64_t> LookUpMoment(const json& chart, const std::string& where) {
  long double date = core::TBirthData{}.birthDate, time = 0;
  if (chart.contains("BirthDate"))
    date = JsonNumber(chart.at("BirthDate"), where + ".BirthDate");
  if (chart.contains("BirthTime"))
    time = JsonNumber(chart.at("BirthTime"), where + ".BirthTime");
  core::CheckDate(date, core::kJulianAlways, where + ".BirthDate");
  core::CheckClockTime(time, where + ".BirthTime");
  return {core::DateNumber(date), core::TimeNumber(time)};
}

// A chart naming an atlas place gets its birth place fields from the atlas
// at its local birth date and time; the fields it gives itself are kept.
std::optional<TBirthPlace> ResolvePlace(json& chart, const std::string& where,
                                        core::TSession& session) {
  if (!chart.is_object() || (!chart.contains("State") && !chart.contains("Place")))
    return std::nullopt;
  for (const char* key : {"State", "Place"})
    if (!chart.contains(key) || !chart.at(key).is_string())
      throw EInputError(where + "." + key,
                        "must be a text: a place needs both State and Place");
  const auto [date, time] = LookUpMoment(chart, where);
  const TBirthPlace place = session.ResolvePlace(
      chart.at("State").get<std::string>(), chart.at("Place").get<std::string>(), date,
      time, where + ".State", where + ".Place");
  const json resolved = BirthPlaceToJson(place, {});
  for (const char* key : {"Latitude", "Longitude", "ZoneTime", "SummerTime", "GregorianStart"})
    if (!chart.contains(key)) chart[key] = resolved.at(key);
  if (!chart.contains("StateName")) chart["StateName"] = place.stateName;
  if (!chart.contains("PlaceName")) chart["PlaceName"] = place.placeName;
  chart.erase("State");
  chart.erase("Place");
  return place;
}

}  // namespace

TSynastry RunSynastry(const json& input, core::TSession& session, const std::string& orbSet) {
  CheckDocument(input);
  const json& charts = input.at("charts");
  const bool partners = WantsPartners(input, charts.size());
  OpenEphemeris(input);

  std::vector<core::TChartInput> inputs;
  std::vector<std::optional<TBirthPlace>> places;
  std::vector<std::vector<std::string>> warnings;
  for (std::size_t i = 0; i < charts.size(); ++i) {
    json fields = charts[i];
    places.push_back(ResolvePlace(fields, ChartName(i), session));
    warnings.push_back(places.back() ? session.ClockChangeWarnings(*places.back())
                                     : std::vector<std::string>{});
    inputs.push_back(ReadChartInput(fields, ChartName(i)));
    inputs.back().orbSet = orbSet;
  }
  return {core::TChartPair(inputs, partners, &session), std::move(places), std::move(warnings)};
}

json SynastryToJson(const TSynastry& synastry) {
  json charts = json::array();
  for (std::size_t i = 0; i < synastry.charts.Count(); ++i) {
    json chart = ChartToJson(synastry.charts.Chart(i));
    if (synastry.places[i]) chart["place"] = BirthPlaceToJson(*synastry.places[i], synastry.warnings[i]);
    charts.push_back(std::move(chart));
  }
  return {{"charts", charts}};
}

}  // namespace vyn::cli

#include "app/cli/chart_json.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/planets.h"

namespace vyn::cli {
namespace {

using nlohmann::json;

// The sixteen body codes and "DR".
std::vector<std::string> CodeList() {
  std::vector<std::string> codes(kBodyCodes.begin(), kBodyCodes.end());
  codes.emplace_back(kDescendantRulerCode);
  return codes;
}

json AspectArray(const TAspectList& list) {
  json out = json::array();
  for (int n = 1; n <= list.Count(); ++n) {
    const TAspectEntry& e = list.Entry(n);
    out.push_back({e.first, e.second, e.kind, static_cast<double>(e.orb)});
  }
  return out;
}

template <typename Code>
json PerCode(Code code) {
  json out = json::object();
  for (const auto& c : CodeList()) out[c] = code(c);
  return out;
}

template <typename Code>
json PerPair(Code code) {
  json out = json::object();
  for (const auto& a : CodeList())
    for (const auto& b : CodeList()) out[a + "," + b] = code(a, b);
  return out;
}

json Codes(const THoroscope& chart) {
  using S = std::string_view;
  return {
      {"sign", PerCode([&](S c) { return chart.GetSignCode(c); })},
      {"house", PerCode([&](S c) { return chart.GetHouseCode(c); })},
      {"overlay_house",
       PerCode([&](S c) { return chart.GetOverlayHouseCode(c); })},
      {"descendant_ruler", chart.DescendantRuler()},
      {"aspect_polarity",
       PerPair([&](S a, S b) { return chart.GetAspectPolarity(a, b); })},
      {"overlay_polarity",
       PerPair([&](S a, S b) { return chart.GetOverlayPolarity(a, b); })},
      {"lead", PerPair([&](S a, S b) { return chart.GetLeadCode(a, b); })},
  };
}

template <typename Read>
json Series(int first, int last, Read read) {
  json out = json::array();
  for (int i = first; i <= last; ++i) out.push_back(read(i));
  return out;
}

}  // namespace

json ChartToJson(const THoroscope& chart) {
  const auto number = [](extended x) { return static_cast<double>(x); };
  return {
      {"ut", number(chart.UT())},
      {"day_offset", chart.DayOffset()},
      {"jd", number(chart.JD())},
      {"weekday", chart.Weekday()},
      {"day_number", chart.BirthDayNumber()},
      {"T", number(chart.CenturiesT())},
      {"obliquity", number(chart.Obliquity())},
      {"sidereal_time", number(chart.SiderealTime())},
      {"house_system", chart.HouseSystem()},
      {"positions", Series(1, 18, [&](int s) { return number(chart.PlanetRad(s)); })},
      {"planet_pos", Series(1, 18, [&](int s) { return number(chart.PlanetPos(s)); })},
      {"retrograde", Series(1, 12, [&](int s) { return chart.IsRetrograde(s); })},
      {"cusps", Series(0, 13, [&](int h) { return number(chart.CuspRad(h)); })},
      {"order", Series(1, 13, [&](int k) { return k == 13 ? chart.SortedBody(1) : chart.SortedBody(k); })},
      {"aspects", AspectArray(chart.OwnAspects())},
      {"cross_aspects", AspectArray(chart.CrossAspects())},
      {"codes", Codes(chart)},
  };
}

}  // namespace vyn::cli

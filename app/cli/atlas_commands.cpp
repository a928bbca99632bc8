#include "app/cli/atlas_commands.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "app/cli/atlas.h"
#include "app/cli/input_error.h"
#include "data/data_collection.h"
#include "data/zone_lookup.h"
#include "engine/angles.h"
#include "engine/text_helpers.h"

namespace vyn::cli {
namespace {

using nlohmann::json;

struct TArguments {
  std::vector<std::string> words;  // without the options
  bool json = false;
  std::string date, time;
};

TArguments Parse(const std::vector<std::string>& args) {
  TArguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--json") parsed.json = true;
    else if (args[i] == "--date" && i + 1 < args.size()) parsed.date = args[++i];
    else if (args[i] == "--time" && i + 1 < args.size()) parsed.time = args[++i];
    else if (args[i].rfind("--", 0) == 0) throw TInputError(args[i], "is not an option here");
    else parsed.words.push_back(args[i]);
  }
  return parsed;
}

std::int64_t WholeNumber(const std::string& text, const std::string& field,
                         std::int64_t low, std::int64_t high) {
  const long value = StrToIntOrZero(text);
  if (text.empty() || (value == 0 && text.find_first_not_of('0') != std::string::npos) ||
      value < low || value > high)
    throw TInputError(field, "must be a whole number from " + std::to_string(low) +
                                 " to " + std::to_string(high));
  return value;
}

std::int64_t DateArgument(const std::string& text) {
  const std::int64_t date = WholeNumber(text, "date", 15000101, 21001231);
  if (date / 100 % 100 < 1 || date / 100 % 100 > 12 || date % 100 < 1 || date % 100 > 31)
    throw TInputError("date", "must be a date YYYYMMDD");
  return date;
}

// HHMM or HHMMSS as HHMMSS.
std::int64_t TimeArgument(const std::string& text) {
  if (text.size() != 4 && text.size() != 6)
    throw TInputError("time", "must be HHMM or HHMMSS");
  const std::int64_t value = WholeNumber(text, "time", 0, 240000);
  const std::int64_t hhmmss = text.size() == 4 ? value * 100 : value;
  if (hhmmss / 100 % 100 >= 60 || hhmmss % 100 >= 60 || hhmmss > 240000)
    throw TInputError("time", "must be a clock time HHMM or HHMMSS");
  return hhmmss;
}

std::string HmText(long double hm) {
  char text[16];
  std::snprintf(text, sizeof text, "%+.2Lf", hm);
  return text;
}

// "UTC+01:00" for a zone time and summer time in H.MM (zone west positive).
std::string UtcText(long double zoneTime, long double summerTime) {
  const auto minutes = [](long double hm) {
    return std::lround(static_cast<double>(DMToDec(hm) * 60));
  };
  const long east = minutes(summerTime) - minutes(zoneTime);
  char text[48];
  std::snprintf(text, sizeof text, "UTC%c%02ld:%02ld", east < 0 ? '-' : '+',
                std::labs(east) / 60, std::labs(east) % 60);
  return text;
}

void PrintPlace(const TBirthPlace& p, bool atMoment) {
  std::cout << p.placeName << ", " << p.stateName << " (state " << p.stateId
            << ")\n  latitude " << FormatPos(TableAngleToDM(p.latitude))
            << ", longitude " << FormatPos(TableAngleToDM(p.longitude))
            << " (D.MM, north and west positive)\n  zone " << p.zoneName
            << ", summer-time rule " << p.summerName << "\n";
  if (!atMoment) return;
  std::cout << "  zone time " << HmText(p.zoneTime) << ", summer time "
            << HmText(p.summerTime) << " (" << UtcText(p.zoneTime, p.summerTime)
            << (p.localMeanTime ? ", local mean time of the place" : "")
            << "), Gregorian calendar from "
            << DateText(std::llround(static_cast<double>(p.gregorianStart * 10000)),
                        "yyyy-MM-dd")
            << "\n";
  for (const std::string& w : p.warnings) std::cout << "  warning: " << w << "\n";
}

}  // namespace

int PlaceCommand(const std::vector<std::string>& args) {
  const TArguments a = Parse(args);
  if (a.words.size() != 2) throw TInputError("place", "needs a STATE and a PLACE");
  if (!a.time.empty() && a.date.empty()) throw TInputError("time", "needs a --date");
  const bool atMoment = !a.date.empty();
  const std::int64_t date = atMoment ? DateArgument(a.date) : 20000101;
  const std::int64_t time = a.time.empty() ? 120000 : TimeArgument(a.time);
  TAtlas atlas;
  const TBirthPlace place = atlas.Resolve(a.words[0], a.words[1], date, time, "place");
  if (a.json) {
    json out = BirthPlaceToJson(place);
    out["StateID"] = place.stateId;
    out["summer_name"] = place.summerName;
    if (!atMoment)
      for (const char* key : {"ZoneTime", "SummerTime", "GregorianStart",
                              "local_mean_time", "warnings"})
        out.erase(key);
    std::cout << out.dump() << "\n";
  } else {
    PrintPlace(place, atMoment);
  }
  return 0;
}

int ZoneCommand(const std::vector<std::string>& args) {
  const TArguments a = Parse(args);
  if (a.words.size() != 3) throw TInputError("zone", "needs a NAME, a DATE and a TIME");
  const std::int64_t date = DateArgument(a.words[1]);
  const std::int64_t time = TimeArgument(a.words[2]);
  TAtlas atlas;
  TDataCollection& tables = atlas.Tables();
  const std::string& name = a.words[0];
  if (!LocateZoneRow(tables.Table(TTableRole::trZoneIds),
                     tables.Table(TTableRole::trZones), name, date))
    throw TInputError("zone", "the atlas has no zone \"" + name + "\" on that date");
  const bool lmt =
      tables.Table(TTableRole::trZones).FieldByName("LMT").AsBoolean();
  const long double zoneTime = tables.ZoneOffset(name, date);
  const long double summerTime = tables.SummerOffset(name, date, time);
  if (a.json) {
    std::cout << json{{"zone_name", name},
                      {"ZoneTime", static_cast<double>(zoneTime)},
                      {"SummerTime", static_cast<double>(summerTime)},
                      {"utc_offset", UtcText(zoneTime, summerTime)},
                      {"local_mean_time", lmt}}
                     .dump()
              << "\n";
  } else {
    std::cout << name << " on " << a.words[1] << " at " << a.words[2] << ": zone time "
              << HmText(zoneTime) << ", summer time " << HmText(summerTime) << " ("
              << UtcText(zoneTime, summerTime)
              << (lmt ? ", local mean time of the zone's reference place" : "") << ")\n";
  }
  return 0;
}

}  // namespace vyn::cli

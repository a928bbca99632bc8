#include "app/cli/atlas_commands.h"

#include <cmath>
#include <cstdio>
#include <sstream>
#include <nlohmann/json.hpp>

#include "app/cli/birth_place_json.h"
#include "app/cli/console.h"
#include "app/core/input_checks.h"
#include "app/core/input_error.h"
#include "app/core/session.h"
#include "data/data_collection.h"
#include "data/zone_lookup.h"
#include "engine/angles.h"
#include "engine/text_helpers.h"

namespace vyn::cli {
namespace {

using core::EInputError;
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
    else if (args[i].rfind("--", 0) == 0) throw EInputError(args[i], "is not an option here");
    else parsed.words.push_back(args[i]);
  }
  return parsed;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// YYYYMMDD, a day that exists at least in the Julian calendar; the calendar
// in force is checked once the atlas gave its Gregorian start.
std::int64_t DateArgument(const std::string& text, const std::string& field) {
  if (text.size() != 8 || !AllDigits(text))
    throw EInputError(field, "must be a date YYYYMMDD (eight digits)");
  const std::int64_t date = std::stoll(text);
  core::CheckDate(date, core::kJulianAlways, field);
  return date;
}

// HHMM or HHMMSS as HHMMSS.
std::int64_t TimeArgument(const std::string& text, const std::string& field) {
  if ((text.size() != 4 && text.size() != 6) || !AllDigits(text))
    throw EInputError(field, "must be a clock time HHMM or HHMMSS");
  const std::int64_t hhmmss = std::stoll(text) * (text.size() == 4 ? 100 : 1);
  core::CheckClockTime(hhmmss / 10000.0L, field);
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

std::string PlaceText(const TBirthPlace& p, const std::vector<std::string>& warnings,
                      bool atMoment) {
  std::ostringstream out;
  out << p.placeName << ", " << p.stateName << " (state " << p.stateId
      << ")\n  latitude " << FormatPos(TableAngleToDM(p.latitude))
      << ", longitude " << FormatPos(TableAngleToDM(p.longitude))
      << " (D.MM, north and west positive)\n  zone " << p.zoneName
      << ", summer-time rule " << p.summerName << "\n";
  if (!atMoment) return out.str();
  out << "  zone time " << HmText(p.zoneTime) << ", summer time "
      << HmText(p.summerTime) << " (" << UtcText(p.zoneTime, p.summerTime)
      << (p.localMeanTime ? ", local mean time of the place" : "")
      << "), Gregorian calendar from "
      << DateText(std::llround(static_cast<double>(p.gregorianStart * 10000)), "yyyy-MM-dd")
      << "\n";
  for (const std::string& w : warnings) out << "  warning: " << w << "\n";
  return out.str();
}

std::string PlaceJson(const TBirthPlace& place, const std::vector<std::string>& warnings,
                      bool atMoment) {
  json out = BirthPlaceToJson(place, warnings);
  out["StateID"] = place.stateId;
  out["summer_name"] = place.summerName;
  if (!atMoment)
    for (const char* key :
         {"ZoneTime", "SummerTime", "GregorianStart", "local_mean_time", "warnings"})
      out.erase(key);
  return out.dump() + "\n";
}

}  // namespace

int PlaceCommand(const std::vector<std::string>& args) {
  const TArguments a = Parse(args);
  if (a.words.size() != 2) throw EInputError("place", "needs a STATE and a PLACE");
  if (!a.time.empty() && a.date.empty()) throw EInputError("--time", "needs a --date");
  const bool atMoment = !a.date.empty();
  const std::int64_t date = atMoment ? DateArgument(a.date, "--date") : 20000101;
  const std::int64_t time = a.time.empty() ? 120000 : TimeArgument(a.time, "--time");
  core::TSession session;
  const TBirthPlace place =
      session.ResolvePlace(a.words[0], a.words[1], date, time, "STATE", "PLACE");
  if (atMoment) core::CheckDate(date, place.gregorianStart, "--date");
  const std::vector<std::string> warnings =
      atMoment ? session.ClockChangeWarnings(place) : std::vector<std::string>{};
  WriteOutput(a.json ? PlaceJson(place, warnings, atMoment)
                     : PlaceText(place, warnings, atMoment));
  return 0;
}

int ZoneCommand(const std::vector<std::string>& args) {
  const TArguments a = Parse(args);
  if (a.words.size() != 3) throw EInputError("zone", "needs a NAME, a DATE and a TIME");
  const std::int64_t date = DateArgument(a.words[1], "DATE");
  const std::int64_t time = TimeArgument(a.words[2], "TIME");
  const std::string& name = a.words[0];
  core::CheckName(name, "NAME");
  core::TSession session;
  TDataCollection& tables = session.Tables();
  TVynTable& zoneIds = tables.Table(TTableRole::trZoneIds);
  TVynTable& zones = tables.Table(TTableRole::trZones);
  if (!LocateZoneRow(zoneIds, zones, name, date))
    throw EInputError("NAME", "the atlas has no zone \"" + name + "\" on that date");
  const long double gregorianStart =
      date >= 19300101 ? core::kGregorianAlways
                       : zoneIds.FieldByName("GregDate").AsInteger() / 10000.0L;
  const bool lmt = zones.FieldByName("LMT").AsBoolean();
  core::CheckDate(date, gregorianStart, "DATE");
  const long double zoneTime = tables.ZoneOffset(name, date);
  const long double summerTime = tables.SummerOffset(name, date, time);
  if (a.json) {
    WriteOutput(json{{"zone_name", name},
                     {"ZoneTime", static_cast<double>(zoneTime)},
                     {"SummerTime", static_cast<double>(summerTime)},
                     {"utc_offset", UtcText(zoneTime, summerTime)},
                     {"local_mean_time", lmt}}
                    .dump() +
                "\n");
  } else {
    WriteOutput(name + " on " + a.words[1] + " at " + a.words[2] + ": zone time " +
                HmText(zoneTime) + ", summer time " + HmText(summerTime) + " (" +
                UtcText(zoneTime, summerTime) +
                (lmt ? ", local mean time of the zone's reference place" : "") + ")\n");
  }
  return 0;
}

}  // namespace vyn::cli

#include "app/cli/synastry_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "engine/angles.h"
#include "engine/text_helpers.h"
#include "language/language.h"

namespace vyn::cli {
namespace {

// A D.MM number as degrees and minutes, e.g. 23°07'.
std::string DegreesMinutes(extended dm) {
  const long long units = Trunc(dm * 100 + 1e-7L);
  char text[32];
  std::snprintf(text, sizeof text, "%02lld\u00b0%02lld'", units / 100,
                units % 100);
  return text;
}

std::string Zodiacal(extended dm, const TLanguage& language) {
  const TSignSplit split = SignSplit(dm);
  return DegreesMinutes(split.rest) + " " + language.SignName(split.sign % 12);
}

std::string Hemisphere(extended dm, char positive, char negative) {
  return DegreesMinutes(dm < 0 ? -dm : dm) + " " +
         (dm < 0 ? negative : positive);
}

std::string Padded(std::string text, std::size_t width) {
  std::size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
  if (characters < width) text.append(width - characters, ' ');
  return text;
}

// Aspect point 1..14: the bodies, then the Ascendant and the Midheaven,
// which are body numbers 13 and 14.
std::string PointName(int point, const TLanguage& language) {
  return language.BodyName(point);
}

std::string FullName(const THoroscope& chart) {
  return chart.FirstName() + " " + chart.LastName();
}

std::string UniversalTime(const THoroscope& chart) {
  const long minutes = std::lround(static_cast<double>(chart.UT() * 60));
  std::string text = TimeText(static_cast<int>(minutes / 60 % 24),
                              static_cast<int>(minutes % 60), 0, "HH:mm");
  const int days = chart.DayOffset() + static_cast<int>(minutes / (24 * 60));
  if (days != 0) text += (days > 0 ? " (+" : " (") + std::to_string(days) + " day)";
  return text;
}

void WriteBirth(std::ostream& out, const THoroscope& chart) {
  out << FullName(chart) << "\n  born "
      << DateTimeText(chart.BirthDate(), chart.BirthTime(), "yyyy-MM-dd",
                      "HH:mm")
      << " local time, zone " << FormatPos(chart.ZoneTime())
      << ", summer time " << FormatPos(chart.SummerTime()) << "\n  at ";
  if (!chart.PlaceName().empty()) out << chart.PlaceName() << ", ";
  if (!chart.StateName().empty()) out << chart.StateName() << ", ";
  char jd[32];
  std::snprintf(jd, sizeof jd, "%.5Lf", chart.JD());
  out << Hemisphere(chart.Latitude(), 'N', 'S') << " "
      << Hemisphere(chart.Longitude(), 'W', 'E') << "\n  Universal Time "
      << UniversalTime(chart) << ", Julian day " << jd << "\n";
}

void WritePlace(std::ostream& out, const TBirthPlace& place,
                const std::vector<std::string>& warnings) {
  out << "  from the atlas: zone " << place.zoneName
      << (place.localMeanTime ? " (local mean time of the place)" : "") << "\n";
  for (const std::string& warning : warnings)
    out << "  warning: " << warning << "\n";
}

void WritePositions(std::ostream& out, const THoroscope& chart,
                    const TLanguage& language) {
  out << "  Houses: " << language.HouseSystemName(chart.HouseSystem())
      << (chart.TimeUnknown() ? " (birth time unknown: sun-sign houses)" : "")
      << "\n  Positions\n";
  for (int slot = 1; slot <= 12; ++slot)
    out << "    " << Padded(language.BodyName(slot), 14)
        << Zodiacal(chart.PlanetPos(slot), language)
        << (chart.IsRetrograde(slot) ? "  R" : "") << "   house "
        << chart.HouseOfBody(slot - 1) << "\n";
  out << "  Cusps\n";
  for (int h = 1; h <= 12; ++h)
    out << "    " << Padded(std::to_string(h), 4) << Zodiacal(chart.CuspPos(h), language)
        << (h % 3 == 0 ? "\n" : "   ");
}

void WriteAspects(std::ostream& out, const TAspectList& list,
                  const std::string& title, const TLanguage& language) {
  out << "  " << title << " (" << list.Count() << ")\n";
  for (int n = 1; n <= list.Count(); ++n) {
    const TAspectEntry& e = list.Entry(n);
    const long orb = static_cast<long>(e.orb);
    char orbText[40];
    std::snprintf(orbText, sizeof orbText, "%ld\u00b0%02ld'", orb / 60,
                  orb % 60);
    out << "    " << Padded(PointName(e.first, language), 14)
        << Padded(language.AspectName(e.kind), 18)
        << Padded(PointName(e.second, language), 14)
        << "orb " << orbText << "\n";
  }
}

}  // namespace

std::string SynastryText(const TSynastry& synastry, const TLanguage& language) {
  std::ostringstream out;
  for (std::size_t i = 0; i < synastry.charts.Count(); ++i) {
    const THoroscope& chart = synastry.charts.Chart(i);
    WriteBirth(out, chart);
    if (synastry.places[i]) WritePlace(out, *synastry.places[i], synastry.warnings[i]);
    WritePositions(out, chart, language);
    WriteAspects(out, chart.OwnAspects(), "Aspects", language);
    out << "\n";
  }
  if (synastry.charts.Partnered()) {
    const THoroscope& first = synastry.charts.Chart(0);
    WriteAspects(out, first.CrossAspects(),
                 "Cross aspects, " + FullName(first) + " (left) with " +
                     FullName(*first.Partner()) + " (right)",
                 language);
  }
  return out.str();
}

}  // namespace vyn::cli

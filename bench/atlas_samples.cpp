#include "bench/atlas_samples.h"

#include <stdexcept>

#include "data/sqlite_statement.h"
#include "data/vyn_database.h"

namespace vyn::bench {
namespace {

constexpr int kFirstYear = 1850;
constexpr int kLastYear = 2100;

std::vector<std::string> TextColumn(TVynDatabase& database, const char* sql) {
  TSqliteStatement statement(database.Connection(), sql);
  std::vector<std::string> texts;
  while (statement.Step()) texts.push_back(statement.Column(0).Bytes());
  return texts;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool StartsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

}  // namespace

TAtlasSamples ReadAtlasSamples(TVynDatabase& database) {
  TAtlasSamples samples;
  {
    TSqliteStatement statement(database.Connection(),
                               "SELECT p.StateID, s.StateName, p.PlaceName FROM PLACES p "
                               "JOIN STATES s ON s.StateID = p.StateID ORDER BY p.rowid");
    while (statement.Step())
      samples.places.push_back({statement.Column(0).Bytes(), statement.Column(1).Bytes(),
                                statement.Column(2).Bytes()});
  }
  samples.zoneNames = TextColumn(database, "SELECT ZoneName FROM ZONEID ORDER BY ZoneID");
  samples.summerNames =
      TextColumn(database, "SELECT SummerName FROM SUMMERID ORDER BY SummerID");
  if (samples.places.empty() || samples.zoneNames.empty() || samples.summerNames.empty())
    throw std::runtime_error("the atlas has no places, zones or summer-time rules");

  TSqliteStatement largest(
      database.Connection(),
      "SELECT p.StateID, s.StateName, count(*) FROM PLACES p "
      "JOIN STATES s ON s.StateID = p.StateID "
      "GROUP BY p.StateID ORDER BY count(*) DESC, p.StateID LIMIT 1");
  largest.Step();
  samples.largestStateId = largest.Column(0).Bytes();
  samples.largestStateName = largest.Column(1).Bytes();
  samples.largestStateRows = largest.Column(2).Integer();
  return samples;
}

int TSampleDraw::Between(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random_);
}

std::size_t TSampleDraw::Index(std::size_t count) {
  return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
}

std::int64_t TSampleDraw::Date() {
  const int year = Between(kFirstYear, kLastYear);
  const int month = Between(1, 12);
  const int day = Between(1, DaysInMonth(year, month));
  return static_cast<std::int64_t>(year) * 10000 + month * 100 + day;
}

std::int64_t TSampleDraw::Time() {
  return static_cast<std::int64_t>(Between(0, 23)) * 10000 + Between(0, 59) * 100 +
         Between(0, 59);
}

std::string TSampleDraw::Prefix(const std::string& text) {
  std::vector<std::size_t> ends;  // byte lengths of the whole-character prefixes
  for (std::size_t i = 1; i <= text.size(); ++i)
    if (i == text.size() || StartsCharacter(text[i])) ends.push_back(i);
  if (ends.empty()) return text;
  return text.substr(0, ends[Index(ends.size())]);
}

}  // namespace vyn::bench

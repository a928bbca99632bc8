#include "data/atlas_reader.h"

#include <cstdlib>

#include "data/database_error.h"
#include "data/sqlite_connection.h"
#include "data/table_catalogue.h"

namespace vyn {
namespace {

using TKind = TDataErrorKind;

const std::string& NameOf(TTableRole role) { return CatalogueEntry(role).InitialName; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

[[noreturn]] void Damaged(const std::string& table, const std::string& row,
                          const std::string& what) {
  throw ETableError(TKind::deCorrupt, table, "row " + row + ": " + what);
}

// The statement's column as text; null reads as "".
std::string TextAt(const TSqliteStatement& statement, int column) {
  return statement.Column(column).Bytes();
}

// A whole number a row must hold: null, text or a fraction is damage.
std::int64_t IntegerAt(const TSqliteStatement& statement, int column,
                       const std::string& table, const std::string& row,
                       const char* field) {
  const TVynValue value = statement.Column(column);
  if (value.Type() != TValueType::vtInteger)
    Damaged(table, row, std::string(field) + " holds " + value.Describe() +
                            ", not a whole number");
  return value.Integer();
}

// hours * 100 + minutes within `limit` minutes, as minutes.
int HoursMinutes(std::int64_t value, int limit, const std::string& table,
                 const std::string& row, const char* field) {
  // Only a value in range may be negated: -INT64_MIN does not exist.
  const bool inRange = value >= -limit * 100LL && value <= limit * 100LL;
  const std::int64_t magnitude = !inRange ? 0 : value < 0 ? -value : value;
  if (!inRange || magnitude % 100 >= 60 || magnitude / 100 * 60 + magnitude % 100 > limit)
    Damaged(table, row, std::string(field) + " " + std::to_string(value) +
                            " is not hours * 100 + minutes within " +
                            std::to_string(limit / 60) + " hours");
  const int minutes = static_cast<int>(magnitude / 100 * 60 + magnitude % 100);
  return value < 0 ? -minutes : minutes;
}

// degrees * 100 + minutes within `degrees`.
long Coordinate(std::int64_t value, long degrees, const std::string& table,
                const std::string& row, const char* field) {
  if (value < -degrees * 100 || value > degrees * 100 ||
      (value < 0 ? -value : value) % 100 >= 60)
    Damaged(table, row, std::string(field) + " " + std::to_string(value) +
                            " is not degrees * 100 + minutes within " +
                            std::to_string(degrees) + " degrees");
  return static_cast<long>(value);
}

std::string ZoneRowKey(const std::string& id, std::int64_t date) {
  return "ZoneID " + Quoted(id) + ", StartDate " + std::to_string(date);
}

}  // namespace

template <class Read>
auto TAtlasReader::Reading(const std::string& table, Read read) -> decltype(read()) {
  try {
    return read();
  } catch (const EDatabaseError&) {
    throw;
  } catch (const ESqliteError& e) {
    const TKind kind = ErrorKindOfSqliteCode(e.Code());
    const std::string message = e.what();
    if (message.rfind("no such table", 0) == 0)
      throw ETableError(TKind::deMissingTable, table,
                        "the database has no such table (" + message + ")");
    if (message.rfind("no such column", 0) == 0)
      throw ETableError(TKind::deMissingField, table,
                        "a field is missing (" + message + ")");
    if (kind == TKind::deCorrupt)
      throw ETableError(kind, table,
                        "read failed: the database file is damaged (" + message + ")");
    throw ETableError(kind, table, "read failed (" + message + ")");
  }
}

std::optional<TStateRow> TAtlasReader::StateByName(const std::string& stateName) {
  const std::string& table = NameOf(TTableRole::trStates);
  return Reading(table, [&]() -> std::optional<TStateRow> {
    if (!statesHaveGregDate_) {
      // A state whose calendar reform differs from the rest of its zone
      // carries its own date; databases without the field use the zone's.
      TSqliteStatement& probe = statements_.Prepared(
          "SELECT 1 FROM pragma_table_info(?1) WHERE name = 'GregDate' COLLATE NOCASE");
      TStatementRun run(probe);
      probe.Bind(1, TVynValue(table));
      statesHaveGregDate_ = probe.Step();
    }
    TSqliteStatement& statement = statements_.Prepared(
        std::string("SELECT StateID, StateName, ") +
        (*statesHaveGregDate_ ? "GregDate" : "NULL") +
        " FROM STATES WHERE StateName = ?1 ORDER BY rowid LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(stateName));
    if (!statement.Step()) return std::nullopt;
    TStateRow row{TextAt(statement, 0), TextAt(statement, 1), 0};
    if (!statement.Column(2).IsNull())
      row.gregDate = IntegerAt(statement, 2, table, "StateName " + Quoted(stateName),
                               "GregDate");
    return row;
  });
}

std::optional<TPlaceRow> TAtlasReader::PlaceByKey(const std::string& stateId,
                                                  const std::string& placeName) {
  const std::string& table = NameOf(TTableRole::trPlaces);
  return Reading(table, [&]() -> std::optional<TPlaceRow> {
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT Latitude, Longitude, ZoneRef, SummerRef FROM PLACES "
        "WHERE StateID = ?1 AND PlaceName = ?2 ORDER BY rowid LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(stateId));
    statement.Bind(2, TVynValue(placeName));
    if (!statement.Step()) return std::nullopt;
    const std::string key = "StateID " + Quoted(stateId) + ", PlaceName " + Quoted(placeName);
    TPlaceRow row{stateId, placeName, 0, 0, TextAt(statement, 2), TextAt(statement, 3)};
    row.latitude = Coordinate(IntegerAt(statement, 0, table, key, "Latitude"), 90,
                              table, key, "Latitude");
    row.longitude = Coordinate(IntegerAt(statement, 1, table, key, "Longitude"), 180,
                               table, key, "Longitude");
    return row;
  });
}

namespace {

std::optional<TZoneIdRow> ZoneIdRowFrom(TSqliteStatement& statement, const std::string& table,
                                        const std::string& key) {
  if (!statement.Step()) return std::nullopt;
  TZoneIdRow row{TextAt(statement, 0), TextAt(statement, 1), 0};
  if (!statement.Column(2).IsNull())
    row.gregDate = IntegerAt(statement, 2, table, key, "GregDate");
  return row;
}

}  // namespace

std::optional<TZoneIdRow> TAtlasReader::ZoneById(const std::string& zoneId) {
  const std::string& table = NameOf(TTableRole::trZoneIds);
  return Reading(table, [&] {
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT ZoneID, ZoneName, GregDate FROM ZONEID WHERE ZoneID = ?1 "
        "ORDER BY rowid LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(zoneId));
    return ZoneIdRowFrom(statement, table, "ZoneID " + Quoted(zoneId));
  });
}

std::optional<TZoneIdRow> TAtlasReader::ZoneByName(const std::string& zoneName) {
  const std::string& table = NameOf(TTableRole::trZoneIds);
  return Reading(table, [&] {
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT ZoneID, ZoneName, GregDate FROM ZONEID WHERE ZoneName = ?1 "
        "ORDER BY rowid LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(zoneName));
    return ZoneIdRowFrom(statement, table, "ZoneName " + Quoted(zoneName));
  });
}

std::optional<std::string> TAtlasReader::SummerIdOfName(const std::string& summerName) {
  return Reading(NameOf(TTableRole::trSummerIds), [&]() -> std::optional<std::string> {
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT SummerID FROM SUMMERID WHERE SummerName = ?1 ORDER BY rowid LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(summerName));
    if (!statement.Step()) return std::nullopt;
    return TextAt(statement, 0);
  });
}

std::optional<std::string> TAtlasReader::SummerNameOfId(const std::string& summerId) {
  return Reading(NameOf(TTableRole::trSummerIds), [&]() -> std::optional<std::string> {
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT SummerName FROM SUMMERID WHERE SummerID = ?1 ORDER BY rowid LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(summerId));
    if (!statement.Step()) return std::nullopt;
    return TextAt(statement, 0);
  });
}

namespace {

std::optional<TZoneRow> ZoneRowFrom(TSqliteStatement& statement, const std::string& table,
                                    const std::string& zoneId) {
  if (!statement.Step()) return std::nullopt;
  TZoneRow row;
  row.zoneId = zoneId;
  row.startDate = statement.Column(0).Integer();
  const std::string key = ZoneRowKey(zoneId, row.startDate);
  row.offsetMinutes = HoursMinutes(IntegerAt(statement, 1, table, key, "TimeDelta"),
                                   kMaxZoneOffsetMinutes, table, key, "TimeDelta");
  row.localMeanTime = statement.Column(2).Integer() != 0;
  return row;
}

}  // namespace

std::optional<TZoneRow> TAtlasReader::ZoneRowAt(const std::string& zoneId,
                                                std::int64_t date) {
  const std::string& table = NameOf(TTableRole::trZones);
  return Reading(table, [&] {
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT StartDate, TimeDelta, LMT FROM ZONE WHERE ZoneID = ?1 "
        "AND StartDate <= ?2 ORDER BY StartDate DESC LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(zoneId));
    statement.Bind(2, TVynValue(static_cast<long long>(date)));
    return ZoneRowFrom(statement, table, zoneId);
  });
}

std::optional<TZoneRow> TAtlasReader::FirstZoneRow(const std::string& zoneId) {
  const std::string& table = NameOf(TTableRole::trZones);
  return Reading(table, [&] {
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT StartDate, TimeDelta, LMT FROM ZONE WHERE ZoneID = ?1 "
        "ORDER BY StartDate LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(zoneId));
    return ZoneRowFrom(statement, table, zoneId);
  });
}

std::optional<TZoneRow> TAtlasReader::ZoneRowBefore(const std::string& zoneId,
                                                    std::int64_t startDate) {
  const std::string& table = NameOf(TTableRole::trZones);
  return Reading(table, [&] {
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT StartDate, TimeDelta, LMT FROM ZONE WHERE ZoneID = ?1 "
        "AND StartDate < ?2 ORDER BY StartDate DESC LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(zoneId));
    statement.Bind(2, TVynValue(static_cast<long long>(startDate)));
    return ZoneRowFrom(statement, table, zoneId);
  });
}

std::optional<TSummerRow> TAtlasReader::SummerRowAt(const std::string& summerId,
                                                    std::int64_t date, int minute) {
  const std::string& table = NameOf(TTableRole::trSummers);
  return Reading(table, [&]() -> std::optional<TSummerRow> {
    // FromTime is HHMM: the row has begun when FromTime <= the clock's HHMM.
    TSqliteStatement& statement = statements_.Prepared(
        "SELECT FromDate, FromTime, TimeDiff FROM SUMMER WHERE SummerID = ?1 "
        "AND (FromDate < ?2 OR (FromDate = ?2 AND FromTime <= ?3)) "
        "ORDER BY FromDate DESC, FromTime DESC LIMIT 1");
    TStatementRun run(statement);
    statement.Bind(1, TVynValue(summerId));
    statement.Bind(2, TVynValue(static_cast<long long>(date)));
    statement.Bind(3, TVynValue(minute / 60 * 100 + minute % 60));
    if (!statement.Step()) return std::nullopt;
    TSummerRow row;
    row.summerId = summerId;
    row.fromDate = statement.Column(0).Integer();
    const std::string key = "SummerID " + Quoted(summerId) + ", FromDate " +
                            std::to_string(row.fromDate) + ", FromTime " +
                            TextAt(statement, 1);
    row.fromMinute = HoursMinutes(IntegerAt(statement, 1, table, key, "FromTime"),
                                  24 * 60, table, key, "FromTime");
    if (row.fromMinute < 0) Damaged(table, key, "FromTime is negative");
    row.advanceMinutes = HoursMinutes(IntegerAt(statement, 2, table, key, "TimeDiff"),
                                      kMaxSummerAdvanceMinutes, table, key, "TimeDiff");
    return row;
  });
}

}  // namespace vyn

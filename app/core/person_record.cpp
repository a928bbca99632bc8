#include "app/core/person_record.h"

#include <cstdlib>

#include "data/data_collection.h"
#include "data/vyn_table.h"
#include "engine/horoscope.h"

namespace vyn::core {
namespace {

constexpr std::size_t kNameLength = 48;

// The first `length` characters (not bytes) of UTF-8 text.
std::string Cut(const std::string& text, std::size_t length) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
    if (starts && characters++ == length) return text.substr(0, at);
  }
  return text;
}

// The number written by the digits text[from, from + count); 0 when any of
// them is not a digit.
long Digits(const std::string& text, std::size_t from, std::size_t count) {
  if (from + count > text.size()) return 0;
  long value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// Degrees x 100 + minutes as D.MM.
extended DegreesMinutes(std::int64_t value) { return static_cast<extended>(value) / 100; }

extended ZoneOf(const std::string& text) {
  const extended zone = static_cast<extended>(Digits(text, 0, 4)) / 100;
  return text.size() >= 5 && text[4] == 'E' ? -zone : zone;
}

}  // namespace

TPersonRecord CurrentPerson(const TVynTable& names) {
  const auto text = [&](const char* field) { return names.FieldByName(field).AsString(); };
  TPersonRecord p;
  p.firstName = text("FirstName");
  p.lastName = text("LastName");
  p.sex = text("Sex");
  p.birthCountry = text("BirthCountry");
  p.birthTown = text("BirthTown");
  p.birthDate = text("BirthDate");
  p.birthTime = text("BirthTime");
  p.timeUnknown = names.FieldByName("TimeUnknown").AsBoolean();
  p.latitude = names.FieldByName("Latitude").AsInteger();
  p.longitude = names.FieldByName("Longitude").AsInteger();
  p.timeZone = text("TimeZone");
  p.summerTime = text("SummerTime");
  p.address1 = text("Address1");
  p.address2 = text("Address2");
  p.postalCode = text("PostalCode");
  p.town = text("Town");
  p.country = text("Country");
  p.homePhone = text("HomePhone");
  p.workPhone = text("WorkPhone");
  p.fax = text("Fax");
  p.picture = names.FieldByName("Picture").AsBytes();
  p.notes = text("Notes");
  return p;
}

std::optional<TPersonRecord> ReadPerson(TVynTable& names, const std::string& first,
                                        const std::string& last) {
  names.SetIndexName("");
  if (!names.FindKey({first, last})) return std::nullopt;
  return CurrentPerson(names);
}

TBirthData BirthDataOf(const TPersonRecord& person) {
  TBirthData b;
  b.firstName = Cut(person.firstName, kNameLength);
  b.lastName = Cut(person.lastName, kNameLength);
  b.sex = person.sex;
  b.placeName = person.birthTown;
  b.stateName = person.birthCountry;
  b.latitude = DegreesMinutes(person.latitude);
  b.longitude = DegreesMinutes(person.longitude);
  b.birthDate = static_cast<extended>(Digits(person.birthDate, 0, 8)) / 10000;
  b.birthTime = static_cast<extended>(Digits(person.birthTime, 0, 6)) / 10000;
  b.summerTime = static_cast<extended>(Digits(person.summerTime, 1, 4)) / 100;
  b.zoneTime = ZoneOf(person.timeZone);
  b.timeUnknown = person.timeUnknown;
  return b;
}

bool LoadPersonIntoChart(TDataCollection& tables, const std::string& first,
                         const std::string& last, THoroscope& chart) {
  const auto person = ReadPerson(tables.Table(TTableRole::trNames), first, last);
  if (!person) return false;
  TBirthData birth = BirthDataOf(*person);
  birth.houseSystem = chart.HouseSystem();
  birth.gregorianStart =
      tables.GregorianStartOf(person->birthCountry, person->birthTown, birth.birthDate);
  CheckBirthData(birth, "NAME");  // a damaged row leaves the chart as it was
  const bool wasActive = chart.Active();
  chart.SetActive(false);
  ApplyBirthData(birth, "NAME", chart);
  chart.SetActive(wasActive);
  return true;
}

}  // namespace vyn::core

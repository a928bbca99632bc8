// The boxes of the name dialog and the stored encodings they stand for.
#include <gtest/gtest.h>

#include "app/core/input_checks.h"
#include "dialogs/names/name_fields.h"

namespace vyn::dialogs {
namespace {

const TLetters kLetters = {"N", "S", "W", "E"};

TNameFields Typed() {
  TNameFields f = EmptyFields(kLetters);
  f.firstName = "Anna";
  f.lastName = "Berg";
  f.female = true;
  f.state = "Denmark";
  f.town = "Aarhus";
  f.day = "9";
  f.month = "05";
  f.year = "1970";
  f.hour = "7";
  f.minute = "05";
  f.second = "9";
  f.latitudeDegrees = "55";
  f.latitudeMinutes = "30";
  f.latitudeLetter = "S";
  f.longitudeDegrees = "10";
  f.longitudeMinutes = "11";
  f.longitudeLetter = "E";
  f.zoneHours = "01";
  f.zoneMinutes = "00";
  f.zoneLetter = "E";
  f.summerHours = "1";
  f.summerMinutes = "0";
  f.postalCode = "8000";
  f.notes = "line one\nline two";
  return f;
}

TEST(NameFieldsTest, TypedBoxesAreStoredInTheTableEncodings) {
  const core::TPersonRecord p = RecordOf(Typed(), kLetters);
  EXPECT_EQ(p.sex, "F");
  EXPECT_EQ(p.birthDate, "19700509");
  EXPECT_EQ(p.birthTime, "070509");
  EXPECT_EQ(p.latitude, -5530);  // south
  EXPECT_EQ(p.longitude, -1011);  // east
  EXPECT_EQ(p.timeZone, "0100E");
  EXPECT_EQ(p.summerTime, "+0100");
  EXPECT_EQ(p.postalCode, "8000");
  EXPECT_EQ(p.notes, "line one\nline two");
}

TEST(NameFieldsTest, LettersDecideTheSignsAndAnyOtherZoneLetterIsEast) {
  struct Case {
    const char* latitudeLetter;
    const char* longitudeLetter;
    const char* zoneLetter;
    long latitude, longitude;
    const char* zone;
  };
  const std::vector<Case> cases = {
      {"N", "W", "W", 5530, 1011, "0100W"},
      {"S", "E", "E", -5530, -1011, "0100E"},
      {"N", "E", "?", 5530, -1011, "0100E"},
  };
  for (const Case& c : cases) {
    TNameFields f = Typed();
    f.latitudeLetter = c.latitudeLetter;
    f.longitudeLetter = c.longitudeLetter;
    f.zoneLetter = c.zoneLetter;
    const core::TPersonRecord p = RecordOf(f, kLetters);
    EXPECT_EQ(p.latitude, c.latitude);
    EXPECT_EQ(p.longitude, c.longitude);
    EXPECT_EQ(p.timeZone, c.zone);
    const core::TBirthData b = BirthDataOf(f, kLetters);
    EXPECT_EQ(b.latitude, c.latitude / 100.0L);
    EXPECT_EQ(b.longitude, c.longitude / 100.0L);
    EXPECT_EQ(b.zoneTime, std::string(c.zone).back() == 'E' ? -1.0L : 1.0L);
  }
}

TEST(NameFieldsTest, AStoredRecordFillsTheBoxesBack) {
  const core::TPersonRecord stored = RecordOf(Typed(), kLetters);
  const TNameFields f = FieldsOf(stored, kLetters);
  EXPECT_EQ(f.day, "09");
  EXPECT_EQ(f.month, "05");
  EXPECT_EQ(f.year, "1970");
  EXPECT_EQ(f.hour, "07");
  EXPECT_EQ(f.second, "09");
  EXPECT_EQ(f.latitudeDegrees, "55");
  EXPECT_EQ(f.latitudeMinutes, "30");
  EXPECT_EQ(f.latitudeLetter, "S");
  EXPECT_EQ(f.longitudeMinutes, "11");
  EXPECT_EQ(f.longitudeLetter, "E");
  EXPECT_EQ(f.zoneHours, "01");
  EXPECT_EQ(f.zoneLetter, "E");
  EXPECT_EQ(f.summerHours, "01");
  EXPECT_EQ(f.summerMinutes, "00");
  EXPECT_TRUE(f.female);
  EXPECT_EQ(RecordOf(f, kLetters).birthDate, stored.birthDate);
  EXPECT_EQ(RecordOf(f, kLetters).latitude, stored.latitude);
}

TEST(NameFieldsTest, ABoxWithoutANumberCountsAsZero) {
  TNameFields f = Typed();
  f.minute = "";
  f.latitudeMinutes = "x";
  const core::TPersonRecord p = RecordOf(f, kLetters);
  EXPECT_EQ(p.birthTime, "070009");
  EXPECT_EQ(p.latitude, -5500);
}

TEST(NameFieldsTest, ZoneBoxesOfAnOffset) {
  struct Case {
    long double offset;
    bool japanese;
    const char *hours, *minutes, *letter;
  };
  const std::vector<Case> cases = {
      {-1.00L, false, "01", "00", "E"}, {0.0L, false, "00", "00", "W"},
      {0.0L, true, "00", "00", "E"},    {5.30L, false, "05", "30", "W"},
      {-0.53L, false, "00", "53", "E"},
  };
  for (const Case& c : cases) {
    TNameFields f;
    SetZoneBoxes(f, c.offset, kLetters, c.japanese);
    EXPECT_EQ(f.zoneHours, c.hours) << static_cast<double>(c.offset);
    EXPECT_EQ(f.zoneMinutes, c.minutes) << static_cast<double>(c.offset);
    EXPECT_EQ(f.zoneLetter, c.letter) << static_cast<double>(c.offset);
  }
}

TEST(NameFieldsTest, DatesMustBeCompleteAndExist) {
  struct Case {
    const char *day, *month, *year;
    bool valid;
  };
  const std::vector<Case> cases = {
      {"17", "5", "1970", true}, {"", "5", "1970", false},   {"0", "5", "1970", false},
      {"31", "4", "1970", false}, {"29", "2", "2000", true}, {"29", "2", "1900", false},
  };
  for (const Case& c : cases) {
    TNameFields f;
    f.day = c.day;
    f.month = c.month;
    f.year = c.year;
    EXPECT_EQ(DateValid(f, 1582.1015L), c.valid) << c.day << "." << c.month << "." << c.year;
  }
  TNameFields julianLeapDay;
  julianLeapDay.day = "29";
  julianLeapDay.month = "2";
  julianLeapDay.year = "1700";
  EXPECT_TRUE(DateValid(julianLeapDay, 1752.0914L));  // still Julian there
  EXPECT_FALSE(DateValid(julianLeapDay, 1582.1015L));
}

TEST(NameFieldsTest, TheUsersOwnPlace) {
  const auto isState = [](const std::string& s) { return s == "Bonaire, Sint Eustatius and Saba"; };
  struct Case {
    const char* place;
    const char *state, *town;
  };
  const std::vector<Case> cases = {
      {"Denmark|Aarhus", "Denmark", "Aarhus"},
      {"Denmark", "Denmark", ""},
      {"Denmark,Aarhus", "Denmark", "Aarhus"},
      {"Bonaire, Sint Eustatius and Saba", "Bonaire, Sint Eustatius and Saba", ""},
      {"Bonaire, Sint Eustatius and Saba|Kralendijk", "Bonaire, Sint Eustatius and Saba",
       "Kralendijk"},
  };
  for (const Case& c : cases) {
    const THerePlace here = SplitHerePlace(c.place, isState);
    EXPECT_EQ(here.state, c.state) << c.place;
    EXPECT_EQ(here.town, c.town) << c.place;
  }
}

}  // namespace
}  // namespace vyn::dialogs

// Names, glyphs, ordinals and the texts of coordinates, zones and weekdays.
#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include <string>

#include "language/language.h"
#include "language/symbol_glyphs.h"
#include "tests/language/language_fixture.h"

namespace vyn {
namespace {

// Every token n from 1 to 1600 reads "T<n>", except those `extra` sets.
std::string NumberedTokens(const std::string& extra = "") {
  std::string text;
  for (int n = 1; n <= 1600; ++n) text += std::to_string(n) + "=T" + std::to_string(n) + "\n";
  return text + extra;
}

std::string Glyph(std::uint8_t b) { return SymbolFontText(b); }

class LanguageTextTest : public ::testing::Test {
 protected:
  void Load(const std::string& code, const std::string& tokens) {
    testing::LoadFromText(language_, code, tokens);
  }
  TLanguage language_;
};

struct BodyCase {
  int n;
  const char* name;
  std::uint8_t glyph;  // 0: "?"
};

TEST_F(LanguageTextTest, BodyNamesAndGlyphsByBodyNumber) {
  Load("UK", NumberedTokens());
  const BodyCase cases[] = {
      {1, "T126", 0xB8},   {2, "T127", 0x9B},   {12, "T137", 0x82},  {13, "T71", 0x7C},
      {101, "T71", 0x7C},  {14, "T72", 0x5B},   {110, "T72", 0x5B},  {104, "T74", 0x5D},
      {107, "T75", 0xFE},  {0, "", 0},          {15, "", 0},         {16, "", 0},
      {102, "", 0},        {111, "", 0},        {-1, "", 0},         {112, "", 0}};
  for (const BodyCase& c : cases) {
    EXPECT_EQ(language_.BodyName(c.n), c.name) << c.n;
    EXPECT_EQ(TLanguage::BodyGlyph(c.n), c.glyph ? Glyph(c.glyph) : "?") << c.n;
  }
}

TEST_F(LanguageTextTest, NamesStayWithinTheirTokenRanges) {
  Load("UK", NumberedTokens());
  EXPECT_EQ(language_.PlanetName(0), "T126");
  EXPECT_EQ(language_.PlanetName(11), "T137");
  EXPECT_EQ(language_.PlanetName(12), "");
  EXPECT_EQ(language_.SignName(0), "T46");
  EXPECT_EQ(language_.SignName(11), "T57");
  EXPECT_EQ(language_.SignName(12), "");
  EXPECT_EQ(language_.AspectName(0), "T76");
  EXPECT_EQ(language_.AspectName(12), "T88");
  EXPECT_EQ(language_.AspectName(13), "");
  EXPECT_EQ(language_.AspectName(-1), "");
  EXPECT_EQ(language_.HouseSystemName(0), "T89");
  EXPECT_EQ(language_.HouseSystemName(2), "T91");
  EXPECT_EQ(language_.HouseSystemName(3), "");
  EXPECT_EQ(language_.HouseSystemName(-1), "");
}

TEST_F(LanguageTextTest, SymbolIndexNamesAndGlyphs) {
  Load("UK", NumberedTokens());
  const BodyCase cases[] = {
      {0, "T126", 0xB8},  {11, "T137", 0x82}, {12, "T46", 0xF7},  {20, "T54", 0x7D},
      {23, "T57", 0x8A},  {24, "T76", 0xB4},  {25, "T78", 0xDE},  {26, "T79", 0xBC},
      {27, "T80", 0xB5},  {28, "T82", 0xB9},  {29, "T84", 0xBA},  {30, "T85", 0xA4},
      {31, "T86", 0xAD},  {32, "T88", 0xAF},  {33, "T71", 0x7C},  {34, "T75", 0xFE},
      {35, "T97", 0x5B},  {36, "T98", 0x5D},  {37, "T99", 0xB6},  {38, "?", 0x3E},
      {39, "?", 0},       {-1, "?", 0}};
  for (const BodyCase& c : cases) {
    EXPECT_EQ(language_.SymbolName(c.n), c.name) << c.n;
    EXPECT_EQ(TLanguage::SymbolGlyph(c.n), c.glyph ? Glyph(c.glyph) : "?") << c.n;
  }
}

TEST(GlyphTest, TablesGiveSymbolFontCharacters) {
  // U+F000 + byte, UTF-8 encoded; the ASCII bytes of the tables too.
  EXPECT_EQ(TLanguage::PlanetGlyph(0), "\xEF\x82\xB8");
  EXPECT_EQ(TLanguage::SignGlyph(8), "\xEF\x81\xBD");
  EXPECT_EQ(TLanguage::AspectGlyph(1), "\xEF\x80\xA3");
  EXPECT_EQ(TLanguage::AspectGlyph(13), "\xEF\x82\x8D");
  EXPECT_EQ(TLanguage::CuspGlyph(1), "\xEF\x81\xBC");
  EXPECT_EQ(TLanguage::CuspGlyph(4), "\xEF\x81\x9D");
  EXPECT_EQ(TLanguage::CuspGlyph(7), "\xEF\x83\xBE");
  EXPECT_EQ(TLanguage::CuspGlyph(10), "\xEF\x81\x9B");
  EXPECT_EQ(TLanguage::CuspGlyph(2), "2");
  EXPECT_EQ(TLanguage::CuspGlyph(12), "12");
  for (int i : {-1, 12}) {
    EXPECT_EQ(TLanguage::PlanetGlyph(i), "?");
    EXPECT_EQ(TLanguage::SignGlyph(i), "?");
  }
  EXPECT_EQ(TLanguage::AspectGlyph(14), "?");
}

struct OrdinalCase {
  const char* code;
  int n;
  const char* text;
};

TEST_F(LanguageTextTest, HouseOrdinalSuffixByCode) {
  const OrdinalCase cases[] = {
      {"US", 2, "2nd"},  {"US", 12, "12th"}, {"UK", 1, "1st"},  {"UK", 3, "3rd"},
      {"UK", 4, "4th"},  {"UK", 11, "11th"}, {"SE", 1, "1:a"},  {"SE", 2, "2:a"},
      {"SE", 3, "3:e"},  {"SE", 12, "12:e"}, {"GE", 2, "2."},   {"SW", 2, "2."},
      {"JP", 10, "10."}};
  for (const OrdinalCase& c : cases) {
    Load(c.code, "1040=Information\n1042=\n");
    EXPECT_EQ(language_.HouseOrdinal(c.n), c.text) << c.code << " " << c.n;
  }
  // Token 1040 is no ordinal: house 0 keeps the suffix.
  EXPECT_EQ(language_.HouseOrdinal(0), "0.");
}

TEST_F(LanguageTextTest, HouseOrdinalTokenWinsUnderEveryCode) {
  for (const char* code : {"US", "SE", "GE"}) {
    Load(code, "1041=erstes\n1042=zweites\n1052=zwölftes\n");
    EXPECT_EQ(language_.HouseOrdinal(2), "zweites") << code;
    EXPECT_EQ(language_.HouseOrdinal(12), "zwölftes") << code;
    EXPECT_NE(language_.HouseOrdinal(3), "") << code;
  }
}

struct CoordinateCase {
  const char* code;
  extended x;
  const char* latitude;
  const char* longitude;
};

TEST_F(LanguageTextTest, CoordinateTexts) {
  const std::string letters = "168=S\n169=N\n170=W\n171=E\n";
  const CoordinateCase cases[] = {
      {"GE", -33.52L, "33S52", "33E52"},   {"JP", -33.52L, "S33:52", "E33:52"},
      {"GE", 0.05L, "0N05", "0W05"},       {"JP", 0.05L, "N0:05", "W0:05"},
      {"UK", 55.41L, "55N41", "55W41"},    {"UK", -151.1L, "151S10", "151E10"},
      {"UK", 12.0L, "12N00", "12W00"},     {"UK", 0.0L, "0N00", "0W00"}};
  for (const CoordinateCase& c : cases) {
    Load(c.code, letters);
    EXPECT_EQ(language_.LatitudeText(c.x), c.latitude) << c.code << " " << double(c.x);
    EXPECT_EQ(language_.LongitudeText(c.x), c.longitude) << c.code << " " << double(c.x);
  }
}

TEST_F(LanguageTextTest, SummerTimeAndZoneTexts) {
  Load("UK", "170=W\n171=E\n");
  EXPECT_EQ(language_.SummerTimeText(1.0L), "1:00");
  EXPECT_EQ(language_.SummerTimeText(-2.30L), "2:30");
  EXPECT_EQ(language_.SummerTimeText(0.45L), "0:45");
  EXPECT_EQ(language_.SummerTimeText(10.0L), "10:00");
  EXPECT_EQ(language_.ZoneText(-1.0L), "1:00E");
  EXPECT_EQ(language_.ZoneText(5.30L), "5:30W");
  EXPECT_EQ(language_.ZoneText(0.0L), "0:00W");
  EXPECT_EQ(language_.ZoneText(-5.45L), "5:45E");
}

TEST_F(LanguageTextTest, WeekdayNamesFromToken204) {
  Load("UK", "204=Sunday Monday Tuesday Wednesday Thursday Friday Saturday\n");
  EXPECT_EQ(language_.WeekdayName(1), "Sunday");
  EXPECT_EQ(language_.WeekdayName(2), "Monday");
  EXPECT_EQ(language_.WeekdayName(7), "Saturday");
  EXPECT_EQ(language_.WeekdayName(8), "");
  EXPECT_EQ(language_.WeekdayName(0), "");

  Load("DK", "204=\"  Søn   Man \"\n");
  EXPECT_EQ(language_.WeekdayName(1), "Søn");
  EXPECT_EQ(language_.WeekdayName(2), "Man");
  EXPECT_EQ(language_.WeekdayName(3), "");
}

TEST_F(LanguageTextTest, WeekdayNamesUseTheFirst120Characters) {
  // 115 two-byte characters, a blank, then "Monday" of which four
  // characters lie within the first 120.
  std::string first;
  for (int i = 0; i < 115; ++i) first += "ø";
  Load("DK", "204=" + first + " Monday Tuesday\n");
  EXPECT_EQ(language_.WeekdayName(1), first);
  EXPECT_EQ(language_.WeekdayName(2), "Mond");
  EXPECT_EQ(language_.WeekdayName(3), "");
}

// A value that is no number, or too large to round, never becomes a text.
TEST_F(LanguageTextTest, CoordinateTextsRefuseValuesThatAreNoDMM) {
  Load("UK", "168=S\n169=N\n170=W\n171=E\n");
  const extended bad[] = {std::numeric_limits<extended>::quiet_NaN(),
                          std::numeric_limits<extended>::infinity(),
                          -std::numeric_limits<extended>::infinity(), 1e300L, -1e10L};
  for (const extended x : bad) {
    SCOPED_TRACE(static_cast<double>(x));
    EXPECT_THROW(language_.LatitudeText(x), std::invalid_argument);
    EXPECT_THROW(language_.LongitudeText(x), std::invalid_argument);
    EXPECT_THROW(language_.SummerTimeText(x), std::invalid_argument);
    EXPECT_THROW(language_.ZoneText(x), std::invalid_argument);
  }
  EXPECT_EQ(language_.LatitudeText(1e9L), "1000000000N00");
}

TEST_F(LanguageTextTest, MissingTokensGiveEmptyTexts) {
  Load("UK", "1=only token one");
  EXPECT_EQ(language_.PlanetName(0), "");
  EXPECT_EQ(language_.LatitudeText(1.3L), "130");
  EXPECT_EQ(language_.WeekdayName(1), "");
  EXPECT_EQ(language_.HouseOrdinal(1), "1st");
}

}  // namespace
}  // namespace vyn

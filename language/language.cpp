#include "language/language.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "data/vyn_table.h"
#include "engine/text_helpers.h"
#include "language/fixed_tokens.h"
#include "language/language_dictionary.h"
#include "language/symbol_glyphs.h"
#include "language/text_file.h"

namespace vyn {
namespace {

constexpr std::size_t kWeekdayTextLength = 120;
constexpr int kHouseCount = 12;
constexpr int kNamedBodyCount = 12;  // SU .. SN
constexpr int kSignCount = 12;

template <class Table>
std::string GlyphOf(const Table& table, int i) {
  if (i < 0 || i >= static_cast<int>(table.size())) return "?";
  return SymbolFontText(table[static_cast<std::size_t>(i)]);
}

// The word `n` (from 1) of blank-separated words.
std::string WordOf(std::string_view text, int n) {
  std::size_t start = 0;
  for (int word = 1;; ++word) {
    start = text.find_first_not_of(' ', start);
    if (start == std::string_view::npos) return {};
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (word == n) return std::string(text.substr(start, end - start));
    start = end;
  }
}

// |x| with the minutes in the first two decimals as whole units and minutes.
struct TUnitsAndMinutes {
  long long units;
  std::string minutes;
};
// Beyond this no angle, time or offset is meant, and |x| * 100 would not
// fit the integer it is rounded to.
constexpr extended kMaxPackedValue = 1e9L;

TUnitsAndMinutes SplitPacked(extended x) {
  if (!std::isfinite(x) || std::fabs(x) > kMaxPackedValue)
    throw std::invalid_argument("not a D.MM value: " + std::to_string(static_cast<double>(x)));
  const long long v = std::llround(std::fabs(x) * 100);
  return {v / 100, TwoDigits(static_cast<long>(v % 100))};
}

// The token list's lines and the name of their source for messages.
struct TTokenSource {
  std::string name;
  std::vector<std::string> lines;
};

// The token list from the help table, read without moving the table's
// cursor: a help window may be browsing the same table.
TTokenSource ReadHelpRecord(TVynTable& table) {
  TTokenSource source{"Table \"" + table.TableName() + "\", HelpNo " +
                          std::to_string(kTokenListHelpNo),
                      {}};
  if (!table.Active()) table.Open();
  const std::optional<std::size_t> number = table.Layout().FieldIndex("HelpNo");
  const std::optional<std::size_t> text = table.Layout().FieldIndex("HelpText");
  if (!number || !text)
    throw ETokenListError(source.name, "the table has no fields HelpNo and HelpText");
  const std::vector<TTableRow> rows = table.ReadRows({TVynValue(kTokenListHelpNo)}, 1);
  if (rows.empty() || rows[0].Values[*number].Integer() != kTokenListHelpNo)
    throw ETokenListError(source.name, "no such record, so there is no token list");
  source.lines = TextLines(rows[0].Values[*text].Bytes());
  return source;
}

TTokenSource ReadMenuFile(const TCountry& country) {
  TTokenSource source{AppFilePath("menu-" + country + ".TXT"), {}};
  std::error_code ec;
  if (!std::filesystem::exists(source.name, ec))
    throw ETokenListError(source.name, "no token list: the file does not exist");
  auto lines = ReadTextFileLines(source.name);
  if (!lines) throw ELanguageFileError(source.name, "cannot be read");
  source.lines = std::move(*lines);
  return source;
}

TTokenSource ReadTokenSource(TVynTable* table, const TLanguage::TGetTokensEvent& supplier,
                             const TCountry& country) {
  if (table) return ReadHelpRecord(*table);
  if (supplier)
    return {"Token list supplied for \"" + country + "\"", TextLines(supplier(country))};
  return ReadMenuFile(country);
}

}  // namespace

TLanguage::TLanguage() = default;

void TLanguage::SetCountry(std::string_view code) {
  const std::string two = CutToCharacters(code, 2);
  if (two == country_) return;
  const TScreenFont old_font = screenFont_;
  const TCountry old_country = country_;
  screenFont_ = ReadScreenFont(AppFilePath(kScreenFontFileName));
  country_ = two;
  if (!active_) return;
  try {
    LoadTokens();
  } catch (...) {
    screenFont_ = old_font;
    country_ = old_country;
    throw;
  }
  if (OnChange) OnChange();
}

void TLanguage::SetActive(bool value) {
  if (value == active_) return;
  if (!value) {
    active_ = false;
    return;
  }
  if (country_.empty()) return;
  LoadTokens();
  active_ = true;
  if (OnChange) OnChange();
}

void TLanguage::LoadTokens() {
  const TTokenSource source = ReadTokenSource(helpTable_, OnGetTokens, country_);
  tokens_ = TTokenList::Parse(source.lines, source.name);
  if (OnOrbNames) OnOrbNames(OrbStrengthNames());
}

void TLanguage::SetScreenFontName(const std::string& name) {
  if (name != screenFont_.Name) screenFont_.Name = name;
}

std::string TLanguage::PlanetGlyph(int i) { return GlyphOf(kBodyGlyphBytes, i); }
std::string TLanguage::SignGlyph(int i) { return GlyphOf(kSignGlyphBytes, i); }
std::string TLanguage::AspectGlyph(int aspect_index) {
  return GlyphOf(kAspectGlyphBytes, aspect_index);
}

std::string TLanguage::BodyGlyph(int n) {
  switch (n) {
    case 13: case 101: return SymbolFontText(kAscendantGlyphByte);
    case 14: case 110: return SymbolFontText(kMidheavenGlyphByte);
    case 104: return SymbolFontText(kImumCoeliGlyphByte);
    case 107: return SymbolFontText(kDescendantGlyphByte);
    default: return n >= 1 && n <= 12 ? PlanetGlyph(n - 1) : "?";
  }
}

std::string TLanguage::CuspGlyph(int n) {
  switch (n) {
    case 1: return SymbolFontText(kAscendantGlyphByte);
    case 4: return SymbolFontText(kImumCoeliGlyphByte);
    case 7: return SymbolFontText(kDescendantGlyphByte);
    case 10: return SymbolFontText(kMidheavenGlyphByte);
    default: return std::to_string(n);
  }
}

std::string TLanguage::SymbolGlyph(int i) {
  const auto b = SymbolGlyphByte(i);
  return b ? SymbolFontText(*b) : "?";
}

std::string TLanguage::PlanetName(int i) const {
  return i >= 0 && i < kNamedBodyCount ? GetToken(kBodyNameToken + i) : std::string();
}

std::string TLanguage::SignName(int i) const {
  return i >= 0 && i < kSignCount ? GetToken(kSignNameToken + i) : std::string();
}

std::string TLanguage::AspectName(int aspect_index) const {
  return aspect_index >= 0 && aspect_index <= kLastAspectIndex
             ? GetToken(kAspectNameToken + aspect_index)
             : std::string();
}

std::string TLanguage::BodyName(int n) const {
  switch (n) {
    case 13: case 101: return GetToken(kAscendantNameToken);
    case 14: case 110: return GetToken(kMidheavenNameToken);
    case 104: return GetToken(kImumCoeliNameToken);
    case 107: return GetToken(kDescendantNameToken);
    default: return PlanetName(n - 1);
  }
}

std::string TLanguage::SymbolName(int i) const {
  // The last mark (symbol 38) has a glyph but no name.
  if (i < 0 || i > kFirstFurtherMark) return "?";
  if (i < kFirstSignSymbol) return PlanetName(i);
  if (i < kFirstAspectSymbol) return SignName(i - kFirstSignSymbol);
  if (i < kAscendantSymbol)
    return AspectName(kSymbolAspects[static_cast<std::size_t>(i - kFirstAspectSymbol)]);
  if (i == kAscendantSymbol) return GetToken(kAscendantNameToken);
  if (i == kDescendantSymbol) return GetToken(kDescendantNameToken);
  return GetToken(kFurtherSymbolNameToken + (i - kMidheavenSymbol));
}

std::string TLanguage::HouseSystemName(int h) const {
  return h >= 0 && h < kHouseSystemCount ? GetToken(kHouseSystemNameToken + h) : std::string();
}

std::string TLanguage::OrdinalSuffix(int n) const {
  if (country_ == "UK" || country_ == "US") {
    switch (n) {
      case 1: return "st";
      case 2: return "nd";
      case 3: return "rd";
      default: return "th";
    }
  }
  if (country_ == kSwedishOrdinalCode) return n == 1 || n == 2 ? ":a" : ":e";
  return ".";
}

std::string TLanguage::HouseOrdinal(int n) const {
  if (n >= 1 && n <= kHouseCount) {
    const std::string& token = GetToken(kHouseOrdinalToken + n);
    if (!token.empty()) return token;
  }
  return std::to_string(n) + OrdinalSuffix(n);
}

std::array<std::string, 4> TLanguage::OrbStrengthNames() const {
  return {GetToken(kOrbStrengthToken), GetToken(kOrbStrengthToken + 1),
          GetToken(kOrbStrengthToken + 2), GetToken(kOrbStrengthToken + 3)};
}

std::string TLanguage::CoordinateText(extended x, int positive_token,
                                      int negative_token) const {
  const TUnitsAndMinutes packed = SplitPacked(x);
  const std::string& letter = GetToken(x >= 0 ? positive_token : negative_token);
  const std::string degrees = std::to_string(packed.units);
  return IsJapanese() ? letter + degrees + ":" + packed.minutes
                      : degrees + letter + packed.minutes;
}

std::string TLanguage::LatitudeText(extended x) const {
  return CoordinateText(x, kNorthLetterToken, kSouthLetterToken);
}

std::string TLanguage::LongitudeText(extended x) const {
  return CoordinateText(x, kWestLetterToken, kEastLetterToken);
}

std::string TLanguage::SummerTimeText(extended x) const {
  const TUnitsAndMinutes packed = SplitPacked(x);
  return std::to_string(packed.units) + ":" + packed.minutes;
}

std::string TLanguage::ZoneText(extended x) const {
  return SummerTimeText(x) + GetToken(x >= 0 ? kWestLetterToken : kEastLetterToken);
}

std::string TLanguage::WeekdayName(int n) const {
  if (n < 1) return {};
  return WordOf(CutToCharacters(GetToken(kWeekdayNamesToken), kWeekdayTextLength), n);
}

}  // namespace vyn

#pragma once
// The translation component: the token list of the current language, the
// screen font of that language, and the names, glyphs and texts built from
// them (bodies, signs, aspects, angles, coordinates, zones, weekdays).
//
// Tokens come from one of three sources, in this order: the help table
// (record HelpNo 11000, memo HelpText), the supplier event OnGetTokens, or
// the file "menu-<xx>.TXT" in the application directory. A missing record or
// file, or a list without a single token, is refused with ETokenListError:
// the program would otherwise show no text at all.
//
// Glyphs are characters of the symbol font "VYN Sans Serif": glyph byte b is
// the UTF-8 text of U+F000 + b (see symbol_glyphs.h); "?" stands for a number
// that has no glyph.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "engine/angles.h"
#include "language/language_codes.h"
#include "language/screen_font.h"
#include "language/token_list.h"

namespace vyn {

class TVynTable;

class TLanguage {
 public:
  using TNotifyEvent = std::function<void()>;
  // The token list text of a language code.
  using TGetTokensEvent = std::function<std::string(const TCountry& country)>;
  // The names of the four standard orb sets (tokens 1014..1017).
  using TOrbNamesEvent = std::function<void(const std::array<std::string, 4>& names)>;

  // Inactive, code "XX", no texts.
  TLanguage();
  TLanguage(const TLanguage&) = delete;
  TLanguage& operator=(const TLanguage&) = delete;

  // The help table of the current language, or none; not owned.
  TVynTable* HelpTable() const { return helpTable_; }
  void SetHelpTable(TVynTable* table) { helpTable_ = table; }

  const TCountry& Country() const { return country_; }
  // Only the first two characters count. A different code reads VYN.STD
  // into the screen font, is stored and, while active, reloads the tokens
  // and fires OnChange. The current code again does nothing.
  void SetCountry(std::string_view code);

  bool Active() const { return active_; }
  // True: with a non-empty code, loads the tokens, becomes active and fires
  // OnChange. False: inactive, the texts stay. The current value again does
  // nothing. A failed load leaves the component as it was and rethrows.
  void SetActive(bool value);

  // Stored only.
  bool TestMode() const { return testMode_; }
  void SetTestMode(bool value) { testMode_ = value; }

  // Fired after each completed token load while active.
  TNotifyEvent OnChange;
  // The supplier of the token list when no help table is set.
  TGetTokensEvent OnGetTokens;
  // Fired after each completed token load with tokens 1014..1017, for the
  // settings store's names of the standard orb sets.
  TOrbNamesEvent OnOrbNames;

  // Reads the token list from its source and replaces the texts. Throws
  // ETokenListError for a bad line (naming the source and the line), the
  // table store's errors, or ELanguageFileError for an unreadable file; the
  // texts stay as they were then. Neither activates nor fires OnChange.
  void LoadTokens();

  // The text of token `number`, empty when there is none. Constant time.
  const std::string& GetToken(int number) const { return tokens_.Get(number); }
  const TTokenList& Tokens() const { return tokens_; }

  // The screen font of the current language (from VYN.STD).
  const std::string& ScreenFontName() const { return screenFont_.Name; }
  void SetScreenFontName(const std::string& name);
  bool ScreenFontBold() const { return screenFont_.Bold; }
  int ScreenFontSize() const { return screenFont_.Size; }
  const TScreenFont& ScreenFont() const { return screenFont_; }

  bool IsJapanese() const { return country_ == kJapaneseCode; }

  // Glyphs (no state; "?" outside the tables).
  static std::string PlanetGlyph(int i);   // bodies SU .. SN, 0..11
  static std::string SignGlyph(int i);     // signs AR .. PI, 0..11
  static std::string AspectGlyph(int aspect_index);  // 0..13
  // Body number: 1..12 bodies, 13 or 101 AS, 14 or 110 MC, 104 IC, 107 DS.
  static std::string BodyGlyph(int n);
  // Cusps 1, 4, 7, 10: the angle glyph; any other number as decimal text.
  static std::string CuspGlyph(int n);
  // Symbol index 0..38.
  static std::string SymbolGlyph(int i);

  // Names (empty outside their ranges).
  std::string PlanetName(int i) const;      // token 126 + i, i 0..11
  std::string SignName(int i) const;        // token 46 + i, i 0..11
  std::string AspectName(int aspect_index) const;  // token 76 + index, 0..12
  std::string BodyName(int n) const;        // body numbers as BodyGlyph
  std::string SymbolName(int i) const;      // symbol index 0..37, else "?"
  std::string HouseSystemName(int h) const;  // 0 Placidus, 1 Koch, 2 Equal
  // Token 1040 + n when non-empty (n 1..12), else n and the suffix of the
  // code: UK, US "st" "nd" "rd" "th"; SE ":a" ":a" ":e"; others ".".
  std::string HouseOrdinal(int n) const;
  // Tokens 1014..1017.
  std::array<std::string, 4> OrbStrengthNames() const;

  // Texts of D.MM values (degrees or hours, minutes in the first two
  // decimals). A value that is not finite or beyond 1e9 throws
  // std::invalid_argument. Latitude: degrees, letter (169 north, 168 south), minutes;
  // under JP letter, degrees, ":", minutes. Longitude alike with 170 west,
  // 171 east.
  std::string LatitudeText(extended x) const;
  std::string LongitudeText(extended x) const;
  // |x| as hours ":" minutes.
  std::string SummerTimeText(extended x) const;
  // SummerTimeText and token 170 (x >= 0) or 171.
  std::string ZoneText(extended x) const;
  // Word n (Sunday = 1) of the first 120 characters of token 204; empty when
  // there are fewer words.
  std::string WeekdayName(int n) const;

 private:
  std::string CoordinateText(extended x, int positive_token, int negative_token) const;
  std::string OrdinalSuffix(int n) const;

  TVynTable* helpTable_ = nullptr;
  TCountry country_{kInitialCountry};
  bool active_ = false;
  bool testMode_ = false;
  TTokenList tokens_;
  TScreenFont screenFont_;
};

}  // namespace vyn

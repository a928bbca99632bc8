#pragma once
// Language codes: the fourteen languages of the language menu (item n stands
// for code n) and the further codes that change how texts are written.
#include <array>
#include <string>
#include <string_view>

namespace vyn {

// A language code: at most two characters ("UK", "GE").
using TCountry = std::string;

inline constexpr std::array<std::string_view, 14> kLanguageMenuCodes = {
    "DK", "UK", "FR", "GE", "GR", "IT", "PR",
    "SP", "SW", "FI", "DU", "NR", "US", "HU"};

inline constexpr std::string_view kInitialCountry = "XX";   // a new component
inline constexpr std::string_view kJapaneseCode = "JP";     // letter first in coordinates
inline constexpr std::string_view kSwedishOrdinalCode = "SE";  // ":a" / ":e" ordinals
inline constexpr std::string_view kBrazilianCode = "BR";    // synastry set "Sinastria"

// The code of language menu item n (1..14); empty for any other n.
std::string_view LanguageCodeOfItem(int item);

// The menu item (1..14) whose code equals `code` exactly; 0 when none does.
int LanguageItemOfCode(std::string_view code);

// The token that captions language menu item n: 830 + n.
constexpr int LanguageMenuToken(int item) { return 830 + item; }

}  // namespace vyn

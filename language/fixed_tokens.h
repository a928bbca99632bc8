#pragma once
// Token numbers with a fixed meaning in every language.
namespace vyn {

inline constexpr int kSignNameToken = 46;          // 46..57: signs AR .. PI
inline constexpr int kAscendantNameToken = 71;
inline constexpr int kMidheavenNameToken = 72;
inline constexpr int kImumCoeliNameToken = 74;
inline constexpr int kDescendantNameToken = 75;
inline constexpr int kAspectNameToken = 76;        // 76..88: aspect indexes 0..12
inline constexpr int kLastAspectIndex = 12;
inline constexpr int kHouseSystemNameToken = 89;   // 89..91: Placidus, Koch, Equal
inline constexpr int kHouseSystemCount = 3;
inline constexpr int kFurtherSymbolNameToken = 97;  // 97..99: symbols 35..37
inline constexpr int kBodyNameToken = 126;         // 126..137: bodies SU .. SN
inline constexpr int kSouthLetterToken = 168;
inline constexpr int kNorthLetterToken = 169;
inline constexpr int kWestLetterToken = 170;       // longitudes and zones >= 0
inline constexpr int kEastLetterToken = 171;
inline constexpr int kWeekdayNamesToken = 204;     // Sunday first, blank-separated
inline constexpr int kOrbStrengthToken = 1014;     // 1014..1017: the standard orb sets
inline constexpr int kHouseOrdinalToken = 1040;    // 1041..1052: houses 1..12
// 1400..1403: a clock change at a birth time: a skipped time read with the
// offset after / before the change, a repeated time read before / after it.
inline constexpr int kClockChangeToken = 1400;

// The help table record that holds a language's token list.
inline constexpr int kTokenListHelpNo = 11000;

}  // namespace vyn

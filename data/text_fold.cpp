#include "data/text_fold.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vyn {
namespace {

// One decoded character: its code point and the bytes it took.
struct TDecoded {
  char32_t code = 0;
  std::size_t length = 1;
};

// The character at the start of `text`, or nothing when the first byte does
// not begin a well-formed UTF-8 sequence (overlong forms and surrogates are
// not well-formed).
std::optional<TDecoded> DecodeOne(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return TDecoded{lead, 1};
  std::size_t length = 0;
  char32_t code = 0;
  char32_t least = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
    return std::nullopt;
  return TDecoded{code, length};
}

void AppendUtf8(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The base letters of U+00C0 to U+024F, one entry per code point: "" keeps
// the character (a sign such as × or a letter without a plain base).
constexpr std::array<const char*, 0x250 - 0xC0> kLatinBases = {
    // U+00C0 À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    // U+00D0 Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "ss",
    // U+00E0 à á â ã ä å æ ç è é ê ë ì í î ï
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    // U+00F0 ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ
    "d", "n", "o", "o", "o", "o", "o", "", "o", "u", "u", "u", "u", "y", "th", "y",
    // U+0100 Ā ā Ă ă Ą ą Ć ć Ĉ ĉ Ċ ċ Č č Ď ď
    "a", "a", "a", "a", "a", "a", "c", "c", "c", "c", "c", "c", "c", "c", "d", "d",
    // U+0110 Đ đ Ē ē Ĕ ĕ Ė ė Ę ę Ě ě Ĝ ĝ Ğ ğ
    "d", "d", "e", "e", "e", "e", "e", "e", "e", "e", "e", "e", "g", "g", "g", "g",
    // U+0120 Ġ ġ Ģ ģ Ĥ ĥ Ħ ħ Ĩ ĩ Ī ī Ĭ ĭ Į į
    "g", "g", "g", "g", "h", "h", "h", "h", "i", "i", "i", "i", "i", "i", "i", "i",
    // U+0130 İ ı Ĳ ĳ Ĵ ĵ Ķ ķ ĸ Ĺ ĺ Ļ ļ Ľ ľ Ŀ
    "i", "i", "ij", "ij", "j", "j", "k", "k", "k", "l", "l", "l", "l", "l", "l", "l",
    // U+0140 ŀ Ł ł Ń ń Ņ ņ Ň ň ŉ Ŋ ŋ Ō ō Ŏ ŏ
    "l", "l", "l", "n", "n", "n", "n", "n", "n", "n", "n", "n", "o", "o", "o", "o",
    // U+0150 Ő ő Œ œ Ŕ ŕ Ŗ ŗ Ř ř Ś ś Ŝ ŝ Ş ş
    "o", "o", "oe", "oe", "r", "r", "r", "r", "r", "r", "s", "s", "s", "s", "s", "s",
    // U+0160 Š š Ţ ţ Ť ť Ŧ ŧ Ũ ũ Ū ū Ŭ ŭ Ů ů
    "s", "s", "t", "t", "t", "t", "t", "t", "u", "u", "u", "u", "u", "u", "u", "u",
    // U+0170 Ű ű Ų ų Ŵ ŵ Ŷ ŷ Ÿ Ź ź Ż ż Ž ž ſ
    "u", "u", "u", "u", "w", "w", "y", "y", "y", "z", "z", "z", "z", "z", "z", "s",
    // U+0180 ƀ Ɓ Ƃ ƃ Ƅ ƅ Ɔ Ƈ ƈ Ɖ Ɗ Ƌ ƌ ƍ Ǝ Ə
    "b", "b", "b", "b", "", "", "o", "c", "c", "d", "d", "d", "d", "", "e", "",
    // U+0190 Ɛ Ƒ ƒ Ɠ Ɣ ƕ Ɩ Ɨ Ƙ ƙ ƚ ƛ Ɯ Ɲ ƞ Ɵ
    "e", "f", "f", "g", "", "hv", "i", "i", "k", "k", "l", "", "m", "n", "n", "o",
    // U+01A0 Ơ ơ Ƣ ƣ Ƥ ƥ Ʀ Ƨ ƨ Ʃ ƪ ƫ Ƭ ƭ Ʈ Ư
    "o", "o", "", "", "p", "p", "r", "", "", "", "", "t", "t", "t", "t", "u",
    // U+01B0 ư Ʊ Ʋ Ƴ ƴ Ƶ ƶ Ʒ Ƹ ƹ ƺ ƻ Ƽ ƽ ƾ ƿ
    "u", "", "v", "y", "y", "z", "z", "", "", "", "", "", "", "", "", "",
    // U+01C0 ǀ ǁ ǂ ǃ Ǆ ǅ ǆ Ǉ ǈ ǉ Ǌ ǋ ǌ Ǎ ǎ Ǐ
    "", "", "", "", "dz", "dz", "dz", "lj", "lj", "lj", "nj", "nj", "nj", "a", "a", "i",
    // U+01D0 ǐ Ǒ ǒ Ǔ ǔ Ǖ ǖ Ǘ ǘ Ǚ ǚ Ǜ ǜ ǝ Ǟ ǟ
    "i", "o", "o", "u", "u", "u", "u", "u", "u", "u", "u", "u", "u", "e", "a", "a",
    // U+01E0 Ǡ ǡ Ǣ ǣ Ǥ ǥ Ǧ ǧ Ǩ ǩ Ǫ ǫ Ǭ ǭ Ǯ ǯ
    "a", "a", "ae", "ae", "g", "g", "g", "g", "k", "k", "o", "o", "o", "o", "", "",
    // U+01F0 ǰ Ǳ ǲ ǳ Ǵ ǵ Ƕ Ƿ Ǹ ǹ Ǻ ǻ Ǽ ǽ Ǿ ǿ
    "j", "dz", "dz", "dz", "g", "g", "", "", "n", "n", "a", "a", "ae", "ae", "o", "o",
    // U+0200 Ȁ ȁ Ȃ ȃ Ȅ ȅ Ȇ ȇ Ȉ ȉ Ȋ ȋ Ȍ ȍ Ȏ ȏ
    "a", "a", "a", "a", "e", "e", "e", "e", "i", "i", "i", "i", "o", "o", "o", "o",
    // U+0210 Ȑ ȑ Ȓ ȓ Ȕ ȕ Ȗ ȗ Ș ș Ț ț Ȝ ȝ Ȟ ȟ
    "r", "r", "r", "r", "u", "u", "u", "u", "s", "s", "t", "t", "", "", "h", "h",
    // U+0220 Ƞ ȡ Ȣ ȣ Ȥ ȥ Ȧ ȧ Ȩ ȩ Ȫ ȫ Ȭ ȭ Ȯ ȯ
    "n", "d", "", "", "z", "z", "a", "a", "e", "e", "o", "o", "o", "o", "o", "o",
    // U+0230 Ȱ ȱ Ȳ ȳ ȴ ȵ ȶ ȷ ȸ ȹ Ⱥ Ȼ ȼ Ƚ Ⱦ ȿ
    "o", "o", "y", "y", "l", "n", "t", "j", "db", "qp", "a", "c", "c", "l", "t", "s",
    // U+0240 ɀ Ɂ ɂ Ƀ Ʉ Ʌ Ɇ ɇ Ɉ ɉ Ɋ ɋ Ɍ ɍ Ɏ ɏ
    "z", "", "", "b", "u", "", "e", "e", "j", "j", "q", "q", "r", "r", "y", "y",
};

// Greek and Cyrillic capitals to their small letters; other code points as
// they are.
char32_t LowerGreekCyrillic(char32_t code) {
  if (code >= 0x391 && code <= 0x3AB && code != 0x3A2) return code + 0x20;
  if (code == 0x386) return 0x3AC;
  if (code >= 0x388 && code <= 0x38A) return code + 0x25;
  if (code == 0x38C) return 0x3CC;
  if (code == 0x38E || code == 0x38F) return code + 0x3F;
  if (code >= 0x410 && code <= 0x42F) return code + 0x20;
  if (code >= 0x400 && code <= 0x40F) return code + 0x50;
  const bool paired = (code >= 0x460 && code <= 0x481) || (code >= 0x48A && code <= 0x4BF) ||
                      (code >= 0x4D0 && code <= 0x52F);
  if (paired && code % 2 == 0) return code + 1;
  return code;
}

void AppendFoldedCharacter(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code);
    return;
  }
  if (code >= 0xC0 && code < 0x250) {
    const char* base = kLatinBases[code - 0xC0];
    if (*base) {
      out += base;
      return;
    }
  }
  AppendUtf8(LowerGreekCyrillic(code), out);
}

}  // namespace

void AppendFoldedText(std::string_view utf8, std::string& out) {
  while (!utf8.empty()) {
    const auto decoded = DecodeOne(utf8);
    if (decoded) {
      AppendFoldedCharacter(decoded->code, out);
      utf8.remove_prefix(decoded->length);
    } else {
      out += utf8.front();
      utf8.remove_prefix(1);
    }
  }
}

std::string FoldText(std::string_view utf8) {
  std::string folded;
  folded.reserve(utf8.size());
  AppendFoldedText(utf8, folded);
  return folded;
}

}  // namespace vyn

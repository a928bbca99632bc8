#pragma once
// The encoding of the key file "Vynrg.Bin": a text is upper-cased and each
// byte written as its code in three decimal digits ("ab" becomes "065066").
// Upper-casing touches the ASCII letters only; the bytes of other characters
// (UTF-8) are kept, each as three digits.
#include <optional>
#include <string>
#include <string_view>

namespace vyn {

std::string EncodeText(std::string_view text);

// The text back from groups of three digits; nothing when the text is not
// such groups (a partial group, a non-digit, a code above 255).
std::optional<std::string> DecodeText(std::string_view encoded);

}  // namespace vyn

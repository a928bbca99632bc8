#pragma once
// The comparison form of a name: what two spellings of a place, a country or
// a person have in common when a user types them. Letters are lower-cased and
// the accented Latin letters lose their accents (å -> a, ß -> ss, æ -> ae,
// ø -> o, ł -> l, þ -> th); Greek and Cyrillic letters are lower-cased and
// kept. Bytes that are not valid UTF-8 are kept as they are, so every input
// has a form and no two different inputs are merged by a decoding error.
#include <string>
#include <string_view>

namespace vyn {

std::string FoldText(std::string_view utf8);

// Appends the folded form of `utf8` to `out` (no allocation once `out` has
// room: the collation folds into buffers it reuses).
void AppendFoldedText(std::string_view utf8, std::string& out);

}  // namespace vyn

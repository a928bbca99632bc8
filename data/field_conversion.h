#pragma once
// How values become and read as the field kinds. Text read as a number is
// parsed as a whole decimal integer (spaces around and a leading '+' or '-'
// allowed); text assigned to a text field is cut to the field's size in
// characters, never inside a UTF-8 sequence.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/table_layout.h"
#include "data/vyn_value.h"

namespace vyn {

// The value in the form the field stores: text for text and memo, an integer
// for integer and boolean (0 or 1), a blob for a picture. Empty text given to
// an integer or boolean field becomes null. Throws std::invalid_argument with
// a description when the value does not fit the kind.
TVynValue ConvertForField(const TFieldDef& field, const TVynValue& value);

// A value as text: integers and reals in decimal, texts and blobs as they
// are, null as "".
std::string TextOf(const TVynValue& value);

// The value a key field holds instead of null: "" or 0 (an empty blob).
TVynValue DefaultForKind(TFieldKind kind);

std::optional<std::int64_t> ParseInteger(std::string_view text);
std::optional<bool> ParseBoolean(std::string_view text);

// `text` cut to at most `characters` UTF-8 characters.
std::string CutToCharacters(const std::string& text, std::size_t characters);

}  // namespace vyn

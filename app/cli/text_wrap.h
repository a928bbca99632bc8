#pragma once
// Plain-text layout for the terminal: paragraphs wrapped at a width, and
// widths counted in characters rather than bytes.
#include <string>
#include <string_view>

namespace vyn::cli {

// The number of characters (UTF-8 code points) of `text`.
std::size_t CharacterCount(std::string_view text);

// `text` wrapped at `width` characters, every line starting with `indent`;
// a word longer than a line stands on a line of its own.
std::string WrapText(std::string_view text, std::size_t width, const std::string& indent);

// `text` underlined with "=" on the next line.
std::string Underlined(const std::string& text);

}  // namespace vyn::cli

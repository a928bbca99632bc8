#pragma once
// A memo or blob field's text as lines. Lines end with CR LF, LF or CR; a
// last line without an ending counts, a final ending adds no empty line.
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

class TVynField;

std::vector<std::string> TextToLines(std::string_view text);
std::vector<std::string> BlobToLines(const TVynField& field);

}  // namespace vyn

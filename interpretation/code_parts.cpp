#include "interpretation/code_parts.h"

namespace vyn {
namespace {

// Characters `from` to `from` + count - 1 (1-based) of a code, as far as
// they exist.
std::string Characters(std::string_view code, std::size_t from, std::size_t count) {
  if (from > code.size()) return {};
  return std::string(code.substr(from - 1, count));
}

bool Contains(std::string_view code, char c) {
  return code.find(c) != std::string_view::npos;
}

}  // namespace

cResult ParseCode(std::string_view code, int person, const TPairNames& names) {
  const std::string& own = person == 2 ? names.Person2 : names.Person1;
  const std::string& other = person == 2 ? names.Person1 : names.Person2;
  const bool polar = Contains(code, '+') || Contains(code, '-');
  cResult result;
  result.First = Characters(code, 1, 2);
  if (Contains(code, 'X')) {
    result.Link = polar ? Characters(code, 4, 1) : "in ";
    result.Second = polar ? Characters(code, 5, 2) : Characters(code, 4, 2);
    result.Kind = "Cross";
    result.Name1 = own + " ";
    result.Name2 = other + " ";
  } else if (polar) {
    result.Link = Characters(code, 3, 1);
    result.Second = Characters(code, 4, 2);
    result.Kind = "Asps";
  } else {
    result.Second = Characters(code, 3, 2);
    result.Kind = "Norm";
    result.Name1 = own;
  }
  return result;
}

bool IsHouseNumber(std::string_view part) { return part >= "01" && part <= "12"; }

}  // namespace vyn

#pragma once
// The token list: numbered texts of one language.
//
// Format, one token a line:
//   - an empty line, or one that begins with ";", is a comment (a ";" after
//     blanks is not: " ;12=x" has the number " ;12");
//   - any other line is "<number>=<text>"; a line without "=" and a line
//     with number 0 are ignored;
//   - the number is a decimal integer (blanks around it allowed) from 1 to
//     kMaxToken; anything else stops the parse with ETokenListError naming
//     the source and the line;
//   - a list without a single token is refused with ETokenListError naming
//     the source: every text of the program would be empty;
//   - the text is what follows the first "=", without surrounding blanks;
//     then a leading double quote is removed, and then a trailing one, so a
//     quoted text keeps its leading and trailing blanks and inner quotes stay;
//   - when a number occurs twice, the later line wins.
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

inline constexpr int kMaxToken = 1600;

// A token list that cannot be read. The message names the source (a file, or
// a table and record) and the line number (from 1), so a translator can find
// the line; it is one line, whatever the source name or the line hold.
class ETokenListError : public std::runtime_error {
 public:
  ETokenListError(const std::string& source, int line, const std::string& what);
  // A fault of the whole list (missing, empty): Line() is 0.
  ETokenListError(const std::string& source, const std::string& what);
  const std::string& Source() const { return source_; }
  int Line() const { return line_; }

 private:
  std::string source_;
  int line_;
};

class TTokenList {
 public:
  // Empty: every slot holds -1.
  TTokenList();

  // Parses the lines of `source` (a name for messages). Throws
  // ETokenListError on the first bad line, or when no line gives a token.
  static TTokenList Parse(const std::vector<std::string>& lines,
                          const std::string& source);

  // The text of token `number`; empty when the token has none or the number
  // lies outside 0..kMaxToken. Constant time.
  const std::string& Get(int number) const;
  bool Has(int number) const;
  // The texts held, in load order (a replaced text keeps its place).
  const std::vector<std::string>& Texts() const { return texts_; }

  // Gives token `number` (1..kMaxToken) the text, replacing an earlier one.
  void Set(int number, std::string text);

 private:
  std::vector<std::string> texts_;
  std::array<int, kMaxToken + 1> index_;  // position in texts_ or -1
};

}  // namespace vyn

#include "language/token_list.h"

#include <optional>

#include "language/plain_text.h"

namespace vyn {
namespace {

struct TTokenLine {
  int number = 0;
  std::string text;
};

bool IsComment(std::string_view line) { return line.empty() || line.front() == ';'; }

// The text after "=": blanks dropped, then a leading and a trailing quote.
std::string TokenText(std::string_view raw) {
  std::string_view text = TrimBlanks(raw);
  if (text.starts_with('"')) text.remove_prefix(1);
  if (text.ends_with('"')) text.remove_suffix(1);
  return std::string(text);
}

// The token of one line, or nothing for a comment or an ignored line.
// Throws std::invalid_argument with the reason for a bad number.
std::optional<TTokenLine> ParseLine(std::string_view line) {
  if (IsComment(line)) return std::nullopt;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view number_text = line.substr(0, equals);
  const std::optional<int> number = DecimalInteger(number_text);
  const std::string quoted = "token number \"" + std::string(TrimBlanks(number_text)) + "\"";
  if (!number) throw std::invalid_argument(quoted + " is not a decimal integer");
  if (*number == 0) return std::nullopt;
  if (*number < 0 || *number > kMaxToken)
    throw std::invalid_argument(quoted + " is outside 1.." + std::to_string(kMaxToken));
  return TTokenLine{*number, TokenText(line.substr(equals + 1))};
}

const std::string& EmptyText() {
  static const std::string empty;
  return empty;
}

}  // namespace

ETokenListError::ETokenListError(const std::string& source, int line,
                                 const std::string& what)
    : std::runtime_error(OneLineText(source) + ", line " + std::to_string(line) + ": " +
                         OneLineText(what)),
      source_(source),
      line_(line) {}

ETokenListError::ETokenListError(const std::string& source, const std::string& what)
    : std::runtime_error(OneLineText(source) + ": " + OneLineText(what)),
      source_(source),
      line_(0) {}

TTokenList::TTokenList() { index_.fill(-1); }

TTokenList TTokenList::Parse(const std::vector<std::string>& lines,
                             const std::string& source) {
  TTokenList list;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::optional<TTokenLine> token;
    try {
      token = ParseLine(lines[i]);
    } catch (const std::invalid_argument& e) {
      throw ETokenListError(source, static_cast<int>(i) + 1, e.what());
    }
    if (token) list.Set(token->number, std::move(token->text));
  }
  if (list.texts_.empty())
    throw ETokenListError(source, lines.empty() ? "the token list is empty"
                                                : "the token list holds no token");
  return list;
}

const std::string& TTokenList::Get(int number) const {
  if (!Has(number)) return EmptyText();
  return texts_[static_cast<std::size_t>(index_[static_cast<std::size_t>(number)])];
}

bool TTokenList::Has(int number) const {
  return number >= 0 && number <= kMaxToken && index_[static_cast<std::size_t>(number)] >= 0;
}

void TTokenList::Set(int number, std::string text) {
  if (number < 1 || number > kMaxToken)
    throw std::out_of_range("token number " + std::to_string(number) + " is outside 1.." +
                            std::to_string(kMaxToken));
  int& slot = index_[static_cast<std::size_t>(number)];
  if (slot >= 0) {
    texts_[static_cast<std::size_t>(slot)] = std::move(text);
  } else {
    slot = static_cast<int>(texts_.size());
    texts_.push_back(std::move(text));
  }
}

}  // namespace vyn

#include "tools/database/double_texts.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>

#include "engine/planets.h"

namespace vyn::tools {
namespace {

constexpr const char* kFragmentHeader = "Kind\tKey\tText";

// The bodies with double texts, in the order their records are composed.
constexpr std::array<const char*, 9> kDoubleBodies = {"SU", "MO", "ME", "VE", "MA",
                                                      "JU", "SA", "DS", "MC"};

const std::set<std::string> kKinds = {"name",    "plural",  "sign", "element", "modality",
                                      "fragment", "heading", "opening", "join", "advice",
                                      "title",   "mtitle"};

constexpr std::array<const char*, 7> kRelationKeys = {
    "same", "semisextile", "sextile", "square", "trine", "quincunx", "opposition"};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw std::runtime_error(where + ": " + what);
}

std::string SignCode(int sign) { return std::string(kSignCodes[static_cast<std::size_t>(sign)]); }

// The person placeholders of a fragment: {P...} for the one it is about,
// {O...} for the other, each with an optional digit 1..5.
bool IsPersonToken(const std::string& token) {
  if (token.empty() || (token[0] != 'P' && token[0] != 'O')) return false;
  return token.size() == 1 || (token.size() == 2 && token[1] >= '1' && token[1] <= '5');
}

std::string PersonForm(const std::string& token, bool aboutPerson) {
  const bool person = (token[0] == 'P') == aboutPerson;
  return std::string(person ? "%X" : "%Z") + token.substr(1);
}

// Replaces every "{token}" of `text` by `replace(token)`.
template <typename TReplace>
std::string ReplaceTokens(const std::string& text, const TReplace& replace) {
  std::string result;
  std::size_t from = 0;
  for (std::size_t open; (open = text.find('{', from)) != std::string::npos;) {
    const std::size_t close = text.find('}', open);
    if (close == std::string::npos) throw std::runtime_error("an unclosed \"{\" in: " + text);
    result.append(text, from, open - from);
    result += replace(text.substr(open + 1, close - open - 1));
    from = close + 1;
  }
  result.append(text, from);
  return result;
}

// A fragment said of the person (the first sign) or of the partner.
std::string PersonFragment(const std::string& fragment, bool aboutPerson) {
  return ReplaceTokens(fragment, [&](const std::string& token) {
    if (!IsPersonToken(token)) throw std::runtime_error("{" + token + "} in a fragment: " + fragment);
    return PersonForm(token, aboutPerson);
  });
}

}  // namespace

TSignRelation SignRelationOf(int sign1, int sign2) {
  int distance = ((sign2 - sign1) % 12 + 12) % 12;
  if (distance > 6) distance = 12 - distance;
  return static_cast<TSignRelation>(distance);
}

const char* SignRelationKey(TSignRelation relation) {
  return kRelationKeys[static_cast<std::size_t>(relation)];
}

void TDoubleFragments::Read(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) Fail(file, "cannot be read");
  std::map<TKey, std::vector<std::string>> own;
  std::string text;
  long line = 0;
  while (std::getline(in, text)) {
    ++line;
    const std::string where = file + ":" + std::to_string(line);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (line == 1) {
      if (text != kFragmentHeader)
        Fail(where, std::string("the header must read ") + kFragmentHeader);
      continue;
    }
    if (text.empty() || text[0] == '#') continue;
    const std::size_t tab1 = text.find('\t');
    const std::size_t tab2 = tab1 == std::string::npos ? tab1 : text.find('\t', tab1 + 1);
    if (tab2 == std::string::npos || text.find('\t', tab2 + 1) != std::string::npos)
      Fail(where, "a line has 3 fields (Kind, Key, Text)");
    std::string kind = text.substr(0, tab1), key = text.substr(tab1 + 1, tab2 - tab1 - 1);
    std::string value = text.substr(tab2 + 1);
    if (!kKinds.count(kind)) Fail(where, "unknown kind \"" + kind + "\"");
    if (key.empty() || value.empty()) Fail(where, "empty key or text");
    own[{std::move(kind), std::move(key)}].push_back(std::move(value));
  }
  if (line == 0) Fail(file + ":1", std::string("the header must read ") + kFragmentHeader);
  for (auto& [key, values] : own) lines_[key] = std::move(values);
}

const std::vector<std::string>& TDoubleFragments::Lines(const std::string& kind,
                                                        const std::string& key) const {
  static const std::vector<std::string> kNone;
  const auto it = lines_.find({kind, key});
  return it == lines_.end() ? kNone : it->second;
}

// One of the lines of `kind` for the relation: the body's own ones when it
// has any, else the general ones; `rule` chooses among alternatives.
const std::string& TDoubleFragments::Pick(const std::string& kind, const std::string& relation,
                                          const std::string& body, std::size_t rule) const {
  const std::vector<std::string>* lines = &Lines(kind, relation + "." + body);
  if (lines->empty()) lines = &Lines(kind, relation);
  if (lines->empty()) Fail("doubles", "no " + kind + " for \"" + relation + "\" (" + body + ")");
  return (*lines)[rule % lines->size()];
}

std::string TDoubleFragments::Expand(const std::string& text, const std::string& body,
                                     int sign1, int sign2,
                                     const std::map<std::string, std::string>& extra) const {
  const auto one = [&](const std::string& kind, const std::string& key) {
    const auto& lines = Lines(kind, key);
    if (lines.empty()) Fail("doubles", "no " + kind + " for " + key);
    return lines.front();
  };
  return ReplaceTokens(text, [&](const std::string& token) -> std::string {
    if (token == "B") return one("name", body);
    if (token == "Bs") return one("plural", body);
    if (token.size() == 2 && (token[1] == '1' || token[1] == '2')) {
      const std::string sign = SignCode(token[1] == '1' ? sign1 : sign2);
      if (token[0] == 'S') return one("sign", sign);
      if (token[0] == 'E') return one("element", sign);
      if (token[0] == 'M') return one("modality", sign);
    }
    const auto it = extra.find(token);
    if (it != extra.end()) return it->second;
    Fail("doubles", "unknown token {" + token + "} in: " + text);
  });
}

TInterpRecord TDoubleFragments::ComposeRecord(std::size_t bodyIndex, int sign1,
                                              int sign2) const {
  const std::string body = kDoubleBodies[bodyIndex];
  const std::string relation = SignRelationKey(SignRelationOf(sign1, sign2));
  const std::string shape = sign1 == sign2 ? "same" : "different";
  const auto fragment = [&](int sign, bool aboutPerson) {
    const auto& lines = Lines("fragment", body + SignCode(sign));
    if (lines.empty()) Fail("doubles", "no fragment for " + body + SignCode(sign));
    return PersonFragment(lines.front(), aboutPerson);
  };
  const std::map<std::string, std::string> fragments = {{"F1", fragment(sign1, true)},
                                                        {"F2", fragment(sign2, false)}};
  // Alternatives turn with the first sign, and each part from another start,
  // so that the texts of one body and relation do not move in step.
  const std::size_t rule = static_cast<std::size_t>(sign1) + bodyIndex;
  const auto part = [&](const std::string& kind, const std::string& key, std::size_t shift) {
    return Expand(Pick(kind, key, body, rule + shift), body, sign1, sign2, fragments);
  };
  TInterpRecord record;
  record.Code = body + SignCode(sign1) + "/" + body + SignCode(sign2);
  record.Title = part("title", relation, 0);
  record.MTitle = part("mtitle", shape, 0);
  record.TextK = part("heading", shape, 0) + "|" + part("opening", relation, 0) + " " +
                 part("join", shape, 1) + " " + part("advice", relation, 2);
  return record;
}

std::vector<TInterpRecord> TDoubleFragments::Compose() const {
  std::vector<TInterpRecord> records;
  for (std::size_t b = 0; b < kDoubleBodies.size(); ++b) {
    const std::string body = kDoubleBodies[b];
    int present = 0;
    for (int sign = 0; sign < 12; ++sign)
      present += !Lines("fragment", body + SignCode(sign)).empty();
    if (present == 0) continue;
    for (int sign1 = 0; sign1 < 12; ++sign1)
      for (int sign2 = sign1; sign2 < 12; ++sign2)
        records.push_back(ComposeRecord(b, sign1, sign2));
  }
  return records;
}

void AddComposedDoubles(std::vector<TInterpRecord>& doubles,
                        const std::vector<std::string>& files) {
  TDoubleFragments fragments;
  bool any = false;
  for (const std::string& file : files) {
    if (!std::filesystem::is_regular_file(file)) continue;
    fragments.Read(file);
    any = true;
  }
  if (!any) return;
  std::set<std::string> written;
  for (const TInterpRecord& record : doubles) written.insert(record.Code);
  for (TInterpRecord& record : fragments.Compose()) {
    const std::size_t slash = record.Code.find('/');
    const std::string reversed = record.Code.substr(slash + 1) + "/" + record.Code.substr(0, slash);
    if (!written.count(record.Code) && !written.count(reversed))
      doubles.push_back(std::move(record));
  }
}

}  // namespace vyn::tools

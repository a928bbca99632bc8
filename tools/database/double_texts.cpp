#include "tools/database/double_texts.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <set>
#include <stdexcept>

#include "engine/planets.h"

namespace vyn::tools {
namespace {

constexpr const char* kFragmentHeader = "Kind\tKey\tText";

// The bodies with double texts, in the order their records are composed.
constexpr std::array<const char*, 9> kDoubleBodies = {"SU", "MO", "ME", "VE", "MA",
                                                      "JU", "SA", "DS", "MC"};

constexpr std::array<const char*, 7> kRelationKeys = {"same",  "semisextile", "sextile",   "square",
                                                      "trine", "quincunx",    "opposition"};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  throw std::runtime_error(where + ": " + what);
}

std::string SignCode(int sign) { return std::string(kSignCodes[static_cast<std::size_t>(sign)]); }

bool IsBody(const std::string& key) {
  return std::find(kDoubleBodies.begin(), kDoubleBodies.end(), key) != kDoubleBodies.end();
}

bool IsSign(const std::string& key) {
  return std::find(kSignCodes.begin(), kSignCodes.end(), key) != kSignCodes.end();
}

bool IsRelation(const std::string& key) {
  return std::find(kRelationKeys.begin(), kRelationKeys.end(), key) != kRelationKeys.end();
}

// A relation, alone or for one body ("trine", "trine.VE").
bool IsRelationKey(const std::string& key) {
  const std::size_t dot = key.find('.');
  if (dot == std::string::npos) return IsRelation(key);
  return IsRelation(key.substr(0, dot)) && IsBody(key.substr(dot + 1));
}

// The person placeholders of a fragment: {P...} for the one it is about,
// {O...} for the other, each with an optional digit 1..5.
bool IsPersonToken(const std::string& token) {
  if (token.empty() || (token[0] != 'P' && token[0] != 'O')) return false;
  return token.size() == 1 || (token.size() == 2 && token[1] >= '1' && token[1] <= '5');
}

// The tokens a text of the pair may hold: body, signs, elements, modalities.
bool IsPairToken(const std::string& token) {
  static const std::set<std::string> kPairTokens = {"B", "Bs", "S1", "S2", "E1", "E2", "M1", "M2"};
  return kPairTokens.count(token) > 0;
}

bool IsJoinToken(const std::string& token) {
  return IsPairToken(token) || token == "F1" || token == "F2";
}

bool IsNoToken(const std::string&) { return false; }

bool IsShape(const std::string& key) { return key == "same" || key == "different"; }

bool IsFragmentKey(const std::string& key) {
  return key.size() == 4 && IsBody(key.substr(0, 2)) && IsSign(key.substr(2));
}

// What each kind takes as key and which tokens its text may hold.
struct TKindRule {
  bool (*key)(const std::string&);
  const char* keyDescription;
  bool (*token)(const std::string&);
};

const std::map<std::string, TKindRule>& KindRules() {
  static const std::map<std::string, TKindRule> kRules = {
      {"name", {IsBody, "a body code", IsNoToken}},
      {"plural", {IsBody, "a body code", IsNoToken}},
      {"sign", {IsSign, "a sign code", IsNoToken}},
      {"element", {IsSign, "a sign code", IsNoToken}},
      {"modality", {IsSign, "a sign code", IsNoToken}},
      {"fragment", {IsFragmentKey, "a body and a sign code", IsPersonToken}},
      {"heading", {IsShape, "\"same\" or \"different\"", IsPairToken}},
      {"mtitle", {IsShape, "\"same\" or \"different\"", IsPairToken}},
      {"opening", {IsRelationKey, "a relation, optionally with \".\" and a body", IsPairToken}},
      {"join", {IsRelationKey, "a relation, optionally with \".\" and a body", IsJoinToken}},
      {"advice", {IsRelationKey, "a relation, optionally with \".\" and a body", IsPairToken}},
      {"title", {IsRelationKey, "a relation, optionally with \".\" and a body", IsPairToken}},
  };
  return kRules;
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

std::string PersonForm(const std::string& token, bool aboutPerson) {
  const bool person = (token[0] == 'P') == aboutPerson;
  return std::string(person ? "%X" : "%Z") + token.substr(1);
}

// A fragment said of the person (the first sign) or of the partner; its
// tokens were checked when it was read.
std::string PersonFragment(const std::string& fragment, bool aboutPerson) {
  return ReplaceTokens(fragment,
                       [&](const std::string& token) { return PersonForm(token, aboutPerson); });
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

// The pairs of one relation that share a sign form chains: with distance d,
// the pair that starts at sign s (the other sign d signs further on) is
// followed by the pair that starts at s + d. There are gcd(12, d) chains of
// 12 / gcd(12, d) pairs (a chain of one pair for "same" and "opposition").
// The rule is the pair's place in its chain plus the number of the chain, so
// neighbours in a chain count up by one.
std::size_t AlternativeRule(int sign1, int sign2) {
  const int forward = ((sign2 - sign1) % 12 + 12) % 12;
  const int distance = std::min(forward, 12 - forward);
  const int start = forward < 6 ? sign1 : forward > 6 ? sign2 : std::min(sign1, sign2);
  const int chains = std::gcd(12, distance);
  const int chain = start % chains;
  int place = 0;
  while ((chain + place * distance) % 12 != start) ++place;
  return static_cast<std::size_t>(place + chain);
}

void TDoubleFragments::Read(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) Fail(file, "cannot be read");
  std::map<TKey, std::vector<TLine>> own;
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
    const auto rule = KindRules().find(kind);
    if (rule == KindRules().end()) Fail(where, "unknown kind \"" + kind + "\"");
    if (key.empty() || value.empty()) Fail(where, "empty key or text");
    if (!rule->second.key(key))
      Fail(where, "\"" + key + "\" is not a key of kind " + kind + ", which takes " +
                      rule->second.keyDescription);
    try {
      ReplaceTokens(value, [&](const std::string& token) {
        if (!rule->second.token(token))
          throw std::runtime_error("{" + token + "} is not a token of kind " + kind);
        return std::string();
      });
    } catch (const std::runtime_error& error) {
      Fail(where, error.what());
    }
    own[{std::move(kind), std::move(key)}].push_back({std::move(value), where});
  }
  if (line == 0) Fail(file + ":1", std::string("the header must read ") + kFragmentHeader);
  for (auto& [key, values] : own) lines_[key] = std::move(values);
  files_.push_back(file);
}

const std::vector<TDoubleFragments::TLine>& TDoubleFragments::Lines(const std::string& kind,
                                                                    const std::string& key) const {
  static const std::vector<TLine> kNone;
  const auto it = lines_.find({kind, key});
  return it == lines_.end() ? kNone : it->second;
}

void TDoubleFragments::FailMissing(const std::string& what) const {
  std::string files;
  for (const std::string& file : files_) files += (files.empty() ? "" : ", ") + file;
  Fail(files.empty() ? std::string("doubles") : files, what);
}

// The only (or first) line of a kind and key: names, signs, fragments.
const std::string& TDoubleFragments::One(const std::string& kind, const std::string& key) const {
  const auto& lines = Lines(kind, key);
  if (lines.empty()) FailMissing("no " + kind + " for \"" + key + "\"");
  return lines.front().text;
}

// One of the lines of `kind` for `key`: the body's own ones when it has
// any, else the general ones; `rule` chooses among alternatives.
const std::string& TDoubleFragments::Pick(const std::string& kind, const std::string& key,
                                          const std::string& body, std::size_t rule) const {
  const std::vector<TLine>* lines = &Lines(kind, key + "." + body);
  if (lines->empty()) lines = &Lines(kind, key);
  if (lines->empty()) FailMissing("no " + kind + " for \"" + key + "\" (" + body + ")");
  return (*lines)[rule % lines->size()].text;
}

std::string TDoubleFragments::Expand(const std::string& text, const std::string& body, int sign1,
                                     int sign2,
                                     const std::map<std::string, std::string>& fragments) const {
  return ReplaceTokens(text, [&](const std::string& token) -> std::string {
    if (token == "B") return One("name", body);
    if (token == "Bs") return One("plural", body);
    const auto fragment = fragments.find(token);
    if (fragment != fragments.end()) return fragment->second;
    // S1 ... M2: the sign, element or modality of the person (1) or the
    // partner (2); Read let no other token through.
    const std::string sign = SignCode(token[1] == '1' ? sign1 : sign2);
    const char* kind = token[0] == 'S' ? "sign" : token[0] == 'E' ? "element" : "modality";
    return One(kind, sign);
  });
}

// Every body either has all twelve fragments or none (and then no texts).
void TDoubleFragments::CheckFragments(const std::string& body) const {
  for (int sign = 0; sign < 12; ++sign) {
    if (!Lines("fragment", body + SignCode(sign)).empty()) continue;
    for (int other = 0; other < 12; ++other) {
      const auto& lines = Lines("fragment", body + SignCode(other));
      if (!lines.empty())
        Fail(lines.front().where, "the fragments of " + body + " lack " + body + SignCode(sign));
    }
  }
}

TInterpRecord TDoubleFragments::ComposeRecord(std::size_t bodyIndex, int sign1, int sign2) const {
  const std::string body = kDoubleBodies[bodyIndex];
  const std::string relation = SignRelationKey(SignRelationOf(sign1, sign2));
  const std::string shape = sign1 == sign2 ? "same" : "different";
  const std::map<std::string, std::string> fragments = {
      {"F1", PersonFragment(One("fragment", body + SignCode(sign1)), true)},
      {"F2", PersonFragment(One("fragment", body + SignCode(sign2)), false)}};
  // Each part starts the alternatives from another place, and each body
  // too, so that parts and bodies do not move in step.
  const std::size_t rule = AlternativeRule(sign1, sign2) + bodyIndex;
  const auto part = [&](const std::string& kind, const std::string& key, std::size_t shift) {
    return Expand(Pick(kind, key, body, rule + shift), body, sign1, sign2, fragments);
  };
  TInterpRecord record;
  record.Code = body + SignCode(sign1) + "/" + body + SignCode(sign2);
  record.Title = part("title", relation, 0);
  record.MTitle = part("mtitle", shape, 0);
  record.TextK = part("heading", shape, 0) + "|" + part("opening", relation, 0) + " " +
                 part("join", relation, 1) + "`" + part("advice", relation, 2);
  return record;
}

std::vector<TInterpRecord> TDoubleFragments::Compose() const {
  std::vector<TInterpRecord> records;
  for (std::size_t b = 0; b < kDoubleBodies.size(); ++b) {
    const std::string body = kDoubleBodies[b];
    CheckFragments(body);
    if (Lines("fragment", body + SignCode(0)).empty()) continue;
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

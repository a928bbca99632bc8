#pragma once
// The double texts (family "doubles", codes like "SUAR/SUTA": the same body
// of both people, the person's in the first sign, the partner's in the
// second) composed from written fragments instead of 702 separate records.
//
// A fragment file ("doubles.fragments.tsv" in a language folder) is UTF-8,
// tab-separated, three fields a line: Kind, Key, Text. The first line is the
// header "Kind<TAB>Key<TAB>Text"; empty lines and lines starting with "#"
// are skipped. Kinds and their keys:
//
//   name      body code -> the body's name ("Sun")
//   plural    body code -> two of them ("Suns", "Venus positions")
//   sign      sign code -> the sign's name ("Aries")
//   element   sign code -> the element's name ("fire")
//   modality  sign code -> the modality's name ("cardinal")
//   fragment  body + sign ("SUAR") -> one clause on what the body in that
//             sign seeks or gives in a relationship, about the person {P};
//             it starts with {P} or {P5}, so that it reads the same at the
//             start of a sentence and after a conjunction, and has no full
//             stop of its own
//   heading   "same" / "different" -> the subject that opens the text;
//             the text stores it before a "|", the heading of a double text
//   opening   relation -> the predicate that completes the heading
//   join      relation -> the sentence that joins the two fragments {F1}
//             (the person's) and {F2} (the partner's)
//   advice    relation -> the closing sentence, a paragraph of its own
//   title     relation -> the record's Title
//   mtitle    "same" / "different" -> the record's MTitle
//
// A relation is the distance of the two signs: "same", "semisextile",
// "sextile", "square", "trine", "quincunx" or "opposition". The distance
// fixes how elements and modalities meet: a trine joins one element, an
// opposition one modality and two elements that complement each other
// (fire and air, earth and water), a sextile two such elements, a square one
// modality and two elements at odds, a semisextile and a quincunx elements
// at odds and modalities that differ.
//
// The keys of opening, join, advice and title may be written for one body
// ("trine.SU"); a body without its own lines takes those of the plain key.
//
// Several lines of one kind and key are alternatives. A text takes one of
// them by its place in the chain of pairs of its relation that share a sign
// (for a trine: Aries-Leo, Leo-Sagittarius, Sagittarius-Aries), so that the
// two texts a person with one sign reads against two partners of the same
// relation take different alternatives. That holds when the number of
// alternatives divides the length of the chain: write 3 alternatives for
// every relation but the square, and 2 or 4 for the square. Every build
// gives the same text.
//
// Tokens in the texts: {B} name, {Bs} plural, {S1} {S2} the person's and
// the partner's sign, {E1} {E2} their elements, {M1} {M2} their
// modalities (in heading, opening, join, advice, title, mtitle), {F1} {F2}
// the two fragments (join only). A fragment names the person it is about by
// {P}, {P1} ... {P5} and the other by {O}, {O1} ... {O5}; they become %X...
// for the person's sign and %Z... for the partner's (see
// content/interpretation/README.md for %X1 ... %X5). The placeholders %X
// and %Z may also be written directly outside fragments. Any other "{...}"
// is an error.
//
// One record is composed for each unordered pair of signs, under the code
// with the earlier sign first; the look-up reads the reversed code with the
// two people exchanged, so "SUTA/SUAR" needs no record of its own.
#include <map>
#include <string>
#include <vector>

#include "interpretation/interp_record.h"

namespace vyn::tools {

enum class TSignRelation {
  srSame,
  srSemisextile,
  srSextile,
  srSquare,
  srTrine,
  srQuincunx,
  srOpposition
};

// The relation of two signs given by their index 0 (Aries) ... 11 (Pisces).
TSignRelation SignRelationOf(int sign1, int sign2);
// The key of a relation in the fragment file ("same", "trine", ...).
const char* SignRelationKey(TSignRelation relation);
// Which alternative a pair of signs takes among `count` (see above), before
// the shift a body and a part of the text add: pairs of one relation that
// share a sign get different numbers modulo `count` whenever `count`
// divides the length of their chain.
std::size_t AlternativeRule(int sign1, int sign2);

class TDoubleFragments {
 public:
  // Adds the lines of `file`; for each kind and key it names, its lines
  // replace those read before (so a language file overrides UK key by key).
  // Throws std::runtime_error naming file and line on a malformed line: a
  // wrong header or number of fields, an unknown kind, a key that kind does
  // not take, an empty key or text, a token that kind does not take.
  void Read(const std::string& file);

  // The records of every body that has fragments, in body order, each body
  // in sign order. Throws std::runtime_error naming what is missing: a body
  // with some but not all twelve fragments (with the file and line of its
  // first one), a kind without a line for a text that needs it (with the
  // files read).
  std::vector<TInterpRecord> Compose() const;

 private:
  using TKey = std::pair<std::string, std::string>;  // kind, key
  struct TLine {
    std::string text;
    std::string where;  // "file:line"
  };
  const std::vector<TLine>& Lines(const std::string& kind, const std::string& key) const;
  const std::string& One(const std::string& kind, const std::string& key) const;
  const std::string& Pick(const std::string& kind, const std::string& key, const std::string& body,
                          std::size_t rule) const;
  void CheckFragments(const std::string& body) const;
  TInterpRecord ComposeRecord(std::size_t body, int sign1, int sign2) const;
  std::string Expand(const std::string& text, const std::string& body, int sign1, int sign2,
                     const std::map<std::string, std::string>& fragments) const;
  [[noreturn]] void FailMissing(const std::string& what) const;

  std::map<TKey, std::vector<TLine>> lines_;
  std::vector<std::string> files_;
};

// The file name of the fragments in a language folder.
inline constexpr const char* kDoubleFragmentFile = "doubles.fragments.tsv";

// Adds to `doubles` the composed record of every pair of signs for which
// neither the code nor its reverse has a record yet (a written record wins).
// `files` are read in order, later ones overriding earlier ones; a missing
// file is skipped, and without any nothing is added.
void AddComposedDoubles(std::vector<TInterpRecord>& doubles, const std::vector<std::string>& files);

}  // namespace vyn::tools

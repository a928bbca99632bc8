#pragma once
// The double texts (family "doubles", codes like "SUAR/SUTA": the same body
// of both people, the person's in the first sign, the partner's in the
// second) composed from written fragments instead of 702 separate records.
//
// A fragment file ("doubles.fragments.tsv" in a language folder) is UTF-8,
// tab-separated, three fields a line: Kind, Key, Text. The first line is the
// header "Kind<TAB>Key<TAB>Text"; empty lines and lines starting with "#"
// are skipped. Kinds:
//
//   name      body code -> the body's name ("Sun")
//   plural    body code -> two of them ("Suns", "Venus positions")
//   sign      sign code -> the sign's name ("Aries")
//   element   sign code -> the element's name ("fire")
//   modality  sign code -> the modality's name ("cardinal")
//   fragment  body + sign ("SUAR") -> one clause on what the body in that
//             sign seeks in a relationship, about the person {P}
//   heading   "same" / "different" -> the subject that opens the text;
//             the text stores it before a "|", the heading of a double text
//   opening   relation -> the predicate that completes the heading
//   join      "same" / "different" -> the sentence that joins the two
//             fragments {F1} (the person's) and {F2} (the partner's)
//   advice    relation -> the closing sentence
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
// The keys of opening, advice and title may be written for one body
// ("trine.SU"); a body without its own lines takes those of the plain key.
// Several lines of one kind and key are alternatives: a text takes one of
// them by a fixed rule of the two signs and the body, so neighbouring pairs
// read differently and every build gives the same text.
//
// Tokens in the texts: {B} name, {Bs} plural, {S1} {S2} the person's and
// the partner's sign, {E1} {E2} their elements, {M1} {M2} their
// modalities, {F1} {F2} the two fragments (join only). A fragment names the
// person it is about by {P}, {P1} ... {P5} and the other by {O}, {O1} ...
// {O5}; they become %X... for the person's sign and %Z... for the
// partner's (see content/interpretation/README.md for %X1 ... %X5). Any
// other "{...}" is an error.
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

class TDoubleFragments {
 public:
  // Adds the lines of `file`; for each kind and key it names, its lines
  // replace those read before (so a language file overrides UK key by key).
  // Throws std::runtime_error naming file and line on a malformed line.
  void Read(const std::string& file);

  // The records of every body that has fragments, in body order, each body
  // in sign order. Throws std::runtime_error naming what is missing or
  // wrong: a body without all twelve fragments, a kind without a line for
  // a text that needs it, an unknown token.
  std::vector<TInterpRecord> Compose() const;

 private:
  using TKey = std::pair<std::string, std::string>;  // kind, key
  const std::vector<std::string>& Lines(const std::string& kind, const std::string& key) const;
  const std::string& Pick(const std::string& kind, const std::string& relation,
                          const std::string& body, std::size_t rule) const;
  TInterpRecord ComposeRecord(std::size_t body, int sign1, int sign2) const;
  std::string Expand(const std::string& text, const std::string& body, int sign1, int sign2,
                     const std::map<std::string, std::string>& extra) const;

  std::map<TKey, std::vector<std::string>> lines_;
};

// The file name of the fragments in a language folder.
inline constexpr const char* kDoubleFragmentFile = "doubles.fragments.tsv";

// Adds to `doubles` the composed record of every pair of signs for which
// neither the code nor its reverse has a record yet (a written record wins).
// `files` are read in order, later ones overriding earlier ones; a missing
// file is skipped, and without any nothing is added.
void AddComposedDoubles(std::vector<TInterpRecord>& doubles,
                        const std::vector<std::string>& files);

}  // namespace vyn::tools

#include "interpretation/code_enumerator.h"

#include <algorithm>
#include <map>
#include <set>

#include "engine/planets.h"

namespace vyn {
namespace {

using TCodes = std::set<std::string>;
using TNames = std::vector<std::string>;

constexpr std::string_view kRuler = kDescendantRulerCode;

TNames Bodies(int from, int to) {  // body codes of the ordinals from..to
  TNames codes;
  for (int i = from; i <= to; ++i) codes.emplace_back(kBodyCodes[static_cast<std::size_t>(i)]);
  return codes;
}

TNames Signs() { return TNames(kSignCodes.begin(), kSignCodes.end()); }

TNames Houses() {
  TNames houses;
  for (int h = 1; h <= 12; ++h) houses.push_back((h < 10 ? "0" : "") + std::to_string(h));
  return houses;
}

TNames Joined(TNames a, const TNames& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Bodies with own codes in the window or the printout: sign, house and
// overlay house.
const TNames kOwnBodies = {"SU", "MO", "ME", "VE", "MA", "JU", "SA"};
// Bodies whose aspects with the partner are listed, and their partners.
const TNames kAspectBodies = {"SU", "MO", "ME", "VE", "MA", "AS", "DR"};
// Candidates of an aspect: "SU" to "NN", leaving out "SN", "AS" and "MC".
TNames AspectPartners() { return Bodies(plSun, plNorthNode); }
// Bodies whose contacts with the partner's bodies are listed or printed.
const TNames kOverlayBodies = {"SU", "MO", "ME", "VE", "MA", "JU", "SA", "AS", "MC", "IC"};
// Rows of the compatibility graph, in display order, by score index.
const TNames kGraphRows = {"SU", "MO", "ME", "VE", "MA", "DS", "MC"};
const TNames kLevels = {"A", "B", "C", "D", "E"};
const TNames kPolarities = {"+", "-"};

TCodes SignCodes() {
  TCodes codes;
  const TNames bodies = Joined(Bodies(plSun, plPluto), Bodies(plAsc, plIc));
  for (const auto& body : bodies)
    for (const auto& sign : Signs()) codes.insert(body + sign);
  return codes;
}

TCodes HouseCodes() {
  TCodes codes;
  for (const auto& body : Joined(kOwnBodies, {std::string(kRuler)}))
    for (const auto& house : Houses()) codes.insert(body + house);
  return codes;
}

TCodes SeventhHouseCodes() {
  TCodes codes;
  for (const auto& body : Bodies(plSun, plSouthNode)) codes.insert(body + "07/D");
  return codes;
}

TCodes OverlayHouseCodes() {
  TCodes codes;
  for (const auto& body : Joined(kOwnBodies, {"AS", std::string(kRuler)}))
    for (const auto& house : Houses()) codes.insert(body + "X" + house + "Z");
  return codes;
}

// Both orders: a contact is stored under whichever order has a text. The
// polarity "U" (no aspect either way) is looked up too, so a pair of bodies
// out of aspect may have a text of its own.
TCodes AspectCodes(const TNames& polarities) {
  TCodes codes;
  for (const auto& a : kAspectBodies)
    for (const auto& b : AspectPartners())
      for (const auto& p : polarities) {
        if (a == b) continue;
        codes.insert(a + p + b);
        codes.insert(b + p + a);
      }
  return codes;
}

TCodes OverlayAspectCodes() {
  TCodes codes;
  for (const auto& a : Joined(kOverlayBodies, kGraphRows))
    for (const auto& b : Bodies(plSun, plIc))
      for (const auto& p : kPolarities) {
        codes.insert(a + "X" + p + b + "Z");
        codes.insert(b + "X" + p + a + "Z");
      }
  return codes;
}

// The pair texts of the mutual pane: two bodies, or a body and its sign.
TCodes PairCodes() {
  TCodes codes;
  for (const auto& a : Bodies(plSun, plIc))
    for (const auto& b : Bodies(plSun, plIc)) codes.insert(a + "/" + b);
  for (const auto& code : SignCodes()) codes.insert(code.substr(0, 2) + "/" + code.substr(2));
  return codes;
}

TCodes DoubleCodes() {
  TCodes codes;
  for (const auto& body : Joined(kOwnBodies, {"DS", "MC"}))
    for (const auto& a : Signs())
      for (const auto& b : Signs()) codes.insert(body + a + "/" + body + b);
  return codes;
}

TCodes ShortTexts() {
  TCodes codes;
  for (const auto& body : Joined(Bodies(plSun, plIc), {std::string(kRuler)}))
    for (const auto& sign : Signs()) codes.insert(body + sign + "/K");
  return codes;
}

// Every code a pane shows may carry an addition for the sex of its reader.
TCodes SexAdditions(const std::vector<TCodes>& bases) {
  TCodes codes;
  for (const auto& base : bases)
    for (const auto& code : base)
      for (const char* sex : {"/M", "/F"}) codes.insert(code + sex);
  return codes;
}

// An overlay aspect may carry an addition for the body that leads; a body
// in contact with the same body of the partner names the leader by "X" or
// "Z" after the body.
TCodes LeadAdditions(const TCodes& overlayAspects) {
  TCodes codes;
  for (const auto& code : overlayAspects) {
    const std::string a = code.substr(0, 2), b = code.substr(4, 2);
    if (a != b) {
      codes.insert(code + "/" + a);
      codes.insert(code + "/" + b);
    } else {
      codes.insert(code + "/" + a + "X");
      codes.insert(code + "/" + a + "Z");
    }
  }
  return codes;
}

TCodes SectionCodes() {
  TCodes codes;
  for (int n : {1,  2,  3,  5,  7,  8,  9,  10, 11, 13, 14, 15, 16, 20, 22, 24, 26, 27,
                29, 30, 31, 32, 33, 34, 36, 38, 39, 41, 43, 44, 46, 48, 49, 50, 52, 53, 54})
    codes.insert("Q" + std::string(n < 10 ? "0" : "") + std::to_string(n));
  return codes;
}

// Element and modality bars: bar and level of the person, then optionally
// the level of the partner.
TCodes GraphBarCodes() {
  TCodes codes;
  for (const char* bar : {"A", "F", "W", "E", "C", "S", "M"})
    for (const auto& level : kLevels) {
      const std::string code = "X" + std::string(bar) + level;
      codes.insert(code);
      for (const auto& other : kLevels) codes.insert(code + "Z" + other);
    }
  return codes;
}

// Compatibility rows, their harmony and tension levels, and the overall
// harmony and tension.
TCodes GraphScoreCodes() {
  TCodes codes;
  for (std::size_t row = 1; row <= kGraphRows.size(); ++row)
    for (const auto& level : kLevels) codes.insert(std::to_string(row) + "X" + level);
  for (const char* harmony : {"01", "23", "45"})
    for (const char* tension : {"01", "23", "45"}) codes.insert(std::string(harmony) + tension);
  for (const char* sign : {"8P", "8N"})
    for (const auto& level : kLevels) codes.insert(sign + level);
  return codes;
}

// Contacts of a compatibility row's body printed in the summary.
TCodes GraphContactCodes() {
  TCodes codes;
  for (const auto& row : kGraphRows)
    for (const auto& other : Bodies(plSun, plMc))
      for (const auto& p : kPolarities) {
        if (row == other) continue;
        codes.insert(row + "X" + p + other + "Z/G");
        codes.insert(other + "X" + p + row + "Z/G");
      }
  return codes;
}

using TQuestions = std::vector<TCodeQuestion>;

TQuestions EachAlone(const TCodes& codes) {
  TQuestions questions;
  for (const auto& code : codes) questions.push_back({code});
  return questions;
}

// One question per contact whose text may stand under either order.
template <typename TReversed>
TQuestions EitherOrder(const TCodes& codes, const TReversed& reversed) {
  TQuestions questions;
  TCodes asked;
  for (const auto& code : codes) {
    if (asked.count(code)) continue;
    const std::string other = reversed(code);
    asked.insert({code, other});
    questions.push_back(other == code ? TCodeQuestion{code} : TCodeQuestion{code, other});
  }
  return questions;
}

// "SU+MO" <-> "MO+SU".
std::string ReversedAspect(const std::string& code) {
  return code.substr(3, 2) + code[2] + code.substr(0, 2);
}

// "SU/MO" <-> "MO/SU", "SUAR/SUTA" <-> "SUTA/SUAR".
std::string ReversedPair(const std::string& code) {
  const std::size_t slash = code.find('/');
  return code.substr(slash + 1) + "/" + code.substr(0, slash);
}

// "SUX+MOZ/G" <-> "MOX+SUZ/G".
std::string ReversedContact(const std::string& code) {
  return code.substr(4, 2) + "X" + code[3] + code.substr(0, 2) + "Z" + code.substr(7);
}

// Codes of `codes` whose body (first two letters) is one of `bodies`.
TCodes FirstBodyIn(const TCodes& codes, const TNames& bodies) {
  TCodes chosen;
  for (const auto& code : codes)
    if (std::find(bodies.begin(), bodies.end(), code.substr(0, 2)) != bodies.end())
      chosen.insert(code);
  return chosen;
}

// Pair texts of two bodies (not of a body and a sign, which fall back to the
// overlay aspect of the same body) that a topic of the listed bodies asks for.
TCodes TopicPairCodes() {
  const TNames bodies = Bodies(plSun, plIc);
  TCodes codes;
  for (const auto& code : FirstBodyIn(PairCodes(), Joined(kOwnBodies, {"AS", "MC", "IC"})))
    if (std::find(bodies.begin(), bodies.end(), code.substr(3)) != bodies.end())
      codes.insert(code);
  return codes;
}

TCodeFamily Family(std::string name, const TCodes& codes, TQuestions required) {
  return {std::move(name), std::vector<std::string>(codes.begin(), codes.end()),
          std::move(required)};
}

std::vector<TCodeFamily> BuildFamilies() {
  const TCodes signs = SignCodes(), houses = HouseCodes(), seventh = SeventhHouseCodes(),
               overlayHouses = OverlayHouseCodes(), aspects = AspectCodes(kPolarities),
               unaspected = AspectCodes({"U"}),
               overlayAspects = OverlayAspectCodes();
  const TCodes pairs = PairCodes(), doubles = DoubleCodes(), shortTexts = ShortTexts(),
               sections = SectionCodes(), bars = GraphBarCodes(), scores = GraphScoreCodes(),
               contacts = GraphContactCodes();
  // An overlay aspect is read in its own order; the reversed code that the
  // partner's pane offers beside it is an optional addition when its first
  // body is one no topic or graph row starts from.
  const TCodes overlayTopics = FirstBodyIn(overlayAspects, Joined(kOverlayBodies, kGraphRows));
  return {Family("signs", signs, EachAlone(signs)),
          Family("houses", houses, EachAlone(houses)),
          Family("seventh_house", seventh, EachAlone(seventh)),
          Family("overlay_houses", overlayHouses, EachAlone(overlayHouses)),
          Family("aspects", aspects, EitherOrder(aspects, ReversedAspect)),
          Family("unaspected", unaspected, {}),
          Family("overlay_aspects", overlayAspects, EachAlone(overlayTopics)),
          Family("pairs", pairs, EitherOrder(TopicPairCodes(), ReversedPair)),
          Family("doubles", doubles, EitherOrder(doubles, ReversedPair)),
          Family("short_texts", shortTexts, EachAlone(shortTexts)),
          Family("sex_additions",
                 SexAdditions(
                     {signs, houses, seventh, overlayHouses, aspects, unaspected, overlayAspects}),
                 {}),
          Family("lead_additions", LeadAdditions(overlayAspects), {}),
          Family("sections", sections, EachAlone(sections)),
          Family("graph_bars", bars, EachAlone(bars)),
          Family("graph_scores", scores, EachAlone(scores)),
          Family("graph_contacts", contacts, EitherOrder(contacts, ReversedContact))};
}

}  // namespace

const std::vector<TCodeFamily>& EnumerateCodes() {
  static const std::vector<TCodeFamily> families = BuildFamilies();
  return families;
}

const TCodeFamily* FamilyOfCode(std::string_view code) {
  static const auto index = [] {
    std::map<std::string, const TCodeFamily*, std::less<>> byCode;
    for (const auto& family : EnumerateCodes())
      for (const auto& c : family.Codes) byCode.emplace(c, &family);
    return byCode;
  }();
  const auto it = index.find(code);
  return it == index.end() ? nullptr : it->second;
}

}  // namespace vyn

#include "settings/orb_set_loader.h"

#include "engine/text_helpers.h"

namespace vyn {
namespace {

constexpr std::string_view kOrbSetIndex = "OrbisName;OrbisPlanetOrCusp";
constexpr std::size_t kNameCharacters = 80;

// The column of each matrix row 1..13; empty for the rows that hold no
// aspect (30-degree steps 1, 5, 7 and 11).
constexpr std::array<std::string_view, kAspectKinds + 1> kColumns = {
    "",     "D_0",   "",      "D_30",  "D_45",  "D_60", "",
    "D_90", "",      "D_120", "D_135", "D_150", "",     "D_180"};

// Puts a table on an index for the lifetime of the object.
class TIndexScope {
 public:
  TIndexScope(TVynTable& table, std::string_view fields)
      : table_(table), previous_(table.IndexFieldNames()) {
    if (previous_ != fields) table_.SetIndexFieldNames(std::string(fields));
  }
  ~TIndexScope() {
    if (table_.IndexFieldNames() == previous_) return;
    try {
      table_.SetIndexFieldNames(previous_);
    } catch (...) {  // the orbs are read; the index is a courtesy
    }
  }
  TIndexScope(const TIndexScope&) = delete;
  TIndexScope& operator=(const TIndexScope&) = delete;

 private:
  TVynTable& table_;
  std::string previous_;
};

void ReadRow(const TVynTable& table, TOrbSetDegrees& orbs) {
  const std::int64_t point = table.FieldByName("OrbisPlanetOrCusp").AsInteger();
  if (point < 1 || point > kAspectPoints) return;
  for (int row = 1; row <= kAspectKinds; ++row)
    if (!kColumns[row].empty())
      orbs[row][point] = static_cast<int>(table.FieldByName(kColumns[row]).AsInteger());
}

}  // namespace

std::string RemoveAccelerator(std::string_view name) {
  const std::size_t amp = name.find('&');
  if (amp == std::string_view::npos) return std::string(name);
  return std::string(name.substr(0, amp)) +
         CutToCharacters(name.substr(amp + 1), kNameCharacters);
}

TOrbSetDegrees ReadOrbSet(TVynTable& orb_definitions, const std::string& name) {
  TOrbSetDegrees orbs{};
  TIndexScope index(orb_definitions, kOrbSetIndex);
  if (!orb_definitions.FindKey({TVynValue(name), TVynValue(1)})) return orbs;
  do {
    ReadRow(orb_definitions, orbs);
    orb_definitions.Next();
  } while (!orb_definitions.Eof() &&
           orb_definitions.FieldByName("OrbisName").AsString() == name);
  return orbs;
}

void SetOrbMatrix(THoroscope& chart, const TOrbSetDegrees& orbs) {
  chart.SetActive(false);
  for (int row = 1; row <= kAspectKinds; ++row)
    for (int point = 1; point <= kAspectPoints; ++point)
      chart.SetOrb(row, point, orbs[row][point]);
}

void LoadNamedOrbSet(TVynTable& orb_definitions, THoroscope& chart,
                     const std::string& name) {
  if (name.empty()) return;
  SetOrbMatrix(chart, ReadOrbSet(orb_definitions, name));
  chart.SetActive(true);
}

}  // namespace vyn

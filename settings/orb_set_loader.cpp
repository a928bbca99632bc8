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

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// "Table "ORBDEFUK", orb set "Strong"" for messages.
std::string SetPlace(const TVynTable& table, const std::string& name) {
  return "Table " + Quoted(table.TableName()) + ", orb set " + Quoted(name);
}

// The names of the sets the table holds, in index order, quoted.
std::string KnownSetNames(TVynTable& table) {
  std::string names;
  std::string previous;
  for (table.First(); !table.Eof(); table.Next()) {
    const std::string name = table.FieldByName("OrbisName").AsString();
    if (!names.empty() && name == previous) continue;
    names += (names.empty() ? "" : ", ") + Quoted(name);
    previous = name;
  }
  return names;
}

[[noreturn]] void UnknownSet(TVynTable& table, const std::string& name) {
  const std::string known = KnownSetNames(table);
  throw EOrbSetError("Table " + Quoted(table.TableName()) + " has no orb set " +
                     Quoted(name) +
                     (known.empty() ? "; it holds no orb set" : "; its sets are " + known));
}

// The point of the current row, checked: 1..14 and not seen before.
int RowPoint(const TVynTable& table, const std::string& name,
             const std::array<bool, kAspectPoints + 1>& seen) {
  const TVynField& field = table.FieldByName("OrbisPlanetOrCusp");
  const std::int64_t point = field.IsNull() ? 0 : field.AsInteger();
  if (point < 1 || point > kAspectPoints)
    throw EOrbSetError(SetPlace(table, name) + ": a row has the point " +
                       (field.IsNull() ? std::string("empty") : std::to_string(point)) +
                       ", outside 1 to " + std::to_string(kAspectPoints));
  if (seen[static_cast<std::size_t>(point)])
    throw EOrbSetError(SetPlace(table, name) + ": point " + std::to_string(point) +
                       " has two rows");
  return static_cast<int>(point);
}

// One orb of the current row, checked: a whole number 0..kMaxOrbDegrees.
int RowOrb(const TVynTable& table, const std::string& name, int point,
           std::string_view column) {
  const TVynField& field = table.FieldByName(column);
  const std::string place =
      SetPlace(table, name) + ", point " + std::to_string(point) + ": " + Quoted(column);
  if (field.IsNull()) throw EOrbSetError(place + " is empty");
  const std::int64_t orb = field.AsInteger();
  if (orb < 0 || orb > kMaxOrbDegrees)
    throw EOrbSetError(place + " is " + std::to_string(orb) + ", outside 0 to " +
                       std::to_string(kMaxOrbDegrees) + " degrees");
  return static_cast<int>(orb);
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
  std::array<bool, kAspectPoints + 1> seen{};
  TIndexScope index(orb_definitions, kOrbSetIndex);
  if (!orb_definitions.FindKey({TVynValue(name)})) UnknownSet(orb_definitions, name);
  do {
    const int point = RowPoint(orb_definitions, name, seen);
    seen[static_cast<std::size_t>(point)] = true;
    for (int row = 1; row <= kAspectKinds; ++row)
      if (!kColumns[row].empty())
        orbs[row][point] = RowOrb(orb_definitions, name, point, kColumns[row]);
    orb_definitions.Next();
  } while (!orb_definitions.Eof() &&
           orb_definitions.FieldByName("OrbisName").AsString() == name);
  for (int point = 1; point <= kAspectPoints; ++point)
    if (!seen[static_cast<std::size_t>(point)])
      throw EOrbSetError(SetPlace(orb_definitions, name) + ": no row for point " +
                         std::to_string(point));
  return orbs;
}

void SetOrbMatrix(THoroscope& chart, const TOrbSetDegrees& orbs) {
  chart.SetActive(false);
  for (int row = 1; row <= kAspectKinds; ++row)
    for (int point = 1; point <= kAspectPoints; ++point)
      chart.SetOrb(row, point, orbs[row][point]);
}

void ApplyOrbSetByName(TVynTable& orb_definitions, THoroscope& chart,
                       const std::string& name) {
  const TOrbSetDegrees orbs = ReadOrbSet(orb_definitions, name);
  const bool active = chart.Active();
  SetOrbMatrix(chart, orbs);
  chart.SetActive(active);
}

void LoadNamedOrbSet(TVynTable& orb_definitions, THoroscope& chart,
                     const std::string& name) {
  if (name.empty()) return;
  ApplyOrbSetByName(orb_definitions, chart, name);
  chart.SetActive(true);
}

}  // namespace vyn

#pragma once
// Orb sets from the orb definition table into a chart record's orb matrix.
// The table has one row per set and point: "OrbisName", "OrbisPlanetOrCusp"
// (aspect point 1 to 14) and the orbs "D_0" .. "D_180" in whole degrees.
//
// This is the one place that applies an orb set: the settings store, the
// windows with chart records of their own and the command line all come
// here. A set is read and checked whole before any orb of the chart
// changes, so a damaged set never reaches a chart in part.
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "data/vyn_table.h"
#include "engine/aspects.h"
#include "engine/horoscope.h"

namespace vyn {

// Orbs in whole degrees by matrix row 1..13 (aspect kind row - 1) and point
// 1..14; index 0 unused.
using TOrbSetDegrees =
    std::array<std::array<int, kAspectPoints + 1>, kAspectKinds + 1>;

// The widest orb a set may give, in whole degrees.
inline constexpr int kMaxOrbDegrees = 30;

// An orb set that cannot be applied: unknown, or damaged. The message is
// one line naming the table, the set and, for a damaged row, the point and
// the field.
class EOrbSetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A menu caption without its accelerator: the first "&" removed, the text
// after it cut to 80 characters. A name without "&" is returned unchanged.
std::string RemoveAccelerator(std::string_view name);

// The orbs of the set `name` (exact match). Throws EOrbSetError when the
// table has no row of that name (naming the sets it has), and when the set
// lacks a row for one of the points 1..14, holds a point twice or outside
// 1..14, or an orb that is empty or outside 0..kMaxOrbDegrees. Uses the
// table's index on "OrbisName;OrbisPlanetOrCusp" and gives the table its
// previous index back. Throws ETableError when the table cannot be read.
TOrbSetDegrees ReadOrbSet(TVynTable& orb_definitions, const std::string& name);

// Sets every orb of the chart (SetOrb for rows 1..13, points 1..14) with
// the chart switched inactive; the caller decides when it is active again.
void SetOrbMatrix(THoroscope& chart, const TOrbSetDegrees& orbs);

// The orb set `name` as it stands (no "&" handling) into the chart: read
// and checked whole (ReadOrbSet), then every orb set with the chart
// inactive, and the chart left as active as it was (an active chart
// recalculates once). On an error the chart is untouched.
void ApplyOrbSetByName(TVynTable& orb_definitions, THoroscope& chart,
                       const std::string& name);

// ApplyOrbSetByName, and then the chart is active whatever it was before.
// An empty name does nothing. For the windows that keep chart records of
// their own.
void LoadNamedOrbSet(TVynTable& orb_definitions, THoroscope& chart,
                     const std::string& name);

}  // namespace vyn

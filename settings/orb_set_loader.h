#pragma once
// Orb sets from the orb definition table into a chart record's orb matrix.
// The table has one row per set and point: "OrbisName", "OrbisPlanetOrCusp"
// (aspect point 1 to 14) and the orbs "D_0" .. "D_180" in whole degrees.
#include <array>
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

// A menu caption without its accelerator: the first "&" removed, the text
// after it cut to 80 characters. A name without "&" is returned unchanged.
std::string RemoveAccelerator(std::string_view name);

// The orbs of the set `name` (exact match): all 0 when the table has no row
// for point 1 of the set; otherwise the rows from point 1 on, in index
// order, while the name matches. Rows for points outside 1..14 are skipped.
// Uses the table's index on "OrbisName;OrbisPlanetOrCusp" and gives the
// table its previous index back. Throws ETableError when the table cannot
// be read.
TOrbSetDegrees ReadOrbSet(TVynTable& orb_definitions, const std::string& name);

// Sets every orb of the chart (SetOrb for rows 1..13, points 1..14) with
// the chart switched inactive; the caller decides when it is active again.
void SetOrbMatrix(THoroscope& chart, const TOrbSetDegrees& orbs);

// The orb set `name` as it stands (no "&" handling) into the chart, which
// is then active, whatever it was before (it recalculates once). An empty
// name does nothing. For the windows that keep chart records of their own.
void LoadNamedOrbSet(TVynTable& orb_definitions, THoroscope& chart,
                     const std::string& name);

}  // namespace vyn

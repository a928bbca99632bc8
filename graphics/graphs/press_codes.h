#pragma once
// The interpretation codes of presses on the graphs: what the graph windows
// look up when a bar, an area button or a glyph button is pressed. Plain
// functions of the scores the graphs report; the windows do the look-ups.
#include <string>
#include <string_view>

#include "graphics/graphs/bar_counts.h"

namespace vyn {

// Rounding of the graph windows: to the nearest integer, halves to even.
int RoundHalfEven(double value);

// The body code a display row 1..7 uses in the texts: VE, MA, SU, ME, MO,
// DS, MC (the Ascendant row speaks of the Descendant).
std::string RowCode(int row);

// The overall harmony bar "8PA" .. "8PE" and the overall tension bar
// "8NA" .. "8NE" by the rounded percentage.
std::string OverallCode(bool harmony, double percent);

// An area button: C + a + "/" + C + b and the alternative C + b + "/" + C + a
// for the row's code C and its sign codes a (person 1) and b (person 2).
struct TAreaCodes {
  std::string code, alternative;
};
TAreaCodes AreaButtonCodes(int row, std::string_view sign1, std::string_view sign2);

// A glyph button: the row's score index and "XA" .. "XE" by the rounded
// mean of harmony h and tension t ("4XC"), and the level code of the
// rounded h and t ("4501").
struct TGlyphCodes {
  std::string code, level;
};
TGlyphCodes GlyphButtonCodes(int row, double harmonyPercent, double tensionPercent);

// The clip of the Venus (row 1) or Mars (row 2) glyph button: the drive
// letter, ":\vyn-3\syna-avi\Venus\" or "...\Mars\", the body code, the sign
// code of that body and ".AVI". Empty for the other rows.
std::string GlyphVideoFile(int row, char driveLetter, std::string_view signCode);

// An element or modality bar: "X" + bar letter + level letter of the
// truncated points ("XCA"), and with the other person's rounded points the
// second code ("XCAZB").
struct TBarCodes {
  std::string code, second;
};
TBarCodes BarPressCodes(TBarGraphKind kind, int bar, int points, double otherPoints);

}  // namespace vyn

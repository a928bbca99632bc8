#pragma once
// Bodies, signs and their two-letter codes.
#include <array>
#include <cstdint>
#include <string_view>

namespace vyn {

enum TPlanet : int {
  plSun, plMoon, plMercury, plVenus, plMars, plJupiter, plSaturn, plUranus,
  plNeptune, plPluto, plNorthNode, plSouthNode, plAsc, plMc, plDsc, plIc
};
inline constexpr int kPlanetCount = 16;

enum TSign : int {
  siAries, siTaurus, siGemini, siCancer, siLeo, siVirgo, siLibra, siScorpio,
  siSagittarius, siCapricorn, siAquarius, siPisces
};
inline constexpr int kSignCount = 12;

// A set of bodies: bit n for TPlanet ordinal n (or, for house and sign sets,
// bit n for element n + 1).
using TPlanetSet = std::uint32_t;
constexpr TPlanetSet PlanetBit(int ordinal) { return TPlanetSet{1} << ordinal; }

inline constexpr std::array<std::string_view, kPlanetCount> kBodyCodes = {
    "SU", "MO", "ME", "VE", "MA", "JU", "SA", "UR",
    "NE", "PL", "NN", "SN", "AS", "MC", "DS", "IC"};

inline constexpr std::array<std::string_view, kSignCount> kSignCodes = {
    "AR", "TA", "GE", "CN", "LE", "VI", "LI", "SC", "SG", "CP", "AQ", "PI"};

// Ruler of each sign, as a body code, for the ruler of the Descendant.
inline constexpr std::array<std::string_view, kSignCount> kSignRulers = {
    "MA", "VE", "ME", "MO", "SU", "ME", "VE", "PL", "JU", "SA", "UR", "NE"};

inline constexpr std::string_view kDescendantRulerCode = "DR";

}  // namespace vyn

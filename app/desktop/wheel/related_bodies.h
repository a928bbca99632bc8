#pragma once
// The bodies of the other person's chart that form an overlay aspect with a
// point pressed on one person's wheel: what the wheel window highlights on
// the other wheel (or the other ring of a double wheel).
#include <string_view>
#include <vector>

namespace vyn {
class THoroscope;
}  // namespace vyn

namespace vyn::desktop {

// "SU" ... "SN" for body slots 1..12; empty for another slot.
std::string_view BodyCodeOfSlot(int slot);
// The angle at an end of a wheel's axis: 1 "AS", 2 "IC", 3 "DS", 4 "MC";
// empty for another number.
std::string_view AngleCodeOfAxis(int axis);
// The house cusp an axis ends on: 1, 4, 7, 10 for axes 1..4; 0 for another.
int CuspOfAxis(int axis);

// The body slots 1..12 of `other` that are related to the point `code` of
// `pressed`: the overlay polarity of the pair, looked up in `pressed` and,
// when that knows no aspect, the other way round in `other`, is "+" or "-".
// Cross aspects exist only between partners: charts that are not each
// other's partner relate nothing. The Descendant and the IC are no aspect
// points of a chart: they relate through the other end of their axis (an
// aspect to one end of an axis is an aspect to the other).
std::vector<int> RelatedBodies(const THoroscope& pressed, std::string_view code,
                               const THoroscope& other);

}  // namespace vyn::desktop

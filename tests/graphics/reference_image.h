#pragma once
// Drawings compared with reference images checked in under
// tests/graphics/reference/. A small share of pixels may differ a little
// (antialiasing, font rasterising); a changed drawing does not pass.
//
// With VYN_REFERENCE_OUT set to a directory, each drawing is also written
// there under its reference name, to be looked at and, once right, copied
// over the reference.
#include <QImage>
#include <string>

namespace vyn::testing {

// Fails the test when `actual` differs from the reference `name` (without
// ".png"): another size, or more than 0.5 % of the pixels off by more than
// 64 in a colour channel.
void ExpectMatchesReference(const QImage& actual, const std::string& name);

}  // namespace vyn::testing

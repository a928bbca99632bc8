#pragma once
// The settings store's values as Qt takes them: colours (with the system
// colours and "no colour" of the settings files), fonts, and window bounds
// kept on the visible desktop.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>

#include "settings/bounds.h"
#include "settings/color_value.h"
#include "settings/font_spec.h"

namespace vyn::desktop {

// A stored colour: red + 256 green + 65536 blue, a system colour (its
// number + 0x80000000) from `palette`, or an invalid QColor for "no colour"
// (the window's own colour stays).
QColor ColorOf(TColorValue value, const QPalette& palette);
// The stored form of an opaque colour.
TColorValue StoredColorOf(const QColor& color);

// A stored font over `base`: one not stored (invalid) leaves `base`; a family the
// system lacks keeps the base family; a positive size is points, a negative
// one a height in pixels; the style bits give bold, italic, underline and
// strike-out.
QFont FontOf(const FontSpec& stored, const QFont& base);
FontSpec FontSpecOf(const QFont& font, TColorValue color = 0);

// `bounds` moved (and, when larger, shrunk) into `area`, so that a window
// placed there can be seen and grabbed; an empty size takes the area's.
TBounds FittedBounds(const TBounds& bounds, const QRect& area);

}  // namespace vyn::desktop

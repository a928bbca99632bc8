#pragma once
// Drawing helpers the graphs share: rectangles of the plain geometry on a
// QPainter, raised button frames, and texts fitted into boxes.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "graphics/wheel/wheel_types.h"

class QPainter;

namespace vyn {

inline constexpr char kSymbolFamily[] = "VYN Sans Serif";

// The face colour of buttons and empty bars.
inline const QColor kButtonFace(240, 240, 240);

QColor ToColor(TRgb rgb);
// Right and bottom are the first pixels outside.
QRect ToQRect(const TWheelRect& r);

// The symbol font at a line height in pixels.
QFont GraphFont(int height);

// A filled rectangle with a 1-pixel outline drawn inside it.
void FillOutlined(QPainter& p, const QRect& r, const QColor& fill, const QColor& outline);
// A raised push-button frame around `r`: light top and left, dark bottom
// and right.
void RaisedFrame(QPainter& p, const QRect& r);

// Texts fitted into a box:
// left-aligned: 0.9 of (box height - 2), then 0.8, 0.6, 0.4, 0.3 of it while
// the text is wider than the box; 5 pixels in, vertically centred;
// right-aligned: 0.9 of (box height + 2) first, then the same steps; ending
// a thirtieth of the box width before its right edge;
// centred: box height / 1.95, or / 2.1 when wider than the box, times
// 1.8 on paper; centred both ways.
enum class TFitAlign { faLeft, faRight, faCentre };
// The font height the fitting chooses (tests, and callers that measure).
int FittedHeight(const QString& text, const QRect& box, TFitAlign align, bool forPrinting);
void DrawFittedText(QPainter& p, const QRect& box, const QString& text, TFitAlign align,
                    const QColor& colour, bool forPrinting = false);

// Text centred on a point, or in a rectangle, at a line height.
void DrawCentred(QPainter& p, const QRect& r, const QString& text, int height,
                 const QColor& colour);

}  // namespace vyn

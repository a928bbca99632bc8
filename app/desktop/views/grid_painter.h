#pragma once
// Drawing shared by the grid views.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

class QPainter;

namespace vyn::desktop {

class TColumnGrid;

// The cell borders drawn twice, as a groove: black lines on the right and
// bottom edge of every cell, then white lines 2 pixels right of (or below)
// each black line.
void DrawGridLines(QPainter& painter, const TColumnGrid& grid);

// The symbol font whose lines are at most `lineHeight` pixels high
// (ascent and descent together), so text fills a row without touching the
// rows around it.
QFont SymbolFontForLines(int lineHeight);

// Text centred in a cell, on a transparent background.
void DrawCentred(QPainter& painter, const QRect& cell, const std::string& text,
                 const QFont& font, const QColor& color);

}  // namespace vyn::desktop

#pragma once
// Draws a laid-out wheel on any QPainter: the whole wheel layer by layer,
// or only its selected elements in a blink colour. Antialiased; lines of an
// odd pen width are centred on pixel centres so that they stay sharp.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QRegion>
#include <QString>

#include "graphics/wheel/wheel.h"

class QPainter;

namespace vyn {

// Picture mode: on while a wheel is drawn through its picture (for paper or
// a file). It thickens the lines and adds the position texts. One flag for
// the whole program: drawing runs on one thread only.
bool PictureMode();

// Turns picture mode on for its lifetime, and off again even on failure.
class TPictureModeScope {
 public:
  TPictureModeScope();
  ~TPictureModeScope();
  TPictureModeScope(const TPictureModeScope&) = delete;
  TPictureModeScope& operator=(const TPictureModeScope&) = delete;
};

// The font of the wheel at a height in pixels: the height of a line of text
// (ascent and descent), as the wheel's font heights are meant.
QFont WheelFont(const QString& family, int height);

// The glyph text of body slot 1..12 and of sign 1..12.
QString BodyGlyphText(int slot);
QString SignGlyphText(int sign);

class TWheelPainter {
 public:
  TWheelPainter(QPainter& painter, const TWheel& wheel);

  // The whole wheel from its last layout.
  void DrawWheel();
  // The selected elements of both selection records in `colour`.
  void DrawSelection(const QColor& colour);

  // The area the selected elements cover (a little more), in the wheel's
  // pixels: what a blink step has to draw again. Lines are covered by a
  // chain of small rectangles, not by one box around them.
  static QRegion SelectionRegion(const TWheel& wheel);

 private:
  void SetPen(const QColor& colour, int width);
  void SetBrush(const QColor& colour);
  void ClearBrush();
  QPointF At(TWheelPoint p) const;
  void Line(const TWheelLine& line);
  void Ellipse(double radius);
  void Polygon(const TSignPolygon& polygon);
  void Text(TWheelPoint centre, const QString& text, int height);
  void TextAt(const QPointF& baseline, const QString& text, const QFont& font);
  void ArrowTip(const TWheelLine& line);
  void Ticks(const TTickSet& ticks);
  int Width(int screen, int picture) const;

  void DrawBase();
  void DrawSignRing(const std::array<TSignPolygon, 13>& signs);
  void DrawSeparators(const std::array<TSignPolygon, 13>& signs);
  void DrawCuspsAndHouses();
  void DrawAxes(const TChartRing& ring);
  void DrawGlyphs(const TChartRing& ring, const QColor& colour, const QColor& pointer);
  void DrawPositions();
  void DrawAspects();

  void DrawRecord(const TWheelSelection& record, bool second, const QColor& colour);
  void DrawBody(const TChartRing& ring, int slot, const QColor& colour);
  void DrawAxis(const TWheelLine& axis, bool tip);

  QPainter& p_;
  const TWheel& wheel_;
  const TWheelGeometry& g_;
  QString family_;
  double penScale_ = 1;
  double offset_ = 0;
};

}  // namespace vyn

#include "graphics/wheel/wheel_painter.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainter>
#include <QPolygonF>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/busy_indicator.h"
#include "graphics/wheel/wheel_colors.h"
#include "language/symbol_glyphs.h"

namespace vyn {
namespace {

namespace wc = wheel_colors;
namespace wr = wheel_radius;

bool pictureMode = false;

QColor Colour(TRgb c) { return QColor(c.r, c.g, c.b); }

bool IsNode(int slot) { return slot == 11 || slot == 12; }

// The lunar nodes are drawn at three quarters of the body glyph height.
int GlyphHeight(const TWheelGeometry& g, int slot) {
  return IsNode(slot) ? g.bodyFontHeight * 9 / 12 : g.bodyFontHeight;
}

QString GlyphText(std::uint8_t byte) {
  return QString(QChar(static_cast<char16_t>(SymbolFontCodePoint(byte))));
}

// Where a text centred on a point goes.
QRectF CentredTextRect(TWheelPoint centre, const QString& text, const QFont& font) {
  const QFontMetricsF metrics(font);
  const double w = metrics.horizontalAdvance(text), h = metrics.height();
  return {centre.x - w / 2, centre.y - h / 2, w, h};
}

// A segment covered by boxes along it of at most 16 pixels each, widened by
// `margin` pixels.
QRegion LineRegion(const TWheelLine& line, int margin) {
  constexpr double kPiece = 16;
  const double dx = line.to.x - line.from.x, dy = line.to.y - line.from.y;
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::hypot(dx, dy) / kPiece)));
  QRegion region;
  QPoint from(line.from.x, line.from.y);
  for (int k = 1; k <= pieces; ++k) {
    const QPoint to(static_cast<int>(std::lround(line.from.x + dx * k / pieces)),
                    static_cast<int>(std::lround(line.from.y + dy * k / pieces)));
    region += QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
    from = to;
  }
  return region;
}

// The arrow tip at the end of an axis reaches back a fifth of its length.
QRect TipBounds(const TWheelLine& line) {
  const int reach = static_cast<int>(std::hypot(line.to.x - line.from.x,
                                                line.to.y - line.from.y) / 5) + 4;
  return QRect(line.to.x - reach, line.to.y - reach, 2 * reach, 2 * reach);
}

QColor GlyphRingColour(const TWheel& wheel, int glyphRing) {
  if (wheel.BW()) return Colour(wc::kBlack);
  return glyphRing == 1 && wheel.DualMode() ? Colour(wc::kDarkRed) : Colour(wc::kBlue);
}

}  // namespace

bool PictureMode() { return pictureMode; }

TPictureModeScope::TPictureModeScope() { pictureMode = true; }
TPictureModeScope::~TPictureModeScope() { pictureMode = false; }

QFont WheelFont(const QString& family, int height) {
  // Line height per pixel of font size, measured once per family.
  static QHash<QString, double> lineHeights;
  auto known = lineHeights.constFind(family);
  if (known == lineHeights.constEnd()) {
    QFont probe(family);
    probe.setPixelSize(1000);
    known = lineHeights.insert(family, QFontMetricsF(probe).height() / 1000);
  }
  QFont font(family);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(height / *known))));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QString BodyGlyphText(int slot) { return GlyphText(kBodyGlyphBytes.at(slot - 1)); }
QString SignGlyphText(int sign) { return GlyphText(kSignGlyphBytes.at(sign - 1)); }

TWheelPainter::TWheelPainter(QPainter& painter, const TWheel& wheel)
    : p_(painter), wheel_(wheel), g_(wheel.Geometry()),
      family_(QString::fromStdString(wheel.FontName())) {
  // On paper the lines keep their width in screen pixels of 96 dpi.
  if (PictureMode() && painter.device())
    penScale_ = std::max(1.0, painter.device()->logicalDpiY() / 96.0);
  p_.setRenderHint(QPainter::Antialiasing);
  p_.setRenderHint(QPainter::TextAntialiasing);
}

// ---- drawing primitives ----------------------------------------------------

int TWheelPainter::Width(int screen, int picture) const {
  return PictureMode() ? picture : screen;
}

void TWheelPainter::SetPen(const QColor& colour, int width) {
  const double scaled = width * penScale_;
  const long pixels = std::lround(scaled);
  offset_ = pixels % 2 == 1 ? 0.5 : 0;
  QPen pen(colour, scaled);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p_.setPen(pen);
}

void TWheelPainter::SetBrush(const QColor& colour) { p_.setBrush(colour); }

void TWheelPainter::ClearBrush() { p_.setBrush(Qt::NoBrush); }

QPointF TWheelPainter::At(TWheelPoint p) const { return {p.x + offset_, p.y + offset_}; }

void TWheelPainter::Line(const TWheelLine& line) { p_.drawLine(At(line.from), At(line.to)); }

void TWheelPainter::Ellipse(double radius) {
  const TWheelRect r = g_.Ring(radius);
  p_.drawEllipse(QRectF(r.left + offset_, r.top + offset_, r.Width(), r.Height()));
}

void TWheelPainter::Polygon(const TSignPolygon& polygon) {
  QPolygonF points;
  points.reserve(static_cast<int>(polygon.size()));
  for (const TWheelPoint& p : polygon) points.append(At(p));
  p_.drawPolygon(points);
}

void TWheelPainter::Text(TWheelPoint centre, const QString& text, int height) {
  const QFont font = WheelFont(family_, height);
  const QRectF box = CentredTextRect(centre, text, font);
  TextAt(QPointF(box.left(), box.top() + QFontMetricsF(font).ascent()), text, font);
}

// An SVG file gets its texts as outlines: its readers need not have the
// symbol font.
void TWheelPainter::TextAt(const QPointF& baseline, const QString& text, const QFont& font) {
  if (p_.paintEngine() && p_.paintEngine()->type() == QPaintEngine::SVG) {
    QPainterPath path;
    path.addText(baseline, font, text);
    p_.fillPath(path, p_.pen().color());
    return;
  }
  p_.setFont(font);
  p_.drawText(baseline, text);
}

// Two arcs of radius half the line's length, tangent to the line at its
// end, each curving back from the tip towards a point a fifth of the line
// behind it.
void TWheelPainter::ArrowTip(const TWheelLine& line) {
  const int x1 = line.to.x, y1 = line.to.y;
  const int dx = x1 - line.from.x, dy = y1 - line.from.y;
  const int r = static_cast<int>(std::sqrt(double(dx) * dx + double(dy) * dy)) / 2;
  if (r == 0) return;
  const QPoint back(x1 - dx / 5, y1 - dy / 5);
  // Directions as angles counter-clockwise on the screen, in degrees.
  auto direction = [](QPoint centre, QPoint to) {
    return std::atan2(-(to.y() - centre.y()), to.x() - centre.x()) * 180 / std::numbers::pi;
  };
  auto arc = [&](QPoint centre, QPoint from, QPoint to) {
    const double start = direction(centre, from);
    double span = direction(centre, to) - start;
    while (span < 0) span += 360;
    while (span >= 360) span -= 360;
    const QRectF box(centre.x() - r + offset_, centre.y() - r + offset_, 2 * r, 2 * r);
    p_.drawArc(box, static_cast<int>(std::lround(start * 16)),
               static_cast<int>(std::lround(span * 16)));
  };
  arc(QPoint(x1 - dy / 2, y1 + dx / 2), QPoint(x1, y1), back);
  arc(QPoint(x1 + dy / 2, y1 - dx / 2), back, QPoint(x1, y1));
}

void TWheelPainter::Ticks(const TTickSet& ticks) {
  QVarLengthArray<QLineF, 360> lines;
  for (const TWheelLine& tick : ticks) lines.append(QLineF(At(tick.from), At(tick.to)));
  p_.drawLines(lines.constData(), static_cast<int>(lines.size()));
}

// ---- the whole wheel ---------------------------------------------------------

void TWheelPainter::DrawWheel() {
  TBusyScope busy;
  p_.save();
  const bool dual = g_.dualMode;
  if (wheel_.Opaque()) {
    const TWheelRect& r = g_.rect;
    p_.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), Colour(wheel_.Color()));
  }
  DrawBase();
  DrawSignRing(g_.signs);
  DrawSeparators(g_.signs);
  SetPen(Colour(wc::kBlack), 1);
  ClearBrush();
  Ellipse(wr::kZodiacOuter);
  if (dual) {
    if (wheel_.BW()) ClearBrush();
    else SetBrush(Colour(wc::kLightYellow));
    Ellipse(wr::kRelationDisc);
    DrawSignRing(g_.innerSigns);
    DrawSeparators(g_.innerSigns);
  } else {
    SetBrush(Colour(wc::kSilver));
    Ellipse(wr::kHouseRing);
  }
  SetPen(Colour(wc::kBlack), 1);
  ClearBrush();
  Ellipse(g_.InnerRadius());
  Ellipse(wr::kZodiacInner);
  if (!dual) {
    Ticks(g_.ticks1);
    Ellipse(wr::kTickRing);
  }
  SetBrush(Colour(wc::kWhite));
  Ellipse(g_.InnerRadius());
  DrawCuspsAndHouses();
  const QColor signGlyphs = Colour(wheel_.BW() ? wc::kWhite : wc::kBlack);
  p_.setPen(signGlyphs);
  for (int i = 1; i <= 12; ++i) Text(g_.signGlyphs[i], SignGlyphText(i), g_.signFontHeight);
  if (dual) {
    SetPen(Colour(wc::kBlack), 1);
    Ticks(g_.ticks2);
    Ticks(g_.ticks3);
    ClearBrush();
    Ellipse(wr::kInnerChartInner);
    Ellipse(wr::kInnerChartOuter);
  }
  DrawAxes(g_.outer);
  if (dual) DrawAxes(g_.inner);
  if (!wheel_.ChartReady()) {
    p_.restore();
    return;
  }
  const QColor black = Colour(wc::kBlack);
  const QColor outerColour = GlyphRingColour(wheel_, 1);
  DrawGlyphs(g_.outer, outerColour, dual ? black : outerColour);
  if (dual) {
    if (!wheel_.InnerChartReady()) {
      p_.restore();
      return;
    }
    DrawGlyphs(g_.inner, GlyphRingColour(wheel_, 0), black);
  }
  if (PictureMode() && wheel_.ShowPosition()) DrawPositions();
  DrawAspects();
  p_.restore();
}

// The base disc under the zodiac and the charts.
void TWheelPainter::DrawBase() {
  SetPen(Colour(wc::kBlack), 1);
  SetBrush(Colour(wheel_.BW() || g_.dualMode ? wc::kWhite : wc::kLightYellow));
  Ellipse(wr::kZodiacInner);
}

void TWheelPainter::DrawSignRing(const std::array<TSignPolygon, 13>& signs) {
  for (int i = 1; i <= 12; ++i) {
    const QColor colour = Colour(wheel_.BW() ? wc::kSignBW : wc::kSigns[i]);
    SetPen(colour, 1);
    SetBrush(colour);
    Polygon(signs[i]);
  }
}

// The end boundary of each sign segment: from point 30 to point 31.
void TWheelPainter::DrawSeparators(const std::array<TSignPolygon, 13>& signs) {
  if (wheel_.BW() && PictureMode()) SetPen(Colour(wc::kWhite), 3);
  else SetPen(Colour(wc::kBlack), 1);
  for (int i = 1; i <= 12; ++i) Line(MakeWheelLine(signs[i][30], signs[i][31]));
}

void TWheelPainter::DrawCuspsAndHouses() {
  SetPen(Colour(wc::kBlack), 1);
  for (int h = 1; h <= 12; ++h) {
    Line(g_.outer.cusps[h]);
    if (g_.dualMode) Line(g_.inner.cusps[h]);
    else Text(g_.houseNumbers[h], QString::number(h), g_.houseFontHeight);
  }
}

void TWheelPainter::DrawAxes(const TChartRing& ring) {
  SetPen(Colour(wc::kBlack), Width(2, 3));
  for (int i = 1; i <= 4; ++i) DrawAxis(ring.axes[i], i == 1 || i == 4);
}

void TWheelPainter::DrawAxis(const TWheelLine& axis, bool tip) {
  Line(axis);
  if (tip) ArrowTip(axis);
}

void TWheelPainter::DrawGlyphs(const TChartRing& ring, const QColor& colour,
                               const QColor& pointer) {
  const int width = Width(g_.dualMode ? 1 : 2, 3);
  for (int slot = 1; slot <= 12; ++slot) {
    SetPen(pointer, width);
    Line(ring.pointers[slot]);
    p_.setPen(colour);
    Text(ring.glyphs[slot], BodyGlyphText(slot), GlyphHeight(g_, slot));
  }
}

// The degree within the sign below and right of each outer glyph.
void TWheelPainter::DrawPositions() {
  const QFont font = WheelFont(family_, g_.bodyFontHeight / 5 + 1);
  p_.setPen(Colour(wc::kBlack));
  for (int slot = 1; slot <= 12; ++slot) {
    const extended degrees = Trunc(wheel_.Angles().P[slot] * 100) / 100.0L;
    const QString text = QString::asprintf("%4.2f", static_cast<double>(degrees)).left(10);
    const QFont glyphFont = WheelFont(family_, GlyphHeight(g_, slot));
    const TWheelPoint at = g_.outer.glyphs[slot];
    const double top = at.y + QFontMetricsF(glyphFont).height() / 2;
    TextAt(QPointF(at.x, top + QFontMetricsF(font).ascent()), text, font);
  }
}

void TWheelPainter::DrawAspects() {
  if (!wheel_.ShowAspects()) return;
  const auto& table = wheel_.JapaneseAspectColors() ? wc::kJapaneseAspects : wc::kAspects;
  for (const TWheelAspectLine& aspect : g_.aspects) {
    const bool known = aspect.kind >= 0 && aspect.kind <= 12;
    SetPen(Colour(wheel_.BW() || !known ? wc::kBlack : table[aspect.kind]), 1);
    Line(aspect.line);
  }
}

// ---- the selection -------------------------------------------------------------

void TWheelPainter::DrawSelection(const QColor& colour) {
  p_.save();
  if (g_.dualMode) DrawRecord(wheel_.Selection(2), true, colour);
  DrawRecord(wheel_.Selection(1), false, colour);
  p_.restore();
}

void TWheelPainter::DrawBody(const TChartRing& ring, int slot, const QColor& colour) {
  SetPen(colour, 1);
  Line(ring.pointers[slot]);
  Text(ring.glyphs[slot], BodyGlyphText(slot), GlyphHeight(g_, slot));
}

// The second record (the inner ring of a double wheel) has no house, cusp
// or aspect of its own, and its axis is the inner chart's.
void TWheelPainter::DrawRecord(const TWheelSelection& record, bool second,
                               const QColor& colour) {
  if (!second && !g_.dualMode && record.house >= 1 && record.house <= 12) {
    p_.setPen(colour);
    Text(g_.houseNumbers[record.house], QString::number(record.house), g_.houseFontHeight);
  }
  const bool inner = record.glyphRing == 0;
  if (inner ? wheel_.InnerChartReady() : wheel_.ChartReady())
    for (int k = 0; k < record.count; ++k)
      DrawBody(inner ? g_.inner : g_.outer, record.bodies[k], colour);
  if (record.sign >= 1 && record.sign <= 12) {
    p_.setPen(colour);
    Text(g_.signGlyphs[record.sign], SignGlyphText(record.sign), g_.signFontHeight);
  }
  if (!second && record.cusp >= 1 && record.cusp <= 12) {
    SetPen(colour, 1);
    Line(g_.outer.cusps[record.cusp]);
  }
  if (record.axis >= 1 && record.axis <= 4 && (!second || g_.dualMode)) {
    SetPen(colour, 2);
    DrawAxis((second ? g_.inner : g_.outer).axes[record.axis],
             record.axis == 1 || record.axis == 4);
  }
  const int aspects = static_cast<int>(g_.aspects.size());
  if (!second && wheel_.ShowAspects() && record.aspect >= 1 && record.aspect <= aspects) {
    SetPen(colour, 1);
    Line(g_.aspects[record.aspect - 1].line);
  }
}

QRegion TWheelPainter::SelectionRegion(const TWheel& wheel) {
  const TWheelGeometry& g = wheel.Geometry();
  const QString family = QString::fromStdString(wheel.FontName());
  QRegion bounds;
  auto text = [&](TWheelPoint centre, const QString& s, int height) {
    bounds += CentredTextRect(centre, s, WheelFont(family, height)).toAlignedRect().adjusted(
        -2, -2, 2, 2);
  };
  auto record = [&](const TWheelSelection& r, bool second) {
    if (!second && !g.dualMode && r.house >= 1 && r.house <= 12)
      text(g.houseNumbers[r.house], QString::number(r.house), g.houseFontHeight);
    const bool inner = r.glyphRing == 0;
    const TChartRing& ring = inner ? g.inner : g.outer;
    for (int k = 0; k < r.count && (!inner || g.dualMode); ++k) {
      const int slot = r.bodies[k];
      if (slot < 1 || slot > 12) continue;
      bounds += LineRegion(ring.pointers[slot], 2);
      text(ring.glyphs[slot], BodyGlyphText(slot), GlyphHeight(g, slot));
    }
    if (r.sign >= 1 && r.sign <= 12)
      text(g.signGlyphs[r.sign], SignGlyphText(r.sign), g.signFontHeight);
    if (!second && r.cusp >= 1 && r.cusp <= 12) bounds += LineRegion(g.outer.cusps[r.cusp], 2);
    if (r.axis >= 1 && r.axis <= 4) {
      const TWheelLine& axis = (second ? g.inner : g.outer).axes[r.axis];
      bounds += LineRegion(axis, 3);
      if (r.axis == 1 || r.axis == 4) bounds += TipBounds(axis);
    }
    const int aspects = static_cast<int>(g.aspects.size());
    if (!second && r.aspect >= 1 && r.aspect <= aspects)
      bounds += LineRegion(g.aspects[r.aspect - 1].line, 2);
  };
  if (g.dualMode) record(wheel.Selection(2), true);
  record(wheel.Selection(1), false);
  return bounds;
}

}  // namespace vyn

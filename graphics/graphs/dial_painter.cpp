#include "graphics/graphs/dial_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "engine/horoscope.h"
#include "graphics/graphs/graph_drawing.h"
#include "language/language.h"

namespace vyn {
namespace {

QString PointGlyph(int point) {
  if (point <= 11) return QString::fromStdString(TLanguage::PlanetGlyph(point - 1));
  return QString::fromStdString(TLanguage::SymbolGlyph(point == 12 ? 33 : 35));
}

void DrawLine(QPainter& p, const TWheelLine& l) { p.drawLine(l.from.x, l.from.y, l.to.x, l.to.y); }

void DrawPerson(QPainter& p, const TDDial& dial, int person, const QColor& colour) {
  const TDialPerson& d = dial.Person(person);
  const QFont font = GraphFont(dial.Geometry().glyphFontHeight);
  const QFontMetrics metrics(font);
  for (int k = 1; k <= kDialPoints && d.order[k] != 0; ++k) {
    const int b = d.order[k];
    const QString glyph = PointGlyph(b);
    const int width = metrics.horizontalAdvance(glyph), height = metrics.height();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRect(d.glyphs[b].x - width / 2, d.glyphs[b].y - height / 2, width, height),
               Qt::AlignCenter | Qt::TextDontClip, glyph);
    p.setPen(QPen(QColor(255, 0, 0), 1));
    DrawLine(p, d.pointers[b]);
  }
}

}  // namespace

void DrawDegreeDial(QPainter& p, const TDDial& dial, int fillSize) {
  const TDialGeometry& g = dial.Geometry();
  const TWheelRect& R = g.rect;
  p.save();
  if (dial.Opaque && fillSize > 0) p.fillRect(QRect(0, 0, fillSize, fillSize), ToColor(dial.Color));
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(QPoint(R.left + 1, R.top + 1), QPoint(R.right - 1, R.bottom - 1)));
  p.drawRect(QRect(QPoint(g.band.left, g.band.top), QPoint(g.band.right, g.band.bottom)));
  p.fillRect(QRect(QPoint(g.band.left + 1, g.band.top + 1),
                   QPoint(g.band.right - 1, g.band.bottom - 1)),
             QColor(150, 150, 150));
  p.fillRect(QRect(QPoint(g.band.left + 1, g.stripeTop), QPoint(g.band.right - 1, g.stripeBottom)),
             QColor(255, 255, 192));
  for (const auto* ticks : {&g.upperTicks, &g.lowerTicks})
    for (const TWheelLine& t : *ticks) DrawLine(p, t);

  if (g.tickFontHeight > 0) p.setFont(GraphFont(g.tickFontHeight));
  const QFontMetrics numbers(p.font());
  for (std::size_t i = 0; i < g.upperTicks.size(); ++i) {
    const int x = g.upperTicks[i].from.x - (i == 0 ? 4 : 8);
    p.drawText(QPoint(x, g.tickNumberTop + numbers.ascent()), QString::number(5 * (i + 1)));
  }

  if (dial.ChartsShown()) {
    const int H = R.Height();
    p.setFont(GraphFont(g.titleFontHeight));
    p.setPen(QColor(0, 0, 255));
    p.drawText(QRect(R.left, R.top - H / 20, R.Width(), 2 * (H / 20)),
               Qt::AlignCenter | Qt::TextDontClip, QString::fromStdString(dial.Title()));
    DrawPerson(p, dial, 1, QColor(0, 0, 255));
    if (dial.Horoscope()->Partner()) DrawPerson(p, dial, 2, QColor(128, 0, 0));
  }
  p.restore();
}

}  // namespace vyn

#include "graphics/graphs/bar_graph_painter.h"

#include <QPainter>

#include "graphics/graphs/graph_drawing.h"

namespace vyn {
namespace {

const QColor kNavy(0, 0, 128), kSilver(192, 192, 192);

// The header's name: 0.9 of (height - 7) first, then smaller steps of
// (height - 2) while the name is wider than the strip.
void DrawHeaderName(QPainter& p, const QRect& header, const QString& name) {
  if (name.isEmpty()) return;
  int height = static_cast<int>(0.9 * (header.height() - 7));
  for (double f : {0.8, 0.6, 0.4, 0.3}) {
    if (QFontMetrics(GraphFont(height)).horizontalAdvance(name) <= header.width()) break;
    height = static_cast<int>(f * (header.height() - 2));
  }
  p.setFont(GraphFont(height));
  p.setPen(Qt::white);
  p.drawText(header.adjusted(header.width() / 20, 0, 0, 0),
             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, name);
}

void DrawPanel(QPainter& p, const TBarGraph& graph, int person) {
  const TBarPanel& panel = graph.Geometry().panels[person - 1];
  FillOutlined(p, ToQRect(panel.rect), ToColor(graph.Color), Qt::black);
  const QRect header = ToQRect(panel.header);
  p.fillRect(header, kNavy);
  DrawHeaderName(p, header, QString::fromStdString(graph.HeaderName(person)));
  for (int b = 1; b <= graph.Bars(); ++b) {
    const QRect back = ToQRect(panel.backs[b]);
    RaisedFrame(p, back);
    p.fillRect(back.adjusted(2, 2, -3, -3), kButtonFace);
    const QRect bar = ToQRect(panel.bars[b]).adjusted(2, 2, -3, -3);
    if (bar.width() > 0) p.fillRect(bar, ToColor(graph.BarColor(b)));
    p.setPen(QPen(kSilver, 1));
    for (int i = 1; i <= 9; ++i) {
      const int x = back.left() + back.width() * i / 10;
      p.drawLine(x, back.top() + 3, x, back.bottom() - 4);
    }
  }
}

}  // namespace

void DrawBarGraph(QPainter& painter, const TBarGraph& graph) {
  painter.save();
  DrawPanel(painter, graph, 1);
  DrawPanel(painter, graph, 2);
  const TBarGraphGeometry& g = graph.Geometry();
  const double divisor = graph.Kind() == TBarGraphKind::bkElement ? 1.5 : 1.75;
  auto caption = [&](const TWheelRect& r, const std::string& text) {
    const QRect box = ToQRect(r);
    DrawCentred(painter, box, QString::fromStdString(text),
                static_cast<int>(box.height() / divisor), Qt::black);
  };
  caption(g.title, graph.Title);
  for (int b = 1; b <= graph.Bars(); ++b) caption(g.captions[b], graph.Caption(b));
  painter.restore();
}

}  // namespace vyn

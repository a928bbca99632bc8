#include "graphics/graphs/compatibility_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "graphics/graphs/graph_drawing.h"
#include "language/language.h"

namespace vyn {
namespace {

struct TRowColours {
  QColor harmony, tension;
};

// Display rows 1..7.
const TRowColours kRowColours[] = {
    {},
    {QColor(255, 0, 255), QColor(215, 9, 189)},
    {QColor(255, 0, 0), QColor(204, 0, 0)},
    {QColor(255, 123, 0), QColor(204, 102, 0)},
    {QColor(255, 255, 0), QColor(225, 225, 0)},
    {QColor(0, 255, 0), QColor(0, 168, 0)},
    {QColor(0, 238, 238), QColor(0, 166, 166)},
    {QColor(119, 0, 251), QColor(84, 0, 176)},
};

const QColor kNavy(0, 0, 128), kSilver(192, 192, 192);

// Venus, Mars, Sun, Mercury, Moon, then the Ascendant and the Midheaven.
// A glyph no wider than its button, less a pixel of frame on each side.
int FittedGlyphHeight(const QString& glyph, int height, int buttonWidth) {
  const int room = buttonWidth - 4;
  const int width = QFontMetrics(GraphFont(height)).horizontalAdvance(glyph);
  if (room < 1 || width <= room) return height;
  return std::max(1, height * room / width);
}

QString RowGlyph(int row) {
  static const int kBodies[] = {0, 3, 4, 0, 2, 1};
  if (row <= 5) return QString::fromStdString(TLanguage::PlanetGlyph(kBodies[row]));
  return QString::fromStdString(TLanguage::SymbolGlyph(row == 6 ? 33 : 35));
}

class TCompatibilityPainter {
 public:
  TCompatibilityPainter(QPainter& p, const TCompatibility& graph, const TCompHover& hover)
      : p_(p), graph_(graph), g_(graph.Geometry()), hover_(hover) {}

  void Draw() {
    for (int person = 1; person <= 2; ++person) DrawPanel(person);
    DrawOverall();
    if (!graph_.forPrinting) DrawButtons();
    DrawGlyphsAndCaptions();
  }

 private:
  void DrawPanel(int person) {
    const TCompPanel& panel = g_.panels[person - 1];
    FillOutlined(p_, ToQRect(panel.rect), ToColor(graph_.Color), Qt::black);
    const QRect header = ToQRect(panel.header);
    p_.fillRect(header, kNavy);
    DrawFittedText(p_, header, QString::fromStdString(graph_.HeaderName(person)),
                   TFitAlign::faLeft, Qt::white);
    for (int r = 1; r <= kScoreCount; ++r) {
      const TCompBarRow& row = panel.rows[r];
      if (!graph_.forPrinting) RaisedFrame(p_, ToQRect(row.barArea).adjusted(-3, -3, 5, 5));
      const bool split = hover_.on && hover_.kind == person && hover_.number == r;
      if (split)
        DrawSplitRow(row, r);
      else
        DrawJointRow(row, r);
      DrawScale(row);
    }
  }

  // One bar over both halves, as long as the mean of the two bars.
  void DrawJointRow(const TCompBarRow& row, int r) {
    const QRect area = ToQRect(row.barArea);
    p_.fillRect(area, kButtonFace);
    const int end = (row.harmonyBar.right + row.tensionBar.right) / 2;
    p_.fillRect(QRect(area.left(), area.top(), end - area.left(), area.height()),
                kRowColours[r].harmony);
  }

  void DrawSplitRow(const TCompBarRow& row, int r) {
    DrawHalf(row.harmonyBack, row.harmonyBar, kRowColours[r].harmony, "+");
    DrawHalf(row.tensionBack, row.tensionBar, kRowColours[r].tension, "-");
  }

  void DrawHalf(const TWheelRect& back, const TWheelRect& bar, const QColor& colour,
                const QString& sign) {
    const QRect b = ToQRect(back);
    p_.fillRect(b, kButtonFace);
    p_.fillRect(ToQRect(bar), colour);
    const int size = b.height();
    DrawCentred(p_, QRect(b.right() - size - 2, b.top(), size, size), sign, size, Qt::white);
  }

  void DrawScale(const TCompBarRow& row) {
    p_.setPen(QPen(kSilver, 1));
    const TWheelRect& a = row.barArea;
    for (int i = 1; i <= 9; ++i) {
      const int x = a.left + a.Width() * i / 10;
      p_.drawLine(x, a.top, x, a.bottom - 1);
    }
  }

  void DrawOverall() {
    FillOutlined(p_, ToQRect(g_.overallFrame), Qt::white, Qt::black);
    DrawOverallBar(g_.harmonyBack, g_.harmonyBar, QColor(32, 32, 255), graph_.HarmonyLabel,
                   Qt::black, graph_.Scores().OverallHarmony(), Qt::black);
    const double tension = graph_.Scores().OverallTension();
    DrawOverallBar(g_.tensionBack, g_.tensionBar, QColor(0, 0, 160), graph_.TensionLabel,
                   Qt::white, tension, tension > 51 ? Qt::white : Qt::black);
  }

  void DrawOverallBar(const TWheelRect& back, const TWheelRect& bar, const QColor& colour,
                      const std::string& label, const QColor& labelColour, double percent,
                      const QColor& percentColour) {
    const QRect b = ToQRect(back);
    FillOutlined(p_, b, Qt::white, kSilver);
    p_.fillRect(ToQRect(bar), colour);
    DrawFittedText(p_, b, QString::fromStdString(label), TFitAlign::faLeft, labelColour);
    const QString text = QString::number(static_cast<int>(std::trunc(percent))) + "%";
    DrawCentred(p_, b, text, std::max(1, b.height() - 2), percentColour);
  }

  void DrawButtons() {
    for (int r = 1; r <= kScoreCount; ++r)
      for (const auto* buttons : {&g_.leftGlyphButtons, &g_.areaButtons, &g_.rightGlyphButtons})
        RaisedFrame(p_, ToQRect((*buttons)[r]));
    if (hover_.on && hover_.kind == 0) {
      const int person = hover_.number / 100, r = hover_.number % 100;
      if ((person == 1 || person == 2) && (r == 1 || r == 2)) {
        const auto& buttons = person == 1 ? g_.leftGlyphButtons : g_.rightGlyphButtons;
        p_.setPen(QPen(Qt::black, 1));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(ToQRect(buttons[r]).adjusted(3, 3, -4, -4));
      }
    }
  }

  void DrawGlyphsAndCaptions() {
    for (int r = 1; r <= kScoreCount; ++r) {
      const QRect area = ToQRect(g_.areaButtons[r]);
      // The Ascendant and Midheaven glyphs are letter pairs: smaller.
      int glyphHeight = std::max(1, area.height() * 3 / 4);
      if (r >= 6) glyphHeight = glyphHeight * 15 / 24 + 5;
      const QString glyph = RowGlyph(r);
      glyphHeight = FittedGlyphHeight(glyph, glyphHeight, ToQRect(g_.leftGlyphButtons[r]).width());
      for (TWheelPoint c : {g_.leftGlyphs[r], g_.rightGlyphs[r]}) {
        const QRect box(c.x - glyphHeight, c.y - glyphHeight / 2, 2 * glyphHeight, glyphHeight);
        DrawCentred(p_, box, glyph, glyphHeight, Qt::black);
      }
      QRect upper(area.left(), area.top(), area.width(), area.height() / 2);
      QRect lower(area.left(), upper.bottom() + 1, area.width(), area.height() - upper.height());
      if (graph_.forPrinting) {
        upper.setWidth(upper.width() * 108 / 100);
        lower.setWidth(lower.width() * 108 / 100);
      }
      const auto& [first, second] = graph_.Captions(r);
      DrawFittedText(p_, upper, QString::fromStdString(first), TFitAlign::faCentre, Qt::black,
                     graph_.forPrinting);
      DrawFittedText(p_, lower, QString::fromStdString(second), TFitAlign::faCentre, Qt::black,
                     graph_.forPrinting);
    }
  }

  QPainter& p_;
  const TCompatibility& graph_;
  const TCompGeometry& g_;
  TCompHover hover_;
};

}  // namespace

void DrawCompatibility(QPainter& painter, const TCompatibility& graph, const TCompHover& hover) {
  painter.save();
  TCompatibilityPainter(painter, graph, hover).Draw();
  painter.restore();
}

}  // namespace vyn

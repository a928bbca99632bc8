// Presses on the graphs: which part a point of the compatibility graph is
// and what the graph reports for it, the bars of the element and modality
// graphs, and the interpretation codes of every kind of press.
#include <gtest/gtest.h>

#include "graphics/graphs/bar_graph.h"
#include "graphics/graphs/compatibility.h"
#include "graphics/graphs/press_codes.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

TWheelPoint Centre(const TWheelRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Every press area of a 1000 × 700 graph reports its own row, person and
// portion; the harmony and tension halves of a row do not overlap.
TEST(CompatibilityPress, EveryAreaReportsItsBar) {
  TCompatibility graph;
  graph.Layout({0, 0, 1000, 700});
  const TCompGeometry& g = graph.Geometry();
  for (int r = 1; r <= kScoreCount; ++r) {
    SCOPED_TRACE(r);
    for (int person = 1; person <= 2; ++person) {
      const TCompBarRow& row = g.panels[person - 1].rows[r];
      const TWheelPoint h = Centre(row.harmonyBack), t = Centre(row.tensionBack);
      EXPECT_EQ(PressOf(graph.Hit(h.x, h.y)), (TBarPress{person, r, 1, "Graph"}));
      EXPECT_EQ(PressOf(graph.Hit(t.x, t.y)), (TBarPress{person, r, 2, "Graph"}));
      EXPECT_EQ(HoverOf(graph.Hit(h.x, h.y)), (TCompHover{true, r, person}));
      EXPECT_LE(row.harmonyBack.bottom - 1, row.tensionBack.top);
    }
    const TWheelPoint a = Centre(g.areaButtons[r]), l = Centre(g.leftGlyphButtons[r]),
                      rg = Centre(g.rightGlyphButtons[r]);
    EXPECT_EQ(PressOf(graph.Hit(a.x, a.y)), (TBarPress{1, r, 0, "Center Button"}));
    EXPECT_EQ(PressOf(graph.Hit(l.x, l.y)), (TBarPress{1, r, 0, "Planet Symbol"}));
    EXPECT_EQ(PressOf(graph.Hit(rg.x, rg.y)), (TBarPress{2, r, 0, "Planet Symbol"}));
    EXPECT_EQ(HoverOf(graph.Hit(rg.x, rg.y)), (TCompHover{true, 200 + r, 0}));
    EXPECT_EQ(HoverOf(graph.Hit(a.x, a.y)), (TCompHover{true, r, 10}));
    // The buttons lie between the panels.
    EXPECT_GT(g.leftGlyphButtons[r].left, g.panels[0].rect.right);
    EXPECT_LT(g.rightGlyphButtons[r].right, g.panels[1].rect.left);
  }
  const TWheelPoint h = Centre(g.harmonyBack), t = Centre(g.tensionBack);
  EXPECT_EQ(PressOf(graph.Hit(h.x, h.y)), (TBarPress{1, 0, 0, "Harmony"}));
  EXPECT_EQ(PressOf(graph.Hit(t.x, t.y)), (TBarPress{1, 0, 0, "Tension"}));
  EXPECT_EQ(PressOf(graph.Hit(2, 2)).portion, "");
  // The overall bars and the panels stay inside the rectangle.
  EXPECT_LE(g.tensionBack.bottom, 700);
  EXPECT_LE(g.panels[1].rect.right, 1000);
}

TEST(BarGraphPress, BarsOfBothPanelsInOrder) {
  for (TBarGraphKind kind : {TBarGraphKind::bkElement, TBarGraphKind::bkModality}) {
    TBarGraph graph(kind);
    graph.Layout({0, 0, 900, 400});
    const TBarGraphGeometry& g = graph.Geometry();
    for (int person = 1; person <= 2; ++person)
      for (int b = 1; b <= graph.Bars(); ++b) {
        const TWheelPoint c = Centre(g.panels[person - 1].backs[b]);
        EXPECT_EQ(graph.Hit(c.x, c.y), (TBarHit{person, b}));
        EXPECT_LE(g.panels[person - 1].backs[b].bottom, g.panels[person - 1].rect.bottom);
      }
    EXPECT_EQ(graph.Hit(450, 5), TBarHit{});
  }
}

TEST(PressCodes, OverallBarsRoundHalvesToEven) {
  struct TCase {
    double percent;
    const char* harmony;
    const char* tension;
  };
  for (const TCase& c : {TCase{25.5, "8PD", "8ND"}, TCase{25.4, "8PE", "8NE"},
                         TCase{24.5, "8PE", "8NE"}, TCase{40.5, "8PD", "8ND"},
                         TCase{50, "8PC", "8NC"}, TCase{65.5, "8PA", "8NA"},
                         TCase{100, "8PA", "8NA"}, TCase{0, "8PE", "8NE"}}) {
    EXPECT_EQ(OverallCode(true, c.percent), c.harmony) << c.percent;
    EXPECT_EQ(OverallCode(false, c.percent), c.tension) << c.percent;
  }
  EXPECT_EQ(RoundHalfEven(26.5), 26);
  EXPECT_EQ(RoundHalfEven(27.5), 28);
}

TEST(PressCodes, GlyphAreaAndVideo) {
  // The Venus row of a person with harmony 70 % and tension 30 %.
  const TGlyphCodes venus = GlyphButtonCodes(1, 70, 30);
  EXPECT_EQ(venus.code, "4XC");
  EXPECT_EQ(venus.level, "4501");
  EXPECT_EQ(GlyphButtonCodes(5, 10, 34).code, "2XE");   // Moon row
  EXPECT_EQ(GlyphButtonCodes(6, 100, 90).code, "6XA");  // Ascendant row
  EXPECT_EQ(GlyphButtonCodes(7, 35, 67.5).level, "2345");
  const TAreaCodes area = AreaButtonCodes(1, "AR", "TA");
  EXPECT_EQ(area.code, "VEAR/VETA");
  EXPECT_EQ(area.alternative, "VETA/VEAR");
  EXPECT_EQ(AreaButtonCodes(6, "LI", "CN").code, "DSLI/DSCN");
  EXPECT_EQ(GlyphVideoFile(1, 'E', "TA"), "E:\\vyn-3\\syna-avi\\Venus\\VETA.AVI");
  EXPECT_EQ(GlyphVideoFile(2, 'D', "AR"), "D:\\vyn-3\\syna-avi\\Mars\\MAAR.AVI");
  EXPECT_EQ(GlyphVideoFile(3, 'D', "AR"), "");
}

TEST(PressCodes, ElementAndModalityBars) {
  EXPECT_EQ(BarPressCodes(TBarGraphKind::bkModality, 1, 40, 33.6).code, "XCA");
  EXPECT_EQ(BarPressCodes(TBarGraphKind::bkModality, 1, 40, 33.6).second, "XCAZB");
  EXPECT_EQ(BarPressCodes(TBarGraphKind::bkModality, 3, 9, 9.5).second, "XMEZD");
  EXPECT_EQ(BarPressCodes(TBarGraphKind::bkElement, 2, 30, 7.4).second, "XFBZE");
  EXPECT_EQ(BarPressCodes(TBarGraphKind::bkElement, 4, 32, 16).second, "XEAZC");
  EXPECT_EQ(BarPressCodes(TBarGraphKind::bkElement, 5, 32, 16).code, "");
}

}  // namespace
}  // namespace vyn::testing

// The plain geometry and contents of the grid views: grid cells, tab rows,
// aspect cells and orbs, the symbol key's layout.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/desktop/views/aspect_cells.h"
#include "app/desktop/views/chart_tabs.h"
#include "app/desktop/views/column_grid.h"
#include "app/desktop/views/cusp_rows.h"
#include "app/desktop/views/planet_rows.h"
#include "app/desktop/views/symbol_key.h"
#include "engine/aspects.h"
#include "language/language.h"

namespace vyn::desktop {
namespace {

struct GridCase {
  const char* name;
  TColumnGrid grid;
  std::vector<int> columnRights;
  int rowHeight;  // of the first row
  int cellSize;
};

TEST(ColumnGridTest, EdgesAndCellSize) {
  const GridCase cases[] = {
      // Right edges at 7, 16, 23, 30, 37 of 37; c = min(370 / 5, 120 / 12).
      {"planets", PlanetGrid(QSize(370, 120)), {70, 160, 230, 300, 370}, 10, 10},
      // Wide rows: c = min(230 / 3, 240 / 12).
      {"cusps", CuspGrid(QSize(230, 240)), {70, 160, 230}, 20, 20},
      // Narrow: the width decides c.
      {"cusps narrow", CuspGrid(QSize(46, 600)), {14, 32, 46}, 50, 15},
      {"aspects", AspectGrid(QSize(300, 150)),
       {20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 260, 280, 300}, 10, 10},
      // A tiny window: everything collapses to zero but stays defined.
      {"tiny", PlanetGrid(QSize(3, 2)), {0, 1, 1, 2, 3}, 0, 0},
      {"empty", AspectGrid(QSize(0, 0)), std::vector<int>(15, 0), 0, 0},
  };
  for (const GridCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(c.grid.Columns(), static_cast<int>(c.columnRights.size()));
    for (int column = 0; column < c.grid.Columns(); ++column)
      EXPECT_EQ(c.grid.ColumnRight(column), c.columnRights[static_cast<std::size_t>(column)])
          << column;
    EXPECT_EQ(c.grid.RowBottom(0) - c.grid.RowTop(0), c.rowHeight);
    EXPECT_EQ(c.grid.CellSize(), c.cellSize);
    EXPECT_EQ(c.grid.GlyphHeight(), c.cellSize * 2 / 3);
    EXPECT_EQ(c.grid.TextHeight(), c.cellSize / 2);
  }
}

TEST(ColumnGridTest, CellsTileTheWholeArea) {
  // 12 rows over 125 pixels cannot all be equal: the remainder is spread,
  // and the cells still meet without gaps and end at the edges.
  for (const QSize size : {QSize(371, 125), QSize(7, 5), QSize(1000, 700)}) {
    const TColumnGrid grid = PlanetGrid(size);
    EXPECT_EQ(grid.RowTop(0), 0);
    EXPECT_EQ(grid.RowBottom(grid.Rows() - 1), size.height());
    EXPECT_EQ(grid.ColumnRight(grid.Columns() - 1), size.width());
    for (int row = 0; row + 1 < grid.Rows(); ++row) {
      EXPECT_EQ(grid.Cell(row, 0).bottom() + 1, grid.Cell(row + 1, 0).top());
      const int height = grid.RowBottom(row) - grid.RowTop(row);
      EXPECT_GE(height, size.height() / 12);
      EXPECT_LE(height, size.height() / 12 + 1);
    }
    for (int column = 0; column + 1 < grid.Columns(); ++column)
      EXPECT_EQ(grid.Cell(3, column).right() + 1, grid.Cell(3, column + 1).left());
  }
}

TEST(ColumnGridTest, RefusesEdgesThatDoNotEndAtTheWidth) {
  EXPECT_THROW(TColumnGrid(12, {7, 16}, 23, QSize(10, 10)), std::invalid_argument);
  EXPECT_THROW(TColumnGrid(12, {16, 7, 23}, 23, QSize(10, 10)), std::invalid_argument);
  EXPECT_THROW(TColumnGrid(0, {23}, 23, QSize(10, 10)), std::invalid_argument);
  EXPECT_THROW(TColumnGrid(12, {}, 23, QSize(10, 10)), std::invalid_argument);
}

TEST(ChartTabsTest, OneTabPerLoadedSlotCarryingItsSlot) {
  struct Case {
    const char* name;
    TSlotNames names;
    std::vector<TChartTab> slotTabs;
  };
  const Case cases[] = {
      {"nobody", {}, {}},
      {"the pair", {"Anna", "Ben"}, {{1, "Anna"}, {2, "Ben"}}},
      {"six", {"A", "B", "C", "D", "E", "F"},
       {{1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}, {5, "E"}, {6, "F"}}},
      // A gap: the second tab shows slot 3, not the empty slot 2.
      {"gap", {"Anna", "", "Clara"}, {{1, "Anna"}, {3, "Clara"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SlotTabs(c.names), c.slotTabs);
    std::vector<TChartTab> aspectTabs{{kPairSlot, "Contacts"}};
    aspectTabs.insert(aspectTabs.end(), c.slotTabs.begin(), c.slotTabs.end());
    EXPECT_EQ(AspectTabs("Contacts", c.names), aspectTabs);
  }
}

TEST(ChartTabsTest, TabOfSlot) {
  const std::vector<TChartTab> tabs = AspectTabs("Contacts", {"Anna", "", "Clara"});
  EXPECT_EQ(TabOfSlot(tabs, kPairSlot), 0);
  EXPECT_EQ(TabOfSlot(tabs, 1), 1);
  EXPECT_EQ(TabOfSlot(tabs, 3), 2);
  EXPECT_EQ(TabOfSlot(tabs, 2), std::nullopt);
  EXPECT_EQ(TabOfSlot({}, 1), std::nullopt);
}

TEST(AspectCellsTest, OrbInDegreesAndMinutes) {
  const std::pair<extended, const char*> cases[] = {
      {0, "0.00"},  {59, "0.59"}, {60, "1.00"},   {70, "1.10"},
      {95, "1.35"}, {479, "7.59"}, {600, "10.00"}, {-95, "1.35"},
  };
  for (const auto& [minutes, text] : cases)
    EXPECT_EQ(OrbText(minutes), text) << static_cast<double>(minutes);
}

TEST(AspectCellsTest, CellAtFirstPointRowAndSecondPointColumn) {
  TAspectList list;
  list.Add({1, 2, 0, 12});    // Sun conjunct Moon, 0.12
  list.Add({13, 14, 6, 75});  // Ascendant square Midheaven, 1.15
  list.Add({5, 3, 8, 0});
  const std::vector<TAspectCell> cells = AspectCells(list);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[0].row, 1);
  EXPECT_EQ(cells[0].column, 2);
  EXPECT_EQ(cells[0].glyph, TLanguage::AspectGlyph(0));
  EXPECT_EQ(cells[0].orb, "0.12");
  EXPECT_EQ(cells[1].row, 13);
  EXPECT_EQ(cells[1].column, 14);
  EXPECT_EQ(cells[1].glyph, TLanguage::AspectGlyph(6));
  EXPECT_EQ(cells[1].orb, "1.15");
  EXPECT_EQ(cells[2].row, 5);
  EXPECT_EQ(cells[2].column, 3);
}

TEST(AspectCellsTest, HeadersAreTheFourteenAspectPoints) {
  for (int point = 1; point <= 12; ++point)
    EXPECT_EQ(AspectHeaderGlyph(point), TLanguage::PlanetGlyph(point - 1));
  EXPECT_EQ(AspectHeaderGlyph(13), TLanguage::BodyGlyph(101));  // Ascendant
  EXPECT_EQ(AspectHeaderGlyph(14), TLanguage::BodyGlyph(110));  // Midheaven
}

TEST(AspectCellsTest, WithoutAChartNothingIsShown) {
  const TAspectGridContent pair = AspectGridContent(0, nullptr);
  EXPECT_TRUE(pair.cells.empty());
  EXPECT_EQ(pair.caption, acBase);  // the caption stays the pair caption
  const TAspectGridContent own = AspectGridContent(3, nullptr);
  EXPECT_TRUE(own.cells.empty());
  EXPECT_EQ(own.caption, acOwn);
}

TEST(AspectCellsTest, AnInactiveChartShowsNothing) {
  const THoroscope chart;  // never calculated
  ASSERT_FALSE(chart.Active());
  EXPECT_TRUE(AspectGridContent(0, &chart).cells.empty());
  EXPECT_TRUE(AspectGridContent(1, &chart).cells.empty());
  EXPECT_TRUE(PlanetRows(chart).empty());
  EXPECT_TRUE(CuspRows(chart).empty());
}

TEST(SymbolKeyTest, RowsGlyphColumnAndFont) {
  struct Case {
    QSize size;
    int rowHeight, glyphWidth, nameLeft, font;
  };
  const Case cases[] = {
      {QSize(320, 380), 10, 40, 50, 10},
      {QSize(320, 760), 20, 80, 90, 20},
      // Narrow: half the width limits the font.
      {QSize(30, 760), 20, 80, 90, 15},
      // Tiny: rows of no height still have cells.
      {QSize(10, 20), 0, 0, 10, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.size.width() << "x" << c.size.height());
    const TSymbolLayout layout(c.size);
    EXPECT_EQ(layout.RowHeight(), c.rowHeight);
    EXPECT_EQ(layout.GlyphColumnWidth(), c.glyphWidth);
    EXPECT_EQ(layout.NameCell(5).left(), c.nameLeft);
    EXPECT_EQ(layout.FontHeight(), c.font);
    EXPECT_EQ(layout.RowTop(kSymbolRows), c.size.height());
    EXPECT_EQ(layout.GlyphCell(7).top(), layout.NameCell(7).top());
  }
}

}  // namespace
}  // namespace vyn::desktop

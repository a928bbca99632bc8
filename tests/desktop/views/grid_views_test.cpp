// The chart grid views and the symbol explanation driven as widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QTabBar>
#include <QTest>

#include "app/desktop/views/background_menu.h"
#include "app/desktop/views/cusp_rows.h"
#include "app/desktop/views/placement_keeper.h"
#include "app/desktop/views/planet_rows.h"
#include "app/desktop/views/planets_win.h"
#include "app/desktop/views/win_aspects.h"
#include "app/desktop/views/win_cpos.h"
#include "app/desktop/views/win_symbols.h"
#include "engine/text_helpers.h"
#include "language/language.h"
#include "settings/vyn_setup.h"
#include "settings/window_placement.h"
#include "tests/desktop/views/desktop_fixture.h"

namespace vyn::desktop::testing {
namespace {

QImage Rendered(TChartGridView& view, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  view.Render(painter, size);
  return image;
}

void ClickTab(QTabBar* tabs, int index) {
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

class GridViewsTest : public DesktopTest {};

TEST_F(GridViewsTest, PlanetRowsOfTheShownChart) {
  StartWith({Anna(), Ben()});
  const THoroscope& anna = Program().Chart(1);
  ASSERT_TRUE(anna.Active());
  const std::vector<TPlanetRow> rows = PlanetRows(anna);
  ASSERT_EQ(rows.size(), 12u);
  for (int body = 1; body <= 12; ++body) {
    SCOPED_TRACE(body);
    const TPlanetRow& row = rows[static_cast<std::size_t>(body - 1)];
    const extended longitude = anna.PlanetPos(body);
    const int sign = static_cast<int>(Trunc(longitude) / 30);
    EXPECT_EQ(row.bodyGlyph, TLanguage::PlanetGlyph(body - 1));
    EXPECT_EQ(row.signGlyph, TLanguage::SignGlyph(sign));
    EXPECT_EQ(row.position, FormatPos(longitude - 30 * sign));
    EXPECT_EQ(row.house, std::to_string(anna.HouseOfBody(body - 1)));
    EXPECT_EQ(row.retrograde, anna.IsRetrograde(body));
  }
  // The Sun on 1 January stands in Capricorn, 10 degrees and a little.
  EXPECT_EQ(rows[0].signGlyph, TLanguage::SignGlyph(9));
  EXPECT_EQ(rows[0].position.substr(0, 3), "10.");
}

TEST_F(GridViewsTest, CuspRowsLabelTheAnglesWithGlyphs) {
  StartWith({Anna(), Ben()});
  const std::vector<TCuspRow> rows = CuspRows(Program().Chart(2));
  ASSERT_EQ(rows.size(), 12u);
  for (int cusp = 1; cusp <= 12; ++cusp)
    EXPECT_EQ(rows[static_cast<std::size_t>(cusp - 1)].label, TLanguage::CuspGlyph(cusp));
  EXPECT_EQ(rows[1].label, "2");
  EXPECT_NE(rows[0].label, "1");
}

TEST_F(GridViewsTest, ChoosingATabShowsThatPersonsRows) {
  StartWith({Anna(), Ben()});
  TPlanetsWin planets(Program());
  planets.resize(370, 300);
  planets.show();
  QTabBar* tabs = planets.TabBar();
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), "Anna");
  EXPECT_EQ(tabs->tabText(1), "Ben");
  EXPECT_EQ(planets.ShownSlot(), 1);
  EXPECT_EQ(planets.Rows(), PlanetRows(Program().Chart(1)));

  ClickTab(tabs, 1);
  EXPECT_EQ(planets.ShownSlot(), 2);
  EXPECT_EQ(planets.Rows(), PlanetRows(Program().Chart(2)));
  EXPECT_FALSE(planets.Rows() == PlanetRows(Program().Chart(1)));

  TWinCPos cusps(Program());
  cusps.resize(260, 320);
  cusps.show();
  ClickTab(cusps.TabBar(), 1);
  EXPECT_EQ(cusps.ShownSlot(), 2);
  EXPECT_EQ(cusps.Rows(), CuspRows(Program().Chart(2)));
}

TEST_F(GridViewsTest, ARecalculationRenewsTheRowsAndKeepsTheShownPerson) {
  StartWith({Anna(), Ben()});
  TWinCPos cusps(Program());
  cusps.show();
  ClickTab(cusps.TabBar(), 1);
  const std::vector<TCuspRow> placidus = cusps.Rows();
  Program().SetHouseSystem(2);  // Equal houses: both charts recalculate
  EXPECT_EQ(cusps.ShownSlot(), 2);
  EXPECT_EQ(cusps.Rows(), CuspRows(Program().Chart(2)));
  EXPECT_FALSE(cusps.Rows() == placidus);
}

TEST_F(GridViewsTest, EmptiedTabsComeBackWithTheNextChartChange) {
  StartWith({Anna(), Ben()});
  TPlanetsWin planets(Program());
  planets.ClearTabs();
  EXPECT_EQ(planets.TabBar()->count(), 0);
  EXPECT_EQ(planets.ShownSlot(), -1);
  EXPECT_TRUE(planets.Rows().empty());
  Program().SetHouseSystem(1);
  EXPECT_EQ(planets.TabBar()->count(), 2);
  EXPECT_EQ(planets.ShownSlot(), 1);
  EXPECT_EQ(planets.Rows(), PlanetRows(Program().Chart(1)));
}

TEST_F(GridViewsTest, AnInactiveChartPaintsOnlyTheGrid) {
  StartWith({Anna(), Ben()});
  const QSize size(370, 240);
  for (bool planetsView : {true, false}) {
    SCOPED_TRACE(planetsView ? "planets" : "cusps");
    std::unique_ptr<TChartGridView> view;
    if (planetsView) view = std::make_unique<TPlanetsWin>(Program());
    else view = std::make_unique<TWinCPos>(Program());
    const QImage shown = Rendered(*view, size);
    view->ClearTabs();
    const QImage gridOnly = Rendered(*view, size);
    EXPECT_NE(shown, gridOnly);
    view->RefreshTabs();
    Program().Chart(1).SetActive(false);
    EXPECT_EQ(Rendered(*view, size), gridOnly);
    Program().Chart(1).SetActive(true);
  }
}

TEST_F(GridViewsTest, ATinyWindowStillDraws) {
  StartWith({Anna(), Ben()});
  TPlanetsWin planets(Program());
  TWinCPos cusps(Program());
  TWinAspects aspects(Program());
  for (const QSize size : {QSize(1, 1), QSize(4, 3), QSize(13, 11), QSize(40, 25)}) {
    SCOPED_TRACE(::testing::Message() << size.width() << "x" << size.height());
    for (TChartGridView* view : std::initializer_list<TChartGridView*>{&planets, &cusps, &aspects})
      EXPECT_FALSE(Rendered(*view, size).isNull());
  }
  // Shrunk as windows, tab row and all.
  for (QWidget* view : std::initializer_list<QWidget*>{&planets, &cusps, &aspects}) {
    view->resize(12, 9);
    EXPECT_FALSE(view->grab().isNull());
  }
}

TEST_F(GridViewsTest, AspectGridCaptionFollowsTheTab) {
  StartWith({Anna(), Ben()});
  TWinAspects aspects(Program());
  aspects.resize(500, 300);
  aspects.show();
  QTabBar* tabs = aspects.TabBar();
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(0), "Contacts");
  EXPECT_EQ(aspects.ShownSlot(), kPairSlot);

  const THoroscope& anna = Program().Chart(1);
  ASSERT_GT(anna.CrossAspectCount(), 0);
  const TAspectGridContent pair = aspects.Content();
  EXPECT_EQ(pair.cells.size(), AspectCells(anna.CrossAspects()).size());
  EXPECT_TRUE(pair.partnerColours);
  EXPECT_EQ(aspects.windowTitle(), "Vertical: Anna  Horizontal: Ben");

  ClickTab(tabs, 2);
  EXPECT_EQ(aspects.windowTitle(), "Aspects");
  const TAspectGridContent own = aspects.Content();
  EXPECT_EQ(own.cells.size(), AspectCells(Program().Chart(2).OwnAspects()).size());
  EXPECT_TRUE(own.partnerColours);  // Ben has a partner

  ClickTab(tabs, 0);
  EXPECT_EQ(aspects.windowTitle(), "Vertical: Anna  Horizontal: Ben");
}

TEST_F(GridViewsTest, PairTabWithoutContactsKeepsTheWindowCaption) {
  // One person: no partner, so no contacts between a pair.
  StartWith({Anna(), Ben()}, 1);
  ASSERT_EQ(Program().Chart(1).Partner(), nullptr);
  TWinAspects aspects(Program());
  aspects.show();
  EXPECT_EQ(aspects.windowTitle(), "Vertical: Anna");
  EXPECT_TRUE(aspects.Content().cells.empty());
  ClickTab(aspects.TabBar(), 1);
  EXPECT_EQ(aspects.windowTitle(), "Aspects");
  ClickTab(aspects.TabBar(), 0);
  EXPECT_EQ(aspects.windowTitle(), "Vertical: Anna");
}

TEST_F(GridViewsTest, OwnAspectsOfAChartWithoutPartnerUseTheFontColour) {
  StartWith({Anna()});
  Program().Chart(1).SetActive(true);
  TWinAspects aspects(Program());
  aspects.show();
  ClickTab(aspects.TabBar(), 1);
  const TAspectGridContent own = aspects.Content();
  EXPECT_FALSE(own.cells.empty());
  EXPECT_FALSE(own.partnerColours);
}

TEST_F(GridViewsTest, LanguageSwitchRecaptionsEveryView) {
  StartWith({Anna(), Ben()});
  TPlanetsWin planets(Program());
  TWinCPos cusps(Program());
  TWinAspects aspects(Program());
  TWinSymbols symbols(Program());
  EXPECT_EQ(planets.windowTitle(), "Planet Positions");
  EXPECT_EQ(cusps.windowTitle(), "House Cusps");
  EXPECT_EQ(symbols.windowTitle(), "Symbol Explanation");
  const std::string sunInEnglish = symbols.Entries()[0].name;

  Program().ApplyLanguage("GE");
  EXPECT_EQ(planets.windowTitle(), Program().Token(1018));
  EXPECT_EQ(planets.windowTitle(), "Planetenpositionen");
  EXPECT_EQ(cusps.windowTitle(), Program().Token(1019));
  EXPECT_EQ(symbols.windowTitle(), Program().Token(1020));
  EXPECT_EQ(aspects.windowTitle(),
            Program().Token(26) + ": Anna  " + Program().Token(27) + ": Ben");
  EXPECT_EQ(aspects.TabBar()->tabText(0), Program().Token(972));
  EXPECT_NE(Program().Token(1018), "Planet Positions");
  // The symbol names stay in the language the window opened with.
  EXPECT_EQ(symbols.Entries()[0].name, sunInEnglish);
}

TEST_F(GridViewsTest, SymbolExplanationListsThirtyEightSymbols) {
  OpenProgram();
  TWinSymbols symbols(Program());
  const std::vector<TSymbolEntry>& entries = symbols.Entries();
  ASSERT_EQ(entries.size(), 38u);
  EXPECT_EQ(entries[0].name, "Sun");
  EXPECT_EQ(entries[12].name, Program().Token(46).toStdString());  // Aries
  for (int i = 0; i < 38; ++i)
    EXPECT_EQ(entries[static_cast<std::size_t>(i)].glyph, TLanguage::SymbolGlyph(i)) << i;
  for (const QSize size : {QSize(320, 350), QSize(5, 5)}) {
    symbols.resize(size);
    EXPECT_FALSE(symbols.grab().isNull());
  }
}

TEST_F(GridViewsTest, BoundsAreKeptOnResizeAndClose) {
  StartWith({Anna(), Ben()});
  QMdiArea area;
  area.resize(1000, 700);
  area.show();
  auto* view = new TPlanetsWin(Program());
  QPointer<TPlanetsWin> alive(view);
  QMdiSubWindow* frame = area.addSubWindow(view);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->show();
  EXPECT_EQ(view->Placement()->Frame(), frame);
  EXPECT_EQ(frame->windowTitle(), "Planet Positions");

  frame->setGeometry(30, 40, 290, 310);
  WindowPlacement& placement = Program().Setup().Placement(wiPlanets);
  EXPECT_TRUE(placement.Valid);
  EXPECT_EQ(placement.Bounds, (TBounds{30, 40, 290, 310}));

  frame->move(50, 60);  // a move alone is kept when the window closes
  frame->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(placement.Bounds, (TBounds{50, 60, 290, 310}));
  EXPECT_EQ(placement.State, wsNormal);
  EXPECT_TRUE(alive.isNull());  // the view freed itself
}

TEST_F(GridViewsTest, MaximisedWindowKeepsItsNormalBounds) {
  StartWith({Anna(), Ben()});
  QMdiArea area;
  area.resize(1000, 700);
  area.show();
  auto* view = new TWinAspects(Program());
  QMdiSubWindow* frame = area.addSubWindow(view);
  frame->show();
  frame->setGeometry(10, 20, 500, 300);
  frame->showMaximized();
  const WindowPlacement& placement = Program().Setup().Placement(wiAspects);
  EXPECT_EQ(placement.State, wsMaximized);
  EXPECT_EQ(placement.Bounds, (TBounds{10, 20, 500, 300}));
}

TEST_F(GridViewsTest, StoredPlacementIsAppliedToTheFrame) {
  OpenProgram();
  QMdiArea area;
  area.resize(1000, 700);
  area.show();
  QMdiSubWindow* frame = area.addSubWindow(new TWinSymbols(Program()));
  frame->show();
  ApplyPlacement(frame, {true, {20, 0, 320, 350}, wsNormal});
  EXPECT_EQ(frame->geometry(), QRect(20, 0, 320, 350));
  ApplyPlacement(frame, {true, {40, 10, 300, 300}, wsMaximized});
  EXPECT_TRUE(frame->isMaximized());
  // Stored while maximised: only the state; the normal bounds stay.
  EXPECT_EQ(Program().Setup().Placement(wiSymbols).State, wsMaximized);
  EXPECT_EQ(Program().Setup().Placement(wiSymbols).Bounds, (TBounds{40, 10, 300, 300}));
}

TEST_F(GridViewsTest, PopupMenuSetsTheBackgroundColour) {
  StartWith({Anna(), Ben()});
  TWinAspects aspects(Program());
  aspects.resize(500, 300);
  aspects.show();
  aspects.PopupMenu()->SetColorChooser(
      [](QWidget*, QColor) -> std::optional<QColor> { return QColor(255, 255, 224); });
  QWidget* canvas = aspects.Canvas();
  const QPoint inside(canvas->width() / 2, canvas->height() / 2);
  QContextMenuEvent press(QContextMenuEvent::Mouse, inside, canvas->mapToGlobal(inside));
  QApplication::sendEvent(canvas, &press);
  QMenu* menu = aspects.PopupMenu()->Menu();
  ASSERT_TRUE(menu->isVisible());
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text(), "Background Color...");
  menu->actions()[0]->trigger();
  menu->close();
  EXPECT_EQ(aspects.BackgroundColor(), QColor(255, 255, 224));
  // Cell (0, 0) stays empty: it shows the new colour.
  EXPECT_EQ(canvas->grab().toImage().pixelColor(3, 3), QColor(255, 255, 224));

  // A cancelled colour dialog changes nothing.
  aspects.PopupMenu()->SetColorChooser([](QWidget*, QColor) { return std::optional<QColor>(); });
  aspects.PopupMenu()->BackgroundAction()->trigger();
  EXPECT_EQ(aspects.BackgroundColor(), QColor(255, 255, 224));
}

}  // namespace
}  // namespace vyn::desktop::testing

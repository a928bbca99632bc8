// The wheel window and the wheel view driven offscreen through their real
// widgets: the twin and double layouts, presses on bodies, people dropped
// from the name list, the pop-up menu and the name plates.
#include "app/desktop/wheel/wheel_win.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QtTest/QTest>

#include "app/desktop/settings_qt.h"
#include "app/desktop/views/name_outline_model.h"
#include "app/desktop/views/person_drag.h"
#include "app/desktop/views/win_names.h"
#include "app/desktop/wheel/related_bodies.h"
#include "app/desktop/wheel/wheel_popup_menu.h"
#include "engine/horoscope.h"
#include "graphics/wheel/wheel_widget.h"
#include "language/qt/form_translation.h"
#include "tests/desktop/wheel/wheel_window_fixture.h"
#include "tests/support/temp_directory.h"

namespace vyn::desktop::testing {
namespace {

class WheelWinTest : public WheelViewTest {
 protected:
  void Press(int k, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(&WheelWidget(k), button, {}, at);
  }
  bool Shown(QWidget* widget) { return widget->isVisibleTo(&Win()); }
  int ShownWheels() {
    int count = 0;
    for (int k = 1; k <= kWheelCount; ++k) count += Shown(Win().Wheel(k));
    return count;
  }
  // The first body of `from` that relates bodies of `to`, with them.
  int FirstRelatingBody(const THoroscope& from, const THoroscope& to, std::vector<int>& related) {
    for (int slot = 1; slot <= 12; ++slot) {
      related = RelatedBodies(from, BodyCodeOfSlot(slot), to);
      if (!related.empty()) return slot;
    }
    return 0;
  }
  QColor PixelAt(QPoint at) { return Win().grab().toImage().pixelColor(at * Win().devicePixelRatio()); }
  TWheelPopupMenu& Menu() { return Win().PopupMenu(); }
};

TEST_F(WheelWinTest, OpensWithTheTwoPeopleAsTwinWheels) {
  OpenView(People(2));
  EXPECT_EQ(Win().Layout(), wlTwin);
  EXPECT_EQ(ShownWheels(), 2);
  for (int k = 1; k <= kWheelCount; ++k) EXPECT_EQ(WheelOf(k).Horoscope(), &Program().Chart(k));
  EXPECT_EQ(WheelOf(1).RelationWheel(), &WheelOf(2));
  EXPECT_EQ(WheelOf(2).RelationWheel(), &WheelOf(1));
  EXPECT_FALSE(WheelOf(1).DualMode());
  EXPECT_EQ(Win().Plate(1)->text(), "Anna");
  EXPECT_EQ(Win().Plate(2)->text(), "Ben");
  EXPECT_TRUE(Shown(Win().Plate(1)));
  EXPECT_FALSE(Shown(Win().Plate(3)));
  EXPECT_EQ(Win().Plate(1)->size(), QSize(120, 25));
  // The view is captioned by its first tab; the toggle offers the double wheel.
  EXPECT_EQ(View().windowTitle(), Program().Token(381));
  EXPECT_EQ(Menu().BiWheel()->text(), Program().Token(971));
  EXPECT_GE(View().minimumWidth(), 390);
}

TEST_F(WheelWinTest, TheToggleSwitchesToTheDoubleWheelAndBack) {
  OpenView(People(2));
  Menu().BiWheel()->trigger();
  EXPECT_EQ(Win().Layout(), wlDouble);
  EXPECT_TRUE(WheelOf(1).DualMode());
  EXPECT_FALSE(Shown(Win().Wheel(2)));
  EXPECT_EQ(Win().Wheel(1)->geometry(), Win().rect());
  EXPECT_EQ(Win().Plate(1)->text(), "Outer: Anna");
  EXPECT_EQ(Win().Plate(2)->text(), "Inner: Ben");
  EXPECT_EQ(Menu().BiWheel()->text(), Program().Token(970));
  EXPECT_EQ(Program().Chart(1).Partner(), &Program().Chart(2));

  Menu().BiWheel()->trigger();
  EXPECT_EQ(Win().Layout(), wlTwin);
  EXPECT_FALSE(WheelOf(1).DualMode());
  EXPECT_TRUE(Shown(Win().Wheel(2)));
  EXPECT_EQ(Win().Plate(1)->text(), "Anna");
  EXPECT_EQ(Menu().BiWheel()->text(), Program().Token(971));
}

TEST_F(WheelWinTest, APressOnABodyOfTheFirstWheelHighlightsItsPartnersRelatedBodies) {
  OpenView(People(2));
  Program().SetCurrentSlot(2);
  std::vector<int> related;
  const int body = FirstRelatingBody(Program().Chart(1), Program().Chart(2), related);
  ASSERT_GT(body, 0) << "Anna and Ben have overlay aspects";
  Press(1, GlyphPoint(WheelWidget(1), body));
  EXPECT_EQ(Program().CurrentSlot(), 1);
  EXPECT_EQ(SelectedBodies(WheelWidget(2), 1), related);
  EXPECT_TRUE(WheelWidget(2).BlinkTimer().isActive());
  EXPECT_EQ(Win().LastHit().type, htPlanet);
  EXPECT_EQ(Win().LastHit().ref, body);
  EXPECT_EQ(bar_.calls, (std::vector<TCall>{{"FocusBody", body - 1}}));
}

TEST_F(WheelWinTest, APressOnTheSecondWheelMakesTheSecondPersonCurrent) {
  OpenView(People(2));
  std::vector<int> related;
  const int body = FirstRelatingBody(Program().Chart(2), Program().Chart(1), related);
  ASSERT_GT(body, 0);
  WheelOf(1).Select(false, htPlanet, 12);  // an earlier highlight goes
  Press(2, GlyphPoint(WheelWidget(2), body));
  EXPECT_EQ(Program().CurrentSlot(), 2);
  EXPECT_EQ(SelectedBodies(WheelWidget(1), 1), related);
  EXPECT_EQ(interpretation_.calls, (std::vector<TCall>{{"SetCurrentPerson", 2}}));
  EXPECT_EQ(bar_.calls, (std::vector<TCall>{{"FocusBody", body - 1}}));
}

// On the double wheel a body of the inner ring makes the second person
// current, blinks on its own ring and highlights its related bodies on the
// outer ring.
TEST_F(WheelWinTest, APressOnTheInnerRingSelectsOnBothRings) {
  OpenView(People(2));
  Menu().BiWheel()->trigger();
  std::vector<int> related;
  const int body = FirstRelatingBody(Program().Chart(2), Program().Chart(1), related);
  ASSERT_GT(body, 0);
  Press(1, GlyphPoint(WheelWidget(1), body, true));
  EXPECT_EQ(Program().CurrentSlot(), 2);
  EXPECT_EQ(SelectedBodies(WheelWidget(1), 2), std::vector<int>{body});
  EXPECT_EQ(SelectedBodies(WheelWidget(1), 1), related);
  // A body of the outer ring makes the first person current again.
  Press(1, GlyphPoint(WheelWidget(1), body));
  EXPECT_EQ(Program().CurrentSlot(), 1);
}

// An axis highlights like a body and focuses the cusp it ends on.
TEST_F(WheelWinTest, AnAxisFocusesItsCusp) {
  OpenView(People(2));
  Win().Wheel1MouseHit(WheelOf(1), htAxis, 4);
  EXPECT_EQ(bar_.calls, (std::vector<TCall>{{"FocusCusp", 10}}));
  EXPECT_EQ(SelectedBodies(WheelWidget(2), 1), RelatedBodies(Program().Chart(1), "MC", Program().Chart(2)));
  Win().Wheel2MouseHit(WheelOf(2), htAxis, 3);
  EXPECT_EQ(bar_.calls.back(), (TCall{"FocusCusp", 7}));
  Win().Wheel2MouseHit(WheelOf(2), htLeftClick, 0);
  EXPECT_EQ(bar_.calls.back(), (TCall{"ClearFocus", 0}));
}

TEST_F(WheelWinTest, AfterALanguageSwitchTheLastPressIsReplayedOnTheCurrentPersonsWheel) {
  OpenView(People(2));
  Press(2, GlyphPoint(WheelWidget(2), 3));
  bar_.calls.clear();
  Win().ReplayLastHit();
  EXPECT_EQ(bar_.calls, (std::vector<TCall>{{"FocusBody", 2}}));
  EXPECT_EQ(Program().CurrentSlot(), 2);
}

struct TMenuCase {
  int people;
  int wheel;
  bool opens;
};

class WheelMenuTest : public WheelWinTest, public ::testing::WithParamInterface<TMenuCase> {};

// The first wheel opens the menu only with two wheels or the double wheel;
// the second in every layout.
TEST_P(WheelMenuTest, ARightPressOpensTheMenuWhereItBelongs) {
  const TMenuCase& c = GetParam();
  OpenView(People(c.people));
  Win().SetLayout(c.people);
  Press(c.wheel, CentrePoint(WheelWidget(c.wheel)), Qt::RightButton);
  EXPECT_EQ(Menu().Menu()->isVisible(), c.opens);
  Menu().Menu()->hide();
}

INSTANTIATE_TEST_SUITE_P(Layouts, WheelMenuTest,
                         ::testing::Values(TMenuCase{2, 1, true}, TMenuCase{2, 2, true},
                                           TMenuCase{3, 1, false}, TMenuCase{3, 2, true},
                                           TMenuCase{4, 3, false}));

struct TDropCase {
  bool doubleWheel;
  int wheel;
  bool onInnerRing;
  int slot;  // where the person goes
};

class WheelDragTest : public WheelWinTest {
 protected:
  // Clara's drag from the name list, as its double click starts it.
  std::unique_ptr<QMimeData> DragOfClara() {
    TWinNames names(Program());
    std::unique_ptr<QMimeData> payload;
    names.Outline()->SetDragRunner([&payload](QWidget*, QMimeData* data) { payload.reset(data); });
    TNameOutlineModel* model = names.Model();
    const QModelIndex people = model->TopNode(TNameOutlineModel::tnPeople);
    while (model->canFetchMore(people)) model->fetchMore(people);
    for (int row = 0; row < model->rowCount(people); ++row) {
      const QModelIndex index = model->index(row, 0, people);
      if (index.data().toString() != "Clara Ruiz") continue;
      names.resize(300, 300);
      names.show();
      QTest::mouseDClick(names.Outline()->viewport(), Qt::LeftButton, {},
                         names.Outline()->visualRect(index).center());
    }
    return payload;
  }
  // The drag enters the wheel, moves to `at` and drops there.
  bool Drop(TWheelWidget& wheel, QPoint at, const QMimeData& data) {
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&wheel, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&wheel, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&wheel, &drop);
    return drop.isAccepted();
  }
};

class WheelDropTest : public WheelDragTest, public ::testing::WithParamInterface<TDropCase> {};

TEST_P(WheelDropTest, APersonDroppedOnAWheelIsLoadedIntoItsChart) {
  const TDropCase& c = GetParam();
  OpenView(People(3), 2);  // Clara is stored but not loaded
  if (c.doubleWheel) Menu().BiWheel()->trigger();
  const std::unique_ptr<QMimeData> payload = DragOfClara();
  ASSERT_TRUE(payload);
  TWheelWidget& wheel = WheelWidget(c.wheel);
  const QPoint at = c.onInnerRing ? CentrePoint(wheel) : GlyphPoint(wheel, 1);
  ASSERT_TRUE(Drop(wheel, at, *payload));
  const int other = c.slot == 1 ? 2 : 1;
  EXPECT_EQ(Program().Chart(c.slot).FirstName(), "Clara");
  EXPECT_TRUE(Program().Chart(c.slot).Active());
  EXPECT_TRUE(Program().SlotFilled(c.slot));
  EXPECT_EQ(Program().Chart(other).FirstName(), other == 1 ? "Anna" : "Ben");
  const QString prefix = c.doubleWheel ? (c.slot == 1 ? Win().OuterText() : Win().InnerText()) : "";
  EXPECT_EQ(Win().Plate(c.slot)->text(), prefix + "Clara");
  EXPECT_EQ(interpretation_.calls.back(), (TCall{"RebuildTopics", 0}));
}

INSTANTIATE_TEST_SUITE_P(Targets, WheelDropTest,
                         ::testing::Values(TDropCase{false, 1, false, 1},
                                           TDropCase{false, 2, false, 2},
                                           TDropCase{true, 1, true, 2},
                                           TDropCase{true, 1, false, 1}));

TEST_F(WheelDragTest, ADragWithoutAPersonIsRefused) {
  OpenView(People(2));
  QMimeData text;
  text.setText("Clara Ruiz");
  EXPECT_FALSE(Drop(WheelWidget(1), CentrePoint(WheelWidget(1)), text));
  EXPECT_EQ(Program().Chart(1).FirstName(), "Anna");
}

TEST_F(WheelDragTest, APersonOnAThirdWheelStaysWithThatWheel) {
  OpenView(People(3), 3);
  StorePeople({People(4).back()}, 0);  // Dora, stored only
  Win().SetLayout(wlThree);
  TDraggedPerson dora{"Dora", "Weiss"};
  ASSERT_TRUE(Drop(WheelWidget(3), GlyphPoint(WheelWidget(3), 1), *PersonMimeData(dora)));
  EXPECT_EQ(Program().Chart(3).FirstName(), "Dora");
  EXPECT_EQ(Program().Chart(1).FirstName(), "Anna");
  EXPECT_EQ(Win().Plate(3)->text(), "Dora");
}

// The menu key opens the same menu, for those who use the keyboard, in
// every layout that has a wheel offering it; a right-button press reaches
// it only through the wheels.
TEST_F(WheelWinTest, TheMenuKeyOpensTheMenu) {
  OpenView(People(3));
  for (int layout : {wlTwin, wlDouble, wlThree}) {
    SCOPED_TRACE(layout);
    Win().SetLayout(layout);
    // What the window system sends for the menu key.
    QContextMenuEvent key(QContextMenuEvent::Keyboard, Win().rect().center(),
                          Win().mapToGlobal(Win().rect().center()));
    QApplication::sendEvent(&Win(), &key);
    EXPECT_TRUE(key.isAccepted());
    EXPECT_TRUE(Menu().Menu()->isVisible());
    Menu().Menu()->hide();
  }
  QContextMenuEvent press(QContextMenuEvent::Mouse, Win().rect().center(),
                          Win().mapToGlobal(Win().rect().center()));
  QApplication::sendEvent(&Win(), &press);
  EXPECT_FALSE(Menu().Menu()->isVisible());
}

struct TMarkCase {
  int layout;
  int person;
  int wheel;   // marked on (0: nowhere)
  int record;  // of that wheel's selection
};

class WheelMarkTest : public WheelWinTest, public ::testing::WithParamInterface<TMarkCase> {};

// Other windows mark a person's element: on that person's wheel, or on that
// person's ring of the double wheel.
TEST_P(WheelMarkTest, APersonsElementIsMarkedOnTheirWheelOrRing) {
  const TMarkCase& c = GetParam();
  OpenView(People(3));
  Win().SetLayout(c.layout);
  Win().Mark(c.person, true, htPlanet, 4);
  for (int k = 1; k <= 3; ++k)
    for (int record : {1, 2}) {
      const bool marked = k == c.wheel && record == c.record;
      EXPECT_EQ(SelectedBodies(WheelWidget(k), record), marked ? std::vector<int>{4} : std::vector<int>{})
          << "wheel " << k << " record " << record;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, WheelMarkTest,
                         ::testing::Values(TMarkCase{wlTwin, 1, 1, 1}, TMarkCase{wlTwin, 2, 2, 1},
                                           TMarkCase{wlDouble, 1, 1, 1},
                                           TMarkCase{wlDouble, 2, 1, 2},
                                           TMarkCase{wlThree, 1, 0, 0}));

TEST_F(WheelWinTest, SwitchNamesExchangesThePeopleAndThePlates) {
  OpenView(People(2));
  Menu().SwitchNames()->trigger();
  EXPECT_EQ(Program().Chart(1).FirstName(), "Ben");
  EXPECT_EQ(Program().Chart(2).FirstName(), "Anna");
  EXPECT_EQ(Win().Plate(1)->text(), "Ben");
  EXPECT_EQ(Win().Plate(2)->text(), "Anna");
  Menu().BiWheel()->trigger();
  EXPECT_EQ(Win().Plate(1)->text(), "Outer: Ben");
}

class WheelCountTest : public WheelWinTest, public ::testing::WithParamInterface<int> {};

// Three to six people: a wheel of its own for each, with its name, drawing
// its own aspect lines; presses on the first wheel no longer choose a person.
TEST_P(WheelCountTest, EveryPersonHasAWheel) {
  const int count = GetParam();
  OpenView(People(count), -1, QSize(900, 600));
  Win().SetLayout(count);
  EXPECT_EQ(ShownWheels(), count);
  const auto people = People(count);
  for (int k = 1; k <= kWheelCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(Shown(Win().Wheel(k)), k <= count);
    EXPECT_EQ(Shown(Win().Plate(k)), k <= count);
    if (k > count) continue;
    EXPECT_EQ(Win().Plate(k)->text(), QString::fromStdString(people[k - 1].first));
    EXPECT_EQ(WheelOf(k).RelationWheel(), nullptr);
    EXPECT_TRUE(WheelOf(k).ShowAspects());
  }
  Program().SetCurrentSlot(2);
  Press(1, GlyphPoint(WheelWidget(1), 1));
  EXPECT_EQ(Program().CurrentSlot(), 2);
  EXPECT_EQ(Win().LastHit().ref, 1);
  EXPECT_TRUE(WheelWidget(1).BlinkTimer().isActive());
  // A wheel beyond the second selects on its own too.
  Press(3, GlyphPoint(WheelWidget(3), 1));
  EXPECT_EQ(SelectedBodies(WheelWidget(3), 1), std::vector<int>{1});
}

INSTANTIATE_TEST_SUITE_P(People, WheelCountTest, ::testing::Values(3, 4, 5, 6));

TEST_F(WheelWinTest, ABackgroundPictureShowsBetweenTheWheelsAndCanBeRemoved) {
  OpenView(People(2), -1, QSize(600, 450));
  vyn::testing::TTempDirectory folder;
  const QString file = QString::fromStdString(folder.Path()) + "/back.bmp";
  QImage picture(700, 700, QImage::Format_RGB32);
  picture.fill(QColor(40, 160, 90));
  ASSERT_TRUE(picture.save(file, "BMP"));
  Win().SetPictureChooser([&file](QWidget*, const QString& title) {
    EXPECT_EQ(title, "Choose a Background Picture");
    return file;
  });
  const QPoint corner(Win().width() - 3, 3);
  Menu().InsertPicture()->trigger();
  EXPECT_EQ(Win().BackgroundPicture().size(), QSize(700, 700));
  EXPECT_EQ(Program().Setup().WheelDrawing().PictureFile, file.toStdString());
  EXPECT_TRUE(Menu().RemovePicture()->isVisible());
  EXPECT_EQ(PixelAt(corner), QColor(40, 160, 90));

  Menu().RemovePicture()->trigger();
  EXPECT_TRUE(Win().BackgroundPicture().isNull());
  EXPECT_TRUE(Program().Setup().WheelDrawing().PictureFile.empty());
  EXPECT_FALSE(Menu().RemovePicture()->isVisible());
  EXPECT_NE(PixelAt(corner), QColor(40, 160, 90));
}

TEST_F(WheelWinTest, APictureThatCannotBeReadIsReportedAndNotStored) {
  OpenView(People(2));
  vyn::testing::TTempDirectory folder;
  const QString file = QString::fromStdString(folder.Path()) + "/broken.bmp";
  {
    QFile broken(file);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
  }
  Win().SetPictureChooser([&file](QWidget*, const QString&) { return file; });
  QString reported;
  QTimer::singleShot(0, [&reported] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      reported = box->text();
      box->close();
    }
  });
  Menu().InsertPicture()->trigger();
  EXPECT_TRUE(reported.contains("broken.bmp")) << reported.toStdString();
  EXPECT_TRUE(Win().BackgroundPicture().isNull());
  EXPECT_TRUE(Program().Setup().WheelDrawing().PictureFile.empty());
  EXPECT_FALSE(Menu().RemovePicture()->isVisible());
}

TEST_F(WheelWinTest, TheBackgroundColourIsChosenAndKept) {
  OpenView(People(2), -1, QSize(600, 450));
  const QColor chosen(250, 240, 200);
  Win().SetColorChooser([chosen](QWidget*, QColor) { return std::optional<QColor>(chosen); });
  Menu().BackColor()->trigger();
  EXPECT_EQ(Win().BackgroundColor(), chosen);
  EXPECT_EQ(Program().Setup().WheelDrawing().BackgroundColor, StoredColorOf(chosen));
  EXPECT_EQ(PixelAt(QPoint(Win().width() - 3, 3)), chosen);
  // Cancelled: the colour stays.
  Win().SetColorChooser([](QWidget*, QColor) { return std::optional<QColor>(); });
  Menu().BackColor()->trigger();
  EXPECT_EQ(Win().BackgroundColor(), chosen);
}

TEST_F(WheelWinTest, TheHiddenItemsSwitchBlackAndWhiteAndOffScreenDrawing) {
  OpenView(People(2));
  EXPECT_FALSE(Menu().ColorMode()->isVisible());
  Menu().ColorMode()->trigger();
  EXPECT_TRUE(Program().Setup().WheelDrawing().BW);
  EXPECT_TRUE(WheelOf(1).BW());
  EXPECT_TRUE(WheelOf(2).BW());
  EXPECT_EQ(TagOf(Menu().ColorMode()), 257);
  Menu().ColorMode()->trigger();
  EXPECT_FALSE(WheelOf(2).BW());
  EXPECT_EQ(TagOf(Menu().ColorMode()), 258);

  const bool offScreen = WheelOf(1).OffScreen();
  EXPECT_EQ(Menu().UseMemory()->isChecked(), !offScreen);
  Menu().UseMemory()->trigger();
  EXPECT_EQ(WheelOf(1).OffScreen(), !offScreen);
  EXPECT_EQ(Program().Setup().WheelDrawing().UseMemory, !offScreen);
  EXPECT_EQ(Menu().UseMemory()->isChecked(), offScreen);
}

TEST_F(WheelWinTest, TheTabsShowTheirPagesAndCaptionTheView) {
  OpenView(People(2));
  QTabBar* tabs = View().TabSet();
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(1), Program().Token(1270));
  EXPECT_EQ(tabs->tabText(2), Program().Token(1250));
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
  EXPECT_EQ(View().Notebook()->currentIndex(), 2);
  EXPECT_EQ(View().windowTitle(), Program().Token(1250));
  View().ShowPage(TWheelView::pgWheels);
  EXPECT_EQ(View().windowTitle(), Program().Token(381));
  EXPECT_TRUE(Win().isVisible());
}

TEST_F(WheelWinTest, ClosingTheViewLeavesTheCharts) {
  OpenView(People(2));
  ASSERT_NE(Program().Chart(1).Wheel(), nullptr);
  view_.reset();
  for (int slot = 1; slot <= kWheelCount; ++slot) EXPECT_EQ(Program().Chart(slot).Wheel(), nullptr);
  Program().Chart(1).SetHouseSystem(2);  // recalculates without a wheel
  EXPECT_EQ(Program().Chart(1).HouseSystem(), 2);
}

}  // namespace
}  // namespace vyn::desktop::testing

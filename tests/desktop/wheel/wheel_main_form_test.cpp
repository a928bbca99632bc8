// The wheel view in the main window: opened from the View menu with a wheel
// for each person, its place, Copy to clipboard, the language switch, the
// house system, closing, and pictures of it to look at.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QtTest/QTest>

#include "app/desktop/program.h"
#include "app/desktop/screenshot.h"
#include "app/desktop/wheel/wheel_popup_menu.h"
#include "graphics/wheel/wheel_widget.h"
#include "tests/desktop/wheel/wheel_window_fixture.h"

namespace vyn::desktop::testing {
namespace {

const QString kPictures = QStringLiteral("/tmp/vyn_wheel_win");

class WheelInMainFormTest : public WheelMainFormTest {
 protected:
  QMdiSubWindow* Frame() { return qobject_cast<QMdiSubWindow*>(form_->WheelView()->parentWidget()); }
};

TEST_F(WheelInMainFormTest, F5OpensTheWheelViewOnceWithTheTwoPeople) {
  StartMainWindow(People(2));
  EXPECT_TRUE(form_->Action(ECommand::cmWheelWindow)->isEnabled());
  QTest::keyClick(form_.get(), Qt::Key_F5);
  QApplication::processEvents();
  TWheelView* view = form_->WheelView();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->WheelWin()->Layout(), wlTwin);
  EXPECT_TRUE(view->WheelWin()->Wheel(2)->isVisible());
  EXPECT_EQ(view->WheelWin()->Plate(2)->text(), "Ben");
  EXPECT_EQ(Frame()->windowTitle(), program_->Token(381));
  form_->Action(ECommand::cmWheelWindow)->trigger();
  EXPECT_EQ(form_->DocumentArea()->subWindowList().size(), 1);
  EXPECT_EQ(form_->View(EView::vwWheel), view);
}

class WheelCountInMainFormTest : public WheelInMainFormTest,
                                 public ::testing::WithParamInterface<int> {};

TEST_P(WheelCountInMainFormTest, MoreThanTwoPeopleGetAWheelEach) {
  const int count = GetParam();
  StartMainWindow(People(count));
  TWheelWin& win = *OpenWheelView().WheelWin();
  EXPECT_EQ(win.Layout(), count);
  for (int k = 1; k <= kWheelCount; ++k) EXPECT_EQ(win.Wheel(k)->isVisible(), k <= count) << k;
  EXPECT_EQ(win.Wheel(1)->Wheel().RelationWheel(), nullptr);
  QDir().mkpath(kPictures);
  QString error;
  EXPECT_TRUE(SaveScreenshot(*form_, {"wheel"}, QSize(1400, 900),
                             QStringLiteral("%1/wheels%2.png").arg(kPictures).arg(count), error));
}

INSTANTIATE_TEST_SUITE_P(People, WheelCountInMainFormTest, ::testing::Values(3, 4, 5, 6));

struct TBoundsCase {
  bool saved;
  TBounds bounds;
  bool used;  // else the right half of the document area
};

class WheelBoundsTest : public WheelInMainFormTest,
                        public ::testing::WithParamInterface<TBoundsCase> {};

TEST_P(WheelBoundsTest, TheSavedPlaceIsUsedWhenWideEnough) {
  const TBoundsCase& c = GetParam();
  StartMainWindow(People(2));
  WindowPlacement& placement = program_->Setup().Placement(wiWheelView);
  placement = {c.saved, c.bounds, wsNormal};
  OpenWheelView();
  const QSize client = form_->DocumentArea()->size();
  const QRect expected = c.used ? QRect(c.bounds.Left, c.bounds.Top, c.bounds.Width, c.bounds.Height)
                                : QRect(client.width() / 2 + 2, 0, client.width() / 2 - 2,
                                        client.height() - 2);
  EXPECT_EQ(Frame()->geometry(), expected);
}

INSTANTIATE_TEST_SUITE_P(Placements, WheelBoundsTest,
                         ::testing::Values(TBoundsCase{true, {10, 20, 500, 450}, true},
                                           TBoundsCase{true, {10, 20, 200, 450}, false},
                                           TBoundsCase{false, {10, 20, 500, 450}, false}));

TEST_F(WheelInMainFormTest, CopyToClipboardTakesTheWheelsOnlyWhileTheirViewIsActive) {
  StartMainWindow(People(2));
  QAction* copy = form_->Action(ECommand::cmCopyToClipboard);
  EXPECT_TRUE(copy->isEnabled());
  QClipboard* clipboard = QApplication::clipboard();
  clipboard->clear();
  TWheelView& view = OpenWheelView();
  copy->trigger();
  const QImage picture = clipboard->image();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), view.WheelWin()->size() * view.devicePixelRatio());

  clipboard->clear();
  form_->ShowView(EView::vwNames);
  ASSERT_NE(form_->DocumentArea()->currentSubWindow(), Frame());
  copy->trigger();
  EXPECT_TRUE(clipboard->image().isNull());
}

TEST_F(WheelInMainFormTest, ALanguageSwitchRecaptionsTheTabsTheMenuAndThePlates) {
  StartMainWindow(People(2));
  TWheelView& view = OpenWheelView();
  TWheelWin& win = *view.WheelWin();
  win.PopupMenu().BiWheel()->trigger();
  const QString englishSwitch = win.PopupMenu().SwitchNames()->text();
  form_->LanguageAction(4)->trigger();  // German
  ASSERT_EQ(program_->LanguageCode(), "GE");
  EXPECT_EQ(view.TabSet()->tabText(0), program_->Token(381));
  EXPECT_EQ(view.TabSet()->tabText(1), program_->Token(1270));
  EXPECT_EQ(Frame()->windowTitle(), program_->Token(381));
  EXPECT_EQ(win.PopupMenu().SwitchNames()->text(), program_->Token(906));
  EXPECT_NE(win.PopupMenu().SwitchNames()->text(), englishSwitch);
  EXPECT_EQ(win.PopupMenu().BiWheel()->text(), program_->Token(970));
  EXPECT_EQ(win.PopupMenu().InsertPicture()->text(), program_->Token(461));
  EXPECT_EQ(win.Plate(1)->text(), program_->LanguageText("Outer", "Outer: ") + "Anna");
  EXPECT_EQ(win.Plate(2)->text(), program_->LanguageText("Inner", "Inner: ") + "Ben");
}

TEST_F(WheelInMainFormTest, ANewHouseSystemReachesTheWheels) {
  StartMainWindow(People(2));
  TWheelWin& win = *OpenWheelView().WheelWin();
  const TWheelAngles before = win.Wheel(1)->Wheel().Angles();
  form_->Action(ECommand::cmEqual)->trigger();
  const TWheelAngles after = win.Wheel(1)->Wheel().Angles();
  EXPECT_NE(after.D[2], before.D[2]);
  EXPECT_EQ(after.D[1], before.D[1]);  // the Ascendant stays
  form_->Action(ECommand::cmStrong)->trigger();
  EXPECT_TRUE(win.Wheel(2)->Wheel().ChartReady());
}

TEST_F(WheelInMainFormTest, ClosingTheViewKeepsItsPlaceAndLeavesTheCharts) {
  StartMainWindow(People(2));
  OpenWheelView();
  Frame()->setGeometry(30, 40, 520, 480);
  Frame()->close();
  QApplication::processEvents();
  EXPECT_EQ(form_->WheelView(), nullptr);
  const WindowPlacement& placement = program_->Setup().Placement(wiWheelView);
  EXPECT_TRUE(placement.Valid);
  EXPECT_EQ(placement.Bounds, (TBounds{30, 40, 520, 480}));
  EXPECT_EQ(program_->Chart(1).Wheel(), nullptr);
  // Opened again, it stands where it was.
  OpenWheelView();
  EXPECT_EQ(Frame()->geometry(), QRect(30, 40, 520, 480));
}

// Pictures of the wheel view to look at, under /tmp/vyn_wheel_win: two
// wheels and the double wheel, alone and beside the name list, in two
// languages.
class WheelScreenshotTest : public WheelInMainFormTest,
                            public ::testing::WithParamInterface<QSize> {};

TEST_P(WheelScreenshotTest, TwinAndDoubleInTwoLanguages) {
  const QSize size = GetParam();
  StartMainWindow(People(2), size);
  QDir().mkpath(kPictures);
  for (const char* language : {"UK", "GE"}) {
    form_->ApplyLanguage(language);
    TWheelWin& win = *OpenWheelView().WheelWin();
    const QString suffix = QStringLiteral("%1_%2x%3.png").arg(language).arg(size.width()).arg(size.height());
    for (const bool doubleWheel : {false, true}) {
      if (win.DoubleShown() != doubleWheel) win.PopupMenu().BiWheel()->trigger();
      QString error;
      const QString file = QStringLiteral("%1/%2_%3").arg(kPictures, doubleWheel ? "double" : "twin", suffix);
      ASSERT_TRUE(SaveScreenshot(*form_, {"wheel"}, size, file, error)) << error.toStdString();
      EXPECT_EQ(QImage(file).size(), size * form_->devicePixelRatio());
    }
    QString error;
    ASSERT_TRUE(SaveScreenshot(*form_, {"names", "wheel"}, size,
                               QStringLiteral("%1/names_%2").arg(kPictures, suffix), error));
    for (QMdiSubWindow* frame : form_->DocumentArea()->subWindowList()) frame->close();
    QApplication::processEvents();
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, WheelScreenshotTest,
                         ::testing::Values(QSize(1400, 900), QSize(800, 560)));

}  // namespace
}  // namespace vyn::desktop::testing

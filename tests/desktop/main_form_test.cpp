// The main window as a person meets it: the start-up with the current
// people, every command in its menu, the language switch, the house system
// and the orb strengths, and closing with the settings saved.
#include "app/desktop/main_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QToolBar>
#include <QtTest/QTest>
#include <fstream>
#include <set>

#include "app/desktop/program.h"
#include "app/desktop/screenshot.h"
#include "app/desktop/start_up.h"
#include "platform/app_directory.h"
#include "tests/desktop/views/desktop_fixture.h"

namespace vyn::desktop {
namespace {

using testing::Anna;
using testing::Ben;
using testing::Clara;

class MainFormTest : public testing::DesktopTest {
 protected:
  // The people are stored by one run; the main window starts a fresh one.
  void StartMainWindow(const std::vector<testing::TSamplePerson>& people, int current = -1,
                       TMainServices services = {}) {
    StartWith(people, current);
    program_ = std::make_unique<TProgram>();
    TStartUpOptions options;
    options.progress = [this](int percent) { marks_.push_back(percent); };
    form_ = StartUp(*program_, std::move(services), options, nullptr);
    form_->resize(1100, 760);
    form_->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    form_.reset();
    program_.reset();
    DesktopTest::TearDown();
  }

  // Every action of the menu bar's menus, depth first.
  static void Collect(QMenu* menu, std::set<QAction*>& actions) {
    for (QAction* action : menu->actions()) {
      actions.insert(action);
      if (action->menu()) Collect(action->menu(), actions);
    }
  }

  std::unique_ptr<TProgram> program_;
  std::unique_ptr<TMainForm> form_;
  std::vector<int> marks_;
};

TEST_F(MainFormTest, StartsWithTheCurrentPairAsPartners) {
  StartMainWindow({Anna(), Ben()});
  EXPECT_TRUE(form_->isVisible());
  EXPECT_TRUE(form_->StartUpFinished());
  EXPECT_EQ(program_->Chart(1).FirstName(), "Anna");
  EXPECT_EQ(program_->Chart(2).FirstName(), "Ben");
  EXPECT_EQ(program_->Chart(1).Partner(), &program_->Chart(2));
  EXPECT_TRUE(program_->Chart(1).Active());
  EXPECT_EQ(marks_.front(), 4);
  EXPECT_EQ(marks_.back(), 100);
  EXPECT_TRUE(std::is_sorted(marks_.begin(), marks_.end()));
  // The synastry orb set is current and checked; Placidus is the house system.
  EXPECT_TRUE(form_->Action(ECommand::cmSynastry)->isChecked());
  EXPECT_TRUE(form_->Action(ECommand::cmPlacidus)->isChecked());
  EXPECT_TRUE(form_->LanguageAction(2)->isChecked());  // UK
}

TEST_F(MainFormTest, ThreeCurrentPeopleAreNotPaired) {
  StartMainWindow({Anna(), Ben(), Clara()});
  EXPECT_EQ(program_->Chart(3).FirstName(), "Clara");
  EXPECT_EQ(program_->Chart(1).Partner(), nullptr);
}

TEST_F(MainFormTest, EveryCommandHasItsPlaceAndItsCaption) {
  StartMainWindow({Anna(), Ben()});
  std::set<QAction*> inMenus;
  for (QAction* top : form_->menuBar()->actions()) Collect(top->menu(), inMenus);
  const auto toolBars = form_->findChildren<QToolBar*>();
  ASSERT_EQ(toolBars.size(), 1);
  for (const TCommandInfo& info : MainCommands()) {
    QAction* action = form_->Action(info.command);
    SCOPED_TRACE(action->text().toStdString());
    EXPECT_FALSE(action->text().isEmpty());
    EXPECT_EQ(action->isVisible(), info.visible);
    // Every command is in a menu or on the tool bar, and reached by keys.
    if (info.menu != EMenu::mnNone) {
      EXPECT_TRUE(inMenus.count(action));
    } else {
      EXPECT_TRUE(toolBars[0]->actions().contains(action));
      if (info.visible) {
        EXPECT_FALSE(action->shortcut().isEmpty());
      }
    }
    if (!info.available) {
      EXPECT_FALSE(action->isEnabled());
    }
  }
  // Each menu has an access letter, none twice on the menu bar.
  std::set<QChar> letters;
  for (QAction* top : form_->menuBar()->actions()) {
    const QString title = top->text();
    const int amp = title.indexOf('&');
    ASSERT_GE(amp, 0) << title.toStdString();
    EXPECT_TRUE(letters.insert(title.at(amp + 1).toLower()).second) << title.toStdString();
  }
}

TEST_F(MainFormTest, ViewCommandsOpenEachViewOnce) {
  StartMainWindow({Anna(), Ben()});
  for (ECommand command : {ECommand::cmPlanetGrid, ECommand::cmHouseCusps, ECommand::cmAspectGrid,
                           ECommand::cmSymbols, ECommand::cmNameList, ECommand::cmWheelWindow}) {
    form_->Action(command)->trigger();
    form_->Action(command)->trigger();
  }
  QApplication::processEvents();
  EXPECT_EQ(form_->DocumentArea()->subWindowList().size(), kViewCount);
  EXPECT_EQ(form_->View(EView::vwPlanets)->windowTitle(), QStringLiteral("Planet Positions"));
  // The keyboard reaches the views too: F9 is the aspect grid.
  form_->View(EView::vwAspects)->parentWidget()->close();
  QApplication::processEvents();
  EXPECT_EQ(form_->View(EView::vwAspects), nullptr);
  QApplication::setActiveWindow(form_.get());
  QTest::keyClick(form_.get(), Qt::Key_F9);
  QApplication::processEvents();
  EXPECT_NE(form_->View(EView::vwAspects), nullptr);
  // With the menu bar hidden (Ctrl+M) the shortcuts still work.
  form_->View(EView::vwPlanets)->parentWidget()->close();
  QTest::keyClick(form_.get(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_FALSE(form_->menuBar()->isVisible());
  QTest::keyClick(form_.get(), Qt::Key_F7);
  QApplication::processEvents();
  EXPECT_NE(form_->View(EView::vwPlanets), nullptr);
  QTest::keyClick(form_.get(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(form_->menuBar()->isVisible());
}

TEST_F(MainFormTest, LanguageSwitchRecaptionsMenusAndViews) {
  StartMainWindow({Anna(), Ben()});
  form_->ShowView(EView::vwPlanets);
  QMenu* file = form_->Menu(EMenu::mnFile);
  const QString englishFile = file->title();
  form_->LanguageAction(4)->trigger();  // German
  EXPECT_EQ(program_->LanguageCode(), "GE");
  EXPECT_NE(file->title(), englishFile);
  EXPECT_EQ(form_->View(EView::vwPlanets)->windowTitle(), program_->Token(1018));
  EXPECT_EQ(form_->Action(ECommand::cmExit)->text(),
            program_->IniText("FILEMENU", "Exit", "&Exit"));
  EXPECT_TRUE(form_->LanguageAction(4)->isChecked());
  EXPECT_FALSE(form_->LanguageAction(2)->isChecked());
  // The synastry set keeps its check mark under its German name.
  EXPECT_EQ(program_->Setup().OrbSetName(), program_->Token(1017).toStdString());
}

TEST_F(MainFormTest, HouseSystemAndOrbStrengthCheckOneItemEach) {
  StartMainWindow({Anna(), Ben()});
  form_->Action(ECommand::cmEqual)->trigger();
  EXPECT_TRUE(form_->Action(ECommand::cmEqual)->isChecked());
  EXPECT_FALSE(form_->Action(ECommand::cmPlacidus)->isChecked());
  EXPECT_FALSE(form_->Action(ECommand::cmKoch)->isChecked());
  EXPECT_EQ(program_->Chart(1).HouseSystem(), 2);
  EXPECT_EQ(program_->Setup().System().HouseSystem, 2);

  const int before = program_->Chart(1).CrossAspects().Count();
  form_->Action(ECommand::cmStrong)->trigger();
  EXPECT_TRUE(form_->Action(ECommand::cmStrong)->isChecked());
  EXPECT_FALSE(form_->Action(ECommand::cmSynastry)->isChecked());
  EXPECT_EQ(program_->Setup().OrbSetName(), program_->Token(1014).toStdString());
  EXPECT_LE(program_->Chart(1).CrossAspects().Count(), before);
}

TEST_F(MainFormTest, ExitAsksAndCancelKeepsTheWindow) {
  StartMainWindow({Anna(), Ben()});
  const auto answer = [](int key) {
    QTimer::singleShot(0, [key] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        QTest::keyClick(box, static_cast<Qt::Key>(key));
    });
  };
  answer(Qt::Key_Escape);
  form_->Action(ECommand::cmExit)->trigger();
  EXPECT_TRUE(form_->isVisible());
  answer(Qt::Key_Return);
  form_->Action(ECommand::cmExit)->trigger();
  EXPECT_FALSE(form_->isVisible());
}

TEST_F(MainFormTest, ClosingSavesThePlacementAndKeepsChoicesOnlyWithSaveOnExit) {
  StartMainWindow({Anna(), Ben()});
  QAction* saveOnExit = form_->Action(ECommand::cmSaveOnExit);
  ASSERT_TRUE(saveOnExit->isChecked());  // as the shipped settings have it
  saveOnExit->trigger();
  EXPECT_FALSE(program_->Setup().System().SaveOnExit);
  form_->Action(ECommand::cmKoch)->trigger();
  form_->close();
  std::ifstream settings(AppDir() + "/VYNMR.INI");
  const std::string text{std::istreambuf_iterator<char>(settings), {}};
  EXPECT_NE(text.find("Main="), std::string::npos);
  EXPECT_NE(text.find("SaveOnExit=0"), std::string::npos);
  EXPECT_NE(text.find("HouseSystem=0"), std::string::npos) << "Koch kept without Save on exit";
}

// The screenshot of the command line, through the real widgets: every view
// open and tiled, in two languages. The pictures stay under /tmp/vyn_main.
TEST_F(MainFormTest, ScreenshotShowsTheOpenViews) {
  StartMainWindow({Anna(), Ben()});
  QDir().mkpath(QStringLiteral("/tmp/vyn_main"));
  for (const char* language : {"UK", "GR"}) {
    form_->ApplyLanguage(language);
    const QString file = QStringLiteral("/tmp/vyn_main/main_%1.png").arg(language);
    QString error;
    ASSERT_TRUE(SaveScreenshot(*form_, ViewNames(), QSize(1400, 900), file, error)) << error.toStdString();
    const QImage picture(file);
    EXPECT_EQ(picture.size(), QSize(1400, 900) * form_->devicePixelRatio());
    // Every view and the three degree dials; the graph pages are the wheel view's.
    EXPECT_EQ(form_->DocumentArea()->subWindowList().size(), kViewCount + 3);
  }
}

}  // namespace
}  // namespace vyn::desktop

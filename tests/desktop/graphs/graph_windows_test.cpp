// The graph windows in the main window with two people: the View menu opens
// the wheel view's graph pages and the degree dials; presses on the graphs
// open the menu of a bar's contacts or the text window with the texts of
// their codes, expanded for the right person and partner; a language switch
// re-captions them. Pictures of each go to /tmp/vyn_graphs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QLabel>
#include <QtTest/QTest>
#include <functional>

#include "app/desktop/graphs/comp_graph.h"
#include "app/desktop/graphs/degree_dial_win.h"
#include "app/desktop/graphs/em_graph.h"
#include "app/desktop/graphs/graph_texts.h"
#include "app/desktop/graphs/interp_form.h"
#include "app/desktop/program.h"
#include "data/data_collection.h"
#include "data/sqlite_connection.h"
#include "data/vyn_database.h"
#include "graphics/graphs/aspect_meter.h"
#include "graphics/graphs/bar_graph_widget.h"
#include "graphics/graphs/compatibility_widget.h"
#include "graphics/graphs/dial_widget.h"
#include "graphics/graphs/graph_pictures.h"
#include "graphics/graphs/press_codes.h"
#include "tests/desktop/wheel/wheel_window_fixture.h"

namespace vyn::desktop::testing {
namespace {

const QString kPictures = QStringLiteral("/tmp/vyn_graphs/");

void Save(QWidget& widget, const QString& name) {
  QDir().mkpath(kPictures);
  widget.grab().save(kPictures + name + QStringLiteral(".png"));
}

QPoint Centre(const TWheelRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// What a modal window showed while `press` ran: the text window, or the
// text of a message box; the window is closed after it was looked at.
struct TModalSeen {
  bool textWindow = false;
  QString keyword, text, message;
  bool keywordBar = false, gauge = false, video = false;
  int gaugeValue = -1;
};

TModalSeen RunModal(const std::function<void()>& press, const QString& picture = {}) {
  TModalSeen seen;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* form = qobject_cast<TfrmInterp*>(modal)) {
      seen.textWindow = true;
      seen.keyword = form->Keyword();
      seen.text = form->Text();
      seen.keywordBar = form->KeywordBar()->isVisible();
      seen.gauge = form->Meter()->isVisible();
      seen.gaugeValue = form->Meter()->Progress();
      seen.video = form->VideoPanel()->isVisible();
      if (!picture.isEmpty()) Save(*form, picture);
      form->reject();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen.message = box->text();
      box->reject();
    }
  });
  press();
  return seen;
}

class GraphWindowsTest : public WheelMainFormTest {
 protected:
  void SetUp() override {
    WheelMainFormTest::SetUp();
    StartMainWindow(People(2));
  }
  TCompGraph& CompGraph() {
    form_->Action(ECommand::cmCompatibilityGraph)->trigger();
    QApplication::processEvents();
    auto* graph = form_->WheelView()->findChild<TCompGraph*>();
    EXPECT_NE(graph, nullptr);
    return *graph;
  }
  TEMGraph& EMGraph() {
    form_->Action(ECommand::cmElementGraph)->trigger();
    QApplication::processEvents();
    auto* graph = form_->WheelView()->findChild<TEMGraph*>();
    EXPECT_NE(graph, nullptr);
    return *graph;
  }
  // Gives the record of `code` in the test's own database the text `text`,
  // adding the record when there is none.
  void SetStoredText(const std::string& code, const std::string& text) {
    TDataCollection& tables = program_->Tables();
    const std::string table = "\"" + tables.Table(TTableRole::trInterpretation).TableName() + "\"";
    if (!LookUpText(*program_, code))
      tables.Database().Connection().Execute("INSERT INTO " + table +
                                             " (Code, Title, MTitle, TextK) VALUES ('" + code +
                                             "', '" + code + "', '', '')");
    tables.Database().Connection().Execute("UPDATE " + table + " SET TextK = '" + text +
                                           "' WHERE Code = '" + code + "'");
  }
  // Takes the record of `code` out of sight by renaming it.
  void HideStoredText(const std::string& code) {
    TDataCollection& tables = program_->Tables();
    tables.Database().Connection().Execute(
        "UPDATE \"" + tables.Table(TTableRole::trInterpretation).TableName() +
        "\" SET Code = 'hidden-' || Code WHERE Code = '" + code + "'");
  }
  // The expected text of `code` for a person and a partner.
  QString Expected(const std::string& code, int person, int partner) {
    const std::optional<TInterpRecord> record = LookUpText(*program_, code);
    if (!record) return {};
    return ExpandedText(*program_, *record, program_->Chart(person), &program_->Chart(partner));
  }
};

TEST_F(GraphWindowsTest, TheViewMenuOpensTheGraphPagesOfTheWheelViewWithThePair) {
  for (ECommand c : {ECommand::cmCompatibilityGraph, ECommand::cmElementGraph,
                     ECommand::cmDial30, ECommand::cmDial60, ECommand::cmDial90})
    EXPECT_TRUE(form_->Action(c)->isEnabled());
  TCompGraph& comp = CompGraph();
  EXPECT_EQ(form_->WheelView()->Notebook()->currentIndex(), TWheelView::pgCompatibility);
  EXPECT_TRUE(comp.isVisible());
  const TCompatibility& graph = comp.Compatibility1()->Graph();
  ASSERT_NE(graph.Horoscope1(), nullptr);
  EXPECT_EQ(graph.HeaderName(1), "ANNA " + QString::fromStdString(program_->Chart(1).LastName()).toUpper().toStdString());
  EXPECT_GT(graph.Scores().OverallHarmony() + graph.Scores().OverallTension(), 0);
  EXPECT_EQ(comp.windowTitle(), program_->Token(1270));
  Save(*form_, QStringLiteral("main_compatibility"));
  Save(comp, QStringLiteral("compatibility"));

  TEMGraph& em = EMGraph();
  EXPECT_EQ(form_->WheelView()->Notebook()->currentIndex(), TWheelView::pgElements);
  EXPECT_TRUE(em.Element1()->isVisible());
  EXPECT_TRUE(em.Modality1()->isVisible());
  EXPECT_GT(em.Element1()->Graph().Counts().Points(2, 1) + em.Element1()->Graph().Counts().Points(2, 2), 0);
  EXPECT_LT(em.Modality1()->geometry().bottom(), em.Panel1()->geometry().top());
  EXPECT_LT(em.Panel1()->geometry().bottom(), em.Element1()->geometry().top());
  Save(em, QStringLiteral("elements"));
  // One wheel view for both pages.
  EXPECT_EQ(form_->DocumentArea()->subWindowList().size(), 1);
}

TEST_F(GraphWindowsTest, ADialOpensOnceAtEachAngleWithTheFirstPersonAndThePartner) {
  for (const auto& [angle, command] : {std::pair{30, ECommand::cmDial30},
                                       std::pair{60, ECommand::cmDial60},
                                       std::pair{90, ECommand::cmDial90}}) {
    SCOPED_TRACE(angle);
    form_->Action(command)->trigger();
    QApplication::processEvents();
    auto* dial = qobject_cast<TDegreeDial*>(form_->DegreeDial(angle));
    ASSERT_NE(dial, nullptr);
    EXPECT_EQ(dial->Angle(), angle);
    EXPECT_EQ(dial->DDial1()->Dial().Horoscope(), &program_->Chart(1));
    EXPECT_TRUE(dial->DDial1()->Dial().ChartsShown());
    EXPECT_EQ(dial->windowTitle(), DialCaption(*program_, angle));
    EXPECT_TRUE(dial->windowTitle().startsWith(program_->Token(1022)));
    EXPECT_GE(dial->width(), 550);
    // The dial fills the window but for its margins.
    EXPECT_EQ(dial->DDial1()->geometry(), QRect(10, 5, dial->width() - 35, dial->height() - 45));
    Save(*dial, QStringLiteral("dial%1").arg(angle));
    form_->Action(command)->trigger();
    EXPECT_EQ(form_->DegreeDial(angle), dial);
  }
  EXPECT_EQ(form_->DocumentArea()->subWindowList().size(), 3);
  // Closing a dial clears its place; the command opens a new one.
  form_->DegreeDial(30)->parentWidget()->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(form_->DegreeDial(30), nullptr);
  form_->Action(ECommand::cmDial30)->trigger();
  EXPECT_NE(form_->DegreeDial(30), nullptr);
  Save(*form_, QStringLiteral("main_dials"));
}

TEST_F(GraphWindowsTest, ABarPressOffersTheTextsOfItsContactsAndEachOpensItsOwn) {
  TCompGraph& comp = CompGraph();
  TCompatibilityWidget& widget = *comp.Compatibility1();
  widget.Graph().Layout(ToWheelRect(widget.rect()));
  // The first row of person 1 with contacts in harmony.
  int row = 0;
  for (int r = 1; r <= kScoreCount && !row; ++r)
    if (!widget.Graph().Scores().Person(1).harmonyEntries[kRowScoreIndex[r]].empty()) row = r;
  ASSERT_NE(row, 0);
  const std::vector<TScoreEntry>& entries =
      widget.Graph().Scores().Person(1).harmonyEntries[kRowScoreIndex[row]];
  std::vector<std::size_t> withText;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (LookUpText(*program_, entries[i].key)) withText.push_back(i);
  ASSERT_FALSE(withText.empty()) << entries.front().key;

  const QPoint bar = Centre(widget.Graph().Geometry().panels[0].rows[row].harmonyBack);
  QTest::mouseMove(&widget, bar);
  EXPECT_EQ(widget.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_TRUE(widget.Hover().on);
  Save(widget, QStringLiteral("compatibility_hover"));
  QTest::mouseClick(&widget, Qt::LeftButton, {}, bar);
  QMenu& menu = *comp.PopupMenu();
  ASSERT_TRUE(menu.isVisible());
  ASSERT_EQ(menu.actions().size(), static_cast<int>(withText.size()));
  Save(*form_, QStringLiteral("compatibility_menu"));
  // Every item opens the text of its own contact, with its score on the gauge.
  for (std::size_t k = 0; k < withText.size(); ++k) {
    const TScoreEntry& entry = entries[withText[k]];
    SCOPED_TRACE(entry.key);
    SetStoredText(entry.key, "%X meets %Z.");
    const TModalSeen seen = RunModal([&] { menu.actions()[static_cast<int>(k)]->trigger(); },
                                     k == 0 ? QStringLiteral("text_contact") : QString());
    ASSERT_TRUE(seen.textWindow);
    EXPECT_EQ(seen.keyword, QString::fromStdString(LookUpText(*program_, entry.key)->Title));
    EXPECT_EQ(seen.text, QStringLiteral("Anna meets Ben."));
    EXPECT_TRUE(seen.keywordBar);
    EXPECT_TRUE(seen.gauge);
    EXPECT_EQ(seen.gaugeValue, std::stoi(entry.score));
  }
  menu.hide();
}

TEST_F(GraphWindowsTest, ABarWithoutContactsSaysSoInsteadOfAMenu) {
  TCompGraph& comp = CompGraph();
  TCompatibilityWidget& widget = *comp.Compatibility1();
  widget.Graph().Layout(ToWheelRect(widget.rect()));
  // The first tension bar of either person without contacts.
  for (int person = 1; person <= 2; ++person)
    for (int row = 1; row <= kScoreCount; ++row) {
      if (!widget.Graph().Scores().Person(person).tensionEntries[kRowScoreIndex[row]].empty())
        continue;
      const TCompBarRow& bars = widget.Graph().Geometry().panels[person - 1].rows[row];
      const TModalSeen seen = RunModal(
          [&] { QTest::mouseClick(&widget, Qt::LeftButton, {}, Centre(bars.tensionBack)); });
      EXPECT_EQ(seen.message, program_->Token(1200));
      EXPECT_FALSE(comp.PopupMenu()->isVisible());
      return;
    }
  GTEST_SKIP() << "every tension bar of the pair has contacts";
}

TEST_F(GraphWindowsTest, TheOverallHarmonyBarOpensItsLevelTextAboutBothPeople) {
  TCompGraph& comp = CompGraph();
  TCompatibilityWidget& widget = *comp.Compatibility1();
  widget.Graph().Layout(ToWheelRect(widget.rect()));
  const std::string code = OverallCode(true, widget.Graph().Scores().OverallHarmony());
  ASSERT_TRUE(LookUpText(*program_, code)) << code;
  SetStoredText(code, "Between %X and %Z.");
  const TModalSeen seen = RunModal(
      [&] {
        QTest::mouseClick(&widget, Qt::LeftButton, {},
                          Centre(widget.Graph().Geometry().harmonyBack));
      },
      QStringLiteral("text_overall"));
  ASSERT_TRUE(seen.textWindow) << seen.message.toStdString();
  EXPECT_EQ(seen.text, QStringLiteral("Between Anna and Ben."));
  EXPECT_FALSE(seen.keywordBar);
  EXPECT_FALSE(seen.gauge);
}

TEST_F(GraphWindowsTest, AGlyphButtonOpensTheRowTextWithItsLevelTextAndTheVenusClip) {
  TCompGraph& comp = CompGraph();
  TCompatibilityWidget& widget = *comp.Compatibility1();
  widget.Graph().Layout(ToWheelRect(widget.rect()));
  const TPersonScores& person = widget.Graph().Scores().Person(2);
  const TGlyphCodes codes = GlyphButtonCodes(1, person.harmonyPercent[4], person.tensionPercent[4]);
  ASSERT_TRUE(LookUpText(*program_, codes.code)) << codes.code;
  SetStoredText(codes.code, "%X with %Z.");
  QString expected = QStringLiteral("Ben with Anna.");
  if (LookUpText(*program_, codes.level)) {
    SetStoredText(codes.level, "Levels of %X.");
    expected += QStringLiteral("\nLevels of Ben.");
  }
  // The right glyph button of the Venus row is the second person's.
  const TModalSeen seen = RunModal(
      [&] {
        QTest::mouseClick(&widget, Qt::LeftButton, {},
                          Centre(widget.Graph().Geometry().rightGlyphButtons[1]));
      },
      QStringLiteral("text_glyph"));
  ASSERT_TRUE(seen.textWindow) << seen.message.toStdString();
  EXPECT_EQ(seen.text, expected);
  EXPECT_TRUE(seen.video);
  EXPECT_FALSE(seen.gauge);
  EXPECT_FALSE(seen.keywordBar);
}

TEST_F(GraphWindowsTest, AnAreaButtonWithoutItsCodeShowsTheAlternativeWithThePersonsExchanged) {
  TCompGraph& comp = CompGraph();
  TCompatibilityWidget& widget = *comp.Compatibility1();
  widget.Graph().Layout(ToWheelRect(widget.rect()));
  const TAreaCodes codes = AreaButtonCodes(1, comp.Horoscope(1).GetSignCode("VE"),
                                           comp.Horoscope(2).GetSignCode("VE"));
  ASSERT_NE(codes.code, codes.alternative) << "the pair has Venus in different signs";
  ASSERT_TRUE(LookUpText(*program_, codes.alternative)) << codes.alternative;
  const QPoint button = Centre(widget.Graph().Geometry().areaButtons[1]);
  SetStoredText(codes.code, "First: %X with %Z.");
  SetStoredText(codes.alternative, "Second: %X with %Z.");
  TModalSeen seen = RunModal([&] { QTest::mouseClick(&widget, Qt::LeftButton, {}, button); });
  EXPECT_EQ(seen.text, QStringLiteral("First: Anna with Ben."));
  HideStoredText(codes.code);
  seen = RunModal([&] { QTest::mouseClick(&widget, Qt::LeftButton, {}, button); });
  EXPECT_EQ(seen.text, QStringLiteral("Second: Ben with Anna."));
  // Neither code: the information box, no text window.
  HideStoredText(codes.alternative);
  seen = RunModal([&] { QTest::mouseClick(&widget, Qt::LeftButton, {}, button); });
  EXPECT_FALSE(seen.textWindow);
  EXPECT_EQ(seen.message, program_->Token(1006));
}

TEST_F(GraphWindowsTest, AnElementBarPressNamesTheOtherPersonAsThePartner) {
  TEMGraph& em = EMGraph();
  TBarGraphWidget& widget = *em.Element1();
  widget.Graph().Layout(ToWheelRect(widget.rect()));
  // The first element bar of person 1 (Air).
  const int points = static_cast<int>(widget.Graph().Counts().Points(1, 1));
  const TBarCodes codes =
      BarPressCodes(TBarGraphKind::bkElement, 1, points, widget.Graph().Counts().Points(2, 1));
  ASSERT_TRUE(LookUpText(*program_, codes.code)) << codes.code;
  ASSERT_TRUE(LookUpText(*program_, codes.second)) << codes.second;
  SetStoredText(codes.code, "Alone: %X and %Z.");
  SetStoredText(codes.second, "Together: %X and %Z.");
  const TModalSeen seen = RunModal(
      [&] {
        QTest::mouseClick(&widget, Qt::LeftButton, {},
                          Centre(widget.Graph().Geometry().panels[0].backs[1]));
      },
      QStringLiteral("text_element"));
  ASSERT_TRUE(seen.textWindow);
  EXPECT_EQ(seen.keyword, QString::fromStdString(LookUpText(*program_, codes.code)->Title));
  // The first text speaks of the person alone, the combination of the
  // other person as the partner.
  EXPECT_EQ(seen.text, QStringLiteral("Alone: Anna and Anna.\nTogether: Anna and Ben."));
  EXPECT_FALSE(seen.gauge);
}

TEST_F(GraphWindowsTest, TheHelpButtonsShowTheirMemosAndAPressHidesThem) {
  TCompGraph& comp = CompGraph();
  comp.Panel1()->Button()->click();
  EXPECT_TRUE(comp.Memo1()->isVisible());
  EXPECT_LE(comp.Memo1()->geometry().bottom(), comp.Panel1()->geometry().top());
  EXPECT_FALSE(comp.Memo1()->toPlainText().isEmpty());
  Save(comp, QStringLiteral("compatibility_help"));
  QTest::mouseClick(comp.Compatibility1(), Qt::RightButton);
  EXPECT_FALSE(comp.Memo1()->isVisible());

  TEMGraph& em = EMGraph();
  em.Panel1()->Button()->click();
  EXPECT_TRUE(em.Memo2()->isVisible());
  em.Panel2()->Button()->click();
  EXPECT_FALSE(em.Memo2()->isVisible());
  EXPECT_TRUE(em.Memo1()->isVisible());
  Save(em, QStringLiteral("elements_help"));
  QTest::mouseClick(em.Modality1(), Qt::RightButton);
  EXPECT_FALSE(em.Memo1()->isVisible());
}

TEST_F(GraphWindowsTest, TheGraphPagesFollowAChangedPair) {
  TCompGraph& comp = CompGraph();
  TEMGraph& em = EMGraph();
  const TCompatibility& graph = comp.Compatibility1()->Graph();
  const double harmonyBefore = graph.Scores().OverallHarmony();
  // The second slot becomes a copy of the first person.
  program_->Chart(2).Assign(program_->Chart(1));
  QApplication::processEvents();
  EXPECT_EQ(graph.HeaderName(2), graph.HeaderName(1));
  EXPECT_NE(graph.Scores().OverallHarmony(), harmonyBefore);
  for (int bar = 1; bar <= 4; ++bar)
    EXPECT_DOUBLE_EQ(em.Element1()->Graph().Counts().Points(2, bar),
                     em.Element1()->Graph().Counts().Points(1, bar)) << bar;
}

TEST_F(GraphWindowsTest, ALanguageSwitchReCaptionsTheGraphWindows) {
  TCompGraph& comp = CompGraph();
  TEMGraph& em = EMGraph();
  form_->Action(ECommand::cmDial60)->trigger();
  form_->ApplyLanguage("DK");
  QApplication::processEvents();
  EXPECT_EQ(comp.windowTitle(), program_->Token(1270));
  EXPECT_EQ(comp.Panel1()->Caption()->text(), program_->Token(1280));
  EXPECT_EQ(QString::fromStdString(comp.Compatibility1()->Graph().HarmonyLabel), program_->Token(1278));
  EXPECT_EQ(em.windowTitle(), program_->Token(1250));
  EXPECT_EQ(QString::fromStdString(em.Element1()->Graph().Title), program_->Token(1251));
  EXPECT_EQ(QString::fromStdString(em.Modality1()->Graph().Caption(3)), program_->Token(1259));
  EXPECT_EQ(form_->DegreeDial(60)->windowTitle(), DialCaption(*program_, 60));
  Save(em, QStringLiteral("elements_dk"));
}

}  // namespace
}  // namespace vyn::desktop::testing

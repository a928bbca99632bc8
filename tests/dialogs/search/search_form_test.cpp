// The search dialog driven like a user, offscreen: typing, keys, buttons,
// each mode's list and result, deleting, and the fill of a long list while
// the window keeps turning.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <string>

#include "data/sqlite_statement.h"
#include "data/transaction.h"
#include "data/vyn_database.h"
#include "data/data_collection.h"
#include "dialogs/search/search_captions.h"
#include "tests/dialogs/search/search_fixture.h"

namespace vyn::dialogs::testing {
namespace {

class SearchForm : public ::testing::Test {
 protected:
  void SetUp() override { AddSamplePeople(started_); }

  QString Token(int n) { return started_.Program().Token(n); }

  // Types `text` into the search box key by key.
  void Type(TSearchForm& form, const QString& text) { QTest::keyClicks(SearchEdit(form), text); }

  TStartedProgram started_;
};

TEST_F(SearchForm, TypingSelectsTheEntryTheTextMeans) {
  struct TCase {
    ESearchMode mode;
    const char* state;
    const char* typed;
    const char* selected;
  };
  const TCase cases[] = {
      {ESearchMode::smStates, "", "den", "Denmark"},
      {ESearchMode::smStates, "", "united kingdom - s", "United Kingdom - Scotland"},
      {ESearchMode::smStates, "", "aland", "Åland Islands"},
      {ESearchMode::smStates, "", "Germny", "Germany - Baden-Württemberg"},  // a typing error
      {ESearchMode::smPlaces, "Denmark", "cop", "Copenhagen"},
      {ESearchMode::smPlaces, "Denmark", "aaa", "Aabenraa"},  // before every entry: the first
      {ESearchMode::smPlaces, "Denmark", "København", "Copenhagen"},  // its own name
      {ESearchMode::smPlaces, "Germany - Bavaria", "Muenchen", "Munich"},
      {ESearchMode::smPlaces, "India - Maharashtra", "Bombay", "Mumbai"},
      {ESearchMode::smZones, "", "europe/cop", "Europe/Copenhagen"},
      {ESearchMode::smSummerTimes, "", "EUROPE/COP", "Europe/Copenhagen"},
      {ESearchMode::smGroups, "", "wo", "Work"},
      {ESearchMode::smPeople, "", "bo", "Bob Jones"},
      {ESearchMode::smPeople, "", "asa", "Åsa Berg"},
  };
  TSearchForm form(started_.Program());
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.typed);
    OpenAndFill(form, Request(c.mode, c.state));
    Type(form, c.typed);
    EXPECT_EQ(SelectedText(form), QString(c.selected));
  }
}

TEST_F(SearchForm, EachModeListsItsRowsUnderItsCaptions) {
  struct TCase {
    ESearchMode mode;
    const char* state;
    const char* countSql;
    bool filter, remove, swap;
  };
  const TCase cases[] = {
      {ESearchMode::smStates, "", R"(SELECT count(*) FROM "STATES")", false, false, false},
      {ESearchMode::smPlaces, "Denmark",
       R"(SELECT count(*) FROM "PLACES" WHERE "StateID" = '1133')", false, false, false},
      {ESearchMode::smPlaces, "No Such State", "SELECT 0", false, false, false},
      {ESearchMode::smZones, "", R"(SELECT count(*) FROM "ZONEID")", false, false, false},
      {ESearchMode::smSummerTimes, "", R"(SELECT count(*) FROM "SUMMERID")", false, false, false},
      {ESearchMode::smGroups, "", R"(SELECT count(*) FROM "GROUPS")", false, true, false},
      {ESearchMode::smPeople, "", R"(SELECT count(*) FROM "NAME")", true, true, true},
  };
  TSearchForm form(started_.Program());
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    OpenAndFill(form, Request(c.mode, c.state));
    const long long count = started_.Count(c.countSql);
    EXPECT_EQ(ListedTexts(form).size(), count);
    EXPECT_EQ(form.windowTitle(), Token(CaptionToken(c.mode)));
    const QString word = Token(CountToken(c.mode));
    EXPECT_EQ(form.findChild<QLabel*>("CountLabel")->text(),
              QString::number(count) + (c.mode == ESearchMode::smGroups ? " " + word : word));
    EXPECT_EQ(form.findChild<QLabel*>("SearchLabel")->text(), Token(SearchLabelToken(c.mode)));
    EXPECT_EQ(form.findChild<QComboBox*>("GroupFilter")->isVisible(), c.filter);
    EXPECT_EQ(Button(form, "DeleteButton")->isVisible(), c.remove);
    EXPECT_EQ(Button(form, "SwapButton")->isVisible(), c.swap);
    // The first entry is selected once the list is there.
    if (count > 0) {
      EXPECT_EQ(SelectedText(form), ListedTexts(form).front());
    }
  }
}

TEST_F(SearchForm, EnterChoosesAndReturnsWhatTheModeFindsInItsTable) {
  struct TCase {
    ESearchMode mode;
    const char* state;
    bool firstNameFirst;
    const char* typed;
    TSearchResult expected;
  };
  const auto result = [](const char* text, const char* stateId, double latitude,
                         double longitude, const char* zone, const char* summer,
                         const char* first = "", const char* last = "") {
    TSearchResult r;
    r.text = text;
    r.stateId = stateId;
    r.latitude = latitude;
    r.longitude = longitude;
    r.zoneRef = zone;
    r.summerRef = summer;
    r.firstName = first;
    r.lastName = last;
    return r;
  };
  const TCase cases[] = {
      {ESearchMode::smStates, "", true, "denm", result("Denmark", "1133", 0, 0, "", "")},
      {ESearchMode::smPlaces, "Denmark", true, "odense",
       result("Odense", "1133", 55.24, -10.23, "1441", "1441")},
      {ESearchMode::smZones, "", true, "europe/copenhagen",
       result("Europe/Copenhagen", "0000", 0, 0, "1441", "")},
      {ESearchMode::smSummerTimes, "", true, "europe/copenhagen",
       result("Europe/Copenhagen", "0000", 0, 0, "", "1441")},
      {ESearchMode::smGroups, "", true, "", result("Family", "0000", 0, 0, "", "")},
      {ESearchMode::smGroups, "", true, "work", result("Work", "0000", 0, 0, "", "")},
      {ESearchMode::smGroups, "", true, "Friends", result("Friends", "0000", 0, 0, "", "")},
      {ESearchMode::smPeople, "", true, "bob",
       result("Bob Jones", "0000", 0, 0, "", "", "Bob", "Jones")},
      {ESearchMode::smPeople, "", false, "berg c",
       result("Carl Berg", "0000", 0, 0, "", "", "Carl", "Berg")},
  };
  TSearchForm form(started_.Program());
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.typed);
    OpenAndFill(form, Request(c.mode, c.state, c.firstNameFirst));
    Type(form, c.typed);
    QTest::keyClick(SearchEdit(form), Qt::Key_Return);
    ASSERT_EQ(form.result(), QDialog::Accepted);
    ASSERT_FALSE(form.isVisible());
    ASSERT_TRUE(form.Result().has_value());
    const TSearchResult& r = *form.Result();
    EXPECT_EQ(r.text, c.expected.text);
    EXPECT_EQ(r.stateId, c.expected.stateId);
    EXPECT_DOUBLE_EQ(r.latitude, c.expected.latitude);
    EXPECT_DOUBLE_EQ(r.longitude, c.expected.longitude);
    EXPECT_EQ(r.zoneRef, c.expected.zoneRef);
    EXPECT_EQ(r.summerRef, c.expected.summerRef);
    EXPECT_EQ(r.firstName, c.expected.firstName);
    EXPECT_EQ(r.lastName, c.expected.lastName);
    EXPECT_TRUE(form.List().Empty());  // the list is let go after OK
  }
  // The typed new group was added; nothing else was.
  EXPECT_EQ(started_.Count(R"(SELECT count(*) FROM "GROUPS")"), 3);
}

TEST_F(SearchForm, ChooseShowsTheDialogModallyAndReturnsTheChoice) {
  QWidget mainWindow;
  QDialog asking;
  TSearchForm form(started_.Program(), &mainWindow);
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(WaitForFill(form));
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(form.parentWidget(), &asking);  // in front of the dialog that asks
    QTest::keyClicks(SearchEdit(form), "Ros");
    QTest::keyClick(SearchEdit(form), Qt::Key_Return);
  });
  const std::optional<TSearchResult> place = form.PickPlace("Denmark", &asking);
  ASSERT_TRUE(place.has_value());
  EXPECT_EQ(place->text, "Roskilde");
  EXPECT_EQ(form.parentWidget(), &mainWindow);

  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(WaitForFill(form));
    QTest::keyClick(SearchEdit(form), Qt::Key_Escape);
  });
  EXPECT_FALSE(form.PickState().has_value());
}

TEST_F(SearchForm, ArrowsInTheSearchBoxMoveTheSelectionAndStopAtTheEnds) {
  TSearchForm form(started_.Program());
  OpenAndFill(form, Request(ESearchMode::smPeople));
  const QStringList all = ListedTexts(form);
  ASSERT_EQ(all.size(), 5);
  QLineEdit* search = SearchEdit(form);
  const struct {
    Qt::Key key;
    int row;
  } steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Up, 1}, {Qt::Key_Up, 0},
               {Qt::Key_Up, 0},   {Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 3},
               {Qt::Key_Down, 4}, {Qt::Key_Down, 4}};
  for (const auto& step : steps) {
    QTest::keyClick(search, step.key);
    EXPECT_EQ(SelectedText(form), all[step.row]);
  }
  // The keys went to the selection, not the text.
  EXPECT_TRUE(search->text().isEmpty());
}

TEST_F(SearchForm, PageKeysInTheSearchBoxMoveTheSelectionByAPage) {
  TSearchForm form(started_.Program());
  OpenAndFill(form, Request(ESearchMode::smStates));
  const QStringList all = ListedTexts(form);
  QTest::keyClick(SearchEdit(form), Qt::Key_PageDown);
  const int down = all.indexOf(SelectedText(form));
  EXPECT_GT(down, 5);
  QTest::keyClick(SearchEdit(form), Qt::Key_PageUp);
  EXPECT_EQ(SelectedText(form), all.front());
}

TEST_F(SearchForm, ListsForCompletingNamesAreFilledAtOnce) {
  TSearchForm form(started_.Program());
  const TSearchList& states = form.FillStateList();
  EXPECT_FALSE(form.FillPending());
  EXPECT_EQ(static_cast<long long>(states.Count()),
            started_.Count(R"(SELECT count(*) FROM "STATES")"));
  ASSERT_TRUE(states.FirstStartingWith("unit").has_value());
  EXPECT_EQ(states.Text(*states.FirstStartingWith("unit")), "United Arab Emirates");

  const TSearchList& places = form.FillPlaceList("Denmark");
  EXPECT_EQ(static_cast<long long>(places.Count()),
            started_.Count(R"(SELECT count(*) FROM "PLACES" WHERE "StateID" = '1133')"));
  ASSERT_TRUE(places.FirstStartingWith("kø").has_value());
  EXPECT_EQ(places.Text(*places.FirstStartingWith("kø")), "Køge");
  EXPECT_FALSE(form.isVisible());
}

TEST_F(SearchForm, EnterInTheListChoosesTheSelectedEntry) {
  TSearchForm form(started_.Program());
  OpenAndFill(form, Request(ESearchMode::smPeople));
  QListView* list = NameList(form);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  ASSERT_TRUE(form.Result().has_value());
  EXPECT_EQ(form.Result()->text, "Bob Jones");
}

TEST_F(SearchForm, TabGoesFromTheSearchBoxToTheListAndTheButtons) {
  TSearchForm form(started_.Program());
  OpenAndFill(form, Request(ESearchMode::smPeople));
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  ASSERT_EQ(QApplication::focusWidget(), SearchEdit(form));  // focused on opening
  const char* chain[] = {"NameList", "OkButton", "CancelButton", "DeleteButton", "SwapButton",
                         "GroupFilter", "SearchEdit"};
  for (const char* name : chain) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
  }
}

TEST_F(SearchForm, EscapeCancels) {
  TSearchForm form(started_.Program());
  OpenAndFill(form, Request(ESearchMode::smStates));
  QTest::keyClicks(SearchEdit(form), "den");
  QTest::keyClick(SearchEdit(form), Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_FALSE(form.Result().has_value());
}

TEST_F(SearchForm, SwapTurnsTheNamesRoundAndBackKeepingTheSelection) {
  TSearchForm form(started_.Program());
  OpenAndFill(form, Request(ESearchMode::smPeople));
  const QStringList first = ListedTexts(form);
  Type(form, "carl");
  QPushButton* swap = Button(form, "SwapButton");
  QTest::mouseClick(swap, Qt::LeftButton);
  EXPECT_EQ(ListedTexts(form),
            QStringList({"Adams Zoe", "Berg Åsa", "Berg Carl", "Jones Bob", "Smith Ann"}));
  EXPECT_EQ(SelectedText(form), "Berg Carl");
  EXPECT_FALSE(form.FirstNameFirst());
  QTest::mouseClick(swap, Qt::LeftButton);
  EXPECT_EQ(ListedTexts(form), first);
  EXPECT_EQ(SelectedText(form), "Carl Berg");
}

TEST_F(SearchForm, TheGroupFilterListsOneGroupsMembers) {
  TSearchForm form(started_.Program());
  OpenAndFill(form, Request(ESearchMode::smPeople));
  auto* filter = form.findChild<QComboBox*>("GroupFilter");
  ASSERT_EQ(filter->count(), 3);
  EXPECT_EQ(filter->itemText(0), Token(172));
  struct {
    int index;
    QStringList listed;
  } const cases[] = {
      {1, {"Ann Smith", "Bob Jones"}},  // Family
      {2, {"Åsa Berg", "Bob Jones"}},   // Work
      {0, {"Ann Smith", "Åsa Berg", "Bob Jones", "Carl Berg", "Zoe Adams"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    filter->setFocus();
    // The keys a user presses to reach the entry.
    while (filter->currentIndex() != c.index)
      QTest::keyClick(filter, filter->currentIndex() < c.index ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_TRUE(WaitForFill(form));
    EXPECT_EQ(ListedTexts(form), c.listed);
  }
}

// Deleting from the dialog: the question, the tables, and a failure that
// leaves everything as it was with the store's message shown.
TEST_F(SearchForm, DeleteRemovesThePersonOrGroupOrLeavesAllAsItWasOnFailure) {
  struct TCase {
    const char* name;
    ESearchMode mode;
    const char* typed;
    const char* refusingTable;  // null: the delete goes through
    QStringList listedAfter;
    const char* countsSql;      // people, memberships, groups, as one number
    long long countsAfter;
  };
  const char* counts = R"(SELECT (SELECT count(*) FROM "NAME") * 100 +
                                 (SELECT count(*) FROM "NAMEGRPS") * 10 +
                                 (SELECT count(*) FROM "GROUPS"))";
  const TCase cases[] = {
      {"person", ESearchMode::smPeople, "bob", nullptr,
       {"Ann Smith", "Åsa Berg", "Carl Berg", "Zoe Adams"}, counts, 422},
      {"person, refused", ESearchMode::smPeople, "ann", "NAMEGRPS",
       {"Ann Smith", "Åsa Berg", "Carl Berg", "Zoe Adams"}, counts, 422},
      {"group, refused", ESearchMode::smGroups, "fam", "GROUPS", {"Family", "Work"}, counts, 422},
      {"group", ESearchMode::smGroups, "fam", nullptr, {"Work"}, counts, 411},
  };
  TSearchForm form(started_.Program());
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.refusingTable)
      started_.Execute(std::string("CREATE TRIGGER \"refuse\" BEFORE DELETE ON \"") +
                       c.refusingTable + "\" BEGIN SELECT RAISE(ABORT, 'rows are locked'); END");
    OpenAndFill(form, Request(c.mode));
    Type(form, c.typed);
    const QString chosen = SelectedText(form);
    QSignalSpy peopleChanged(&started_.Program(), &desktop::TProgram::PeopleChanged);
    {
      TMessageBoxAnswerer answers;
      QTest::mouseClick(Button(form, "DeleteButton"), Qt::LeftButton);
      ASSERT_TRUE(WaitForFill(form));
      const QStringList expectedBoxes =
          c.mode == ESearchMode::smPeople
              ? QStringList{Token(432) + " " + Token(14) + " '" + chosen + "'. " + Token(486)}
              : QStringList{};
      if (c.refusingTable) {
        ASSERT_EQ(answers.Texts().size(), expectedBoxes.size() + 1);
        EXPECT_TRUE(answers.Texts().back().contains("rows are locked")) << answers.Texts().back().toStdString();
        EXPECT_TRUE(answers.Texts().back().startsWith(chosen));
      } else {
        EXPECT_EQ(answers.Texts(), expectedBoxes);
      }
    }
    EXPECT_EQ(ListedTexts(form), c.listedAfter);
    EXPECT_EQ(started_.Count(c.countsSql), c.countsAfter);
    EXPECT_EQ(peopleChanged.count(), c.refusingTable ? 0 : 1);  // other windows hear of it
    EXPECT_TRUE(form.isVisible());
    form.reject();
    if (c.refusingTable) started_.Execute(R"(DROP TRIGGER "refuse")");
  }
}

TEST_F(SearchForm, CaptionsFollowALanguageSwitch) {
  TSearchForm form(started_.Program());
  OpenAndFill(form, Request(ESearchMode::smStates));
  const QString english = form.windowTitle();
  started_.Program().ApplyLanguage("DK");
  const TSearchCaptions danish = ReadSearchCaptions("DK");
  EXPECT_EQ(form.windowTitle(), Token(237));
  EXPECT_NE(form.windowTitle(), english);
  EXPECT_EQ(Button(form, "OkButton")->text().toStdString(), danish.ok);
  EXPECT_EQ(Button(form, "CancelButton")->text().toStdString(), danish.cancel);
  EXPECT_EQ(form.findChild<QLabel*>("SearchLabel")->text(), Token(509));
  EXPECT_TRUE(form.findChild<QLabel*>("CountLabel")->text().endsWith(Token(520)));
}

// ---- a long list ---------------------------------------------------------------

// A state of `count` places with made-up names in a made-up order.
void AddLargeState(TStartedProgram& started, int count) {
  TSqliteConnection& connection = started.Tables().Database().Connection();
  TTransaction transaction(connection);
  connection.Execute(R"(INSERT INTO "STATES" ("StateID", "StateName") VALUES ('8999', 'Vastland'))");
  TSqliteStatement insert(connection,
                          R"(INSERT INTO "PLACES" ("StateID", "PlaceName", "Latitude", "Longitude",
                             "ZoneRef", "SummerRef") VALUES ('8999', ?1, 5000, -1000, '1441', '1441'))");
  static const char* const kSyllables[] = {"ka", "lo", "mé", "ri", "sa", "tu", "vo", "än",
                                           "bel", "dor", "fen", "gar", "hol", "jus", "ny"};
  unsigned seed = 12345;
  for (int i = 0; i < count; ++i) {
    std::string name;
    for (int s = 0; s < 3; ++s) {
      seed = seed * 1103515245u + 12345u;
      name += kSyllables[(seed >> 16) % std::size(kSyllables)];
    }
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    insert.Reset();
    insert.Bind(1, name + " " + std::to_string(i));
    while (insert.Step()) {
    }
  }
  transaction.Commit();
}

TEST_F(SearchForm, ALongListFillsWhileTheWindowKeepsTurning) {
  constexpr int kPlaces = 20000;
  AddLargeState(started_, kPlaces);
  TSearchForm form(started_.Program());

  // A 1 ms timer marks every turn of the event loop it gets; the longest
  // time between two marks is the longest the window was unresponsive.
  QElapsedTimer clock;
  qint64 lastTurn = 0, longestGap = 0;
  int turnsWhilePartlyFilled = 0;
  QTimer turns;
  turns.setTimerType(Qt::PreciseTimer);
  turns.setInterval(1);
  QObject::connect(&turns, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    longestGap = std::max(longestGap, now - lastTurn);
    lastTurn = now;
    const std::size_t listed = form.List().Count();
    if (form.FillPending() && listed > 0 && listed < kPlaces) ++turnsWhilePartlyFilled;
  });

  clock.start();
  turns.start();
  form.Prepare(Request(ESearchMode::smPlaces, "Vastland"));
  form.show();
  // Escape and Cancel while the list is read do not close the dialog.
  QTest::keyClick(SearchEdit(form), Qt::Key_Escape);
  EXPECT_TRUE(form.isVisible());
  form.reject();
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(Button(form, "OkButton")->isEnabled());
  EXPECT_FALSE(Button(form, "CancelButton")->isEnabled());
  EXPECT_EQ(form.findChild<QLabel*>("CountLabel")->text(), Token(516));
  ASSERT_TRUE(WaitForFill(form, 60000));
  const double fillMs = clock.nsecsElapsed() / 1e6;
  turns.stop();

  std::printf("[ search fill ] %d places in %d slices, %.1f ms; longest event-loop gap %.1f ms; "
              "%d turns while partly filled\n",
              kPlaces, form.Fill().Slices(), fillMs, longestGap / 1e6, turnsWhilePartlyFilled);
  EXPECT_EQ(ListedTexts(form).size(), kPlaces);
  // Read in slices, with the window turning in between (how many depends
  // on the machine's speed).
  EXPECT_GT(form.Fill().Slices(), 1);
  EXPECT_GE(turnsWhilePartlyFilled, 1);
  EXPECT_LT(longestGap / 1'000'000, 200);
  EXPECT_TRUE(Button(form, "OkButton")->isEnabled());

  // The whole list answers typing.
  Type(form, "Hol");
  EXPECT_TRUE(SelectedText(form).startsWith("Hol"));
  QTest::keyClick(SearchEdit(form), Qt::Key_Escape);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace vyn::dialogs::testing

namespace vyn::dialogs::testing {
namespace {

// Pictures of the dialog for a person to look at: set VYN_SEARCH_GRAB_DIR
// to a directory and the dialog is saved there in three of its modes.
TEST_F(SearchForm, PicturesForALook) {
  const QString directory = qEnvironmentVariable("VYN_SEARCH_GRAB_DIR");
  if (directory.isEmpty()) GTEST_SKIP() << "VYN_SEARCH_GRAB_DIR is not set";
  struct TCase {
    const char* file;
    ESearchMode mode;
    const char* state;
    const char* typed;
  };
  const TCase cases[] = {
      {"search_places.png", ESearchMode::smPlaces, "Denmark", "Kø"},
      {"search_states.png", ESearchMode::smStates, "", "united"},
      {"search_people.png", ESearchMode::smPeople, "", "bo"},
      {"search_zones.png", ESearchMode::smZones, "", "europe/c"},
  };
  TSearchForm form(started_.Program());
  for (const TCase& c : cases) {
    OpenAndFill(form, Request(c.mode, c.state));
    Type(form, c.typed);
    QApplication::processEvents();
    EXPECT_TRUE(form.grab().save(directory + "/" + c.file)) << c.file;
    form.reject();
  }
  // Longer captions of another language.
  started_.Program().ApplyLanguage("GE");
  OpenAndFill(form, Request(ESearchMode::smPeople));
  EXPECT_TRUE(form.grab().save(directory + "/search_people_ge.png"));
}

}  // namespace
}  // namespace vyn::dialogs::testing

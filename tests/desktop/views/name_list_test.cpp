// The name list: its outline over the "NAME" table and the drag of a
// person to a wheel.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QTest>
#include <memory>

#include "app/desktop/views/background_menu.h"
#include "app/desktop/views/name_outline_model.h"
#include "app/desktop/views/name_pages.h"
#include "app/desktop/views/person_drag.h"
#include "app/desktop/views/win_names.h"
#include "data/data_collection.h"
#include "tests/desktop/views/desktop_fixture.h"

namespace vyn::desktop::testing {
namespace {

class NameListTest : public DesktopTest {
 protected:
  // Drags recorded instead of run.
  void RecordDrags(TWinNames& names) {
    names.Outline()->SetDragRunner([this](QWidget*, QMimeData* payload) {
      std::unique_ptr<QMimeData> owned(payload);
      dragged_.push_back(DraggedPerson(*owned).value_or(TDraggedPerson{"?", "?"}));
    });
  }
  void DoubleClick(TWinNames& names, const QModelIndex& index) {
    QTreeView* outline = names.Outline();
    const QPoint point = outline->visualRect(index).center();
    QTest::mouseDClick(outline->viewport(), Qt::LeftButton, {}, point);
  }
  QStringList PeopleTexts(TWinNames& names) {
    TNameOutlineModel* model = names.Model();
    const QModelIndex people = model->TopNode(TNameOutlineModel::tnPeople);
    while (model->canFetchMore(people)) model->fetchMore(people);
    QStringList texts;
    for (int row = 0; row < model->rowCount(people); ++row)
      texts << model->index(row, 0, people).data().toString();
    return texts;
  }

  std::vector<TDraggedPerson> dragged_;
};

TEST(PersonDragTest, PayloadCarriesFirstAndLastName) {
  const TDraggedPerson cases[] = {
      {"Anna", "Holm"}, {"Mary Ann", "van der Berg"}, {"Zoë", "Ægidius"}, {"", "Solo"}};
  for (const TDraggedPerson& person : cases) {
    const std::unique_ptr<QMimeData> data = PersonMimeData(person);
    EXPECT_TRUE(data->hasFormat("application/x-vyn-person"));
    EXPECT_EQ(DraggedPerson(*data), person);
    EXPECT_EQ(data->text(), person.firstName + " " + person.lastName);
  }
  QMimeData other;
  other.setText("Anna Holm");
  EXPECT_EQ(DraggedPerson(other), std::nullopt);
}

TEST_F(NameListTest, EmptyTableShowsTheTwoTopNodesOnly) {
  OpenProgram();
  TWinNames names(Program());
  TNameOutlineModel* model = names.Model();
  ASSERT_EQ(model->rowCount(), 2);
  EXPECT_EQ(model->index(0, 0).data().toString(), "People");
  EXPECT_EQ(model->index(1, 0).data().toString(), "Groups");
  EXPECT_TRUE(PeopleTexts(names).isEmpty());
  EXPECT_EQ(model->rowCount(model->TopNode(TNameOutlineModel::tnGroups)), 0);
  EXPECT_EQ(names.windowTitle(), "Name List");
}

TEST_F(NameListTest, PeopleInKeyOrder) {
  OpenProgram();
  StorePeople({Clara(), Ben(), Anna()});
  TWinNames names(Program());
  EXPECT_EQ(PeopleTexts(names), QStringList({"Anna Holm", "Ben Carter", "Clara Ruiz"}));
}

TEST_F(NameListTest, PagesReadTheWholeTableOnce) {
  OpenProgram();
  std::vector<TSamplePerson> people;
  for (int i = 0; i < 7; ++i) {
    TSamplePerson person = Anna();
    person.first = "P" + std::to_string(i);
    people.push_back(person);
  }
  StorePeople(people);
  TNamePages pages(Program().Tables().Database());
  std::vector<std::string> read;
  for (std::size_t count : {3u, 3u, 3u}) {
    for (const TPersonName& name : pages.Next(count)) read.push_back(name.first);
  }
  EXPECT_TRUE(pages.AtEnd());
  EXPECT_TRUE(pages.Next(3).empty());
  EXPECT_EQ(read, (std::vector<std::string>{"P0", "P1", "P2", "P3", "P4", "P5", "P6"}));
  pages.Restart();
  EXPECT_EQ(pages.Next(2).front().first, "P0");
}

TEST_F(NameListTest, StoredPeopleAppearAfterTheChange) {
  OpenProgram();
  StorePeople({Anna()});
  TWinNames names(Program());
  EXPECT_EQ(PeopleTexts(names), QStringList({"Anna Holm"}));
  StorePeople({Ben()});
  Program().NotifyPeopleChanged();
  EXPECT_EQ(PeopleTexts(names), QStringList({"Anna Holm", "Ben Carter"}));
}

TEST_F(NameListTest, DoubleClickDragsThePerson) {
  OpenProgram();
  StorePeople({Anna(), Ben()});
  TWinNames names(Program());
  names.resize(200, 300);
  names.show();
  RecordDrags(names);
  PeopleTexts(names);
  const QModelIndex people = names.Model()->TopNode(TNameOutlineModel::tnPeople);
  names.Outline()->expand(people);

  DoubleClick(names, names.Model()->index(1, 0, people));
  ASSERT_EQ(dragged_.size(), 1u);
  EXPECT_EQ(dragged_[0], (TDraggedPerson{"Ben", "Carter"}));

  // Top nodes are not people: no drag.
  DoubleClick(names, names.Model()->TopNode(TNameOutlineModel::tnGroups));
  EXPECT_EQ(dragged_.size(), 1u);
}

TEST_F(NameListTest, OnlyPeopleCanBeDragged) {
  OpenProgram();
  StorePeople({Anna()});
  TWinNames names(Program());
  TNameOutlineModel* model = names.Model();
  PeopleTexts(names);
  const QModelIndex people = model->TopNode(TNameOutlineModel::tnPeople);
  const QModelIndex anna = model->index(0, 0, people);
  EXPECT_TRUE(model->flags(anna) & Qt::ItemIsDragEnabled);
  EXPECT_FALSE(model->flags(people) & Qt::ItemIsDragEnabled);
  std::unique_ptr<QMimeData> data(model->mimeData({anna}));
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(DraggedPerson(*data), (TDraggedPerson{"Anna", "Holm"}));
  EXPECT_EQ(model->mimeData({people}), nullptr);
}

TEST_F(NameListTest, LanguageSwitchRecaptionsTheListAndItsTopNodes) {
  OpenProgram();
  TWinNames names(Program());
  Program().ApplyLanguage("GE");
  EXPECT_EQ(names.windowTitle(), Program().Token(1021));
  EXPECT_EQ(names.Model()->index(0, 0).data().toString(), "Personen");
  EXPECT_EQ(names.Model()->index(1, 0).data().toString(), "Gruppen");
}

TEST_F(NameListTest, PopupMenuColoursTheOutline) {
  OpenProgram();
  TWinNames names(Program());
  names.PopupMenu()->SetColorChooser(
      [](QWidget*, QColor) -> std::optional<QColor> { return QColor(200, 230, 255); });
  names.PopupMenu()->BackgroundAction()->trigger();
  EXPECT_EQ(names.OutlineColor(), QColor(200, 230, 255));
}

}  // namespace
}  // namespace vyn::desktop::testing

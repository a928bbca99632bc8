#include "tests/dialogs/search/search_fixture.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "data/data_collection.h"
#include "data/sqlite_connection.h"
#include "data/sqlite_statement.h"
#include "data/vyn_database.h"

namespace vyn::dialogs::testing {
namespace {

// One application object for the whole run, offscreen unless told otherwise.
class TQtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "search_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

void Run(TSqliteConnection& connection, const std::string& sql,
         const std::vector<TVynValue>& values) {
  TSqliteStatement statement(connection, sql);
  statement.BindAll(values);
  while (statement.Step()) {
  }
}

}  // namespace

TStartedProgram::TStartedProgram() : program_(std::make_unique<desktop::TProgram>()) {
  program_->LoadSettings(1280, 1024);
  program_->OpenDatabase("UK");
  program_->ApplyLanguage("UK");
  program_->CreateCharts();
  program_->LoadCurrentPeople();
}

void TStartedProgram::Execute(const std::string& sql) {
  Tables().Database().Connection().Execute(sql);
}

long long TStartedProgram::Count(const std::string& sql) {
  TSqliteStatement statement(Tables().Database().Connection(), sql);
  return statement.Step() ? statement.Column(0).Integer() : -1;
}

void TStartedProgram::AddPerson(const std::string& first, const std::string& last,
                                const std::vector<std::string>& groups) {
  TSqliteConnection& connection = Tables().Database().Connection();
  Run(connection,
      R"(INSERT INTO "NAME" ("FirstName", "LastName", "Sex", "BirthDate", "BirthTime")
         VALUES (?1, ?2, 'F', '19800101', '120000'))",
      {first, last});
  for (const std::string& group : groups) {
    Run(connection, R"(INSERT OR IGNORE INTO "GROUPS" ("GroupName") VALUES (?1))", {group});
    Run(connection,
        R"(INSERT INTO "NAMEGRPS" ("GroupName", "FirstName", "LastName") VALUES (?1, ?2, ?3))",
        {group, first, last});
  }
}

void AddSamplePeople(TStartedProgram& started) {
  started.AddPerson("Ann", "Smith", {"Family"});
  started.AddPerson("Bob", "Jones", {"Family", "Work"});
  started.AddPerson("Åsa", "Berg", {"Work"});
  started.AddPerson("Carl", "Berg");
  started.AddPerson("Zoe", "Adams");
}

QLineEdit* SearchEdit(TSearchForm& form) { return form.findChild<QLineEdit*>("SearchEdit"); }
QListView* NameList(TSearchForm& form) { return form.findChild<QListView*>("NameList"); }
QPushButton* Button(TSearchForm& form, const char* name) {
  return form.findChild<QPushButton*>(name);
}

QString SelectedText(TSearchForm& form) {
  QListView* view = NameList(form);
  const QModelIndex current = view->currentIndex();
  if (!current.isValid() || !view->selectionModel()->isSelected(current)) return {};
  return current.data().toString();
}

QStringList ListedTexts(TSearchForm& form) {
  QStringList texts;
  const QAbstractItemModel* model = NameList(form)->model();
  for (int row = 0; row < model->rowCount(); ++row)
    texts << model->index(row, 0).data().toString();
  return texts;
}

// A plain event loop, as the dialog's own: QTest::qWaitFor would sleep
// between its turns and hold up the fill it waits for.
bool WaitForFill(TSearchForm& form, int timeoutMs) {
  if (!form.FillPending()) return true;
  QEventLoop loop;
  QObject::connect(&form, &TSearchForm::FillFinished, &loop, &QEventLoop::quit);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return !form.FillPending();
}

void OpenAndFill(TSearchForm& form, const TSearchRequest& request) {
  form.Prepare(request);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  ASSERT_TRUE(WaitForFill(form));
}

TSearchRequest Request(ESearchMode mode, const QString& state, bool firstNameFirst) {
  TSearchRequest request;
  request.mode = mode;
  request.state = state;
  request.firstNameFirst = firstNameFirst;
  return request;
}

TMessageBoxAnswerer::TMessageBoxAnswerer() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    texts_ << box->text();
    QTest::keyClick(box, Qt::Key_Return);
  });
  timer_.start();
}

}  // namespace vyn::dialogs::testing

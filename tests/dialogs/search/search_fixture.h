#pragma once
// What the search dialog's tests share: the application object, a started
// program over a private copy of the application directory, rows of people
// and groups, and helpers that drive the dialog like a user.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/desktop/program.h"
#include "dialogs/search/search_form.h"
#include "tests/support/test_app_directory.h"

class QLineEdit;
class QListView;
class QPushButton;

namespace vyn::dialogs::testing {

// A started program (settings, database, language "UK", charts, current
// people) in its own copy of the application directory.
class TStartedProgram {
 public:
  TStartedProgram();
  desktop::TProgram& Program() { return *program_; }
  TDataCollection& Tables() { return program_->Tables(); }

  // Runs `sql` (no values) on the program's database.
  void Execute(const std::string& sql);
  // One integer of a query.
  long long Count(const std::string& sql);
  // Stores a person and makes it a member of `groups` (added when new).
  void AddPerson(const std::string& first, const std::string& last,
                 const std::vector<std::string>& groups = {});

 private:
  vyn::testing::TTestAppDirectory directory_;
  std::unique_ptr<desktop::TProgram> program_;
};

// A few people in two groups:
//   Ann Smith (Family), Bob Jones (Family, Work), Åsa Berg (Work),
//   Carl Berg, Zoe Adams.
void AddSamplePeople(TStartedProgram& started);

// The dialog's controls, found by their object names.
QLineEdit* SearchEdit(TSearchForm& form);
QListView* NameList(TSearchForm& form);
QPushButton* Button(TSearchForm& form, const char* name);
// The selected entry's text (empty when none), and every entry's.
QString SelectedText(TSearchForm& form);
QStringList ListedTexts(TSearchForm& form);

// Prepares and shows the dialog, and waits until its list is filled.
void OpenAndFill(TSearchForm& form, const TSearchRequest& request);
bool WaitForFill(TSearchForm& form, int timeoutMs = 20000);
TSearchRequest Request(ESearchMode mode, const QString& state = {}, bool firstNameFirst = true);

// Answers each message box that opens while it lives: Return (the default
// button: Yes, OK) and keeps the boxes' texts.
class TMessageBoxAnswerer {
 public:
  TMessageBoxAnswerer();
  const QStringList& Texts() const { return texts_; }

 private:
  QTimer timer_;
  QStringList texts_;
};

}  // namespace vyn::dialogs::testing

#pragma once
// A running desktop program for window tests: a QApplication (offscreen),
// the symbol fonts, a private application directory with its own database,
// and a TProgram started in the main window's order. People are stored in
// "NAME" and "CurrNAME" before they are loaded into the chart slots.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/desktop/program.h"
#include "tests/support/test_app_directory.h"

class QWidget;

namespace vyn::desktop::testing {

struct TSamplePerson {
  std::string first, last;
  std::string birthDate;  // YYYYMMDD
  std::string birthTime;  // HHMMSS
  long latitude;          // degrees x 100 + minutes, south negative
  long longitude;         // east negative
  std::string timeZone;   // "HHMM" + "W" or "E"
};

// Anna (Copenhagen 1970) and Ben (London 1975).
TSamplePerson Anna();
TSamplePerson Ben();
TSamplePerson Clara();

// Creates the application object once per process; registers the symbol
// fonts of the built application directory.
void EnsureApplication();

class DesktopTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Settings, database and language "UK"; no charts yet.
  void OpenProgram();
  // Stores people in "NAME" and lists the first `current` of them in
  // "CurrNAME" (all when -1).
  void StorePeople(const std::vector<TSamplePerson>& people, int current = -1);
  // Creates the charts and loads the current people.
  void LoadCharts();
  // OpenProgram, StorePeople and LoadCharts in one.
  void StartWith(const std::vector<TSamplePerson>& people, int current = -1);

  TProgram& Program() { return *program_; }
  const std::string& AppDir() const { return directory_->Path(); }

  // Saves a picture of `widget` at `size` under /tmp/vyn_views/<name>.png.
  static QImage Snapshot(QWidget& widget, QSize size, const QString& name);

 private:
  std::unique_ptr<vyn::testing::TTestAppDirectory> directory_;
  std::unique_ptr<TProgram> program_;
};

// Counts the pixels of `image` that are not `background`.
int InkPixels(const QImage& image, QColor background);

}  // namespace vyn::desktop::testing

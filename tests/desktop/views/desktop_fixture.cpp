#include "tests/desktop/views/desktop_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QWidget>
#include <stdexcept>

#include "data/data_collection.h"
#include "data/vyn_table.h"

namespace vyn::desktop::testing {

TSamplePerson Anna() { return {"Anna", "Holm", "19700101", "060000", 5541, -1235, "0100E"}; }
TSamplePerson Ben() { return {"Ben", "Carter", "19750707", "183000", 5130, 7, "0000W"}; }
TSamplePerson Clara() { return {"Clara", "Ruiz", "19821224", "231500", 4025, 342, "0100E"}; }

void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "desktop_view_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends
  for (const char* face : {"/VYNS.TTF", "/VYNSS.TTF"})
    if (QFontDatabase::addApplicationFont(QString::fromUtf8(VYN_TEST_APP_DIR) + face) < 0)
      throw std::runtime_error(std::string("cannot load the symbol font ") + face);
}

void DesktopTest::SetUp() {
  EnsureApplication();
  directory_ = std::make_unique<vyn::testing::TTestAppDirectory>();
}

void DesktopTest::TearDown() {
  program_.reset();
  directory_.reset();
}

void DesktopTest::OpenProgram() {
  program_ = std::make_unique<TProgram>();
  program_->LoadSettings(1280, 1024);
  program_->OpenDatabase("UK");
  program_->ApplyLanguage("UK");
}

void DesktopTest::StorePeople(const std::vector<TSamplePerson>& people, int current) {
  TVynTable& names = program_->Tables().Table(TTableRole::trNames);
  TVynTable& currentNames = program_->Tables().Table(TTableRole::trCurrentNames);
  int listed = 0;
  for (const TSamplePerson& person : people) {
    names.Insert();
    names.FieldByName("FirstName").SetAsString(person.first);
    names.FieldByName("LastName").SetAsString(person.last);
    names.FieldByName("Sex").SetAsString("F");
    names.FieldByName("BirthDate").SetAsString(person.birthDate);
    names.FieldByName("BirthTime").SetAsString(person.birthTime);
    names.FieldByName("TimeUnknown").SetAsBoolean(false);
    names.FieldByName("Latitude").SetAsInteger(person.latitude);
    names.FieldByName("Longitude").SetAsInteger(person.longitude);
    names.FieldByName("TimeZone").SetAsString(person.timeZone);
    names.FieldByName("SummerTime").SetAsString("+0000");
    names.Post();
    if (current >= 0 && listed >= current) continue;
    ++listed;
    currentNames.Insert();
    currentNames.FieldByName("FirstName").SetAsString(person.first);
    currentNames.FieldByName("LastName").SetAsString(person.last);
    currentNames.Post();
  }
}

void DesktopTest::LoadCharts() {
  program_->CreateCharts();
  program_->LoadCurrentPeople();
}

void DesktopTest::StartWith(const std::vector<TSamplePerson>& people, int current) {
  OpenProgram();
  StorePeople(people, current);
  LoadCharts();
}

QImage DesktopTest::Snapshot(QWidget& widget, QSize size, const QString& name) {
  widget.resize(size);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  widget.render(&image);
  QDir().mkpath(QStringLiteral("/tmp/vyn_views"));
  image.save(QStringLiteral("/tmp/vyn_views/") + name + QStringLiteral(".png"));
  return image;
}

int InkPixels(const QImage& image, QColor background) {
  int count = 0;
  const QRgb plain = background.rgb();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != (plain & 0xFFFFFF)) ++count;
  return count;
}

}  // namespace vyn::desktop::testing

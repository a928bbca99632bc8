#include "tests/desktop/wheel/wheel_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QtTest/QTest>

#include "app/desktop/start_up.h"
#include "graphics/wheel/wheel_widget.h"

namespace vyn::desktop::testing {

std::vector<TSamplePerson> People(int count) {
  const std::vector<TSamplePerson> all = {
      Anna(),
      Ben(),
      Clara(),
      {"Dora", "Weiss", "19881003", "071500", 4850, -220, "0100E"},
      {"Emil", "Lund", "19600515", "120000", 5230, -1322, "0100E"},
      {"Finn", "Aho", "19920229", "031000", 6010, -2456, "0200E"},
  };
  return {all.begin(), all.begin() + count};
}

namespace {

void LayOut(TWheelWidget& widget) {
  widget.Wheel().Layout({0, 0, widget.width(), widget.height()});
}

}  // namespace

QPoint GlyphPoint(TWheelWidget& widget, int slot, bool inner) {
  LayOut(widget);
  const TWheelGeometry& geometry = widget.Wheel().Geometry();
  const TWheelPoint p = (inner ? geometry.inner : geometry.outer).glyphs[static_cast<std::size_t>(slot)];
  return {p.x, p.y};
}

QPoint CentrePoint(TWheelWidget& widget) {
  LayOut(widget);
  const TWheelRect& square = widget.Wheel().Geometry().square;
  return {(square.left + square.right) / 2, (square.top + square.bottom) / 2};
}

std::vector<int> SelectedBodies(const TWheelWidget& widget, int record) {
  const TWheelSelection& selection = widget.Wheel().Selection(record);
  return {selection.bodies.begin(), selection.bodies.begin() + selection.count};
}

// ---- the view alone ---------------------------------------------------------------

void WheelViewTest::TearDown() {
  view_.reset();
  DesktopTest::TearDown();
}

void WheelViewTest::OpenView(const std::vector<TSamplePerson>& people, int current, QSize size) {
  StartWith(people, current);
  view_ = std::make_unique<TWheelView>(Program());
  Win().SetSelectionBar(&bar_);
  Win().SetInterpretation(&interpretation_);
  view_->resize(size);
  view_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
}

TWheel& WheelViewTest::WheelOf(int k) { return WheelWidget(k).Wheel(); }

// ---- the main window ------------------------------------------------------------

void WheelMainFormTest::TearDown() {
  form_.reset();
  program_.reset();
  DesktopTest::TearDown();
}

void WheelMainFormTest::StartMainWindow(const std::vector<TSamplePerson>& people, QSize size) {
  StartWith(people);
  program_ = std::make_unique<TProgram>();
  form_ = StartUp(*program_, {}, TStartUpOptions{}, nullptr);
  form_->resize(size);
  form_->show();
  QApplication::setActiveWindow(form_.get());
  QApplication::processEvents();
}

TWheelView& WheelMainFormTest::OpenWheelView() {
  form_->Action(ECommand::cmWheelWindow)->trigger();
  QApplication::processEvents();
  return *form_->WheelView();
}

}  // namespace vyn::desktop::testing

#pragma once
// What the wheel window tests share: more people than the grid views need
// (up to six, for the layouts of three to six wheels), the wheel view on
// its own over a running program, the main window started as the program
// starts it, points of a wheel's glyphs, and a selection bar and an
// interpretation window that record what they are asked.
#include <QPoint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/desktop/main_form.h"
#include "app/desktop/wheel/wheel_view.h"
#include "app/desktop/wheel/wheel_win.h"
#include "app/desktop/wheel/wheel_win_calls.h"
#include "tests/desktop/views/desktop_fixture.h"

namespace vyn {
class TWheelWidget;
}  // namespace vyn

namespace vyn::desktop::testing {

// Anna, Ben, Clara and three more, the first `count` of them.
std::vector<TSamplePerson> People(int count);

// Where body `slot` stands on the outer (or the inner) ring of a wheel, in
// the widget's coordinates; the wheel is laid out for the widget's size.
QPoint GlyphPoint(TWheelWidget& widget, int slot, bool inner = false);
// The centre of a wheel.
QPoint CentrePoint(TWheelWidget& widget);

// The body slots a wheel's selection record holds, in order.
std::vector<int> SelectedBodies(const TWheelWidget& widget, int record);

using TCall = std::pair<std::string, int>;

class TRecordingBar : public TSelectionBarCalls {
 public:
  void FocusBody(int body) override { calls.emplace_back("FocusBody", body); }
  void FocusSign(int sign) override { calls.emplace_back("FocusSign", sign); }
  void FocusHouse(int house) override { calls.emplace_back("FocusHouse", house); }
  void FocusCusp(int cusp) override { calls.emplace_back("FocusCusp", cusp); }
  void FocusAspect(int entry) override { calls.emplace_back("FocusAspect", entry); }
  void ClearFocus() override { calls.emplace_back("ClearFocus", 0); }
  std::vector<TCall> calls;
};

class TRecordingInterpretation : public TInterpretationCalls {
 public:
  void SetCurrentPerson(int person) override { calls.emplace_back("SetCurrentPerson", person); }
  void RebuildTopics() override { calls.emplace_back("RebuildTopics", 0); }
  std::vector<TCall> calls;
};

// The wheel view alone, shown at a size, over a program with people.
class WheelViewTest : public DesktopTest {
 protected:
  void TearDown() override;

  // Starts the program with the people (the first `current` of them
  // loaded) and shows the wheel view at `size`.
  void OpenView(const std::vector<TSamplePerson>& people, int current = -1,
                QSize size = QSize(700, 560));

  TWheelView& View() { return *view_; }
  TWheelWin& Win() { return *view_->WheelWin(); }
  TWheelWidget& WheelWidget(int k) { return *Win().Wheel(k); }
  TWheel& WheelOf(int k);

  std::unique_ptr<TWheelView> view_;
  TRecordingBar bar_;
  TRecordingInterpretation interpretation_;
};

// The main window, started as the program starts it, over people stored by
// an earlier run.
class WheelMainFormTest : public DesktopTest {
 protected:
  void TearDown() override;

  void StartMainWindow(const std::vector<TSamplePerson>& people, QSize size = QSize(1100, 760));
  // The wheel view, opened with the View menu's item.
  TWheelView& OpenWheelView();

  std::unique_ptr<TProgram> program_;
  std::unique_ptr<TMainForm> form_;
};

}  // namespace vyn::desktop::testing

#pragma once
// Keeps a view's place in the settings store: on every resize and on close
// of the window that frames the view (its QMdiSubWindow inside the main
// window's document area, else the view itself) the bounds and the state
// are stored in the view's [Windows] placement. A minimised or maximised
// window stores only its state and keeps the bounds it returns to.
#include <QObject>
#include <QPointer>

#include "settings/setup_settings.h"

class QWidget;

namespace vyn {
class TVynSetup;
}  // namespace vyn

namespace vyn::desktop {

class TPlacementKeeper : public QObject {
  Q_OBJECT

 public:
  TPlacementKeeper(QWidget* view, TVynSetup& setup, TWindowId window);

  // The window whose bounds are kept.
  QWidget* Frame() const { return frame_; }
  // Stores the frame's placement now.
  void Store();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FollowFrame();

  QWidget* view_;
  TVynSetup& setup_;
  TWindowId window_;
  QPointer<QWidget> frame_;
};

// Sets a window's bounds and state from a stored placement (a window that
// is maximised already stays so when the placement says maximised).
void ApplyPlacement(QWidget* frame, const WindowPlacement& placement);

}  // namespace vyn::desktop

#include "app/desktop/views/placement_keeper.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QWidget>

#include "settings/vyn_setup.h"
#include "settings/window_placement.h"

namespace vyn::desktop {
namespace {

int StateOf(const QWidget* frame) {
  if (frame->isMinimized()) return wsMinimized;
  if (frame->isMaximized()) return wsMaximized;
  return wsNormal;
}

}  // namespace

TPlacementKeeper::TPlacementKeeper(QWidget* view, TVynSetup& setup, TWindowId window)
    : QObject(view), view_(view), setup_(setup), window_(window) {
  view_->installEventFilter(this);
  FollowFrame();
}

void TPlacementKeeper::FollowFrame() {
  QWidget* frame = qobject_cast<QMdiSubWindow*>(view_->parentWidget());
  if (frame == nullptr) frame = view_;
  if (frame == frame_) return;
  if (frame_ && frame_ != view_) frame_->removeEventFilter(this);
  frame_ = frame;
  if (frame_ != view_) frame_->installEventFilter(this);
}

void TPlacementKeeper::Store() {
  if (!frame_) return;
  const QRect bounds = frame_->geometry();
  StoreWindowPlacement(setup_.Placement(window_),
                       {bounds.left(), bounds.top(), bounds.width(), bounds.height()},
                       StateOf(frame_));
}

bool TPlacementKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::ParentChange) FollowFrame();
  if (watched == frame_ && (event->type() == QEvent::Resize || event->type() == QEvent::Close))
    Store();
  return QObject::eventFilter(watched, event);
}

void ApplyPlacement(QWidget* frame, const WindowPlacement& placement) {
  if (placement.State == wsMaximized && frame->isMaximized()) return;
  const TBounds& b = placement.Bounds;
  if (b.Width > 0 && b.Height > 0) frame->setGeometry(b.Left, b.Top, b.Width, b.Height);
  if (placement.State == wsMaximized) frame->showMaximized();
  else if (placement.State == wsMinimized) frame->showMinimized();
}

}  // namespace vyn::desktop

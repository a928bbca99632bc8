#pragma once
// The drawing surface of a view: a child widget that hands its paint events
// to the view's Render, so that the same drawing serves the screen and any
// QImage or QPainter the caller sizes (benchmarks, snapshots).
#include <QWidget>
#include <functional>

namespace vyn::desktop {

class TViewCanvas : public QWidget {
  Q_OBJECT

 public:
  using TRender = std::function<void(QPainter&, QSize)>;

  TViewCanvas(TRender render, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TRender render_;
};

// A painter set up for the views' drawing: antialiased lines and text.
void PrepareViewPainter(QPainter& painter);

}  // namespace vyn::desktop

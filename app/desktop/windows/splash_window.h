#pragma once
// The splash window shown while the program starts: the program's title
// over a ring of the zodiac and two interlaced circles, and a progress mark
// from 0 to 100 per cent that start-up advances after each of its steps.
// Everything is drawn here; no picture file is needed. The zodiac ring is
// drawn when the symbol font is installed already.
#include <QString>
#include <QWidget>

namespace vyn::desktop {

class TSplashWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 480;
  static constexpr int kHeight = 300;

  explicit TSplashWindow(const QString& title, QWidget* parent = nullptr);

  int Progress() const { return progress_; }
  // Clamped to 0..100; repaints at once, since start-up blocks the event
  // loop between its steps.
  void SetProgress(int percent);

  void Render(QPainter& painter, QSize size) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawEmblem(QPainter& painter, QPointF centre, qreal radius) const;
  void DrawProgress(QPainter& painter, QRectF bar) const;

  QString title_;
  int progress_ = 0;
};

}  // namespace vyn::desktop

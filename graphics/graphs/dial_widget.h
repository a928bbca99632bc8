#pragma once
// TDialWidget: a degree dial on the screen. Every paint lays the dial out
// for the rectangle (0, 10, width, height) and draws it; the dial takes no
// presses.
#include <QWidget>

#include "graphics/graphs/degree_dial.h"

namespace vyn {

class TDialWidget : public QWidget {
  Q_OBJECT

 public:
  explicit TDialWidget(QWidget* parent = nullptr);

  TDDial& Dial() { return dial_; }
  const TDDial& Dial() const { return dial_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TDDial dial_;
};

}  // namespace vyn

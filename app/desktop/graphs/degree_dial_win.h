#pragma once
// TDegreeDial: a document window with one degree dial of the first person
// and the partner at 30, 60 or 90 degrees. It never becomes smaller than
// 550 x 250; the dial fills it but for a margin.
#include <QWidget>

namespace vyn {
class TDialWidget;
}

namespace vyn::desktop {

class TProgram;

class TDegreeDial : public QWidget {
  Q_OBJECT

 public:
  TDegreeDial(TProgram& program, int angle, QWidget* parent = nullptr);

  int Angle() const;
  TDialWidget* DDial1() const { return dDial1_; }
  void Retranslate();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  TProgram& program_;
  TDialWidget* dDial1_;
};

// The caption of the dial window of `angle`: token 1022, ": " and token
// 1001, 1002 or 1003.
QString DialCaption(const TProgram& program, int angle);

}  // namespace vyn::desktop

#pragma once
// The tip of the day: a random tip of the current language's tips table,
// "Next Tip" for another, "Do not show this tip next time" to stop the
// tips at start-up (kept in the settings file when the window closes),
// and Close.
#include <QDialog>
#include <random>

#include "app/desktop/windows/tip_list.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vyn::desktop {

class TProgram;

class TTipOfDay : public QDialog {
  Q_OBJECT

 public:
  // `seed` chooses the tips (tests give a fixed one).
  TTipOfDay(TProgram& program, QWidget* parent = nullptr, unsigned seed = std::random_device{}());

  // Whether start-up offers the tips.
  static bool OfferedAtStart(TProgram& program);

  QLabel* TipLabel() const { return tip_; }
  QCheckBox* DoNotShow() const { return doNotShow_; }
  QPushButton* NextButton() const { return next_; }
  QPushButton* CloseButton() const { return close_; }

  void done(int result) override;

 private:
  void ShowNextTip();

  TProgram& program_;
  TTipPicker picker_;
  QLabel* tip_;
  QCheckBox* doNotShow_;
  QPushButton* next_;
  QPushButton* close_;
};

}  // namespace vyn::desktop

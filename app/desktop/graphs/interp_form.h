#pragma once
// TfrmInterp: the modal text window of a press on a graph: a keyword bar,
// the text on pale yellow, and a right-hand column with the video button
// and the strength gauge. The window is sized to 80% of the main window's
// client area and centred on it.
#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace vyn {
class TAspectMeter;
}

namespace vyn::desktop {

class TProgram;

class TfrmInterp : public QDialog {
  Q_OBJECT

 public:
  // `mainWindow` gives the size and the place; nullptr leaves the default.
  TfrmInterp(const TProgram& program, QWidget* mainWindow);

  void SetKeyword(const QString& keyword);
  void SetText(const QString& text);
  void AppendText(const QString& text);
  // The keyword bar and the gauge (only for the texts of one contact).
  void SetKeywordBarShown(bool on);
  void SetGauge(bool shown, int value = 0);
  // A clip file shows the video button, which plays it through `playClip`.
  void SetVideo(const QString& file, std::function<void(const QString&)> playClip);

  QString Keyword() const;
  QString Text() const;
  QWidget* KeywordBar() const { return panel3_; }
  QWidget* RightColumn() const { return panel6_; }
  QWidget* VideoPanel() const { return panel5_; }
  QToolButton* VideoButton() const { return speedButton1_; }
  TAspectMeter* Meter() const { return aspectMeter1_; }
  const QString& VideoFile() const { return videoFile_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Arrange();

  QWidget* panel3_;
  QLabel* label3_;
  QLineEdit* edit3_;
  QPlainTextEdit* memo2_;
  QWidget* panel6_;
  QWidget* panel5_;
  QToolButton* speedButton1_;
  QWidget* panel4_;
  TAspectMeter* aspectMeter1_;
  bool gaugeShown_ = false;
  QString videoFile_;
  std::function<void(const QString&)> playClip_;
};

}  // namespace vyn::desktop

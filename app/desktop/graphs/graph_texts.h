#pragma once
// What the graph windows share: the interpretation texts of press codes,
// expanded for a person and a partner, the clip player of the main window,
// and the help panel under a graph (a white bar with a small button that
// shows or hides a help memo).
#include <QFrame>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "interpretation/interp_record.h"

class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace vyn {
class THoroscope;
}

namespace vyn::desktop {

class TProgram;

// The record of `code` in the current language's interpretation table;
// nothing when there is none (or the table cannot be read).
std::optional<TInterpRecord> LookUpText(TProgram& program, std::string_view code);

// The record's TextK (lines ended by CR LF) with its placeholders filled
// in for `person` and `partner`, one paragraph per resulting line.
QString ExpandedText(const TProgram& program, const TInterpRecord& record,
                     const THoroscope& person, const THoroscope* partner);

// The TextK of a help code as plain text, or `fallback` without a record.
QString HelpText(TProgram& program, std::string_view code, const QString& fallback = {});

// What the graph windows need of the main window.
struct TGraphServices {
  std::function<void(QWidget* parent, const QString& file)> playClip;
  char videoDrive = ' ';  // the drive of the clips; a blank without one
};

// The white caption bar under a graph with its help button at the right
// end; a click on the bar itself fires `clicked`.
class THelpPanel : public QFrame {
  Q_OBJECT

 public:
  explicit THelpPanel(QWidget* parent = nullptr);
  QLabel* Caption() const { return caption_; }
  QToolButton* Button() const { return button_; }
  void SetText(const QString& text);

 signals:
  void clicked();
  void helpPressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QLabel* caption_;
  QToolButton* button_;
};

// A hidden read-only help memo: white, 13-pixel Arial, vertical scroll bar.
QPlainTextEdit* NewHelpMemo(QWidget* parent, const QString& name);

}  // namespace vyn::desktop

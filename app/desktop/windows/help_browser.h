#pragma once
// The help window: the text of a help topic by its number, as the help
// table of the current language holds it (records "HelpNo", "HelpText").
// A topic without a text says so instead of showing an empty window. Texts
// are Markdown; a link "topic:N" shows topic N.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QPushButton;
class QTextBrowser;

namespace vyn::desktop {

class TProgram;

// The text of help topic n, if there is one.
using THelpTexts = std::function<std::optional<QString>(int topic)>;

// The help table of the program's current language.
THelpTexts HelpTableTexts(TProgram& program);

class THelpBrowser : public QDialog {
  Q_OBJECT

 public:
  THelpBrowser(const TProgram& program, THelpTexts texts, QWidget* parent = nullptr);

  // Shows topic n; false when it has no text (the window says so).
  bool ShowTopic(int topic);
  int Topic() const { return topic_; }

  QTextBrowser* Browser() const { return browser_; }
  QPushButton* CloseButton() const { return close_; }

 private:
  THelpTexts texts_;
  QString noText_;  // "%1" the topic number
  int topic_ = 0;
  QTextBrowser* browser_;
  QPushButton* close_;
};

}  // namespace vyn::desktop

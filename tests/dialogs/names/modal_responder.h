#pragma once
// Answers the modal windows a dialog under test opens (message boxes, the
// choice list) as they appear, and keeps what they said, so a test can
// drive the real dialog and check its messages afterwards.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace vyn::dialogs {

class TModalResponder : public QObject {
 public:
  TModalResponder();

  // Message boxes are answered with the button whose text (without "&")
  // is this; the default button when it is empty or absent.
  QString messageAnswer;
  // The choice list takes this entry; a negative number cancels it.
  int choice = 0;

  std::vector<QString> messages;        // the texts of the message boxes, in order
  std::vector<QStringList> choiceLists;  // the entries of each choice list

 private:
  void Poll();
  QTimer timer_;
};

}  // namespace vyn::dialogs

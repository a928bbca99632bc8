#pragma once
// Completion inside a line edit as the user types: the first name of a list
// that begins with the typed text fills the box, the added rest selected, so
// the next key either replaces it or, with End or Tab, accepts it. Deleting
// never completes again.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;

namespace vyn::dialogs {

class TInlineCompletion : public QObject {
 public:
  // `complete` gives the first name beginning with the typed text, if any.
  using TComplete = std::function<std::optional<std::string>(const std::string& typed)>;
  TInlineCompletion(QLineEdit* edit, TComplete complete);

 private:
  void Edited(const QString& text);

  QLineEdit* edit_;
  TComplete complete_;
  QString typed_;  // the text as the user last typed it
};

}  // namespace vyn::dialogs

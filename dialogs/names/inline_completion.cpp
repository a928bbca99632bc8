#include "dialogs/names/inline_completion.h"

#include <QLineEdit>

#include "data/text_fold.h"

namespace vyn::dialogs {

TInlineCompletion::TInlineCompletion(QLineEdit* edit, TComplete complete)
    : QObject(edit), edit_(edit), complete_(std::move(complete)) {
  connect(edit, &QLineEdit::textEdited, this, &TInlineCompletion::Edited);
}

void TInlineCompletion::Edited(const QString& text) {
  const bool grew = text.size() > typed_.size() && edit_->cursorPosition() == text.size();
  typed_ = text;
  if (!grew || text.isEmpty()) return;
  const auto found = complete_(text.toStdString());
  if (!found) return;
  const QString name = QString::fromStdString(*found);
  // Only a name whose first characters fold to the typed ones keeps the
  // typed part in place; the user's letter case gives way to the stored one.
  if (name.size() <= text.size() ||
      FoldText(name.left(text.size()).toStdString()) != FoldText(text.toStdString()))
    return;
  edit_->setText(name);
  edit_->setSelection(static_cast<int>(text.size()), static_cast<int>(name.size() - text.size()));
}

}  // namespace vyn::dialogs

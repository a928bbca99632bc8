#include "dialogs/names/choice_list.h"

#include <QInputDialog>

#include "language/language.h"

namespace vyn::dialogs {
namespace {

QString TokenOr(const TLanguage& language, int token, const char* fallback) {
  const std::string& text = language.GetToken(token);
  return text.empty() ? QString(fallback) : QString::fromStdString(text);
}

}  // namespace

std::optional<int> ChooseFromList(QWidget* parent, const TLanguage& language, int captionToken,
                                  const QStringList& entries) {
  if (entries.isEmpty()) return std::nullopt;
  QInputDialog dialog(parent);
  dialog.setObjectName(kChoiceListName);
  const QString caption = QString::fromStdString(language.GetToken(captionToken));
  dialog.setWindowTitle(caption);
  dialog.setLabelText(caption);
  dialog.setComboBoxItems(entries);
  dialog.setComboBoxEditable(false);
  dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
  dialog.setOkButtonText(TokenOr(language, 506, "&OK"));
  dialog.setCancelButtonText(TokenOr(language, 507, "&Cancel"));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const int index = static_cast<int>(entries.indexOf(dialog.textValue()));
  if (index < 0) return std::nullopt;
  return index;
}

}  // namespace vyn::dialogs

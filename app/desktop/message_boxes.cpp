#include "app/desktop/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "language/language.h"

namespace vyn::desktop {
namespace {

QString TokenOr(const TLanguage& language, int token, const char* fallback) {
  const std::string& text = language.GetToken(token);
  return text.empty() ? QString(fallback) : QString::fromStdString(text);
}

}  // namespace

void InformationBox(QWidget* parent, const TLanguage& language, const QString& text) {
  QMessageBox box(QMessageBox::Information, TokenOr(language, 1040, "Information"), text,
                  QMessageBox::NoButton, parent);
  QPushButton* ok = box.addButton(TokenOr(language, 506, "&OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
}

void InformationToken(QWidget* parent, const TLanguage& language, int token) {
  InformationBox(parent, language, QString::fromStdString(language.GetToken(token)));
}

TBoxAnswer ConfirmationBox(QWidget* parent, const TLanguage& language, const QString& text,
                           bool withCancel) {
  QMessageBox box(QMessageBox::Question, TokenOr(language, 1039, "Confirmation"), text,
                  QMessageBox::NoButton, parent);
  // The token list has no words for Yes and No; Cancel is token 507.
  QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
  QPushButton* cancel =
      withCancel ? box.addButton(TokenOr(language, 507, "&Cancel"), QMessageBox::RejectRole)
                 : nullptr;
  box.setDefaultButton(yes);
  box.setEscapeButton(cancel ? cancel : no);
  box.exec();
  if (box.clickedButton() == yes) return baYes;
  if (box.clickedButton() == no) return baNo;
  return baCancel;
}

void ErrorBox(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox::critical(parent, caption, text);
}

}  // namespace vyn::desktop

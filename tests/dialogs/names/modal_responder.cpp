#include "tests/dialogs/names/modal_responder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vyn::dialogs {

TModalResponder::TModalResponder() {
  connect(&timer_, &QTimer::timeout, this, &TModalResponder::Poll);
  timer_.start(5);
}

void TModalResponder::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages.push_back(box->text());
    QAbstractButton* answer = box->defaultButton();
    for (QAbstractButton* button : box->buttons())
      if (!messageAnswer.isEmpty() && button->text().remove('&') == messageAnswer) answer = button;
    answer->click();
  } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
    choiceLists.push_back(input->comboBoxItems());
    if (choice < 0 || choice >= input->comboBoxItems().size()) {
      input->reject();
      return;
    }
    input->setTextValue(input->comboBoxItems()[choice]);
    input->accept();
  }
}

}  // namespace vyn::dialogs

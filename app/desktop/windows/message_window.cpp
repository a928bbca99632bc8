#include "app/desktop/windows/message_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/desktop/program.h"
#include "app/desktop/views/view_texts.h"

namespace vyn::desktop {

TMessageWindow::TMessageWindow(const TProgram& program, const QString& caption,
                               const QString& text, const QUrl& address, QWidget* parent)
    : QDialog(parent), address_(address), opener_(SystemUrlOpener()) {
  setObjectName(QStringLiteral("MessageWindow"));
  setWindowTitle(caption);

  auto* icon = new QLabel(this);
  const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this)
                      .pixmap(iconSize, iconSize));
  icon->setAlignment(Qt::AlignTop);
  text_ = new QLabel(text, this);
  text_->setWordWrap(true);
  text_->setTextFormat(Qt::PlainText);
  text_->setMinimumWidth(260);

  ok_ = new QPushButton(TokenOr(program, 506, "&OK"), this);
  ok_->setDefault(true);
  web_ = new QPushButton(TokenOr(program, 819, "Visit the web site"), this);
  web_->setEnabled(address_.isValid());
  web_->setToolTip(address_.toString());
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(web_, &QPushButton::clicked, this, &TMessageWindow::OpenAddress);

  auto* message = new QHBoxLayout;
  message->addWidget(icon);
  message->addWidget(text_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(web_);
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(message, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetMinimumSize);
  setTabOrder(web_, ok_);  // as they stand, left to right
  ok_->setFocus();
}

void TMessageWindow::OpenAddress() {
  opener_(address_);
  done(mrWeb);
}

}  // namespace vyn::desktop

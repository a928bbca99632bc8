#include "app/desktop/windows/tip_of_day.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "app/desktop/message_boxes.h"
#include "app/desktop/program.h"
#include "app/desktop/windows/tip_flag.h"
#include "app/desktop/windows/window_texts.h"
#include "data/data_collection.h"

namespace vyn::desktop {

TTipOfDay::TTipOfDay(TProgram& program, QWidget* parent, unsigned seed)
    : QDialog(parent),
      program_(program),
      picker_(ReadTips(program.Tables().Table(TTableRole::trTips)), seed) {
  setObjectName(QStringLiteral("TipOfDay"));
  setWindowTitle(WindowTitle(program, "TipofDay", "&Tip of the Day..."));

  auto* heading = new QLabel(program.LanguageText("TipHeading", "Did you know..."), this);
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  heading->setFont(bold);

  tip_ = new QLabel(this);
  tip_->setObjectName(QStringLiteral("TipText"));
  tip_->setWordWrap(true);
  tip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  tip_->setTextFormat(Qt::PlainText);
  tip_->setMinimumHeight(96);
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setBackgroundRole(QPalette::Base);
  panel->setAutoFillBackground(true);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addWidget(heading);
  panelLayout->addWidget(tip_, 1);

  doNotShow_ = new QCheckBox(
      program.LanguageText("DoNotShowTip", "&Do not show this tip next time"), this);
  doNotShow_->setChecked(!OfferedAtStart(program));
  next_ = new QPushButton(program.LanguageText("NextTip", "&Next Tip"), this);
  next_->setEnabled(picker_.Count() > 1);
  close_ = new QPushButton(program.LanguageText("Close", "&Close"), this);
  close_->setDefault(true);
  connect(next_, &QPushButton::clicked, this, &TTipOfDay::ShowNextTip);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(doNotShow_);
  buttons->addStretch();
  buttons->addWidget(next_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel, 1);
  layout->addLayout(buttons);
  resize(480, 240);

  ShowNextTip();
  close_->setFocus();
}

bool TTipOfDay::OfferedAtStart(TProgram& program) {
  return ShowTipsAtStart(program.Setup());
}

void TTipOfDay::ShowNextTip() { tip_->setText(QString::fromStdString(picker_.Next())); }

void TTipOfDay::done(int result) {
  try {
    SetShowTipsAtStart(program_.Setup(), !doNotShow_->isChecked());
  } catch (const std::exception& error) {
    // The window still closes; the choice is lost, and the user is told so.
    ErrorBox(this, windowTitle(), QString::fromUtf8(error.what()));
  }
  QDialog::done(result);
}

}  // namespace vyn::desktop

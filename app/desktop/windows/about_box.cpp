#include "app/desktop/windows/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/desktop/program.h"
#include "app/desktop/views/view_texts.h"
#include "app/desktop/windows/window_texts.h"

namespace vyn::desktop {

QString ProgramVersion() { return QStringLiteral(VYN_VERSION); }

TAboutBox::TAboutBox(const TProgram& program, const QString& programName,
                     const QString& attributionsText, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(WindowTitle(program, "AboutVyn", "&About VYN..."));

  name_ = new QLabel(programName, this);
  QFont big = name_->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  name_->setFont(big);
  version_ = new QLabel(program.LanguageText("AboutVersion", "Version %1").arg(ProgramVersion()), this);
  version_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  attributions_ = new QTextBrowser(this);
  attributions_->setObjectName(QStringLiteral("Attributions"));
  attributions_->setOpenExternalLinks(true);
  attributions_->setMarkdown(attributionsText);

  ok_ = new QPushButton(TokenOr(program, 506, "&OK"), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name_);
  layout->addWidget(version_);
  layout->addWidget(attributions_, 1);
  layout->addLayout(buttons);
  setMinimumSize(380, 300);
  resize(560, 440);
  ok_->setFocus();
}

}  // namespace vyn::desktop

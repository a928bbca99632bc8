#include "app/desktop/windows/help_browser.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/desktop/program.h"
#include "app/desktop/windows/window_texts.h"
#include "data/data_collection.h"

namespace vyn::desktop {

THelpTexts HelpTableTexts(TProgram& program) {
  return [&program](int topic) -> std::optional<QString> {
    const std::optional<std::string> text = program.Tables().HelpText(topic);
    if (!text || text->empty()) return std::nullopt;
    return QString::fromStdString(*text);
  };
}

THelpBrowser::THelpBrowser(const TProgram& program, THelpTexts texts, QWidget* parent)
    : QDialog(parent), texts_(std::move(texts)) {
  setObjectName(QStringLiteral("HelpBrowser"));
  setWindowTitle(WindowTitle(program, "Help", "&Help"));
  setModal(false);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  close_ = new QPushButton(program.LanguageText("Close", "&Close"), this);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addLayout(buttons);
  resize(520, 480);
}

bool THelpBrowser::ShowTopic(int topic) {
  topic_ = topic;
  const std::optional<QString> text = texts_ ? texts_(topic) : std::nullopt;
  if (!text) {
    browser_->setPlainText(QStringLiteral("There is no help text for topic %1.").arg(topic));
    return false;
  }
  browser_->setPlainText(*text);
  return true;
}

}  // namespace vyn::desktop

#include "app/desktop/windows/help_browser.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
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
  noText_ = program.LanguageText("NoHelpText", "There is no help text for topic %1.");
  browser_ = new QTextBrowser(this);
  // Links "topic:N" lead to another topic; other addresses open in the
  // web browser.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == QLatin1String("topic")) ShowTopic(url.path().toInt());
    else QDesktopServices::openUrl(url);
  });
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
    browser_->setPlainText(noText_.arg(topic));
    return false;
  }
  browser_->setMarkdown(*text);
  return true;
}

}  // namespace vyn::desktop

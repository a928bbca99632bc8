#include "app/desktop/graphs/graph_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>
#include <exception>
#include <vector>

#include "app/desktop/program.h"
#include "interpretation/interp_table.h"
#include "interpretation/placeholders.h"

namespace vyn::desktop {
namespace {

std::vector<std::string> StoredLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

QFont HelpFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  return font;
}

}  // namespace

std::optional<TInterpRecord> LookUpText(TProgram& program, std::string_view code) {
  try {
    TInterpTable table(program.Tables());
    return table.LookUp(code);
  } catch (const std::exception&) {
    return std::nullopt;  // an unreadable table has no texts to show
  }
}

QString ExpandedText(const TProgram& program, const TInterpRecord& record,
                     const THoroscope& person, const THoroscope* partner) {
  const std::vector<std::string> lines =
      ExpandPlaceholders(StoredLines(record.TextK), person, partner, program.Language());
  QStringList out;
  for (const std::string& line : lines) out << QString::fromStdString(line);
  return out.join(QLatin1Char('\n'));
}

QString HelpText(TProgram& program, std::string_view code, const QString& fallback) {
  const std::optional<TInterpRecord> record = LookUpText(program, code);
  if (!record) return fallback;
  QStringList out;
  for (const std::string& line : StoredLines(record->TextK)) out << QString::fromStdString(line);
  return out.join(QLatin1Char('\n'));
}

THelpPanel::THelpPanel(QWidget* parent)
    : QFrame(parent), caption_(new QLabel(this)), button_(new QToolButton(this)) {
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::WindowText, Qt::black);
  setPalette(white);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  caption_->setFont(HelpFont());
  caption_->setAlignment(Qt::AlignCenter);
  button_->setText(QStringLiteral("?"));
  button_->setFixedSize(20, 20);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 2, 2, 2);
  layout->addWidget(caption_, 1);
  layout->addWidget(button_);
  connect(button_, &QToolButton::clicked, this, &THelpPanel::helpPressed);
}

void THelpPanel::SetText(const QString& text) {
  caption_->setText(text);
  adjustSize();
}

void THelpPanel::mousePressEvent(QMouseEvent* event) {
  QFrame::mousePressEvent(event);
  emit clicked();
}

QPlainTextEdit* NewHelpMemo(QWidget* parent, const QString& name) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setReadOnly(true);
  memo->setFont(HelpFont());
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the text wraps
  QPalette white = memo->palette();
  white.setColor(QPalette::Base, Qt::white);
  white.setColor(QPalette::Text, Qt::black);
  memo->setPalette(white);
  memo->hide();
  return memo;
}

}  // namespace vyn::desktop

#include "app/desktop/graphs/interp_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/desktop/program.h"
#include "app/desktop/views/view_texts.h"
#include "graphics/graphs/aspect_meter.h"

namespace vyn::desktop {
namespace {

constexpr int kNarrowColumn = 40;
constexpr int kVideoColumn = 64;

QRect CentredPlace(QWidget* mainWindow) {
  const QWidget* client = mainWindow;
  int barHeight = 0;
  if (auto* frame = qobject_cast<QMainWindow*>(mainWindow)) {
    if (frame->centralWidget()) client = frame->centralWidget();
    if (frame->statusBar()->isVisible()) barHeight = frame->statusBar()->height();
  }
  const QSize size(client->width() * 8 / 10, client->height() * 8 / 10 - barHeight);
  const QPoint centre = mainWindow->mapToGlobal(mainWindow->rect().center());
  return QRect(centre - QPoint(size.width() / 2, size.height() / 2), size);
}

}  // namespace

TfrmInterp::TfrmInterp(const TProgram& program, QWidget* mainWindow)
    : QDialog(mainWindow),
      panel3_(new QWidget(this)),
      label3_(new QLabel(panel3_)),
      edit3_(new QLineEdit(panel3_)),
      memo2_(new QPlainTextEdit(this)),
      panel6_(new QWidget(this)),
      panel5_(new QWidget(panel6_)),
      speedButton1_(new QToolButton(panel5_)),
      panel4_(new QWidget(panel6_)),
      aspectMeter1_(new TAspectMeter(panel4_)) {
  setObjectName(QStringLiteral("frmInterp"));
  setWindowTitle(TokenOr(program, 1225, "Interpretation"));
  label3_->setText(TokenOr(program, 1228, "KeyWord:"));
  edit3_->setObjectName(QStringLiteral("Edit3"));
  edit3_->setReadOnly(true);
  auto* keywordRow = new QHBoxLayout(panel3_);
  keywordRow->setContentsMargins(4, 4, 10, 4);
  keywordRow->setSpacing(4);
  keywordRow->addWidget(label3_);
  keywordRow->addWidget(edit3_, 1);

  memo2_->setObjectName(QStringLiteral("Memo2"));
  memo2_->setReadOnly(true);
  memo2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the text wraps
  QFont font = memo2_->font();
  font.setPixelSize(13);
  memo2_->setFont(font);
  QPalette yellow = memo2_->palette();
  yellow.setColor(QPalette::Base, QColor(255, 255, 215));
  yellow.setColor(QPalette::Text, Qt::black);
  memo2_->setPalette(yellow);

  speedButton1_->setObjectName(QStringLiteral("SpeedButton1"));
  speedButton1_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  speedButton1_->setIconSize(QSize(32, 32));
  speedButton1_->setToolTip(program.IniText("TIPS", "Video", "Video"));
  auto* videoBox = new QVBoxLayout(panel5_);
  videoBox->setContentsMargins(4, 4, 4, 4);
  videoBox->addWidget(speedButton1_, 0, Qt::AlignHCenter);
  connect(speedButton1_, &QToolButton::clicked, this, [this] {
    if (playClip_ && !videoFile_.isEmpty()) playClip_(videoFile_);
  });

  aspectMeter1_->setObjectName(QStringLiteral("AspectMeter1"));
  auto* gaugeBox = new QVBoxLayout(panel4_);
  gaugeBox->setContentsMargins(4, 3, 4, 10);
  gaugeBox->addWidget(aspectMeter1_, 1, Qt::AlignRight);
  aspectMeter1_->setFixedWidth(24);

  auto* column = new QVBoxLayout(panel6_);
  column->setContentsMargins(0, 0, 0, 0);
  panel5_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  column->addWidget(panel5_);  // the video button at the top
  column->addWidget(panel4_, 1);
  column->addStretch();
  panel5_->hide();

  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->addWidget(memo2_, 1);
  body->addWidget(panel6_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel3_);
  layout->addLayout(body, 1);

  if (mainWindow) setGeometry(CentredPlace(mainWindow->window()));
  SetGauge(false);
}

void TfrmInterp::SetKeyword(const QString& keyword) { edit3_->setText(keyword); }
void TfrmInterp::SetText(const QString& text) { memo2_->setPlainText(text); }

void TfrmInterp::AppendText(const QString& text) {
  if (text.isEmpty()) return;
  memo2_->appendPlainText(text);
}

void TfrmInterp::SetKeywordBarShown(bool on) { panel3_->setVisible(on); }

void TfrmInterp::SetGauge(bool shown, int value) {
  gaugeShown_ = shown;
  aspectMeter1_->SetProgress(value);
  Arrange();
}

void TfrmInterp::SetVideo(const QString& file, std::function<void(const QString&)> playClip) {
  videoFile_ = file;
  playClip_ = std::move(playClip);
  panel5_->setVisible(!file.isEmpty());
  Arrange();
}

QString TfrmInterp::Keyword() const { return edit3_->text(); }
QString TfrmInterp::Text() const { return memo2_->toPlainText(); }

void TfrmInterp::Arrange() {
  const bool video = !videoFile_.isEmpty();
  panel4_->setVisible(gaugeShown_);
  panel6_->setVisible(gaugeShown_ || video);
  panel6_->setFixedWidth(video ? kVideoColumn : kNarrowColumn);
}

void TfrmInterp::showEvent(QShowEvent* event) {
  if (edit3_->text().isEmpty()) panel3_->hide();
  Arrange();
  QDialog::showEvent(event);
}

}  // namespace vyn::desktop

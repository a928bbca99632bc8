#include "app/desktop/graphs/degree_dial_win.h"

#include "app/desktop/program.h"
#include "app/desktop/views/view_texts.h"
#include "graphics/graphs/dial_widget.h"

namespace vyn::desktop {
namespace {

constexpr int kMinWidth = 550, kMinHeight = 250;

int DialToken(int angle) { return angle == 30 ? 1001 : angle == 90 ? 1003 : 1002; }

}  // namespace

QString DialCaption(const TProgram& program, int angle) {
  QString kind = TokenOr(program, DialToken(angle), "Dial");
  kind.remove(QLatin1Char('&'));
  return TokenOr(program, 1022, "Degree Dial") + QStringLiteral(": ") + kind;
}

TDegreeDial::TDegreeDial(TProgram& program, int angle, QWidget* parent)
    : QWidget(parent), program_(program), dDial1_(new TDialWidget(this)) {
  setObjectName(QStringLiteral("DegreeDial%1").arg(angle));
  dDial1_->setObjectName(QStringLiteral("DDial1"));
  dDial1_->Dial().SetAngle(angle);
  const int ppi = logicalDpiX();
  setMinimumSize(kMinWidth, kMinHeight);
  resize(std::max(kMinWidth, 8 * ppi - 5), std::max(kMinHeight, 4 * ppi));
  dDial1_->setGeometry(10, 5, static_cast<int>(7.6 * ppi), static_cast<int>(3.2 * ppi));
  connect(&program_, &TProgram::LanguageChanged, this, &TDegreeDial::Retranslate);
  connect(&program_, &TProgram::ChartsChanged, dDial1_, [this] {
    dDial1_->Dial().Recompute();
    dDial1_->update();
  });
  Retranslate();
}

int TDegreeDial::Angle() const { return dDial1_->Dial().Angle(); }

void TDegreeDial::Retranslate() {
  // The dial's own texts stay empty on the screen; only printouts name
  // the angle and the people in its title.
  setWindowTitle(DialCaption(program_, Angle()));
}

void TDegreeDial::resizeEvent(QResizeEvent*) {
  dDial1_->setGeometry(10, 5, width() - 35, height() - 45);
}

void TDegreeDial::showEvent(QShowEvent* event) {
  dDial1_->setGeometry(10, 5, width() - 35, height() - 45);
  dDial1_->Dial().SetHoroscope(&program_.Chart(1));
  QWidget::showEvent(event);
}

}  // namespace vyn::desktop

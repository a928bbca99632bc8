#include "app/desktop/windows/splash_window.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/desktop/symbol_fonts.h"
#include "language/language.h"

namespace vyn::desktop {
namespace {

const QColor kNight(18, 28, 66);
const QColor kDusk(58, 46, 108);
const QColor kGold(236, 200, 120);
const QColor kPale(232, 228, 245);

}  // namespace

TSplashWindow::TSplashWindow(const QString& title, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), title_(title) {
  setObjectName(QStringLiteral("SplashWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kWidth, kHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TSplashWindow::SetProgress(int percent) {
  progress_ = std::clamp(percent, 0, 100);
  if (isVisible()) repaint();
}

void TSplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  Render(painter, size());
}

void TSplashWindow::Render(QPainter& painter, QSize size) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QRectF area(QPointF(0, 0), QSizeF(size));
  QLinearGradient sky(area.topLeft(), area.bottomRight());
  sky.setColorAt(0, kNight);
  sky.setColorAt(1, kDusk);
  painter.fillRect(area, sky);

  const qreal radius = std::min(area.height() * 0.36, area.width() * 0.22);
  DrawEmblem(painter, QPointF(area.width() * 0.27, area.height() * 0.45), radius);

  QFont titleFont = font();
  titleFont.setPixelSize(std::max(1, static_cast<int>(area.height() * 0.1)));
  titleFont.setBold(true);
  painter.setFont(titleFont);
  painter.setPen(kPale);
  const QRectF text(area.width() * 0.52, area.height() * 0.2, area.width() * 0.45,
                    area.height() * 0.4);
  painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, title_);

  DrawProgress(painter, QRectF(area.width() * 0.08, area.height() * 0.86, area.width() * 0.84,
                               std::max<qreal>(2, area.height() * 0.025)));
  painter.restore();
}

void TSplashWindow::DrawEmblem(QPainter& painter, QPointF centre, qreal radius) const {
  // Two circles that overlap: two charts compared.
  painter.setPen(QPen(kGold, std::max<qreal>(1, radius * 0.04)));
  painter.setBrush(Qt::NoBrush);
  const qreal inner = radius * 0.42;
  painter.drawEllipse(centre - QPointF(inner * 0.55, 0), inner, inner);
  painter.drawEllipse(centre + QPointF(inner * 0.55, 0), inner, inner);
  painter.setPen(QPen(kPale, std::max<qreal>(1, radius * 0.015)));
  painter.drawEllipse(centre, radius, radius);
  painter.drawEllipse(centre, radius * 0.72, radius * 0.72);

  if (!QFontDatabase::hasFamily(QString::fromLatin1(kSymbolFontFamily))) return;
  painter.setFont(SymbolFont(static_cast<int>(radius * 0.2)));
  painter.setPen(kPale);
  for (int sign = 0; sign < 12; ++sign) {
    const qreal angle = std::numbers::pi * (sign * 30 + 15) / 180;
    const QPointF at = centre + QPointF(-std::cos(angle), std::sin(angle)) * radius * 0.86;
    const QRectF cell(at - QPointF(radius * 0.14, radius * 0.14), QSizeF(radius * 0.28, radius * 0.28));
    painter.drawText(cell, Qt::AlignCenter, QString::fromStdString(TLanguage::SignGlyph(sign)));
  }
}

void TSplashWindow::DrawProgress(QPainter& painter, QRectF bar) const {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 50));
  painter.drawRoundedRect(bar, bar.height() / 2, bar.height() / 2);
  QRectF done = bar;
  done.setWidth(bar.width() * progress_ / 100);
  painter.setBrush(kGold);
  if (progress_ > 0) painter.drawRoundedRect(done, bar.height() / 2, bar.height() / 2);
}

}  // namespace vyn::desktop

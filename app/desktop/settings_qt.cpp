#include "app/desktop/settings_qt.h"

#include <QFontDatabase>
#include <algorithm>
#include <utility>

#include "app/desktop/symbol_fonts.h"

namespace vyn::desktop {
namespace {

constexpr TColorValue kSystemColorFlag = 0x80000000;

// The system colours of the settings files by their numbers.
QPalette::ColorRole RoleOfSystemColor(TColorValue number) {
  static const std::pair<TColorValue, QPalette::ColorRole> kRoles[] = {
      {4, QPalette::Window},         {5, QPalette::Base},        {7, QPalette::WindowText},
      {8, QPalette::Text},           {9, QPalette::WindowText},  {13, QPalette::Highlight},
      {14, QPalette::HighlightedText}, {15, QPalette::Button},   {16, QPalette::Dark},
      {18, QPalette::ButtonText},    {20, QPalette::Light},      {21, QPalette::Shadow},
      {22, QPalette::Midlight},      {23, QPalette::ToolTipText}, {24, QPalette::ToolTipBase}};
  for (const auto& [n, role] : kRoles)
    if (n == number) return role;
  return QPalette::Window;
}

}  // namespace

QColor ColorOf(TColorValue value, const QPalette& palette) {
  if (value == kNoColor) return {};
  if (value & kSystemColorFlag) return palette.color(RoleOfSystemColor(value & ~kSystemColorFlag));
  return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

TColorValue StoredColorOf(const QColor& color) {
  return TColorValue(color.red()) | TColorValue(color.green()) << 8 |
         TColorValue(color.blue()) << 16;
}

QFont FontOf(const FontSpec& stored, const QFont& base) {
  if (!stored.Valid) return base;
  QFont font = TextFont(QString::fromStdString(stored.Name), 0);
  if (!QFontDatabase::hasFamily(QString::fromStdString(stored.Name))) font.setFamily(base.family());
  if (stored.Size > 0) font.setPointSize(stored.Size);
  else if (stored.Size < 0) font.setPixelSize(-stored.Size);
  else font.setPointSizeF(base.pointSizeF());
  font.setBold(stored.Style & kFontBold);
  font.setItalic(stored.Style & kFontItalic);
  font.setUnderline(stored.Style & kFontUnderline);
  font.setStrikeOut(stored.Style & kFontStrikeOut);
  return font;
}

FontSpec FontSpecOf(const QFont& font, TColorValue color) {
  const int style = (font.bold() ? kFontBold : 0) | (font.italic() ? kFontItalic : 0) |
                    (font.underline() ? kFontUnderline : 0) |
                    (font.strikeOut() ? kFontStrikeOut : 0);
  const int size = font.pointSize() > 0 ? font.pointSize() : -font.pixelSize();
  return MakeFontSpec(font.family().left(int(kFontNameCharacters)).toStdString(), size, style,
                      color);
}

TBounds FittedBounds(const TBounds& bounds, const QRect& area) {
  TBounds fitted = bounds;
  fitted.Width = bounds.Width > 0 ? std::min(bounds.Width, area.width()) : area.width();
  fitted.Height = bounds.Height > 0 ? std::min(bounds.Height, area.height()) : area.height();
  fitted.Left = std::clamp(bounds.Left, area.left(), area.left() + area.width() - fitted.Width);
  fitted.Top = std::clamp(bounds.Top, area.top(), area.top() + area.height() - fitted.Height);
  return fitted;
}

}  // namespace vyn::desktop

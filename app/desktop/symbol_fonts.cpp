#include "app/desktop/symbol_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <algorithm>
#include <stdexcept>

#include "platform/app_directory.h"

namespace vyn::desktop {

QString RegisterSymbolFonts() {
  static bool registered = false;
  if (!registered) {
    // The faces are registered from their bytes, so that glyphs drawn later
    // never depend on the files staying where they were.
    for (const char* face : {"VYNS.TTF", "VYNSS.TTF"}) {
      const QString file = QString::fromStdString(AppDirectory()) + face;
      QFile input(file);
      if (!input.open(QIODevice::ReadOnly) ||
          QFontDatabase::addApplicationFontFromData(input.readAll()) < 0)
        throw std::runtime_error("The symbol font " + file.toStdString() + " cannot be loaded");
    }
    registered = true;
  }
  return QString::fromLatin1(kSymbolFontFamily);
}

QFont SymbolFont(int pixelHeight) {
  QFont font(QString::fromLatin1(kSymbolFontFamily));
  font.setPixelSize(std::max(1, pixelHeight));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QFont TextFont(const QString& family, int pointSize) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  if (!family.isEmpty() && QFontDatabase::hasFamily(family)) font.setFamily(family);
  if (pointSize > 0) font.setPointSize(pointSize);
  return font;
}

}  // namespace vyn::desktop

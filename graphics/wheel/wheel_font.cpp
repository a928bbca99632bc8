#include "graphics/wheel/wheel_font.h"

#include <QFile>
#include <QFontDatabase>
#include <stdexcept>

#include "graphics/wheel/wheel.h"
#include "platform/app_directory.h"

namespace vyn {

QString EnsureWheelFont() {
  const QString family = QString::fromLatin1(kWheelFontFamily);
  if (QFontDatabase::hasFamily(family)) return family;
  for (const char* face : {"VYNS.TTF", "VYNSS.TTF"}) {
    const QString file = QString::fromStdString(AppDirectory()) + face;
    QFile input(file);
    // Loaded from its bytes: later drawing does not need the file.
    if (!input.open(QIODevice::ReadOnly) ||
        QFontDatabase::addApplicationFontFromData(input.readAll()) < 0)
      throw std::runtime_error("the symbol font " + file.toStdString() + " cannot be loaded");
  }
  return family;
}

}  // namespace vyn

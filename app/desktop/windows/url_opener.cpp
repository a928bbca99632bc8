#include "app/desktop/windows/url_opener.h"

#include <QDesktopServices>

namespace vyn::desktop {

TUrlOpener SystemUrlOpener() {
  return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

}  // namespace vyn::desktop

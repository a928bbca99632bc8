#pragma once
// Opens a web address or document with the system's default handler
// (QDesktopServices); windows take it as a replaceable function so tests
// can record what would be opened.
#include <QUrl>
#include <functional>

namespace vyn::desktop {

using TUrlOpener = std::function<bool(const QUrl&)>;

TUrlOpener SystemUrlOpener();

}  // namespace vyn::desktop

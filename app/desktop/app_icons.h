#pragma once
// The program's icons, drawn by the program itself so that they look alike
// on every desktop and at every scale: the application icon (two chart
// rings in one another) and the tool-bar icons of the main window.
#include <QIcon>
#include <QImage>

#include "app/desktop/main_commands.h"

namespace vyn::desktop {

// The application icon at any size.
QIcon AppIcon();
// The application icon drawn into a square image of `size` pixels.
QImage AppIconImage(int size);

// The tool-bar icon of a command; a null icon for a command without one.
QIcon CommandIcon(ECommand command);

}  // namespace vyn::desktop

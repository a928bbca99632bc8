#pragma once
// The symbol font the wheel draws its glyphs in, for programs that do not
// register it themselves (the command line, tests): the faces "VYNS.TTF"
// and "VYNSS.TTF" of the application directory.
#include <QString>

namespace vyn {

// Makes the family "VYN Sans Serif" known to Qt unless it is already, and
// returns it. Needs a QGuiApplication. Throws std::runtime_error naming the
// file when a face cannot be loaded.
QString EnsureWheelFont();

}  // namespace vyn

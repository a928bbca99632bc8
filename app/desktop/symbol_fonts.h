#pragma once
// The program's fonts for this run: the two faces of the symbol font from
// the application directory, registered with Qt before any glyph is drawn,
// and a text font that exists on this system.
#include <QFont>
#include <QString>

namespace vyn::desktop {

// The family every glyph of bodies, signs and aspects is drawn in.
inline constexpr const char* kSymbolFontFamily = "VYN Sans Serif";

// Registers "VYNS.TTF" and "VYNSS.TTF" of the application directory once per
// run and returns the family name. Throws std::runtime_error naming the file
// when a face cannot be read, since nothing the program draws would show.
QString RegisterSymbolFonts();

// The symbol font at a pixel height (at least 1).
QFont SymbolFont(int pixelHeight);

// The text font for a family named in the settings: the family when the
// system has it, else the system's general font (settings written on other
// systems name families such as "Arial" that Linux rarely has).
QFont TextFont(const QString& family, int pointSize);

}  // namespace vyn::desktop

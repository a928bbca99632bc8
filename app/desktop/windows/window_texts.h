#pragma once
// Texts of the peripheral windows from the language dictionary, with the
// English text when the language file has none.
#include <QString>

namespace vyn::desktop {

class TProgram;

// A menu caption made a window title: the access mark "&" and a trailing
// "..." removed ("&Tip of the Day..." gives "Tip of the Day"); "&&" stays
// one "&".
QString TitleOfMenuCaption(const QString& caption);

// The dictionary text of `key` as a window title.
QString WindowTitle(const TProgram& program, const char* key, const char* fallback);

}  // namespace vyn::desktop

#pragma once
// Captions of the views from the tokens of the current language.
#include <QString>

namespace vyn::desktop {

class TProgram;

// Token `token`, or `fallback` when the language has no text for it.
QString TokenOr(const TProgram& program, int token, const char* fallback);

// The aspect grid's caption: "<vertical>: <first>" and, when there is a
// second name, two blanks and "<horizontal>: <second>".
QString PairCaption(const QString& vertical, const QString& first, const QString& horizontal,
                    const QString& second);

}  // namespace vyn::desktop

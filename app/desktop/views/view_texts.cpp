#include "app/desktop/views/view_texts.h"

#include "app/desktop/program.h"

namespace vyn::desktop {

QString TokenOr(const TProgram& program, int token, const char* fallback) {
  const QString text = program.Token(token);
  return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

QString PairCaption(const QString& vertical, const QString& first, const QString& horizontal,
                    const QString& second) {
  QString caption = vertical + QStringLiteral(": ") + first;
  if (!second.isEmpty()) caption += QStringLiteral("  ") + horizontal + QStringLiteral(": ") + second;
  return caption;
}

}  // namespace vyn::desktop

#include "app/desktop/windows/window_texts.h"

#include "app/desktop/program.h"

namespace vyn::desktop {

QString TitleOfMenuCaption(const QString& caption) {
  QString title;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) {
      title += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
      title += QLatin1Char('&');
      ++i;
    }
  }
  title = title.trimmed();
  while (title.endsWith(QLatin1Char('.'))) title.chop(1);
  if (title.endsWith(QChar(0x2026))) title.chop(1);  // a typeset ellipsis
  return title.trimmed();
}

QString WindowTitle(const TProgram& program, const char* key, const char* fallback) {
  return TitleOfMenuCaption(program.LanguageText(key, fallback));
}

}  // namespace vyn::desktop

#pragma once
// The program's message boxes. Texts are tokens of the current language;
// an empty token falls back to the English default. Escape answers Cancel
// (or No without a Cancel button).
#include <QString>

class QWidget;

namespace vyn {
class TLanguage;
}

namespace vyn::desktop {

enum TBoxAnswer { baOk, baYes, baNo, baCancel };

// One OK button, caption token 1040 ("Information").
void InformationBox(QWidget* parent, const TLanguage& language, const QString& text);
void InformationToken(QWidget* parent, const TLanguage& language, int token);

// Yes and No (and Cancel when asked), caption token 1039 ("Confirmation").
TBoxAnswer ConfirmationBox(QWidget* parent, const TLanguage& language, const QString& text,
                           bool withCancel = false);

// An error that a command could not get past, with its own caption.
void ErrorBox(QWidget* parent, const QString& caption, const QString& text);

}  // namespace vyn::desktop

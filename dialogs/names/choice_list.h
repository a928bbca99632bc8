#pragma once
// A short modal list to choose one entry from, with the program's OK and
// Cancel captions: the places or states the forgiving search found for a
// name the atlas spells otherwise.
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace vyn {
class TLanguage;
}

namespace vyn::dialogs {

// The list's object name, for the windows that look for it.
inline constexpr const char* kChoiceListName = "ChoiceList";

// The index of the chosen entry; nothing on Cancel or for an empty list.
std::optional<int> ChooseFromList(QWidget* parent, const TLanguage& language, int captionToken,
                                  const QStringList& entries);

}  // namespace vyn::dialogs

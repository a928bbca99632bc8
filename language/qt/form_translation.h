#pragma once
// Captions widgets and actions from the token list by the token number in
// their integer property "tag":
// - a tool button with a negative tag gets the hint of token -tag;
// - labels, line edits, check boxes, radio buttons and group boxes take the
//   token's text even when it is empty; actions (menu items) and push
//   buttons only a non-empty text; a file dialog takes it as its title;
// - a window with a positive tag takes the text as its caption;
// - fonts: with a screen font set for the language, combo boxes and tab
//   bars take its name, boldness and size, and windows with a tag of zero
//   or more take it too (a negative tag keeps the window's font).
// A menu is captioned through its menu action.
#include <QObject>
#include <QWidget>

namespace vyn {

class TLanguage;

inline constexpr const char* kTagProperty = "tag";

// The tag of an object (0 when it has none).
int TagOf(const QObject* object);
void SetTag(QObject* object, int tag);

// The object and everything it owns, depth first.
void TranslateComponent(QObject* component, const TLanguage& language);
// The window with its children and its actions.
void TranslateForm(QWidget* form, const TLanguage& language);

}  // namespace vyn

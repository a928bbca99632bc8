#include "language/qt/form_translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

#include "language/language.h"

namespace vyn {
namespace {

QFont ScreenFont(const QFont& base, const TLanguage& language, bool withSize) {
  QFont font = base;
  font.setFamily(QString::fromStdString(language.ScreenFontName()));
  font.setBold(language.ScreenFontBold());
  if (withSize && language.ScreenFontSize() > 0) font.setPointSize(language.ScreenFontSize());
  return font;
}

// Step 2: the text of a positive tag. True when the object was handled.
bool SetTokenText(QObject* object, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(object)) {
    if (!text.isEmpty()) action->setText(text);
  } else if (auto* menu = qobject_cast<QMenu*>(object)) {
    if (!text.isEmpty()) menu->menuAction()->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(object)) {
    edit->setText(text);
  } else if (auto* box = qobject_cast<QGroupBox*>(object)) {
    box->setTitle(text);
  } else if (qobject_cast<QCheckBox*>(object) || qobject_cast<QRadioButton*>(object)) {
    static_cast<QAbstractButton*>(object)->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    if (!text.isEmpty()) button->setText(text);
  } else if (auto* dialog = qobject_cast<QFileDialog*>(object)) {
    dialog->setWindowTitle(text);
  } else if (auto* window = qobject_cast<QWidget*>(object); window && window->isWindow()) {
    window->setWindowTitle(text);
    return false;  // a window's font is still set below
  } else {
    return false;
  }
  return true;
}

// Step 3: fonts of the language.
void SetScreenFont(QObject* object, int tag, const TLanguage& language) {
  if (language.ScreenFontName().empty()) return;
  if (auto* combo = qobject_cast<QComboBox*>(object)) {
    combo->setFont(ScreenFont(combo->font(), language, true));
  } else if (auto* tabs = qobject_cast<QTabBar*>(object)) {
    tabs->setFont(ScreenFont(tabs->font(), language, true));
  } else if (auto* window = qobject_cast<QWidget*>(object);
             window && window->isWindow() && tag >= 0) {
    window->setFont(ScreenFont(window->font(), language, true));
  }
}

void TranslateOne(QObject* object, const TLanguage& language) {
  const int tag = TagOf(object);
  if (auto* tool = qobject_cast<QToolButton*>(object)) {
    if (tag < 0) tool->setToolTip(QString::fromStdString(language.GetToken(-tag)));
    return;
  }
  if (tag > 0 && SetTokenText(object, QString::fromStdString(language.GetToken(tag)))) return;
  SetScreenFont(object, tag, language);
}

}  // namespace

int TagOf(const QObject* object) { return object->property(kTagProperty).toInt(); }

void SetTag(QObject* object, int tag) { object->setProperty(kTagProperty, tag); }

void TranslateComponent(QObject* component, const TLanguage& language) {
  TranslateOne(component, language);
  for (QObject* child : component->children()) TranslateComponent(child, language);
}

void TranslateForm(QWidget* form, const TLanguage& language) {
  TranslateComponent(form, language);
  // Actions added to a widget but owned elsewhere are captioned too.
  for (QAction* action : form->actions())
    if (action->parent() != form) TranslateOne(action, language);
}

}  // namespace vyn

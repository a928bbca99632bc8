#include "app/desktop/wheel/wheel_popup_menu.h"

#include <QAction>
#include <QMenu>

#include "app/desktop/program.h"
#include "language/qt/form_translation.h"

namespace vyn::desktop {
namespace {

constexpr int kTwinWheelsToken = 970;
constexpr int kDoubleWheelToken = 971;
constexpr int kColorWheelsToken = 257;
constexpr int kBlackAndWhiteToken = 258;

}  // namespace

TWheelPopupMenu::TWheelPopupMenu(QWidget* owner) : QObject(owner), menu_(new QMenu(owner)) {
  menu_->setObjectName(QStringLiteral("WheelPopupMenu"));
  biWheel_ = AddItem("miBiWheel", 903);
  switchNames_ = AddItem("miSwitchNames", 906);
  separator_ = menu_->addSeparator();
  separator_->setObjectName(QStringLiteral("N1"));
  separator_->setVisible(false);
  insertPicture_ = AddItem("miInsertPicture", 461);
  removePicture_ = AddItem("miRemovePicture", 462);
  removePicture_->setVisible(false);
  backColor_ = AddItem("miBackColor", 263);
  colorMode_ = AddItem("miColorMode", kBlackAndWhiteToken);
  colorMode_->setVisible(false);
  useMemory_ = AddItem("miUseMemory", 260);
  useMemory_->setCheckable(true);
  useMemory_->setVisible(false);
}

QAction* TWheelPopupMenu::AddItem(const char* name, int tag) {
  QAction* action = menu_->addAction(QString());
  action->setObjectName(QString::fromLatin1(name));
  SetTag(action, tag);
  return action;
}

void TWheelPopupMenu::CaptionToggle(const TProgram& program, bool doubleShown) {
  const QString text = program.Token(doubleShown ? kTwinWheelsToken : kDoubleWheelToken);
  if (!text.isEmpty()) biWheel_->setText(text);
}

void TWheelPopupMenu::Retranslate(const TProgram& program, bool doubleShown) {
  CaptionToggle(program, doubleShown);
  switchNames_->setText(program.LanguageText("SwitchNames", "Switch Names"));
  insertPicture_->setText(program.LanguageText("InsertPicture", "Insert Picture"));
  removePicture_->setText(program.LanguageText("RemovePicture", "Remove Picture"));
  backColor_->setText(program.LanguageText("BackgroundColor", "Background Color"));
  useMemory_->setText(program.LanguageText("MemoryEconomic", "Memory Economic"));
  // The tokens of the tags, where the language has them, come last. The
  // toggle's tag has no text of its own, so its caption stays.
  TranslateComponent(menu_, program.Language());
  CaptionToggle(program, doubleShown);
}

void TWheelPopupMenu::SetColorModeTag(bool blackAndWhite) {
  SetTag(colorMode_, blackAndWhite ? kColorWheelsToken : kBlackAndWhiteToken);
}

}  // namespace vyn::desktop

#pragma once
// The wheel window's pop-up menu: the twin/double toggle, Switch Names, the
// background picture and colour, and two hidden items (colour or black and
// white wheels, drawing through memory). Each item carries the token of its
// caption in its tag; the window connects the items to what they do.
#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace vyn::desktop {

class TProgram;

class TWheelPopupMenu : public QObject {
  Q_OBJECT

 public:
  explicit TWheelPopupMenu(QWidget* owner);

  QMenu* Menu() const { return menu_; }
  QAction* BiWheel() const { return biWheel_; }
  QAction* SwitchNames() const { return switchNames_; }
  QAction* Separator() const { return separator_; }
  QAction* InsertPicture() const { return insertPicture_; }
  QAction* RemovePicture() const { return removePicture_; }
  QAction* BackColor() const { return backColor_; }
  QAction* ColorMode() const { return colorMode_; }
  QAction* UseMemory() const { return useMemory_; }

  // Captions of the current language; the toggle names the layout it leads
  // to (the double wheel from two wheels, two wheels from the double).
  void Retranslate(const TProgram& program, bool doubleShown);
  // The toggle's caption alone, after the layout changed.
  void CaptionToggle(const TProgram& program, bool doubleShown);
  // The colour-mode item names the mode it switches to.
  void SetColorModeTag(bool blackAndWhite);

 private:
  QAction* AddItem(const char* name, int tag);

  QMenu* menu_;
  QAction* biWheel_;
  QAction* switchNames_;
  QAction* separator_;
  QAction* insertPicture_;
  QAction* removePicture_;
  QAction* backColor_;
  QAction* colorMode_;
  QAction* useMemory_;
};

}  // namespace vyn::desktop

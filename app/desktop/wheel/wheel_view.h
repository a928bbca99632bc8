#pragma once
// The wheel view: the document window of the pair, with a row of tabs at
// the bottom over three pages: the wheel window, the compatibility graph
// and the element and modality graphs. Its caption is the text of the tab
// shown. It re-captions itself on a language switch and keeps its place in
// the settings ("WheelVIEW").
#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace vyn::desktop {

class TPlacementKeeper;
class TProgram;
class TWheelWin;

class TWheelView : public QWidget {
  Q_OBJECT

 public:
  enum EPage { pgWheels = 0, pgCompatibility = 1, pgElements = 2 };
  static constexpr int kPageCount = 3;

  explicit TWheelView(TProgram& program, QWidget* parent = nullptr);

  TWheelWin* WheelWin() const { return wheelWin_; }
  QTabBar* TabSet() const { return tabSet_; }
  QStackedWidget* Notebook() const { return notebook_; }
  QWidget* Page(int index) const;
  TPlacementKeeper* Placement() const { return placement_; }

  // Places `window` on page `index` (EPage), filling it; the page owns it.
  void SetPageWindow(int index, QWidget* window);
  // Shows page `index` (EPage) with its tab.
  void ShowPage(int index);
  void Retranslate();

 private:
  void TabChanged(int index);

  TProgram& program_;
  QStackedWidget* notebook_;
  QTabBar* tabSet_;
  TWheelWin* wheelWin_;
  TPlacementKeeper* placement_;
};

}  // namespace vyn::desktop

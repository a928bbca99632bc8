#pragma once
// What the three chart grids (planet positions, house cusps, aspects) share:
// a drawing area over a tab row at the bottom that chooses whose chart is
// shown, the pop-up menu for the background colour, the kept placement, and
// the program's signals:
// - a language switch re-captions the window and the tabs;
// - a chart that recalculated (people loaded, house system or orbs changed)
//   rebuilds the tab row from the loaded slots, keeping the shown person
//   while that person is still loaded, and recomputes what is shown.
//
// The view frees itself when closed.
#include <QColor>
#include <QWidget>
#include <vector>

#include "app/desktop/views/chart_tabs.h"
#include "settings/setup_settings.h"

class QTabBar;

namespace vyn::desktop {

class TBackgroundMenu;
class TPlacementKeeper;
class TProgram;
class TViewCanvas;

class TChartGridView : public QWidget {
  Q_OBJECT

 public:
  // Draws the chart area (all above the tab row) into `size`.
  void Render(QPainter& painter, QSize size);

  // The tab row, for reading and for the keyboard; change it only through
  // ClearTabs and RefreshTabs, which keep the tabs' slots with it.
  QTabBar* TabBar() const { return tabBar_; }
  QWidget* Canvas() const;
  // The tabs as built from the loaded slots.
  const std::vector<TChartTab>& Tabs() const { return tabs_; }
  // The slot the current tab shows (kPairSlot for the aspect grid's first
  // tab); -1 with no tabs.
  int ShownSlot() const;

  // Empties the tab row; the next chart change fills it again.
  void ClearTabs();
  // Rebuilds the tab row from the loaded slots and shows the same person
  // again, or the first tab.
  void RefreshTabs();

  QColor BackgroundColor() const { return background_; }
  void SetBackgroundColor(const QColor& color);
  TBackgroundMenu* PopupMenu() const { return menu_; }
  TPlacementKeeper* Placement() const { return placement_; }

 protected:
  TChartGridView(TProgram& program, TWindowId window, QWidget* parent);
  // Derived constructors call this last: tabs, rows and caption.
  void Start();

  TProgram& Program() const { return program_; }
  // The chart of a slot when it is loaded and calculated, else null.
  const THoroscope* ActiveChart(int slot) const;
  QColor FontColor() const;

  virtual std::vector<TChartTab> BuildTabs() const = 0;
  // The current tab now shows `slot` (-1: no tab).
  virtual void ShowSlot(int slot) = 0;
  virtual void PaintChart(QPainter& painter, QSize size) = 0;
  virtual QString Caption() const = 0;

  // Sets the window caption.
  void Recaption();

 private:
  void TabChanged(int index);
  void LanguageChanged();
  void ChartsChanged();

  TProgram& program_;
  TViewCanvas* canvas_;
  QTabBar* tabBar_;
  TBackgroundMenu* menu_;
  TPlacementKeeper* placement_;
  std::vector<TChartTab> tabs_;
  QColor background_;
};

}  // namespace vyn::desktop

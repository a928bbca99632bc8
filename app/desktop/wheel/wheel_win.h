#pragma once
// The wheel window: the chart wheels of the people loaded, each with a name
// plate. Normally two wheels (the twin layout, side by side or overlapping)
// or one double wheel with the second person as its inner ring; three to six
// wheels when that many people are loaded.
//
// A press on the first or second wheel makes that person current, asks the
// selection bar to focus on the element pressed and, for a body or an
// angle, highlights the bodies of the other person's chart that form an
// overlay aspect with it. People dragged from the name list onto a wheel
// are loaded into that wheel's chart. A right-button press opens the
// pop-up menu: the twin/double toggle, Switch Names, a background picture
// and a background colour.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "app/desktop/wheel/wheel_arrangement.h"
#include "app/desktop/wheel/wheel_win_calls.h"
#include "graphics/wheel/wheel.h"

class QLabel;

namespace vyn {
class TWheelWidget;
}  // namespace vyn

namespace vyn::desktop {

class TPlacementKeeper;
class TProgram;
class TWheelPopupMenu;
struct TDraggedPerson;

class TWheelWin : public QWidget {
  Q_OBJECT

 public:
  // Asks for a picture file (empty: cancelled) and for a colour.
  using TPictureChooser = std::function<QString(QWidget* parent, const QString& title)>;
  using TColorChooser = std::function<std::optional<QColor>(QWidget* parent, QColor current)>;

  // The last press on a body, sign, house or axis.
  struct TLastHit {
    TWheelHitType type = htPlanet;
    int ref = 1;
  };

  // Sets the wheels up from the settings and the charts of slots 1..6 and
  // shows the twin layout.
  explicit TWheelWin(TProgram& program, QWidget* parent = nullptr);
  ~TWheelWin() override;

  // ---- wheels and plates ----------------------------------------------------
  TWheelWidget* Wheel(int k) const;  // 1..6
  QLabel* Plate(int k) const;        // 1..6
  int Layout() const { return layout_; }
  bool DoubleShown() const { return layout_ == wlDouble; }
  // Switches to layout `code` (EWheelLayout) and places the wheels.
  void SetLayout(int code);
  // Places the wheels and plates for the window's size and the layout.
  void ArrangeWheels();
  // Captions and plate texts of the current language.
  void Retranslate();
  const QString& OuterText() const { return outerText_; }
  const QString& InnerText() const { return innerText_; }

  // ---- presses --------------------------------------------------------------
  void Wheel1MouseHit(TWheel& sender, TWheelHitType type, int ref);
  void Wheel2MouseHit(TWheel& sender, TWheelHitType type, int ref);
  TLastHit LastHit() const { return lastHit_; }
  // The last press again (after a language switch), on the wheel of the
  // current person, so that the selection bar shows it in the new language.
  void ReplayLastHit();
  // Marks an element of person 1 or 2 (asked by other windows): on that
  // person's wheel in the twin layout, on that person's ring of the double
  // wheel; nothing in the other layouts.
  void Mark(int person, bool clearFirst, int hitType, int ref);

  // Not owned; nullptr for none (the calls then do nothing).
  void SetSelectionBar(TSelectionBarCalls* bar);
  void SetInterpretation(TInterpretationCalls* interpretation);

  // ---- the pop-up menu and what it does -------------------------------------
  TWheelPopupMenu& PopupMenu() const { return *popup_; }
  void ToggleBiWheel();
  void SwitchNames();
  void InsertPicture();
  void RemovePicture();
  void ChooseBackgroundColor();
  void ToggleColorMode();
  void ToggleMemory();
  QColor BackgroundColor() const;
  const QImage& BackgroundPicture() const { return picture_; }
  // Replace the file and colour dialogs (tests answer at once).
  void SetPictureChooser(TPictureChooser chooser) { pictureChooser_ = std::move(chooser); }
  void SetColorChooser(TColorChooser chooser) { colorChooser_ = std::move(chooser); }

  // Draws every wheel again (after the orbs or the house system changed).
  void RedrawWheels();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // The menu key opens the pop-up menu as a right-button press would.
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Initialise();
  void CreateWheels();
  void ConnectMenu();
  TWheel& WheelOf(int k) const;
  THoroscope* ChartOf(int k) const;
  void LinkPair(bool doubleWheel);
  void PairCharts();
  void CalculateShownCharts();
  void RefreshPlates();
  void SetPlateText(int k, const QString& text);
  QString PlateText(int k) const;
  int WheelIndexOf(const QObject* widget) const;
  bool HandleDrag(int k, QEvent* event);
  void DropPerson(int k, QPoint at, const TDraggedPerson& person);
  void HighlightRelated(TWheel& sender, std::string_view code, bool inner);
  void CommonHit(TWheel& sender, TWheelHitType type, int ref);
  void OpenMenu(TWheel& sender);
  void OpenMenuAt(QPoint global);
  void SetPicture(const QString& file);

  TProgram& program_;
  std::array<TWheelWidget*, kWheelCount> wheels_{};
  std::array<QLabel*, kWheelCount> plates_{};
  TWheelPopupMenu* popup_ = nullptr;
  TPlacementKeeper* placement_ = nullptr;
  int layout_ = wlTwin;
  TLastHit lastHit_;
  QString outerText_;
  QString innerText_;
  QImage picture_;
  TSelectionBarCalls noBar_;
  TInterpretationCalls noInterpretation_;
  TSelectionBarCalls* bar_ = &noBar_;
  TInterpretationCalls* interpretation_ = &noInterpretation_;
  TPictureChooser pictureChooser_;
  TColorChooser colorChooser_;
};

}  // namespace vyn::desktop

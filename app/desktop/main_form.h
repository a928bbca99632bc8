#pragma once
// The main window: the frame of the program with its menu, its tool bar and
// the document area that holds every view. It carries out the commands of
// the command table, switches the language, and keeps the placements and
// settings when it closes.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "app/desktop/main_commands.h"
#include "settings/setup_settings.h"

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace vyn::desktop {

class TProgram;
class TWheelView;

// The single-instance views of the document area.
enum class EView { vwPlanets, vwHouseCusps, vwAspects, vwSymbols, vwNames, vwWheel };
inline constexpr int kViewCount = 6;

inline constexpr int kLanguageItems = 14;

// What the main window opens that a later part of the program supplies:
// the name dialog, help, the tip of the day, the about box. Each may be
// empty; its command then says that it is not available.
struct TMainServices {
  std::function<bool(QWidget* parent)> nameDialog;  // true after OK
  std::function<void(QWidget* parent, int topic)> help;
  std::function<void(QWidget* parent)> tipOfDay;
  std::function<void(QWidget* parent)> about;
  std::function<void(QWidget* parent, const QString& file)> playClip;
};

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  TMainForm(TProgram& program, TMainServices services, QWidget* parent = nullptr);
  ~TMainForm() override;

  // ---- commands -----------------------------------------------------------
  QAction* Action(ECommand command) const;
  QAction* LanguageAction(int item) const;  // items 1..14
  QMenu* Menu(EMenu menu) const;
  void Execute(ECommand command);

  // The language switch of the menu (item 1..14) and of start-up.
  void SelectLanguage(int item);
  void ApplyLanguage(const std::string& code);
  // Tag 1 Placidus, 2 Koch, 3 Equal.
  void SetHouseSystem(int tag);
  // Tag 1 strong, 2 medium and strong, 3 weak medium and strong, 5 synastry.
  void SetAspectStength(int tag);
  // Tag 1 tile, 2 cascade, 3 minimise all, 4 restore all.
  void SetChildState(int tag);
  // The wheel window's picture on the clipboard while the wheel view is the
  // active window; nothing otherwise.
  void CopyToClipboard();

  // ---- views --------------------------------------------------------------
  void ShowView(EView view);
  // The view's widget while it is open, else nullptr.
  QWidget* View(EView view) const;
  // The wheel view: shown when it is open; else created with one wheel for
  // each loaded person when more than two are loaded, two otherwise, at its
  // saved place or in the right half of the document area.
  void ShowWheelWin();
  TWheelView* WheelView() const;
  // The wheel view on its compatibility page (EPage 1) or its element and
  // modality page (2).
  void ShowCompatibilityGraph();
  void ShowElementGraph();
  // The dial window of `angle` (30, 60 or 90): created when it is not open,
  // then brought to the front.
  void DisplayDegreeDial(int angle);
  // The dial window of `angle` while it is open, else nullptr.
  QWidget* DegreeDial(int angle) const;
  QMdiArea* DocumentArea() const { return area_; }

  // After the start-up: the check marks of the settings, the placement of
  // the main window and the tiling of its children.
  void FinishStartUp();
  bool StartUpFinished() const { return startUpFinished_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  QMenu* EnsureMenu(EMenu menu);
  void AddCommand(const TCommandInfo& info);
  void AddLanguageMenu();
  void Retranslate();
  QString Caption(const TCaptionSource& source) const;
  void CheckOnly(std::initializer_list<ECommand> group, ECommand chosen);
  void ExitQuestion();
  void OpenWebSite();
  void OpenManual();
  void StorePlacements();
  void NotAvailable();
  QMdiSubWindow* OpenFrame(EView view) const;
  bool RaiseView(EView view);
  QMdiSubWindow* AddFrame(EView view, QWidget* widget);
  bool FirstChildMaximised() const;
  QRect VisibleDesktop() const;
  void AddGraphPages(TWheelView* view);

  TProgram& program_;
  TMainServices services_;
  QMdiArea* area_;
  QToolBar* toolBar_ = nullptr;
  std::map<ECommand, QAction*> actions_;
  std::map<EMenu, QMenu*> menus_;
  std::array<QAction*, kLanguageItems> languageActions_{};
  std::array<QPointer<QMdiSubWindow>, kViewCount> views_{};
  std::array<QPointer<QMdiSubWindow>, 3> dials_{};  // 30, 60, 90 degrees
  TSystemSettings loadedSystem_;  // as the settings file gave them
  bool startUpFinished_ = false;
};

}  // namespace vyn::desktop

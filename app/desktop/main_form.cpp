#include "app/desktop/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "app/desktop/app_icons.h"
#include "app/desktop/graphs/comp_graph.h"
#include "app/desktop/graphs/degree_dial_win.h"
#include "app/desktop/graphs/em_graph.h"
#include "app/desktop/message_boxes.h"
#include "app/desktop/program.h"
#include "app/desktop/settings_qt.h"
#include "app/desktop/views/placement_keeper.h"
#include "app/desktop/views/planets_win.h"
#include "app/desktop/views/win_aspects.h"
#include "app/desktop/views/win_cpos.h"
#include "app/desktop/views/win_names.h"
#include "app/desktop/views/win_symbols.h"
#include "app/desktop/wheel/wheel_view.h"
#include "app/desktop/wheel/wheel_win.h"
#include "app/desktop/windows/message_window.h"
#include "language/language_codes.h"
#include "platform/app_directory.h"
#include "settings/settings_file_error.h"

namespace vyn::desktop {
namespace {

using C = ECommand;

constexpr const char* kWebSite = "https://vyn-synastry.org";
constexpr const char* kOnlineManual = "https://vyn-synastry.org/manual";
constexpr const char* kManualFile = "MANUAL/Manual.htm";

struct TViewInfo {
  TWindowId window;
  std::function<QWidget*(TProgram&)> make;
};

const std::array<TViewInfo, kViewCount> kViews = {{
    {wiPlanets, [](TProgram& p) -> QWidget* { return new TPlanetsWin(p); }},
    {wiHouseCusps, [](TProgram& p) -> QWidget* { return new TWinCPos(p); }},
    {wiAspects, [](TProgram& p) -> QWidget* { return new TWinAspects(p); }},
    {wiSymbols, [](TProgram& p) -> QWidget* { return new TWinSymbols(p); }},
    {wiNameList, [](TProgram& p) -> QWidget* { return new TWinNames(p); }},
    {wiWheelView, [](TProgram& p) -> QWidget* { return new TWheelView(p); }},
}};

// A saved wheel view narrower than this is placed anew.
constexpr int kNarrowestWheelView = 200;

std::size_t Index(EView view) { return static_cast<std::size_t>(view); }

// The house-system and orb-strength items by their tags.
constexpr std::array<C, 3> kHouseItems = {C::cmPlacidus, C::cmKoch, C::cmEqual};
constexpr std::array<C, 4> kStrengthItems = {C::cmStrong, C::cmMediumStrong,
                                             C::cmWeakMediumStrong, C::cmSynastry};

}  // namespace

TMainForm::TMainForm(TProgram& program, TMainServices services, QWidget* parent)
    : QMainWindow(parent), program_(program), services_(std::move(services)),
      area_(new QMdiArea(this)) {
  setObjectName("MainForm");
  setWindowTitle(QStringLiteral("VYN Synastry"));
  setWindowIcon(AppIcon());
  area_->setObjectName("DocumentArea");
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(area_);
  BuildMenus();
  BuildToolBar();
  const std::pair<ECommand, bool> served[] = {{C::cmNameData, bool(services_.nameDialog)},
                                              {C::cmHelp, bool(services_.help)},
                                              {C::cmTipOfDay, bool(services_.tipOfDay)},
                                              {C::cmAbout, bool(services_.about)}};
  for (const auto& [command, ready] : served)
    if (!ready) actions_[command]->setEnabled(false);
  connect(&program_, &TProgram::LanguageChanged, this, &TMainForm::Retranslate);
}

TMainForm::~TMainForm() = default;

// ---- building ----------------------------------------------------------------

QMenu* TMainForm::EnsureMenu(EMenu menu) {
  if (const auto it = menus_.find(menu); it != menus_.end()) return it->second;
  for (const TMenuInfo& info : MainMenus()) {
    if (info.menu != menu) continue;
    QMenu* created = info.parent == EMenu::mnNone ? menuBar()->addMenu(QString())
                                                  : EnsureMenu(info.parent)->addMenu(QString());
    menus_[menu] = created;
    return created;
  }
  return nullptr;
}

void TMainForm::AddCommand(const TCommandInfo& info) {
  auto* action = new QAction(this);
  action->setVisible(info.visible);
  action->setEnabled(info.available);
  action->setCheckable(info.checkable);
  if (*info.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
  action->setIcon(CommandIcon(info.command));
  const ECommand command = info.command;
  connect(action, &QAction::triggered, this, [this, command] { Execute(command); });
  actions_[command] = action;
  if (info.menu != EMenu::mnNone) EnsureMenu(info.menu)->addAction(action);
  addAction(action);  // shortcuts work with the menu bar hidden too
}

void TMainForm::BuildMenus() {
  for (const TMenuInfo& info : MainMenus())
    if (info.parent == EMenu::mnNone) EnsureMenu(info.menu);
  for (const TCommandInfo& info : MainCommands()) {
    if (info.command == C::cmExit || info.command == C::cmTile) EnsureMenu(info.menu)->addSeparator();
    if (info.command == C::cmAtlas) AddLanguageMenu();
    AddCommand(info);
  }
  auto* houses = new QActionGroup(this);
  for (C c : kHouseItems) houses->addAction(actions_[c]);
}

void TMainForm::AddLanguageMenu() {
  QMenu* languages = EnsureMenu(EMenu::mnLanguage);
  auto* group = new QActionGroup(this);
  for (int item = 1; item <= kLanguageItems; ++item) {
    auto* action = languages->addAction(QString());
    action->setCheckable(true);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, item] { SelectLanguage(item); });
    languageActions_[static_cast<std::size_t>(item - 1)] = action;
  }
}

void TMainForm::BuildToolBar() {
  toolBar_ = addToolBar(QString());
  toolBar_->setObjectName("MainToolBar");
  toolBar_->setMovable(true);
  toolBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  toolBar_->toggleViewAction()->setEnabled(false);  // the bar cannot be closed
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (C command : MainToolBar()) toolBar_->addAction(actions_[command]);
}

// ---- language ------------------------------------------------------------------

QString TMainForm::Caption(const TCaptionSource& source) const {
  if (source.token) return program_.Token(source.token);
  if (source.section) return program_.IniText(source.section, source.key, source.fallback);
  return {};
}

void TMainForm::Retranslate() {
  for (const TMenuInfo& info : MainMenus()) {
    const QString text = Caption(info.caption);
    if (!text.isEmpty()) menus_[info.menu]->setTitle(text);
  }
  for (const TCommandInfo& info : MainCommands()) {
    QAction* action = actions_[info.command];
    const QString text = Caption(info.caption);
    if (!text.isEmpty()) action->setText(text);
    const QString hint = Caption(info.hint);
    if (!hint.isEmpty()) action->setToolTip(hint);
  }
  for (int item = 1; item <= kLanguageItems; ++item) {
    QAction* action = languageActions_[static_cast<std::size_t>(item - 1)];
    const QString text = program_.Token(LanguageMenuToken(item));
    if (!text.isEmpty()) action->setText(text);
    action->setVisible(program_.HasInterpretationTexts(std::string(LanguageCodeOfItem(item))));
  }
  toolBar_->setWindowTitle(Caption(CommandInfo(C::cmToggleMenu).hint));
  // The current orb set keeps its place among the standard sets, under its
  // name in the new language.
  for (std::size_t i = 0; i < kStrengthItems.size(); ++i)
    if (actions_[kStrengthItems[i]]->isChecked())
      program_.Setup().SetOrbSetName(program_.Setup().StandardOrbNames()[i]);
}

void TMainForm::SelectLanguage(int item) {
  TVynSetup& setup = program_.Setup();
  setup.SelectCountry(item);
  const std::string code = setup.CountryCode();
  if (code == "##") return;  // the settings have no languages: already reported
  try {
    ApplyLanguage(code);
  } catch (const std::exception& e) {
    ErrorBox(this, QStringLiteral("VYN"), QString::fromStdString(e.what()));
  }
}

void TMainForm::ApplyLanguage(const std::string& code) {
  program_.ApplyLanguage(code);  // LanguageChanged re-captions every window
  // The last press on a wheel again, so that what follows it speaks the
  // new language too.
  if (TWheelView* view = WheelView()) view->WheelWin()->ReplayLastHit();
  const int item = LanguageItemOfCode(code);
  if (item > 0) languageActions_[static_cast<std::size_t>(item - 1)]->setChecked(true);
  setWindowTitle(code == "SP" ? QStringLiteral("VYN-Serilano") : QStringLiteral("VYN Synastry"));
}

// ---- commands --------------------------------------------------------------------

QAction* TMainForm::Action(ECommand command) const { return actions_.at(command); }

QAction* TMainForm::LanguageAction(int item) const {
  return languageActions_.at(static_cast<std::size_t>(item - 1));
}

QMenu* TMainForm::Menu(EMenu menu) const { return menus_.at(menu); }

void TMainForm::CheckOnly(std::initializer_list<ECommand> group, ECommand chosen) {
  for (ECommand c : group) actions_[c]->setChecked(c == chosen);
}

void TMainForm::Execute(ECommand command) {
  switch (command) {
    case C::cmNameData:
      if (!services_.nameDialog) return NotAvailable();
      services_.nameDialog(this);
      return;
    case C::cmPrinterSetup: {
      QPrinter printer;
      QPageSetupDialog(&printer, this).exec();
      return;
    }
    case C::cmExit: return ExitQuestion();
    case C::cmCopyToClipboard: return CopyToClipboard();
    case C::cmStrong: return SetAspectStength(1);
    case C::cmMediumStrong: return SetAspectStength(2);
    case C::cmWeakMediumStrong: return SetAspectStength(3);
    case C::cmSynastry: return SetAspectStength(5);
    case C::cmPlacidus: return SetHouseSystem(1);
    case C::cmKoch: return SetHouseSystem(2);
    case C::cmEqual: return SetHouseSystem(3);
    case C::cmSaveOnExit:
      program_.Setup().System().SaveOnExit = actions_[command]->isChecked();
      return;
    case C::cmWheelWindow: return ShowWheelWin();
    case C::cmPlanetGrid: return ShowView(EView::vwPlanets);
    case C::cmHouseCusps: return ShowView(EView::vwHouseCusps);
    case C::cmAspectGrid: return ShowView(EView::vwAspects);
    case C::cmSymbols: return ShowView(EView::vwSymbols);
    case C::cmNameList: return ShowView(EView::vwNames);
    case C::cmCompatibilityGraph: return ShowCompatibilityGraph();
    case C::cmElementGraph: return ShowElementGraph();
    case C::cmDial30: return DisplayDegreeDial(30);
    case C::cmDial60: return DisplayDegreeDial(60);
    case C::cmDial90: return DisplayDegreeDial(90);
    case C::cmTile: return SetChildState(1);
    case C::cmCascade: return SetChildState(2);
    case C::cmMinimizeAll: return SetChildState(3);
    case C::cmRestoreAll: return SetChildState(4);
    case C::cmHelp:
      if (!services_.help) return NotAvailable();
      return services_.help(this, 0);
    case C::cmSupport:
      if (services_.help) services_.help(this, 113);
      return;
    case C::cmTipOfDay:
      if (!services_.tipOfDay) return NotAvailable();
      return services_.tipOfDay(this);
    case C::cmAbout:
      if (!services_.about) return NotAvailable();
      return services_.about(this);
    case C::cmManual: return OpenManual();
    case C::cmWebSite: return OpenWebSite();
    case C::cmToggleMenu: menuBar()->setVisible(!menuBar()->isVisible()); return;
    default: return NotAvailable();
  }
}

void TMainForm::NotAvailable() {
  // A command whose window this version does not have yet: its item is
  // disabled, so only a shortcut of a hidden or disabled item gets here.
  QApplication::beep();
}

void TMainForm::ExitQuestion() {
  QMessageBox box(QMessageBox::Information, windowTitle(),
                  program_.IniText("FILEMENU", "ExitQuestion",
                                   "Do you want to close this application?"),
                  QMessageBox::Ok | QMessageBox::Cancel, this);
  box.setDefaultButton(QMessageBox::Ok);
  box.setEscapeButton(QMessageBox::Cancel);
  if (box.exec() == QMessageBox::Ok) close();
}

void TMainForm::OpenWebSite() { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebSite))); }

void TMainForm::OpenManual() {
  if (program_.LanguageCode() == "SW") return;
  const QString file = QString::fromStdString(AppDirectory()) + kManualFile;
  if (QFileInfo::exists(file)) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    return;
  }
  const QUrl online(QString::fromLatin1(kOnlineManual));
  TMessageWindow message(program_,
                         program_.IniText("HelpMenu", "ManualMissing", "Manual not found"),
                         program_.IniText("HelpMenu", "ManualDownload", "Download from WEB ? "),
                         online, this);
  if (message.exec() == TMessageWindow::mrOk) QDesktopServices::openUrl(online);
}

void TMainForm::SetHouseSystem(int tag) {
  if (tag < 1 || tag > 3) return;
  program_.SetHouseSystem(tag - 1);
  for (std::size_t i = 0; i < kHouseItems.size(); ++i)
    actions_[kHouseItems[i]]->setChecked(static_cast<int>(i) == tag - 1);
  if (TWheelView* view = WheelView()) view->WheelWin()->RedrawWheels();
}

void TMainForm::SetAspectStength(int tag) {
  const int index = tag == 5 ? 3 : tag - 1;
  if (index < 0 || index > 3) return;
  try {
    program_.UseOrbSet(program_.Setup().StandardOrbNames()[static_cast<std::size_t>(index)]);
  } catch (const std::exception& e) {
    ErrorBox(this, windowTitle(), QString::fromStdString(e.what()));
    return;
  }
  CheckOnly({C::cmStrong, C::cmMediumStrong, C::cmWeakMediumStrong, C::cmSynastry,
             C::cmUserDefinedOrbs},
            kStrengthItems[static_cast<std::size_t>(index)]);
  if (View(EView::vwAspects)) View(EView::vwAspects)->update();
  if (TWheelView* view = WheelView()) view->WheelWin()->RedrawWheels();
}

void TMainForm::CopyToClipboard() {
  TWheelView* view = WheelView();
  if (!view || area_->currentSubWindow() != OpenFrame(EView::vwWheel)) return;
  QApplication::clipboard()->setImage(view->WheelWin()->grab().toImage());
}

void TMainForm::SetChildState(int tag) {
  const auto windows = area_->subWindowList();
  switch (tag) {
    case 1: area_->tileSubWindows(); break;
    case 2: area_->cascadeSubWindows(); break;
    case 3:
      for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->showMinimized();
      break;
    case 4:
      for (QMdiSubWindow* window : windows) window->showNormal();
      break;
    default: break;
  }
}

// ---- views -----------------------------------------------------------------------

// A closed view's frame lingers until the event loop deletes it; it counts
// as gone as soon as it has left the document area.
QMdiSubWindow* TMainForm::OpenFrame(EView view) const {
  QMdiSubWindow* frame = views_[Index(view)];
  return frame && area_->subWindowList().contains(frame) ? frame : nullptr;
}

QWidget* TMainForm::View(EView view) const {
  const QMdiSubWindow* frame = OpenFrame(view);
  return frame ? frame->widget() : nullptr;
}

TWheelView* TMainForm::WheelView() const { return qobject_cast<TWheelView*>(View(EView::vwWheel)); }

// An open view comes to the front (restored when minimised).
bool TMainForm::RaiseView(EView view) {
  QMdiSubWindow* frame = OpenFrame(view);
  if (!frame) return false;
  if (frame->isMinimized()) frame->showNormal();
  area_->setActiveSubWindow(frame);
  return true;
}

bool TMainForm::FirstChildMaximised() const {
  const QList<QMdiSubWindow*> children = area_->subWindowList();
  return !children.isEmpty() && children.first()->isMaximized();
}

QMdiSubWindow* TMainForm::AddFrame(EView view, QWidget* widget) {
  QPointer<QMdiSubWindow>& frame = views_[Index(view)];
  frame = area_->addSubWindow(widget);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setWindowIcon(AppIcon());
  frame->setWindowTitle(widget->windowTitle());
  connect(widget, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);
  return frame;
}

void TMainForm::ShowView(EView view) {
  if (view == EView::vwWheel) return ShowWheelWin();
  if (RaiseView(view)) return;
  const bool maximised = FirstChildMaximised();
  setUpdatesEnabled(false);
  const TViewInfo& info = kViews[Index(view)];
  QWidget* widget = info.make(program_);
  QMdiSubWindow* frame = AddFrame(view, widget);
  const WindowPlacement& placement = program_.Setup().Placement(info.window);
  if (placement.Valid) ApplyPlacement(frame, placement);
  else frame->resize(area_->size() / 2);
  new TPlacementKeeper(widget, program_.Setup(), info.window);
  if (maximised) frame->showMaximized();
  else frame->show();
  setUpdatesEnabled(true);
}

void TMainForm::ShowWheelWin() {
  if (RaiseView(EView::vwWheel)) return;
  setUpdatesEnabled(false);
  const TViewInfo& info = kViews[Index(EView::vwWheel)];
  auto* view = static_cast<TWheelView*>(info.make(program_));
  const int loaded = program_.LoadedCount();
  if (loaded > 2) view->WheelWin()->SetLayout(loaded);  // one wheel for each person
  AddGraphPages(view);
  QMdiSubWindow* frame = AddFrame(EView::vwWheel, view);
  WindowPlacement placement = program_.Setup().Placement(info.window);
  if (!placement.Valid || placement.Bounds.Width <= kNarrowestWheelView) {
    // The right half of the document area.
    const QSize client = area_->size();
    placement.Bounds = {client.width() / 2 + 2, 0, client.width() / 2 - 2, client.height() - 2};
  }
  ApplyPlacement(frame, placement);
  if (!frame->isMaximized() && !frame->isMinimized()) frame->show();
  area_->setActiveSubWindow(frame);
  setUpdatesEnabled(true);
}

void TMainForm::AddGraphPages(TWheelView* view) {
  TGraphServices graphServices;
  graphServices.playClip = services_.playClip;
  view->SetPageWindow(TWheelView::pgCompatibility, new TCompGraph(program_, graphServices));
  view->SetPageWindow(TWheelView::pgElements, new TEMGraph(program_));
}

void TMainForm::ShowCompatibilityGraph() {
  ShowWheelWin();
  if (TWheelView* view = WheelView()) view->ShowPage(TWheelView::pgCompatibility);
}

void TMainForm::ShowElementGraph() {
  ShowWheelWin();
  if (TWheelView* view = WheelView()) view->ShowPage(TWheelView::pgElements);
}

namespace {

std::size_t DialIndex(int angle) { return angle == 30 ? 0 : angle == 90 ? 2 : 1; }

}  // namespace

QWidget* TMainForm::DegreeDial(int angle) const {
  const QMdiSubWindow* frame = dials_[DialIndex(angle)];
  return frame ? frame->widget() : nullptr;
}

void TMainForm::DisplayDegreeDial(int angle) {
  QPointer<QMdiSubWindow>& frame = dials_[DialIndex(angle)];
  if (!frame) {
    const bool maximised = FirstChildMaximised();
    auto* dial = new TDegreeDial(program_, angle);
    frame = area_->addSubWindow(dial);
    frame->setAttribute(Qt::WA_DeleteOnClose);  // the pointer clears itself
    frame->setWindowIcon(AppIcon());
    frame->setWindowTitle(dial->windowTitle());
    connect(dial, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);
    const WindowPlacement& placement = program_.Setup().Placement(wiDDial);
    if (placement.Valid) ApplyPlacement(frame, placement);
    new TPlacementKeeper(dial, program_.Setup(), wiDDial);  // the dials share one place
    if (maximised) frame->showMaximized();
    else frame->show();
  }
  if (frame->isMinimized()) frame->showNormal();
  area_->setActiveSubWindow(frame);
  frame->widget()->update();
}

// ---- start and end ---------------------------------------------------------------

void TMainForm::FinishStartUp() {
  const TSystemSettings& system = program_.Setup().System();
  actions_[C::cmSaveOnExit]->setChecked(system.SaveOnExit);
  actions_[kHouseItems[static_cast<std::size_t>(std::clamp(system.HouseSystem, 0, 2))]]
      ->setChecked(true);
  loadedSystem_ = system;
  const auto names = program_.Setup().StandardOrbNames();
  for (std::size_t i = 0; i < kStrengthItems.size(); ++i)
    actions_[kStrengthItems[i]]->setChecked(program_.Setup().OrbSetName() == names[i]);
  WindowPlacement placement = program_.Setup().Placement(wiMain);
  if (placement.Valid) {
    placement.Bounds = FittedBounds(placement.Bounds, VisibleDesktop());
    ApplyPlacement(this, placement);
  }
  startUpFinished_ = true;
}

QRect TMainForm::VisibleDesktop() const {
  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  return shown ? shown->availableGeometry() : QRect(0, 0, 1024, 768);
}

void TMainForm::StorePlacements() {
  TPlacementKeeper keeper(this, program_.Setup(), wiMain);
  keeper.Store();
  WindowPlacement& placement = program_.Setup().Placement(wiMain);
  placement.Bounds = FittedBounds(placement.Bounds, VisibleDesktop());
  for (int view = 0; view < kViewCount; ++view)
    if (QMdiSubWindow* frame = OpenFrame(static_cast<EView>(view))) frame->close();  // each view stores its own placement as it closes
}

void TMainForm::closeEvent(QCloseEvent* event) {
  StorePlacements();
  TSystemSettings& system = program_.Setup().System();
  if (system.SaveOnExit) {
    system.ChkStrong = actions_[C::cmStrong]->isChecked();
    system.ChkMedium = actions_[C::cmMediumStrong]->isChecked();
    system.ChkWeak = actions_[C::cmWeakMediumStrong]->isChecked();
    system.ChkSynastry = actions_[C::cmSynastry]->isChecked();
  } else {
    // Without Save on exit the choices of this run are not kept.
    system.HouseSystem = loadedSystem_.HouseSystem;
    system.ChkStrong = loadedSystem_.ChkStrong;
    system.ChkMedium = loadedSystem_.ChkMedium;
    system.ChkWeak = loadedSystem_.ChkWeak;
    system.ChkSynastry = loadedSystem_.ChkSynastry;
  }
  try {
    program_.SaveSettings(true);
  } catch (const std::exception& e) {
    // The settings could not be written: say so, and close all the same;
    // the file on disk is as it was (it is replaced atomically).
    ErrorBox(this, windowTitle(), QString::fromStdString(e.what()));
  }
  event->accept();
}

}  // namespace vyn::desktop

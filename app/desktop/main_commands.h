#pragma once
// The commands of the main window: every menu item and tool-bar button,
// where its caption comes from in the current language, its place, its
// keyboard shortcut, and whether this build can carry it out yet. The main
// window builds its menus and tool bars from this table and translates them
// by it; tests walk it to reach every command.
#include <string_view>
#include <vector>

namespace vyn::desktop {

enum class ECommand {
  cmNameData, cmPrinterSetup, cmPrintCharts, cmPrintInterpretation, cmBackup, cmRestore, cmExit,
  cmCopyToClipboard,
  cmStrong, cmMediumStrong, cmWeakMediumStrong, cmUserDefinedOrbs, cmSynastry,
  cmPlacidus, cmKoch, cmEqual,
  cmAtlas, cmDefineHere, cmDefineNow,
  cmLoadYourStandards, cmLoadVynStandards, cmSaveYourStandards, cmSaveOnExit,
  cmWheelWindow, cmInterpretationWindow, cmPlanetGrid, cmHouseCusps, cmAspectGrid, cmSymbols,
  cmNameList, cmElementGraph, cmCompatibilityGraph, cmDial30, cmDial60, cmDial90,
  cmTile, cmCascade, cmMinimizeAll, cmRestoreAll,
  cmHelp, cmContextHelp, cmTipOfDay, cmManual, cmSupport, cmAbout,
  cmWebSite, cmToggleMenu, cmVideo, cmInterpreter
};

// Menus and submenus, in menu-bar order; a submenu names its parent.
enum class EMenu {
  mnNone, mnFile, mnEdit, mnOptions, mnAspects, mnHouseSystem, mnLanguage, mnHereAndNow,
  mnSettings, mnView, mnDegreeDials, mnWindow, mnHelp
};

// Where a caption comes from: a token of the current language, or a key of
// the language file with the text used when the file lacks it.
struct TCaptionSource {
  int token = 0;
  const char* section = nullptr;
  const char* key = nullptr;
  const char* fallback = "";
};

struct TCommandInfo {
  ECommand command;
  EMenu menu;                 // mnNone: tool bar only
  TCaptionSource caption;     // menu caption (tool-bar-only commands: their hint)
  TCaptionSource hint;        // tool-bar hint; token 0 and no key: none
  const char* shortcut;       // QKeySequence text, or ""
  bool visible;               // hidden items exist but are not shown
  bool available;             // false: shown disabled until its window exists
  bool checkable;
};

struct TMenuInfo {
  EMenu menu;
  EMenu parent;  // mnNone for the menu bar
  TCaptionSource caption;
};

const std::vector<TCommandInfo>& MainCommands();
const std::vector<TMenuInfo>& MainMenus();
const TCommandInfo& CommandInfo(ECommand command);

// The tool-bar buttons, left to right.
const std::vector<ECommand>& MainToolBar();

}  // namespace vyn::desktop

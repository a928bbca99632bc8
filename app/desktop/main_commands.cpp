#include "app/desktop/main_commands.h"

#include <stdexcept>

namespace vyn::desktop {
namespace {

using C = ECommand;
using M = EMenu;

constexpr TCaptionSource Token(int token) { return {token, nullptr, nullptr, ""}; }
constexpr TCaptionSource Key(const char* section, const char* key, const char* fallback) {
  return {0, section, key, fallback};
}
constexpr TCaptionSource kNone{};

// Shown, ready, plain.
constexpr TCommandInfo Item(C c, M m, TCaptionSource caption, const char* shortcut = "") {
  return {c, m, caption, kNone, shortcut, true, true, false};
}
// Shown but disabled: its window comes with a later version.
constexpr TCommandInfo Later(C c, M m, TCaptionSource caption, const char* shortcut = "") {
  return {c, m, caption, kNone, shortcut, true, false, false};
}
constexpr TCommandInfo Check(C c, M m, TCaptionSource caption) {
  return {c, m, caption, kNone, "", true, true, true};
}
constexpr TCommandInfo Hidden(C c, M m, TCaptionSource caption) {
  return {c, m, caption, kNone, "", false, false, false};
}
constexpr TCommandInfo WithHint(TCommandInfo info, TCaptionSource hint) {
  info.hint = hint;
  return info;
}

const std::vector<TCommandInfo> kCommands = {
    WithHint(Item(C::cmNameData, M::mnFile, Key("FILEMENU", "NAMES", "&Name"), "Ctrl+N"),
               Token(794)),
    Item(C::cmPrinterSetup, M::mnFile, Key("FILEMENU", "PrinterSetup", "&Printer Setup")),
    WithHint(Later(C::cmPrintCharts, M::mnFile, Key("FILEMENU", "Print", "&Print"), "Ctrl+P"),
               Key("TIPS", "PrintWheel", "Print Wheel")),
    Later(C::cmPrintInterpretation, M::mnFile,
          Key("FILEMENU", "PrintInterpretation", "&Print Interpretation...")),
    Hidden(C::cmBackup, M::mnFile, Token(250)),
    Hidden(C::cmRestore, M::mnFile, Token(251)),
    Item(C::cmExit, M::mnFile, Key("FILEMENU", "Exit", "&Exit"), "Ctrl+Q"),
    Item(C::cmCopyToClipboard, M::mnEdit, Key("EDITMENU", "CopyToClipBoard", "&Copy To ClipBoard"),
         "Ctrl+C"),
    Check(C::cmStrong, M::mnAspects, Key("OPTIONMENU", "Strong", "&Strong")),
    Check(C::cmMediumStrong, M::mnAspects, Key("OPTIONMENU", "MediumStrong", "&Medium And Strong")),
    Check(C::cmWeakMediumStrong, M::mnAspects,
          Key("OPTIONMENU", "WeakMediumStrong", "&Weak, Medium And Strong")),
    Later(C::cmUserDefinedOrbs, M::mnAspects,
          Key("OPTIONMENU", "UserDefinedOrbs", "&User Define Orbs")),
    Check(C::cmSynastry, M::mnAspects, Key("OPTIONMENU", "Synastry", "&Synastry")),
    Check(C::cmPlacidus, M::mnHouseSystem, Key("OPTIONMENU", "Placedus", "&Placedus")),
    Check(C::cmKoch, M::mnHouseSystem, Key("OPTIONMENU", "Koch", "&Koch")),
    Check(C::cmEqual, M::mnHouseSystem, Key("OPTIONMENU", "Equal", "&Equal")),
    Later(C::cmAtlas, M::mnOptions, Key("OPTIONMENU", "Atlas", "&Atlas")),
    Later(C::cmDefineHere, M::mnHereAndNow, Token(1203)),
    Later(C::cmDefineNow, M::mnHereAndNow, Token(1204)),
    Later(C::cmLoadYourStandards, M::mnSettings,
          Key("SettingsMenu", "LoadOwnStandard", "&Load Your Standard")),
    Later(C::cmLoadVynStandards, M::mnSettings,
          Key("SettingsMenu", "LoadVynStandard", "&Load VYN Standard")),
    Later(C::cmSaveYourStandards, M::mnSettings,
          Key("SettingsMenu", "SaveOwnStandard", "&Save Your Standard")),
    Check(C::cmSaveOnExit, M::mnSettings, Key("SettingsMenu", "SaveonExit", "Save on &Exit")),
    Item(C::cmWheelWindow, M::mnView, Key("VIEWMENU", "WheelWindow", "&Wheel Window"), "F5"),
    Later(C::cmInterpretationWindow, M::mnView,
          Key("VIEWMENU", "InterpWindow", "&Interpretation Window"), "F6"),
    Item(C::cmPlanetGrid, M::mnView, Key("VIEWMENU", "PlanetGrid", "&Planets Position Grid"), "F7"),
    Item(C::cmHouseCusps, M::mnView, Key("VIEWMENU", "HouseCusp", "&House CuspPosition"), "F8"),
    WithHint(Item(C::cmAspectGrid, M::mnView, Key("VIEWMENU", "AspectGrid", "&Aspect Grid"), "F9"),
               Key("TIPS", "AspectsGrid", "Aspects Grid")),
    Item(C::cmSymbols, M::mnView, Key("VIEWMENU", "SymbolGrid", "&Symbol Explanation")),
    Item(C::cmNameList, M::mnView, Key("VIEWMENU", "NameList", "&Name List")),
    WithHint(Item(C::cmElementGraph, M::mnView,
                     Key("VIEWMENU", "ElementGraph", "&Element Graph")),
               Key("TIPS", "ElementandModalityGraph", "Element and Modality Graph")),
    WithHint(Item(C::cmCompatibilityGraph, M::mnView,
                     Key("VIEWMENU", "CompatibilityGraph", "&Compatibility Graph")),
               Key("TIPS", "CompatibilityGraph", "Compatibility Graph")),
    Item(C::cmDial30, M::mnDegreeDials, Token(1001)),
    Item(C::cmDial60, M::mnDegreeDials, Token(1002)),
    Item(C::cmDial90, M::mnDegreeDials, Token(1003)),
    Item(C::cmTile, M::mnWindow, Key("Windowmenu", "Tile", "&Tile")),
    Item(C::cmCascade, M::mnWindow, Key("Windowmenu", "Cascade", "&Cascade")),
    Item(C::cmMinimizeAll, M::mnWindow, Key("Windowmenu", "Minimize", "&Minimize All Windows")),
    Item(C::cmRestoreAll, M::mnWindow, Key("Windowmenu", "Restore", "&Restore All Windows")),
    WithHint(Item(C::cmHelp, M::mnHelp, Key("HelpMenu", "Help", "&Help"), "F1"),
               Key("TIPS", "Help", "Help")),
    Hidden(C::cmContextHelp, M::mnHelp, Key("HelpMenu", "ContextHelp", "&Context Help")),
    Item(C::cmTipOfDay, M::mnHelp, Key("HelpMenu", "TipofDay", "&Tip of the Day")),
    Item(C::cmManual, M::mnHelp, Key("HelpMenu", "Manual", "&Manual...")),
    Hidden(C::cmSupport, M::mnHelp,
           Key("HelpMenu", "ObtainingSupport", "&Obtaining Technical Support")),
    WithHint(Item(C::cmWebSite, M::mnHelp, Token(819)), Token(819)),
    Item(C::cmAbout, M::mnHelp, Key("HelpMenu", "AboutVyn", "&About VYN")),
    WithHint(Item(C::cmToggleMenu, M::mnNone, Key("TIPS", "HideShowMenu", "Hide/Show Menu"),
                    "Ctrl+M"),
               Key("TIPS", "HideShowMenu", "Hide/Show Menu")),
    WithHint(Hidden(C::cmVideo, M::mnNone, Key("TIPS", "Video", "Video")),
               Key("TIPS", "Video", "Video")),
    WithHint(Hidden(C::cmInterpreter, M::mnNone, Key("TIPS", "OldVYN", "Open VYN Horoscope Interpreter")),
               Key("TIPS", "OldVYN", "Open VYN Horoscope Interpreter")),
};

const std::vector<TMenuInfo> kMenus = {
    {M::mnFile, M::mnNone, Token(239)},
    {M::mnEdit, M::mnNone, Key("EDITMENU", "Edit", "&Edit")},
    {M::mnOptions, M::mnNone, Key("OPTIONMENU", "Options", "&Options")},
    {M::mnAspects, M::mnOptions, Key("OPTIONMENU", "Aspects", "&Aspects")},
    {M::mnHouseSystem, M::mnOptions, Key("OPTIONMENU", "HouseSystem", "&House System")},
    {M::mnLanguage, M::mnOptions, Key("OPTIONMENU", "Language", "&Language")},
    {M::mnHereAndNow, M::mnOptions, Token(1202)},
    {M::mnSettings, M::mnNone, Key("SettingsMenu", "Settings", "&Settings")},
    {M::mnView, M::mnNone, Key("VIEWMENU", "View", "&View")},
    {M::mnDegreeDials, M::mnView, Key("VIEWMENU", "DegreeDials", "&Degree Dials")},
    {M::mnWindow, M::mnNone, Key("Windowmenu", "Window", "&Window")},
    {M::mnHelp, M::mnNone, Key("HelpMenu", "Help", "&Help")},
};

const std::vector<ECommand> kToolBar = {C::cmWebSite,        C::cmNameData,
                                        C::cmPrintCharts,    C::cmAspectGrid,
                                        C::cmCompatibilityGraph, C::cmElementGraph,
                                        C::cmHelp,           C::cmToggleMenu,
                                        C::cmVideo,          C::cmInterpreter};

}  // namespace

const std::vector<TCommandInfo>& MainCommands() { return kCommands; }
const std::vector<TMenuInfo>& MainMenus() { return kMenus; }
const std::vector<ECommand>& MainToolBar() { return kToolBar; }

const TCommandInfo& CommandInfo(ECommand command) {
  for (const TCommandInfo& info : kCommands)
    if (info.command == command) return info;
  throw std::logic_error("a command without an entry in the command table");
}

}  // namespace vyn::desktop

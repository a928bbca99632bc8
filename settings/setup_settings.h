#pragma once
// The values of the settings file, one record per section, with the
// defaults used when a key is missing. Members are named after their keys.
#include <array>
#include <string>
#include <string_view>

#include "settings/color_value.h"
#include "settings/flag_string.h"
#include "settings/font_spec.h"
#include "settings/window_placement.h"

namespace vyn {

// [System]; the current orb set name ("OrbisName") is kept by the store.
struct TSystemSettings {
  bool SaveOnExit = false;
  bool HereAndNow = false;
  bool USDateFormat = false;
  bool HideAspects = false;
  bool ChkZoneTime = true;
  bool ChkSummerTime = true;
  bool ChkStrong = true;
  bool ChkMedium = false;
  bool ChkWeak = false;
  bool ChkSynastry = false;
  int HouseSystem = 0;  // 0 Placidus, 1 Koch, 2 Equal
  TColorValue GraphColor = 255;
};

// [Analyse]: the year window of the chart records (the Japanese edition
// defaults to 1997 and 2000) and three stored flag strings.
struct TAnalyseSettings {
  int FromYear = 1995;
  int ToYear = 1998;
  TFlagString UseTransitPlanets = ReadFlagString("", "11111");
  TFlagString UseTransitTrends = ReadFlagString("", "1111");
  TFlagString UseTransitAspects = ReadFlagString("", "100011001");
};

// [InterpretationPrn]: the parts of the interpretation printout.
struct TInterpretationPrintSettings {
  bool ITwinWheel = true;
  bool IDoubleWheel = true;
  bool IDegreeDial = true;
  bool IRelationshipA = true;
  bool ISymbolExplanation = true;
  bool ICompElementMode = true;
  bool IIllustrations = true;
  bool IComplete = true;
  bool IAbridge = false;
};

// [PrintOptions] besides the print items.
struct TPrintOptionSettings {
  bool BW = false;     // chart printouts in black and white
  bool GPHBW = false;  // graph printouts in black and white
};

// [PrintLayout]: margins and spacing of the printed page and its fonts
// (Arial, or the Japanese font with double-byte support; colour 0).
struct TPrintLayoutSettings {
  int Columns = 2;
  int HeaderMargin = 0;
  int TopMargin = 10;
  int LeftMargin = 10;
  int RgtMargin = 10;
  int BottomMargin = 10;
  int FooterMargin = 10;
  int LineSpace = 110;
  int ColumnSpace = 110;
  FontSpec TitleFont;
  FontSpec SubTitleFont;
  FontSpec BodyFont;
  FontSpec HeaderFont;
};

// [WheelDrawing]: the wheel window.
struct TWheelDrawingSettings {
  TColorValue BackgroundColor = kNoColor;
  std::string PictureFile;
  bool BW = false;
  bool GPHBW = false;
  bool UseMemory = false;
};

// [Interpretation]: the interpretation window. The font is none (the
// window's own) unless stored, or the Japanese font of size 9 with
// double-byte support.
struct TInterpretationSettings {
  TColorValue BackgroundColor = kWindowColor;
  FontSpec Font;
};

// [Debug]
struct TDebugSettings {
  bool Database = false;  // the orb sets of the system may be edited
  bool ExcludeBody = false;
  bool TagLanguage = false;
  bool DebugHelp = false;
};

// [Goodies]
struct TGoodiesSettings {
  bool PrintPlanetPos = false;
  TColorValue TitleBoxColor = 14737632;  // red, green and blue 224
  TColorValue PageLineColor = 0;
};

// The windows of [Windows], in the order of their keys.
enum TWindowId : int {
  wiMain, wiInterpretation, wiWheel, wiWheelView, wiSymbols, wiPlanets,
  wiHouseCusps, wiAspects, wiNameList, wiDDial, wiCompatibility, wiElement,
  kWindowCount
};

// "Main", "Interpretation", "Wheel", "WheelVIEW", ...
std::string_view WindowKey(TWindowId window);

using TWindowPlacements = std::array<WindowPlacement, kWindowCount>;

// The placements of a missing [Windows]: all invalid but "Main", which is
// (10, 10, screen width - 20, screen height - 20).
TWindowPlacements DefaultWindowPlacements(int screen_width, int screen_height);

}  // namespace vyn

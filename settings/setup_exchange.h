#pragma once
// The keys of the settings file, listed once for reading and for writing:
// each Exchange function names a section's keys in file order and hands
// each value to the reader (which replaces it with the stored value, the
// value held being the default) or to the writer (which stores it).
#include <string>
#include <string_view>

#include "settings/ini_file.h"
#include "settings/setup_settings.h"

namespace vyn {

class TSettingsReader {
 public:
  explicit TSettingsReader(const TIniFile& ini) : ini_(ini) {}
  void Section(std::string_view section) { section_ = section; }
  void Value(std::string_view key, bool& value);
  void Value(std::string_view key, int& value);
  void Value(std::string_view key, TColorValue& value);
  void Value(std::string_view key, std::string& value);
  void Value(std::string_view key, WindowPlacement& value);
  // A malformed font leaves the value held (the default).
  void Value(std::string_view key, FontSpec& value);
  // The value held gives the default flags and their number.
  void Value(std::string_view key, TFlagString& value);

 private:
  const TIniFile& ini_;
  std::string section_;
};

class TSettingsWriter {
 public:
  explicit TSettingsWriter(TIniFile& ini) : ini_(ini) {}
  void Section(std::string_view section) { section_ = section; }
  void Value(std::string_view key, const bool& value);
  void Value(std::string_view key, const int& value);
  void Value(std::string_view key, const TColorValue& value);
  void Value(std::string_view key, const std::string& value);
  void Value(std::string_view key, const WindowPlacement& value);
  // An invalid font (none) is not written.
  void Value(std::string_view key, const FontSpec& value);
  void Value(std::string_view key, const TFlagString& value);

 private:
  TIniFile& ini_;
  std::string section_;
};

// [System], with the current orb set name as "OrbisName".
template <class IO, class S>
void ExchangeSystem(IO& io, S& s, auto& orb_set_name) {
  io.Section("System");
  io.Value("SaveOnExit", s.SaveOnExit);
  io.Value("HereAndNow", s.HereAndNow);
  io.Value("USDateFormat", s.USDateFormat);
  io.Value("HideAspects", s.HideAspects);
  io.Value("ChkZoneTime", s.ChkZoneTime);
  io.Value("ChkSummerTime", s.ChkSummerTime);
  io.Value("ChkStrong", s.ChkStrong);
  io.Value("ChkMedium", s.ChkMedium);
  io.Value("ChkWeak", s.ChkWeak);
  io.Value("ChkSynastry", s.ChkSynastry);
  io.Value("HouseSystem", s.HouseSystem);
  io.Value("OrbisName", orb_set_name);
  io.Value("GraphColor", s.GraphColor);
}

// [Startup] "Place" and [Languages] "Selected".
template <class IO>
void ExchangePlaceAndCountry(IO& io, auto& place, auto& selected_country) {
  io.Section("Startup");
  io.Value("Place", place);
  io.Section("Languages");
  io.Value("Selected", selected_country);
}

template <class IO, class P>
void ExchangeWindows(IO& io, P& placements) {
  io.Section("Windows");
  for (int w = 0; w < kWindowCount; ++w)
    io.Value(WindowKey(static_cast<TWindowId>(w)), placements[w]);
}

template <class IO, class S>
void ExchangeAnalyse(IO& io, S& s) {
  io.Section("Analyse");
  io.Value("FromYear", s.FromYear);
  io.Value("ToYear", s.ToYear);
  io.Value("UseTransitPlanets", s.UseTransitPlanets);
  io.Value("UseTransitTrends", s.UseTransitTrends);
  io.Value("UseTransitAspects", s.UseTransitAspects);
}

template <class IO, class S>
void ExchangeInterpretationPrint(IO& io, S& s) {
  io.Section("InterpretationPrn");
  io.Value("ITwinWheel", s.ITwinWheel);
  io.Value("IDoubleWheel", s.IDoubleWheel);
  io.Value("IDegreeDial", s.IDegreeDial);
  io.Value("IRelationshipA", s.IRelationshipA);
  io.Value("ISymbolExplanation", s.ISymbolExplanation);
  io.Value("ICompElementMode", s.ICompElementMode);
  io.Value("IIllustrations", s.IIllustrations);
  io.Value("IComplete", s.IComplete);
  io.Value("IAbridge", s.IAbridge);
}

// [PrintOptions] "BW" and "GPHBW"; the print items are read by edition.
template <class IO, class S>
void ExchangePrintOptions(IO& io, S& s) {
  io.Section("PrintOptions");
  io.Value("BW", s.BW);
  io.Value("GPHBW", s.GPHBW);
}

template <class IO, class S>
void ExchangePrintLayout(IO& io, S& s) {
  io.Section("PrintLayout");
  io.Value("Columns", s.Columns);
  io.Value("HeaderMargin", s.HeaderMargin);
  io.Value("TopMargin", s.TopMargin);
  io.Value("LeftMargin", s.LeftMargin);
  io.Value("RgtMargin", s.RgtMargin);
  io.Value("BottomMargin", s.BottomMargin);
  io.Value("FooterMargin", s.FooterMargin);
  io.Value("LineSpace", s.LineSpace);
  io.Value("ColumnSpace", s.ColumnSpace);
  io.Value("TitleFont", s.TitleFont);
  io.Value("SubTitleFont", s.SubTitleFont);
  io.Value("BodyFont", s.BodyFont);
  io.Value("HeaderFont", s.HeaderFont);
}

template <class IO, class S>
void ExchangeWheelDrawing(IO& io, S& s) {
  io.Section("WheelDrawing");
  io.Value("BackgroundColor", s.BackgroundColor);
  io.Value("PictureFile", s.PictureFile);
  io.Value("BW", s.BW);
  io.Value("GPHBW", s.GPHBW);
  io.Value("UseMemory", s.UseMemory);
}

template <class IO, class S>
void ExchangeInterpretation(IO& io, S& s) {
  io.Section("Interpretation");
  io.Value("BackgroundColor", s.BackgroundColor);
  io.Value("Font", s.Font);
}

template <class IO, class S>
void ExchangeDebug(IO& io, S& s) {
  io.Section("Debug");
  io.Value("Database", s.Database);
  io.Value("ExcludeBody", s.ExcludeBody);
  io.Value("TagLanguage", s.TagLanguage);
  io.Value("DebugHelp", s.DebugHelp);
}

template <class IO, class S>
void ExchangeGoodies(IO& io, S& s) {
  io.Section("Goodies");
  io.Value("PrintPlanetPos", s.PrintPlanetPos);
  io.Value("TitleBoxColor", s.TitleBoxColor);
  io.Value("PageLineColor", s.PageLineColor);
}

}  // namespace vyn

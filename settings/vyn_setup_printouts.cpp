// The print items: by edition from the settings file, and the printout
// files with their own defaults.
#include "engine/busy_indicator.h"
#include "settings/ini_file.h"
#include "settings/vyn_setup.h"

namespace vyn {
namespace {

constexpr std::string_view kPrintOptions = "PrintOptions";

// A stored item; for a missing or malformed one the default bounds, shown,
// or the item held when the entry has no default.
PrintItem ReadPrintItem(const TIniFile& ini, const TPrintItemDefault& entry,
                        const PrintItem& held) {
  const auto stored =
      ParsePrintItem(ini.ReadString(kPrintOptions, PrintItemKey(entry.Item), ""));
  if (stored) return *stored;
  return entry.Bounds ? PrintItem{*entry.Bounds, true} : held;
}

bool& BlackWhite(TPrintOptionSettings& options, std::string_view key) {
  return key == "GPHBW" ? options.GPHBW : options.BW;
}

}  // namespace

void TVynSetup::ReadEditionPrintItems(const TIniFile& ini) {
  for (const TPrintItemDefault& entry : EditionPrintItems(EditionCode()))
    printItems_[entry.Item] = ReadPrintItem(ini, entry, printItems_[entry.Item]);
}

void TVynSetup::LoadPrintout(TPrintoutKind kind) {
  const TBusyScope busy;
  const TPrintoutFile& file = PrintoutFile(kind);
  const TIniFile ini(FilePath(file.FileName));
  bool& black_white = BlackWhite(printOptions_, file.BlackWhiteKey);
  black_white = ini.ReadBool(kPrintOptions, file.BlackWhiteKey,
                             file.BlackWhiteDefault.value_or(black_white));
  for (const TPrintItemDefault& entry : file.Items)
    printItems_[entry.Item] = ReadPrintItem(ini, entry, printItems_[entry.Item]);
}

void TVynSetup::SavePrintout(TPrintoutKind kind) {
  const TBusyScope busy;
  const TPrintoutFile& file = PrintoutFile(kind);
  TIniFile ini(FilePath(file.FileName));
  ini.WriteBool(kPrintOptions, file.BlackWhiteKey,
                BlackWhite(printOptions_, file.BlackWhiteKey));
  for (const TPrintItemDefault& entry : file.Items)
    ini.WriteString(kPrintOptions, PrintItemKey(entry.Item),
                    FormatPrintItem(printItems_[entry.Item]));
  ini.Save();
}

}  // namespace vyn

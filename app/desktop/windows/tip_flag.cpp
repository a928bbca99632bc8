#include "app/desktop/windows/tip_flag.h"

#include "settings/ini_file.h"
#include "settings/vyn_setup.h"

namespace vyn::desktop {
namespace {

constexpr const char* kSection = "System";
constexpr const char* kKey = "ShowTips";

std::string SettingsPath(const TVynSetup& setup) {
  return setup.AppDirectory() + std::string(TVynSetup::kSettingsFile);
}

}  // namespace

bool ShowTipsAtStart(const TVynSetup& setup) {
  return TIniFile(SettingsPath(setup)).ReadBool(kSection, kKey, true);
}

void SetShowTipsAtStart(const TVynSetup& setup, bool show) {
  TIniFile ini(SettingsPath(setup));
  if (ini.ReadBool(kSection, kKey, true) == show && ini.ValueExists(kSection, kKey)) return;
  ini.WriteBool(kSection, kKey, show);
  ini.Save();
}

}  // namespace vyn::desktop

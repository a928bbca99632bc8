#pragma once
// Whether the tip of the day is offered when the program starts: the key
// [System] "ShowTips" of the settings file "VYNMR.INI" (default: yes). It is
// written as soon as the tip window closes, so the choice holds even when
// the settings are not saved on exit; saving the settings keeps the key.
namespace vyn {
class TVynSetup;
}

namespace vyn::desktop {

bool ShowTipsAtStart(const TVynSetup& setup);
// Throws ESettingsFileError when the file cannot be written; the file is
// then as it was.
void SetShowTipsAtStart(const TVynSetup& setup, bool show);

}  // namespace vyn::desktop

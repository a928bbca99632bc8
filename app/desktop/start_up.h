#pragma once
// The start-up of the desktop program, step by step: settings, database,
// symbol fonts, language, orb set, the six charts and the current people,
// the layout of the main window. Each step reports its progress mark so a
// splash window can show it.
#include <functional>
#include <memory>
#include <string>

#include "app/desktop/main_form.h"

namespace vyn::desktop {

class TProgram;

struct TStartUpOptions {
  std::string language;  // empty: the settings' default language
  int screenWidth = 1920, screenHeight = 1080;
  std::function<void(int percent)> progress;  // may be empty
  std::function<void(const std::string& message)> onMissingCountry;  // may be empty
};

// Runs every step and returns the main window, not yet shown. A step that
// fails throws: std::runtime_error and the errors of the layers below, each
// naming what failed. A registry value that cannot be written is reported
// through `registryError` and the start-up goes on.
std::unique_ptr<TMainForm> StartUp(TProgram& program, TMainServices services,
                                   const TStartUpOptions& options,
                                   const std::function<void(const std::string&)>& registryError);

}  // namespace vyn::desktop

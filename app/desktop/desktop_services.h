#pragma once
// Connects the main window's commands and the name dialog's questions to
// the windows and dialogs that answer them: the name dialog, the search
// dialog (one for the whole run), help, the tip of the day, the about box
// and the video window.
#include <memory>

#include "app/desktop/main_form.h"
#include "dialogs/names/name_services.h"

namespace vyn::dialogs {
class TSearchForm;
}

namespace vyn::desktop {

class TProgram;

class TDesktopServices {
 public:
  explicit TDesktopServices(TProgram& program);
  ~TDesktopServices();

  TMainServices MainServices();
  dialogs::TNameServices NameServices();

  // The search dialog, created on first use over `owner`'s window.
  dialogs::TSearchForm& Search(QWidget* owner);

 private:
  TProgram& program_;
  std::unique_ptr<dialogs::TSearchForm> search_;
};

}  // namespace vyn::desktop

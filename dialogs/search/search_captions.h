#pragma once
// The search dialog's own captions: section "SearchDlg" of the language file
// "Language/<code>.INI", read anew each time the dialog is prepared, with the
// built-in English texts for keys (or a file) that are missing.
#include <string>

namespace vyn::dialogs {

struct TSearchCaptions {
  std::string caption = "Search Name";
  std::string view = "View";
  std::string searchFor = "Search For";
  std::string ok = "&OK";
  std::string cancel = "&Cancel";
  std::string remove = "&Delete";
  std::string names = "Names";
  std::string swap = "&Swap First and Last Name";
};

TSearchCaptions ReadSearchCaptions(const std::string& languageCode);

}  // namespace vyn::dialogs

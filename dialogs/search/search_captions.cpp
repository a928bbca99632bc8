#include "dialogs/search/search_captions.h"

#include "language/language_dictionary.h"
#include "settings/ini_file.h"

namespace vyn::dialogs {

TSearchCaptions ReadSearchCaptions(const std::string& languageCode) {
  const TIniFile file(LanguageIniPath(languageCode));
  TSearchCaptions captions;
  for (auto [key, text] : {std::pair{"Caption", &captions.caption},
                           {"View", &captions.view},
                           {"SearchFor", &captions.searchFor},
                           {"OK", &captions.ok},
                           {"Cancel", &captions.cancel},
                           {"Delete", &captions.remove},
                           {"Names", &captions.names},
                           {"SwapFirstAndLastName", &captions.swap}})
    *text = file.ReadString("SearchDlg", key, *text);
  return captions;
}

}  // namespace vyn::dialogs

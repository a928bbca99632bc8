#include "interpretation/trans_msg.h"

#include "interpretation/placeholders.h"

namespace vyn {

void TTransMsg::Translate(const THoroscope& person, const THoroscope* partner,
                          const TLanguage& language) {
  transLines_ = ExpandPlaceholders(transLines_, person, partner, language, lineBreaks_);
}

}  // namespace vyn

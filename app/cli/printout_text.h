#pragma once
// The printed interpretation as plain text: the plan's sections in order,
// each code's heading and text with placeholders and short texts expanded;
// the two columns of a block follow one another under the two names.
#include <string>
#include <vector>

#include "interpretation/printout_plan.h"

namespace vyn {
class TLanguage;
}

namespace vyn::cli {

std::string PrintoutText(const std::vector<TPrintSection>& plan, const THoroscope& chart1,
                         const THoroscope* chart2, TInterpTexts& texts,
                         const TLanguage& language);

}  // namespace vyn::cli

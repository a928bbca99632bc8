#include "app/cli/printout_text.h"

#include <sstream>

#include "app/cli/text_wrap.h"
#include "engine/horoscope.h"
#include "interpretation/interp_record.h"
#include "interpretation/placeholders.h"
#include "interpretation/short_texts.h"
#include "language/language.h"

namespace vyn::cli {
namespace {

constexpr std::size_t kWidth = 78;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class TPrintoutWriter {
 public:
  TPrintoutWriter(const THoroscope& chart1, const THoroscope* chart2, TInterpTexts& texts,
                  const TLanguage& language)
      : chart1_(chart1), chart2_(chart2), texts_(texts), language_(language) {}

  std::string Write(const std::vector<TPrintSection>& plan) {
    out_ << Underlined(language_.GetToken(977)) << "\n" << language_.GetToken(985) << "\n\n";
    for (const TPrintSection& section : plan) {
      if (section.HeadingToken) out_ << Underlined(language_.GetToken(section.HeadingToken)) << "\n\n";
      for (const TPrintBlock& block : section.Blocks) Block(block);
    }
    return out_.str();
  }

 private:
  const THoroscope& Person(int n) const { return n == 2 && chart2_ ? *chart2_ : chart1_; }
  const THoroscope* Partner(int n) const { return n == 2 ? &chart1_ : chart2_; }

  void Block(const TPrintBlock& block) {
    Column(block.Left, 1);
    Column(block.Right, 2);
    for (const TPrintCode& code : block.Full) Code(code.Code, code.Person, "");
  }

  void Column(const std::vector<std::string>& codes, int person) {
    if (!chart2_) {
      for (const auto& code : codes) Code(code, person, "");
      return;
    }
    bool named = false;
    for (const auto& code : codes) {
      if (!texts_.HasRecord(code)) continue;
      if (!named) out_ << "  " << Person(person).FirstName() << ":\n";
      named = true;
      Code(code, person, "  ");
    }
  }

  std::vector<std::string> Expanded(const std::string& text, int person,
                                    const std::string& code) {
    const std::string shortened = ExpandShortTexts(text, Person(person), code, texts_);
    return ExpandPlaceholders({shortened}, Person(person), Partner(person), language_);
  }

  // A pair, double or addition text carries its heading before its first
  // "|"; any other text is headed by its title.
  void Code(const std::string& code, int person, const std::string& indent) {
    const auto record = texts_.LookUp(code);
    if (!record) return;
    std::string text = record->TextK, heading = Trimmed(record->Title);
    const bool ownHeading = code.find('/') != std::string::npos &&
                            !code.ends_with("/D");
    const std::size_t bar = text.find('|');
    if (ownHeading && bar != std::string::npos && bar < text.find("\r\n")) {
      heading = text.substr(0, bar);
      text = heading + " " + text.substr(bar + 1);
      heading.clear();
    }
    if (!heading.empty())
      for (const auto& line : Expanded(heading, person, code))
        out_ << indent << "  * " << line << "\n";
    for (const auto& line : Expanded(text, person, code))
      out_ << WrapText(line, kWidth, indent + "  ") << "\n";
    out_ << "\n";
  }

  const THoroscope& chart1_;
  const THoroscope* chart2_;
  TInterpTexts& texts_;
  const TLanguage& language_;
  std::ostringstream out_;
};

}  // namespace

std::string PrintoutText(const std::vector<TPrintSection>& plan, const THoroscope& chart1,
                         const THoroscope* chart2, TInterpTexts& texts,
                         const TLanguage& language) {
  return TPrintoutWriter(chart1, chart2, texts, language).Write(plan);
}

}  // namespace vyn::cli

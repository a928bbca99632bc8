#include "app/cli/interpret_command.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/cli/console.h"
#include "app/cli/json_reader.h"
#include "app/cli/printout_text.h"
#include "app/cli/sample_people.h"
#include "app/cli/synastry.h"
#include "app/cli/text_wrap.h"
#include "app/core/input_error.h"
#include "app/core/session.h"
#include "interpretation/interp_table.h"
#include "interpretation/interpretation_document.h"
#include "interpretation/printout_plan.h"
#include "language/language.h"

namespace vyn::cli {
namespace {

using nlohmann::json;

enum class TOutput { toText, toJson, toPrint };

struct TInterpretOptions {
  TOutput output = TOutput::toText;
  std::string inputFile, language = "UK", orbSet;
};

TInterpretOptions ParseOptions(const std::vector<std::string>& args) {
  TInterpretOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--json") options.output = TOutput::toJson;
    else if (args[i] == "--print") options.output = TOutput::toPrint;
    else if (args[i] == "--input" && hasValue) options.inputFile = args[++i];
    else if (args[i] == "--lang" && hasValue) options.language = args[++i];
    else if (args[i] == "--orbset" && hasValue) options.orbSet = args[++i];
    else throw core::EInputError(args[i], "is no option of interpret");
  }
  return options;
}

json ReadInput(const TInterpretOptions& options) {
  if (!options.inputFile.empty()) return ReadJsonFile(options.inputFile);
  return PairFromStandardInput();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

json DocumentToJson(const std::vector<TDocumentGroup>& groups) {
  json out = {{"groups", json::array()}};
  for (const auto& group : groups) {
    json topics = json::array();
    for (const auto& t : group.Topics)
      topics.push_back({{"person", t.Person},
                        {"code", t.Code},
                        {"caption", t.Caption},
                        {"keyword", t.Keyword},
                        {"text", Joined(t.Text)},
                        {"partner_text", Joined(t.PartnerText)},
                        {"mutual_text", Joined(t.MutualText)}});
    out["groups"].push_back({{"title", group.Title}, {"topics", topics}});
  }
  return out;
}

// One pane: its heading, then each line as a wrapped paragraph.
void WritePane(std::ostringstream& out, const std::string& heading,
               const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  out << "  " << heading << "\n";
  for (const auto& line : lines) out << WrapText(line, 78, "    ") << "\n";
}

std::string DocumentText(const std::vector<TDocumentGroup>& groups, const THoroscope& chart1,
                         const THoroscope* chart2, const TLanguage& language) {
  std::ostringstream out;
  for (const auto& group : groups) {
    if (group.Topics.empty()) continue;
    out << Underlined(group.Title) << "\n\n";
    for (const auto& t : group.Topics) {
      const THoroscope& person = t.Person == 2 && chart2 ? *chart2 : chart1;
      const THoroscope* other = t.Person == 2 ? &chart1 : chart2;
      out << t.Caption << "\n";
      if (!t.Keyword.empty()) out << "  [" << t.Keyword << "]\n";
      WritePane(out, person.FirstName() + ":", t.Text);
      if (other) WritePane(out, other->FirstName() + ":", t.PartnerText);
      WritePane(out, language.GetToken(t.MutualCaptionToken) + ":", t.MutualText);
      out << "\n";
    }
  }
  return out.str();
}

}  // namespace

int InterpretCommand(const std::vector<std::string>& args) {
  const TInterpretOptions options = ParseOptions(args);
  core::TSession session(options.language, "--lang");
  session.Tables();
  std::string orbSet = options.orbSet;
  if (orbSet.empty()) orbSet = session.Language().GetToken(core::kSynastryOrbSetToken);
  session.CheckOrbSet(orbSet, "--orbset");
  const TSynastry synastry = RunSynastry(ReadInput(options), session, orbSet);
  const THoroscope& chart1 = synastry.charts.Chart(0);
  // The texts speak of the two people to each other; one chart alone would
  // leave the partner's name and pronouns unfilled.
  if (!synastry.charts.Partnered())
    throw core::EInputError(
        "charts", "the interpretation compares two people: give two charts that are partners");
  const THoroscope* chart2 = &synastry.charts.Chart(1);
  TInterpTable texts(session.Tables());
  const TLanguage& language = session.Language();
  if (options.output == TOutput::toPrint) {
    WriteOutput(PrintoutText(PrintoutPlan(chart1, texts), chart1, chart2, texts, language));
    return 0;
  }
  const auto groups = BuildInterpretationDocument(chart1, texts, language);
  WriteOutput(options.output == TOutput::toJson ? DocumentToJson(groups).dump(1) + "\n"
                                                : DocumentText(groups, chart1, chart2, language));
  return 0;
}

}  // namespace vyn::cli

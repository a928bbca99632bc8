// vyn-cli: the program's work without windows.
//   vyn-cli synastry [--input FILE] [--lang XX] [--orbset NAME]
//                                     both charts of a pair as text
//   vyn-cli synastry --json [--lang XX] [--orbset NAME]
//                                     JSON document on stdin to JSON on stdout
//   vyn-cli place STATE PLACE [--date YYYYMMDD [--time HHMM]] [--json]
//   vyn-cli place --search TEXT [--limit N] [--json]
//   vyn-cli zone NAME YYYYMMDD HHMM [--json]
//   vyn-cli interpret [--input FILE] [--lang XX] [--orbset NAME] [--json | --print]
//   vyn-cli wheel --out FILE.png|.svg|.pdf [--size N] [--layout single|double|twin] [--bw] [--json]
#include <algorithm>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app/cli/atlas_commands.h"
#include "app/cli/console.h"
#include "app/cli/interpret_command.h"
#include "app/cli/json_reader.h"
#include "app/cli/place_search_command.h"
#include "app/cli/sample_people.h"
#include "app/cli/synastry.h"
#include "app/cli/synastry_text.h"
#include "app/cli/graph_command.h"
#include "app/cli/wheel_command.h"
#include "app/core/input_error.h"
#include "app/core/session.h"
#include "data/database_error.h"
#include "language/language.h"

namespace {

using namespace vyn::cli;
using nlohmann::json;

const char* const kUsage =
    "usage: vyn-cli synastry [--input FILE] [--lang XX] [--orbset NAME]\n"
    "           the pair as text (default: two sample people, the synastry set)\n"
    "       vyn-cli synastry --json [--lang XX] [--orbset NAME]\n"
    "           read a JSON document on standard input, write one on standard output\n"
    "       vyn-cli place STATE PLACE [--date YYYYMMDD [--time HHMM[SS]]] [--json]\n"
    "       vyn-cli place --search TEXT [--limit N] [--json]\n"
    "           the atlas places whose names match TEXT, best first\n"
    "       vyn-cli zone NAME YYYYMMDD HHMM[SS] [--json]\n"
    "       vyn-cli interpret [--input FILE] [--lang XX] [--orbset NAME] [--json | --print]\n"
    "           the interpretation of the pair on standard input (at a terminal: the\n"
    "           sample pair) as the window shows it, as JSON, or as the printout\n"
    "       vyn-cli wheel --out FILE.png|.svg|.pdf [--size N] [--layout single|double|twin]\n"
    "                     [--bw] [--json]\n"
    "           the chart wheel of the pair on standard input drawn into FILE (--json:\n"
    "           its layout on standard output)\n"
    "       vyn-cli graph compatibility|element|modality|dial30|dial60|dial90\n"
    "                     --out FILE.png|.svg|.pdf [--size WxH] [--lang XX] [--json]\n"
    "           a graph of the pair on standard input drawn into FILE (--json: what\n"
    "           it computed on standard output)\n"
    "exit status: 0 done, 1 usage, 2 bad input, 3 damaged installation,\n"
    "             4 standard output (or the file of wheel) could not be written\n";

int Usage(const std::string& complaint) {
  if (!complaint.empty()) PrintError(complaint);
  std::cerr << kUsage;
  return kExitUsage;
}

int Synastry(const std::vector<std::string>& args) {
  bool asJson = false;
  std::string inputFile, language = "UK", orbSet;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--json") asJson = true;
    else if (args[i] == "--input" && hasValue) inputFile = args[++i];
    else if (args[i] == "--lang" && hasValue) language = args[++i];
    else if (args[i] == "--orbset" && hasValue) orbSet = args[++i];
    else return Usage("unknown argument " + args[i]);
  }
  if (asJson && !inputFile.empty())
    throw vyn::core::EInputError("--input", "cannot be combined with --json");
  vyn::core::TSession session(language, "--lang");
  session.Tables();  // the language's tables must be there, whatever the job
  // Without a set named, the text shows the pair under the language's
  // synastry set; the JSON contract keeps the orbs its input gives.
  if (orbSet.empty() && !asJson)
    orbSet = session.Language().GetToken(vyn::core::kSynastryOrbSetToken);
  if (!orbSet.empty()) session.CheckOrbSet(orbSet, "--orbset");
  const json input = asJson              ? ReadJson(std::cin, "standard input")
                     : inputFile.empty() ? SamplePair()
                                         : ReadJsonFile(inputFile);
  const TSynastry synastry = RunSynastry(input, session, orbSet);
  WriteOutput(asJson ? SynastryToJson(synastry).dump() + "\n"
                     : SynastryText(synastry, session.Language()));
  for (const auto& warnings : synastry.warnings)
    for (const std::string& warning : warnings) PrintWarning(warning);
  return 0;
}

int Run(const std::string& command, const std::vector<std::string>& rest) {
  if (command == "synastry") return Synastry(rest);
  if (command == "place") {
    const bool search = std::find(rest.begin(), rest.end(), "--search") != rest.end();
    return search ? PlaceSearchCommand(rest) : PlaceCommand(rest);
  }
  if (command == "zone") return ZoneCommand(rest);
  if (command == "interpret") return InterpretCommand(rest);
  if (command == "wheel") return WheelCommand(rest);
  if (command == "graph") return GraphCommand(rest);
  return Usage(command.empty() ? "" : "unknown command " + command);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::string command = args.empty() ? "" : args[0];
  const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
  try {
    const int status = Run(command, rest);
    // Commands that wrote as they went are checked here.
    std::cout.flush();
    if (!std::cout) throw EOutputError("standard output: the result could not be written");
    return status;
  } catch (const vyn::core::EInputError& e) {
    PrintError(e.what());
    return kExitBadInput;
  } catch (const vyn::core::EInstallationError& e) {
    PrintError(e.what());
    return kExitDamagedInstallation;
  } catch (const vyn::EDatabaseError& e) {
    PrintError(std::string("database: ") + e.what());
    return kExitDamagedInstallation;
  } catch (const EOutputError& e) {
    PrintError(e.what());
    return kExitOutputFailure;
  } catch (const std::exception& e) {
    PrintError(e.what());
    return kExitBadInput;
  }
}

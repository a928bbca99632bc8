// vyn-cli: the program's work without windows.
//   vyn-cli synastry [--input FILE] [--lang XX] [--orbset NAME]
//                                     both charts of a pair as text
//   vyn-cli synastry --json [--lang XX] [--orbset NAME]
//                                     JSON document on stdin to JSON on stdout
//   vyn-cli place STATE PLACE [--date YYYYMMDD [--time HHMM]] [--json]
//   vyn-cli zone NAME YYYYMMDD HHMM [--json]
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app/cli/atlas.h"
#include "app/cli/atlas_commands.h"
#include "app/cli/input_error.h"
#include "app/cli/sample_people.h"
#include "app/cli/synastry.h"
#include "app/cli/synastry_text.h"
#include "language/language.h"

namespace {

using nlohmann::json;
constexpr int kExitUsage = 1;
constexpr int kExitBadInput = 2;

const char* const kUsage =
    "usage: vyn-cli synastry [--input FILE] [--lang XX] [--orbset NAME]\n"
    "           the pair as text (default: two sample people, the synastry set)\n"
    "       vyn-cli synastry --json [--lang XX] [--orbset NAME]\n"
    "           read a JSON document on standard input, write one on standard output\n"
    "       vyn-cli place STATE PLACE [--date YYYYMMDD [--time HHMM]] [--json]\n"
    "       vyn-cli zone NAME YYYYMMDD HHMM [--json]\n";

json ParseDocument(std::istream& in, const std::string& source) {
  try {
    return json::parse(in);
  } catch (const json::parse_error& e) {
    throw vyn::cli::TInputError(source, std::string("not valid JSON (") +
                                            e.what() + ")");
  }
}

json ReadInputFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw vyn::cli::TInputError(path, "cannot be opened");
  return ParseDocument(in, path);
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
    else {
      std::cerr << "vyn-cli: unknown argument " << args[i] << "\n" << kUsage;
      return kExitUsage;
    }
  }
  const json input = asJson ? ParseDocument(std::cin, "standard input")
                     : inputFile.empty() ? vyn::cli::SamplePair()
                                         : ReadInputFile(inputFile);
  vyn::cli::TAtlas atlas(language);
  // Without a set named, the text shows the pair under the language's
  // synastry set; the JSON contract keeps the orbs its input gives.
  if (orbSet.empty() && !asJson)
    orbSet = atlas.Language().GetToken(vyn::cli::kSynastryOrbSetToken);
  const vyn::cli::TSynastry synastry = vyn::cli::RunSynastry(input, atlas, orbSet);
  for (const auto& place : synastry.places)
    if (place)
      for (const std::string& warning : place->warnings)
        std::cerr << "vyn-cli: warning: " << warning << "\n";
  if (asJson)
    std::cout << vyn::cli::SynastryToJson(synastry).dump() << "\n";
  else
    std::cout << vyn::cli::SynastryText(synastry, atlas.Language());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const std::string command = args.empty() ? "" : args[0];
  const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
  try {
    if (command == "synastry") return Synastry(rest);
    if (command == "place") return vyn::cli::PlaceCommand(rest);
    if (command == "zone") return vyn::cli::ZoneCommand(rest);
    std::cerr << kUsage;
    return kExitUsage;
  } catch (const vyn::cli::TInputError& e) {
    std::cerr << "vyn-cli: " << e.what() << "\n";
    return kExitBadInput;
  } catch (const std::exception& e) {
    std::cerr << "vyn-cli: " << e.what() << "\n";
    return kExitBadInput;
  }
}

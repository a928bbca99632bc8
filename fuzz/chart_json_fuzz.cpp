// Fuzzes the JSON input of `vyn-cli synastry --json`: the document is read,
// checked and, when it passes, its charts are calculated, with the atlas of
// the application directory for charts that name a place. Every input must
// end in charts or in one of the errors the command line reports as bad
// input or a damaged installation; any other exception is a finding.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "app/cli/json_reader.h"
#include "app/cli/synastry.h"
#include "app/core/input_error.h"
#include "app/core/session.h"
#include "engine/ephemeris.h"
#include "platform/app_directory.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  vyn::SetAppDirectory(VYN_FUZZ_APP_DIR);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vyn::core::TSession session("UK");
  // A document may open another ephemeris; each input starts, as a fresh
  // process does, with the one of the application directory.
  vyn::TEphemeris::Shared().Close();
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    const vyn::cli::TSynastry synastry =
        vyn::cli::RunSynastry(vyn::cli::ReadJson(in, "fuzz input"), session);
    vyn::cli::SynastryToJson(synastry).dump();
  } catch (const vyn::core::EInputError&) {
  } catch (const vyn::core::EInstallationError&) {
  }
  return 0;
}

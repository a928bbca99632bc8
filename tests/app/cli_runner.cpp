#include "tests/app/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tests/support/temp_directory.h"

namespace vyn::testing {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TCliRun RunCli(const std::string& args, const std::string& input, const TCliSetup& setup) {
  // Tests run in parallel processes: each run has files of its own.
  const TTempDirectory dir("vyn_cli");
  const std::string in = dir.File("in.json"), out = dir.File("out.txt"),
                    err = dir.File("err.txt");
  std::ofstream(in) << input;
  const std::string redirect =
      setup.stdoutRedirect.empty() ? " >" + out : " " + setup.stdoutRedirect;
  const std::string change = setup.workDir.empty() ? "" : "cd " + setup.workDir + " && ";
  const std::string command = change + "VYN_HOME=" + setup.appDir + " " + VYN_CLI_PATH + " " +
                              args + " <" + in + redirect + " 2>" + err;
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

}  // namespace vyn::testing

#pragma once
// vyn-cli run as a process by the command-line tests: its exit status,
// standard output and standard error, each run with files of its own.
#include <string>

namespace vyn::testing {

struct TCliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Where a run works, where its standard output goes and which application
// directory it uses; by default the test's current directory, a file of the
// run's own and the build's application directory.
struct TCliSetup {
  std::string stdoutRedirect;  // e.g. ">/dev/full" or ">&-"
  std::string appDir = VYN_TEST_APP_DIR;
  std::string workDir;         // relative paths in the arguments start here
};

// Runs vyn-cli with `args`, feeding `input` on standard input.
TCliRun RunCli(const std::string& args, const std::string& input, const TCliSetup& setup = {});

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace vyn::testing

#include "tests/support/test_app_directory.h"

#include <filesystem>
#include <stdexcept>

#include "platform/app_directory.h"

namespace fs = std::filesystem;

namespace vyn::testing {
namespace {

// Files a test may change; everything else is only read and is linked.
bool IsWritable(const fs::path& name) {
  const std::string extension = name.extension().string();
  return name == "Data" || extension == ".INI" || extension == ".ini" || extension == ".Bin";
}

}  // namespace

TTestAppDirectory::TTestAppDirectory() : directory_("vyn_app") {
  const fs::path source = VYN_TEST_APP_DIR;
  const fs::path target = directory_.Path();
  for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
    const fs::path name = entry.path().filename();
    if (name == "CMakeFiles" || name.extension() == ".cmake") continue;
    if (IsWritable(name))
      fs::copy(entry.path(), target / name, fs::copy_options::recursive);
    else
      fs::create_symlink(entry.path(), target / name);
  }
  SetAppDirectory(target.string());
}

TTestAppDirectory::~TTestAppDirectory() { SetAppDirectory(""); }

}  // namespace vyn::testing

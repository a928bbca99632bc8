#include "tests/support/test_app_directory.h"

#include "platform/app_directory.h"
#include "platform/user_app_directory.h"

namespace vyn::testing {

TTestAppDirectory::TTestAppDirectory() : directory_("vyn_app") {
  PopulateAppDirectory(VYN_TEST_APP_DIR, directory_.Path());
  SetAppDirectory(directory_.Path());
}

TTestAppDirectory::~TTestAppDirectory() { SetAppDirectory(""); }

}  // namespace vyn::testing

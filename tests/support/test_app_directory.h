#pragma once
// A private application directory for tests that write: the built one's
// read-only files are linked, the database and the settings files copied,
// and the process's application directory points at it while the object
// lives. Each object gets a fresh copy, so tests never see each other's
// people or settings.
#include <string>

#include "tests/support/temp_directory.h"

namespace vyn::testing {

class TTestAppDirectory {
 public:
  // Copies from VYN_TEST_APP_DIR. Throws std::runtime_error on failure.
  TTestAppDirectory();
  ~TTestAppDirectory();
  TTestAppDirectory(const TTestAppDirectory&) = delete;
  TTestAppDirectory& operator=(const TTestAppDirectory&) = delete;

  // Without a trailing "/".
  const std::string& Path() const { return directory_.Path(); }
  std::string File(const std::string& name) const { return directory_.File(name); }

 private:
  TTempDirectory directory_;
};

}  // namespace vyn::testing

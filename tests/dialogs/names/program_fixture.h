#pragma once
// The program state of a run, started as the desktop program starts it, in
// a private application directory shared by the tests of this suite: each
// test begins with no people, no groups and no current pair.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/core/person_record.h"
#include "app/desktop/program.h"
#include "tests/support/test_app_directory.h"

namespace vyn::dialogs {

class ProgramFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  desktop::TProgram& Program() { return *program_; }
  // Runs SQL on the program's own connection (test set-up only).
  void Execute(const std::string& sql);
  long Count(const std::string& table);
  // The stored record, or nothing.
  std::optional<core::TPersonRecord> Stored(const std::string& first, const std::string& last);
  // A person of the file, as the tests store one: Aarhus, 1970-05-17 08:30.
  static core::TPersonRecord SamplePerson(const std::string& first, const std::string& last);

 private:
  static std::unique_ptr<testing::TTestAppDirectory> directory_;
  std::unique_ptr<desktop::TProgram> program_;
};

}  // namespace vyn::dialogs

#include "tests/dialogs/names/program_fixture.h"

#include "data/data_collection.h"
#include "data/sqlite_connection.h"
#include "data/sqlite_statement.h"
#include "data/vyn_database.h"
#include "data/vyn_table.h"

namespace vyn::dialogs {

std::unique_ptr<testing::TTestAppDirectory> ProgramFixture::directory_;

void ProgramFixture::SetUpTestSuite() {
  directory_ = std::make_unique<testing::TTestAppDirectory>();
}

void ProgramFixture::TearDownTestSuite() { directory_.reset(); }

void ProgramFixture::SetUp() {
  program_ = std::make_unique<desktop::TProgram>();
  program_->LoadSettings(1024, 768);
  program_->OpenDatabase("UK");
  for (const char* table : {"NAME", "NAMEGRPS", "GROUPS", "CurrNAME"})
    Execute(std::string("DELETE FROM \"") + table + "\"");
  program_->ApplyLanguage("UK");
  program_->CreateCharts();
  program_->LoadCurrentPeople();
}

void ProgramFixture::TearDown() {
  Execute("DROP TRIGGER IF EXISTS fail_test");
  program_.reset();
}

void ProgramFixture::Execute(const std::string& sql) {
  program_->Tables().Database().Connection().Execute(sql);
}

long ProgramFixture::Count(const std::string& table) {
  return static_cast<long>(program_->Tables().Table(
      table == "NAME"       ? TTableRole::trNames
      : table == "NAMEGRPS" ? TTableRole::trGroupMembers
      : table == "GROUPS"   ? TTableRole::trGroups
                            : TTableRole::trCurrentNames).RecordCount());
}

std::optional<core::TPersonRecord> ProgramFixture::Stored(const std::string& first,
                                                          const std::string& last) {
  return core::ReadPerson(program_->Tables().Table(TTableRole::trNames), first, last);
}

core::TPersonRecord ProgramFixture::SamplePerson(const std::string& first,
                                                 const std::string& last) {
  core::TPersonRecord p;
  p.firstName = first;
  p.lastName = last;
  p.sex = "F";
  p.birthCountry = "Denmark";
  p.birthTown = "Aarhus";
  p.birthDate = "19700517";
  p.birthTime = "083000";
  p.latitude = 5609;
  p.longitude = -1011;
  p.timeZone = "0100E";
  p.summerTime = "+0000";
  return p;
}

}  // namespace vyn::dialogs

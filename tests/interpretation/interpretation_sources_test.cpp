// The text sources of the interpretation tables: one file per family and
// language, other languages falling back to UK, and a malformed record
// stopping the build with its file and line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tools/database/interpretation_tables.h"

namespace vyn {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = "Code\tTitle\tMTitle\tText\n";

class InterpretationSourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vyn_interp_sources_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& language, const std::string& file, const std::string& text) {
    fs::create_directories(dir_ / language);
    std::ofstream(dir_ / language / file, std::ios::binary) << text;
  }

  // The message of the error reading UK, or "" when it reads.
  std::string ErrorOfUk() {
    try {
      tools::ReadInterpretationFolder((dir_ / "UK").string());
    } catch (const std::runtime_error& e) {
      return e.what();
    }
    return "";
  }

  fs::path dir_;
};

TEST_F(InterpretationSourcesTest, OtherLanguagesTakeUkForTheCodesTheyLeaveOut) {
  Write("UK", "signs.tsv",
        kHeader + "SUAR\tFire\tSun in Aries\tColour of the day.\n\nMOTA\t\t\tCalm.\r\n");
  Write("US", "signs.tsv", kHeader + "SUAR\tFire\tSun in Aries\tColor of the day.\n");
  const auto us = tools::InterpretationRecords(dir_.string(), "US");
  ASSERT_EQ(us.at("signs").size(), 2u);
  EXPECT_EQ(us.at("signs")[0].TextK, "Color of the day.");
  EXPECT_EQ(us.at("signs")[1].Code, "MOTA");
  EXPECT_EQ(us.at("signs")[1].TextK, "Calm.");
  const auto uk = tools::InterpretationRecords(dir_.string(), "UK");
  EXPECT_EQ(uk.at("signs")[0].TextK, "Colour of the day.");
  EXPECT_EQ(uk.at("signs")[0].MTitle, "Sun in Aries");
}

TEST_F(InterpretationSourcesTest, MalformedRecordsNameFileLineAndRule) {
  struct TCase {
    const char* file;
    std::string text;
    const char* expected;
  };
  const TCase cases[] = {
      {"signs.tsv", kHeader + "SUAR\tT\tM\n", "signs.tsv:2: 3 fields"},
      {"signs.tsv", kHeader + "SUAR\tT\tM\tA\tB\n", "signs.tsv:2: 5 fields"},
      {"signs.tsv", kHeader + "\tT\tM\tText.\n", "signs.tsv:2: the code is empty"},
      {"signs.tsv", kHeader + "SUAR\tT\tM\t\n", "signs.tsv:2: SUAR: the text is empty"},
      {"signs.tsv", kHeader + "SUAR\tT\tM\tA.\n\nSUXX\tT\tM\tB.\n",
       "signs.tsv:4: SUXX: no pair of charts produces"},
      {"signs.tsv", kHeader + "SU05\tT\tM\tA.\n", "signs.tsv:2: SU05: belongs to the family houses"},
      {"signs.tsv", kHeader + "SUAR\tT\tM\tA.\nSUAR\tT\tM\tB.\n", "signs.tsv:3: SUAR: given twice"},
      {"signs.tsv", "Code\tText\nSUAR\tA.\n", "signs.tsv:1: the header must read"},
      {"signs.tsv", "", "signs.tsv:1: the header must read"},
  };
  for (const auto& c : cases) {
    fs::remove_all(dir_);
    Write("UK", c.file, c.text);
    EXPECT_NE(ErrorOfUk().find(c.expected), std::string::npos)
        << "expected \"" << c.expected << "\", got \"" << ErrorOfUk() << "\"";
  }
}

TEST_F(InterpretationSourcesTest, ACodeTwiceAcrossFilesIsRefused) {
  Write("UK", "signs.tsv", kHeader + "SUAR\tT\tM\tA.\n");
  Write("UK", "houses.tsv", kHeader + "SUAR\tT\tM\tA.\n");
  EXPECT_NE(ErrorOfUk().find("houses.tsv:2: SUAR: belongs to the family signs"),
            std::string::npos)
      << ErrorOfUk();
}

}  // namespace
}  // namespace vyn

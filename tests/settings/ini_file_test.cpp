// The INI layer: profile semantics of reading, writing that keeps the rest
// of the file, and file names without regard to case.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include <stdexcept>

#include "tests/settings/settings_files.h"

namespace vyn {
namespace {

using settings_test::ReadFile;
using settings_test::TTempDirectory;
using settings_test::WriteFile;

class IniFileTest : public ::testing::Test {
 protected:
  // An INI file holding `text`.
  TIniFile Make(const std::string& text, const std::string& name = "TEST.INI") {
    WriteFile(dir_.File(name), text);
    return TIniFile(dir_.File(name));
  }

  TTempDirectory dir_;
};

TEST_F(IniFileTest, SectionsAndKeysMatchWithoutRegardToCase) {
  const TIniFile ini = Make("[System]\nSaveOnExit=1\n[windows]\nMAIN=1,2,3,4,0\n");
  EXPECT_EQ(ini.ReadString("SYSTEM", "saveonexit", "x"), "1");
  EXPECT_EQ(ini.ReadString("Windows", "Main", "x"), "1,2,3,4,0");
  EXPECT_TRUE(ini.SectionExists("WINDOWS"));
  EXPECT_TRUE(ini.ValueExists("system", "SAVEONEXIT"));
}

TEST_F(IniFileTest, MissingKeysSectionsAndFilesGiveTheDefault) {
  const TIniFile ini = Make("[System]\nA=1\n[Other]\nB=2\n");
  EXPECT_EQ(ini.ReadString("System", "B", "default"), "default");
  EXPECT_EQ(ini.ReadString("Nowhere", "A", "default"), "default");
  EXPECT_EQ(ini.ReadInteger("System", "B", 42), 42);
  EXPECT_TRUE(ini.ReadBool("System", "B", true));

  const TIniFile missing(dir_.File("MISSING.INI"));
  EXPECT_TRUE(missing.ReadError().empty());
  EXPECT_EQ(missing.ReadString("System", "A", "default"), "default");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("MISSING.INI")));
}

TEST_F(IniFileTest, ValuesAreRawWithTheBlanksAroundThemRemoved) {
  const TIniFile ini = Make(
      "[PrintLayout]\n"
      "TitleFont=\"Times New Roman\",14,255,1\n"
      "BodyFont = (Arial),9,0,0  \n"
      "Place=Denmark, Aarhus\n"
      "Quoted=\"a\"\n"
      "Equals=a=b\n"
      "Empty=\n");
  EXPECT_EQ(ini.ReadString("PrintLayout", "TitleFont", ""),
            "\"Times New Roman\",14,255,1");
  EXPECT_EQ(ini.ReadString("PrintLayout", "BodyFont", ""), "(Arial),9,0,0");
  EXPECT_EQ(ini.ReadString("PrintLayout", "Place", ""), "Denmark, Aarhus");
  EXPECT_EQ(ini.ReadString("PrintLayout", "Quoted", ""), "\"a\"");
  EXPECT_EQ(ini.ReadString("PrintLayout", "Equals", ""), "a=b");
  // A key that is there with nothing after "=" is empty, not missing.
  EXPECT_EQ(ini.ReadString("PrintLayout", "Empty", "default"), "");
}

TEST_F(IniFileTest, CommentsAndRepeatedKeysAndSections) {
  const TIniFile ini = Make(
      "; [System]\n[System]\n;A=comment\n#A=comment\nA=first\nA=second\n"
      "[Other]\nB=1\n[system]\nA=third\nC=later\n");
  EXPECT_EQ(ini.ReadString("System", "A", ""), "first");
  EXPECT_EQ(ini.ReadString("System", "C", ""), "later");
  EXPECT_FALSE(ini.ValueExists("System", ";A"));
}

TEST_F(IniFileTest, IntegersThatAreNotIntegersGiveTheDefault) {
  constexpr int kDefault = 12345;
  const struct {
    const char* stored;
    int expected;
  } cases[] = {
      {"12", 12},            {" -16 ", -16},         {"+7", 7},
      {"-1", -1},            {"$1F", 31},
      {"0x80000005", static_cast<int>(0x80000005u)},
      {"2147483647", 2147483647},
      {"12abc", kDefault},   {"", kDefault},         {"1.5", kDefault},
      {"2147483648", kDefault}, {"0x123456789", kDefault}, {"--1", kDefault},
      {"+-1", kDefault},     {"++1", kDefault},      {"$", kDefault},
      {"$-1", kDefault},     {"ten", kDefault},
  };
  for (const auto& c : cases) {
    const TIniFile ini = Make(std::string("[S]\nK=") + c.stored + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "K", kDefault), c.expected) << "\"" << c.stored << "\"";
  }
}

TEST_F(IniFileTest, BooleansAreNumbersOrTrueAndFalse) {
  const struct {
    const char* stored;
    bool when_default_false;
    bool when_default_true;
  } cases[] = {
      {"1", true, true},      {"0", false, false},    {"2", true, true},
      {"True", true, true},   {"FALSE", false, false}, {"yes", false, true},
      {"", false, true},      {"1x", false, true},
  };
  for (const auto& c : cases) {
    const TIniFile ini = Make(std::string("[S]\nK=") + c.stored + "\n");
    EXPECT_EQ(ini.ReadBool("S", "K", false), c.when_default_false) << c.stored;
    EXPECT_EQ(ini.ReadBool("S", "K", true), c.when_default_true) << c.stored;
  }
}

TEST_F(IniFileTest, WritingAKeyKeepsEveryOtherLineByteForByte) {
  const std::string before =
      "\xEF\xBB\xBF; settings of the user\r\n"
      "[System]\r\n"
      "SaveOnExit = 0\r\n"
      "  ; keep this\r\n"
      "HouseSystem=1\r\n"
      "\r\n"
      "[Windows]\r\n"
      "Main=10,10,600,400,0";  // no line end at the end
  TIniFile ini = Make(before);
  ini.WriteBool("system", "saveonexit", true);
  ini.WriteInteger("SYSTEM", "HouseSystem", 1);  // same value: no change
  EXPECT_EQ(ini.Text(),
            "\xEF\xBB\xBF; settings of the user\r\n"
            "[System]\r\n"
            "SaveOnExit = 1\r\n"
            "  ; keep this\r\n"
            "HouseSystem=1\r\n"
            "\r\n"
            "[Windows]\r\n"
            "Main=10,10,600,400,0");
  ini.Save();
  EXPECT_EQ(ReadFile(dir_.File("TEST.INI")), ini.Text());
}

TEST_F(IniFileTest, ANewKeyFollowsTheLastKeyOfItsSectionAndANewSectionEndsTheFile) {
  TIniFile ini = Make(
      "[System]\nA=1\n; about B\nB=2\n\n; about Windows\n[Windows]\nMain=1\n");
  ini.WriteString("System", "C", "3");
  ini.WriteString("Analyse", "FromYear", "1995");
  ini.WriteString("analyse", "ToYear", "1998");
  EXPECT_EQ(ini.Text(),
            "[System]\nA=1\n; about B\nB=2\nC=3\n\n; about Windows\n[Windows]\nMain=1\n"
            "\n[Analyse]\nFromYear=1995\nToYear=1998\n");
}

TEST_F(IniFileTest, NewLinesTakeTheFilesLineEndAndEndALastLineWithoutOne) {
  TIniFile ini = Make("[A]\r\nX=1");
  ini.WriteString("A", "Y", "2");
  ini.WriteString("B", "Z", "3");
  EXPECT_EQ(ini.Text(), "[A]\r\nX=1\r\nY=2\r\n\r\n[B]\r\nZ=3\r\n");
}

TEST_F(IniFileTest, AnEmptySectionGetsItsKeyRightAfterTheHeader) {
  TIniFile ini = Make("[A]\n\n[B]\nX=1\n");
  ini.WriteString("A", "K", "v");
  EXPECT_EQ(ini.Text(), "[A]\nK=v\n\n[B]\nX=1\n");
}

TEST_F(IniFileTest, WrittenValuesReadBackAsWritten) {
  TIniFile ini(dir_.File("NEW.INI"));
  ini.WriteString("PrintLayout", "TitleFont", "\"Times New Roman\",14,255,1");
  ini.WriteInteger("Wheel", "BackgroundColor", -16);
  ini.WriteBool("System", "HideAspects", true);
  ini.Save();
  const TIniFile again(dir_.File("new.ini"));
  EXPECT_EQ(again.ReadString("PrintLayout", "TitleFont", ""),
            "\"Times New Roman\",14,255,1");
  EXPECT_EQ(again.ReadInteger("Wheel", "BackgroundColor", 0), -16);
  EXPECT_EQ(again.ReadString("System", "HideAspects", ""), "1");
}

TEST_F(IniFileTest, FileNamesMatchWithoutRegardToCase) {
  WriteFile(dir_.File("VYNMR.INI"), "[System]\nSaveOnExit=1\n");
  TIniFile ini(dir_.File("VYNmr.INI"));
  EXPECT_EQ(ini.FileName(), dir_.File("VYNMR.INI"));
  EXPECT_TRUE(ini.ReadBool("System", "SaveOnExit", false));
  ini.WriteBool("InterpretationPrn", "IAbridge", true);
  ini.Save();
  EXPECT_EQ(dir_.Entries(), std::vector<std::string>{"VYNMR.INI"});
  EXPECT_EQ(ReadFile(dir_.File("VYNMR.INI")),
            "[System]\nSaveOnExit=1\n\n[InterpretationPrn]\nIAbridge=1\n");
}

TEST_F(IniFileTest, ANewFileGetsTheSpellingGivenAndAnUnchangedOneIsNotWritten) {
  TIniFile unchanged(dir_.File("Vyn21.Ini"));
  unchanged.Save();
  EXPECT_TRUE(dir_.Entries().empty());
  TIniFile created(dir_.File("Vyn21.Ini"));
  created.WriteString("Startup", "Place", "Denmark|Aarhus");
  created.Save();
  EXPECT_EQ(dir_.Entries(), std::vector<std::string>{"Vyn21.Ini"});
}

TEST_F(IniFileTest, ASaveKeepsTheFilesPermissions) {
  WriteFile(dir_.File("A.INI"), "[S]\nK=1\n");
  chmod(dir_.File("A.INI").c_str(), 0640);
  TIniFile ini(dir_.File("A.INI"));
  ini.WriteString("S", "K", "2");
  ini.Save();
  struct stat info {};
  ASSERT_EQ(stat(dir_.File("A.INI").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(IniFileTest, TextsThatCouldNotBeReadBackAreRefused) {
  TIniFile ini(dir_.File("A.INI"));
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"", "K", "v"},        {"S", "", "v"},        {"S", "K", "line\nbreak"},
      {"S]", "K", "v"},      {"S", "K=", "v"},      {"S", "[K", "v"},
      {"S", ";K", "v"},      {"S\r", "K", "v"},    {" S", "K", "v"},
      {"S ", "K", "v"},      {"S", "\tK", "v"},    {"S", "K ", "v"},
  };
  for (const auto& c : cases)
    EXPECT_THROW(ini.WriteString(c.section, c.key, c.value), std::invalid_argument)
        << c.section << " " << c.key;
  EXPECT_FALSE(ini.Modified());
}

}  // namespace
}  // namespace vyn

// Field kinds: how values are stored and read back, on the people table.
#include <gtest/gtest.h>

#include <string>

#include "data/blob_lines.h"
#include "data/database_error.h"
#include "data/field_conversion.h"
#include "data/table_catalogue.h"
#include "data/vyn_table.h"
#include "tests/data/temp_database.h"

namespace vyn {
namespace {

class FieldTest : public testing::TempDatabaseTest {
 protected:
  void SetUp() override {
    TempDatabaseTest::SetUp();
    names_.CreateTable();
    names_.Open();
    names_.Insert();
    names_.FieldByName("FirstName").SetAsString("Eva");
    names_.FieldByName("LastName").SetAsString("Holm");
  }

  // Posts and reads the row back through a fresh cursor.
  TVynTable& PostAndReload() {
    names_.Post();
    reader_.Open();
    EXPECT_TRUE(reader_.FindKey({"Eva", "Holm"}));
    return reader_;
  }

  TVynTable names_{database_, "NAME", CatalogueEntry(TTableRole::trNames).Layout};
  TVynTable reader_{database_, "NAME", CatalogueEntry(TTableRole::trNames).Layout};
};

TEST_F(FieldTest, NumbersWrittenAsTextKeepTheirDigits) {
  names_.FieldByName("BirthDate").SetAsString("19500101");
  names_.FieldByName("BirthTime").SetAsString("070509");
  names_.FieldByName("SummerTime").SetAsString("+0100");
  names_.FieldByName("TimeZone").SetAsString("0100E");
  names_.FieldByName("Latitude").SetAsInteger(-5530);  // 55 degrees 30 minutes south
  TVynTable& row = PostAndReload();
  EXPECT_EQ(row.FieldByName("BirthTime").AsString(), "070509");
  EXPECT_EQ(row.FieldByName("BirthTime").AsInteger(), 70509);
  EXPECT_EQ(row.FieldByName("birthdate").AsInteger(), 19500101);
  EXPECT_EQ(row.FieldByName("SummerTime").AsInteger(), 100);
  EXPECT_EQ(row.FieldByName("Latitude").AsInteger(), -5530);
  EXPECT_EQ(row.FieldByName("Latitude").AsString(), "-5530");
  try {
    row.FieldByName("TimeZone").AsInteger();
    FAIL() << "\"0100E\" read as a number";
  } catch (const ETableError& e) {
    EXPECT_EQ(e.Kind(), TDataErrorKind::deBadValue);
    EXPECT_NE(std::string(e.what()).find("TimeZone"), std::string::npos);
  }
}

TEST_F(FieldTest, TextIsCutToTheFieldSizeInCharacters) {
  names_.FieldByName("Sex").SetAsString("Female");
  std::string town(38, 'x');
  town.append("\xC3\x86\xC3\x98\xC3\x85");
  names_.FieldByName("BirthTown").SetAsString(town);
  TVynTable& row = PostAndReload();
  EXPECT_EQ(row.FieldByName("Sex").AsString(), "F");
  town.resize(town.size() - 2);  // the third letter does not fit
  EXPECT_EQ(row.FieldByName("BirthTown").AsString(), town);
}

TEST_F(FieldTest, IntegerAndBooleanFieldsTakeText) {
  names_.FieldByName("Longitude").SetAsString(" 1230 ");
  names_.FieldByName("TimeUnknown").SetAsString("True");
  EXPECT_THROW(names_.FieldByName("Latitude").SetAsString("12x"), ETableError);
  names_.FieldByName("Latitude").SetAsString("");  // empty text clears
  TVynTable& row = PostAndReload();
  EXPECT_EQ(row.FieldByName("Longitude").AsInteger(), 1230);
  EXPECT_TRUE(row.FieldByName("TimeUnknown").AsBoolean());
  EXPECT_EQ(row.FieldByName("TimeUnknown").AsString(), "True");
  EXPECT_TRUE(row.FieldByName("Latitude").IsNull());
  EXPECT_EQ(row.FieldByName("Latitude").AsInteger(), 0);
}

TEST_F(FieldTest, PicturesAndMemosKeepEveryByte) {
  const std::string picture("BM\0\x01\xff\0tail", 10);
  const std::string notes = "first line\r\nsecond \xE2\x99\x80 line\n\nlast";
  names_.FieldByName("Picture").SetAsBytes(picture);
  names_.FieldByName("Notes").SetAsString(notes);
  TVynTable& row = PostAndReload();
  EXPECT_EQ(row.FieldByName("Picture").AsBytes(), picture);
  EXPECT_EQ(row.FieldByName("Notes").AsString(), notes);
  EXPECT_EQ(BlobToLines(row.FieldByName("Notes")),
            (std::vector<std::string>{"first line", "second \xE2\x99\x80 line", "", "last"}));
}

TEST(TextToLinesTest, SplitsAtEveryLineEnding) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"a\nb\rc\r\n\r\nd", {"a", "b", "c", "", "d"}},
      {"\n", {""}},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToLines(c.text), c.lines) << c.text;
}

TEST(FieldConversionTest, ParsesWholeIntegersOnly) {
  EXPECT_EQ(ParseInteger("+0100"), 100);
  EXPECT_EQ(ParseInteger(" -42 "), -42);
  for (const char* text : {"", "+", "+-1", "1.5", "12a", "0x10"})
    EXPECT_FALSE(ParseInteger(text)) << text;
}

}  // namespace
}  // namespace vyn

// The check of an ephemeris file when it is opened: files that are not a
// table of longitudes are refused, naming the file and the fault, and leave
// the reader closed.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/ephemeris.h"
#include "engine/horoscope_exception.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn {
namespace {
namespace fmt = ephemeris_format;
using TBytes = std::vector<unsigned char>;

constexpr long kRecords = 64;

// A valid table: the Sun advancing a degree a day, the other bodies still.
TBytes GoodTable(long records = kRecords) {
  TBytes bytes;
  for (long r = 0; r < records; ++r) {
    for (int slot = 1; slot <= fmt::kBodyCount; ++slot) {
      for (int j = 0; j < fmt::ValuesPerRecord(slot); ++j) {
        const int v = slot == 1 ? test::MovingSun(r) : test::kQuietSky[slot];
        bytes.push_back(static_cast<unsigned char>(v & 0xFF));
        bytes.push_back(static_cast<unsigned char>(v >> 8));
      }
    }
  }
  return bytes;
}

void SetValue(TBytes& bytes, long record, int slot, int j, int value) {
  const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
  const std::size_t at = record * fmt::kRecordBytes + fmt::FirstByte(slot) + 2 * j;
  bytes[at] = static_cast<unsigned char>(v & 0xFF);
  bytes[at + 1] = static_cast<unsigned char>(v >> 8);
}

void WriteFile(const std::string& path, const TBytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

// A small SQLite database with one table of a few hundred rows.
void WriteDatabase(const std::string& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK)
    throw std::runtime_error("cannot create " + path);
  const char* sql =
      "CREATE TABLE NAME (FirstName TEXT, BirthDate INTEGER);"
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
      "WHERE i < 300) INSERT INTO NAME SELECT 'Person ' || i, 19600527 + i FROM n;";
  const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error("cannot fill " + path);
}

struct BadFile {
  const char* name;
  std::function<void(const std::string& path)> write;
  const char* fault;  // the part of the message after the file's name
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

class BadFileTest : public ::testing::TestWithParam<BadFile> {
 protected:
  test::TTempDirectory dir_;
};

TEST_P(BadFileTest, IsRefusedNamingTheFileAndTheFaultAndLeavesTheReaderClosed) {
  const std::string good = dir_.Path() + "/good.lng";
  WriteFile(good, GoodTable());
  const std::string path = dir_.Path() + "/VYN.LNG";
  GetParam().write(path);
  TEphemeris ephemeris;
  ephemeris.Open(good);
  for (TSunMotion motion : {TSunMotion::smChecked, TSunMotion::smUnchecked}) {
    try {
      ephemeris.Open(path, motion);
      FAIL() << "opened";
    } catch (const EHoroscopeException& e) {
      FAIL() << "a chart engine failure instead of a general one: " << e.what();
    } catch (const std::runtime_error& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("File " + path + " is not an ephemeris file: ", 0), 0u)
          << message;
      EXPECT_NE(message.find(GetParam().fault), std::string::npos) << message;
      EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
    EXPECT_FALSE(ephemeris.IsOpen());
  }
}

TBytes RandomBytes(std::size_t size) {
  std::mt19937 random(20261211);
  TBytes bytes(size);
  for (unsigned char& b : bytes) b = static_cast<unsigned char>(random());
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(
        BadFile{"RandomBytes",
                [](const std::string& p) { WriteFile(p, RandomBytes(kRecords * 80)); },
                "arc minutes!"},
        BadFile{"AllFF",
                [](const std::string& p) { WriteFile(p, TBytes(kRecords * 80, 0xFF)); },
                "record 0 holds -1 as value 1 of the Sun, not a longitude of 0 to 21599 arc minutes!"},
        // Refused by its size or, should that fit, by its header's bytes.
        BadFile{"SQLiteDatabase", WriteDatabase, ""},
        BadFile{"Empty", [](const std::string& p) { WriteFile(p, {}); },
                "0 records, fewer than the 4 one look-up reads!"},
        BadFile{"ThreeRecords", [](const std::string& p) { WriteFile(p, GoodTable(3)); },
                "3 records, fewer than the 4 one look-up reads!"},
        BadFile{"PartOfARecordMore",
                [](const std::string& p) {
                  TBytes bytes = GoodTable();
                  bytes.resize(bytes.size() + 7);
                  WriteFile(p, bytes);
                },
                "5127 bytes are not a whole number of 80-byte records!"},
        BadFile{"AFullCircle",
                [](const std::string& p) {
                  TBytes bytes = GoodTable();
                  SetValue(bytes, 41, 2, 15, 21600);
                  WriteFile(p, bytes);
                },
                "record 41 holds 21600 as value 16 of the Moon,"},
        BadFile{"ANegativeLongitude",
                [](const std::string& p) {
                  TBytes bytes = GoodTable();
                  SetValue(bytes, kRecords - 1, 11, 0, -5);
                  WriteFile(p, bytes);
                },
                "record 63 holds -5 as value 1 of the North Node,"}),
    [](const auto& param) { return std::string(param.param.name); });

class SunMotionTest : public ::testing::Test {
 protected:
  // Opens a good table whose Sun moves `minutes` from record 20 to 21 (and
  // on from there as before); the message of a refusal, else empty.
  std::string OpenWithStep(int minutes, TSunMotion motion) {
    TBytes bytes = GoodTable();
    for (long r = 21; r < kRecords; ++r)
      SetValue(bytes, r, 1, 0, (test::MovingSun(r) - 1920 + minutes + 21600) % 21600);
    const std::string path = dir_.Path() + "/VYN.LNG";
    WriteFile(path, bytes);
    try {
      ephemeris_.Open(path, motion);
    } catch (const std::runtime_error& e) {
      EXPECT_FALSE(ephemeris_.IsOpen());
      return e.what();
    }
    EXPECT_TRUE(ephemeris_.IsOpen());
    return "";
  }

  test::TTempDirectory dir_;
  TEphemeris ephemeris_;
};

TEST_F(SunMotionTest, ASunOfPointNineToOnePointOneDegreesADayIsAccepted) {
  for (int minutes : {1728, 1830, 1957, 2112}) {  // 0.9, 0.953, 1.019, 1.1
    EXPECT_EQ(OpenWithStep(minutes, TSunMotion::smChecked), "") << minutes;
  }
}

TEST_F(SunMotionTest, ASunThatStandsJumpsOrGoesBackIsRefused) {
  struct Case {
    int minutes;
    const char* perDay;
  };
  for (Case c : {Case{0, "0.000"}, Case{1727, "0.899"}, Case{2113, "1.101"},
                 Case{21600 - 64, "11.217"}, Case{5000, "2.604"}}) {
    const std::string message = OpenWithStep(c.minutes, TSunMotion::smChecked);
    EXPECT_NE(message.find(std::string("the Sun moves ") + c.perDay +
                           " degrees a day from record 20 to record 21, not "
                           "0.9 to 1.1!"),
              std::string::npos)
        << message;
  }
}

TEST_F(SunMotionTest, TablesMadeUpForTestsMayLeaveTheSunAlone) {
  EXPECT_EQ(OpenWithStep(0, TSunMotion::smUnchecked), "");
}

TEST(EphemerisOpen, TheGeneratedTableIsAccepted) {
  TEphemeris ephemeris;
  ephemeris.Open(VYN_TEST_APP_DIR "/VYN.LNG");
  EXPECT_TRUE(ephemeris.IsOpen());
  EXPECT_LT(ephemeris.FirstJD(), 2268911.5L + 33);
  EXPECT_GT(ephemeris.EndJD(), 2488069.5L);  // 2100-01-01
}

TEST(EphemerisOpen, APathWithANulCharacterIsRefusedEvenWhenItsStartNamesAFile) {
  test::TTempDirectory dir;
  const std::string good = dir.Path() + "/VYN.LNG";
  WriteFile(good, GoodTable());
  const std::string path = good + std::string(1, '\0') + ".bak";
  TEphemeris ephemeris;
  try {
    ephemeris.Open(path);
    FAIL() << "opened";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()),
              "File name " + good + "\\0.bak holds a NUL character!");
  }
  EXPECT_FALSE(ephemeris.IsOpen());
}

TEST(EphemerisOpen, ADirectoryIsNotFound) {
  test::TTempDirectory dir;
  TEphemeris ephemeris;
  try {
    ephemeris.Open(dir.Path());
    FAIL() << "opened";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "File " + dir.Path() + " not found!");
  }
  EXPECT_FALSE(ephemeris.IsOpen());
}

}  // namespace
}  // namespace vyn

// The help topics: how a help source file is read, that a faulty file stops
// the build with its file and line, and that the shipped database holds the
// same topics in every language with links that lead somewhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/data_collection.h"
#include "data/sqlite_statement.h"
#include "data/vyn_database.h"
#include "language/language_codes.h"
#include "tests/data/temp_database.h"
#include "tests/tools/shipped_database_fixture.h"
#include "tools/database/language_tables.h"

namespace vyn::tools {
namespace {

namespace fs = std::filesystem;

// The message of the std::runtime_error that `call` throws, or "" when it
// throws none.
template <typename TCall>
std::string ErrorOf(TCall call) {
  try {
    call();
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "";
}

TEST(HelpTopicsParse, ReadsTopicsWithTheirTitlesAndTexts) {
  const std::vector<std::string> lines = {
      "\xEF\xBB\xBF; help of a test language",
      "",
      "; second comment",
      "=== 1 Contents",
      "",
      "Welcome. See [the views](topic:4) and [support](topic:113).\r",
      "",
      "; not a comment once a topic has begun",
      "",
      "",
      "===  4   The views  ",
      "- **Planet positions**",
      "- House cusps",
      "=== 113 Obtaining technical support",
      "Write to us.",
  };
  const std::vector<THelpTopic> topics = ParseHelpTopics(lines, "help.txt");
  ASSERT_EQ(topics.size(), 3u);
  EXPECT_EQ(topics[0].number, 1);
  EXPECT_EQ(topics[0].title, "Contents");
  EXPECT_EQ(topics[0].text,
            "Welcome. See [the views](topic:4) and [support](topic:113).\r\n\n"
            "; not a comment once a topic has begun");
  EXPECT_EQ(topics[0].line, 4);
  EXPECT_EQ(topics[1].number, 4);
  EXPECT_EQ(topics[1].title, "The views");
  EXPECT_EQ(topics[1].text, "- **Planet positions**\n- House cusps");
  EXPECT_EQ(topics[2].number, 113);
  EXPECT_EQ(HelpRecordText(topics[2]), "# Obtaining technical support\n\nWrite to us.");
}

TEST(HelpTopicsParse, AFaultyFileNamesItsFileAndLine) {
  struct TCase {
    std::vector<std::string> lines;
    std::string expected;  // the message from the file name on
  };
  const TCase cases[] = {
      {{"; comment", "Stray text", "=== 1 Contents", "Text."},
       "help.txt:2: text before the first topic"},
      {{"=== 1 Contents", "Text.", "=== 2 People", "Text.", "=== 1 Again", "Text."},
       "help.txt:5: topic 1 again (first on line 1)"},
      {{"=== 0 Nothing", "Text."}, "help.txt:1: topic number 0 is not between 1 and 10999"},
      {{"=== -3 Negative", "Text."}, "help.txt:1: topic number -3 is not between 1 and 10999"},
      {{"=== 1 Contents", "Text.", "=== 11000 Tokens", "Text."},
       "help.txt:3: topic number 11000 is not between 1 and 10999"},
      {{"=== 1 Contents", "Text.", "=== 99999999999999999999 Huge", "Text."},
       "help.txt:3: a topic heading is \"=== number title\""},
      {{"=== Contents", "Text."}, "help.txt:1: a topic heading is \"=== number title\""},
      {{"=== 7", "Text."}, "help.txt:1: topic 7 has no title"},
      {{"=== 1 Contents", "", "  ", "=== 2 People", "Text."}, "help.txt:1: topic 1 has no text"},
      {{"=== 1 Contents", "See [people](topic:2).", "", "Or [this](topic:3)."},
       "help.txt:2: a link to topic 2, which the file does not hold"},
      {{"=== 1 Contents", "See [people](topic:two)."},
       "help.txt:2: a link to a topic is written [words](topic:N)"},
  };
  for (const TCase& c : cases) {
    const std::string error = ErrorOf([&] { ParseHelpTopics(c.lines, "help.txt"); });
    EXPECT_EQ(error.substr(0, c.expected.size()), c.expected) << error;
  }
}

// A content folder of one language built into a fresh database, as the
// build does: the shipped token list, tips and orb sets with a help file of
// the test's own.
class HelpTopicsLoadTest : public testing::TempDatabaseTest {
 protected:
  std::string WriteLanguage(const std::vector<std::string>& helpLines) {
    const fs::path content = VYN_CONTENT_DIR;
    const fs::path folder = fs::path(directory_.Path()) / "language" / "UK";
    fs::create_directories(folder);
    for (const char* name : {"tokens.txt", "tips.txt"})
      fs::copy_file(content / "language" / "UK" / name, folder / name);
    std::ofstream help(folder / "help.txt", std::ios::binary);
    for (const std::string& line : helpLines) help << line << "\n";
    return (folder / "help.txt").string();
  }

  TLanguageFigures Load() {
    TDataCollection collection(database_, "UK");
    collection.SetLanguage("UK");
    collection.CreateSchema();
    const fs::path orbSets = fs::path(VYN_CONTENT_DIR) / "orbsets" / "standard_orb_sets.tsv";
    return LoadLanguageTables(collection, directory_.Path() + "/language", orbSets.string());
  }
};

TEST_F(HelpTopicsLoadTest, TopicsBecomeRecordsBesideTheTokenList) {
  WriteLanguage({"; test", "=== 1 Contents", "Read [more](topic:2).", "=== 2 More", "More."});
  EXPECT_EQ(Load().helpTopics, 2);
  TDataCollection collection(database_, "UK");
  collection.SetLanguage("UK");
  collection.SetActive(true);
  EXPECT_EQ(collection.HelpText(1), "# Contents\n\nRead [more](topic:2).");
  EXPECT_EQ(collection.HelpText(2), "# More\n\nMore.");
  EXPECT_EQ(collection.HelpText(3), std::nullopt);
  ASSERT_TRUE(collection.HelpText(11000).has_value());
  EXPECT_NE(collection.HelpText(11000)->find("1017=Synastry"), std::string::npos);
  EXPECT_TRUE(collection.HelpText(11001).has_value());
}

TEST_F(HelpTopicsLoadTest, AFaultyHelpFileStopsTheBuildNamingFileAndLine) {
  const std::string file =
      WriteLanguage({"; test", "=== 1 Contents", "Text.", "=== 1 Contents again", "Text."});
  EXPECT_EQ(ErrorOf([&] { Load(); }), file + ":4: topic 1 again (first on line 2)");
}

// The help tables of the shipped database.
class ShippedHelpTest : public testing::ShippedDatabaseFixture {
 protected:
  // Topic number -> record text, for the topics of language `code`.
  static std::map<int, std::string> Topics(std::string_view code) {
    TSqliteStatement statement(database_->Connection(),
                               "SELECT HelpNo, HelpText FROM HELP" + std::string(code) +
                                   " WHERE HelpNo < 11000 ORDER BY HelpNo");
    std::map<int, std::string> topics;
    while (statement.Step())
      topics[static_cast<int>(statement.Column(0).Integer())] = statement.Column(1).Bytes();
    return topics;
  }

  // The topic numbers `text` links to.
  static std::vector<int> Links(const std::string& text) {
    static constexpr std::string_view kLink = "](topic:";
    std::vector<int> links;
    for (std::size_t at = text.find(kLink); at != std::string::npos;
         at = text.find(kLink, at + 1))
      links.push_back(std::stoi(text.substr(at + kLink.size())));
    return links;
  }
};

TEST_F(ShippedHelpTest, EveryLanguageHoldsTheTopicsOfTheHelpMenu) {
  const std::set<int> required = {1, 2, 3, 4, 5, 6, 7, 8, 9, 113};
  std::set<int> uk;
  for (const auto& [number, text] : Topics("UK")) uk.insert(number);
  for (std::string_view code : kLanguageMenuCodes) {
    atlas_->SetLanguage(std::string(code));
    std::set<int> numbers;
    for (const auto& [number, text] : Topics(code)) numbers.insert(number);
    EXPECT_EQ(numbers, uk) << code << " holds other topics than UK";
    for (int topic : required) {
      // Read as the help window reads it: through the current language.
      const std::optional<std::string> text = atlas_->HelpText(topic);
      ASSERT_TRUE(text.has_value()) << code << " topic " << topic;
      EXPECT_TRUE(text->starts_with("# ")) << code << " topic " << topic;
      EXPECT_NE(text->find("\n\n"), std::string::npos) << code << " topic " << topic;
    }
  }
  atlas_->SetLanguage("UK");
}

TEST_F(ShippedHelpTest, EveryLinkLeadsToATopicOfItsLanguage) {
  for (std::string_view code : kLanguageMenuCodes) {
    const std::map<int, std::string> topics = Topics(code);
    for (const auto& [number, text] : topics)
      for (int target : Links(text))
        EXPECT_TRUE(topics.contains(target))
            << code << " topic " << number << " links to topic " << target;
    // The contents lead to every other topic.
    ASSERT_TRUE(topics.contains(1)) << code;
    const std::vector<int> fromContents = Links(topics.at(1));
    const std::set<int> reached(fromContents.begin(), fromContents.end());
    for (const auto& [number, text] : topics) {
      if (number != 1) {
        EXPECT_TRUE(reached.contains(number)) << code << " topic " << number;
      }
    }
  }
}

}  // namespace
}  // namespace vyn::tools

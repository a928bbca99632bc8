// The texts of the settings values: placements, print items, fonts, flag
// strings and the encoding of the key file.
#include <gtest/gtest.h>

#include "settings/encoded_text.h"
#include "settings/flag_string.h"
#include "settings/font_spec.h"
#include "settings/print_item.h"
#include "settings/window_placement.h"

namespace vyn {
namespace {

TEST(WindowPlacementTest, FiveIntegersAreValidAndAnythingElseKeepsTheFallback) {
  const WindowPlacement fallback{false, {300, 0, 600, 200}, wsNormal};
  const struct {
    const char* text;
    WindowPlacement expected;
  } cases[] = {
      {"10,20,300,400,2", {true, {10, 20, 300, 400}, wsMaximized}},
      {" 1, -2 ,3,4,1", {true, {1, -2, 3, 4}, wsMinimized}},
      {"1,2,3,4,7", {true, {1, 2, 3, 4}, wsNormal}},  // unknown state
      {"10,20,300", fallback},                         // two commas
      {"10,20,300,400", fallback},
      {"10,20,300,400,0,5", fallback},
      {"10,20,,400,0", fallback},
      {"a,b,c,d,e", fallback},
      {"10;20;300;400;0", fallback},
      {"", fallback},
      // Bounds far beyond any screen: their edges would overflow.
      {"0,0,2147483647,100,0", fallback},
      {"2147483647,0,1,1,0", fallback},
      {"-1000001,0,1,1,0", fallback},
      {"1000000,-1000000,1000000,1,0", {true, {1000000, -1000000, 1000000, 1}, wsNormal}},
      {"0,0,1,1,2147483647", {true, {0, 0, 1, 1}, wsNormal}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParseWindowPlacement(c.text, fallback), c.expected) << c.text;
}

TEST(WindowPlacementTest, FormatsAsItIsRead) {
  const WindowPlacement placement{true, {-4, 5, 640, 480}, wsMaximized};
  EXPECT_EQ(FormatWindowPlacement(placement), "-4,5,640,480,2");
  EXPECT_EQ(ParseWindowPlacement(FormatWindowPlacement(placement), {}), placement);
}

TEST(WindowPlacementTest, StoringKeepsTheNormalBoundsOfAMaximisedWindow) {
  WindowPlacement placement{false, {10, 10, 300, 200}, wsNormal};
  StoreWindowPlacement(placement, {0, 0, 1920, 1080}, wsMaximized);
  EXPECT_EQ(placement, (WindowPlacement{true, {10, 10, 300, 200}, wsMaximized}));
  StoreWindowPlacement(placement, {5, 6, 7, 8}, wsNormal);
  EXPECT_EQ(placement, (WindowPlacement{true, {5, 6, 7, 8}, wsNormal}));
}

TEST(PrintItemTest, MalformedTextsGiveTheDefaultRectangleShown) {
  const TBounds defaults{20, 27, 120, 120};
  const struct {
    const char* text;
    PrintItem expected;
  } cases[] = {
      {"1,2,3,4,0", {{1, 2, 3, 4}, false}},
      {"1,2,3,4,1", {{1, 2, 3, 4}, true}},
      {"1,2,3,4", {defaults, true}},
      {"1,2,3,4,1,1", {defaults, true}},
      {"1,2,x,4,1", {defaults, true}},
      {"", {defaults, true}},
      {"1,2,2147483647,4,1", {defaults, true}},
      {"-2147483648,2,3,4,1", {defaults, true}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ParsePrintItem(c.text, defaults), c.expected) << c.text;
  EXPECT_EQ(FormatPrintItem({{0, 170, 40, 70}, false}), "0,170,40,70,0");
}

TEST(FontSpecTest, NameInQuotesOrBracketsThenSizeColourAndStyle) {
  const FontSpec times = MakeFontSpec("Times New Roman", 14, kFontBold, 255);
  EXPECT_EQ(ParseFontSpec("\"Times New Roman\",14,255,1", {}), times);
  EXPECT_EQ(ParseFontSpec("(Times New Roman),14,255,1", {}), times);
  EXPECT_EQ(ParseFontSpec(" \"Times New Roman\" , 14, 255, 1 ", {}), times);
  EXPECT_EQ(ParseFontSpec("Times New Roman,14,255,1", {}), times);
  EXPECT_EQ(ParseFontSpec("\"Arial\",9,-2147483643,15", {}),
            MakeFontSpec("Arial", 9, 15, 0x80000005));
  EXPECT_EQ(ParseFontSpec("\"Arial\",9,0,18", {}).Style, kFontItalic);
}

TEST(FontSpecTest, ATextWithoutItsThreeCommasAfterTheNameKeepsTheFallback) {
  const FontSpec fallback = MakeFontSpec("Arial", 18, 0);
  for (const char* text : {"\"Times New Roman\",14,255", "\"Times New Roman\"",
                           "\"Times New Roman,14,255,1", "(Times New Roman,14,255,1",
                           "\"Times New Roman\"14,255,1,0", "\"\",14,255,1",
                           "\"Times New Roman\",big,255,1",
                           "\"Times New Roman\",14,255,1,0", "Times New Roman", "",
                           "\"Arial\",2147483647,0,0", "\"Arial\",1001,0,0",
                           "\"Arial\",-1001,0,0"})
    EXPECT_EQ(ParseFontSpec(text, fallback), fallback) << text;
  // A negative size is a height in pixels.
  EXPECT_EQ(ParseFontSpec("\"Arial\",-1000,0,0", fallback), MakeFontSpec("Arial", -1000, 0));
}

TEST(FontSpecTest, NamesAreCutToFortyCharactersAndWrittenInQuotes) {
  const std::string long_name = "Fontname " + std::string(40, 'x');
  const FontSpec font = ParseFontSpec("\"" + long_name + "\",9,0,0", {});
  EXPECT_EQ(font.Name, long_name.substr(0, 40));
  const std::string greek = "\xCE\xB1" + std::string(45, 'b');  // alpha, then b
  EXPECT_EQ(ParseFontSpec("(" + greek + "),9,0,0", {}).Name, greek.substr(0, 41));
  EXPECT_EQ(FormatFontSpec(MakeFontSpec("Times New Roman", 14, 1, 255)),
            "\"Times New Roman\",14,255,1");
  EXPECT_EQ(FormatFontSpec(MakeFontSpec("Arial", 9, 0, 0x80000005)),
            "\"Arial\",9,-2147483643,0");
}

TEST(FlagStringTest, AShortTextTakesTheMissingFlagsFromTheDefault) {
  const struct {
    const char* stored;
    const char* defaults;
    TFlagString expected;
  } cases[] = {
      {"11", "100011001", {1, 1, 0, 0, 1, 1, 0, 0, 1}},
      {"", "11111", {1, 1, 1, 1, 1}},
      {"0000000", "1111", {0, 0, 0, 0}},
      {"1x0", "0111", {1, 0, 0, 1}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadFlagString(c.stored, c.defaults), c.expected) << c.stored;
  EXPECT_EQ(FormatFlagString({1, 0, 0, 1}), "1001");
}

TEST(EncodedTextTest, UpperCaseAndThreeDigitsPerCharacter) {
  EXPECT_EQ(EncodeText("ab"), "065066");
  EXPECT_EQ(EncodeText("Denmark"), "068069078077065082075");
  EXPECT_EQ(EncodeText("\xC3\xA6"), "195166");  // UTF-8 bytes of a letter
  EXPECT_EQ(EncodeText(""), "");
  EXPECT_EQ(DecodeText("068069078077065082075"), "DENMARK");
  EXPECT_EQ(DecodeText(EncodeText("Aarhus, 8000")), "AARHUS, 8000");
}

TEST(EncodedTextTest, TextsThatAreNotGroupsOfThreeDigitsDoNotDecode) {
  for (const char* text : {"06506", "065o66", "256", "-65", "065 066"})
    EXPECT_FALSE(DecodeText(text).has_value()) << text;
  EXPECT_EQ(DecodeText(""), "");
}

}  // namespace
}  // namespace vyn

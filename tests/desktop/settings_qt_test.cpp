// The settings' colours, fonts and window bounds as Qt takes them.
#include "app/desktop/settings_qt.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/desktop/views/desktop_fixture.h"

namespace vyn::desktop {
namespace {

TEST(SettingsQt, ColoursOfTheSettingsFiles) {
  testing::EnsureApplication();
  QPalette palette;
  palette.setColor(QPalette::Base, QColor(1, 2, 3));
  palette.setColor(QPalette::Button, QColor(4, 5, 6));
  EXPECT_EQ(ColorOf(kWindowColor, palette), QColor(1, 2, 3));
  EXPECT_EQ(ColorOf(kButtonFaceColor, palette), QColor(4, 5, 6));
  EXPECT_FALSE(ColorOf(kNoColor, palette).isValid());
  EXPECT_EQ(ColorOf(255, palette), QColor(255, 0, 0));  // red is the low byte
  EXPECT_EQ(ColorOf(14737632, palette), QColor(224, 224, 224));
  EXPECT_EQ(StoredColorOf(QColor(0x12, 0x34, 0x56)), TColorValue(0x563412));
}

TEST(SettingsQt, FontsKeepSizeStyleAndAFamilyThatExists) {
  testing::EnsureApplication();
  const QFont base = QApplication::font();
  EXPECT_EQ(FontOf(FontSpec{}, base), base);
  const QFont arial = FontOf(MakeFontSpec("Arial", 14, kFontBold | kFontItalic), base);
  EXPECT_EQ(arial.pointSize(), 14);
  EXPECT_TRUE(arial.bold());
  EXPECT_TRUE(arial.italic());
  EXPECT_FALSE(arial.underline());
  const QFont pixels = FontOf(MakeFontSpec("NoSuchFamilyAnywhere", -20, kFontUnderline), base);
  EXPECT_EQ(pixels.family(), base.family());
  EXPECT_EQ(pixels.pixelSize(), 20);
  EXPECT_TRUE(pixels.underline());
  const FontSpec back = FontSpecOf(arial, 255);
  EXPECT_EQ(back.Size, 14);
  EXPECT_EQ(back.Style, kFontBold | kFontItalic);
  EXPECT_EQ(back.Color, 255u);
}

TEST(SettingsQt, BoundsAreFittedIntoTheVisibleDesktop) {
  struct TCase {
    TBounds bounds, fitted;
  };
  const QRect area(0, 30, 1920, 1050);
  const TCase cases[] = {
      {{100, 100, 800, 600}, {100, 100, 800, 600}},     // inside: unchanged
      {{3000, 2000, 800, 600}, {1120, 480, 800, 600}},  // off the screen: brought back
      {{-500, -50, 800, 600}, {0, 30, 800, 600}},
      {{10, 40, 4000, 3000}, {0, 30, 1920, 1050}},      // larger than the screen
      {{50, 60, 0, 0}, {0, 30, 1920, 1050}},            // no size yet
  };
  for (const TCase& c : cases) EXPECT_EQ(FittedBounds(c.bounds, area), c.fitted);
}

}  // namespace
}  // namespace vyn::desktop

// The peripheral windows: splash, about box, tip of the day, message
// window, help window and video window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <fstream>
#include <set>
#include <sstream>

#include "app/desktop/windows/about_box.h"
#include "app/desktop/windows/help_browser.h"
#include "app/desktop/windows/message_window.h"
#include "app/desktop/windows/splash_window.h"
#include "app/desktop/windows/tip_flag.h"
#include "app/desktop/windows/tip_list.h"
#include "app/desktop/windows/tip_of_day.h"
#include "app/desktop/windows/video_window.h"
#include "app/desktop/windows/window_texts.h"
#include "data/data_collection.h"
#include "tests/desktop/views/desktop_fixture.h"

namespace vyn::desktop::testing {
namespace {

std::string FileText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(WindowTextsTest, MenuCaptionsBecomeTitles) {
  const std::pair<const char*, const char*> cases[] = {
      {"&Tip of the Day...", "Tip of the Day"},
      {"\xC3\x9C&" "ber VYN...", "\xC3\x9C" "ber VYN"},  // German "Über VYN..."
      {"Tipp des Tages\xE2\x80\xA6", "Tipp des Tages"},    // a typeset ellipsis
      {"R&&D", "R&D"},
      {"&Help", "Help"},
      {"Plain", "Plain"},
      {"", ""},
  };
  for (const auto& [caption, title] : cases)
    EXPECT_EQ(TitleOfMenuCaption(QString::fromUtf8(caption)), QString::fromUtf8(title)) << caption;
}

TEST(TipPickerTest, NeverTheSameTipTwiceRunningAndEveryTipInTime) {
  TTipPicker picker({"a", "b", "c", "d"}, 7);
  std::set<std::string> seen;
  std::string previous = picker.Next();
  seen.insert(previous);
  for (int i = 0; i < 200; ++i) {
    const std::string tip = picker.Next();
    EXPECT_NE(tip, previous);
    seen.insert(tip);
    previous = tip;
  }
  EXPECT_EQ(seen.size(), 4u);
}

TEST(TipPickerTest, OneTipOrNone) {
  TTipPicker one({"only"}, 1);
  EXPECT_EQ(one.Next(), "only");
  EXPECT_EQ(one.Next(), "only");
  TTipPicker none({}, 1);
  EXPECT_TRUE(none.Empty());
  EXPECT_EQ(none.Next(), "");
}

class WindowsTest : public DesktopTest {};

TEST_F(WindowsTest, SplashProgressIsClampedAndDrawn) {
  TSplashWindow splash(QStringLiteral("VYN Synastry"));
  const std::pair<int, int> cases[] = {{-5, 0}, {0, 0}, {40, 40}, {100, 100}, {150, 100}};
  for (const auto& [given, kept] : cases) {
    splash.SetProgress(given);
    EXPECT_EQ(splash.Progress(), kept) << given;
  }
  const QSize size(TSplashWindow::kWidth, TSplashWindow::kHeight);
  auto render = [&](int percent) {
    splash.SetProgress(percent);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    splash.Render(painter, size);
    return image;
  };
  // Near the right end of the bar: filled only when start-up is done.
  const QPoint nearEnd(static_cast<int>(size.width() * 0.9), static_cast<int>(size.height() * 0.865));
  EXPECT_NE(render(0).pixel(nearEnd), render(100).pixel(nearEnd));
  EXPECT_EQ(render(20).pixel(nearEnd), render(0).pixel(nearEnd));
}

TEST_F(WindowsTest, AboutBoxShowsNameVersionAndAttributions) {
  OpenProgram();
  TAboutBox about(Program(), QStringLiteral("VYN Synastry"),
                  QStringLiteral("# Data files\n\nEphemeris computed with the **Swiss Ephemeris**."));
  EXPECT_EQ(about.windowTitle(), "About VYN");
  EXPECT_EQ(about.NameLabel()->text(), "VYN Synastry");
  EXPECT_EQ(ProgramVersion(), "0.1");
  EXPECT_TRUE(about.VersionLabel()->text().contains(ProgramVersion()));
  const QString shown = about.Attributions()->toPlainText();
  EXPECT_TRUE(shown.contains("Swiss Ephemeris")) << shown.toStdString();
  EXPECT_FALSE(shown.contains("**"));  // read as Markdown
  about.show();
  QTest::mouseClick(about.OkButton(), Qt::LeftButton);
  EXPECT_EQ(about.result(), QDialog::Accepted);
  EXPECT_FALSE(about.isVisible());
}

TEST_F(WindowsTest, TipsComeFromTheTipsTableOfTheLanguage) {
  OpenProgram();
  const std::vector<std::string> tips = ReadTips(Program().Tables().Table(TTableRole::trTips));
  ASSERT_GE(tips.size(), 30u);
  TTipOfDay window(Program(), nullptr, 3);
  EXPECT_EQ(window.windowTitle(), "Tip of the Day");
  const QString first = window.TipLabel()->text();
  EXPECT_NE(std::find(tips.begin(), tips.end(), first.toStdString()), tips.end());
  window.show();
  QTest::mouseClick(window.NextButton(), Qt::LeftButton);
  const QString second = window.TipLabel()->text();
  EXPECT_NE(second, first);
  EXPECT_NE(std::find(tips.begin(), tips.end(), second.toStdString()), tips.end());

  Program().ApplyLanguage("GE");
  TTipOfDay german(Program(), nullptr, 3);
  const std::vector<std::string> germanTips =
      ReadTips(Program().Tables().Table(TTableRole::trTips));
  EXPECT_NE(std::find(germanTips.begin(), germanTips.end(), german.TipLabel()->text().toStdString()),
            germanTips.end());
  EXPECT_NE(germanTips, tips);
}

TEST_F(WindowsTest, DoNotShowIsStoredInTheSettingsFileWhenTheTipCloses) {
  OpenProgram();
  const std::string settings = AppDir() + "/VYNMR.INI";
  ASSERT_TRUE(TTipOfDay::OfferedAtStart(Program()));
  {
    TTipOfDay window(Program(), nullptr, 1);
    EXPECT_FALSE(window.DoNotShow()->isChecked());
    window.show();
    QTest::mouseClick(window.DoNotShow(), Qt::LeftButton);
    EXPECT_TRUE(window.DoNotShow()->isChecked());
    QTest::mouseClick(window.CloseButton(), Qt::LeftButton);
  }
  EXPECT_FALSE(TTipOfDay::OfferedAtStart(Program()));
  EXPECT_NE(FileText(settings).find("ShowTips=0"), std::string::npos);

  // Saving the settings keeps the choice.
  Program().SaveSettings(true);
  EXPECT_FALSE(ShowTipsAtStart(Program().Setup()));

  // Opened again from the Help menu: the box is ticked; clearing it and
  // closing with Escape offers the tips again.
  TTipOfDay again(Program(), nullptr, 1);
  EXPECT_TRUE(again.DoNotShow()->isChecked());
  again.show();
  QTest::mouseClick(again.DoNotShow(), Qt::LeftButton);
  QTest::keyClick(&again, Qt::Key_Escape);
  EXPECT_TRUE(TTipOfDay::OfferedAtStart(Program()));
}

TEST_F(WindowsTest, MessageWindowOkAndWebButton) {
  OpenProgram();
  const QUrl manual(QStringLiteral("https://example.org/vyn/manual"));
  std::vector<QUrl> opened;
  {
    TMessageWindow window(Program(), "Manual not found", "Download from WEB ? ", manual);
    window.SetUrlOpener([&](const QUrl& url) {
      opened.push_back(url);
      return true;
    });
    EXPECT_EQ(window.windowTitle(), "Manual not found");
    EXPECT_EQ(window.TextLabel()->text(), "Download from WEB ? ");
    EXPECT_EQ(window.OkButton()->text(), "&OK");
    window.show();
    QTest::mouseClick(window.OkButton(), Qt::LeftButton);
    EXPECT_EQ(window.result(), TMessageWindow::mrOk);
    EXPECT_TRUE(opened.empty());
    window.show();
    QTest::mouseClick(window.WebButton(), Qt::LeftButton);
    EXPECT_EQ(window.result(), TMessageWindow::mrWeb);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], manual);
  }
  TMessageWindow noAddress(Program(), "Caption", "Text", QUrl());
  EXPECT_FALSE(noAddress.WebButton()->isEnabled());
}

TEST_F(WindowsTest, HelpBrowserShowsATopicOrSaysThereIsNone) {
  OpenProgram();
  THelpBrowser help(Program(), [](int topic) -> std::optional<QString> {
    if (topic == 113) return QStringLiteral("Write to the support address.");
    return std::nullopt;
  });
  EXPECT_EQ(help.windowTitle(), "Help");
  EXPECT_TRUE(help.ShowTopic(113));
  EXPECT_EQ(help.Browser()->toPlainText(), "Write to the support address.");
  EXPECT_FALSE(help.ShowTopic(7));
  EXPECT_EQ(help.Topic(), 7);
  EXPECT_TRUE(help.Browser()->toPlainText().contains("7"));

  // The help table of the language: record 11001 holds the symbol key.
  THelpBrowser table(Program(), HelpTableTexts(Program()));
  EXPECT_TRUE(table.ShowTopic(11001));
  EXPECT_TRUE(table.Browser()->toPlainText().startsWith("Symbol Explanation"));
  EXPECT_FALSE(table.ShowTopic(424242));
}

TEST_F(WindowsTest, VideoWithoutMultimediaSaysSoAndGoesOn) {
  if (TVideoWindow::Available()) GTEST_SKIP() << "this build plays video";
  OpenProgram();
  TVideoWindow video(Program(), nullptr);
  std::vector<QString> told;
  video.SetNotifier([&](const QString& text) { told.push_back(text); });
  EXPECT_FALSE(video.Play(QString::fromStdString(AppDir() + "/SynStart.avi")));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], "Video playback is not available on this system.");
}

}  // namespace
}  // namespace vyn::desktop::testing

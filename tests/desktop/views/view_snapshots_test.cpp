// Pictures of every view for a person to look at, with Anna and Ben
// loaded, under /tmp/vyn_views/. Not run by default:
//   desktop_view_tests --gtest_also_run_disabled_tests --gtest_filter='*Snapshot*'
#include <gtest/gtest.h>

#include <QFile>
#include <QTabBar>

#include "app/desktop/views/planets_win.h"
#include "app/desktop/views/win_aspects.h"
#include "app/desktop/views/win_cpos.h"
#include "app/desktop/views/win_names.h"
#include "app/desktop/views/win_symbols.h"
#include "app/desktop/windows/about_box.h"
#include "app/desktop/windows/help_browser.h"
#include "app/desktop/windows/message_window.h"
#include "app/desktop/windows/splash_window.h"
#include "app/desktop/windows/tip_of_day.h"
#include "tests/desktop/views/desktop_fixture.h"

namespace vyn::desktop::testing {
namespace {

class ViewSnapshots : public DesktopTest {};

TEST_F(ViewSnapshots, DISABLED_EveryViewLargeAndSmall) {
  StartWith({Anna(), Ben(), Clara()}, 2);
  const std::pair<QSize, const char*> sizes[] = {{QSize(1000, 700), "large"},
                                                 {QSize(260, 200), "small"}};
  for (const auto& [size, label] : sizes) {
    const QString suffix = QStringLiteral("_") + label;
    TPlanetsWin planets(Program());
    Snapshot(planets, size, "planets" + suffix);
    TWinCPos cusps(Program());
    cusps.TabBar()->setCurrentIndex(1);
    Snapshot(cusps, size, "cusps" + suffix);
    TWinAspects aspects(Program());
    Snapshot(aspects, size, "aspects_pair" + suffix);
    aspects.TabBar()->setCurrentIndex(1);
    Snapshot(aspects, size, "aspects_own" + suffix);
    TWinSymbols symbols(Program());
    Snapshot(symbols, size, "symbols" + suffix);
    TWinNames names(Program());
    Snapshot(names, size, "names" + suffix);
  }
}

// A screen with two device pixels to the pixel: lines and text stay sharp.
TEST_F(ViewSnapshots, DISABLED_HighDensityScreen) {
  StartWith({Anna(), Ben()});
  TWinAspects aspects(Program());
  aspects.resize(500, 300);
  QImage image(QSize(1000, 600), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(2);
  image.fill(Qt::white);
  aspects.render(&image);
  image.save(QStringLiteral("/tmp/vyn_views/aspects_2x.png"));
}

TEST_F(ViewSnapshots, DISABLED_PeripheralWindows) {
  OpenProgram();
  TSplashWindow splash(QStringLiteral("VYN Synastry"));
  splash.SetProgress(70);
  Snapshot(splash, splash.size(), "splash");
  Snapshot(splash, QSize(240, 150), "splash_small");

  QFile notes(QStringLiteral(VYN_DATA_NOTES));
  ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
  TAboutBox about(Program(), QStringLiteral("VYN Synastry"), QString::fromUtf8(notes.readAll()));
  Snapshot(about, QSize(560, 440), "about");
  Snapshot(about, about.minimumSize(), "about_small");

  TTipOfDay tip(Program(), nullptr, 5);
  Snapshot(tip, QSize(480, 240), "tip");
  Snapshot(tip, tip.minimumSizeHint(), "tip_small");

  TMessageWindow message(Program(), "Manual not found", "Download from WEB ? ",
                         QUrl("https://example.org/manual"));
  Snapshot(message, message.sizeHint(), "message");

  THelpBrowser help(Program(), HelpTableTexts(Program()));
  help.ShowTopic(11001);
  Snapshot(help, QSize(520, 480), "help");
  help.ShowTopic(113);
  Snapshot(help, QSize(300, 200), "help_missing_small");
}

}  // namespace
}  // namespace vyn::desktop::testing

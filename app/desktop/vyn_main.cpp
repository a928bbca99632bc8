// vyn: the desktop program.
//   vyn [--lang XX]
//   vyn --screenshot FILE [--view NAME]... [--size WxH] [--lang XX]
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <memory>

#include "app/desktop/app_icons.h"
#include "app/desktop/desktop_services.h"
#include "app/desktop/main_form.h"
#include "app/desktop/program.h"
#include "app/desktop/windows/splash_window.h"
#include "app/desktop/windows/tip_of_day.h"
#include "app/desktop/screenshot.h"
#include "app/desktop/start_up.h"
#include "platform/app_directory.h"
#include "platform/user_app_directory.h"

namespace {

using namespace vyn::desktop;

struct TArguments {
  QString screenshot, language;
  QStringList views;
  QSize size{1280, 800};
};

// Reads the arguments; an error is written to standard error and ends the
// program with status 1.
TArguments ParseArguments(const QApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription("VYN Synastry: compares the birth charts of two people.");
  parser.addHelpOption();
  const QCommandLineOption screenshot("screenshot", "Render the main window to a PNG file and end.",
                                      "FILE");
  const QCommandLineOption view("view", "Open a view for the screenshot: " +
                                            ViewNames().join(", ") + ".", "NAME");
  const QCommandLineOption size("size", "Size of the screenshot (default 1280x800).", "WxH");
  const QCommandLineOption language("lang", "Start in this language (DK, UK, FR, GE, ...).", "XX");
  parser.addOptions({screenshot, view, size, language});
  parser.process(app);
  TArguments arguments;
  arguments.screenshot = parser.value(screenshot);
  arguments.language = parser.value(language).toUpper();
  arguments.views = parser.values(view);
  for (const QString& name : arguments.views)
    if (!ViewOfName(name)) {
      std::fprintf(stderr, "vyn: unknown view \"%s\"; the views are %s\n", qPrintable(name),
                   qPrintable(ViewNames().join(", ")));
      std::exit(1);
    }
  if (parser.isSet(size)) {
    const QStringList parts = parser.value(size).split('x');
    const int w = parts.size() == 2 ? parts[0].toInt() : 0, h = parts.size() == 2 ? parts[1].toInt() : 0;
    if (w < 200 || h < 150 || w > 10000 || h > 10000) {
      std::fprintf(stderr, "vyn: --size takes WIDTHxHEIGHT, e.g. 1280x800\n");
      std::exit(1);
    }
    arguments.size = QSize(w, h);
  }
  return arguments;
}

void Fail(bool interactive, const QString& message) {
  std::fprintf(stderr, "vyn: %s\n", qPrintable(message));
  if (interactive) QMessageBox::critical(nullptr, QStringLiteral("VYN Synastry"), message);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("vyn");
  QApplication::setApplicationDisplayName("VYN Synastry");
  QApplication::setDesktopFileName("vyn");
  const TArguments arguments = ParseArguments(app);
  const bool interactive = arguments.screenshot.isEmpty();
  try {
    vyn::SetAppDirectory(vyn::ChooseAppDirectory(vyn::AppDirectory()));
  } catch (const std::exception& e) {
    Fail(interactive, QString("The program's files cannot be prepared: %1").arg(e.what()));
    return 1;
  }
  QApplication::setWindowIcon(AppIcon());
  TProgram program;
  TDesktopServices services(program);
  std::unique_ptr<TMainForm> form;
  std::unique_ptr<TSplashWindow> splash;
  if (interactive) {
    splash = std::make_unique<TSplashWindow>(QStringLiteral("VYN Synastry"));
    splash->show();
    QApplication::processEvents();
  }
  try {
    TStartUpOptions options;
    options.language = arguments.language.toStdString();
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    options.screenWidth = screen.width();
    options.screenHeight = screen.height();
    if (splash) options.progress = [&splash](int percent) { splash->SetProgress(percent); };
    options.onMissingCountry = [interactive](const std::string& message) {
      Fail(interactive, QString::fromStdString(message));
    };
    form = StartUp(program, services.MainServices(), options, [interactive](const std::string& error) {
      if (interactive) std::fprintf(stderr, "vyn: %s\n", error.c_str());
    });
  } catch (const std::exception& e) {
    splash.reset();
    Fail(interactive, QString::fromStdString(e.what()));
    return 1;
  }
  splash.reset();
  if (!interactive) {
    QString error;
    if (!SaveScreenshot(*form, arguments.views, arguments.size, arguments.screenshot, error)) {
      Fail(false, QString("%1: %2").arg(arguments.screenshot, error));
      return 1;
    }
    return 0;
  }
  // A stored placement was applied at the end of the start-up; without one
  // the window fills the screen.
  if (program.Setup().Placement(vyn::wiMain).Valid) form->show();
  else form->showMaximized();
  if (TTipOfDay::OfferedAtStart(program)) TTipOfDay(program, form.get()).exec();
  return QApplication::exec();
}

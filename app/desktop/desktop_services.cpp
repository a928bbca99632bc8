#include "app/desktop/desktop_services.h"

#include <QFile>

#include "app/desktop/program.h"
#include "app/desktop/windows/about_box.h"
#include "app/desktop/windows/help_browser.h"
#include "app/desktop/windows/tip_of_day.h"
#include "app/desktop/windows/video_window.h"
#include "dialogs/names/name_dialog.h"
#include "dialogs/search/search_form.h"
#include "platform/app_directory.h"

namespace vyn::desktop {
namespace {

constexpr int kHelpContents = 1;

// The data sources and their licences, as the installation ships them.
QString Attributions() {
  QFile file(QString::fromStdString(AppDirectory()) + "DATA.md");
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

std::optional<std::string> NameOf(const std::optional<dialogs::TSearchResult>& result) {
  if (!result) return std::nullopt;
  return result->text.toStdString();
}

}  // namespace

TDesktopServices::TDesktopServices(TProgram& program) : program_(program) {}

TDesktopServices::~TDesktopServices() = default;

dialogs::TSearchForm& TDesktopServices::Search(QWidget* owner) {
  if (!search_) search_ = std::make_unique<dialogs::TSearchForm>(program_, owner ? owner->window() : nullptr);
  return *search_;
}

TMainServices TDesktopServices::MainServices() {
  TMainServices services;
  services.nameDialog = [this](QWidget* parent) {
    dialogs::TNameDlg dialog(program_, NameServices(), parent);
    return dialog.OpenNameDialog() == QDialog::Accepted;
  };
  services.help = [this](QWidget* parent, int topic) {
    THelpBrowser browser(program_, HelpTableTexts(program_), parent);
    browser.ShowTopic(topic > 0 ? topic : kHelpContents);
    browser.exec();
  };
  services.tipOfDay = [this](QWidget* parent) { TTipOfDay(program_, parent).exec(); };
  services.about = [this](QWidget* parent) {
    TAboutBox(program_, QStringLiteral("VYN Synastry"), Attributions(), parent).exec();
  };
  services.playClip = [this](QWidget* parent, const QString& file) {
    TVideoWindow(program_, parent).Play(file);
  };
  return services;
}

dialogs::TNameServices TDesktopServices::NameServices() {
  dialogs::TNameServices services;
  services.PickPerson = [this](QWidget* parent, bool firstNameFirst)
      -> std::optional<dialogs::TPickedPerson> {
    const auto result = Search(parent).PickPerson(firstNameFirst, parent);
    if (!result) return std::nullopt;
    return dialogs::TPickedPerson{result->firstName.toStdString(), result->lastName.toStdString()};
  };
  services.PickState = [this](QWidget* parent) { return NameOf(Search(parent).PickState(parent)); };
  services.PickPlace = [this](QWidget* parent, const std::string& state) {
    return NameOf(Search(parent).PickPlace(QString::fromStdString(state), parent));
  };
  services.PickGroup = [this](QWidget* parent) { return NameOf(Search(parent).PickGroup(parent)); };
  services.ShowHelp = [this](QWidget* parent) {
    THelpBrowser browser(program_, HelpTableTexts(program_), parent);
    browser.ShowTopic(2);
    browser.exec();
  };
  return services;
}

}  // namespace vyn::desktop

#pragma once
// The controls of the name dialog and their layout: the name rows with the
// sex choice and the six partner slots above, the eight pages below, the
// buttons at the foot. Built once per dialog; the dialog gives them their
// behaviour.
//
// Captions: controls with a token carry it in their "tag" (TranslateForm);
// the few without one take their text from the language dictionary, with
// an English default (CaptionFromDictionary).
#include <QString>
#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QWidget;

namespace vyn::dialogs {

inline constexpr int kPartnerSlots = 6;

// The pages of the tab row, in order.
enum TNamePage {
  npBirth, npPlace, npAddress, npPicture, npNotes, npGroups, npHelp, npWheel, kNamePageCount
};

// A caption box before a value box ("Day" before the day).
struct TCaptioned {
  QLabel* caption = nullptr;
  QLineEdit* value = nullptr;
};

struct TNamePages {
  // Names, sex and partner slots.
  QLabel* firstNameLabel = nullptr;
  QLineEdit* firstName = nullptr;
  QToolButton* firstNameSearch = nullptr;
  QLabel* lastNameLabel = nullptr;
  QLineEdit* lastName = nullptr;
  QToolButton* lastNameSearch = nullptr;
  QLabel* sexLabel = nullptr;
  QRadioButton* male = nullptr;
  QRadioButton* female = nullptr;
  QGroupBox* partners = nullptr;
  QButtonGroup* slotGroup = nullptr;  // ids 1..6
  std::array<QPushButton*, kPartnerSlots> slotButtons{};
  QTabWidget* tabs = nullptr;

  // Birth page.
  QLabel* stateLabel = nullptr;
  QLineEdit* state = nullptr;
  QToolButton* stateSearch = nullptr;
  QLabel* townLabel = nullptr;
  QLineEdit* town = nullptr;
  QToolButton* townSearch = nullptr;
  QLabel* dateLabel = nullptr;
  TCaptioned day, month, year;
  QLabel* timeLabel = nullptr;
  TCaptioned hour, minute, second;
  QCheckBox* timeUnknown = nullptr;
  QPushButton* hereAndNow = nullptr;

  // Place data page.
  QLabel* latitudeLabel = nullptr;
  TCaptioned latitudeDegrees, latitudeMinutes, latitudeLetter;
  QLabel* longitudeLabel = nullptr;
  TCaptioned longitudeDegrees, longitudeMinutes, longitudeLetter;
  QLabel* zoneLabel = nullptr;
  TCaptioned zoneHours, zoneMinutes, zoneLetter;
  QLabel* summerLabel = nullptr;
  TCaptioned summerHours, summerMinutes;
  QCheckBox* autoZone = nullptr;
  QCheckBox* autoSummer = nullptr;

  // Address page.
  QLabel* addressLabel = nullptr;
  QLineEdit* address1 = nullptr;
  QLineEdit* address2 = nullptr;
  QLabel* postalCodeLabel = nullptr;
  QLineEdit* postalCode = nullptr;
  QLabel* addressTownLabel = nullptr;
  QLineEdit* addressTown = nullptr;
  QLabel* addressCountryLabel = nullptr;
  QLineEdit* addressCountry = nullptr;
  QLabel* homePhoneLabel = nullptr;
  QLineEdit* homePhone = nullptr;
  QLabel* workPhoneLabel = nullptr;
  QLineEdit* workPhone = nullptr;
  QLabel* faxLabel = nullptr;
  QLineEdit* fax = nullptr;

  // Picture, notes, groups, help and wheel pages.
  QLabel* picture = nullptr;
  QPushButton* insertPicture = nullptr;
  QPushButton* clearPicture = nullptr;
  QPlainTextEdit* notes = nullptr;
  QListWidget* groups = nullptr;
  QPushButton* addGroup = nullptr;
  QPushButton* removeGroup = nullptr;
  QLabel* helpText = nullptr;
  QTreeWidget* positions = nullptr;

  // Foot.
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* clear = nullptr;
  QPushButton* help = nullptr;
};

// Builds every control into `dialog` with its layout and tab order.
TNamePages BuildNamePages(QDialog* dialog);

// The Japanese layout: the first-name and last-name rows change places, and
// every caption box changes places with its value box, so that units follow
// numbers; the hemisphere letter boxes take four characters and the address
// town forty. The tab order follows.
void ApplyJapaneseLayout(TNamePages& pages);

// The caption a control without a token takes, by its dictionary key.
struct TDictionaryCaption {
  const char* key;
  const char* fallback;
};
// Every label and button the dictionary captions, with its key.
void ForEachDictionaryCaption(
    const TNamePages& pages,
    const std::function<void(QWidget*, const TDictionaryCaption&)>& apply);

// Tab captions by token, in page order.
inline constexpr std::array<int, kNamePageCount> kPageTokens = {377, 376, 375, 373,
                                                                 372, 374, 380, 381};

}  // namespace vyn::dialogs

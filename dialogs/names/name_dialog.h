#pragma once
// The name dialog: entering, finding, editing, storing and deleting people
// with their birth data, and choosing the two people the program compares.
//
// It works on six working chart records, copies of the program's six
// charts, one per partner slot. People are stored in "NAME" with their
// groups; the birth place completes from the atlas and fills latitude,
// longitude, zone and summer time for the birth moment. While it is open,
// each change of page pushes the birth data into the program's chart of the
// current slot, so the windows follow the input. OK stores the person
// shown, puts working charts 1 and 2 into the program's slots 1 and 2 as
// partners and records the pair in "CurrNAME".
#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "dialogs/names/edit_state.h"
#include "dialogs/names/name_fields.h"
#include "dialogs/names/name_pages.h"
#include "dialogs/names/name_services.h"
#include "dialogs/names/person_store.h"
#include "dialogs/names/place_lookup.h"

namespace vyn {
class THoroscope;
}
namespace vyn::desktop {
class TProgram;
}

namespace vyn::dialogs {

class TNameDlg : public QDialog {
  Q_OBJECT

 public:
  // Created each time the user opens it: the boxes empty, the automatic
  // corrections from the settings, the working charts copied from the
  // program's, the slot-filled marks from their Active flags, the captions
  // translated and the birth page shown.
  TNameDlg(desktop::TProgram& program, TNameServices services = {}, QWidget* parent = nullptr);
  ~TNameDlg() override;

  // File / Name data: Prepare, then shown modally; the dialog's result.
  int OpenNameDialog();
  // What OpenNameDialog does before showing: slot 1 current, the person of
  // working chart 1 loaded when it is active.
  void Prepare();

  int CurrentSlot() const { return currentSlot_; }
  TEditState EditState() const { return editState_; }
  const THoroscope& WorkingChart(int slot) const;
  const TNamePages& Pages() const { return pages_; }

  // Captions of the current language (the program's LanguageChanged).
  void Retranslate();

 protected:
  void reject() override;

 private:
  // Boxes.
  TNameFields ReadFields() const;
  void ShowFields(const TNameFields& fields);
  void ShowPlaceData(const TNameFields& fields);
  void ClearPages();
  void ShowPicture();
  void ShowGroups(const std::vector<std::string>& groups);
  std::vector<std::string> ListedGroups() const;
  TLetters Letters() const;
  void SetLetters(const TLetters& from, const TLetters& to);

  // States and storing.
  bool LoadPerson(const std::string& first, const std::string& last);
  bool StorePerson();
  void EnterState(TEditState state);
  bool CommitChanges(bool leaving);
  bool CommitToChart();
  bool CheckedBirthData(core::TBirthData& birth);
  extended GregorianStartOfBoxes(const TNameFields& fields);
  bool BoxDateValid();
  void ForgetSlotsFrom(int slot);
  void LoadSlot(int slot);

  // Commands.
  void SlotClicked(int slot);
  void ShowBirthPage();
  void TabChanging(int index);
  void PushToProgramChart();
  void RefreshPositions();
  void Ok();
  void Clear();
  void HereAndNow();
  void SearchName(bool firstNameFirst);
  void SearchState();
  void SearchTown();
  void InsertPicture();
  void ClearPicture();
  void AddGroup();
  void RemoveGroup();
  void ShowHelp();

  // Places and times.
  void StateTextChanged();
  void LeaveStateBox();
  void LeaveTownBox();
  bool ChooseState(const std::string& typed);
  bool ChoosePlace(const std::string& town, const std::string& state);
  void FillPlace(const TPlaceRow& place);
  void RecalcZoneAndSummer();
  void WarnOfClockChange(const std::vector<TClockChange>& changes, const std::string& state);
  void TimeUnknownToggled(bool on);
  void AutoCorrectionToggled();

  // Range checks.
  void WireEditing();
  void Leaving(QWidget* box, std::function<void()> check);
  void WireRange(QLineEdit* edit, long minimum, long maximum, bool dateOrTime);
  void LeaveYearBox();

  // Messages.
  void Inform(int token);
  void ShowError(const std::string& text);
  void UpdateCaption();

  desktop::TProgram& program_;
  TNameServices services_;
  TNamePages pages_;
  TPersonStore store_;
  TPlaceLookup lookup_;
  std::array<std::unique_ptr<THoroscope>, kPartnerSlots> working_;

  TEditState editState_ = TEditState::esInitClear;
  std::string stateId_ = kNoStateId;
  std::string picture_;  // image file bytes of the picture shown
  TLetters letters_;     // the letters the boxes were written with
  bool dateOrTimeChanged_ = false;
  bool searchLoading_ = false;
  bool firstTabChangePasses_ = true;
  bool switchingTab_ = false;
  int previousTab_ = npBirth;
  int currentSlot_ = 1;
  int initialSlot_ = 1;
  std::string warnedChange_;  // the clock change pointed out last
};

}  // namespace vyn::dialogs

// The name dialog's wiring: what typing, leaving a box and the buttons do.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include "app/desktop/program.h"
#include "dialogs/names/edit_fields.h"
#include "dialogs/names/inline_completion.h"
#include "dialogs/names/name_dialog.h"

namespace vyn::dialogs {
namespace {

struct TRange {
  QLineEdit* edit;
  long minimum, maximum;
  bool dateOrTime;  // a change may change the zone and summer time
};

}  // namespace

void TNameDlg::WireEditing() {
  TNamePages& p = pages_;
  for (QLineEdit* name : {p.firstName, p.lastName})
    connect(name, &QLineEdit::textEdited, this, [this] {
      if (!searchLoading_) EnterState(TEditState::esNameChanged);
    });

  const std::vector<TRange> ranges = {
      {p.day.value, 1, 31, true},
      {p.month.value, 1, 12, true},
      {p.hour.value, 0, 23, true},
      {p.minute.value, 0, 59, true},
      {p.second.value, 0, 59, true},
      {p.latitudeDegrees.value, 0, 89, false},
      {p.latitudeMinutes.value, 0, 59, false},
      {p.longitudeDegrees.value, 0, 180, false},
      {p.longitudeMinutes.value, 0, 59, false},
      {p.zoneHours.value, 0, 23, false},
      {p.zoneMinutes.value, 0, 59, false},
      {p.summerHours.value, 0, 23, false},
      {p.summerMinutes.value, 0, 59, false},
  };
  auto* digits = new TDigitKeyFilter(this);
  for (const TRange& range : ranges) {
    digits->Install({range.edit});
    WireRange(range.edit, range.minimum, range.maximum, range.dateOrTime);
  }
  digits->Install({p.year.value});
  Leaving(p.year.value, [this] { LeaveYearBox(); });
  for (QLineEdit* edit : {p.day.value, p.month.value, p.year.value, p.hour.value, p.minute.value,
                          p.second.value, p.zoneHours.value, p.zoneMinutes.value,
                          p.zoneLetter.value, p.summerHours.value, p.summerMinutes.value})
    connect(edit, &QLineEdit::textEdited, this, [this] { dateOrTimeChanged_ = true; });

  // Owned by their boxes.
  new TLetterBox(p.latitudeLetter.value, TLetterKind::lkNorthSouth, program_.Language());
  new TLetterBox(p.longitudeLetter.value, TLetterKind::lkEastWest, program_.Language());
  new TLetterBox(p.zoneLetter.value, TLetterKind::lkEastWest, program_.Language());
  new TInlineCompletion(p.state,
                        [this](const std::string& typed) { return lookup_.CompleteState(typed); });
  new TInlineCompletion(p.town, [this](const std::string& typed) {
    return lookup_.CompletePlace(stateId_, typed);
  });
  connect(p.state, &QLineEdit::textChanged, this, [this] { StateTextChanged(); });
  Leaving(p.state, [this] { LeaveStateBox(); });
  Leaving(p.town, [this] { LeaveTownBox(); });

  connect(p.slotGroup, &QButtonGroup::idClicked, this, &TNameDlg::SlotClicked);
  connect(p.tabs, &QTabWidget::currentChanged, this, &TNameDlg::TabChanging);
  connect(p.timeUnknown, &QCheckBox::toggled, this, &TNameDlg::TimeUnknownToggled);
  connect(p.autoZone, &QCheckBox::clicked, this, [this] { AutoCorrectionToggled(); });
  connect(p.autoSummer, &QCheckBox::clicked, this, [this] { AutoCorrectionToggled(); });
  connect(p.hereAndNow, &QPushButton::clicked, this, &TNameDlg::HereAndNow);
  connect(p.firstNameSearch, &QToolButton::clicked, this, [this] { SearchName(true); });
  connect(p.lastNameSearch, &QToolButton::clicked, this, [this] { SearchName(false); });
  connect(p.stateSearch, &QToolButton::clicked, this, &TNameDlg::SearchState);
  connect(p.townSearch, &QToolButton::clicked, this, &TNameDlg::SearchTown);
  connect(p.insertPicture, &QPushButton::clicked, this, &TNameDlg::InsertPicture);
  connect(p.clearPicture, &QPushButton::clicked, this, &TNameDlg::ClearPicture);
  connect(p.addGroup, &QPushButton::clicked, this, &TNameDlg::AddGroup);
  connect(p.removeGroup, &QPushButton::clicked, this, &TNameDlg::RemoveGroup);
  connect(p.ok, &QPushButton::clicked, this, &TNameDlg::Ok);
  connect(p.cancel, &QPushButton::clicked, this, &TNameDlg::reject);
  connect(p.clear, &QPushButton::clicked, this, &TNameDlg::Clear);
  connect(p.help, &QPushButton::clicked, this, &TNameDlg::ShowHelp);

  // The pickers that are not there are not offered.
  p.firstNameSearch->setEnabled(static_cast<bool>(services_.PickPerson));
  p.lastNameSearch->setEnabled(static_cast<bool>(services_.PickPerson));
  p.stateSearch->setEnabled(static_cast<bool>(services_.PickState));
  p.townSearch->setEnabled(static_cast<bool>(services_.PickPlace));
}

// The checks of a box run when the user moves on, not when Cancel takes
// the focus: what was typed is given up then.
void TNameDlg::Leaving(QWidget* box, std::function<void()> check) {
  OnLeaving(box, [this, check = std::move(check)] {
    if (QApplication::focusWidget() != pages_.cancel) check();
  });
}

// A date or time box that passes its check after a change recomputes the
// zone and summer time of the birth place.
void TNameDlg::WireRange(QLineEdit* edit, long minimum, long maximum, bool dateOrTime) {
  Leaving(edit, [=, this] {
    if (CheckEditRange(edit, minimum, maximum) && dateOrTime && dateOrTimeChanged_)
      RecalcZoneAndSummer();
  });
}

void TNameDlg::LeaveYearBox() {
  constexpr long kFirstYear = 1500;
  constexpr long kLastYear = 2099;
  QLineEdit* year = pages_.year.value;
  const TRangeVerdict verdict = RangeVerdict(year->text().toStdString(), kFirstYear, kLastYear);
  if (CheckEditRange(year, kFirstYear, kLastYear)) {
    if (dateOrTimeChanged_) RecalcZoneAndSummer();
  } else if (verdict == TRangeVerdict::rvBelow || verdict == TRangeVerdict::rvAbove) {
    Inform(443);
  }
}

}  // namespace vyn::dialogs

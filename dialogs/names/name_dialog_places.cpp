// The name dialog's birth place and moment: the state and town boxes with
// their look-ups and searches, the zone and summer time of the moment, the
// unknown birth time, and here and now.
#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabWidget>

#include "app/core/input_checks.h"
#include "app/desktop/message_boxes.h"
#include "app/desktop/program.h"
#include "dialogs/names/choice_list.h"
#include "dialogs/names/name_dialog.h"
#include "engine/text_helpers.h"
#include "language/clock_change_text.h"

namespace vyn::dialogs {
namespace {

// Candidates offered for a name the atlas spells otherwise.
constexpr int kCandidateLimit = 12;
// Pick-list captions: a state, a place.
constexpr int kSelectStateToken = 237;
constexpr int kSelectPlaceToken = 470;
constexpr int kNotInAtlasToken = 454;
constexpr int kStateFirstToken = 456;
constexpr int kHereAndNowToken = 1202;

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

QString PlaceEntry(const TPlaceCandidate& c) {
  return QString::fromStdString(c.place + ", " + c.state);
}

}  // namespace

void TNameDlg::StateTextChanged() { stateId_ = lookup_.StateIdOf(Text(pages_.state)); }

// Leaving the state box: the exact name, or the first that begins with the
// text (the town then no longer belongs to it); else the states the text
// may mean, else the atlas may take the new state.
void TNameDlg::LeaveStateBox() {
  const std::string typed = Text(pages_.state);
  if (TrimTrailingBlanks(typed).empty()) return;
  if (const auto found = lookup_.FindState(typed)) {
    if (found->name != typed) pages_.state->setText(QString::fromStdString(found->name));
    if (!found->exact) pages_.town->clear();
    stateId_ = found->id;
    return;
  }
  if (ChooseState(typed)) return;
  if (services_.OpenAtlas &&
      desktop::ConfirmationBox(this, program_.Language(), program_.Token(kNotInAtlasToken)) ==
          desktop::baYes)
    services_.OpenAtlas(this, TrimTrailingBlanks(typed));
  pages_.state->setFocus(Qt::OtherFocusReason);
}

bool TNameDlg::ChooseState(const std::string& typed) {
  const std::vector<TStateCandidate> states = lookup_.StateCandidates(typed, kCandidateLimit);
  QStringList entries;
  for (const TStateCandidate& s : states) entries << QString::fromStdString(s.state);
  const auto chosen = ChooseFromList(this, program_.Language(), kSelectStateToken, entries);
  if (!chosen) return false;
  pages_.state->setText(entries[*chosen]);
  pages_.town->clear();
  stateId_ = states[static_cast<std::size_t>(*chosen)].stateId;
  return true;
}

// Leaving the town box: the place of the state by its exact name or the
// first that begins with the text; else the places the text may mean
// (within the state when there is one, everywhere when there is none); else
// the new place may be saved.
void TNameDlg::LeaveTownBox() {
  const std::string typed = Text(pages_.town);
  if (TrimTrailingBlanks(typed).empty()) return;
  const bool stateKnown = stateId_ != kNoStateId;
  if (stateKnown) {
    if (const auto found = lookup_.FindPlace(stateId_, typed)) {
      pages_.town->setText(QString::fromStdString(found->row.placeName));
      FillPlace(found->row);
      return;
    }
  }
  if (ChoosePlace(typed, stateKnown ? Text(pages_.state) : std::string())) return;
  if (!stateKnown) {
    Inform(kStateFirstToken);
    pages_.town->clear();
    pages_.state->setFocus(Qt::OtherFocusReason);
    return;
  }
  if (services_.SavePlace &&
      desktop::ConfirmationBox(this, program_.Language(), program_.Token(kNotInAtlasToken)) ==
          desktop::baYes &&
      services_.SavePlace(this, Text(pages_.state), TrimTrailingBlanks(typed))) {
    if (const auto saved = lookup_.FindPlace(stateId_, typed)) FillPlace(saved->row);
  }
  if (pages_.tabs->currentIndex() == npBirth) pages_.town->setFocus(Qt::OtherFocusReason);
}

bool TNameDlg::ChoosePlace(const std::string& town, const std::string& state) {
  const std::vector<TPlaceCandidate> places = lookup_.PlaceCandidates(town, state, kCandidateLimit);
  QStringList entries;
  for (const TPlaceCandidate& c : places) entries << PlaceEntry(c);
  const auto chosen = ChooseFromList(this, program_.Language(), kSelectPlaceToken, entries);
  if (!chosen) return false;
  const TPlaceCandidate& c = places[static_cast<std::size_t>(*chosen)];
  pages_.state->setText(QString::fromStdString(c.state));
  pages_.town->setText(QString::fromStdString(c.place));
  stateId_ = c.stateId;
  if (const auto found = lookup_.FindPlace(c.stateId, c.place)) FillPlace(found->row);
  return true;
}

void TNameDlg::FillPlace(const TPlaceRow& place) {
  TNameFields fields = ReadFields();
  SetCoordinateBoxes(fields, place.latitude, place.longitude, Letters());
  ShowPlaceData(fields);
  RecalcZoneAndSummer();
}

// ---- zone and summer time ---------------------------------------------------------

// With the automatic corrections on, the zone offset and summer time of
// the birth place at the typed moment fill their boxes; a moment that the
// clocks skipped or showed twice is pointed out once.
void TNameDlg::RecalcZoneAndSummer() {
  dateOrTimeChanged_ = false;
  TNameFields fields = ReadFields();
  if (!DateValid(fields, core::kJulianAlways)) return;
  std::optional<TZoneReading> reading;
  try {
    reading = lookup_.ZoneAndSummerAt(fields.state, fields.town, DateNumberOf(fields),
                                      TimeNumberOf(fields));
  } catch (const std::exception& e) {
    ShowError(e.what());
    return;
  }
  if (!reading) return;
  if (pages_.autoZone->isChecked())
    SetZoneBoxes(fields, reading->zone, Letters(), program_.Language().IsJapanese());
  if (pages_.autoSummer->isChecked()) SetSummerBoxes(fields, reading->summer);
  ShowPlaceData(fields);
  WarnOfClockChange(reading->clockChanges, fields.state);
}

// Each clock change is pointed out once, not again for every box of the
// time that the user types while the moment stays within it.
void TNameDlg::WarnOfClockChange(const std::vector<TClockChange>& changes,
                                 const std::string& state) {
  for (const TClockChange& change : changes) {
    const std::string key = state + "|" + change.placeName + "|" + std::to_string(change.date) +
                            "|" + std::to_string(change.changeMinute);
    if (key == warnedChange_) continue;
    warnedChange_ = key;
    desktop::InformationBox(this, program_.Language(),
                            QString::fromStdString(ClockChangeText(change, program_.Language())));
  }
}

void TNameDlg::TimeUnknownToggled(bool on) {
  if (searchLoading_ || !on) return;
  pages_.hour.value->setText(QStringLiteral("12"));
  pages_.minute.value->setText(QStringLiteral("00"));
  pages_.second.value->setText(QStringLiteral("00"));
  dateOrTimeChanged_ = true;
  RecalcZoneAndSummer();
}

void TNameDlg::AutoCorrectionToggled() {
  TSystemSettings& system = program_.Setup().System();
  const bool zoneOn = pages_.autoZone->isChecked() && !system.ChkZoneTime;
  const bool summerOn = pages_.autoSummer->isChecked() && !system.ChkSummerTime;
  system.ChkZoneTime = pages_.autoZone->isChecked();
  system.ChkSummerTime = pages_.autoSummer->isChecked();
  if (zoneOn || summerOn) RecalcZoneAndSummer();
}

// ---- here and now, searches ---------------------------------------------------------

// The user's own place at this moment, as a chart that is not stored.
void TNameDlg::HereAndNow() {
  const THerePlace here = SplitHerePlace(program_.Setup().Place(), [this](const std::string& s) {
    return lookup_.StateIdOf(s) != kNoStateId;
  });
  ClearPages();
  TNameFields fields = EmptyFields(Letters());
  fields.firstName = program_.Token(kHereAndNowToken).toStdString();
  fields.state = here.state;
  fields.town = here.town;
  const QDateTime now = QDateTime::currentDateTime();
  fields.day = TwoDigits(now.date().day());
  fields.month = TwoDigits(now.date().month());
  fields.year = std::to_string(now.date().year());
  fields.hour = TwoDigits(now.time().hour());
  fields.minute = TwoDigits(now.time().minute());
  fields.second = TwoDigits(now.time().second());
  ShowFields(fields);
  stateId_ = lookup_.StateIdOf(here.state);
  EnterState(TEditState::esInitClear);
  if (const auto place = lookup_.FindPlace(stateId_, here.town);
      place && place->exact) {
    FillPlace(place->row);
  } else {
    dateOrTimeChanged_ = true;
    RecalcZoneAndSummer();
  }
}

void TNameDlg::SearchName(bool firstNameFirst) {
  if (!services_.PickPerson) return;
  searchLoading_ = true;
  const auto picked = services_.PickPerson(this, firstNameFirst);
  const std::string first = picked ? picked->firstName : Text(pages_.firstName);
  const std::string last = picked ? picked->lastName : Text(pages_.lastName);
  LoadPerson(first, last);
  searchLoading_ = false;
  if (pages_.ok->isEnabled()) pages_.ok->setFocus(Qt::OtherFocusReason);
}

void TNameDlg::SearchState() {
  if (!services_.PickState) return;
  const auto chosen = services_.PickState(this);
  if (!chosen || *chosen == Text(pages_.state)) return;
  pages_.state->setText(QString::fromStdString(*chosen));
  pages_.town->clear();
}

void TNameDlg::SearchTown() {
  if (!services_.PickPlace) return;
  if (stateId_ == kNoStateId) {
    Inform(kStateFirstToken);
    return;
  }
  const auto chosen = services_.PickPlace(this, Text(pages_.state));
  if (!chosen) return;
  pages_.town->setText(QString::fromStdString(*chosen));
  if (const auto place = lookup_.FindPlace(stateId_, *chosen); place && place->exact) {
    FillPlace(place->row);
    return;
  }
  TNameFields fields = ReadFields();
  SetCoordinateBoxes(fields, 0, 0, Letters());
  ShowPlaceData(fields);
  RecalcZoneAndSummer();
}

}  // namespace vyn::dialogs

#include "dialogs/names/name_dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "app/core/input_checks.h"
#include "app/core/input_error.h"
#include "app/desktop/message_boxes.h"
#include "app/desktop/program.h"
#include "data/data_collection.h"
#include "dialogs/names/edit_fields.h"
#include "dialogs/names/primary_order.h"
#include "engine/horoscope.h"
#include "engine/text_helpers.h"
#include "language/qt/form_translation.h"

namespace vyn::dialogs {
namespace {

using desktop::TProgram;

// A working chart: the program's chart of the slot with its options and
// orbs, its person and birth data, inactive.
std::unique_ptr<THoroscope> WorkingCopy(TProgram& program, int slot) {
  const THoroscope& chart = program.Chart(slot);
  auto copy = std::make_unique<THoroscope>();
  copy->SetAspectMode(chart.AspectMode());
  program.Setup().ApplyYearWindow(*copy);
  program.Setup().ApplyOrbSet(program.Tables().Table(TTableRole::trOrbDefinitions), *copy);
  copy->Assign(chart);
  copy->SetGregorianStart(chart.GregorianStart());
  return copy;
}

QString WithoutAccelerator(QString text) { return text.remove(QLatin1Char('&')); }

}  // namespace

TNameDlg::TNameDlg(TProgram& program, TNameServices services, QWidget* parent)
    : QDialog(parent),
      program_(program),
      services_(std::move(services)),
      pages_(BuildNamePages(this)),
      store_(program.Tables()),
      lookup_(program.Tables()) {
  setObjectName("NameDlg");
  SetTag(this, 442);
  letters_ = Letters();
  if (program_.Language().IsJapanese()) ApplyJapaneseLayout(pages_);
  WireEditing();
  ClearPages();
  pages_.autoZone->setChecked(program_.Setup().System().ChkZoneTime);
  pages_.autoSummer->setChecked(program_.Setup().System().ChkSummerTime);
  for (int slot = 1; slot <= kPartnerSlots; ++slot) {
    working_[slot - 1] = WorkingCopy(program_, slot);
    program_.SetSlotFilled(slot, program_.Chart(slot).Active());
  }
  initialSlot_ = program_.CurrentSlot();
  currentSlot_ = initialSlot_;
  pages_.slotButtons[currentSlot_ - 1]->setChecked(true);
  Retranslate();
  pages_.tabs->setCurrentIndex(npBirth);
  editState_ = TEditState::esNameChanged;  // so that entering 0 applies its controls
  EnterState(TEditState::esInitClear);
  connect(&program_, &TProgram::LanguageChanged, this, &TNameDlg::Retranslate);
}

TNameDlg::~TNameDlg() = default;

const THoroscope& TNameDlg::WorkingChart(int slot) const { return *working_.at(slot - 1); }

int TNameDlg::OpenNameDialog() {
  Prepare();
  return exec();
}

void TNameDlg::Prepare() {
  currentSlot_ = 1;
  program_.SetCurrentSlot(1);
  pages_.slotButtons[0]->setChecked(true);
  if (program_.SlotFilled(1) && !working_[0]->FirstName().empty()) LoadSlot(1);
  RefreshPositions();
}

// ---- captions ---------------------------------------------------------------

void TNameDlg::Retranslate() {
  const TLanguage& language = program_.Language();
  TranslateForm(this, language);
  for (int page = 0; page < kNamePageCount; ++page)
    pages_.tabs->setTabText(page, program_.Token(kPageTokens[page]));
  ForEachDictionaryCaption(pages_, [&](QWidget* widget, const TDictionaryCaption& caption) {
    const QString text = program_.LanguageText(caption.key, caption.fallback);
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
  });
  const QString search = WithoutAccelerator(program_.Token(226));
  for (QToolButton* button : {pages_.firstNameSearch, pages_.lastNameSearch, pages_.stateSearch,
                              pages_.townSearch})
    button->setToolTip(search);
  const TLetters letters = Letters();
  SetLetters(letters_, letters);
  letters_ = letters;
  UpdateCaption();
}

void TNameDlg::UpdateCaption() {
  QString caption = program_.Token(442);
  if (program_.Setup().Debug().Database)
    caption = QString::fromStdString(EditStateCaption(editState_));
  setWindowTitle(caption);
}

// ---- edit states ----------------------------------------------------------------

void TNameDlg::EnterState(TEditState state) {
  if (state == editState_) return;
  editState_ = state;
  const TEditControls controls = ControlsOf(state);
  if (controls.emptyGroups) pages_.groups->clear();
  pages_.addGroup->setEnabled(controls.person && static_cast<bool>(services_.PickGroup));
  pages_.removeGroup->setEnabled(controls.person);
  pages_.insertPicture->setEnabled(controls.person);
  ShowPicture();
  UpdateCaption();
}

bool TNameDlg::LoadPerson(const std::string& first, const std::string& last) {
  std::optional<core::TPersonRecord> person;
  {
    TVynTable& names = program_.Tables().Table(TTableRole::trNames);
    TPrimaryOrder order(names);
    person = core::ReadPerson(names, first, last);
  }
  if (!person) return false;
  ShowFields(FieldsOf(*person, Letters()));
  ShowGroups(store_.Groups(KeyOf(*person)));
  stateId_ = lookup_.StateIdOf(person->birthCountry);
  EnterState(TEditState::esNewName);
  RefreshPositions();
  return true;
}

extended TNameDlg::GregorianStartOfBoxes(const TNameFields& fields) {
  return lookup_.GregorianStart(fields.state, fields.town,
                                static_cast<extended>(DateNumberOf(fields)) / 10000);
}

bool TNameDlg::BoxDateValid() {
  const TNameFields fields = ReadFields();
  // The calendar of the place decides only for a date of either calendar.
  return DateValid(fields, core::kJulianAlways) &&
         DateValid(fields, GregorianStartOfBoxes(fields));
}

bool TNameDlg::CheckedBirthData(core::TBirthData& birth) {
  if (!BoxDateValid()) {
    Inform(444);
    return false;
  }
  const TNameFields fields = ReadFields();
  birth = BirthDataOf(fields, Letters());
  birth.gregorianStart = GregorianStartOfBoxes(fields);
  birth.houseSystem = program_.Setup().System().HouseSystem;
  try {
    core::CheckBirthData(birth, "");
  } catch (const core::EInputError& e) {
    ShowError(e.what());
    return false;
  }
  return true;
}

bool TNameDlg::StorePerson() {
  if (editState_ == TEditState::esInitClear) return true;
  core::TBirthData birth;
  if (!CheckedBirthData(birth)) return false;
  try {
    const THourglass hourglass = HourglassOn();
    store_.Store(RecordOf(ReadFields(), Letters()), ListedGroups());
  } catch (const EPersonStoreError& e) {
    ShowError(e.what());
    return false;
  }
  EnterState(TEditState::esNameFound);
  program_.NotifyPeopleChanged();
  return true;
}

bool TNameDlg::CommitChanges(bool leaving) {
  const TNameFields fields = ReadFields();
  const TCommitAction action = CommitActionOf(editState_, leaving, !fields.firstName.empty());
  if (action != TCommitAction::caStore) return true;
  if (!StorePerson()) return false;
  LoadPerson(fields.firstName, fields.lastName);
  return true;
}

bool TNameDlg::CommitToChart() {
  core::TBirthData birth;
  if (!CheckedBirthData(birth)) return false;
  THoroscope& chart = *working_[currentSlot_ - 1];
  program_.SetSlotFilled(currentSlot_, true);
  try {
    chart.SetActive(false);
    core::ApplyBirthData(birth, "", chart);
    chart.SetActive(true);
  } catch (const std::exception& e) {
    chart.SetActive(false);
    ShowError(e.what());
    return false;
  }
  return true;
}

// ---- partner slots ------------------------------------------------------------

void TNameDlg::SlotClicked(int slot) {
  if (slot == currentSlot_) {
    pages_.slotButtons[slot - 1]->setChecked(true);
    return;
  }
  ShowBirthPage();
  if (!pages_.firstName->text().isEmpty() &&
      (!CommitChanges(true) || !CommitToChart())) {
    pages_.slotButtons[currentSlot_ - 1]->setChecked(true);
    return;
  }
  LoadSlot(slot);
}

void TNameDlg::LoadSlot(int slot) {
  currentSlot_ = slot;
  program_.SetCurrentSlot(slot);
  pages_.slotButtons[slot - 1]->setChecked(true);
  THoroscope& chart = *working_[slot - 1];
  if (program_.SlotFilled(slot) && !chart.FirstName().empty()) {
    if (LoadPerson(chart.FirstName(), chart.LastName())) {
      EnterState(TEditState::esNameFound);
    } else {
      // A person the file does not hold (a chart of the present moment).
      ClearPages();
      ShowFields(FieldsOf(RecordOfChart(chart), Letters()));
      stateId_ = lookup_.StateIdOf(chart.StateName());
      EnterState(TEditState::esInitClear);
    }
  } else {
    ClearPages();
    if (program_.SlotFilled(slot)) chart.SetActive(false);
    EnterState(TEditState::esInitClear);
  }
  RefreshPositions();
}

void TNameDlg::ForgetSlotsFrom(int slot) {
  for (int s = slot; s <= kPartnerSlots; ++s) {
    program_.SetSlotFilled(s, false);
    THoroscope& chart = *working_[s - 1];
    chart.SetActive(false);
    chart.SetFirstName("");
    chart.SetLastName("");
  }
}

// ---- pages ------------------------------------------------------------------

void TNameDlg::ShowBirthPage() {
  switchingTab_ = true;
  pages_.tabs->setCurrentIndex(npBirth);
  switchingTab_ = false;
  previousTab_ = npBirth;
}

// Leaving a page pushes the birth data into the program's chart of the
// slot. A date that is typed but wrong keeps the page, with a message;
// the birth page, where the date is typed, is always open.
void TNameDlg::TabChanging(int index) {
  if (switchingTab_) return;
  const TNameFields fields = ReadFields();
  const bool noDate = fields.day.empty() && fields.month.empty() && fields.year.empty();
  const bool passes = firstTabChangePasses_ || index == npBirth || noDate;
  firstTabChangePasses_ = false;
  if (BoxDateValid()) {
    PushToProgramChart();
  } else if (!passes) {
    switchingTab_ = true;
    pages_.tabs->setCurrentIndex(previousTab_);
    switchingTab_ = false;
    Inform(444);
    return;
  }
  previousTab_ = index;
  if (index == npWheel) RefreshPositions();
}

// Only the chart of the person shown follows: a chart under another
// person's name never takes these birth data.
void TNameDlg::PushToProgramChart() {
  const TNameFields fields = ReadFields();
  THoroscope& chart = program_.Chart(currentSlot_);
  if (fields.firstName.empty() || chart.FirstName() != CutToCharacters(fields.firstName, 48) ||
      chart.LastName() != CutToCharacters(fields.lastName, 48))
    return;
  core::TBirthData birth = BirthDataOf(fields, Letters());
  birth.gregorianStart = GregorianStartOfBoxes(fields);
  birth.houseSystem = program_.Setup().System().HouseSystem;
  try {
    core::CheckBirthData(birth, "");
  } catch (const core::EInputError&) {
    return;  // the boxes are checked again when the person is stored
  }
  TWheelLink* wheel = chart.Wheel();
  chart.SetWheel(nullptr);
  try {
    chart.SetActive(false);
    core::ApplyBirthData(birth, "", chart);
    chart.SetActive(true);
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
  chart.SetWheel(wheel);
}

// The wheel page shows the working chart of the slot as the boxes give it.
void TNameDlg::RefreshPositions() {
  QTreeWidget* list = pages_.positions;
  list->clear();
  if (pages_.tabs->currentIndex() != npWheel) return;
  const TNameFields fields = ReadFields();
  if (fields.firstName.empty() || !BoxDateValid()) return;
  core::TBirthData birth = BirthDataOf(fields, Letters());
  birth.gregorianStart = GregorianStartOfBoxes(fields);
  birth.houseSystem = program_.Setup().System().HouseSystem;
  THoroscope& chart = *working_[currentSlot_ - 1];
  try {
    core::CheckBirthData(birth, "");
    chart.SetActive(false);
    core::ApplyBirthData(birth, "", chart);
    chart.SetActive(true);
  } catch (const std::exception&) {
    chart.SetActive(false);
    return;
  }
  const TLanguage& language = program_.Language();
  const auto add = [&](const std::string& name, extended position) {
    const TSignSplit split = SignSplit(position);
    auto* item = new QTreeWidgetItem(
        {QString::fromStdString(name), QString::fromStdString(language.SignName(split.sign)),
         QString::fromStdString(FormatPos(split.rest))});
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    list->addTopLevelItem(item);
  };
  for (int body = 0; body < 12; ++body) add(language.PlanetName(body), chart.PlanetPos(body + 1));
  add(language.BodyName(13), chart.PlanetPos(16));  // Ascendant: cusp 1
  add(language.BodyName(14), chart.PlanetPos(13));  // Midheaven: cusp 10
}

// ---- OK, Cancel, Clear --------------------------------------------------------

void TNameDlg::Ok() {
  if (currentSlot_ == 1 || currentSlot_ == 2) {
    const int other = currentSlot_ == 1 ? 2 : 1;
    SlotClicked(other);
    if (currentSlot_ != other) return;
  }
  if (program_.SlotFilled(1) != program_.SlotFilled(2)) {
    Inform(1201);
    return;
  }
  if (!pages_.firstName->text().isEmpty()) {
    if (!CommitChanges(true) || !CommitToChart()) return;
  }
  THoroscope& one = program_.Chart(1);
  THoroscope& two = program_.Chart(2);
  try {
    two.SetActive(false);
    one.SetActive(false);
    for (int slot : {1, 2}) {
      THoroscope& chart = program_.Chart(slot);
      const THoroscope& from = *working_[slot - 1];
      chart.Assign(from);
      chart.SetGregorianStart(from.GregorianStart());
    }
    one.SetPartner(&two);
    two.SetPartner(&one);
    program_.StoreCurrentPair();
  } catch (const std::exception& e) {
    ShowError(e.what());
    return;
  }
  program_.NotifyPeopleChanged();
  try {
    for (int slot : {1, 2})
      if (program_.SlotFilled(slot) && program_.SlotLoaded(slot))
        program_.Chart(slot).SetActive(true);
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
  accept();
}

void TNameDlg::reject() {
  for (int slot = 1; slot <= kPartnerSlots; ++slot)
    program_.SetSlotFilled(slot, program_.Chart(slot).Active());
  program_.SetCurrentSlot(initialSlot_);
  QDialog::reject();
}

void TNameDlg::Clear() {
  ShowBirthPage();
  CommitChanges(false);
  ClearPages();
  ForgetSlotsFrom(currentSlot_);
  EnterState(TEditState::esInitClear);
  RefreshPositions();
}

void TNameDlg::ShowHelp() {
  if (services_.ShowHelp)
    services_.ShowHelp(this);
  else
    pages_.tabs->setCurrentIndex(npHelp);
}

// ---- messages -----------------------------------------------------------------

void TNameDlg::Inform(int token) { desktop::InformationToken(this, program_.Language(), token); }

void TNameDlg::ShowError(const std::string& text) {
  desktop::InformationBox(this, program_.Language(), QString::fromStdString(text));
}

}  // namespace vyn::dialogs

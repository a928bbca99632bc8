#include "dialogs/names/name_pages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "dialogs/names/edit_fields.h"
#include "language/qt/form_translation.h"

namespace vyn::dialogs {
namespace {

// Lengths of the boxes, in characters.
constexpr int kNameLength = 40;
constexpr int kAtlasNameLength = 40;
constexpr int kPostalCodeLength = 12;
constexpr int kAddressLength = 24;
constexpr int kJapaneseLetterLength = 4;
constexpr int kJapaneseAddressTownLength = 40;
constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 180;

QLabel* Label(QWidget* parent, int tag, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  if (tag > 0) SetTag(label, tag);
  return label;
}

QLineEdit* Edit(QWidget* parent, const char* name, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  return edit;
}

// A box wide enough for `characters` digits or letters and no wider.
void FitCharacters(QLineEdit* edit, int characters) {
  const QFontMetrics metrics(edit->font());
  const int text = metrics.horizontalAdvance(QString(characters, QLatin1Char('W')));
  edit->setFixedWidth(text + 2 * metrics.averageCharWidth() + 8);
}

TCaptioned Captioned(QWidget* parent, int tag, const char* name, int length) {
  TCaptioned c;
  c.caption = Label(parent, tag, (std::string(name) + "Caption").c_str());
  c.value = Edit(parent, name, length);
  c.value->setAlignment(Qt::AlignRight);
  FitCharacters(c.value, length);
  c.caption->setBuddy(c.value);
  return c;
}

// Caption and value boxes in the columns from 1 on, so that the boxes of
// the rows below stand under each other.
void AddPairs(QGridLayout* grid, int row, std::initializer_list<const TCaptioned*> parts) {
  int column = 1;
  for (const TCaptioned* part : parts) {
    grid->addWidget(part->caption, row, column++);
    grid->addWidget(part->value, row, column++, Qt::AlignLeft);
  }
}

QToolButton* SearchButton(QWidget* parent, const char* name) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(QStringLiteral("..."));
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

QPushButton* Button(QWidget* parent, int tag, const char* name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  if (tag > 0) SetTag(button, tag);
  button->setAutoDefault(false);
  return button;
}

void BuildNames(QDialog* dialog, TNamePages& p, QGridLayout* grid) {
  p.firstNameLabel = Label(dialog, 0, "FirstNameLabel");
  p.firstName = Edit(dialog, "FirstNameEdit", kNameLength);
  p.firstNameSearch = SearchButton(dialog, "FirstNameSearch");
  p.lastNameLabel = Label(dialog, 0, "LastNameLabel");
  p.lastName = Edit(dialog, "LastNameEdit", kNameLength);
  p.lastNameSearch = SearchButton(dialog, "LastNameSearch");
  p.firstNameLabel->setBuddy(p.firstName);
  p.lastNameLabel->setBuddy(p.lastName);
  p.sexLabel = Label(dialog, 0, "SexLabel");
  p.male = new QRadioButton(dialog);
  p.male->setObjectName("MaleButton");
  SetTag(p.male, 1290);
  p.female = new QRadioButton(dialog);
  p.female->setObjectName("FemaleButton");
  SetTag(p.female, 1291);
  p.male->setChecked(true);
  p.sexLabel->setBuddy(p.male);

  grid->addWidget(p.firstNameLabel, 0, 0);
  grid->addWidget(p.firstName, 0, 1);
  grid->addWidget(p.firstNameSearch, 0, 2);
  grid->addWidget(p.lastNameLabel, 1, 0);
  grid->addWidget(p.lastName, 1, 1);
  grid->addWidget(p.lastNameSearch, 1, 2);
  auto* sex = new QHBoxLayout;
  sex->addWidget(p.male);
  sex->addWidget(p.female);
  sex->addStretch(1);
  grid->addWidget(p.sexLabel, 2, 0);
  grid->addLayout(sex, 2, 1, 1, 2);
}

void BuildPartners(QDialog* dialog, TNamePages& p, QGridLayout* grid) {
  p.partners = new QGroupBox(dialog);
  p.partners->setObjectName("PartnerGroup");
  SetTag(p.partners, 1292);
  p.slotGroup = new QButtonGroup(dialog);
  p.slotGroup->setExclusive(true);
  auto* slotGrid = new QGridLayout(p.partners);
  for (int slot = 1; slot <= kPartnerSlots; ++slot) {
    QPushButton* button = Button(p.partners, 0, ("SlotButton" + std::to_string(slot)).c_str());
    button->setText(QStringLiteral("&%1").arg(slot));
    button->setCheckable(true);
    button->setFixedWidth(QFontMetrics(button->font()).horizontalAdvance("000") + 16);
    p.slotGroup->addButton(button, slot);
    p.slotButtons[slot - 1] = button;
    slotGrid->addWidget(button, (slot - 1) / 3, (slot - 1) % 3);
  }
  grid->addWidget(p.partners, 0, 3, 3, 1, Qt::AlignTop);
}

// Columns: 0 labels, 1 to 6 the caption and value boxes of the date and
// the time, 7 the free rest, 8 the search buttons.
QWidget* BuildBirthPage(QWidget* parent, TNamePages& p) {
  constexpr int kRest = 7;
  constexpr int kSearch = 8;
  auto* page = new QWidget(parent);
  auto* grid = new QGridLayout(page);
  p.stateLabel = Label(page, 0, "StateLabel");
  p.state = Edit(page, "StateEdit", kAtlasNameLength);
  p.stateSearch = SearchButton(page, "StateSearch");
  p.townLabel = Label(page, 0, "TownLabel");
  p.town = Edit(page, "TownEdit", kAtlasNameLength);
  p.townSearch = SearchButton(page, "TownSearch");
  p.stateLabel->setBuddy(p.state);
  p.townLabel->setBuddy(p.town);
  grid->addWidget(p.stateLabel, 0, 0);
  grid->addWidget(p.state, 0, 1, 1, kRest);
  grid->addWidget(p.stateSearch, 0, kSearch);
  grid->addWidget(p.townLabel, 1, 0);
  grid->addWidget(p.town, 1, 1, 1, kRest);
  grid->addWidget(p.townSearch, 1, kSearch);

  p.dateLabel = Label(page, 392, "DateLabel");
  p.day = Captioned(page, 396, "DayEdit", 2);
  p.month = Captioned(page, 394, "MonthEdit", 2);
  p.year = Captioned(page, 395, "YearEdit", 4);
  p.dateLabel->setBuddy(p.day.value);
  grid->addWidget(p.dateLabel, 2, 0);
  AddPairs(grid, 2, {&p.day, &p.month, &p.year});

  p.timeLabel = Label(page, 393, "TimeLabel");
  p.hour = Captioned(page, 398, "HourEdit", 2);
  p.minute = Captioned(page, 397, "MinuteEdit", 2);
  p.second = Captioned(page, 399, "SecondEdit", 2);
  p.timeLabel->setBuddy(p.hour.value);
  grid->addWidget(p.timeLabel, 3, 0);
  AddPairs(grid, 3, {&p.hour, &p.minute, &p.second});

  p.timeUnknown = new QCheckBox(page);
  p.timeUnknown->setObjectName("TimeUnknownCheck");
  SetTag(p.timeUnknown, 691);
  p.hereAndNow = Button(page, 1202, "HereAndNowButton");
  grid->addWidget(p.timeUnknown, 4, 1, 1, 6);
  grid->addWidget(p.hereAndNow, 4, kRest, 1, 2, Qt::AlignRight);
  grid->setColumnStretch(kRest, 1);
  grid->setRowStretch(5, 1);
  return page;
}

QWidget* BuildPlacePage(QWidget* parent, TNamePages& p) {
  auto* page = new QWidget(parent);
  auto* grid = new QGridLayout(page);
  p.latitudeLabel = Label(page, 605, "LatitudeLabel");
  p.latitudeDegrees = Captioned(page, 425, "LatitudeDegreesEdit", 2);
  p.latitudeMinutes = Captioned(page, 423, "LatitudeMinutesEdit", 2);
  p.latitudeLetter = Captioned(page, 424, "LatitudeLetterEdit", 1);
  p.longitudeLabel = Label(page, 604, "LongitudeLabel");
  p.longitudeDegrees = Captioned(page, 425, "LongitudeDegreesEdit", 3);
  p.longitudeMinutes = Captioned(page, 423, "LongitudeMinutesEdit", 2);
  p.longitudeLetter = Captioned(page, 426, "LongitudeLetterEdit", 1);
  p.zoneLabel = Label(page, 603, "ZoneLabel");
  p.zoneHours = Captioned(page, 398, "ZoneHoursEdit", 2);
  p.zoneMinutes = Captioned(page, 397, "ZoneMinutesEdit", 2);
  p.zoneLetter = Captioned(page, 426, "ZoneLetterEdit", 1);
  p.summerLabel = Label(page, 0, "SummerLabel");
  p.summerHours = Captioned(page, 398, "SummerHoursEdit", 2);
  p.summerMinutes = Captioned(page, 397, "SummerMinutesEdit", 2);
  for (const TCaptioned* letter : {&p.latitudeLetter, &p.longitudeLetter, &p.zoneLetter}) {
    FitCharacters(letter->value, kJapaneseLetterLength / 2);
    letter->value->setAlignment(Qt::AlignCenter);
  }
  FitCharacters(p.latitudeDegrees.value, 3);  // its column's width: the longitude's
  p.latitudeLabel->setBuddy(p.latitudeDegrees.value);
  p.longitudeLabel->setBuddy(p.longitudeDegrees.value);
  p.zoneLabel->setBuddy(p.zoneHours.value);
  p.summerLabel->setBuddy(p.summerHours.value);

  grid->addWidget(p.latitudeLabel, 0, 0);
  AddPairs(grid, 0, {&p.latitudeDegrees, &p.latitudeMinutes, &p.latitudeLetter});
  grid->addWidget(p.longitudeLabel, 1, 0);
  AddPairs(grid, 1, {&p.longitudeDegrees, &p.longitudeMinutes, &p.longitudeLetter});
  grid->addWidget(p.zoneLabel, 2, 0);
  AddPairs(grid, 2, {&p.zoneHours, &p.zoneMinutes, &p.zoneLetter});
  grid->addWidget(p.summerLabel, 3, 0);
  AddPairs(grid, 3, {&p.summerHours, &p.summerMinutes});

  p.autoZone = new QCheckBox(page);
  p.autoZone->setObjectName("AutoZoneCheck");
  SetTag(p.autoZone, 649);
  p.autoSummer = new QCheckBox(page);
  p.autoSummer->setObjectName("AutoSummerCheck");
  SetTag(p.autoSummer, 650);
  grid->addWidget(p.autoZone, 4, 0, 1, 8);
  grid->addWidget(p.autoSummer, 5, 0, 1, 8);
  grid->setColumnStretch(7, 1);
  grid->setRowStretch(6, 1);
  return page;
}

QWidget* BuildAddressPage(QWidget* parent, TNamePages& p) {
  auto* page = new QWidget(parent);
  auto* grid = new QGridLayout(page);
  p.addressLabel = Label(page, 0, "AddressLabel");
  p.address1 = Edit(page, "Address1Edit", kAddressLength);
  p.address2 = Edit(page, "Address2Edit", kAddressLength);
  p.postalCodeLabel = Label(page, 0, "PostalCodeLabel");
  p.postalCode = Edit(page, "PostalCodeEdit", kPostalCodeLength);
  p.addressTownLabel = Label(page, 0, "AddressTownLabel");
  p.addressTown = Edit(page, "AddressTownEdit", kAddressLength);
  p.addressCountryLabel = Label(page, 0, "AddressCountryLabel");
  p.addressCountry = Edit(page, "AddressCountryEdit", kAddressLength);
  p.homePhoneLabel = Label(page, 0, "HomePhoneLabel");
  p.homePhone = Edit(page, "HomePhoneEdit", kAddressLength);
  p.workPhoneLabel = Label(page, 0, "WorkPhoneLabel");
  p.workPhone = Edit(page, "WorkPhoneEdit", kAddressLength);
  p.faxLabel = Label(page, 0, "FaxLabel");
  p.fax = Edit(page, "FaxEdit", kAddressLength);
  FitCharacters(p.postalCode, kPostalCodeLength);
  const std::vector<std::pair<QLabel*, QLineEdit*>> rows = {
      {p.addressLabel, p.address1},         {nullptr, p.address2},
      {p.postalCodeLabel, p.postalCode},    {p.addressTownLabel, p.addressTown},
      {p.addressCountryLabel, p.addressCountry}, {p.homePhoneLabel, p.homePhone},
      {p.workPhoneLabel, p.workPhone},      {p.faxLabel, p.fax}};
  int row = 0;
  for (const auto& [label, edit] : rows) {
    if (label) {
      label->setBuddy(edit);
      grid->addWidget(label, row, 0);
    }
    grid->addWidget(edit, row, 1, Qt::AlignLeft);
    if (edit != p.postalCode) FitCharacters(edit, kAddressLength * 3 / 4);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row, 1);
  return page;
}

QWidget* BuildPicturePage(QWidget* parent, TNamePages& p) {
  auto* page = new QWidget(parent);
  auto* layout = new QHBoxLayout(page);
  p.picture = new QLabel(page);
  p.picture->setObjectName("PictureImage");
  p.picture->setFixedSize(kPictureWidth, kPictureHeight);
  p.picture->setFrameShape(QFrame::StyledPanel);
  p.picture->setAlignment(Qt::AlignCenter);
  p.insertPicture = Button(page, 430, "InsertPictureButton");
  p.clearPicture = Button(page, 431, "ClearPictureButton");
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(p.insertPicture);
  buttons->addWidget(p.clearPicture);
  buttons->addStretch(1);
  layout->addWidget(p.picture, 0, Qt::AlignTop);
  layout->addLayout(buttons);
  layout->addStretch(1);
  return page;
}

QWidget* BuildNotesPage(QWidget* parent, TNamePages& p) {
  auto* page = new QWidget(parent);
  auto* layout = new QVBoxLayout(page);
  p.notes = new QPlainTextEdit(page);
  p.notes->setObjectName("NotesEdit");
  p.notes->setTabChangesFocus(true);
  layout->addWidget(p.notes);
  return page;
}

QWidget* BuildGroupsPage(QWidget* parent, TNamePages& p) {
  auto* page = new QWidget(parent);
  auto* layout = new QHBoxLayout(page);
  p.groups = new QListWidget(page);
  p.groups->setObjectName("GroupsList");
  p.addGroup = Button(page, 0, "AddGroupButton");
  p.removeGroup = Button(page, 0, "RemoveGroupButton");
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(p.addGroup);
  buttons->addWidget(p.removeGroup);
  buttons->addStretch(1);
  layout->addWidget(p.groups, 1);
  layout->addLayout(buttons);
  return page;
}

QWidget* BuildHelpPage(QWidget* parent, TNamePages& p) {
  auto* page = new QWidget(parent);
  auto* layout = new QVBoxLayout(page);
  p.helpText = Label(page, 696, "HelpText");
  p.helpText->setWordWrap(true);
  p.helpText->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  layout->addWidget(p.helpText);
  layout->addStretch(1);
  return page;
}

QWidget* BuildWheelPage(QWidget* parent, TNamePages& p) {
  auto* page = new QWidget(parent);
  auto* layout = new QVBoxLayout(page);
  p.positions = new QTreeWidget(page);
  p.positions->setObjectName("PositionsList");
  p.positions->setColumnCount(3);
  p.positions->setHeaderHidden(true);
  p.positions->setRootIsDecorated(false);
  p.positions->setSelectionMode(QAbstractItemView::NoSelection);
  p.positions->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  p.positions->header()->setStretchLastSection(false);
  layout->addWidget(p.positions);
  return page;
}

void BuildFoot(QDialog* dialog, TNamePages& p, QVBoxLayout* layout) {
  p.ok = Button(dialog, 506, "OkButton");
  p.cancel = Button(dialog, 507, "CancelButton");
  p.clear = Button(dialog, 383, "ClearButton");
  p.help = Button(dialog, 502, "HelpButton");
  p.ok->setDefault(true);
  auto* foot = new QHBoxLayout;
  foot->addStretch(1);
  for (QPushButton* button : {p.ok, p.cancel, p.clear, p.help}) foot->addWidget(button);
  layout->addLayout(foot);
}

// Tab follows the reading order: names, sex, slots, the tab row and the
// boxes of each page, then the buttons.
void SetTabOrder(TNamePages& p) {
  std::vector<QWidget*> order = {p.firstName,   p.firstNameSearch, p.lastName, p.lastNameSearch,
                                 p.male,        p.female};
  for (QPushButton* button : p.slotButtons) order.push_back(button);
  order.push_back(p.tabs->tabBar());
  for (QWidget* w : std::initializer_list<QWidget*>{
           p.state, p.stateSearch, p.town, p.townSearch, p.day.value, p.month.value,
           p.year.value, p.hour.value, p.minute.value, p.second.value, p.timeUnknown,
           p.hereAndNow, p.latitudeDegrees.value, p.latitudeMinutes.value,
           p.latitudeLetter.value, p.longitudeDegrees.value, p.longitudeMinutes.value,
           p.longitudeLetter.value, p.zoneHours.value, p.zoneMinutes.value, p.zoneLetter.value,
           p.summerHours.value, p.summerMinutes.value, p.autoZone, p.autoSummer, p.address1,
           p.address2, p.postalCode, p.addressTown, p.addressCountry, p.homePhone, p.workPhone,
           p.fax, p.insertPicture, p.clearPicture, p.notes, p.groups, p.addGroup,
           p.removeGroup, p.positions, p.ok, p.cancel, p.clear, p.help})
    order.push_back(w);
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

TNamePages BuildNamePages(QDialog* dialog) {
  TNamePages p;
  auto* layout = new QVBoxLayout(dialog);
  auto* top = new QGridLayout;
  BuildNames(dialog, p, top);
  BuildPartners(dialog, p, top);
  top->setColumnStretch(1, 1);
  layout->addLayout(top);

  p.tabs = new QTabWidget(dialog);
  p.tabs->setObjectName("PageTabs");
  p.tabs->setUsesScrollButtons(false);  // every page's tab in sight
  p.tabs->addTab(BuildBirthPage(p.tabs, p), QString());
  p.tabs->addTab(BuildPlacePage(p.tabs, p), QString());
  p.tabs->addTab(BuildAddressPage(p.tabs, p), QString());
  p.tabs->addTab(BuildPicturePage(p.tabs, p), QString());
  p.tabs->addTab(BuildNotesPage(p.tabs, p), QString());
  p.tabs->addTab(BuildGroupsPage(p.tabs, p), QString());
  p.tabs->addTab(BuildHelpPage(p.tabs, p), QString());
  p.tabs->addTab(BuildWheelPage(p.tabs, p), QString());
  layout->addWidget(p.tabs, 1);
  BuildFoot(dialog, p, layout);
  SetTabOrder(p);
  return p;
}

void ApplyJapaneseLayout(TNamePages& p) {
  SwapControls(p.firstNameLabel, p.lastNameLabel);
  SwapControls(p.firstName, p.lastName);
  SwapControls(p.firstNameSearch, p.lastNameSearch);
  for (TCaptioned* c : {&p.day, &p.month, &p.year, &p.hour, &p.minute, &p.second,
                        &p.latitudeDegrees, &p.latitudeMinutes, &p.latitudeLetter,
                        &p.longitudeDegrees, &p.longitudeMinutes, &p.longitudeLetter,
                        &p.zoneHours, &p.zoneMinutes, &p.zoneLetter, &p.summerHours,
                        &p.summerMinutes}) {
    SwapControls(c->caption, c->value);
    // A number stands close to the unit after it.
    c->value->parentWidget()->layout()->setAlignment(c->value, Qt::AlignRight);
  }
  for (TCaptioned* letter : {&p.latitudeLetter, &p.longitudeLetter, &p.zoneLetter}) {
    letter->value->setMaxLength(kJapaneseLetterLength);
    FitCharacters(letter->value, kJapaneseLetterLength);
  }
  p.addressTown->setMaxLength(kJapaneseAddressTownLength);
}

void ForEachDictionaryCaption(
    const TNamePages& p,
    const std::function<void(QWidget*, const TDictionaryCaption&)>& apply) {
  apply(p.firstNameLabel, {"FirstName", "Fi&rst name"});
  apply(p.lastNameLabel, {"LastName", "L&ast name"});
  apply(p.sexLabel, {"SexMF", "&Sex M/F"});
  apply(p.stateLabel, {"BirthCountry", "Countr&y/State"});
  apply(p.townLabel, {"BirthTown", "To&wn"});
  apply(p.summerLabel, {"SummerAdvance", "S&ummer time"});
  apply(p.addressLabel, {"Address", "A&ddress"});
  apply(p.postalCodeLabel, {"PostalCode", "&Postal code"});
  apply(p.addressTownLabel, {"Town", "&Town"});
  apply(p.addressCountryLabel, {"Country", "Countr&y"});
  apply(p.homePhoneLabel, {"HomePhone", "Home pho&ne"});
  apply(p.workPhoneLabel, {"WorkPhone", "Wor&k phone"});
  apply(p.faxLabel, {"Fax", "Fa&x"});
  apply(p.addGroup, {"AddGroup", "A&dd"});
  apply(p.removeGroup, {"RemoveGroup", "Remo&ve"});
}

}  // namespace vyn::dialogs

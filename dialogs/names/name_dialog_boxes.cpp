// The name dialog's boxes: reading and showing them as one TNameFields,
// the picture and the groups list.
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "app/desktop/program.h"
#include "dialogs/names/edit_fields.h"
#include "dialogs/names/name_dialog.h"

namespace vyn::dialogs {
namespace {

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

void Show(QLineEdit* edit, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (edit->text() != value) edit->setText(value);
}

// The smallest picture worth clearing is wider or taller than this.
constexpr int kTinyPicture = 4;

}  // namespace

TNameFields TNameDlg::ReadFields() const {
  const TNamePages& p = pages_;
  TNameFields f;
  f.firstName = Text(p.firstName);
  f.lastName = Text(p.lastName);
  f.female = p.female->isChecked();
  f.state = Text(p.state);
  f.town = Text(p.town);
  f.day = Text(p.day.value);
  f.month = Text(p.month.value);
  f.year = Text(p.year.value);
  f.hour = Text(p.hour.value);
  f.minute = Text(p.minute.value);
  f.second = Text(p.second.value);
  f.timeUnknown = p.timeUnknown->isChecked();
  f.latitudeDegrees = Text(p.latitudeDegrees.value);
  f.latitudeMinutes = Text(p.latitudeMinutes.value);
  f.latitudeLetter = Text(p.latitudeLetter.value);
  f.longitudeDegrees = Text(p.longitudeDegrees.value);
  f.longitudeMinutes = Text(p.longitudeMinutes.value);
  f.longitudeLetter = Text(p.longitudeLetter.value);
  f.zoneHours = Text(p.zoneHours.value);
  f.zoneMinutes = Text(p.zoneMinutes.value);
  f.zoneLetter = Text(p.zoneLetter.value);
  f.summerHours = Text(p.summerHours.value);
  f.summerMinutes = Text(p.summerMinutes.value);
  f.address1 = Text(p.address1);
  f.address2 = Text(p.address2);
  f.postalCode = Text(p.postalCode);
  f.addressTown = Text(p.addressTown);
  f.addressCountry = Text(p.addressCountry);
  f.homePhone = Text(p.homePhone);
  f.workPhone = Text(p.workPhone);
  f.fax = Text(p.fax);
  f.picture = picture_;
  f.notes = p.notes->toPlainText().toStdString();
  return f;
}

void TNameDlg::ShowFields(const TNameFields& f) {
  const TNamePages& p = pages_;
  Show(p.firstName, f.firstName);
  Show(p.lastName, f.lastName);
  (f.female ? p.female : p.male)->setChecked(true);
  Show(p.state, f.state);
  Show(p.town, f.town);
  Show(p.day.value, f.day);
  Show(p.month.value, f.month);
  Show(p.year.value, f.year);
  Show(p.hour.value, f.hour);
  Show(p.minute.value, f.minute);
  Show(p.second.value, f.second);
  const bool loading = searchLoading_;
  searchLoading_ = true;  // setting the box is no tick of the user's
  p.timeUnknown->setChecked(f.timeUnknown);
  searchLoading_ = loading;
  ShowPlaceData(f);
  Show(p.address1, f.address1);
  Show(p.address2, f.address2);
  Show(p.postalCode, f.postalCode);
  Show(p.addressTown, f.addressTown);
  Show(p.addressCountry, f.addressCountry);
  Show(p.homePhone, f.homePhone);
  Show(p.workPhone, f.workPhone);
  Show(p.fax, f.fax);
  if (p.notes->toPlainText().toStdString() != f.notes)
    p.notes->setPlainText(QString::fromStdString(f.notes));
  picture_ = f.picture;
  ShowPicture();
}

void TNameDlg::ShowPlaceData(const TNameFields& f) {
  const TNamePages& p = pages_;
  Show(p.latitudeDegrees.value, f.latitudeDegrees);
  Show(p.latitudeMinutes.value, f.latitudeMinutes);
  Show(p.latitudeLetter.value, f.latitudeLetter);
  Show(p.longitudeDegrees.value, f.longitudeDegrees);
  Show(p.longitudeMinutes.value, f.longitudeMinutes);
  Show(p.longitudeLetter.value, f.longitudeLetter);
  Show(p.zoneHours.value, f.zoneHours);
  Show(p.zoneMinutes.value, f.zoneMinutes);
  Show(p.zoneLetter.value, f.zoneLetter);
  Show(p.summerHours.value, f.summerHours);
  Show(p.summerMinutes.value, f.summerMinutes);
}

void TNameDlg::ClearPages() {
  ShowFields(EmptyFields(Letters()));
  pages_.groups->clear();
  stateId_ = kNoStateId;
}

TLetters TNameDlg::Letters() const { return LettersOf(program_.Language()); }

void TNameDlg::SetLetters(const TLetters& from, const TLetters& to) {
  const auto remap = [&](QLineEdit* edit, const std::string& a, const std::string& b,
                         const std::string& newA, const std::string& newB) {
    const std::string text = Text(edit);
    if (text == a) Show(edit, newA);
    else if (text == b) Show(edit, newB);
  };
  remap(pages_.latitudeLetter.value, from.north, from.south, to.north, to.south);
  remap(pages_.longitudeLetter.value, from.west, from.east, to.west, to.east);
  remap(pages_.zoneLetter.value, from.west, from.east, to.west, to.east);
}

// ---- picture ---------------------------------------------------------------

void TNameDlg::ShowPicture() {
  QPixmap pixmap;
  if (!picture_.empty())
    pixmap.loadFromData(reinterpret_cast<const uchar*>(picture_.data()),
                        static_cast<uint>(picture_.size()));
  QLabel* frame = pages_.picture;
  if (pixmap.isNull())
    frame->clear();
  else
    frame->setPixmap(pixmap.scaled(frame->size() - QSize(4, 4), Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation));
  const bool worthClearing = pixmap.width() > kTinyPicture || pixmap.height() > kTinyPicture;
  pages_.clearPicture->setEnabled(ControlsOf(editState_).person && worthClearing);
}

void TNameDlg::InsertPicture() {
  const QImage image = QGuiApplication::clipboard()->image();
  if (image.isNull()) {
    QApplication::beep();
    if (!program_.Token(1073).isEmpty()) Inform(1073);
    return;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  picture_.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  ShowPicture();
  EnterState(AfterPictureChange(editState_));
}

void TNameDlg::ClearPicture() {
  if (picture_.empty()) return;
  QImage image;
  if (image.loadFromData(reinterpret_cast<const uchar*>(picture_.data()),
                         static_cast<int>(picture_.size())))
    QGuiApplication::clipboard()->setImage(image);
  picture_.clear();
  ShowPicture();
  EnterState(AfterPictureChange(editState_));
}

// ---- groups -----------------------------------------------------------------

void TNameDlg::ShowGroups(const std::vector<std::string>& groups) {
  pages_.groups->clear();
  for (const std::string& group : groups) pages_.groups->addItem(QString::fromStdString(group));
  if (pages_.groups->count() > 0) pages_.groups->setCurrentRow(0);
}

std::vector<std::string> TNameDlg::ListedGroups() const {
  std::vector<std::string> groups;
  for (int i = 0; i < pages_.groups->count(); ++i)
    groups.push_back(pages_.groups->item(i)->text().toStdString());
  return groups;
}

// A group joins the list here and the group table with the person, when
// the person is stored: a membership never names a person who is not.
void TNameDlg::AddGroup() {
  if (!services_.PickGroup) return;
  const auto group = services_.PickGroup(this);
  if (!group || group->empty()) return;
  std::vector<std::string> groups = ListedGroups();
  if (std::find(groups.begin(), groups.end(), *group) != groups.end()) return;
  groups.push_back(*group);
  std::sort(groups.begin(), groups.end());
  ShowGroups(groups);
  pages_.groups->setCurrentRow(
      static_cast<int>(std::find(groups.begin(), groups.end(), *group) - groups.begin()));
}

void TNameDlg::RemoveGroup() {
  const int row = pages_.groups->currentRow();
  if (row < 0) return;
  delete pages_.groups->takeItem(row);
  if (pages_.groups->count() > 0)
    pages_.groups->setCurrentRow(std::min(row, pages_.groups->count() - 1));
}

}  // namespace vyn::dialogs

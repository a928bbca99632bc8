#include "dialogs/search/search_form.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/desktop/message_boxes.h"
#include "app/desktop/program.h"
#include "data/data_collection.h"
#include "dialogs/search/search_list_model.h"
#include "dialogs/search/search_store.h"
#include "dialogs/search/search_suggestions.h"
#include "language/qt/form_translation.h"

namespace vyn::dialogs {
namespace {

constexpr int kAllPeopleToken = 172;
constexpr int kBusyToken = 516;
constexpr int kDeleteQuestionToken = 1000;  // with %1, the person
constexpr int kDeleteWordsToken = 432;
constexpr int kPersonWordToken = 14;
constexpr int kAreYouSureToken = 486;
constexpr const char* kNoState = "0000";
constexpr const char* kJapaneseEdition = "JP";

QString FromStd(const std::string& text) { return QString::fromStdString(text); }
std::string ToStd(const QString& text) { return text.toStdString(); }

// An identifier as four digits: "12" -> "0012"; other texts stay.
QString FourDigits(const std::string& id) {
  const QString text = FromStd(id);
  const bool digits = !text.isEmpty() && text.size() < 4 &&
                      std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
  return digits ? text.rightJustified(4, QLatin1Char('0')) : text;
}

TSearchRequest RequestFor(ESearchMode mode, const QString& state = {},
                          bool firstNameFirst = true, QWidget* owner = nullptr) {
  TSearchRequest request;
  request.mode = mode;
  request.state = state;
  request.firstNameFirst = firstNameFirst;
  request.owner = owner;
  return request;
}

// A table angle (degrees * 100 + minutes) as degrees with the minutes in
// the first two decimals.
double DegreesMinutes(long angle) { return angle / 100.0; }

template <class TWidget>
TWidget* Named(TWidget* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

// A button that Enter does not press while it has the focus: Enter is OK's.
QPushButton* SideButton(QWidget* parent, const char* name) {
  QPushButton* button = Named(new QPushButton(parent), name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

// The busy cursor while the list fills; restores itself.
class TSearchForm::TBusyCursor {
 public:
  TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};

TSearchForm::TSearchForm(desktop::TProgram& program, QWidget* parent)
    : QDialog(parent), program_(program) {
  setObjectName(QStringLiteral("SearchDlg"));
  firstNameFirst_ = program_.Setup().EditionCode() != kJapaneseEdition;
  BuildControls();
  fillTimer_.setInterval(0);
  connect(&fillTimer_, &QTimer::timeout, this, &TSearchForm::IdleFill);
  connect(&program_, &desktop::TProgram::LanguageChanged, this, &TSearchForm::LanguageChanged);
  LanguageChanged();
  LayOutForMode();
}

TSearchForm::~TSearchForm() {
  // The model stops observing the list before either goes.
  delete view_;
  delete model_;
}

void TSearchForm::BuildControls() {
  CreateControls();
  ArrangeControls();
  ConnectControls();
}

void TSearchForm::CreateControls() {
  viewLabel_ = Named(new QLabel(this), "ViewLabel");
  filter_ = Named(new QComboBox(this), "GroupFilter");
  filter_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  filter_->setMinimumContentsLength(16);
  viewLabel_->setBuddy(filter_);

  searchLabel_ = Named(new QLabel(this), "SearchLabel");
  search_ = Named(new QLineEdit(this), "SearchEdit");
  search_->setClearButtonEnabled(true);
  search_->installEventFilter(this);
  searchLabel_->setBuddy(search_);

  view_ = Named(new QListView(this), "NameList");
  model_ = new TSearchListModel(list_, this);
  view_->setModel(model_);
  view_->setUniformItemSizes(true);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setMinimumSize(320, 280);
  countLabel_ = Named(new QLabel(this), "CountLabel");

  ok_ = Named(new QPushButton(this), "OkButton");
  ok_->setDefault(true);
  cancel_ = SideButton(this, "CancelButton");
  delete_ = SideButton(this, "DeleteButton");
  swap_ = SideButton(this, "SwapButton");
}

// The group filter and the search box above the list, the count and Swap
// below it, OK, Cancel and Delete beside it.
void TSearchForm::ArrangeControls() {
  auto* fields = new QGridLayout;
  fields->addWidget(viewLabel_, 0, 0);
  fields->addWidget(filter_, 0, 1);
  fields->addWidget(searchLabel_, 1, 0);
  fields->addWidget(search_, 1, 1);
  fields->setColumnStretch(1, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(countLabel_, 1);
  bottom->addWidget(swap_);

  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addWidget(view_, 1);
  left->addLayout(bottom);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addSpacing(12);
  buttons->addWidget(delete_);
  buttons->addStretch(1);

  auto* columns = new QHBoxLayout(this);
  columns->addLayout(left, 1);
  columns->addLayout(buttons);

  QWidget* const order[] = {filter_, search_, view_, ok_, cancel_, delete_, swap_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  setSizeGripEnabled(true);
}

void TSearchForm::ConnectControls() {
  connect(search_, &QLineEdit::textChanged, this, &TSearchForm::SearchTextChanged);
  connect(view_, &QListView::doubleClicked, this, &TSearchForm::EntryDoubleClicked);
  connect(ok_, &QPushButton::clicked, this, &TSearchForm::ChooseSelected);
  connect(cancel_, &QPushButton::clicked, this, &TSearchForm::reject);
  connect(delete_, &QPushButton::clicked, this, &TSearchForm::DeleteSelected);
  connect(swap_, &QPushButton::clicked, this, &TSearchForm::SwapNameOrder);
  connect(filter_, &QComboBox::activated, this, [this] { StartFill(); });
}

QString TSearchForm::Token(int number) const { return program_.Token(number); }

// ---- captions and layout ----------------------------------------------------

void TSearchForm::LanguageChanged() {
  captions_ = ReadSearchCaptions(program_.LanguageCode());
  setWindowTitle({});
  Retranslate();
}

void TSearchForm::Retranslate() {
  SetTag(this, CaptionToken(request_.mode));
  SetTag(searchLabel_, SearchLabelToken(request_.mode));
  TranslateForm(this, program_.Language());
  viewLabel_->setText(FromStd(captions_.view));
  ok_->setText(FromStd(captions_.ok));
  cancel_->setText(FromStd(captions_.cancel));
  delete_->setText(FromStd(captions_.remove));
  swap_->setText(FromStd(captions_.swap));
  if (windowTitle().isEmpty()) setWindowTitle(FromStd(captions_.caption));
  if (request_.mode == ESearchMode::smPeople && filter_->count() > 0)
    filter_->setItemText(0, Token(kAllPeopleToken));
  ShowCount();
}

// The group filter's row shows only with people; the rows below move up
// when it is hidden.
void TSearchForm::LayOutForMode() {
  const bool people = request_.mode == ESearchMode::smPeople;
  viewLabel_->setVisible(people);
  filter_->setVisible(people);
  swap_->setVisible(people);
  delete_->setVisible(people || request_.mode == ESearchMode::smGroups);
}

void TSearchForm::ShowCount() {
  if (!prepared_) {
    countLabel_->setText(FromStd(captions_.names));
    return;
  }
  if (FillPending()) {
    countLabel_->setText(Token(kBusyToken));
    return;
  }
  const QString count = QString::number(list_.Count());
  const QString word = Token(CountToken(request_.mode));
  // The group word has no blank of its own; the others begin with one.
  countLabel_->setText(request_.mode == ESearchMode::smGroups ? count + ' ' + word
                                                                : count + word);
}

void TSearchForm::UpdateButtons() {
  const bool ready = !FillPending();
  const bool entries = !list_.Empty();
  const bool people = request_.mode == ESearchMode::smPeople;
  ok_->setEnabled(ready && (!people || entries));
  cancel_->setEnabled(ready);
  delete_->setEnabled(ready && entries);
  swap_->setEnabled(ready && entries);
}

// ---- preparing and filling -------------------------------------------------

void TSearchForm::Prepare(const TSearchRequest& request) {
  request_ = request;
  prepared_ = true;
  result_.reset();
  reselect_.reset();
  scope_ = TListScope{};
  scope_.firstNameFirst = request.firstNameFirst;
  if (request.mode == ESearchMode::smPlaces) {
    scope_.stateName = ToStd(request.state);
    scope_.stateId = kNoState;
    try {
      if (auto state = program_.Tables().Atlas().StateByName(scope_.stateName))
        scope_.stateId = state->stateId;
    } catch (const std::exception& failure) {
      ReportFailure(request.state, failure);
    }
  }
  LanguageChanged();
  LayOutForMode();
  const bool people = request.mode == ESearchMode::smPeople;
  list_.Reset(!program_.Language().IsJapanese(), people, request.firstNameFirst);
  {
    const QSignalBlocker quiet(search_);
    search_->clear();
  }
  if (people) RefillGroupFilter();
  StartFill();
}

void TSearchForm::RefillGroupFilter() {
  filter_->clear();
  filter_->addItem(Token(kAllPeopleToken));
  try {
    TSearchList groups;
    FillCompletely(groups, *MakeListSource(program_.Tables(), ESearchMode::smGroups, {}));
    for (std::size_t i = 0; i < groups.Count(); ++i) filter_->addItem(FromStd(groups.Text(i)));
  } catch (const std::exception& failure) {
    ReportFailure(windowTitle(), failure);
  }
  filter_->setCurrentIndex(0);
}

void TSearchForm::StartFill() {
  if (request_.mode == ESearchMode::smPeople) {
    scope_.group = filter_->currentIndex() > 0 ? ToStd(filter_->currentText()) : std::string();
    scope_.firstNameFirst = list_.FirstNameFirst();
  }
  list_.Clear();
  try {
    fill_.Start(MakeListSource(program_.Tables(), request_.mode, scope_));
  } catch (const std::exception& failure) {
    fill_.Stop();
    FinishFill(true);
    ReportFailure(windowTitle(), failure);
    return;
  }
  if (!busy_) busy_ = std::make_unique<TBusyCursor>();
  ShowCount();
  UpdateButtons();
  fillTimer_.start();
}

void TSearchForm::IdleFill() {
  if (!FillPending()) {
    fillTimer_.stop();
    return;
  }
  bool done = false;
  try {
    done = fill_.Step(list_, kSliceBudget);
  } catch (const std::exception& failure) {
    FinishFill(true);
    ReportFailure(windowTitle(), failure);
    return;
  }
  if (done) {
    FinishFill(false);
  } else if (!search_->text().isEmpty()) {
    SearchTextChanged();  // the entry typed for may have arrived
  } else if (!SelectedRow() && !list_.Empty()) {
    SelectRow(0);
  }
}

void TSearchForm::FinishFill(bool failed) {
  fillTimer_.stop();
  fill_.Stop();
  busy_.reset();
  ShowCount();
  UpdateButtons();
  if (!failed && !request_.start.isEmpty()) {
    search_->setText(std::exchange(request_.start, {}));  // selects as if typed
  } else if (reselect_ && !list_.Empty()) {
    SelectRow(std::min(*reselect_, list_.Count() - 1));
  } else {
    SearchTextChanged();
  }
  reselect_.reset();
  emit FillFinished();
}

const TSearchList& TSearchForm::FillStateList() {
  Prepare(RequestFor(ESearchMode::smStates));
  while (FillPending()) IdleFill();
  return list_;
}

const TSearchList& TSearchForm::FillPlaceList(const QString& state) {
  Prepare(RequestFor(ESearchMode::smPlaces, state));
  while (FillPending()) IdleFill();
  return list_;
}

// ---- selection and incremental search --------------------------------------

std::optional<std::size_t> TSearchForm::SelectedRow() const {
  const QModelIndex current = view_->currentIndex();
  if (!current.isValid() || !view_->selectionModel()->isSelected(current)) return std::nullopt;
  return static_cast<std::size_t>(current.row());
}

void TSearchForm::SelectRow(std::size_t row, bool found) {
  const QModelIndex index = model_->index(static_cast<int>(row));
  view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  // A found entry goes to the top, with the names that follow it below;
  // a step by step move scrolls no more than it must.
  view_->scrollTo(index, found ? QAbstractItemView::PositionAtTop
                               : QAbstractItemView::EnsureVisible);
}

void TSearchForm::MoveSelection(int step) {
  if (list_.Empty()) return;
  const std::optional<std::size_t> row = SelectedRow();
  if (!row) {
    SelectRow(0);
    return;
  }
  const bool atEnd = step < 0 ? *row == 0 : *row + 1 >= list_.Count();
  if (atEnd) {
    QApplication::beep();
    return;
  }
  SelectRow(step < 0 ? *row - 1 : *row + 1);
}

void TSearchForm::SearchTextChanged() {
  if (list_.Empty()) return;
  const QString typed = search_->text();
  TListMatch match = list_.Match(ToStd(typed), SelectedRow());
  // The forgiving search looks for a name the list holds: once it is whole.
  if (!match.exact && !typed.isEmpty() && !FillPending())
    if (const std::optional<std::size_t> suggested = SuggestedRow(typed)) match.index = suggested;
  if (match.index) SelectRow(*match.index, true);
}

// The row of the first name the forgiving search offers that the list holds.
// A failing look-up only means no suggestion: the typing goes on.
std::optional<std::size_t> TSearchForm::SuggestedRow(const QString& typed) {
  try {
    for (const std::string& name :
         SuggestedNames(program_.Tables(), request_.mode, scope_, ToStd(typed)))
      if (const std::optional<std::size_t> row = list_.FindText(name)) return row;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

bool TSearchForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == search_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      MoveSelection(key == Qt::Key_Up ? -1 : 1);
      return true;
    }
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
      QApplication::sendEvent(view_, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TSearchForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  search_->setFocus(Qt::ActiveWindowFocusReason);
}

// ---- OK, Delete, Swap -------------------------------------------------------

bool TSearchForm::ResultOfSelection(TSearchResult& result) {
  const std::optional<std::size_t> row = SelectedRow();
  const QString typed = search_->text().trimmed();
  if (request_.mode == ESearchMode::smGroups && !typed.isEmpty()) {
    const TGroupChoice group = StoredOrNewGroup(program_.Tables(), ToStd(typed));
    if (group.added) program_.NotifyPeopleChanged();
    result.text = FromStd(group.name);
    return true;
  }
  if (!row) return false;
  const TSearchEntry& entry = list_.Entry(*row);
  result.text = FromStd(list_.Text(*row));
  switch (request_.mode) {
    case ESearchMode::smStates: {
      const auto state = program_.Tables().Atlas().StateByName(entry.name);
      if (!state) return false;
      result.stateId = FromStd(state->stateId);
      return true;
    }
    case ESearchMode::smPlaces: {
      const auto place = program_.Tables().Atlas().PlaceByKey(scope_.stateId, entry.name);
      if (!place) return false;
      result.stateId = FromStd(scope_.stateId);
      result.latitude = DegreesMinutes(place->latitude);
      result.longitude = DegreesMinutes(place->longitude);
      result.zoneRef = FromStd(place->zoneRef);
      result.summerRef = FromStd(place->summerRef);
      return true;
    }
    case ESearchMode::smZones:
      result.zoneRef = FourDigits(entry.id);
      return true;
    case ESearchMode::smSummerTimes:
      result.summerRef = FourDigits(entry.id);
      return true;
    case ESearchMode::smGroups:
      return true;
    case ESearchMode::smPeople:
      result.firstName = FromStd(entry.name);
      result.lastName = FromStd(entry.lastName);
      result.text = FromStd(PersonText(entry.name, entry.lastName, true));
      return true;
  }
  return false;
}

void TSearchForm::ChooseSelected() {
  if (FillPending()) return;
  TSearchResult result;
  try {
    if (!ResultOfSelection(result)) return;  // nothing chosen: the dialog stays
  } catch (const std::exception& failure) {
    ReportFailure(windowTitle(), failure);
    return;
  }
  result_ = std::move(result);
  accept();
}

// A group's OK takes the typed name first: a double click on a group means
// that group, so it becomes the typed name.
void TSearchForm::EntryDoubleClicked(const QModelIndex& index) {
  if (!index.isValid()) return;
  SelectRow(static_cast<std::size_t>(index.row()));
  if (request_.mode == ESearchMode::smGroups) {
    const QSignalBlocker quiet(search_);
    search_->setText(FromStd(list_.Text(static_cast<std::size_t>(index.row()))));
  }
  ChooseSelected();
}

void TSearchForm::DeleteSelected() {
  const std::optional<std::size_t> row = SelectedRow();
  if (FillPending() || !row) return;
  const TSearchEntry entry = list_.Entry(*row);
  const QString shown = FromStd(list_.Text(*row));
  if (request_.mode == ESearchMode::smPeople) {
    QString question = Token(kDeleteQuestionToken);
    question = question.contains(QLatin1String("%1"))
                   ? question.arg(shown)
                   : Token(kDeleteWordsToken) + ' ' + Token(kPersonWordToken) + " '" + shown +
                         "'. " + Token(kAreYouSureToken);
    if (desktop::ConfirmationBox(this, program_.Language(), question) != desktop::baYes) return;
  } else if (request_.mode != ESearchMode::smGroups) {
    return;
  }
  try {
    if (request_.mode == ESearchMode::smPeople)
      DeletePerson(program_.Tables(), entry.name, entry.lastName);
    else
      DeleteGroup(program_.Tables(), entry.name);
  } catch (const std::exception& failure) {
    ReportFailure(shown, failure);
    return;
  }
  program_.NotifyPeopleChanged();
  // The list is read again; the row below the deleted one (or the new
  // last row) is selected.
  reselect_ = *row;
  StartFill();
}

void TSearchForm::SwapNameOrder() {
  if (FillPending() || request_.mode != ESearchMode::smPeople) return;
  const std::optional<std::size_t> row = SelectedRow();
  const std::optional<TSearchEntry> selected =
      row ? std::optional<TSearchEntry>(list_.Entry(*row)) : std::nullopt;
  if (!list_.Sorted()) {
    // In arrival order the other order is the table's other index.
    list_.SetFirstNameFirst(!list_.FirstNameFirst());
    StartFill();
    return;
  }
  list_.SetFirstNameFirst(!list_.FirstNameFirst());
  if (selected)
    if (const std::optional<std::size_t> again = list_.Find(*selected)) SelectRow(*again);
}

void TSearchForm::ReportFailure(const QString& what, const std::exception& failure) {
  desktop::ErrorBox(this, windowTitle(), what + QStringLiteral(": ") + FromStd(failure.what()));
}

// ---- closing -----------------------------------------------------------------

void TSearchForm::done(int result) {
  if (FillPending()) return;  // the list is still being read
  if (result != Accepted) result_.reset();
  list_.Clear();
  QDialog::done(result);
}

// ---- modal entry points -------------------------------------------------------

std::optional<TSearchResult> TSearchForm::Choose(const TSearchRequest& request) {
  Prepare(request);
  // Over another dialog the pick list belongs to that one while it shows,
  // so it opens in front of it, and goes back to its own parent afterwards.
  QWidget* const parent = parentWidget();
  const bool lent = request.owner && request.owner != parent;
  if (lent) setParent(request.owner, windowFlags());
  const QPointer<TSearchForm> alive(this);
  exec();
  if (!alive) return std::nullopt;  // closed with the program meanwhile
  if (lent) setParent(parent, windowFlags());
  return result_;
}

std::optional<TSearchResult> TSearchForm::Choose(ESearchMode mode, const QString& start) {
  TSearchRequest request = RequestFor(mode, {}, firstNameFirst_);
  request.start = start;
  return Choose(request);
}

std::optional<TSearchResult> TSearchForm::PickState(QWidget* owner) {
  return Choose(RequestFor(ESearchMode::smStates, {}, firstNameFirst_, owner));
}

std::optional<TSearchResult> TSearchForm::PickPlace(const QString& state, QWidget* owner) {
  return Choose(RequestFor(ESearchMode::smPlaces, state, firstNameFirst_, owner));
}

std::optional<TSearchResult> TSearchForm::PickZone(QWidget* owner) {
  return Choose(RequestFor(ESearchMode::smZones, {}, firstNameFirst_, owner));
}

std::optional<TSearchResult> TSearchForm::PickSummerTime(QWidget* owner) {
  return Choose(RequestFor(ESearchMode::smSummerTimes, {}, firstNameFirst_, owner));
}

std::optional<TSearchResult> TSearchForm::PickGroup(QWidget* owner) {
  return Choose(RequestFor(ESearchMode::smGroups, {}, firstNameFirst_, owner));
}

std::optional<TSearchResult> TSearchForm::PickPerson(bool firstNameFirst, QWidget* owner) {
  return Choose(RequestFor(ESearchMode::smPeople, {}, firstNameFirst, owner));
}

}  // namespace vyn::dialogs

#pragma once
// The search dialog: one modal pick list for states, the places of a state,
// time zones, summer-time rules, groups and people. The program creates it
// once and asks it again for each choice.
//
// Using it. Choose(request) (or the Pick... shortcuts) shows the dialog
// modally and returns the choice, or nothing when the user cancelled:
//
//   if (auto place = search.PickPlace(stateBox->text(), this))
//     townBox->setText(place->text);  // place->latitude, ->zoneRef, ...
//
// A dialog that asks passes itself as the owner (`this` above), so the list
// opens in front of it.
//
// The window opens at once, however long the list: the rows are read in
// slices of a few milliseconds from a zero timer (IdleFill), so the window
// paints and takes typing meanwhile. Until the list is complete OK, Cancel
// and Escape do nothing and the busy cursor shows.
//
// Keys. Typing in the search box selects the entry that begins with the
// text (letter case and accents aside); where none does in the states and
// places lists, the atlas's forgiving search picks the name meant
// ("Muenchen" -> München, "Bombay" -> Mumbai). Up and Down in the search
// box move the selection (a beep at either end), Page Up and Page Down by a
// page; Enter (or a double click) chooses, Escape cancels.
//
// People: Delete removes the selected person after a question, Swap shows
// last names first (or back); the View box limits the list to a group.
// Groups: OK takes the typed name when there is one (the stored group
// spelled alike, else a new group of that name), otherwise the selected
// group; Delete removes the selected group from every person. Every change runs in
// one transaction; a failure shows the table store's message and leaves
// the tables as they were.
#include <QDialog>
#include <QTimer>
#include <memory>
#include <optional>

#include "dialogs/search/search_captions.h"
#include "dialogs/search/search_fill.h"
#include "dialogs/search/search_list.h"
#include "dialogs/search/search_list_source.h"
#include "dialogs/search/search_result.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace vyn::desktop {
class TProgram;
}

namespace vyn::dialogs {

class TSearchListModel;

class TSearchForm : public QDialog {
  Q_OBJECT

 public:
  // How long one slice of the fill reads rows.
  static constexpr std::chrono::microseconds kSliceBudget{4000};

  // `program` must outlive the dialog; the database must be open.
  explicit TSearchForm(desktop::TProgram& program, QWidget* parent = nullptr);
  ~TSearchForm() override;

  // ---- choosing (modal) ---------------------------------------------------
  // Prepares the dialog for `request`, shows it modally and returns the
  // choice on OK, nothing on Cancel.
  std::optional<TSearchResult> Choose(const TSearchRequest& request);
  // The same with the defaults of TSearchRequest; `start` goes into the
  // search box once the list is filled.
  std::optional<TSearchResult> Choose(ESearchMode mode, const QString& start = {});
  // The shortcuts take the window to stand over as TSearchRequest::owner.
  std::optional<TSearchResult> PickState(QWidget* owner = nullptr);
  // The places of the state named `state`.
  std::optional<TSearchResult> PickPlace(const QString& state, QWidget* owner = nullptr);
  std::optional<TSearchResult> PickZone(QWidget* owner = nullptr);
  std::optional<TSearchResult> PickSummerTime(QWidget* owner = nullptr);
  // May create the group typed in the search box.
  std::optional<TSearchResult> PickGroup(QWidget* owner = nullptr);
  std::optional<TSearchResult> PickPerson(bool firstNameFirst, QWidget* owner = nullptr);

  // ---- the same in steps, for a caller with its own event loop -----------
  // Re-reads the captions, empties the list and starts its fill; show the
  // dialog afterwards. Result() holds the choice once it is accepted.
  void Prepare(const TSearchRequest& request);
  const std::optional<TSearchResult>& Result() const { return result_; }
  // One slice of the fill; the dialog runs it itself from a zero timer,
  // but an idle handler may call it too.
  void IdleFill();
  bool FillPending() const { return fill_.Pending(); }
  // The fill's counts since Prepare (or the last refill).
  const TSearchFill& Fill() const { return fill_; }

  // ---- lists for completing typed names (the name dialog) ----------------
  // Fill the dialog's list at once with every state, or with the places of
  // the state named `state`, and return it; List().FirstStartingWith(text)
  // then gives the name a typed beginning completes to.
  const TSearchList& FillStateList();
  const TSearchList& FillPlaceList(const QString& state);
  const TSearchList& List() const { return list_; }

  ESearchMode Mode() const { return request_.mode; }
  // People: whether first names are shown first now (Swap turns it round).
  bool FirstNameFirst() const { return list_.FirstNameFirst(); }

  // Refused while the list is being filled.
  void done(int result) override;

 signals:
  // The list is complete (also after a fill that failed).
  void FillFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class TBusyCursor;

  void BuildControls();
  void CreateControls();
  void ArrangeControls();
  void ConnectControls();
  void LanguageChanged();
  void Retranslate();
  void LayOutForMode();
  void StartFill();
  void FinishFill(bool failed);
  void RefillGroupFilter();
  void ShowCount();
  void UpdateButtons();
  void SelectRow(std::size_t row, bool found = false);
  std::optional<std::size_t> SelectedRow() const;
  void MoveSelection(int step);
  void SearchTextChanged();
  std::optional<std::size_t> SuggestedRow(const QString& typed);
  void ChooseSelected();
  void EntryDoubleClicked(const QModelIndex& index);
  bool ResultOfSelection(TSearchResult& result);
  void DeleteSelected();
  void SwapNameOrder();
  void ReportFailure(const QString& what, const std::exception& failure);
  QString Token(int number) const;

  desktop::TProgram& program_;
  TSearchRequest request_;
  TListScope scope_;
  TSearchCaptions captions_;
  TSearchList list_;
  TSearchFill fill_;
  QTimer fillTimer_;
  std::unique_ptr<TBusyCursor> busy_;
  std::optional<TSearchResult> result_;
  std::optional<std::size_t> reselect_;  // the row to select after a refill
  bool firstNameFirst_ = true;           // the people's order at creation
  bool prepared_ = false;                // a list was asked for

  QLabel* viewLabel_ = nullptr;
  QComboBox* filter_ = nullptr;
  QLabel* searchLabel_ = nullptr;
  QLineEdit* search_ = nullptr;
  QListView* view_ = nullptr;
  TSearchListModel* model_ = nullptr;
  QLabel* countLabel_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* swap_ = nullptr;
};

}  // namespace vyn::dialogs

#include "dialogs/names/edit_fields.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>
#include <vector>

#include "engine/text_helpers.h"
#include "language/fixed_tokens.h"
#include "language/language.h"

namespace vyn::dialogs {
namespace {

// ---- SwapControls ---------------------------------------------------------

// The layout under `root` that holds `widget` as one of its own items.
QLayout* LayoutHolding(QLayout* root, QWidget* widget) {
  if (!root) return nullptr;
  if (root->indexOf(widget) >= 0) return root;
  for (int i = 0; i < root->count(); ++i)
    if (QLayout* found = LayoutHolding(root->itemAt(i)->layout(), widget)) return found;
  return nullptr;
}

QLayout* LayoutOf(QWidget* widget) {
  QWidget* parent = widget->parentWidget();
  return parent ? LayoutHolding(parent->layout(), widget) : nullptr;
}

void SwapInGrid(QGridLayout* grid, QWidget* a, QWidget* b) {
  int rowA, columnA, rowSpanA, columnSpanA, rowB, columnB, rowSpanB, columnSpanB;
  grid->getItemPosition(grid->indexOf(a), &rowA, &columnA, &rowSpanA, &columnSpanA);
  grid->getItemPosition(grid->indexOf(b), &rowB, &columnB, &rowSpanB, &columnSpanB);
  const Qt::Alignment alignA = grid->itemAt(grid->indexOf(a))->alignment();
  const Qt::Alignment alignB = grid->itemAt(grid->indexOf(b))->alignment();
  grid->removeWidget(a);
  grid->removeWidget(b);
  grid->addWidget(a, rowB, columnB, rowSpanB, columnSpanB, alignA);
  grid->addWidget(b, rowA, columnA, rowSpanA, columnSpanA, alignB);
}

void SwapInBox(QBoxLayout* box, QWidget* a, QWidget* b) {
  int first = box->indexOf(a);
  int second = box->indexOf(b);
  QWidget* early = first < second ? a : b;
  QWidget* late = first < second ? b : a;
  if (first > second) std::swap(first, second);
  box->removeWidget(late);
  box->removeWidget(early);
  box->insertWidget(first, late);
  box->insertWidget(second, early);
}

void SwapByHand(QWidget* a, QWidget* b) {
  const QRect ra = a->geometry();
  const QRect rb = b->geometry();
  if (ra.top() == rb.top()) {
    b->move(ra.left(), rb.top());
    a->move(rb.right() - ra.width() + 1, ra.top());
  } else {
    a->move(ra.left(), rb.top());
    b->move(rb.left(), ra.top());
  }
}

bool TakesTabFocus(const QWidget* widget) {
  return (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
}

// The window's focus chain, only the widgets that take the focus with Tab.
std::vector<QWidget*> TabChain(QWidget* window) {
  std::vector<QWidget*> chain;
  QWidget* w = window;
  do {
    if (w != window && TakesTabFocus(w)) chain.push_back(w);
    w = w->nextInFocusChain();
  } while (w && w != window);
  return chain;
}

void SwapTabOrder(QWidget* a, QWidget* b) {
  if (!TakesTabFocus(a) || !TakesTabFocus(b) || a->window() != b->window()) return;
  std::vector<QWidget*> chain = TabChain(a->window());
  const auto pa = std::find(chain.begin(), chain.end(), a);
  const auto pb = std::find(chain.begin(), chain.end(), b);
  if (pa == chain.end() || pb == chain.end()) return;
  std::iter_swap(pa, pb);
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

const std::string& Token(const TLanguage& language, int n) { return language.GetToken(n); }

void SetLetter(QLineEdit* edit, const std::string& letter) {
  edit->setText(QString::fromStdString(letter));
}

bool CheckLetter(QLineEdit* edit, const std::string& one, const std::string& other,
                 const std::string& replacement) {
  if (IsLetterOf(edit->text().toStdString(), one, other)) return true;
  SetLetter(edit, replacement);
  QApplication::beep();
  return false;
}

bool LeavesWithinWindow(const QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

class TLeaveWatcher : public QObject {
 public:
  TLeaveWatcher(QWidget* widget, std::function<void()> onLeave)
      : QObject(widget), onLeave_(std::move(onLeave)) {
    widget->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (LeavesWithinWindow(event)) onLeave_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onLeave_;
};

}  // namespace

TRangeVerdict RangeVerdict(std::string_view text, long minimum, long maximum) {
  if (text.empty()) return TRangeVerdict::rvEmpty;
  const long value = StrToIntOrZero(text);
  if (value < minimum) return TRangeVerdict::rvBelow;
  if (value > maximum) return TRangeVerdict::rvAbove;
  return TRangeVerdict::rvInside;
}

std::string ToggledLetter(std::string_view text, const std::string& first,
                          const std::string& second) {
  return text != first ? first : second;
}

bool IsLetterOf(std::string_view text, const std::string& one, const std::string& other) {
  return text == one || text == other;
}

bool RefusedInNumber(const QString& typed) {
  if (typed.size() != 1) return false;
  const char16_t c = typed.at(0).unicode();
  return c == u' ' || c > 64;
}

bool CheckEditRange(QLineEdit* edit, long minimum, long maximum) {
  const TRangeVerdict verdict = RangeVerdict(edit->text().toStdString(), minimum, maximum);
  if (verdict == TRangeVerdict::rvEmpty) return false;
  if (verdict == TRangeVerdict::rvInside) return true;
  edit->setText(QString::number(verdict == TRangeVerdict::rvBelow ? minimum : maximum));
  QApplication::beep();
  if (edit->isVisible() && edit->isEnabled()) edit->setFocus(Qt::OtherFocusReason);
  return false;
}

void ClearTexts(std::initializer_list<QObject*> objects) {
  for (QObject* object : objects) {
    if (auto* line = qobject_cast<QLineEdit*>(object)) {
      line->clear();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) {
      plain->clear();
    } else if (auto* rich = qobject_cast<QTextEdit*>(object)) {
      rich->clear();
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
      label->clear();
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
      button->setText(QString());
    }
  }
}

void SwapControls(QWidget* a, QWidget* b) {
  QLayout* layout = LayoutOf(a);
  if (layout && layout == LayoutOf(b)) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout))
      SwapInGrid(grid, a, b);
    else if (auto* box = qobject_cast<QBoxLayout*>(layout))
      SwapInBox(box, a, b);
  } else if (!LayoutOf(a) && !LayoutOf(b)) {
    SwapByHand(a, b);
  }
  SwapTabOrder(a, b);
}

void ToggleNorthSouth(QLineEdit* edit, const TLanguage& language) {
  SetLetter(edit, ToggledLetter(edit->text().toStdString(), Token(language, kNorthLetterToken),
                                Token(language, kSouthLetterToken)));
}

void ToggleEastWest(QLineEdit* edit, const TLanguage& language) {
  SetLetter(edit, ToggledLetter(edit->text().toStdString(), Token(language, kEastLetterToken),
                                Token(language, kWestLetterToken)));
}

bool CheckNorthSouth(QLineEdit* edit, const TLanguage& language) {
  return CheckLetter(edit, Token(language, kSouthLetterToken), Token(language, kNorthLetterToken),
                     Token(language, kNorthLetterToken));
}

bool CheckEastWest(QLineEdit* edit, const TLanguage& language) {
  return CheckLetter(edit, Token(language, kWestLetterToken), Token(language, kEastLetterToken),
                     Token(language, kEastLetterToken));
}

THourglass::THourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
THourglass::~THourglass() { QApplication::restoreOverrideCursor(); }
THourglass HourglassOn() { return THourglass(); }

void TDigitKeyFilter::Install(std::initializer_list<QLineEdit*> edits) {
  for (QLineEdit* edit : edits) edit->installEventFilter(this);
}

bool TDigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      RefusedInNumber(static_cast<QKeyEvent*>(event)->text())) {
    QApplication::beep();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

TLetterBox::TLetterBox(QLineEdit* edit, TLetterKind kind, const TLanguage& language)
    : QObject(edit), edit_(edit), kind_(kind), language_(language) {
  edit->installEventFilter(this);
  connect(edit, &QLineEdit::textEdited, this, [edit](const QString& text) {
    const QString upper = text.toUpper();
    if (upper == text) return;
    const int cursor = edit->cursorPosition();
    edit->setText(upper);
    edit->setCursorPosition(cursor);
  });
}

void TLetterBox::Toggle() {
  if (kind_ == TLetterKind::lkNorthSouth)
    ToggleNorthSouth(edit_, language_);
  else
    ToggleEastWest(edit_, language_);
  edit_->selectAll();
}

bool TLetterBox::Check() {
  return kind_ == TLetterKind::lkNorthSouth ? CheckNorthSouth(edit_, language_)
                                            : CheckEastWest(edit_, language_);
}

bool TLetterBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Toggle();
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    Toggle();
    return true;
  } else if (LeavesWithinWindow(event)) {
    Check();
  }
  return QObject::eventFilter(watched, event);
}

void OnLeaving(QWidget* widget, std::function<void()> onLeave) {
  new TLeaveWatcher(widget, std::move(onLeave));
}

}  // namespace vyn::dialogs

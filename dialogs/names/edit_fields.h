#pragma once
// The helpers the dialogs share for their edit fields: the range check on
// leaving a numeric box, the hemisphere letter boxes, swapping two controls
// (the Japanese layout puts units after numbers), emptying the texts of a
// set of controls, the hourglass, and the keystroke rules of numeric and
// letter boxes.
//
// The rules themselves are plain functions of text, so they can be checked
// without widgets; the widget functions apply them and add the beep and the
// focus.
#include <QObject>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace vyn {
class TLanguage;
}

namespace vyn::dialogs {

// ---- rules ----------------------------------------------------------------

enum class TRangeVerdict { rvEmpty, rvInside, rvBelow, rvAbove };

// Where the text of a box stands against [minimum, maximum]; a text that is
// not a number counts as 0 (StrToIntOrZero).
TRangeVerdict RangeVerdict(std::string_view text, long minimum, long maximum);

// The letter after a toggle: `first` unless the text is `first` already,
// then `second`.
std::string ToggledLetter(std::string_view text, const std::string& first,
                          const std::string& second);

// Whether a letter box holds one of the pair's letters.
bool IsLetterOf(std::string_view text, const std::string& one, const std::string& other);

// Whether a key typed into a numeric box is refused: a blank, or a
// character above code 64 (the letters). Control keys pass.
bool RefusedInNumber(const QString& typed);

// ---- widgets --------------------------------------------------------------

// The range check on leaving a box: an empty box gives false and nothing
// else; a value outside the bounds becomes the nearer bound, with a beep and
// the focus back in the box (when it is visible and enabled), and gives
// false; a value inside gives true.
bool CheckEditRange(QLineEdit* edit, long minimum, long maximum);

// Empties the texts of the line edits, text edits, labels and buttons among
// `objects`; other objects are skipped.
void ClearTexts(std::initializer_list<QObject*> objects);

// Exchanges the places of two controls. In one grid or box layout they
// exchange their cells; placed by hand, b moves to a's left and a so that its
// right edge is at b's old right edge when they stand on one line, and
// otherwise they exchange their tops. Two controls that take the focus also
// exchange their places in the tab order.
void SwapControls(QWidget* a, QWidget* b);

// Latitude letter boxes: tokens 169 (north) and 168 (south).
void ToggleNorthSouth(QLineEdit* edit, const TLanguage& language);
// Longitude and zone letter boxes: tokens 171 (east) and 170 (west).
void ToggleEastWest(QLineEdit* edit, const TLanguage& language);
// A letter that is not one of the pair becomes token 169 (171) with a beep;
// false then.
bool CheckNorthSouth(QLineEdit* edit, const TLanguage& language);
bool CheckEastWest(QLineEdit* edit, const TLanguage& language);

// The hourglass while the guard lives: HourglassOn() shows it, and the
// previous cursor comes back when the guard goes, however the scope ends.
class THourglass {
 public:
  THourglass();
  ~THourglass();
  THourglass(const THourglass&) = delete;
  THourglass& operator=(const THourglass&) = delete;
};
[[nodiscard]] THourglass HourglassOn();

// Refuses, with a beep, the keys RefusedInNumber names, in the boxes it is
// installed on.
class TDigitKeyFilter : public QObject {
 public:
  explicit TDigitKeyFilter(QObject* parent) : QObject(parent) {}
  void Install(std::initializer_list<QLineEdit*> edits);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

enum class TLetterKind { lkNorthSouth, lkEastWest };

// A hemisphere letter box: the Up and Down keys and a double click toggle
// the letter, typed letters become capitals, and leaving the box corrects a
// letter that is not one of the pair (CheckNorthSouth / CheckEastWest).
class TLetterBox : public QObject {
 public:
  TLetterBox(QLineEdit* edit, TLetterKind kind, const TLanguage& language);
  QLineEdit* Edit() const { return edit_; }
  void Toggle();
  bool Check();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  TLetterKind kind_;
  const TLanguage& language_;
};

// Calls `onLeave` when the user moves the focus out of `widget` within its
// window (Tab, a click, a shortcut); not when another window (a message
// box, a pop-up) takes the focus.
void OnLeaving(QWidget* widget, std::function<void()> onLeave);

}  // namespace vyn::dialogs

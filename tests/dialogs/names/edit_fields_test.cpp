// The edit-field helpers: the rules as plain functions, and what the widget
// functions do with a real box (text, focus, place, tab order).
#include <gtest/gtest.h>

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/names/edit_fields.h"

namespace vyn::dialogs {
namespace {

struct TRangeCase {
  const char* text;
  long minimum, maximum;
  TRangeVerdict verdict;
  const char* after;  // the box's text after CheckEditRange
};

TEST(EditFieldsTest, RangeCheckKeepsEmptyAndInsideAndClampsTheRest) {
  const std::vector<TRangeCase> cases = {
      {"", 0, 90, TRangeVerdict::rvEmpty, ""},
      {"45", 0, 90, TRangeVerdict::rvInside, "45"},
      {"0", 0, 90, TRangeVerdict::rvInside, "0"},
      {"90", 0, 90, TRangeVerdict::rvInside, "90"},
      {"150", 0, 90, TRangeVerdict::rvAbove, "90"},
      {"2100", 1500, 2099, TRangeVerdict::rvAbove, "2099"},
      {"-3", 1, 31, TRangeVerdict::rvBelow, "1"},
      {"x7", 1, 31, TRangeVerdict::rvBelow, "1"},  // no number counts as 0
  };
  for (const TRangeCase& c : cases) {
    EXPECT_EQ(RangeVerdict(c.text, c.minimum, c.maximum), c.verdict) << c.text;
    QLineEdit edit;
    edit.setText(c.text);
    EXPECT_EQ(CheckEditRange(&edit, c.minimum, c.maximum), c.verdict == TRangeVerdict::rvInside)
        << c.text;
    EXPECT_EQ(edit.text(), c.after) << c.text;
  }
}

TEST(EditFieldsTest, AValueOutOfRangeTakesTheFocusBack) {
  QDialog dialog;
  auto* layout = new QHBoxLayout(&dialog);
  auto* degrees = new QLineEdit(&dialog);
  auto* minutes = new QLineEdit(&dialog);
  layout->addWidget(degrees);
  layout->addWidget(minutes);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  minutes->setFocus();
  degrees->setText("95");
  EXPECT_FALSE(CheckEditRange(degrees, 0, 89));
  EXPECT_TRUE(degrees->hasFocus());
}

TEST(EditFieldsTest, NumberBoxesRefuseBlanksAndLetters) {
  for (const char* key : {"a", "Z", " ", "\u00e9"}) EXPECT_TRUE(RefusedInNumber(key)) << key;
  // Digits, signs, "@" (code 64) and control keys pass.
  for (const char* key : {"0", "9", "-", "+", "@", "", "\t"}) EXPECT_FALSE(RefusedInNumber(key)) << key;

  QLineEdit edit;
  TDigitKeyFilter filter(&edit);
  filter.Install({&edit});
  QTest::keyClicks(&edit, "1a 9");
  EXPECT_EQ(edit.text(), "19");
}

TEST(EditFieldsTest, LettersToggleBetweenTheirPairAndStrangersAreCorrected) {
  EXPECT_EQ(ToggledLetter("S", "N", "S"), "N");
  EXPECT_EQ(ToggledLetter("N", "N", "S"), "S");
  EXPECT_EQ(ToggledLetter("", "N", "S"), "N");
  EXPECT_TRUE(IsLetterOf("W", "W", "E"));
  EXPECT_FALSE(IsLetterOf("w", "W", "E"));
}

TEST(EditFieldsTest, ClearTextsEmptiesBoxesLabelsAndButtonsOnly) {
  QLineEdit edit("text");
  QLabel label("label");
  QPushButton button("button");
  QDialog other;
  other.setWindowTitle("kept");
  ClearTexts({&edit, &label, &button, &other});
  EXPECT_TRUE(edit.text().isEmpty());
  EXPECT_TRUE(label.text().isEmpty());
  EXPECT_TRUE(button.text().isEmpty());
  EXPECT_EQ(other.windowTitle(), "kept");
}

// Three boxes in a row and one below: which box follows which with Tab.
QWidget* NextByTab(QWidget* from) {
  QWidget* next = from->nextInFocusChain();
  while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
  return next;
}

TEST(EditFieldsTest, SwapControlsExchangesCellsAndTabOrder) {
  QDialog dialog;
  auto* grid = new QGridLayout(&dialog);
  auto* caption = new QLineEdit("Day", &dialog);
  auto* value = new QLineEdit("17", &dialog);
  auto* after = new QLineEdit(&dialog);
  grid->addWidget(caption, 0, 0);
  grid->addWidget(value, 0, 1);
  grid->addWidget(after, 1, 0);
  QWidget::setTabOrder(caption, value);
  QWidget::setTabOrder(value, after);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

  SwapControls(caption, value);
  dialog.layout()->activate();
  int row, column, rowSpan, columnSpan;
  grid->getItemPosition(grid->indexOf(value), &row, &column, &rowSpan, &columnSpan);
  EXPECT_EQ(column, 0);
  grid->getItemPosition(grid->indexOf(caption), &row, &column, &rowSpan, &columnSpan);
  EXPECT_EQ(column, 1);
  EXPECT_LT(value->x(), caption->x());
  EXPECT_EQ(NextByTab(value), caption);
  EXPECT_EQ(NextByTab(caption), after);
}

TEST(EditFieldsTest, SwapControlsPlacedByHand) {
  QWidget form;
  QLineEdit a(&form), b(&form), c(&form);
  a.setGeometry(10, 20, 30, 20);   // on one line with b
  b.setGeometry(50, 20, 60, 20);
  c.setGeometry(10, 60, 30, 20);   // below a
  SwapControls(&a, &b);
  EXPECT_EQ(b.geometry(), QRect(10, 20, 60, 20));
  EXPECT_EQ(a.geometry(), QRect(80, 20, 30, 20));  // right edge at b's old right edge
  SwapControls(&a, &c);
  EXPECT_EQ(a.y(), 60);
  EXPECT_EQ(c.y(), 20);
}

}  // namespace
}  // namespace vyn::dialogs

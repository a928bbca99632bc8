#pragma once
// TAspectMeter: a small gauge that shows a value of a range as a filled
// bar, upright (growing upwards) or lying (growing to the right), in a
// sunken frame. The fill is computed by MeterFill, which tests drive.
#include <QColor>
#include <QRect>
#include <QWidget>

namespace vyn {

enum class TMeterKind { mkHorizontalBar, mkVerticalBar };

// The filled rectangle of a gauge of `size` with `percent` 0..100 (the
// empty rectangle for nothing to fill).
QRect MeterFill(TMeterKind kind, const QSize& size, int percent);

class TAspectMeter : public QWidget {
  Q_OBJECT

 public:
  explicit TAspectMeter(QWidget* parent = nullptr);

  TMeterKind Kind() const { return kind_; }
  void SetKind(TMeterKind kind);
  bool Bordered() const { return bordered_; }
  void SetBordered(bool on);
  QColor ForeColor() const { return foreColor_; }
  void SetForeColor(const QColor& color);
  QColor BackColor() const { return backColor_; }
  void SetBackColor(const QColor& color);
  int MinValue() const { return minValue_; }
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value);
  // Clamped into [MinValue, MaxValue].
  int Progress() const { return progress_; }
  void SetProgress(int value);
  // trunc((Progress - MinValue) * 100 / (MaxValue - MinValue)), 0 for an
  // empty range.
  int Percent() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  template <typename T>
  void Change(T& field, const T& value);

  TMeterKind kind_ = TMeterKind::mkVerticalBar;
  bool bordered_ = true;
  QColor foreColor_{255, 0, 0};
  QColor backColor_;
  int minValue_ = 0;
  int maxValue_ = 100;
  int progress_ = 0;
};

}  // namespace vyn

#pragma once
// TCompatibilityWidget: the compatibility graph on the screen. Every paint
// lays the graph out for the client rectangle and draws it with the hover
// state of the pointer; a move over a bar, a button or the overall bars
// shows the hand pointer and splits the row under it into its harmony and
// tension bars. A left press reports what was pressed through onBarClick
// (when set); a press of any other button fires OnMouseHit.
#include <QWidget>
#include <functional>

#include "graphics/graphs/compatibility.h"
#include "graphics/graphs/graph_pictures.h"

namespace vyn {

class TCompatibilityWidget : public QWidget {
  Q_OBJECT

 public:
  using TBarClick = std::function<void(const TBarPress& press, const QPoint& point)>;

  explicit TCompatibilityWidget(QWidget* parent = nullptr);

  TCompatibility& Graph() { return graph_; }
  const TCompatibility& Graph() const { return graph_; }
  TComPatablePicture& Picture() { return picture_; }
  const TCompHover& Hover() const { return hover_; }

  TBarClick onBarClick;
  std::function<void()> OnMouseHit;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void SetHover(const TCompHover& hover);
  TCompHit HitAt(const QPoint& point);

  TCompatibility graph_;
  TComPatablePicture picture_{graph_};
  TCompHover hover_;
};

}  // namespace vyn

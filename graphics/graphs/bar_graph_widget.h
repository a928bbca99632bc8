#pragma once
// TBarGraphWidget: an element or modality graph on the screen. Every paint
// lays the graph out for the client rectangle and draws it. The hand
// pointer shows over a bar's background; a left press there reports the
// panel's person, the bar and that person's truncated points through
// onBarClick (when set); a press of any other button fires OnMouseHit.
#include <QWidget>
#include <functional>
#include <memory>

#include "graphics/graphs/bar_graph.h"

namespace vyn {

class TBarGraphWidget : public QWidget {
  Q_OBJECT

 public:
  using TBarClick = std::function<void(int person, int bar, int points)>;

  explicit TBarGraphWidget(TBarGraphKind kind, QWidget* parent = nullptr);

  TBarGraph& Graph() { return *graph_; }
  const TBarGraph& Graph() const { return *graph_; }

  TBarClick onBarClick;
  std::function<void()> OnMouseHit;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TBarHit HitAt(const QPoint& point);

  std::unique_ptr<TBarGraph> graph_;
};

}  // namespace vyn

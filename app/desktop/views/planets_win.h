#pragma once
// The planet positions view: body, place in the sign, sign, retrograde mark
// and house of the twelve bodies of the chart its tab chooses. The rows are
// taken when the view opens, when the tab changes and when the charts
// change; they are painted only while that chart is calculated.
#include <vector>

#include "app/desktop/views/chart_grid_view.h"
#include "app/desktop/views/planet_rows.h"

namespace vyn::desktop {

class TPlanetsWin : public TChartGridView {
  Q_OBJECT

 public:
  TPlanetsWin(TProgram& program, QWidget* parent = nullptr);

  const std::vector<TPlanetRow>& Rows() const { return rows_; }

 protected:
  std::vector<TChartTab> BuildTabs() const override;
  void ShowSlot(int slot) override;
  void PaintChart(QPainter& painter, QSize size) override;
  QString Caption() const override;

 private:
  int slot_ = -1;
  std::vector<TPlanetRow> rows_;
};

}  // namespace vyn::desktop

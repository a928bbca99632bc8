#pragma once
// The house cusps view: label, place in the sign and sign of the twelve
// cusps of the chart its tab chooses. Rows are taken as in the planet view.
#include <vector>

#include "app/desktop/views/chart_grid_view.h"
#include "app/desktop/views/cusp_rows.h"

namespace vyn::desktop {

class TWinCPos : public TChartGridView {
  Q_OBJECT

 public:
  TWinCPos(TProgram& program, QWidget* parent = nullptr);

  const std::vector<TCuspRow>& Rows() const { return rows_; }

 protected:
  std::vector<TChartTab> BuildTabs() const override;
  void ShowSlot(int slot) override;
  void PaintChart(QPainter& painter, QSize size) override;
  QString Caption() const override;

 private:
  int slot_ = -1;
  std::vector<TCuspRow> rows_;
};

}  // namespace vyn::desktop

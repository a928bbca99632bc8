#pragma once
// The aspect grid: the first tab shows the contacts between the pair (rows
// the first person's points, columns the partner's), each further tab the
// aspects within one loaded chart. The grid reads the charts whenever it
// paints.
//
// Caption: the pair caption ("Vertical: Anna  Horizontal: Ben", words from
// the language); on a person's own tab the word for aspects (token 679).
#include "app/desktop/views/aspect_cells.h"
#include "app/desktop/views/chart_grid_view.h"

namespace vyn::desktop {

class TWinAspects : public TChartGridView {
  Q_OBJECT

 public:
  TWinAspects(TProgram& program, QWidget* parent = nullptr);

  // What the current tab shows, read from the charts now.
  TAspectGridContent Content() const;

 protected:
  std::vector<TChartTab> BuildTabs() const override;
  void ShowSlot(int slot) override;
  void PaintChart(QPainter& painter, QSize size) override;
  QString Caption() const override;

 private:
  void PaintHeaders(QPainter& painter, const TColumnGrid& grid) const;
  void PaintCell(QPainter& painter, const TColumnGrid& grid, const TAspectCell& cell,
                 const QColor& color) const;
  QString BaseCaption() const;
  // The first names that the pair caption names.
  QString FirstName(int slot) const;
};

}  // namespace vyn::desktop

#include "app/desktop/views/chart_grid_view.h"

#include <QPainter>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/desktop/program.h"
#include "app/desktop/views/background_menu.h"
#include "app/desktop/views/placement_keeper.h"
#include "app/desktop/views/view_canvas.h"

namespace vyn::desktop {

TChartGridView::TChartGridView(TProgram& program, TWindowId window, QWidget* parent)
    : QWidget(parent), program_(program) {
  setAttribute(Qt::WA_DeleteOnClose);
  background_ = palette().color(QPalette::Window);

  canvas_ = new TViewCanvas([this](QPainter& painter, QSize size) { Render(painter, size); }, this);
  tabBar_ = new QTabBar(this);
  tabBar_->setShape(QTabBar::RoundedSouth);
  tabBar_->setExpanding(false);
  tabBar_->setDrawBase(true);
  tabBar_->setFocusPolicy(Qt::StrongFocus);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(canvas_, 1);
  layout->addWidget(tabBar_);

  menu_ = new TBackgroundMenu(this, [this] { return background_; },
                              [this](QColor color) { SetBackgroundColor(color); });
  placement_ = new TPlacementKeeper(this, program.Setup(), window);

  connect(tabBar_, &QTabBar::currentChanged, this, &TChartGridView::TabChanged);
  connect(&program_, &TProgram::LanguageChanged, this, &TChartGridView::LanguageChanged);
  connect(&program_, &TProgram::ChartsChanged, this, &TChartGridView::ChartsChanged);
}

void TChartGridView::Start() {
  RefreshTabs();
  Recaption();
}

QWidget* TChartGridView::Canvas() const { return canvas_; }

int TChartGridView::ShownSlot() const {
  const int index = tabBar_->currentIndex();
  if (index < 0 || index >= static_cast<int>(tabs_.size())) return -1;
  return tabs_[static_cast<std::size_t>(index)].slot;
}

void TChartGridView::ClearTabs() {
  {
    const QSignalBlocker blocker(tabBar_);
    while (tabBar_->count() > 0) tabBar_->removeTab(0);
  }
  tabs_.clear();
  ShowSlot(-1);
  canvas_->update();
}

void TChartGridView::RefreshTabs() {
  const int shown = ShownSlot();
  std::vector<TChartTab> tabs = BuildTabs();
  {
    const QSignalBlocker blocker(tabBar_);
    while (tabBar_->count() > 0) tabBar_->removeTab(0);
    for (const TChartTab& tab : tabs) tabBar_->addTab(QString::fromStdString(tab.text));
    tabBar_->setCurrentIndex(TabOfSlot(tabs, shown).value_or(tabs.empty() ? -1 : 0));
  }
  tabs_ = std::move(tabs);
  ShowSlot(ShownSlot());
  canvas_->update();
}

void TChartGridView::TabChanged(int) {
  ShowSlot(ShownSlot());
  Recaption();
  canvas_->update();
}

void TChartGridView::LanguageChanged() {
  RefreshTabs();
  Recaption();
}

void TChartGridView::ChartsChanged() {
  RefreshTabs();
  Recaption();
}

void TChartGridView::Recaption() { setWindowTitle(Caption()); }

void TChartGridView::SetBackgroundColor(const QColor& color) {
  background_ = color;
  canvas_->update();
}

const THoroscope* TChartGridView::ActiveChart(int slot) const {
  if (slot < 1 || slot > kChartSlots || !program_.SlotLoaded(slot)) return nullptr;
  const THoroscope& chart = program_.Chart(slot);
  return chart.Active() ? &chart : nullptr;
}

QColor TChartGridView::FontColor() const { return palette().color(QPalette::WindowText); }

void TChartGridView::Render(QPainter& painter, QSize size) {
  painter.save();
  painter.fillRect(QRect(QPoint(0, 0), size), background_);
  PrepareViewPainter(painter);
  PaintChart(painter, size);
  painter.restore();
}

}  // namespace vyn::desktop

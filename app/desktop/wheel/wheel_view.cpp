#include "app/desktop/wheel/wheel_view.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <array>

#include "app/desktop/program.h"
#include "app/desktop/views/placement_keeper.h"
#include "app/desktop/views/view_texts.h"
#include "app/desktop/wheel/wheel_win.h"
#include "language/qt/form_translation.h"

namespace vyn::desktop {
namespace {

struct TTabText {
  int token;
  const char* fallback;
};

constexpr std::array<TTabText, TWheelView::kPageCount> kTabs = {{
    {381, "Horoscope"},
    {1270, "Compatibility"},
    {1250, "Element"},
}};

constexpr QSize kMinimumSize{390, 397};

}  // namespace

TWheelView::TWheelView(TProgram& program, QWidget* parent)
    : QWidget(parent), program_(program), notebook_(new QStackedWidget(this)),
      tabSet_(new QTabBar(this)) {
  setObjectName(QStringLiteral("WheelView"));
  setAttribute(Qt::WA_DeleteOnClose);
  setMinimumSize(kMinimumSize);
  notebook_->setObjectName(QStringLiteral("Notebook1"));
  tabSet_->setObjectName(QStringLiteral("TabSet1"));
  tabSet_->setShape(QTabBar::RoundedSouth);
  tabSet_->setExpanding(false);
  tabSet_->setDrawBase(true);
  tabSet_->setFocusPolicy(Qt::StrongFocus);

  // Each page is a panel that hosts its window; the graph pages stay empty
  // until their windows exist.
  for (int page = 0; page < kPageCount; ++page) {
    auto* panel = new QWidget(notebook_);
    panel->setObjectName(QStringLiteral("Panel%1").arg(page + 1));
    auto* fill = new QVBoxLayout(panel);
    fill->setContentsMargins(0, 0, 0, 0);
    notebook_->addWidget(panel);
    tabSet_->addTab(QString());
  }
  wheelWin_ = new TWheelWin(program_, Page(pgWheels));
  Page(pgWheels)->layout()->addWidget(wheelWin_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(notebook_, 1);
  layout->addWidget(tabSet_);

  placement_ = new TPlacementKeeper(this, program.Setup(), wiWheelView);
  connect(tabSet_, &QTabBar::currentChanged, this, &TWheelView::TabChanged);
  connect(&program_, &TProgram::LanguageChanged, this, &TWheelView::Retranslate);
  Retranslate();
}

QWidget* TWheelView::Page(int index) const { return notebook_->widget(index); }

void TWheelView::SetPageWindow(int index, QWidget* window) {
  QWidget* page = Page(index);
  if (!page || !window) return;
  window->setParent(page);
  page->layout()->addWidget(window);
}

void TWheelView::ShowPage(int index) {
  if (index < 0 || index >= kPageCount) return;
  tabSet_->setCurrentIndex(index);
  TabChanged(index);
}

void TWheelView::TabChanged(int index) {
  if (index < 0) return;
  notebook_->setCurrentIndex(index);
  setWindowTitle(tabSet_->tabText(index));
}

void TWheelView::Retranslate() {
  wheelWin_->Retranslate();
  for (int page = 0; page < kPageCount; ++page) {
    const TTabText& tab = kTabs[static_cast<std::size_t>(page)];
    tabSet_->setTabText(page, TokenOr(program_, tab.token, tab.fallback));
  }
  TranslateComponent(tabSet_, program_.Language());  // the language's screen font
  setWindowTitle(tabSet_->tabText(tabSet_->currentIndex()));
}

}  // namespace vyn::desktop

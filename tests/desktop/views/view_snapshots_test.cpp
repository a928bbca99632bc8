// Pictures of every view for a person to look at, with Anna and Ben
// loaded, under /tmp/vyn_views/. Not run by default:
//   desktop_view_tests --gtest_also_run_disabled_tests --gtest_filter='*Snapshot*'
#include <gtest/gtest.h>

#include <QTabBar>

#include "app/desktop/views/planets_win.h"
#include "app/desktop/views/win_aspects.h"
#include "app/desktop/views/win_cpos.h"
#include "app/desktop/views/win_names.h"
#include "app/desktop/views/win_symbols.h"
#include "tests/desktop/views/desktop_fixture.h"

namespace vyn::desktop::testing {
namespace {

class ViewSnapshots : public DesktopTest {};

TEST_F(ViewSnapshots, DISABLED_EveryViewLargeAndSmall) {
  StartWith({Anna(), Ben(), Clara()}, 2);
  const std::pair<QSize, const char*> sizes[] = {{QSize(1000, 700), "large"},
                                                 {QSize(260, 200), "small"}};
  for (const auto& [size, label] : sizes) {
    const QString suffix = QStringLiteral("_") + label;
    TPlanetsWin planets(Program());
    Snapshot(planets, size, "planets" + suffix);
    TWinCPos cusps(Program());
    cusps.TabBar()->setCurrentIndex(1);
    Snapshot(cusps, size, "cusps" + suffix);
    TWinAspects aspects(Program());
    Snapshot(aspects, size, "aspects_pair" + suffix);
    aspects.TabBar()->setCurrentIndex(1);
    Snapshot(aspects, size, "aspects_own" + suffix);
    TWinSymbols symbols(Program());
    Snapshot(symbols, size, "symbols" + suffix);
    TWinNames names(Program());
    Snapshot(names, size, "names" + suffix);
  }
}

}  // namespace
}  // namespace vyn::desktop::testing

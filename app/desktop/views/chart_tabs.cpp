#include "app/desktop/views/chart_tabs.h"

namespace vyn::desktop {

std::vector<TChartTab> SlotTabs(const TSlotNames& firstNames) {
  std::vector<TChartTab> tabs;
  for (int slot = 1; slot <= kChartSlots; ++slot) {
    const std::string& name = firstNames[static_cast<std::size_t>(slot - 1)];
    if (!name.empty()) tabs.push_back({slot, name});
  }
  return tabs;
}

std::vector<TChartTab> AspectTabs(const std::string& pairText, const TSlotNames& firstNames) {
  std::vector<TChartTab> tabs{{kPairSlot, pairText}};
  for (TChartTab& tab : SlotTabs(firstNames)) tabs.push_back(std::move(tab));
  return tabs;
}

std::optional<int> TabOfSlot(const std::vector<TChartTab>& tabs, int slot) {
  for (std::size_t i = 0; i < tabs.size(); ++i)
    if (tabs[i].slot == slot) return static_cast<int>(i);
  return std::nullopt;
}

TSlotNames SlotFirstNames(TProgram& program) {
  TSlotNames names;
  for (int slot = 1; slot <= kChartSlots; ++slot)
    if (program.SlotLoaded(slot))
      names[static_cast<std::size_t>(slot - 1)] =
          program.Chart(slot).FirstName();
  return names;
}

}  // namespace vyn::desktop

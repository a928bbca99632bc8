#pragma once
// The tab rows of the chart grids: which slot each tab shows.
//
// The planet and cusp grids have one tab per loaded slot (a chart with a
// first name), in slot order, captioned with the first name. The aspect
// grid puts a tab for the pair first (slot 0), then the same slot tabs.
// Each tab carries its slot, so a gap in the loaded slots never makes a tab
// show the wrong person.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/desktop/program.h"

namespace vyn::desktop {

// Slot 0 stands for the pair of slots 1 and 2 (the aspect grid's first tab).
inline constexpr int kPairSlot = 0;

struct TChartTab {
  int slot = 0;
  std::string text;

  friend bool operator==(const TChartTab&, const TChartTab&) = default;
};

// First names of slots 1..6; an empty name is a slot that is not loaded.
using TSlotNames = std::array<std::string, kChartSlots>;

std::vector<TChartTab> SlotTabs(const TSlotNames& firstNames);
// The pair tab captioned `pairText`, then the slot tabs.
std::vector<TChartTab> AspectTabs(const std::string& pairText, const TSlotNames& firstNames);

// The tab that shows `slot`, if any.
std::optional<int> TabOfSlot(const std::vector<TChartTab>& tabs, int slot);

// The first names of the program's slots (empty before the charts exist).
TSlotNames SlotFirstNames(TProgram& program);

}  // namespace vyn::desktop

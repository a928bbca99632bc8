#pragma once
// The charts of one job: one chart, or two that are each other's partner,
// assembled from birth data that is checked before any chart is touched.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/birth_data.h"
#include "engine/horoscope.h"
#include "settings/orb_set_loader.h"

namespace vyn::core {

class TSession;

struct TChartInput {
  TBirthData birth;
  std::optional<TOrbSetDegrees> orbs;  // the chart's own orbs, if it gives them
  std::string orbSet;  // else a set of the session's language; else all orbs 0
  std::string where;   // names the chart in messages ("charts[0]")
};

class TChartPair {
 public:
  // Checks every input (EInputError naming the field), builds the charts,
  // makes two of them partners when `partners`, and calculates them. A
  // moment outside the ephemeris is a EInputError naming the BirthDate; a
  // missing ephemeris file a EInstallationError. `session` serves the named
  // orb sets and may be null when no input names one.
  TChartPair(const std::vector<TChartInput>& inputs, bool partners, TSession* session);

  std::size_t Count() const { return charts_.size(); }
  THoroscope& Chart(std::size_t i) const { return *charts_.at(i); }
  bool Partnered() const { return charts_.size() == 2 && charts_[0]->Partner(); }

 private:
  static void Activate(const TChartInput& input, THoroscope& chart);

  std::vector<std::unique_ptr<THoroscope>> charts_;
};

}  // namespace vyn::core

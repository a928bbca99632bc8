#include "app/core/chart_pair.h"

#include <stdexcept>

#include "app/core/input_error.h"
#include "app/core/session.h"
#include "engine/horoscope_exception.h"

namespace vyn::core {
namespace {

// The main window's aspect mode: both aspect lists wanted.
constexpr int kAspectModeBoth = 3;

}  // namespace

TChartPair::TChartPair(const std::vector<TChartInput>& inputs, bool partners,
                       TSession* session) {
  if (inputs.empty() || inputs.size() > 2)
    throw EInputError("charts", "must be one or two charts");
  if (partners && inputs.size() != 2) throw EInputError("partners", "needs two charts");
  for (const TChartInput& input : inputs) {
    CheckBirthData(input.birth, input.where);
    if (!input.orbs && !input.orbSet.empty() && !session)
      throw std::logic_error("an orb set by name needs a session");
  }
  for (const TChartInput& input : inputs) {
    auto chart = std::make_unique<THoroscope>();
    chart->SetAspectMode(kAspectModeBoth);
    ApplyBirthData(input.birth, input.where, *chart);
    if (input.orbs)
      SetOrbMatrix(*chart, *input.orbs);
    else if (!input.orbSet.empty())
      session->ApplyOrbSet(input.orbSet, *chart, "orbset");
    charts_.push_back(std::move(chart));
  }
  if (partners) {
    charts_[0]->SetPartner(charts_[1].get());
    charts_[1]->SetPartner(charts_[0].get());
  }
  for (std::size_t i = 0; i < charts_.size(); ++i) Activate(inputs[i], *charts_[i]);
}

void TChartPair::Activate(const TChartInput& input, THoroscope& chart) {
  try {
    chart.SetActive(true);
  } catch (const EHoroscopeException& e) {
    throw EInputError(FieldName(input.where, "BirthDate"), e.what());
  } catch (const std::runtime_error& e) {
    throw EInstallationError("ephemeris", e.what());
  }
}

}  // namespace vyn::core

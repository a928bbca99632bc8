#include "app/desktop/start_up.h"

#include "app/core/session.h"
#include "app/desktop/program.h"
#include "app/desktop/symbol_fonts.h"
#include "platform/app_directory.h"
#include "platform/registry.h"

namespace vyn::desktop {
namespace {

void Mark(const TStartUpOptions& options, int percent) {
  if (options.progress) options.progress(percent);
}

}  // namespace

std::unique_ptr<TMainForm> StartUp(TProgram& program, TMainServices services,
                                   const TStartUpOptions& options,
                                   const std::function<void(const std::string&)>& registryError) {
  TVynSetup& setup = program.Setup();
  if (options.onMissingCountry)
    setup.OnMissingCountry = [report = options.onMissingCountry](std::string_view message) {
      report(std::string(message));
    };
  program.LoadSettings(options.screenWidth, options.screenHeight);
  const std::string code = options.language.empty() ? setup.CountryCode() : options.language;
  if (code == "##") throw std::runtime_error(std::string(TVynSetup::kMissingCountryMessage));
  Mark(options, 4);

  program.OpenDatabase(code);
  Mark(options, 20);
  try {
    WriteRegistryString(kProgramKey, "SystemPath", AppDirectory());
  } catch (const std::exception& e) {
    if (registryError) registryError(e.what());
  }
  Mark(options, 25);

  auto form = std::make_unique<TMainForm>(program, std::move(services));
  Mark(options, 30);
  RegisterSymbolFonts();
  Mark(options, 35);
  form->ApplyLanguage(code);
  Mark(options, 40);
  program.UseOrbSet(program.Language().GetToken(core::kSynastryOrbSetToken));
  Mark(options, 50);
  program.CreateCharts();
  Mark(options, 70);
  program.LoadCurrentPeople();
  Mark(options, 90);
  form->FinishStartUp();
  Mark(options, 100);
  return form;
}

}  // namespace vyn::desktop

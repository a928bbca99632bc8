#include "app/desktop/screenshot.h"

#include <QApplication>
#include <QImageWriter>
#include <QPixmap>
#include <array>
#include <utility>

namespace vyn::desktop {
namespace {

const std::array<std::pair<const char*, EView>, kViewCount> kNames = {{
    {"planets", EView::vwPlanets},
    {"cusps", EView::vwHouseCusps},
    {"aspects", EView::vwAspects},
    {"symbols", EView::vwSymbols},
    {"names", EView::vwNames},
    {"wheel", EView::vwWheel},
}};

// The graphs of the pair: the wheel view's graph pages and the dial
// windows, opened through their commands.
const std::array<std::pair<const char*, ECommand>, 5> kGraphNames = {{
    {"compatibility", ECommand::cmCompatibilityGraph},
    {"elements", ECommand::cmElementGraph},
    {"dial30", ECommand::cmDial30},
    {"dial60", ECommand::cmDial60},
    {"dial90", ECommand::cmDial90},
}};

std::optional<ECommand> GraphOfName(const QString& name) {
  for (const auto& [text, command] : kGraphNames)
    if (name == QLatin1String(text)) return command;
  return std::nullopt;
}

}  // namespace

// A graph name stands for the wheel view, whose pair every graph shows.
std::optional<EView> ViewOfName(const QString& name) {
  for (const auto& [text, view] : kNames)
    if (name == QLatin1String(text)) return view;
  if (GraphOfName(name)) return EView::vwWheel;
  return std::nullopt;
}

QStringList ViewNames() {
  QStringList names;
  for (const auto& entry : kNames) names << QString::fromLatin1(entry.first);
  for (const auto& entry : kGraphNames) names << QString::fromLatin1(entry.first);
  return names;
}

bool SaveScreenshot(TMainForm& form, const QStringList& views, QSize size, const QString& file,
                    QString& error) {
  form.resize(size);
  form.show();
  for (const QString& name : views) {
    if (const auto command = GraphOfName(name)) form.Execute(*command);
    else if (const auto view = ViewOfName(name)) form.ShowView(*view);
  }
  form.SetChildState(1);
  QApplication::processEvents();
  QApplication::processEvents();
  const QPixmap picture = form.grab();
  QImageWriter writer(file, "png");
  if (!writer.write(picture.toImage())) {
    error = writer.errorString();
    return false;
  }
  return true;
}

}  // namespace vyn::desktop

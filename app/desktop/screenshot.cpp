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

}  // namespace

std::optional<EView> ViewOfName(const QString& name) {
  for (const auto& [text, view] : kNames)
    if (name == QLatin1String(text)) return view;
  return std::nullopt;
}

QStringList ViewNames() {
  QStringList names;
  for (const auto& entry : kNames) names << QString::fromLatin1(entry.first);
  return names;
}

bool SaveScreenshot(TMainForm& form, const QStringList& views, QSize size, const QString& file,
                    QString& error) {
  form.resize(size);
  form.show();
  for (const QString& name : views)
    if (const auto view = ViewOfName(name)) form.ShowView(*view);
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

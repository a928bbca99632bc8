#pragma once
// "vyn --screenshot": the main window with the named views open, rendered
// through the real widgets into a PNG file, so that what a person sees can
// be looked at without a display.
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "app/desktop/main_form.h"

namespace vyn::desktop {

// The view of a name given on the command line: "planets", "cusps",
// "aspects", "symbols", "names", "wheel"; nothing for another name.
std::optional<EView> ViewOfName(const QString& name);
// The names ViewOfName knows, for the usage text.
QStringList ViewNames();

// Opens the views, tiles them, lets the window settle at `size` and saves
// its picture. False, with the reason in `error`, when the file cannot be
// written.
bool SaveScreenshot(TMainForm& form, const QStringList& views, QSize size, const QString& file,
                    QString& error);

}  // namespace vyn::desktop

#include "app/desktop/views/person_drag.h"

#include <QMimeData>

namespace vyn::desktop {

std::unique_ptr<QMimeData> PersonMimeData(const TDraggedPerson& person) {
  auto data = std::make_unique<QMimeData>();
  data->setData(QString::fromLatin1(kPersonMimeType),
                (person.firstName + QLatin1Char('\n') + person.lastName).toUtf8());
  data->setText(person.firstName + QLatin1Char(' ') + person.lastName);
  return data;
}

std::optional<TDraggedPerson> DraggedPerson(const QMimeData& data) {
  const QString type = QString::fromLatin1(kPersonMimeType);
  if (!data.hasFormat(type)) return std::nullopt;
  const QString text = QString::fromUtf8(data.data(type));
  const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
  if (lineEnd < 0) return std::nullopt;
  return TDraggedPerson{text.left(lineEnd), text.mid(lineEnd + 1)};
}

}  // namespace vyn::desktop

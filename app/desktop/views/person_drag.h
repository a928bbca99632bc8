#pragma once
// A person dragged from the name list to a wheel.
//
// Mime type "application/x-vyn-person": the UTF-8 text of the first name,
// a line feed, and the last name (names never hold a line break). The same
// drag also carries the plain text "first last" for other drop targets.
#include <QString>
#include <memory>
#include <optional>

class QMimeData;

namespace vyn::desktop {

inline constexpr const char* kPersonMimeType = "application/x-vyn-person";

struct TDraggedPerson {
  QString firstName;
  QString lastName;

  friend bool operator==(const TDraggedPerson&, const TDraggedPerson&) = default;
};

std::unique_ptr<QMimeData> PersonMimeData(const TDraggedPerson& person);

// The person of a drag; nothing when the drag carries none.
std::optional<TDraggedPerson> DraggedPerson(const QMimeData& data);

}  // namespace vyn::desktop

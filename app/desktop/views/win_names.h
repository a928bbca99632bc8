#pragma once
// The name list: an outline with the stored people under a first top node
// and a second top node for the groups. A person is dragged to a wheel by
// pressing and moving, or at once by a double click; the drag carries the
// person as person_drag.h describes. The list reloads when people are
// stored or deleted, and re-captions itself on a language switch.
#include <QColor>
#include <QTreeView>
#include <functional>
#include <optional>
#include <QWidget>

#include "app/desktop/views/person_drag.h"

namespace vyn::desktop {

class TBackgroundMenu;
class TNameOutlineModel;
class TPlacementKeeper;
class TProgram;

// The outline itself: starts a drag on a double click of a person.
class TNameOutlineView : public QTreeView {
  Q_OBJECT

 public:
  // Runs a drag of `payload` (it takes ownership) from `source`.
  using TDragRunner = std::function<void(QWidget* source, QMimeData* payload)>;

  explicit TNameOutlineView(QWidget* parent);

  // Drags the person of `index` and returns it; nothing for a node that is
  // not a person.
  std::optional<TDraggedPerson> StartPersonDrag(const QModelIndex& index);
  // Replaces the drag and drop of the window system (tests record drags).
  void SetDragRunner(TDragRunner runner) { dragRunner_ = std::move(runner); }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  TDragRunner dragRunner_;
};

class TWinNames : public QWidget {
  Q_OBJECT

 public:
  TWinNames(TProgram& program, QWidget* parent = nullptr);

  TNameOutlineView* Outline() const { return outline_; }
  TNameOutlineModel* Model() const { return model_; }
  TBackgroundMenu* PopupMenu() const { return menu_; }
  TPlacementKeeper* Placement() const { return placement_; }

  QColor OutlineColor() const;
  void SetOutlineColor(const QColor& color);

  // Reads the people again.
  void Reload();

 private:
  void Retranslate();

  TProgram& program_;
  TNameOutlineModel* model_;
  TNameOutlineView* outline_;
  TBackgroundMenu* menu_;
  TPlacementKeeper* placement_;
};

}  // namespace vyn::desktop

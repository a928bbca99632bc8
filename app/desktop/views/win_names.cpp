#include "app/desktop/views/win_names.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/desktop/program.h"
#include "app/desktop/views/background_menu.h"
#include "app/desktop/views/name_outline_model.h"
#include "app/desktop/views/placement_keeper.h"
#include "app/desktop/views/view_texts.h"
#include "data/data_collection.h"

namespace vyn::desktop {

TNameOutlineView::TNameOutlineView(QWidget* parent) : QTreeView(parent) {
  setHeaderHidden(true);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  setDefaultDropAction(Qt::CopyAction);
  setExpandsOnDoubleClick(true);
  dragRunner_ = [](QWidget* source, QMimeData* payload) {
    auto* drag = new QDrag(source);
    drag->setMimeData(payload);
    drag->exec(Qt::CopyAction);
  };
}

std::optional<TDraggedPerson> TNameOutlineView::StartPersonDrag(const QModelIndex& index) {
  if (!index.isValid() || !(model()->flags(index) & Qt::ItemIsDragEnabled)) return std::nullopt;
  std::unique_ptr<QMimeData> payload(model()->mimeData({index}));
  if (!payload) return std::nullopt;
  std::optional<TDraggedPerson> person = DraggedPerson(*payload);
  dragRunner_(this, payload.release());
  return person;
}

void TNameOutlineView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && !model()->hasChildren(index)) {
    setCurrentIndex(index);
    StartPersonDrag(index);
    event->accept();
    return;
  }
  QTreeView::mouseDoubleClickEvent(event);
}

TWinNames::TWinNames(TProgram& program, QWidget* parent) : QWidget(parent), program_(program) {
  setObjectName(QStringLiteral("WinNames"));
  setAttribute(Qt::WA_DeleteOnClose);

  model_ = new TNameOutlineModel(std::make_unique<TNamePages>(program.Tables().Database()), this);
  outline_ = new TNameOutlineView(this);
  outline_->setObjectName(QStringLiteral("Outline1"));
  outline_->setModel(model_);
  outline_->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(outline_);

  menu_ = new TBackgroundMenu(outline_, [this] { return OutlineColor(); },
                              [this](QColor color) { SetOutlineColor(color); });
  placement_ = new TPlacementKeeper(this, program.Setup(), wiNameList);
  connect(&program_, &TProgram::LanguageChanged, this, &TWinNames::Retranslate);
  connect(&program_, &TProgram::PeopleChanged, this, &TWinNames::Reload);
  Retranslate();
  outline_->expand(model_->TopNode(TNameOutlineModel::tnPeople));
}

void TWinNames::Retranslate() {
  setWindowTitle(TokenOr(program_, 1021, "Name List"));
  model_->SetTopTexts(TokenOr(program_, 23, "People"), TokenOr(program_, 374, "Groups"));
}

void TWinNames::Reload() {
  model_->Reload();
  outline_->expand(model_->TopNode(TNameOutlineModel::tnPeople));
}

QColor TWinNames::OutlineColor() const {
  return outline_->viewport()->palette().color(QPalette::Base);
}

void TWinNames::SetOutlineColor(const QColor& color) {
  QPalette palette = outline_->palette();
  palette.setColor(QPalette::Base, color);
  outline_->setPalette(palette);
}

}  // namespace vyn::desktop

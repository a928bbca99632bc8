#include "app/desktop/views/background_menu.h"

#include <QAction>
#include <QColorDialog>
#include <QMenu>
#include <QWidget>
#include <utility>

namespace vyn::desktop {

TBackgroundMenu::TBackgroundMenu(QWidget* target, TColorGetter current, TColorSetter apply)
    : QObject(target),
      target_(target),
      current_(std::move(current)),
      apply_(std::move(apply)),
      chooser_([](QWidget* parent, QColor color) -> std::optional<QColor> {
        const QColor chosen = QColorDialog::getColor(color, parent);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
      }) {
  menu_ = new QMenu(target_);
  action_ = menu_->addAction(QStringLiteral("Background Color..."));
  connect(action_, &QAction::triggered, this, &TBackgroundMenu::ChooseColor);
  target_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(target_, &QWidget::customContextMenuRequested, this, &TBackgroundMenu::Open);
}

void TBackgroundMenu::Open(const QPoint& position) {
  menu_->popup(target_->mapToGlobal(position));
}

void TBackgroundMenu::ChooseColor() {
  if (const std::optional<QColor> color = chooser_(target_->window(), current_())) apply_(*color);
}

}  // namespace vyn::desktop

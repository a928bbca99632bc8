#pragma once
// The pop-up menu of a view: a right-button click offers "Background
// Color...", which asks for a colour (the colour dialog) and hands it to the
// view. The menu opens without blocking, so it can be driven like any other.
#include <QColor>
#include <QObject>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace vyn::desktop {

class TBackgroundMenu : public QObject {
  Q_OBJECT

 public:
  using TColorChooser = std::function<std::optional<QColor>(QWidget* parent, QColor current)>;
  using TColorSetter = std::function<void(QColor)>;
  using TColorGetter = std::function<QColor()>;

  // Right-button clicks on `target` open the menu.
  TBackgroundMenu(QWidget* target, TColorGetter current, TColorSetter apply);

  // Replaces the colour dialog (tests answer with a fixed colour).
  void SetColorChooser(TColorChooser chooser) { chooser_ = std::move(chooser); }

  // The menu while it is open (or last opened), for keyboard and tests.
  QMenu* Menu() const { return menu_; }
  QAction* BackgroundAction() const { return action_; }

 private:
  void Open(const QPoint& position);
  void ChooseColor();

  QWidget* target_;
  TColorGetter current_;
  TColorSetter apply_;
  TColorChooser chooser_;
  QMenu* menu_ = nullptr;
  QAction* action_ = nullptr;
};

}  // namespace vyn::desktop

#pragma once
// Plays a video clip in a window with a Stop button, when this build has Qt
// Multimedia. Without it, Play says in an information box that video
// playback is not available on this system; it never fails.
#include <QString>
#include <functional>

class QWidget;

namespace vyn::desktop {

class TProgram;

class TVideoWindow {
 public:
  // Shows a message to the user (an information box unless replaced).
  using TNotifier = std::function<void(const QString& text)>;

  // Texts come from the program's current language.
  TVideoWindow(const TProgram& program, QWidget* parent);

  // Whether this build can play clips.
  static bool Available();

  // Plays `file` to its end or until Stop; false when it could not be
  // played (the user was told why).
  bool Play(const QString& file);

  void SetNotifier(TNotifier notifier) { notify_ = std::move(notifier); }

 private:
  const TProgram& program_;
  QWidget* parent_;
  TNotifier notify_;
};

}  // namespace vyn::desktop

#include "app/desktop/windows/video_window.h"

#include <QFileInfo>

#include "app/desktop/message_boxes.h"
#include "app/desktop/program.h"

#ifdef VYN_HAVE_MULTIMEDIA
#include <QAudioOutput>
#include <QDialog>
#include <QMediaPlayer>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>
#endif

namespace vyn::desktop {

TVideoWindow::TVideoWindow(const TProgram& program, QWidget* parent)
    : program_(program),
      parent_(parent),
      notify_([&program, parent](const QString& text) {
        InformationBox(parent, program.Language(), text);
      }) {}

#ifdef VYN_HAVE_MULTIMEDIA

bool TVideoWindow::Available() { return true; }

bool TVideoWindow::Play(const QString& file) {
  if (!QFileInfo::exists(file)) {
    notify_(program_.LanguageText("VideoMissing", "The video clip %1 does not exist.").arg(file));
    return false;
  }
  QDialog window(parent_);
  window.setWindowTitle(QFileInfo(file).fileName());
  auto* video = new QVideoWidget(&window);
  auto* stop = new QPushButton(program_.LanguageText("VideoStop", "&Stop"), &window);
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(video, 1);
  layout->addWidget(stop, 0, Qt::AlignRight);
  window.resize(640, 520);

  QMediaPlayer player;
  QAudioOutput audio;
  player.setAudioOutput(&audio);
  player.setVideoOutput(video);
  bool failed = false;
  QObject::connect(stop, &QPushButton::clicked, &window, [&] {
    player.stop();
    window.accept();
  });
  QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &window,
                   [&](QMediaPlayer::MediaStatus status) {
                     if (status == QMediaPlayer::EndOfMedia) window.accept();
                     if (status == QMediaPlayer::InvalidMedia) {
                       failed = true;
                       window.reject();
                     }
                   });
  player.setSource(QUrl::fromLocalFile(file));
  player.play();
  window.exec();
  player.stop();
  if (failed) notify_(player.errorString());
  return !failed;
}

#else

bool TVideoWindow::Available() { return false; }

bool TVideoWindow::Play(const QString&) {
  notify_(program_.LanguageText("VideoUnavailable",
                                "Video playback is not available on this system."));
  return false;
}

#endif

}  // namespace vyn::desktop

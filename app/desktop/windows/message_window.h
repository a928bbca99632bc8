#pragma once
// The message window: a caption, a text, an OK button and a button that
// opens a web address (the maker's site, an on-line manual). OK closes the
// window with result mrOk; the web button opens the address and closes it
// with mrWeb; Escape or the frame's close button give mrClosed.
#include <QDialog>
#include <QUrl>

#include "app/desktop/windows/url_opener.h"

class QLabel;
class QPushButton;

namespace vyn::desktop {

class TProgram;

class TMessageWindow : public QDialog {
  Q_OBJECT

 public:
  enum TMessageResult { mrClosed = QDialog::Rejected, mrOk = QDialog::Accepted, mrWeb = 2 };

  TMessageWindow(const TProgram& program, const QString& caption, const QString& text,
                 const QUrl& address, QWidget* parent = nullptr);

  void SetUrlOpener(TUrlOpener opener) { opener_ = std::move(opener); }

  QLabel* TextLabel() const { return text_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* WebButton() const { return web_; }
  const QUrl& Address() const { return address_; }

 private:
  void OpenAddress();

  QUrl address_;
  TUrlOpener opener_;
  QLabel* text_;
  QPushButton* ok_;
  QPushButton* web_;
};

}  // namespace vyn::desktop

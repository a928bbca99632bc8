#pragma once
// The about box: the program's name and version and the attributions of
// the data it ships (ephemeris, atlas, fonts and texts), given as Markdown
// or plain text by the caller, who reads them from wherever they lie.
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace vyn::desktop {

class TProgram;

// The version of this build ("0.1").
QString ProgramVersion();

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox(const TProgram& program, const QString& programName, const QString& attributionsText,
            QWidget* parent = nullptr);

  QLabel* NameLabel() const { return name_; }
  QLabel* VersionLabel() const { return version_; }
  QTextBrowser* Attributions() const { return attributions_; }
  QPushButton* OkButton() const { return ok_; }

 private:
  QLabel* name_;
  QLabel* version_;
  QTextBrowser* attributions_;
  QPushButton* ok_;
};

}  // namespace vyn::desktop

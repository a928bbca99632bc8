#pragma once
// TEMGraph: the element and modality page of the wheel view: the modality
// graph above the element graph of the two current people, each with a help
// bar and memo. A press on a bar opens the text of that person's element or
// modality and how it meets the other person's.
#include <QWidget>

#include "app/desktop/graphs/graph_texts.h"
#include "graphics/graphs/bar_counts.h"

class QPlainTextEdit;

namespace vyn {
class TBarGraphWidget;
}

namespace vyn::desktop {

class TProgram;
class THelpPanel;

class TEMGraph : public QWidget {
  Q_OBJECT

 public:
  explicit TEMGraph(TProgram& program, QWidget* parent = nullptr);
  ~TEMGraph() override;

  // Both graphs count chart slots 1 and 2.
  void Initialise();
  void Retranslate();

  TBarGraphWidget* Modality1() const { return modality1_; }
  TBarGraphWidget* Element1() const { return element1_; }
  THelpPanel* Panel1() const { return panel1_; }
  THelpPanel* Panel2() const { return panel2_; }
  QPlainTextEdit* Memo1() const { return memo1_; }
  QPlainTextEdit* Memo2() const { return memo2_; }

  // A press on bar `bar` of person `person` with its truncated points.
  void BarClick(TBarGraphKind kind, int person, int bar, int points);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Arrange();
  void HideHelp();
  void ToggleModalityHelp();
  void ToggleElementHelp();

  TProgram& program_;
  TBarGraphWidget* modality1_;
  TBarGraphWidget* element1_;
  THelpPanel* panel1_;
  THelpPanel* panel2_;
  QPlainTextEdit* memo1_;
  QPlainTextEdit* memo2_;
};

}  // namespace vyn::desktop

#pragma once
// TCompGraph: the compatibility page of the wheel view. It shows the
// compatibility graph of copies of the two current people (with the wide
// orb set of the language, whatever orbs the main charts use), a help bar
// with its memo, and turns presses on the graph into interpretation texts:
// a bar offers its contacts in a pop-up menu, the overall bars, the area
// buttons and the glyph buttons open their texts at once.
#include <QWidget>
#include <string>

#include "app/desktop/graphs/graph_texts.h"
#include "engine/horoscope.h"
#include "graphics/graphs/compatibility_layout.h"

class QMenu;
class QPlainTextEdit;
class QTimer;

namespace vyn {
class TCompatibilityWidget;
}

namespace vyn::desktop {

class TProgram;
class THelpPanel;

class TCompGraph : public QWidget {
  Q_OBJECT

 public:
  TCompGraph(TProgram& program, TGraphServices services, QWidget* parent = nullptr);

  // The charts from slots 1 and 2, the orb sets, the scores and the help.
  void Initialise();
  void Retranslate();

  TCompatibilityWidget* Compatibility1() const { return compatibility1_; }
  THelpPanel* Panel1() const { return panel1_; }
  QPlainTextEdit* Memo1() const { return memo1_; }
  QMenu* PopupMenu() const { return pMenu_; }
  const THoroscope& Horoscope(int person) const { return person == 1 ? horoscope1_ : horoscope2_; }

  // A press on the graph as the graph reports it.
  void BarClick(const TBarPress& press, const QPoint& point);
  // Shows the text of the press; `entry` is the chosen contact of a bar.
  void ShowText(int entry = -1);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Arrange();
  void ToggleHelp();
  void OfferEntries(const QPoint& point);
  const std::vector<TScoreEntry>& Entries() const;
  void PrepareChart(THoroscope& chart, const THoroscope& source);

  TProgram& program_;
  TGraphServices services_;
  THoroscope horoscope1_, horoscope2_;
  TCompatibilityWidget* compatibility1_;
  THelpPanel* panel1_;
  QPlainTextEdit* memo1_;
  QMenu* pMenu_;
  QTimer* refresh_;
  // The last press and what it shows.
  TBarPress press_;
  std::string code_, alternative_, levelCode_;
  QString videoFile_;
  bool keyword_ = false, gauge_ = false;
};

}  // namespace vyn::desktop

#pragma once
// The symbol explanation: the glyphs of the bodies, signs, aspects, angles
// and the retrograde mark with their names, in the language that was
// current when the view opened (a language switch re-captions the window
// only). Names use the symbol font, or under Japanese the screen font of
// the language when one is set.
#include <QWidget>
#include <vector>

#include "app/desktop/views/symbol_key.h"

namespace vyn::desktop {

class TPlacementKeeper;
class TProgram;

class TWinSymbols : public QWidget {
  Q_OBJECT

 public:
  TWinSymbols(TProgram& program, QWidget* parent = nullptr);

  void Render(QPainter& painter, QSize size);
  const std::vector<TSymbolEntry>& Entries() const { return entries_; }
  TPlacementKeeper* Placement() const { return placement_; }

 private:
  void Recaption();
  QFont NameFont(int pixelHeight) const;

  TProgram& program_;
  std::vector<TSymbolEntry> entries_;
  QString screenFont_;  // the Japanese screen font, else empty
  TPlacementKeeper* placement_;
};

}  // namespace vyn::desktop

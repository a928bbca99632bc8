#pragma once
// The graphs as pictures that can be drawn on any canvas: drawing one into
// a rectangle lays its graph out for that rectangle and draws it there
// (without hover state). This is how printouts and files place a graph.
// Width and height (100 × 100 unless set) are only stored.
#include <QRect>

#include "graphics/graphs/bar_graph.h"
#include "graphics/graphs/compatibility.h"
#include "graphics/graphs/degree_dial.h"

class QPainter;

namespace vyn {

template <typename Graph>
class TGraphPicture {
 public:
  explicit TGraphPicture(Graph& graph) : graph_(graph) {}
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  int Height() const { return height_; }
  void SetHeight(int height) { height_ = height; }
  bool Empty() const { return false; }

 protected:
  Graph& graph_;

 private:
  int width_ = 100;
  int height_ = 100;
};

class TComPatablePicture : public TGraphPicture<TCompatibility> {
 public:
  using TGraphPicture::TGraphPicture;
  void Draw(QPainter& painter, const QRect& rect);
};

class TElementPicture : public TGraphPicture<TElement> {
 public:
  using TGraphPicture::TGraphPicture;
  void Draw(QPainter& painter, const QRect& rect);
};

class TModalityPicture : public TGraphPicture<TModality> {
 public:
  using TGraphPicture::TGraphPicture;
  void Draw(QPainter& painter, const QRect& rect);
};

class TDDialPicture : public TGraphPicture<TDDial> {
 public:
  using TGraphPicture::TGraphPicture;
  // An opaque dial fills the target rectangle first.
  void Draw(QPainter& painter, const QRect& rect);
};

// The plain rectangle of a QRect (right and bottom the first pixels
// outside).
TWheelRect ToWheelRect(const QRect& r);

}  // namespace vyn

// The graphs drawn through their pictures for a real pair, against
// reference images: the compatibility graph on screen and for printing,
// the element and modality graphs, the dials of 30, 60 and 90 degrees.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "graphics/graphs/compatibility_painter.h"
#include "graphics/graphs/graph_drawing.h"
#include "graphics/graphs/graph_pictures.h"
#include "tests/graphics/reference_image.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

TOrbDegrees Uniform(int degrees) {
  TOrbDegrees m{};
  for (int row = 1; row <= kAspectKinds; ++row)
    for (int point = 1; point <= kAspectPoints; ++point) m[row][point] = degrees;
  return m;
}

template <typename Draw>
QImage Render(int width, int height, Draw draw) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  draw(painter);
  return image;
}

class GraphDrawingTest : public RealChartsTest {
 protected:
  void SetUp() override {
    RealChartsTest::SetUp();
    ann_.SetLastName("Lind");
    bob_.SetLastName("Moreau");
    comp_.Scores().SetOrbMatrix(1, Uniform(8));
    comp_.Scores().SetOrbMatrix(2, Uniform(5));
    comp_.Scores().SetOrbMatrix(3, Uniform(2));
    comp_.SetHoroscope1(&ann_);
    comp_.SetHoroscope2(&bob_);
    comp_.HarmonyLabel = "Harmony";
    comp_.TensionLabel = "Tension";
  }
  TCompatibility comp_;
};

TEST_F(GraphDrawingTest, CompatibilityGraph) {
  TComPatablePicture picture(comp_);
  ExpectMatchesReference(Render(1000, 700, [&](QPainter& p) { picture.Draw(p, {0, 0, 1000, 700}); }),
                         "compatibility");
}

TEST_F(GraphDrawingTest, CompatibilityGraphWithHoverAndForPrinting) {
  comp_.Layout({0, 0, 800, 560});
  ExpectMatchesReference(Render(800, 560,
                                [&](QPainter& p) { DrawCompatibility(p, comp_, {true, 2, 1}); }),
                         "compatibility_hover");
  comp_.forPrinting = true;
  TComPatablePicture picture(comp_);
  ExpectMatchesReference(Render(800, 560, [&](QPainter& p) { picture.Draw(p, {0, 0, 800, 560}); }),
                         "compatibility_printing");
}

TEST_F(GraphDrawingTest, ElementAndModalityGraphs) {
  TElement element;
  TModality modality;
  for (TBarGraph* graph : {static_cast<TBarGraph*>(&element), static_cast<TBarGraph*>(&modality)}) {
    graph->SetHoroscope1(&ann_);
    graph->SetHoroscope2(&bob_);
  }
  TElementPicture elementPicture(element);
  TModalityPicture modalityPicture(modality);
  ExpectMatchesReference(
      Render(900, 400, [&](QPainter& p) { elementPicture.Draw(p, {0, 0, 900, 400}); }), "element");
  ExpectMatchesReference(
      Render(900, 400, [&](QPainter& p) { modalityPicture.Draw(p, {0, 0, 900, 400}); }),
      "modality");
}

TEST_F(GraphDrawingTest, DegreeDials) {
  for (int angle : {30, 60, 90}) {
    TDDial dial;
    dial.SetAngle(angle);
    dial.Text30 = "Contact dial";
    dial.Text60 = "Harmony dial";
    dial.Text90 = "Tension dial";
    dial.SetHoroscope(&ann_);
    TDDialPicture picture(dial);
    ExpectMatchesReference(
        Render(728, 339, [&](QPainter& p) { picture.Draw(p, {0, 10, 728, 329}); }),
        "dial" + std::to_string(angle));
  }
}

// Fitted texts shrink in steps until the text fits the box.
TEST(FittedText, ShrinksUntilTheTextFits) {
  EnsureGuiApplication();
  const QRect box(0, 0, 400, 32);
  EXPECT_EQ(FittedHeight("AB", box, TFitAlign::faLeft, false), 27);
  EXPECT_EQ(FittedHeight("AB", box, TFitAlign::faRight, false), 30);
  const QString longText(60, QChar('W'));
  EXPECT_EQ(FittedHeight(longText, box, TFitAlign::faLeft, false), 9);
  EXPECT_EQ(FittedHeight("AB", box, TFitAlign::faCentre, false), 16);
  EXPECT_EQ(FittedHeight(longText, box, TFitAlign::faCentre, false), 15);
  EXPECT_EQ(FittedHeight("AB", box, TFitAlign::faCentre, true), 29);
}

}  // namespace
}  // namespace vyn::testing

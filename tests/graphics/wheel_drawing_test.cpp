// The wheel as it is drawn: reference images of single, double,
// black-and-white, picture and skeleton wheels, the off-screen image against
// direct painting, and picture mode around a picture's drawing.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <stdexcept>

#include "graphics/wheel/wheel_painter.h"
#include "graphics/wheel/wheel_picture.h"
#include "graphics/wheel/wheel_widget.h"
#include "tests/graphics/reference_image.h"
#include "tests/graphics/wheel_fixture.h"

namespace vyn::testing {
namespace {

// The widget's own paint (the screen path) at a size.
QImage Grab(TWheelWidget& widget, int width, int height) {
  widget.resize(width, height);
  return widget.grab().toImage();
}

class WheelDrawingTest : public RealChartsTest {
 protected:
  void SetUp() override {
    RealChartsTest::SetUp();
    for (TWheelWidget* w : {&outer_, &inner_}) {
      w->Wheel().SetOpaque(true);
      w->Wheel().SetColor({255, 255, 255});
      w->Wheel().SetShowAspects(true);
    }
    outer_.Wheel().SetHoroscope(&ann_);
    inner_.Wheel().SetHoroscope(&bob_);
  }
  void MakeDouble() {
    outer_.Wheel().SetRelationWheel(&inner_.Wheel());
    inner_.Wheel().SetRelationWheel(&outer_.Wheel());
    outer_.Wheel().SetDualMode(true);
  }

  TWheelWidget outer_, inner_;
};

TEST_F(WheelDrawingTest, SingleWheelWithAspects) {
  ExpectMatchesReference(Grab(outer_, 360, 360), "single_360");
}

TEST_F(WheelDrawingTest, DoubleWheel) {
  MakeDouble();
  ExpectMatchesReference(Grab(outer_, 480, 480), "double_480");
}

TEST_F(WheelDrawingTest, BlackAndWhiteInAWideRectangle) {
  outer_.Wheel().SetBW(true);
  ExpectMatchesReference(Grab(outer_, 300, 200), "single_bw_300x200");
}

TEST_F(WheelDrawingTest, SmallWheelWithAriesLeft) {
  outer_.Wheel().SetAriesLeft(true);
  ExpectMatchesReference(Grab(outer_, 200, 200), "aries_left_200");
}

TEST_F(WheelDrawingTest, SkeletonWithoutAChart) {
  outer_.Wheel().SetHoroscope(nullptr);
  ExpectMatchesReference(Grab(outer_, 240, 240), "skeleton_240");
}

// Through the picture: thicker lines and the degree of each body.
TEST_F(WheelDrawingTest, PictureWithPositions) {
  MakeDouble();
  outer_.Wheel().SetShowPosition(true);
  QImage image(560, 560, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  outer_.Picture().Draw(painter, QRect(0, 0, 560, 560));
  painter.end();
  EXPECT_FALSE(PictureMode());
  ExpectMatchesReference(image, "picture_double_560");
}

TEST_F(WheelDrawingTest, PictureBlackAndWhite) {
  outer_.Wheel().SetBW(true);
  outer_.Wheel().SetShowPosition(true);
  QImage image(400, 400, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  outer_.Picture().Draw(painter, QRect(0, 0, 400, 400));
  painter.end();
  ExpectMatchesReference(image, "picture_bw_400");
}

TEST_F(WheelDrawingTest, OffScreenImageDrawsWhatDirectPaintingDraws) {
  outer_.Wheel().SetOffScreen(false);
  const QImage direct = Grab(outer_, 300, 300);
  outer_.Wheel().SetOffScreen(true);
  const QImage cached = Grab(outer_, 300, 300);
  EXPECT_EQ(direct, cached);
}

}  // namespace
}  // namespace vyn::testing

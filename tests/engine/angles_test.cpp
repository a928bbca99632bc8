// Number-form and angle conversions.
#include "engine/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace vyn {
namespace {

constexpr extended kTight = 1e-15L;

struct ConversionCase {
  const char* what;
  extended (*convert)(extended);
  extended in, out;
};

void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.what; }

class ConversionTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, GivesTheExpectedValue) {
  const ConversionCase& c = GetParam();
  EXPECT_NEAR(c.convert(c.in), c.out, 1e-12L) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ConversionTest,
    ::testing::Values(
        ConversionCase{"HmsMinutesAndSeconds", HMSToDec, 12.3045L, 12.5125L},
        ConversionCase{"HmsNegative", HMSToDec, -0.30L, -0.5L},
        ConversionCase{"HmsWholeSecond", HMSToDec, 1.0001L, 1 + 1 / 3600.0L},
        ConversionCase{"HmsZero", HMSToDec, 0, 0},
        ConversionCase{"HmsFiftyNineMinutes", HMSToDec, 23.59L, 23 + 59 / 60.0L},
        ConversionCase{"HmsSouthLatitude", HMSToDec, -45.3030L, -45.5083333333333333L},
        ConversionCase{"DmHalf", DMToDec, 5.30L, 5.5L},
        ConversionCase{"DmNegativeTruncatesTowardZero", DMToDec, -5.30L, -5.5L},
        ConversionCase{"DecHalf", DecToDM, 5.5L, 5.30L},
        ConversionCase{"DecNegative", DecToDM, -10.75L, -10.45L},
        ConversionCase{"DegToRadUsesTheFixedFactor", DegToRad, 180, 3.14159265L},
        ConversionCase{"RadToDegUsesTheFixedFactor", RadToDeg, 0.0174532925L, 1}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

// Every minute and a few seconds of a range of degrees read back exactly:
// the minutes are never taken one short.
TEST(Angles, HmsReadsEveryMinuteAndSecond) {
  for (int d : {0, 1, 12, 23, 45, 66, 90, 179}) {
    for (int m = 0; m < 60; ++m) {
      for (int s : {0, 1, 30, 59}) {
        const extended x = (d * 10000L + m * 100 + s) / 10000.0L;
        ASSERT_NEAR(HMSToDec(x), d + m / 60.0L + s / 3600.0L, 1e-12L)
            << d << " " << m << " " << s;
        ASSERT_NEAR(HMSToDec(-x), -(d + m / 60.0L + s / 3600.0L), 1e-12L);
      }
    }
  }
}

TEST(Angles, TheDegreeFactorIsTheLiteralNotPiOver180) {
  // The literal is short of pi/180 by 2e-11; pi/180 would give pi here.
  EXPECT_GT(std::fabs(DegToRad(180) - kPi), 3e-9L);
  EXPECT_GT(RadToDeg(kPi), 180.0000001L);
}

TEST(Angles, IntFracAndTruncGoTowardZero) {
  EXPECT_EQ(Int(-2.75L), -2);
  EXPECT_EQ(Frac(-2.75L), -0.75L);
  EXPECT_EQ(Trunc(-2.75L), -2);
  EXPECT_EQ(Int(2.75L), 2);
  EXPECT_EQ(Trunc(2.99L), 2);
}

TEST(Angles, ArcSinReachesTheEndsOfItsRange) {
  EXPECT_EQ(ArcSin(1), HalfPi);
  EXPECT_EQ(ArcSin(-1), -HalfPi);
  EXPECT_NEAR(ArcSin(0.5L), kPi / 6, kTight);
  EXPECT_TRUE(std::isnan(ArcSin(1.5L)));
  EXPECT_EQ(ArcCos(1), 0);
  EXPECT_NEAR(ArcCos(-1), kPi, kTight);
  EXPECT_NEAR(ArcCos(0.5L), kPi / 3, kTight);
}

TEST(Angles, TanIsSineOverCosine) {
  EXPECT_EQ(Tan(0), 0);
  EXPECT_NEAR(Tan(kPi / 4), 1, kTight);
  EXPECT_NEAR(Tan(-kPi / 3), -std::sqrt(3.0L), 1e-14L);
}

struct ArcTan2Case {
  extended x, y, angle;
};

void PrintTo(const ArcTan2Case& c, std::ostream* os) {
  *os << "x " << static_cast<double>(c.x) << " y " << static_cast<double>(c.y);
}

class ArcTan2Test : public ::testing::TestWithParam<ArcTan2Case> {};

TEST_P(ArcTan2Test, GivesTheAngleOfTheQuadrantInZeroToTwoPi) {
  const ArcTan2Case& c = GetParam();
  EXPECT_NEAR(ArcTan2(c.x, c.y), c.angle, kTight)
      << "x " << c.x << " y " << c.y;
}

INSTANTIATE_TEST_SUITE_P(
    Quadrants, ArcTan2Test,
    ::testing::Values(ArcTan2Case{1, 0, 0}, ArcTan2Case{-1, 0, kPi},
                      ArcTan2Case{0, 0, 0}, ArcTan2Case{0, 1, HalfPi},
                      ArcTan2Case{0, -1, 3 * HalfPi},
                      ArcTan2Case{1, 1, kPi / 4},
                      ArcTan2Case{-1, 1, 3 * kPi / 4},
                      ArcTan2Case{-1, -1, 5 * kPi / 4},
                      ArcTan2Case{1, -1, 7 * kPi / 4},
                      ArcTan2Case{0.5L, -0.8660254037844386468L, 5 * kPi / 3}));

struct ReduceCase {
  const char* what;
  extended (*reduce)(extended);
  extended in, out;
};

void PrintTo(const ReduceCase& c, std::ostream* os) { *os << c.what; }

class ReduceTest : public ::testing::TestWithParam<ReduceCase> {};

TEST_P(ReduceTest, ReducesTheAngle) {
  const ReduceCase& c = GetParam();
  EXPECT_NEAR(c.reduce(c.in), c.out, 1e-14L) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Reductions, ReduceTest,
    ::testing::Values(
        ReduceCase{"Norm1Negative", Norm1, -1, TwoPi - 1},
        ReduceCase{"Norm1AboveTwoPi", Norm1, TwoPi + 1, 1},
        ReduceCase{"Norm1TwoPiStays", Norm1, TwoPi, TwoPi},
        ReduceCase{"Norm1OneStepOnly", Norm1, -TwoPi - 1, -1},
        ReduceCase{"Mod2PiManyTurns", Mod2Pi, 7 * kPi, kPi},
        ReduceCase{"Mod2PiNegative", Mod2Pi, -HalfPi, 3 * HalfPi},
        ReduceCase{"Mod2PiNegativeTurns", Mod2Pi, -5 * HalfPi, 3 * HalfPi},
        ReduceCase{"ModPiAbsAbovePi", ModPiAbs, 3 * HalfPi, HalfPi},
        ReduceCase{"ModPiAbsNegative", ModPiAbs, -HalfPi, HalfPi},
        ReduceCase{"ModPiAbsTurns", ModPiAbs, -7 * kPi / 3, kPi / 3}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

TEST(Angles, RAToLambdaIsTheEclipticPointOfARightAscension) {
  const extended eps = 0.40909L;
  for (int step = 0; step < 360; step += 5) {
    const extended a = DegToRad(step + 0.5L);
    // Standard form: tan(lambda) = tan(a) / cos(eps), same quadrant as a.
    extended lambda = std::atan2(std::sin(a), std::cos(a) * std::cos(eps));
    if (lambda < 0) lambda += TwoPi;
    EXPECT_NEAR(RAToLambda(a, eps), lambda, 1e-14L) << "a = " << step + 0.5;
  }
  EXPECT_NEAR(RAToLambda(0, eps), 0, kTight);
  EXPECT_NEAR(RAToLambda(HalfPi, eps), HalfPi, kTight);
  EXPECT_NEAR(RAToLambda(kPi, eps), kPi, kTight);
}

}  // namespace
}  // namespace vyn

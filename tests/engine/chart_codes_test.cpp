// The codes the interpretation keys on: body and sign codes, houses,
// overlay houses, polarities and leads.
#include <gtest/gtest.h>

#include <set>
#include <ostream>
#include <string>
#include <vector>

#include "engine/horoscope.h"
#include "engine/text_helpers.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn {
namespace {
using test::ChartOnSkies;
using test::kQuietSky;
using test::Minutes;
using test::QuietSkyWith;
using test::TSky;

TEST(BodyCodes, IndexOfEachCodeIsItsBodyOrdinal) {
  const char* codes[] = {"SU", "MO", "ME", "VE", "MA", "JU", "SA", "UR",
                         "NE", "PL", "NN", "SN", "AS", "MC", "DS", "IC"};
  for (int n = 0; n < 16; ++n) EXPECT_EQ(THoroscope::BodyIndexOf(codes[n]), n);
  for (const char* other : {"DR", "", "su", "XX", "SUN"})
    EXPECT_EQ(THoroscope::BodyIndexOf(other), -1) << other;
}

TEST(SignCodes, FollowTheSignOrder) {
  const char* codes[] = {"AR", "TA", "GE", "CN", "LE", "VI",
                         "LI", "SC", "SG", "CP", "AQ", "PI"};
  for (int s = 0; s < 12; ++s) EXPECT_EQ(THoroscope::SignCode(s), codes[s]);
  EXPECT_EQ(THoroscope::SignCode(12), "");
  EXPECT_EQ(THoroscope::SignCode(-1), "");
}

TEST(PointTypes, BodiesByOrdinalAndTheAnglesBySlot) {
  const THoroscope chart;
  const char* bodies[] = {"SU", "MO", "ME", "VE", "MA", "JU",
                          "SA", "UR", "NE", "PL", "NN", "SN"};
  for (int n = 0; n < 12; ++n) EXPECT_EQ(chart.PointTypeOf(bodies[n]), n);
  EXPECT_EQ(chart.PointTypeOf("MC"), 12);
  EXPECT_EQ(chart.PointTypeOf("AS"), 15);
  EXPECT_EQ(chart.PointTypeOf("DS"), 18);
  EXPECT_EQ(chart.PointTypeOf("IC"), 21);
  EXPECT_EQ(chart.PointTypeOf("QQ"), -1);
}

// Ruler of each sign, for the ruler of the Descendant.
const char* const kRulers[] = {"MA", "VE", "ME", "MO", "SU", "ME",
                               "VE", "PL", "JU", "SA", "UR", "NE"};

class ChartCodesTest : public ChartOnSkies {
 protected:
  // This chart at sky 0, the partner at sky 1.
  void Activate(const TSky& mine, const TSky& theirs = kQuietSky) {
    UseSkies({mine, theirs});
    PlaceAtSky(chart_, 0);
    chart_.SetLatitude(45.27L);
    chart_.SetActive(true);
    PlaceAtSky(partner_, 1);
    partner_.SetLatitude(45.27L);
    partner_.SetActive(true);
  }
  void Pair() {
    partner_.SetPartner(&chart_);
    chart_.SetPartner(&partner_);
  }
  THoroscope chart_, partner_;
};

TEST_F(ChartCodesTest, TheDescendantsSignAndItsRulerOverADay) {
  Activate(kQuietSky);
  std::set<int> seen;
  for (int minutes = 0; minutes < 24 * 60; minutes += 20) {
    chart_.SetBirthTime(minutes / 60 + (minutes % 60) / 100.0L);
    const int asc = chart_.SignOfBody(15);
    const int ds = (asc + 6) % 12;
    ASSERT_EQ(chart_.GetSignCode("DS"), THoroscope::SignCode(ds));
    ASSERT_EQ(chart_.DescendantRuler(), kRulers[ds]) << "Ascendant in " << asc;
    ASSERT_EQ(chart_.PointTypeOf("DR"), chart_.PointTypeOf(kRulers[ds]));
    ASSERT_EQ(chart_.GetSignCode("DR"), chart_.GetSignCode(kRulers[ds]));
    if (asc == siLeo) {
      EXPECT_EQ(chart_.DescendantRuler(), "UR");
    }
    seen.insert(ds);
  }
  EXPECT_EQ(seen.size(), 12u);
}

TEST_F(ChartCodesTest, SignCodesOfBodiesAndAngles) {
  Activate(QuietSkyWith({{1, Minutes(200)}, {4, Minutes(29, 59)}, {5, Minutes(330)}}));
  EXPECT_EQ(chart_.GetSignCode("SU"), "LI");
  EXPECT_EQ(chart_.GetSignCode("VE"), "AR");
  EXPECT_EQ(chart_.GetSignCode("MA"), "PI");
  const int mc = chart_.SignOfBody(12);
  const int asc = chart_.SignOfBody(15);
  EXPECT_EQ(chart_.GetSignCode("MC"), THoroscope::SignCode(mc));
  EXPECT_EQ(chart_.GetSignCode("AS"), THoroscope::SignCode(asc));
  EXPECT_EQ(chart_.GetSignCode("IC"), THoroscope::SignCode((mc + 6) % 12));
  EXPECT_EQ(chart_.GetSignCode("DS"), THoroscope::SignCode((asc + 6) % 12));
  for (const char* longer : {"SUN", "DRX", "ABC", "VE7"})
    EXPECT_EQ(chart_.GetSignCode(longer), "XX") << longer;
}

TEST_F(ChartCodesTest, HouseCodesAreTwoDigits) {
  // Sun-sign houses: the Sun at 10 Aries puts cusp 1 at 0 degrees.
  Activate(QuietSkyWith({{1, Minutes(10)}, {2, Minutes(190)}, {3, Minutes(310)}}));
  chart_.SetTimeUnknown(true);
  EXPECT_EQ(chart_.GetHouseCode("SU"), "01");
  EXPECT_EQ(chart_.GetHouseCode("MO"), "07");
  EXPECT_EQ(chart_.GetHouseCode("ME"), "11");
  EXPECT_EQ(chart_.GetHouseCode("DR"), chart_.GetHouseCode(chart_.DescendantRuler()));
}

TEST_F(ChartCodesTest, OverlayHousesAreThePartnersHouses) {
  // This Sun at 10 and Moon at 190; the partner's Sun at 100 (Cancer) with
  // sun-sign houses: cusp 1 at 90 degrees.
  Activate(QuietSkyWith({{1, Minutes(10)}, {2, Minutes(190)}}),
           QuietSkyWith({{1, Minutes(100)}}));
  EXPECT_EQ(chart_.GetOverlayHouseCode("SU"), "99");
  partner_.SetTimeUnknown(true);
  Pair();
  EXPECT_EQ(chart_.GetOverlayHouseCode("SU"), "10");
  EXPECT_EQ(chart_.GetOverlayHouseCode("MO"), "04");
  // The Descendant: this Ascendant plus 180 degrees, cut to whole degrees.
  const long ds = static_cast<long>(chart_.PlanetPos(16) + 180) % 360;
  ASSERT_NE(ds % 30, 0) << "on a cusp of the partner";
  EXPECT_EQ(chart_.GetOverlayHouseCode("DS"), TwoDigits((ds + 270) % 360 / 30 + 1));
}

// ---- polarity ----------------------------------------------------------------

struct PolarityCase {
  const char* what;
  int separation;  // arc minutes from Venus (100 degrees) to Mars
  const char* a;
  const char* b;
  const char* polarity;
};

void PrintTo(const PolarityCase& c, std::ostream* os) { *os << c.what; }

class AspectPolarityTest : public ChartCodesTest,
                           public ::testing::WithParamInterface<PolarityCase> {};

TEST_P(AspectPolarityTest, FollowsTheKindAndForAConjunctionTheFirstBody) {
  const PolarityCase& c = GetParam();
  Activate(QuietSkyWith({{4, Minutes(100)}, {5, Minutes(100) + c.separation}}));
  for (int row = 1; row <= kAspectKinds; ++row) SetOrbs(chart_, row, {4, 5}, 2);
  EXPECT_EQ(chart_.GetAspectPolarity(c.a, c.b), "U") << "no partner";
  Pair();
  EXPECT_EQ(chart_.GetAspectPolarity(c.a, c.b), c.polarity);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AspectPolarityTest,
    ::testing::Values(
        PolarityCase{"Trine", Minutes(120), "VE", "MA", "+"},
        PolarityCase{"Square", Minutes(90), "VE", "MA", "-"},
        PolarityCase{"ConjunctionBeneficFirst", Minutes(1), "VE", "MA", "+"},
        PolarityCase{"ConjunctionMaleficFirst", Minutes(1), "MA", "VE", "-"},
        PolarityCase{"SemiSextile", Minutes(30), "VE", "MA", "+"},
        PolarityCase{"SemiSquare", Minutes(45), "VE", "MA", "-"},
        PolarityCase{"Sextile", Minutes(60), "MA", "VE", "+"},
        PolarityCase{"Sesquiquadrate", Minutes(135), "VE", "MA", "-"},
        PolarityCase{"QuincunxWithinAChart", Minutes(150), "VE", "MA", "+"},
        PolarityCase{"Opposition", Minutes(180), "VE", "MA", "-"},
        PolarityCase{"NoAspect", Minutes(100), "VE", "MA", "U"},
        PolarityCase{"Descendant", Minutes(1), "DS", "MA", "U"}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

class OverlayPolarityTest : public ChartCodesTest,
                            public ::testing::WithParamInterface<PolarityCase> {};

// This chart's a (at 100 degrees) with the partner's b (100 degrees plus the
// separation).
TEST_P(OverlayPolarityTest, FollowsTheCrossKindAndForAConjunctionBothBodies) {
  const PolarityCase& c = GetParam();
  const int mine = THoroscope::BodyIndexOf(c.a) + 1;
  const int theirs = THoroscope::BodyIndexOf(c.b) + 1;
  TSky chartSky = kQuietSky;
  TSky partnerSky = kQuietSky;
  if (mine >= 1 && mine <= 11) chartSky[mine] = Minutes(100);
  if (theirs >= 1 && theirs <= 11) partnerSky[theirs] = Minutes(100) + c.separation;
  Activate(chartSky, partnerSky);
  SetAllOrbs(chart_, 2);
  EXPECT_EQ(chart_.GetOverlayPolarity(c.a, c.b), "U") << "no partner";
  Pair();
  EXPECT_EQ(chart_.GetOverlayPolarity(c.a, c.b), c.polarity);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OverlayPolarityTest,
    ::testing::Values(
        PolarityCase{"ConjunctionWithMalefic", Minutes(1), "SU", "MA", "-"},
        PolarityCase{"ConjunctionMaleficFirst", Minutes(1), "SA", "MO", "-"},
        PolarityCase{"ConjunctionBothBenefic", Minutes(1), "SU", "MO", "+"},
        PolarityCase{"ConjunctionWithDescendant", 0, "SU", "DS", "U"},
        PolarityCase{"QuincunxBetweenCharts", Minutes(150), "VE", "MA", "-"},
        PolarityCase{"Trine", Minutes(120), "VE", "MA", "+"},
        PolarityCase{"Sextile", Minutes(60), "VE", "MA", "+"},
        PolarityCase{"SemiSextile", Minutes(30), "VE", "MA", "+"},
        PolarityCase{"Square", Minutes(90), "VE", "MA", "-"},
        PolarityCase{"Opposition", Minutes(180), "VE", "MA", "-"},
        PolarityCase{"NoAspect", Minutes(100), "VE", "MA", "U"}),
    [](const auto& testParam) { return std::string(testParam.param.what); });

TEST_F(ChartCodesTest, OverlayPolarityOfAHouseNumberLooksAtNoAspect) {
  Activate(QuietSkyWith({{1, Minutes(100)}}), QuietSkyWith({{1, Minutes(100)}}));
  SetAllOrbs(chart_, 2);
  Pair();
  ASSERT_EQ(chart_.GetOverlayPolarity("SU", "SU"), "+");
  for (const char* house : {"01", "07", "12", "1"}) {
    EXPECT_EQ(chart_.GetOverlayPolarity(house, "SU"), "U") << house;
    EXPECT_EQ(chart_.GetOverlayPolarity("SU", house), "U") << house;
  }
}

// ---- lead --------------------------------------------------------------------

struct LeadCase {
  int mine, theirs;  // arc minutes of this chart's and the partner's Sun
  const char* lead;
};

void PrintTo(const LeadCase& c, std::ostream* os) {
  *os << c.mine << "' against " << c.theirs << "'";
}

class LeadCodeTest : public ChartCodesTest,
                     public ::testing::WithParamInterface<LeadCase> {};

TEST_P(LeadCodeTest, ComparesTheLongitudesOrTheirPlacesWithinTheSigns) {
  Activate(QuietSkyWith({{1, GetParam().mine}}),
           QuietSkyWith({{1, GetParam().theirs}}));
  EXPECT_EQ(chart_.GetLeadCode("SU", "SU"), "U") << "no partner";
  Pair();
  EXPECT_EQ(chart_.GetLeadCode("SU", "SU"), GetParam().lead)
      << chart_.PlanetPos(1) << " against " << partner_.PlanetPos(1);
}

INSTANTIATE_TEST_SUITE_P(
    Longitudes, LeadCodeTest,
    ::testing::Values(
        LeadCase{Minutes(10), Minutes(20, 30), "X"},   // d = 10.30
        LeadCase{Minutes(20, 30), Minutes(10), "Z"},
        LeadCase{Minutes(10), Minutes(10), "Z"},
        LeadCase{Minutes(10), Minutes(24, 59), "X"},   // d = 14.59
        LeadCase{Minutes(10), Minutes(25, 1), "Z"},    // 25.01 - 10 > 15 within
        LeadCase{Minutes(355), Minutes(5), "X"},       // ra 25, rb 5 + 30
        LeadCase{Minutes(5), Minutes(355), "Z"},       // ra 5 + 30, rb 25
        LeadCase{Minutes(10), Minutes(50), "X"},       // ra 10, rb 20
        LeadCase{Minutes(25), Minutes(65), "X"},       // ra 25, rb 5 + 30
        LeadCase{Minutes(65), Minutes(25), "Z"}));

TEST_F(ChartCodesTest, LeadOfTheAnglesReadsTheirCusps) {
  // Sun-sign houses with the Sun at 10 Aries: cusps 1, 4, 7, 10 at 0, 90,
  // 180, 270 degrees. The partner's Sun stands 5 degrees after or before
  // an angle, at sky 1 to 8.
  struct {
    const char* angle;
    int cusp;
  } const angles[] = {{"AS", 0}, {"IC", 90}, {"DS", 180}, {"MC", 270}};
  std::vector<TSky> skies = {QuietSkyWith({{1, Minutes(10)}})};
  for (const auto& a : angles)
    for (int offset : {5, -5})
      skies.push_back(QuietSkyWith({{1, Minutes((a.cusp + offset + 360) % 360)}}));
  UseSkies(skies);
  PlaceAtSky(chart_, 0);
  chart_.SetTimeUnknown(true);
  chart_.SetActive(true);
  PlaceAtSky(partner_, 1);
  partner_.SetActive(true);
  Pair();
  int b = 1;
  for (const auto& a : angles) {
    for (const char* lead : {"X", "Z"}) {
      PlaceAtSky(partner_, b++);
      EXPECT_EQ(chart_.GetLeadCode(a.angle, "SU"), lead)
          << a.angle << ", the partner's Sun at " << partner_.PlanetPos(1);
    }
  }
}

TEST_F(ChartCodesTest, LeadResolvesDrWithEachChart) {
  Activate(kQuietSky, QuietSkyWith({{1, Minutes(200)}}));
  Pair();
  EXPECT_EQ(chart_.GetLeadCode("DR", "SU"),
            chart_.GetLeadCode(chart_.DescendantRuler(), "SU"));
  EXPECT_EQ(chart_.GetLeadCode("SU", "DR"),
            chart_.GetLeadCode("SU", partner_.DescendantRuler()));
}

}  // namespace
}  // namespace vyn

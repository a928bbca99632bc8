// Aspects within a chart and between two charts, on skies whose longitudes
// the tests choose.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "engine/aspects.h"
#include "engine/ephemeris.h"
#include "engine/horoscope.h"
#include "engine/horoscope_exception.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn {
namespace {
using test::ChartOnSkies;
using test::kQuietSky;
using test::Minutes;
using test::QuietSkyWith;

// Orb rows of SetOrb: the aspect kind plus one.
constexpr int kConjunctionRow = 1, kKind1Row = 2, kSemiSextileRow = 3,
              kSemiSquareRow = 4, kSextileRow = 5, kKind5Row = 6,
              kSquareRow = 7, kOppositionRow = 13;

// One list entry as GetAspect and GetCrossAspect give it.
struct Aspect {
  int first = 0, second = 0, kind = 0;
  extended orb = 0;
  bool operator==(const Aspect&) const = default;
};

void PrintTo(const Aspect& e, std::ostream* os) {
  *os << "(" << e.first << ", " << e.second << ", kind " << e.kind << ", orb "
      << static_cast<double>(e.orb) << ")";
}

std::vector<Aspect> Entries(const THoroscope& chart, bool cross) {
  std::vector<Aspect> out;
  Aspect e;
  for (int n = 1;; ++n) {
    const bool found = cross ? chart.GetCrossAspect(n, e.first, e.second, e.kind, e.orb)
                             : chart.GetAspect(n, e.first, e.second, e.kind, e.orb);
    if (!found) break;
    out.push_back(e);
  }
  return out;
}

std::vector<Aspect> Own(const THoroscope& chart) { return Entries(chart, false); }
std::vector<Aspect> Cross(const THoroscope& chart) { return Entries(chart, true); }

// The entries of a list between two points, in that order.
std::vector<Aspect> Between(const std::vector<Aspect>& list, int a,
                                  int b) {
  std::vector<Aspect> out;
  for (const Aspect& e : list)
    if (e.first == a && e.second == b) out.push_back(e);
  return out;
}

template <typename Entry>
bool Involves(const Entry& e, int p) { return e.first == p || e.second == p; }

class AspectTest : public ChartOnSkies {
 protected:
  // Charts at skies 0 (chart_) and 1 (partner_), both active.
  void Activate(const std::vector<test::TSky>& skies) {
    UseSkies(skies);
    PlaceAtSky(chart_, 0);
    chart_.SetLatitude(47.22L);
    chart_.SetBirthTime(10.10L);
    chart_.SetActive(true);
    if (skies.size() > 1) {
      PlaceAtSky(partner_, 1);
      partner_.SetLatitude(-12.03L);
      partner_.SetBirthTime(19.50L);
      partner_.SetActive(true);
    }
  }
  void Pair() {
    partner_.SetPartner(&chart_);
    chart_.SetPartner(&partner_);
  }
  THoroscope chart_, partner_;
};

// ---- the examples --------------------------------------------------------

TEST_F(AspectTest, SunAt10AndMoonAt70DegreesFormOneExactSextile) {
  Activate({QuietSkyWith({{1, Minutes(10)}, {2, Minutes(70)}})});
  SetOrbs(chart_, kSextileRow, {1, 2}, 6);
  SetOrbs(chart_, kKind5Row, {1, 2}, 6);  // 75 degrees is never an aspect
  EXPECT_EQ(Between(Own(chart_), 1, 2),
            (std::vector<Aspect>{{1, 2, 4, 0}}));
}

TEST_F(AspectTest, PointsAt359And1DegreeAreAConjunctionOf120ArcMinutes) {
  Activate({QuietSkyWith({{1, Minutes(359)}, {2, Minutes(1)}})});
  SetOrbs(chart_, kConjunctionRow, {1, 2}, 3);
  SetOrbs(chart_, kKind1Row, {1, 2}, 15);
  EXPECT_EQ(Between(Own(chart_), 1, 2),
            (std::vector<Aspect>{{1, 2, 0, 120}}));
}

TEST_F(AspectTest, AnOrbOfZeroListsOnlyAspectsExactToTheArcMinute) {
  Activate({QuietSkyWith({{1, Minutes(10)}, {2, Minutes(70)}, {3, Minutes(100, 1)}})});
  EXPECT_EQ(Between(Own(chart_), 1, 2), (std::vector<Aspect>{{1, 2, 4, 0}}));
  EXPECT_TRUE(Between(Own(chart_), 1, 3).empty());
}

// Stored values a whole number of arc minutes apart are read as that
// separation exactly, wherever the first one stands.
TEST_F(AspectTest, ExactAspectsOfStoredValuesHaveOrbZero) {
  std::vector<test::TSky> skies;
  for (int start = 0; start < Minutes(360); start += Minutes(7, 13)) {
    skies.push_back(QuietSkyWith({{1, start},
                                  {2, (start + Minutes(90)) % Minutes(360)},
                                  {3, (start + Minutes(120)) % Minutes(360)},
                                  {4, (start + Minutes(210)) % Minutes(360)},
                                  {5, (start + Minutes(45)) % Minutes(360)}}));
  }
  UseSkies(skies);
  for (int b = 0; b < static_cast<int>(skies.size()); ++b) {
    THoroscope chart;
    PlaceAtSky(chart, b);
    chart.SetActive(true);
    const auto own = Own(chart);
    EXPECT_EQ(Between(own, 1, 2), (std::vector<Aspect>{{1, 2, 6, 0}})) << skies[b][1];
    EXPECT_EQ(Between(own, 1, 3), (std::vector<Aspect>{{1, 3, 8, 0}})) << skies[b][1];
    EXPECT_EQ(Between(own, 1, 4), (std::vector<Aspect>{{1, 4, 10, 0}})) << skies[b][1];
    EXPECT_EQ(Between(own, 1, 5), (std::vector<Aspect>{{1, 5, 3, 0}})) << skies[b][1];
  }
}

TEST_F(AspectTest, ASeparationBetweenTwoAnglesMayMatchBoth) {
  Activate({QuietSkyWith({{1, Minutes(10)}, {2, Minutes(47, 30)}})});
  SetOrbs(chart_, kSemiSextileRow, {1, 2}, 8);
  SetOrbs(chart_, kSemiSquareRow, {1, 2}, 8);
  EXPECT_EQ(Between(Own(chart_), 1, 2),
            (std::vector<Aspect>{{1, 2, 2, 450}, {1, 2, 3, 450}}));
}

TEST_F(AspectTest, AnglesBeyond180DegreesAreMeasuredTheOtherWayRound) {
  Activate({QuietSkyWith({{1, Minutes(10)}, {2, Minutes(310)}, {3, Minutes(10, 30)},
                          {4, Minutes(190, 30)}})});
  SetOrbs(chart_, kSextileRow, {1, 2}, 6);
  SetOrbs(chart_, kOppositionRow, {3, 4}, 1);
  EXPECT_EQ(Between(Own(chart_), 1, 2), (std::vector<Aspect>{{1, 2, 4, 0}}));
  EXPECT_EQ(Between(Own(chart_), 3, 4), (std::vector<Aspect>{{3, 4, 12, 0}}));
}

struct SmallerOrbCase {
  int sunOrb, plutoOrb, plutoMinutes;
  bool listed;
};

void PrintTo(const SmallerOrbCase& c, std::ostream* os) {
  *os << "Sun " << c.sunOrb << ", Pluto " << c.plutoOrb << " at " << c.plutoMinutes << "'";
}

class SmallerOrbTest : public AspectTest,
                       public ::testing::WithParamInterface<SmallerOrbCase> {};

TEST_P(SmallerOrbTest, BothPointsMustAdmitTheDistanceFromExact) {
  const SmallerOrbCase& c = GetParam();
  // The Sun at 10 degrees, Pluto about 96 degrees further on: a square
  // 6 degrees (360') from exact.
  Activate({QuietSkyWith({{1, Minutes(10)}, {10, c.plutoMinutes}})});
  chart_.SetOrb(kSquareRow, 1, c.sunOrb);
  chart_.SetOrb(kSquareRow, 10, c.plutoOrb);
  EXPECT_EQ(Between(Own(chart_), 1, 10).size(), c.listed ? 1u : 0u)
      << "Sun orb " << c.sunOrb << ", Pluto orb " << c.plutoOrb;
}

INSTANTIATE_TEST_SUITE_P(
    Orbs, SmallerOrbTest,
    ::testing::Values(SmallerOrbCase{8, 5, Minutes(106), false},
                      SmallerOrbCase{5, 8, Minutes(106), false},
                      SmallerOrbCase{8, 6, Minutes(106), true},
                      SmallerOrbCase{6, 6, Minutes(106), true},
                      SmallerOrbCase{6, 6, Minutes(106, 1), false},
                      SmallerOrbCase{6, 6, Minutes(94), true}));

TEST_F(AspectTest, OnlyTheNineAspectKindsAreEverListed) {
  Activate({kQuietSky});
  SetAllOrbs(chart_, 15);
  for (const auto& list : {Own(chart_), Cross(chart_)})
    for (const Aspect& e : list) ASSERT_TRUE(IsAspectKind(e.kind)) << e.kind;
}

// ---- what the own list leaves out ----------------------------------------

TEST_F(AspectTest, TheNodeAxisNodeWithAnglesAndAscendantWithMidheavenAreNoOwnAspects) {
  Activate({kQuietSky});
  SetAllOrbs(chart_, 15);
  const auto own = Own(chart_);
  for (const Aspect& e : own) {
    EXPECT_NE(e.first, kPointNorthNode);
    EXPECT_NE(e.first, kPointAscendant);
    EXPECT_LT(e.first, e.second);
  }
  // Every other pair is listed at least once with orbs this wide; the
  // South Node does aspect the angles.
  for (int i = 1; i <= 14; ++i) {
    if (i == kPointNorthNode || i == kPointAscendant) continue;
    for (int j = i + 1; j <= 14; ++j)
      EXPECT_FALSE(Between(own, i, j).empty()) << i << "-" << j;
  }
}

TEST_F(AspectTest, TheNodesOpposeEachOtherInTheCrossList) {
  Activate({kQuietSky});
  SetOrbs(chart_, kOppositionRow, {11, 12}, 1);
  EXPECT_TRUE(Between(Own(chart_), 11, 12).empty());
  const auto cross = Cross(chart_);
  EXPECT_EQ(Between(cross, 11, 12), (std::vector<Aspect>{{11, 12, 12, 0}}));
  EXPECT_EQ(Between(cross, 12, 11), (std::vector<Aspect>{{12, 11, 12, 0}}));
}

TEST_F(AspectTest, ThePartnersNodesAspectThisChartsPoints) {
  // The partner's North Node 90 degrees from this chart's Sun.
  Activate({QuietSkyWith({{1, Minutes(10)}}), QuietSkyWith({{11, Minutes(100)}})});
  SetOrbs(chart_, kSquareRow, {1, 11, 12}, 1);
  Pair();
  EXPECT_EQ(Between(Cross(chart_), 1, 11), (std::vector<Aspect>{{1, 11, 6, 0}}));
  EXPECT_EQ(Between(Cross(chart_), 1, 12), (std::vector<Aspect>{{1, 12, 6, 0}}));
}

// ---- the cross list --------------------------------------------------------

TEST_F(AspectTest, WithoutAPartnerTheCrossListHoldsTheChartWithItself) {
  Activate({kQuietSky});
  const auto cross = Cross(chart_);
  for (int p = 1; p <= 14; ++p)
    EXPECT_EQ(Between(cross, p, p), (std::vector<Aspect>{{p, p, 0, 0}}))
        << "point " << p;
  for (const Aspect& e : Own(chart_)) EXPECT_NE(e.first, e.second);
}

TEST_F(AspectTest, TheCrossListUsesThisChartsOrbsForBothPoints) {
  // This chart's Sun 2 degrees from the partner's Moon.
  Activate({QuietSkyWith({{1, Minutes(10)}}), QuietSkyWith({{2, Minutes(12)}})});
  chart_.SetOrb(kConjunctionRow, 1, 3);
  chart_.SetOrb(kConjunctionRow, 2, 3);
  Pair();
  EXPECT_EQ(Between(Cross(chart_), 1, 2), (std::vector<Aspect>{{1, 2, 0, 120}}));
  EXPECT_TRUE(Between(Cross(partner_), 2, 1).empty());  // the partner's orbs are 0
}

TEST_F(AspectTest, PartnersWithEqualOrbsHoldMirroredCrossLists) {
  Activate({kQuietSky, QuietSkyWith({{1, Minutes(200)}, {5, Minutes(13)}})});
  SetAllOrbs(chart_, 4);
  SetAllOrbs(partner_, 4);
  Pair();
  const auto mine = Cross(chart_);
  const auto theirs = Cross(partner_);
  ASSERT_LT(mine.size(), 150u);
  ASSERT_EQ(mine.size(), theirs.size());
  for (const Aspect& e : mine) {
    std::vector<Aspect> mirrored;
    for (Aspect m : Between(mine, e.first, e.second)) {
      std::swap(m.first, m.second);
      mirrored.push_back(m);
    }
    EXPECT_EQ(Between(theirs, e.second, e.first), mirrored);
  }
}

// The cross list a chart with the partner's data and orbs computes afresh
// against this chart as it stands now.
std::vector<Aspect> FreshPartnerCross(const THoroscope& partner,
                                            THoroscope& chart, int orbs) {
  THoroscope fresh;
  fresh.Assign(partner);
  for (int row = 1; row <= kAspectKinds; ++row)
    for (int p = 1; p <= kAspectPoints; ++p) fresh.SetOrb(row, p, orbs);
  fresh.SetPartner(&chart);
  fresh.SetActive(true);
  return Cross(fresh);
}

TEST_F(AspectTest, ARecalculationRefreshesThePartnersCrossListWhenTheyPointAtEachOther) {
  Activate({kQuietSky, QuietSkyWith({{1, Minutes(200)}})});
  SetAllOrbs(chart_, 4);
  SetAllOrbs(partner_, 4);
  Pair();
  const auto before = Cross(partner_);
  chart_.SetBirthTime(3.25L);  // moves this chart's angles
  ASSERT_NE(Cross(partner_), before);
  EXPECT_EQ(Cross(partner_), FreshPartnerCross(partner_, chart_, 4));
}

TEST_F(AspectTest, AOneSidedPartnerIsNotRefreshed) {
  Activate({kQuietSky, QuietSkyWith({{1, Minutes(200)}})});
  SetAllOrbs(chart_, 4);
  SetAllOrbs(partner_, 4);
  partner_.SetPartner(&chart_);  // the chart itself has no partner
  const auto before = Cross(partner_);
  chart_.SetBirthTime(3.25L);
  ASSERT_NE(FreshPartnerCross(partner_, chart_, 4), before);
  EXPECT_EQ(Cross(partner_), before);
}

TEST_F(AspectTest, TheCrossLookupsGoOnlyInTheDirectionGiven) {
  // This Sun 10, partner Moon 70: a sextile. This Moon 300, partner Sun 200:
  // 100 degrees, none.
  Activate({QuietSkyWith({{1, Minutes(10)}, {2, Minutes(300)}}),
            QuietSkyWith({{1, Minutes(200)}, {2, Minutes(70)}})});
  SetOrbs(chart_, kSextileRow, {1, 2}, 6);
  Pair();
  EXPECT_EQ(chart_.GetCrossAspectKind("SU", "MO"), 4);
  EXPECT_EQ(chart_.GetCrossAspectOrb("SU", "MO"), 0);
  EXPECT_EQ(chart_.GetCrossAspectKind("MO", "SU"), -1);
  EXPECT_EQ(chart_.GetCrossAspectOrb("MO", "SU"), -1);
  EXPECT_EQ(chart_.GetCrossAspectKind("SU", "DS"), -1);
  EXPECT_EQ(chart_.GetCrossAspectKind("XY", "MO"), -1);
}

// ---- limits ----------------------------------------------------------------

TEST_F(AspectTest, AListKeepsTheFirst150AspectsFound) {
  Activate({kQuietSky});
  SetAllOrbs(chart_, 15);  // every pair of points gives one or two entries
  const auto cross = Cross(chart_);
  ASSERT_EQ(cross.size(), 150u);
  for (std::size_t n = 1; n < cross.size(); ++n) {
    const auto& a = cross[n - 1];
    const auto& b = cross[n];
    EXPECT_TRUE(a.first < b.first || (a.first == b.first && a.second <= b.second))
        << "entry " << n + 1 << " out of the order found";
  }
  EXPECT_LT(cross.back().first, 14);  // the last points' aspects were dropped
  EXPECT_LE(chart_.AspectCount(), TAspectList::kCapacity);
}

TEST_F(AspectTest, EveryEntryIsIndexedUnderBothPointsWhateverTheirNumber) {
  Activate({kQuietSky});
  SetAllOrbs(chart_, 15);
  int busiest = 0;
  for (const TAspectList* list : {&chart_.OwnAspects(), &chart_.CrossAspects()}) {
    for (int p = 1; p <= kAspectPoints; ++p) {
      int expected = 0;
      for (int n = 1; n <= list->Count(); ++n)
        expected += (list->Entry(n).first == p) + (list->Entry(n).second == p);
      ASSERT_EQ(list->IndexCount(p), expected) << "point " << p;
      ASSERT_LE(list->IndexCount(p), TAspectList::kIndexCapacity);
      busiest = std::max(busiest, list->IndexCount(p));
      for (int k = 1; k <= list->IndexCount(p); ++k) {
        const int n = list->IndexedEntry(p, k);
        ASSERT_TRUE(n >= 1 && n <= list->Count());
        EXPECT_TRUE(Involves(list->Entry(n), p));
        if (k > 1) {
          EXPECT_GE(n, list->IndexedEntry(p, k - 1));
        }
      }
    }
  }
  EXPECT_GT(busiest, 28) << "no index got busier than 28 entries";
}

TEST_F(AspectTest, CrossLookupsFindEveryPairOfTheBusiestLists) {
  Activate({kQuietSky});
  SetAllOrbs(chart_, 15);
  const auto cross = Cross(chart_);
  for (const Aspect& e : cross) {
    const auto a = kBodyCodes[e.first - 1], b = kBodyCodes[e.second - 1];
    const Aspect first = Between(cross, e.first, e.second).front();
    EXPECT_EQ(chart_.GetCrossAspectKind(a, b), first.kind) << a << "-" << b;
    EXPECT_EQ(chart_.GetCrossAspectOrb(a, b), first.orb) << a << "-" << b;
  }
}

// ---- unknown birth time ------------------------------------------------------

TEST_F(AspectTest, WithTheBirthTimeUnknownNoAspectInvolvesTheAngles) {
  Activate({kQuietSky});
  SetAllOrbs(chart_, 12);
  chart_.SetTimeUnknown(true);
  ASSERT_FALSE(Own(chart_).empty());
  for (const auto& list : {Own(chart_), Cross(chart_)})
    for (const Aspect& e : list)
      EXPECT_FALSE(Involves(e, 13) || Involves(e, 14))
          << e.first << "-" << e.second;
}

TEST_F(AspectTest, APartnersUnknownAnglesAreLeftOutOfTheCrossList) {
  Activate({kQuietSky, QuietSkyWith({{1, Minutes(200)}})});
  SetAllOrbs(chart_, 6);
  SetAllOrbs(partner_, 6);
  partner_.SetTimeUnknown(true);
  Pair();
  bool ownAngles = false;
  for (const Aspect& e : Cross(chart_)) {
    EXPECT_LE(e.second, 12) << e.first << "-" << e.second;
    ownAngles |= e.first >= 13;
  }
  EXPECT_TRUE(ownAngles) << "this chart's own angles take part";
  // The partner, whose time is unknown, lists no angle of either chart.
  ASSERT_FALSE(Cross(partner_).empty());
  for (const Aspect& e : Cross(partner_))
    EXPECT_FALSE(e.first >= 13 || e.second >= 13) << e.first << "-" << e.second;
}

// ---- reads -------------------------------------------------------------------

TEST_F(AspectTest, AspectPointsAreTheBodiesThenCusp1AndCusp10) {
  Activate({kQuietSky});
  for (int p = 1; p <= 12; ++p) EXPECT_EQ(chart_.AspectPointRad(p), chart_.PlanetRad(p));
  EXPECT_EQ(chart_.AspectPointRad(13), chart_.CuspRad(1));
  EXPECT_EQ(chart_.AspectPointRad(14), chart_.CuspRad(10));
  chart_.SetTimeUnknown(true);  // sun-sign cusps: not the cusp slots
  EXPECT_EQ(chart_.AspectPointRad(13), chart_.CuspRad(1));
  EXPECT_NE(chart_.AspectPointRad(13), chart_.PlanetRad(16));
}

TEST_F(AspectTest, AspectPointsOutside1To14AreRefused) {
  Activate({kQuietSky});
  for (int p : {-1, 0, 15, 16}) {
    try {
      chart_.AspectPointRad(p);
      ADD_FAILURE() << "point " << p;
    } catch (const EHoroscopeException& e) {
      EXPECT_STREQ(e.what(), "Incorrect Aspect Index.");
    }
  }
}

TEST_F(AspectTest, GetAspectAnswersOnlyForEntryNumbersInTheList) {
  Activate({QuietSkyWith({{1, Minutes(10)}, {2, Minutes(70)}})});
  const int count = chart_.AspectCount();
  ASSERT_GT(count, 0);
  int first = -7, second = -7, kind = -7;
  extended orb = -7;
  for (int n : {0, -1, count + 1}) {
    EXPECT_FALSE(chart_.GetAspect(n, first, second, kind, orb)) << n;
    EXPECT_EQ(first, -7);
    EXPECT_EQ(orb, -7);
  }
  EXPECT_FALSE(chart_.GetCrossAspect(chart_.CrossAspectCount() + 1, first, second,
                                     kind, orb));
  EXPECT_TRUE(chart_.GetAspect(count, first, second, kind, orb));
}

// ---- lookups by code ---------------------------------------------------------

TEST_F(AspectTest, OwnLookupsFindAPairInEitherOrder) {
  Activate({QuietSkyWith({{1, Minutes(10)}, {2, Minutes(70)}})});
  const auto own = Own(chart_);
  const auto sextile = Between(own, 1, 2);
  ASSERT_EQ(sextile.size(), 1u);
  int number = 0;
  for (std::size_t n = 0; n < own.size(); ++n)
    if (own[n] == sextile[0]) number = static_cast<int>(n) + 1;
  EXPECT_EQ(chart_.GetAspectKind("SU", "MO"), 4);
  EXPECT_EQ(chart_.GetAspectKind("MO", "SU"), 4);
  EXPECT_EQ(chart_.GetAspectNumber("SU", "MO"), number);
  EXPECT_EQ(chart_.GetAspectNumber("MO", "SU"), number);
  EXPECT_EQ(chart_.GetAspectKind("SU", "ME"), -1);
  EXPECT_EQ(chart_.GetAspectNumber("SU", "ME"), -1);
  EXPECT_EQ(chart_.GetAspectKind("SU", "XY"), -1);
  EXPECT_EQ(chart_.GetAspectKind("DS", "SU"), -1);
  EXPECT_EQ(chart_.GetAspectKind("SU", "IC"), -1);
}

TEST_F(AspectTest, OwnLookupsReachTheAngles) {
  Activate({kQuietSky});
  SetAllOrbs(chart_, 15);
  const auto own = Own(chart_);
  const auto sunAsc = Between(own, 1, 13);
  ASSERT_FALSE(sunAsc.empty());
  EXPECT_EQ(chart_.GetAspectKind("AS", "SU"), sunAsc[0].kind);
  EXPECT_EQ(chart_.GetAspectKind("SU", "AS"), sunAsc[0].kind);
  const auto moonMc = Between(own, 2, 14);
  ASSERT_FALSE(moonMc.empty());
  EXPECT_EQ(chart_.GetAspectKind("MC", "MO"), moonMc[0].kind);
}

// The ruler of the Descendant stands in for "DR": this chart's as the first
// argument; the partner's as the second, this chart's own without a partner.
class RulerLookupTest : public AspectTest {
 protected:
  // Birth times that put different rulers on the two Descendants, both
  // among Mercury to Saturn.
  void FindTimesWithDifferentRulers() {
    Activate({kQuietSky, kQuietSky});
    for (int h = 0; h < 24 && !found_; ++h) {
      chart_.SetBirthTime(h);
      for (int k = 0; k < 24 && !found_; ++k) {
        partner_.SetBirthTime(k);
        const int mine = THoroscope::BodyIndexOf(chart_.DescendantRuler());
        const int theirs = THoroscope::BodyIndexOf(partner_.DescendantRuler());
        found_ = mine >= plMercury && mine <= plSaturn && theirs >= plMercury &&
                 theirs <= plSaturn && mine != theirs;
      }
    }
    ASSERT_TRUE(found_);
    ownRuler_ = chart_.DescendantRuler();
    partnerRuler_ = partner_.DescendantRuler();
  }
  // This chart's Sun at 10 degrees, its own ruler at 70 (a sextile), the
  // partner's ruler at 107 (nothing); both charts' rulers alike.
  void PlaceBodies() {
    const int own = THoroscope::BodyIndexOf(ownRuler_) + 1;
    const int other = THoroscope::BodyIndexOf(partnerRuler_) + 1;
    const test::TSky sky =
        QuietSkyWith({{1, Minutes(10)}, {own, Minutes(70)}, {other, Minutes(107)}});
    const extended chartTime = chart_.BirthTime(), partnerTime = partner_.BirthTime();
    TEphemeris::Shared().Close();
    Activate({sky, sky});
    chart_.SetBirthTime(chartTime);
    partner_.SetBirthTime(partnerTime);
    SetOrbs(chart_, kSextileRow, {1, own, other}, 6);
    SetOrbs(partner_, kSextileRow, {1, own, other}, 6);
    ASSERT_EQ(chart_.DescendantRuler(), ownRuler_);
    ASSERT_EQ(partner_.DescendantRuler(), partnerRuler_);
  }
  bool found_ = false;
  std::string ownRuler_, partnerRuler_;
};

TEST_F(RulerLookupTest, DrResolvesWithTheRightChart) {
  FindTimesWithDifferentRulers();
  PlaceBodies();
  // Without a partner both arguments mean this chart's ruler.
  EXPECT_EQ(chart_.GetAspectKind("DR", "SU"), 4);
  EXPECT_EQ(chart_.GetAspectKind("SU", "DR"), 4);
  EXPECT_EQ(chart_.GetAspectNumber("SU", "DR"),
            chart_.GetAspectNumber("SU", ownRuler_));
  Pair();
  EXPECT_EQ(chart_.GetAspectKind("DR", "SU"), 4);
  EXPECT_EQ(chart_.GetAspectKind("SU", "DR"), -1);  // the partner's ruler
  // This Sun with the partner's bodies: the partner's ruler stands at 107.
  ASSERT_EQ(chart_.GetCrossAspectKind("SU", ownRuler_), 4);
  EXPECT_EQ(chart_.GetCrossAspectKind("SU", "DR"), -1);
  EXPECT_EQ(chart_.GetCrossAspectOrb("SU", "DR"), -1);
  // This chart's ruler with the partner's Sun.
  ASSERT_EQ(chart_.GetCrossAspectKind(partnerRuler_, "SU"), -1);
  EXPECT_EQ(chart_.GetCrossAspectKind("DR", "SU"), 4);
  EXPECT_EQ(chart_.GetCrossAspectOrb("DR", "SU"), 0);
}

}  // namespace
}  // namespace vyn

// How chart records, their partners and their wheels let go of each other,
// and how a pair reports its recalculations.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "engine/horoscope.h"
#include "engine/wheel_link.h"
#include "tests/engine/ephemeris_fixture.h"

namespace vyn {
namespace {
using test::ChartOnSkies;
using test::kQuietSky;

using TCrossList = std::vector<std::tuple<int, int, int, extended>>;

TCrossList CrossOf(const THoroscope& chart) {
  TCrossList list;
  int first, second, kind;
  extended orb;
  for (int n = 1; chart.GetCrossAspect(n, first, second, kind, orb); ++n)
    list.emplace_back(first, second, kind, orb);
  return list;
}

// A wheel that counts what its chart tells it and keeps the cross list it
// saw at its last update.
class TestWheel : public TWheelLink {
 public:
  void SetPropagationCount(int) override {}
  void UpdateFromChart() override {
    ++updates;
    seenCross = LinkedChart() ? CrossOf(*LinkedChart()) : TCrossList{};
  }
  void ChartUnlinked() override { ++unlinked; }
  using TWheelLink::Unlink;

  int updates = 0;
  int unlinked = 0;
  TCrossList seenCross;
};

// Charts on two skies; every chart made here is active, has every orb at 7
// degrees and counts its reports.
class ChartLifetimeTest : public ChartOnSkies {
 protected:
  void SetUp() override {
    UseSkies({kQuietSky, test::QuietSkyWith({{1, 12000}, {2, 300}})});
  }

  std::unique_ptr<THoroscope> MakeChart(int sky) {
    auto chart = std::make_unique<THoroscope>();
    PlaceAtSky(*chart, sky);
    SetAllOrbs(*chart, 7);
    chart->SetActive(true);
    chart->OnChange = [this, c = chart.get()](THoroscope&) { ++changes[c]; };
    return chart;
  }

  static void Pair(THoroscope& a, THoroscope& b) {
    a.SetPartner(&b);
    b.SetPartner(&a);
  }

  std::map<const THoroscope*, int> changes;
};

// ---- partners ------------------------------------------------------------

TEST_F(ChartLifetimeTest, DestroyingAChartUnlinksEveryChartWhosePartnerItIs) {
  auto a = MakeChart(0), b = MakeChart(1), c = MakeChart(0);
  Pair(*a, *b);
  c->SetPartner(b.get());
  ASSERT_GT(a->CrossAspectCount(), 0);
  ASSERT_GT(c->CrossAspectCount(), 0);
  b.reset();
  for (THoroscope* chart : {a.get(), c.get()}) {
    EXPECT_EQ(chart->Partner(), nullptr);
    EXPECT_EQ(chart->CrossAspectCount(), 0);
  }
  // The next calculation reads no partner.
  a->SetLatitude(10);
  EXPECT_EQ(CrossOf(*a).size(), static_cast<size_t>(a->CrossAspectCount()));
}

TEST_F(ChartLifetimeTest, ADestroyedChartIsForgottenByItsOwnPartner) {
  auto a = MakeChart(0), b = MakeChart(1);
  a->SetPartner(b.get());  // b does not name a
  a.reset();
  EXPECT_EQ(b->Partner(), nullptr);
  b.reset();  // would reach the destroyed a if it were still listed
}

TEST_F(ChartLifetimeTest, AChangedPartnerNoLongerListsTheChart) {
  auto a = MakeChart(0), b = MakeChart(1), c = MakeChart(1);
  a->SetPartner(b.get());
  a->SetPartner(c.get());
  b.reset();
  EXPECT_EQ(a->Partner(), c.get());
  c.reset();
  EXPECT_EQ(a->Partner(), nullptr);
}

TEST_F(ChartLifetimeTest, AChartMayBeItsOwnPartnerAndStillGo) {
  auto a = MakeChart(0);
  a->SetPartner(a.get());
  EXPECT_EQ(a->Partner(), a.get());
  a.reset();
}

// ---- wheels --------------------------------------------------------------

TEST_F(ChartLifetimeTest, ADestroyedWheelIsUnlinkedFromItsChart) {
  auto chart = MakeChart(0);
  auto wheel = std::make_unique<TestWheel>();
  chart->SetWheel(wheel.get());
  wheel.reset();
  EXPECT_EQ(chart->Wheel(), nullptr);
  chart->SetLatitude(10);  // reports to no wheel
  EXPECT_EQ(changes[chart.get()], 1);
}

TEST_F(ChartLifetimeTest, ADestroyedChartTellsItsWheel) {
  auto chart = MakeChart(0);
  TestWheel wheel;
  chart->SetWheel(&wheel);
  EXPECT_EQ(wheel.LinkedChart(), chart.get());
  chart.reset();
  EXPECT_EQ(wheel.LinkedChart(), nullptr);
  EXPECT_EQ(wheel.unlinked, 1);
}

TEST_F(ChartLifetimeTest, AWheelFollowsOneChart) {
  auto first = MakeChart(0), second = MakeChart(1);
  TestWheel wheel;
  first->SetWheel(&wheel);
  second->SetWheel(&wheel);
  EXPECT_EQ(first->Wheel(), nullptr);
  EXPECT_EQ(second->Wheel(), &wheel);
  EXPECT_EQ(wheel.LinkedChart(), second.get());
  EXPECT_EQ(wheel.unlinked, 0);  // it moved itself
  first->SetLatitude(10);
  EXPECT_EQ(wheel.updates, 0);
  first.reset();
  EXPECT_EQ(wheel.LinkedChart(), second.get());
}

TEST_F(ChartLifetimeTest, AWheelDisplacedByAnotherIsTold) {
  auto chart = MakeChart(0);
  TestWheel first, second;
  chart->SetWheel(&first);
  chart->SetWheel(&second);
  EXPECT_EQ(first.LinkedChart(), nullptr);
  EXPECT_EQ(first.unlinked, 1);
  EXPECT_EQ(second.LinkedChart(), chart.get());
  chart.reset();
  EXPECT_EQ(first.unlinked, 1);
  EXPECT_EQ(second.unlinked, 1);
}

TEST_F(ChartLifetimeTest, AWheelThatLeavesOrIsCopiedIsNotLinked) {
  auto chart = MakeChart(0);
  TestWheel wheel;
  chart->SetWheel(&wheel);
  const TestWheel copy = wheel;
  EXPECT_EQ(copy.LinkedChart(), nullptr);
  EXPECT_EQ(chart->Wheel(), &wheel);
  wheel.Unlink();
  EXPECT_EQ(chart->Wheel(), nullptr);
  EXPECT_EQ(wheel.LinkedChart(), nullptr);
  EXPECT_EQ(wheel.unlinked, 0);
}

// ---- reports of a pair ---------------------------------------------------

TEST_F(ChartLifetimeTest, APartnersRecalculationReportsToThePartnersViews) {
  auto a = MakeChart(0), b = MakeChart(1);
  Pair(*a, *b);
  TestWheel wheel;
  b->SetWheel(&wheel);
  changes.clear();
  const TCrossList before = CrossOf(*b);
  a->SetBirthTime(9.30L);  // moves a's angles against b's bodies
  ASSERT_NE(CrossOf(*b), before);
  EXPECT_EQ(changes[a.get()], 1);
  EXPECT_EQ(changes[b.get()], 1);
  EXPECT_EQ(wheel.updates, 1);
  EXPECT_EQ(wheel.seenCross, CrossOf(*b));
}

TEST_F(ChartLifetimeTest, AnInactivePartnerGetsItsCrossListButNoReport) {
  auto a = MakeChart(0), b = MakeChart(1);
  Pair(*a, *b);
  b->SetActive(false);
  changes.clear();
  const TCrossList before = CrossOf(*b);
  a->SetBirthTime(9.30L);
  EXPECT_NE(CrossOf(*b), before);
  EXPECT_EQ(changes[b.get()], 0);
}

TEST_F(ChartLifetimeTest, AChartThatIsNotItsPartnersPartnerLeavesItAlone) {
  auto a = MakeChart(0), b = MakeChart(1), c = MakeChart(1);
  a->SetPartner(b.get());
  b->SetPartner(c.get());
  changes.clear();
  const TCrossList before = CrossOf(*b);
  a->SetBirthTime(9.30L);
  EXPECT_EQ(CrossOf(*b), before);
  EXPECT_EQ(changes[b.get()], 0);
}

TEST_F(ChartLifetimeTest, AHandlerChangingThePartnerLeavesBothViewsOnTheFinalState) {
  auto a = MakeChart(0), b = MakeChart(1);
  Pair(*a, *b);
  TestWheel wheelA, wheelB;
  a->SetWheel(&wheelA);
  b->SetWheel(&wheelB);
  bool moved = false;
  TCrossList firstSeen;
  a->OnChange = [&](THoroscope&) {
    if (moved) return;
    moved = true;
    firstSeen = wheelA.seenCross;
    b->SetBirthTime(15.45L);  // changes a's cross list after a's wheel saw it
  };
  a->SetLatitude(20);
  ASSERT_NE(firstSeen, CrossOf(*a));
  EXPECT_EQ(wheelA.seenCross, CrossOf(*a));
  EXPECT_EQ(wheelB.seenCross, CrossOf(*b));
}

TEST_F(ChartLifetimeTest, HandlersThatKeepChangingEachOtherComeToAnEnd) {
  auto a = MakeChart(0), b = MakeChart(1);
  Pair(*a, *b);
  int aReports = 0, bReports = 0;
  a->OnChange = [&](THoroscope&) {
    ++aReports;
    b->SetBirthTime((aReports + bReports) % 24);
  };
  b->OnChange = [&](THoroscope&) {
    ++bReports;
    a->SetLatitude((aReports + bReports) % 60);
  };
  a->SetBirthTime(5);
  EXPECT_GT(aReports, 0);
  EXPECT_GT(bReports, 0);
  EXPECT_LT(aReports + bReports, 50);
}

TEST_F(ChartLifetimeTest, APartnerDestroyedByAHandlerIsNotReportedTo) {
  auto a = MakeChart(0);
  auto b = MakeChart(1);
  Pair(*a, *b);
  bool bReported = false;
  b->OnChange = [&](THoroscope&) { bReported = true; };
  a->OnChange = [&](THoroscope&) { b.reset(); };
  a->SetLatitude(20);
  EXPECT_EQ(a->Partner(), nullptr);
  EXPECT_FALSE(bReported);
}

TEST_F(ChartLifetimeTest, AHandlerMayReplaceItselfWhileItRuns) {
  auto a = MakeChart(0);
  int calls = 0;
  a->OnChange = [&](THoroscope& chart) {
    ++calls;
    chart.OnChange = nullptr;
  };
  a->SetLatitude(20);
  a->SetLatitude(21);
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace vyn

// VOSTAREL_FAULTS: which platform calls of the stand-ins fail, reproducibly.
#include <gtest/gtest.h>

#include <string>

#include "fault_plan.h"

namespace vostarel::faults {
namespace {

FaultPlan PlanOf(const std::string& text) {
  const FaultPlanResult result = ParseFaultPlan(text);
  EXPECT_TRUE(result.Plan.has_value()) << text << ": " << result.Error;
  return result.Plan.value_or(FaultPlan{});
}

// How many of the first `calls` calls of `point` fail.
int Failures(const FaultPlan& plan, FaultPoint point, int calls) {
  int failed = 0;
  for (int call = 0; call < calls; ++call) failed += plan.Fails(point, call) ? 1 : 0;
  return failed;
}

TEST(FaultPlan, NamedCallsFailAtAboutTheRateAndOthersNever) {
  const FaultPlan plan = PlanOf("42:100:Item,get_FileAs,LocalAlloc");
  EXPECT_EQ(plan.Seed, 42u);
  EXPECT_EQ(plan.RatePerMille, 100u);
  const int failed = Failures(plan, FaultPoint::Item, 20000);
  EXPECT_GT(failed, 1700) << "about 10% of 20000";
  EXPECT_LT(failed, 2300);
  EXPECT_GT(Failures(plan, FaultPoint::LocalAlloc, 20000), 1700);
  EXPECT_EQ(Failures(plan, FaultPoint::Logon, 20000), 0) << "not named";
  EXPECT_EQ(Failures(PlanOf("42:0"), FaultPoint::Item, 20000), 0);
  EXPECT_EQ(Failures(PlanOf("42:1000"), FaultPoint::tapiRequestMakeCall, 500), 500);
}

TEST(FaultPlan, WithoutNamesEveryCallCanFail) {
  const FaultPlan plan = PlanOf("7:500");
  for (size_t i = 0; i < kFaultPointCount; ++i) {
    const int failed = Failures(plan, static_cast<FaultPoint>(i), 400);
    EXPECT_GT(failed, 120) << FaultPointName(static_cast<FaultPoint>(i));
    EXPECT_LT(failed, 280) << FaultPointName(static_cast<FaultPoint>(i));
  }
}

TEST(FaultPlan, TheSameSeedFailsTheSameCallsAndAnotherSeedOthers) {
  const FaultPlan first = PlanOf("12345:300");
  const FaultPlan again = PlanOf("12345:300:Item");
  const FaultPlan other = PlanOf("12346:300");
  int differ = 0;
  for (int call = 0; call < 1000; ++call) {
    EXPECT_EQ(first.Fails(FaultPoint::Item, call), again.Fails(FaultPoint::Item, call)) << call;
    differ += first.Fails(FaultPoint::Item, call) != other.Fails(FaultPoint::Item, call) ? 1 : 0;
  }
  EXPECT_GT(differ, 200) << "a neighbouring seed gives another sequence";
  int sameAsItem = 0;
  for (int call = 0; call < 1000; ++call) {
    sameAsItem += first.Fails(FaultPoint::Item, call) == first.Fails(FaultPoint::get_Count, call) ? 1 : 0;
  }
  EXPECT_LT(sameAsItem, 800) << "each call name has its own sequence";
}

TEST(FaultPlan, MalformedValuesAreRefusedWithAReason) {
  const char* const bad[] = {"",        "7",           "7:",        ":5",          "x:5",
                             "7:x",     "-7:5",        "7:+5",      "7: 5",        "7:1001",
                             "7:5:",    "7:5:Item,",   "7:5:,Item", "7:5:item",    "7:5:Nope",
                             "7:5:Item:Logon",         "18446744073709551616:5",   "7:5 "};
  for (const char* text : bad) {
    const FaultPlanResult result = ParseFaultPlan(text);
    EXPECT_FALSE(result.Plan.has_value()) << "'" << text << "'";
    EXPECT_FALSE(result.Error.empty()) << "'" << text << "'";
  }
  EXPECT_NE(ParseFaultPlan("7:5:Logon,Nope").Error.find("'Nope'"), std::string::npos);
  EXPECT_EQ(PlanOf("18446744073709551615:1000").Seed, 18446744073709551615u);
}

TEST(FaultPlan, EveryNameReadsBackAsItsCall) {
  std::string all = "1:1:";
  for (size_t i = 0; i < kFaultPointCount; ++i) {
    all += std::string(i ? "," : "") + std::string(FaultPointName(static_cast<FaultPoint>(i)));
  }
  EXPECT_EQ(PlanOf(all).Points.count(), kFaultPointCount);
}

}  // namespace
}  // namespace vostarel::faults

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "store_loading.h"
#include "test_texts.h"

namespace vostarel {
namespace {

struct Slot {
  std::u16string name, number;
};

class SimLoadingTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::SetKoreanTexts(index_.Texts); }

  // Loads from `slots` (index -> slot); missing indexes cannot be read.
  std::vector<uint32_t> Load(uint32_t used, uint32_t total) {
    std::vector<uint32_t> read;
    EXPECT_TRUE(FillSimStore(index_, used, total,
                             [&](uint32_t slot, const char16_t*& name, const char16_t*& number) {
                               read.push_back(slot);
                               auto it = slots_.find(slot);
                               if (it == slots_.end()) return false;
                               name = it->second.name.c_str();
                               number = it->second.number.c_str();
                               return true;
                             }));
    return read;
  }

  ContactIndex index_;
  std::map<uint32_t, Slot> slots_;
};

TEST_F(SimLoadingTest, StopsRightAfterTheLastUsedEntry) {
  slots_ = {{7, {u"A", u"1"}}, {40, {u"B", u"2"}}, {41, {u"C", u"3"}}, {200, {u"D", u"4"}}};
  const auto read = Load(3, 250);
  EXPECT_EQ(index_.Sim.Capacity(), 250u);
  EXPECT_EQ(index_.Sim.Count(), 3u);
  EXPECT_EQ(read.back(), 41u) << "reading must stop after the third entry added";
  EXPECT_EQ(read.size(), 41u);
}

TEST_F(SimLoadingTest, SlotsWithoutNumberOrUnreadableAreSkippedAndDoNotCount) {
  slots_ = {{1, {u"No number", u""}}, {3, {u"B", u"2"}}, {4, {u"", u"3"}}};
  Load(2, 5);
  ASSERT_EQ(index_.Sim.Count(), 2u);
  EXPECT_EQ(std::u16string(index_.Sim[0].DisplayName), u"B");
  EXPECT_EQ(std::u16string(index_.Sim[1].DisplayName), u"이름 없음");
}

TEST_F(SimLoadingTest, UsedCountAboveWhatCanBeReadEndsAtTheLastSlot) {
  slots_ = {{2, {u"A", u"1"}}};
  const auto read = Load(10, 4);
  EXPECT_EQ(read, (std::vector<uint32_t>{1, 2, 3, 4}));
  EXPECT_EQ(index_.Sim.Count(), 1u);
}

TEST(CallLogPlan, FullLoadAlwaysReadsAndRemembersTheSize) {
  ContactStore store;
  uint32_t last = 5;
  EXPECT_EQ(PlanCallLogLoad(store, 5, last, /*refresh=*/false), CallLogStep::ReadRecords);
  EXPECT_EQ(last, 5u);
  EXPECT_EQ(PlanCallLogLoad(store, 9, last, false), CallLogStep::ReadRecords);
  EXPECT_EQ(last, 9u);
}

TEST(CallLogPlan, RefreshKeepsTheStoreWhileTheSizeIsUnchanged) {
  ContactStore store;
  ASSERT_TRUE(store.Reset(5));
  uint32_t last = 5;
  EXPECT_EQ(PlanCallLogLoad(store, 5, last, /*refresh=*/true), CallLogStep::KeepStore);
  EXPECT_EQ(store.Capacity(), 5u);

  EXPECT_EQ(PlanCallLogLoad(store, 6, last, true), CallLogStep::ReadRecords);
  EXPECT_EQ(last, 6u);
  EXPECT_EQ(store.Capacity(), 0u) << "a grown log empties the store before it is read again";
}

TEST(CallLogPlan, RefreshWithoutAnArrayReads) {
  ContactStore store;
  uint32_t last = 3;
  EXPECT_EQ(PlanCallLogLoad(store, 3, last, /*refresh=*/true), CallLogStep::ReadRecords);
}

}  // namespace
}  // namespace vostarel

// LoadSimPhonebook and LoadCallLog through the real cellcore.dll and
// phone.dll and their data files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "host_test_environment.h"
#include "loader_fixture.h"
#include "store_loaders.h"

namespace vostarel::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SimLoaderTest : public LoaderTest {
 protected:
  void TearDown() override {
    ClearDeviceFiles();
    LoaderTest::TearDown();
  }
};

TEST_F(SimLoaderTest, RoomForEverySlotAndReadingStopsAtTheUsedCount) {
  WriteDeviceFile(L"sim.txt", "250\n17\tHong\t010-1\n100\t\t010-2\n250\tPark\t+82 10 3\n");
  LoadSimPhonebook(Helper());
  EXPECT_EQ(Index().Sim.Capacity(), 250u);
  EXPECT_THAT(Describe(Index().Sim),
              ElementsAre("-1|Hong|SIM:010-1", "-1|이름 없음|SIM:010-2", "-1|Park|SIM:+82 10 3"));
}

TEST_F(SimLoaderTest, ASlotWithANameAndNoNumberIsSkippedAndReadingGoesOn) {
  WriteDeviceFile(L"sim.txt", "5\n1\tNo Number\t\n2\tKim\t111\n4\tLee\t222\n");
  LoadSimPhonebook(Helper());
  EXPECT_EQ(Index().Sim.Capacity(), 5u);
  EXPECT_THAT(Describe(Index().Sim), ElementsAre("-1|Kim|SIM:111", "-1|Lee|SIM:222"));
}

TEST_F(SimLoaderTest, ClearBitOrNoSimEmptiesTheStore) {
  WriteDeviceFile(L"sim.txt", "3\n1\tKim\t111\n");
  LoadSimPhonebook(Helper());
  ASSERT_EQ(Index().Sim.Count(), 1u);

  SetFlags(kAllLoadBits & ~SettingsFlags::kLoadSim);
  LoadSimPhonebook(Helper());
  EXPECT_EQ(Index().Sim.Capacity(), 0u);

  // No SIM file: the SIM manager answers, the phonebook status fails.
  SetFlags(kAllLoadBits);
  LoadSimPhonebook(Helper());
  ASSERT_EQ(Index().Sim.Count(), 1u);
  RemoveDeviceFile(L"sim.txt");
  LoadSimPhonebook(Helper());
  EXPECT_EQ(Index().Sim.Capacity(), 0u);
}

TEST_F(SimLoaderTest, AnEmptySimAllocatesNothing) {
  WriteDeviceFile(L"sim.txt", "0\n");
  LoadSimPhonebook(Helper());
  EXPECT_EQ(Index().Sim.Capacity(), 0u);
}

class CallLogLoaderTest : public LoaderTest {
 protected:
  void TearDown() override {
    ClearDeviceFiles();
    LoaderTest::TearDown();
  }
  void WriteLog(const std::string& lines) { WriteDeviceFile(L"calllog.txt", lines); }
};

constexpr char kThreeCalls[] = "111\tKim\n\tHidden\n222\n111\tKim again\n";

TEST_F(CallLogLoaderTest, AFullLoadReadsEveryRecordNewestFirst) {
  WriteLog(kThreeCalls);
  LoadCallLog(Helper(), false);
  EXPECT_EQ(g_lastCallLogSize, 4u) << "every record counts, numberless ones too";
  EXPECT_EQ(Index().CallLog.Capacity(), 4u);
  EXPECT_THAT(Describe(Index().CallLog),
              ElementsAre("-2|Kim|통화 기록:111", "-2|이름 없음|통화 기록:222"));
}

TEST_F(CallLogLoaderTest, ARefreshWithTheSameSizeKeepsTheStoreEvenIfTheLogChanged) {
  WriteLog(kThreeCalls);
  LoadCallLog(Helper(), false);
  const ContactEntry* array = Index().CallLog.begin();
  Index().Results.Count = 1;

  WriteLog("999\tNew\n888\n777\n666\n");  // as many records, other calls
  LoadCallLog(Helper(), true);
  EXPECT_EQ(Index().CallLog.begin(), array) << "the array was replaced";
  EXPECT_THAT(Describe(Index().CallLog),
              ElementsAre("-2|Kim|통화 기록:111", "-2|이름 없음|통화 기록:222"));
  EXPECT_EQ(Index().Results.Count, 1u) << "nothing changed that the list points to";
}

TEST_F(CallLogLoaderTest, ARefreshAfterANewCallReadsTheWholeLogAgain) {
  WriteLog(kThreeCalls);
  LoadCallLog(Helper(), false);
  Index().Results.Count = 1;

  WriteLog(std::string("333\tNewest\n") + kThreeCalls);
  LoadCallLog(Helper(), true);
  EXPECT_EQ(g_lastCallLogSize, 5u);
  EXPECT_EQ(Index().CallLog.Capacity(), 5u);
  EXPECT_THAT(Describe(Index().CallLog),
              ElementsAre("-2|Newest|통화 기록:333", "-2|Kim|통화 기록:111",
                          "-2|이름 없음|통화 기록:222"));
  EXPECT_EQ(Index().Results.Count, 0u) << "the list pointed into the released array";
}

TEST_F(CallLogLoaderTest, AFullLoadAlwaysReadsAgainAndSetsTheSize) {
  WriteLog(kThreeCalls);
  LoadCallLog(Helper(), false);
  WriteLog("999\tNew\n888\n777\n666\n");
  LoadCallLog(Helper(), false);
  EXPECT_THAT(Describe(Index().CallLog),
              ElementsAre("-2|New|통화 기록:999", "-2|이름 없음|통화 기록:888",
                          "-2|이름 없음|통화 기록:777", "-2|이름 없음|통화 기록:666"));

  g_lastCallLogSize = 77;
  LoadCallLog(Helper(), false);
  EXPECT_EQ(g_lastCallLogSize, 4u);
  EXPECT_EQ(Index().CallLog.Count(), 4u);
}

TEST_F(CallLogLoaderTest, AnEmptyLogEmptiesAFullLoadAndLeavesARefreshAsItWas) {
  WriteLog(kThreeCalls);
  LoadCallLog(Helper(), false);
  WriteLog("");  // the seek to the end fails on an empty log

  LoadCallLog(Helper(), true);
  EXPECT_EQ(Index().CallLog.Count(), 2u) << "a refresh keeps what it had";
  EXPECT_EQ(g_lastCallLogSize, 4u);

  LoadCallLog(Helper(), false);
  EXPECT_EQ(Index().CallLog.Capacity(), 0u);
  EXPECT_EQ(g_lastCallLogSize, 4u) << "the size is only set once the log was measured";
}

TEST_F(CallLogLoaderTest, ClearBitEmptiesAFullLoadAndLeavesARefreshAlone) {
  WriteLog(kThreeCalls);
  LoadCallLog(Helper(), false);
  SetFlags(kAllLoadBits & ~SettingsFlags::kLoadCallLog);
  WriteLog(std::string("333\n") + kThreeCalls);

  LoadCallLog(Helper(), true);
  EXPECT_EQ(Index().CallLog.Count(), 2u);
  EXPECT_EQ(g_lastCallLogSize, 4u) << "the log was measured with the bit clear";

  LoadCallLog(Helper(), false);
  EXPECT_EQ(Index().CallLog.Capacity(), 0u);
  EXPECT_THAT(Describe(Index().CallLog), IsEmpty());
}

}  // namespace
}  // namespace vostarel::testing

// The host decisions that need no platform: is the host the phone
// application, which version flags does a system version give, and how the
// loader thread polls for the dialer.
#include <gtest/gtest.h>

#include <string>

#include "dialer_polling.h"
#include "process_rules.h"

namespace vostarel {
namespace {

bool IsPhonePath(const std::u16string& path) {
  return IsPhoneApplicationPath(path.c_str(), path.size());
}

TEST(PhoneApplicationPathTest, OnlyTheLastNineUnitsCount) {
  EXPECT_TRUE(IsPhonePath(u"\\Windows\\cprog.exe"));
  EXPECT_TRUE(IsPhonePath(u"cprog.exe"));
  EXPECT_TRUE(IsPhonePath(u"\\Windows\\xcprog.exe")) << "letters in front of the name count";
  EXPECT_FALSE(IsPhonePath(u"\\Windows\\cprog.exe.bak"));
  EXPECT_FALSE(IsPhonePath(u"\\Windows\\cprog.ex"));
  EXPECT_FALSE(IsPhonePath(u"\\Windows\\cprog_exe"));
  EXPECT_FALSE(IsPhonePath(u"\\cprog.exe\\tool.exe")) << "a folder of that name is not the host";
}

TEST(PhoneApplicationPathTest, PathsShorterThanTheNameNeverMatch) {
  EXPECT_FALSE(IsPhonePath(u""));
  EXPECT_FALSE(IsPhonePath(u"prog.exe"));
  EXPECT_FALSE(IsPhoneApplicationPath(nullptr, 0));
  // The length given is what counts: the nine units before it are compared.
  const std::u16string path = u"\\Windows\\cprog.exe";
  EXPECT_FALSE(IsPhoneApplicationPath(path.c_str(), path.size() - 1));
  EXPECT_TRUE(IsPhoneApplicationPath(u"cprog.exeXYZ", 9));
}

TEST(PhoneApplicationPathTest, AsciiLettersAreComparedWithoutCase) {
  EXPECT_TRUE(IsPhonePath(u"\\WINDOWS\\CPROG.EXE"));
  EXPECT_TRUE(IsPhonePath(u"\\Windows\\CProg.Exe"));
  // Only ASCII letters fold: a fullwidth letter is another character.
  EXPECT_FALSE(IsPhonePath(u"\\Windows\\\uFF43prog.exe"));
  // A zero unit inside the compared units ends the text there.
  EXPECT_FALSE(IsPhoneApplicationPath(u"cprog\0exe", 9));
}

TEST(PhoneApplicationPathTest, WindowPathsContainTheNameAnywhere) {
  EXPECT_TRUE(IsPhoneApplicationWindowPath(u"C:\\Windows\\CPROG.EXE"));
  EXPECT_TRUE(IsPhoneApplicationWindowPath(u"C:\\Windows\\cprog.exe.bak"));
  EXPECT_TRUE(IsPhoneApplicationWindowPath(u"C:\\cprog.exe\\other.exe"));
  EXPECT_FALSE(IsPhoneApplicationWindowPath(u"C:\\Windows\\cprog.ex"));
  EXPECT_FALSE(IsPhoneApplicationWindowPath(u""));
}

TEST(VersionFlagsTest, FlagsOfEachSystemVersion) {
  struct Case {
    uint32_t major, minor;
    bool version5, version52;
  };
  const Case cases[] = {
      {4, 0, false, false}, {4, 21, false, false},  // a high minor alone is not 5.2
      {5, 0, true, false},  {5, 1, true, false},  {5, 2, true, true},
      {5, 3, true, true},   {6, 0, true, false},  {6, 1, true, false},
      {6, 2, true, true},   {10, 0, true, false},
  };
  for (const Case& c : cases) {
    const VersionFlags flags = VersionFlagsFor(c.major, c.minor);
    EXPECT_EQ(flags.Version5, c.version5) << c.major << "." << c.minor;
    EXPECT_EQ(flags.Version52, c.version52) << c.major << "." << c.minor;
  }
}

// Records what the poll did.
struct PollRecord {
  uint32_t searches = 0;
  uint32_t waits = 0;
  bool attached = false;
};

PollRecord Poll(uint32_t polls, uint32_t attachOnSearch, bool attachedBefore = false) {
  PollRecord record;
  record.attached = attachedBefore;
  const bool result = PollForDialer(
      polls, [&] { return record.attached; },
      [&] {
        ++record.searches;
        if (record.searches == attachOnSearch) record.attached = true;
      },
      [&] { ++record.waits; });
  EXPECT_EQ(result, record.attached);
  return record;
}

TEST(DialerPollTest, GivesUpAfterEveryPollWithAWaitAfterEach) {
  const PollRecord record = Poll(kDialerPollCount, 0);
  EXPECT_FALSE(record.attached);
  EXPECT_EQ(record.searches, 10000u);
  EXPECT_EQ(record.waits, 10000u);
  EXPECT_EQ(uint64_t{kDialerPollCount} * kDialerPollIntervalMs, 1000000u)
      << "about 1000 seconds in all";
}

TEST(DialerPollTest, StopsAtTheSearchThatAttached) {
  const PollRecord record = Poll(kDialerPollCount, 3);
  EXPECT_TRUE(record.attached);
  EXPECT_EQ(record.searches, 3u);
  EXPECT_EQ(record.waits, 2u) << "no wait after the successful search";

  const PollRecord last = Poll(5, 5);
  EXPECT_TRUE(last.attached) << "the last allowed search still counts";
  EXPECT_EQ(last.waits, 4u);
}

TEST(DialerPollTest, AnAttachedDialerIsNotSearchedAgain) {
  const PollRecord record = Poll(kDialerPollCount, 0, true);
  EXPECT_EQ(record.searches, 0u);
  EXPECT_EQ(record.waits, 0u);
}

TEST(PlatformTypeTest, OnlyTheWholeNamePocketPcInAnyCaseCounts) {
  for (const char16_t* yes : {u"PocketPC", u"POCKETPC", u"pocketpc", u"pOCKETpC"}) {
    EXPECT_TRUE(IsPocketPcPlatformType(yes));
  }
  for (const char16_t* no : {u"", u"Pocket PC", u"PocketPC2003", u"xPocketPC", u"PocketP", u"SmartPhone"}) {
    EXPECT_FALSE(IsPocketPcPlatformType(no));
  }
  EXPECT_FALSE(IsPocketPcPlatformType(nullptr));
}

}  // namespace
}  // namespace vostarel

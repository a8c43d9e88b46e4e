// Where the result list goes when the dialer changes under it: a resize
// puts it back at its normal place (and makes it again when the dialer has
// destroyed it), and on systems before 5.2 its automatic place above the
// number field depends on the room there, measured on the live windows.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "overlay_run.h"

namespace overlay_test {
namespace {

constexpr char kKeypadCaption[] = "키패드 전환";
constexpr char kSim[] = "250\n3\tKim\t111\n90\tLee\t1222\n";
const std::vector<std::string> kBothRows = {"*\t1\tKim\t111\tS", "-\t2\tLee\t1222\tS"};

struct Place {
  int x = -1, y = -1, width = -1, height = -1;
};

Place ParsePlace(const std::string& text) {
  Place place;
  std::istringstream(text) >> place.x >> place.y >> place.width >> place.height;
  return place;
}

class ListPlacementTest : public ::testing::TestWithParam<VersionMode> {
 protected:
  OverlayRun run_{GetParam()};
  void SetUp() override { run_.WriteDeviceFile(L"sim.txt", kSim); }
};

TEST_P(ListPlacementTest, ResizeLeavesExpandedModeAndFollowsTheDialer) {
  const Place before = ParsePlace(run_.Run(L"1").Value("place"));
  const Printed p = run_.Run(L"1{TAP}{RESIZE:280,360}");
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
  EXPECT_EQ(p.Value("expanded"), "no") << p.Text();
  const Place after = ParsePlace(p.Value("place"));
  if (GetParam() == VersionMode::kWin2003) {
    // Over the keypad, which the wider and taller dialer moved.
    EXPECT_EQ(p.Value("place"), "28 124 224 188") << p.Text();
  } else {
    // From the left edge, as wide as the dialer window, which grew by 40.
    EXPECT_EQ(after.x, 0) << p.Text();
    EXPECT_EQ(after.y, 0) << p.Text();
    EXPECT_EQ(after.width, before.width + 40) << p.Text();
  }
}

TEST_P(ListPlacementTest, ADestroyedListIsMadeAgainByTheNextResize) {
  const std::string own = run_.Run(L"").Value("softkey");
  Printed p = run_.Run(L"1{DROPLIST}");
  ASSERT_EQ(p.Value("list"), "absent") << p.Text();

  // It was shown: it comes back shown, with its rows, at its normal place.
  p = run_.Run(L"1{DROPLIST}{RESIZE:240,340}");
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
  EXPECT_EQ(p.All("row"), kBothRows) << p.Text();
  EXPECT_EQ(p.Value("softkey"), kKeypadCaption) << p.Text();
  EXPECT_EQ(p.Value("place"), run_.Run(L"1{RESIZE:240,340}").Value("place")) << p.Text();

  // The dialer's own soft-key caption survives the new list.
  p = run_.Run(L"1{DROPLIST}{RESIZE:240,340}{BACK}");
  EXPECT_EQ(p.Value("list"), "hidden") << p.Text();
  EXPECT_EQ(p.Value("softkey"), own) << p.Text();

  // It was hidden: it comes back hidden and shows for the next match.
  p = run_.Run(L"9{DROPLIST}{RESIZE:240,340}");
  EXPECT_EQ(p.Value("list"), "hidden") << p.Text();
  p = run_.Run(L"{DROPLIST}{RESIZE:240,340}12");
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\tLee\t1222\tS"})) << p.Text();
}

INSTANTIATE_TEST_SUITE_P(Modes, ListPlacementTest,
                         ::testing::Values(VersionMode::kNt40, VersionMode::kWinXp,
                                           VersionMode::kWin2003),
                         [](const auto& info) { return ModeName(info.param); });

// The dialer window and its number field on the screen, read from the
// running phone application once its client area has the size asked for.
struct DialerGeometry {
  RECT dialer{};
  RECT field{};
};

// Runs cprog with `keys` and the list printed at the end; `geometry` is
// read while it runs, once the dialer's client area is `clientHeight` high.
// False when it never got that high.
bool RunAndMeasure(const std::wstring& keys, VersionMode mode, LONG clientHeight,
                   DialerGeometry& geometry, Printed& printed) {
  cprog_test::CprogProcess cprog(L"--keys \"" + keys + L"\" --print --exit-after 20000");
  HWND dialer = cprog.WaitForDialer();
  const bool sized = cprog.WaitForKeysPlayed(dialer) && SettleWhen(dialer, [&] {
    RECT client{};
    GetClientRect(dialer, &client);
    return client.bottom == clientHeight;
  });
  if (sized) {
    GetWindowRect(dialer, &geometry.dialer);
    GetWindowRect(GetDlgItem(dialer, cprog_test::IsVersion5(mode) ? 23002 : 22301), &geometry.field);
  }
  cprog.Quit(dialer);
  cprog.Finish();
  printed = Printed{cprog_test::SplitLines(cprog.Output())};
  return sized;
}

// The automatic place before 5.2 (nt40 and winxp): the number field is
// moved by resizing the dialer so that the room above it, from the dialer
// window's top edge, is 3.5 or 1.5 rows.
class OlderPlacementTest : public ::testing::TestWithParam<VersionMode> {
 protected:
  OverlayRun run_{GetParam()};
  const int rowHeight_ = GetSystemMetrics(SM_CYSMICON) + 4;
  void SetUp() override { run_.WriteDeviceFile(L"sim.txt", kSim); }

  // The client height that leaves `room` pixels above the number field;
  // 0 when the dialer could not be measured.
  LONG HeightForRoom(int room) {
    static std::map<VersionMode, int> normalRoom;  // at the normal 320
    if (normalRoom.count(GetParam()) == 0) {
      DialerGeometry normal;
      Printed ignored;
      if (!RunAndMeasure(L"", GetParam(), 320, normal, ignored)) return 0;
      normalRoom[GetParam()] = normal.field.top - normal.dialer.top;
    }
    return 320 + room - normalRoom[GetParam()];
  }

  // Types "1" into a dialer resized to leave `room` pixels above the number
  // field; false when that room could not be made.
  bool RunWithRoom(int room, DialerGeometry& g, Printed& p) {
    const LONG height = HeightForRoom(room);
    if (height <= 0) return false;
    return RunAndMeasure(L"1{RESIZE:240," + std::to_wstring(height) + L"}", GetParam(), height, g, p) &&
           g.field.top - g.dialer.top == room;
  }
};

TEST_P(OlderPlacementTest, RoomForThreeAndAHalfRowsGivesThreeWholeRows) {
  DialerGeometry g;
  Printed p;
  ASSERT_TRUE(RunWithRoom(rowHeight_ * 7 / 2, g, p)) << p.Text();
  std::ostringstream expected;
  expected << "0 0 " << g.dialer.right - g.dialer.left << " " << 3 * rowHeight_;
  EXPECT_EQ(p.Value("place"), expected.str()) << "row height " << rowHeight_ << "\n" << p.Text();
}

TEST_P(OlderPlacementTest, RoomForOneAndAHalfRowsReachesNearTheFieldsBottom) {
  DialerGeometry g;
  Printed p;
  ASSERT_TRUE(RunWithRoom(rowHeight_ * 3 / 2, g, p)) << p.Text();
  std::ostringstream expected;
  expected << "0 0 " << g.dialer.right - g.dialer.left << " " << g.field.bottom - g.dialer.top - 4;
  EXPECT_EQ(p.Value("place"), expected.str()) << "row height " << rowHeight_ << "\n" << p.Text();
  EXPECT_EQ(p.Value("list"), "visible") << p.Text();
}

INSTANTIATE_TEST_SUITE_P(Modes, OlderPlacementTest,
                         ::testing::Values(VersionMode::kNt40, VersionMode::kWinXp),
                         [](const auto& info) { return ModeName(info.param); });

}  // namespace
}  // namespace overlay_test

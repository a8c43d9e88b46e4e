// Attaching to a dialer window, in-process: the test's own top-level
// windows stand in for the phone application's, with the child controls
// each system version's dialer has or lacks. Messages are recorded by the
// windows' own procedures, which the library's procedures pass on to.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <utility>
#include <vector>

#include "host_test_environment.h"
#include "loader_fixture.h"
#include "loader_thread.h"
#include "replacement_procs.h"
#include "resource_ids.h"
#include "window_search.h"

namespace vostarel::testing {
namespace {

constexpr wchar_t kTestDialerClass[] = L"HostTestDialer";
constexpr UINT kFloodMessage = WM_APP + 7;

// WM_COMMAND messages the test dialers saw, apart from their children's
// notifications.
std::vector<std::pair<WPARAM, LPARAM>> g_commands;
std::atomic<LONG> g_floodCount{0};

LRESULT CALLBACK TestDialerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    if (HIWORD(wParam) != EN_CHANGE && HIWORD(wParam) != EN_UPDATE) g_commands.push_back({wParam, lParam});
    return 0;
  }
  if (message == kFloodMessage) {
    // Each message posts the next one: a message that does not reach this
    // procedure ends the chain.
    g_floodCount.fetch_add(1);
    if (wParam > 0) PostMessageW(window, kFloodMessage, wParam - 1, 0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterTestClass() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TestDialerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kTestDialerClass;
    return RegisterClassW(&wc);
  }();
  ASSERT_NE(atom, 0);
}

// A top-level window with an edit child per ID in `edits` and a static child
// per ID in `others`.
HWND MakeDialer(std::initializer_list<int> edits, std::initializer_list<int> others) {
  RegisterTestClass();
  HWND window = CreateWindowExW(0, kTestDialerClass, L"test dialer", WS_OVERLAPPEDWINDOW, 0, 0,
                                240, 320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int id : edits) {
    CreateWindowExW(0, L"EDIT", L"010", WS_CHILD, 0, 0, 100, 20, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  for (int id : others) {
    CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 30, 100, 20, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  return window;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

class WindowAttachTest : public LoaderTest {
 protected:
  void SetUp() override {
    LoaderTest::SetUp();
    Helper().Options.Flags = SettingsFlags::kDefault;
    ASSERT_TRUE(Index().Sim.Reset(2));
    AddSimEntry(Index(), u"Kim", u"010-1234");
    AddSimEntry(Index(), u"Lee", u"020-5678");
    g_mainObject = &Helper();
    g_commands.clear();
  }
  void TearDown() override {
    for (HWND window : windows_) DestroyWindow(window);
    g_mainObject = nullptr;
    g_version5 = false;
    g_version52 = false;
    LoaderTest::TearDown();
  }
  HWND Dialer(std::initializer_list<int> edits, std::initializer_list<int> others) {
    windows_.push_back(MakeDialer(edits, others));
    return windows_.back();
  }
  void SetVersion(bool version5, bool version52) {
    g_version5 = version5;
    g_version52 = version52;
  }
  // Whether TryAttachDialer accepts the window; a refused window must be
  // left exactly as it was.
  bool Accepts(HWND window) {
    const bool accepted = TryAttachDialer(Helper(), window);
    if (!accepted) {
      EXPECT_EQ(ProcOf(window), TestDialerProc) << "a refused window was changed";
      EXPECT_EQ(Helper().Window.Dialer, nullptr);
      PumpMessages();
      EXPECT_TRUE(g_commands.empty()) << "a refused window got a command";
    }
    return accepted;
  }

  std::vector<HWND> windows_;
};

TEST_F(WindowAttachTest, EachVersionTakesOnlyItsOwnDialer) {
  SetVersion(false, false);
  EXPECT_FALSE(Accepts(Dialer({kNumberFieldId5}, {kDialer52ControlId})));
  EXPECT_FALSE(Accepts(Dialer({}, {})));
  EXPECT_TRUE(Accepts(Dialer({kNumberFieldIdOlder}, {}))) << "no 23041 before 5.2";
}

TEST_F(WindowAttachTest, Version5TakesTheNewNumberFieldWithoutControl23041) {
  SetVersion(true, false);
  EXPECT_FALSE(Accepts(Dialer({kNumberFieldIdOlder}, {kDialer52ControlId})));
  EXPECT_TRUE(Accepts(Dialer({kNumberFieldId5}, {})));
}

TEST_F(WindowAttachTest, Version52AlsoNeedsControl23041) {
  SetVersion(true, true);
  EXPECT_FALSE(Accepts(Dialer({kNumberFieldId5}, {})));
  EXPECT_FALSE(Accepts(Dialer({kDialer52ControlId}, {})));
  EXPECT_FALSE(Accepts(Dialer({kNumberFieldIdOlder}, {kDialer52ControlId})));
  EXPECT_TRUE(Accepts(Dialer({kNumberFieldId5}, {kDialer52ControlId})));
}

TEST_F(WindowAttachTest, AttachingReplacesBothProceduresAndPostsOneRefresh) {
  SetVersion(true, true);
  const HWND dialer = Dialer({kNumberFieldId5}, {kDialer52ControlId});
  const HWND field = GetDlgItem(dialer, kNumberFieldId5);
  const WNDPROC fieldProc = ProcOf(field);
  ASSERT_TRUE(TryAttachDialer(Helper(), dialer));

  const DialerWindowState& state = Helper().Window;
  EXPECT_EQ(state.Dialer, dialer);
  EXPECT_EQ(state.NumberField, field);
  EXPECT_EQ(ProcOf(dialer), DialerWndPrc);
  EXPECT_EQ(ProcOf(field), NumberFieldWndPrc);
  EXPECT_EQ(state.PreviousDialerProc, TestDialerProc);
  EXPECT_EQ(state.PreviousNumberFieldProc, fieldProc);
  EXPECT_TRUE(g_commands.empty()) << "the refresh must be posted, not sent";
  EXPECT_EQ(Index().Results.Count, 0u);

  PumpMessages();
  ASSERT_EQ(g_commands.size(), 1u);
  EXPECT_EQ(g_commands[0].first, WPARAM{IDM_RELOAD}) << "passed on to the dialer's own procedure";
  EXPECT_EQ(g_commands[0].second, 0);
  EXPECT_EQ(Index().Results.Count, 1u) << "the refresh filters by the field's \"010\"";

  // The field's own procedure still does its work behind the library's.
  SetWindowTextW(field, L"020");
  wchar_t text[8] = {};
  GetWindowTextW(field, text, 8);
  EXPECT_STREQ(text, L"020");
}

TEST_F(WindowAttachTest, TheWindowSearchPassesOverWindowsOfOtherPrograms) {
  SetVersion(true, true);
  const HWND dialer = Dialer({kNumberFieldId5}, {kDialer52ControlId});
  EXPECT_TRUE(WindowSearchProc(dialer, kSearchAttach)) << "this test program is no phone application";
  EXPECT_EQ(ProcOf(dialer), TestDialerProc);
  EXPECT_EQ(Helper().Window.Dialer, nullptr);
}

// The dialer's thread keeps dispatching while the library installs its
// procedure from another thread; no message may arrive before the library
// knows where to pass it on.
TEST_F(WindowAttachTest, NoMessageIsLostWhileTheProcedureIsReplaced) {
  SetVersion(false, false);
  std::atomic<HWND> dialer{nullptr};
  std::atomic<bool> stop{false};
  g_floodCount = 0;
  std::thread dialerThread([&] {
    const HWND window = MakeDialer({kNumberFieldIdOlder}, {});
    PostMessageW(window, kFloodMessage, 1000000, 0);
    dialer = window;
    MSG msg;
    while (!stop && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    DestroyWindow(window);
  });
  while (dialer.load() == nullptr || g_floodCount < 100) Sleep(1);

  const bool attached = TryAttachDialer(Helper(), dialer);
  const LONG atAttach = g_floodCount;
  Sleep(200);
  const LONG later = g_floodCount;
  stop = true;
  PostMessageW(dialer, WM_NULL, 0, 0);
  dialerThread.join();

  EXPECT_TRUE(attached);
  EXPECT_GT(later, atAttach + 50) << "the chain of messages broke when the procedure changed";
  ASSERT_EQ(g_commands.size(), 1u);
  EXPECT_EQ(g_commands[0].first, WPARAM{IDM_RELOAD});
}

TEST_F(WindowAttachTest, TheLoaderLoadsThenGivesUpAfterItsPolls) {
  WriteDeviceFile(L"sim.txt", "2\n1\tHong\t111\n");
  SetVersion(true, true);
  Index().Results.Count = 2;
  const DWORD start = GetTickCount();
  EXPECT_EQ(RunLoader(Helper(), 3, 50), kLoaderGaveUp);
  EXPECT_GE(GetTickCount() - start, 140u) << "three polls, 50 ms after each";
  EXPECT_EQ(Index().Results.Count, 0u);
  EXPECT_EQ(Index().Sim.Count(), 1u);
  EXPECT_EQ(Helper().Window.Dialer, nullptr);
  ClearDeviceFiles();
}

TEST_F(WindowAttachTest, TheLoaderEndsAttachedWithoutSearchingOnceTheDialerIsKnown) {
  const HWND dialer = Dialer({}, {});
  Helper().Window.Dialer = dialer;
  const DWORD start = GetTickCount();
  EXPECT_EQ(RunLoader(Helper(), 3, 1000), kLoaderAttached);
  EXPECT_LT(GetTickCount() - start, 900u) << "it waited for a dialer it already had";
}

}  // namespace
}  // namespace vostarel::testing

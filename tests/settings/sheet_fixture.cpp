#include "sheet_fixture.h"

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "host_test_environment.h"
#include "overlay_menu.h"
#include "process_values.h"
#include "settings_sheet.h"
#include "settings_store.h"

namespace settings_test {
namespace {

constexpr UINT kPollMs = 30;
constexpr int kGiveUpPolls = 10000 / kPollMs;

// Timer-driven waits of this thread: each one polls for its window.
struct Wait {
  UINT_PTR timer = 0;
  int polls = 0;
  std::function<HWND()> find;
  std::function<void(HWND)> action;
};
std::vector<std::unique_ptr<Wait>> g_waits;

void CALLBACK OnWaitTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  for (size_t i = 0; i < g_waits.size(); ++i) {
    Wait& wait = *g_waits[i];
    if (wait.timer != timer) continue;
    HWND found = wait.find();
    if (found == nullptr && ++wait.polls < kGiveUpPolls) return;
    KillTimer(nullptr, timer);
    // The wait leaves the list before its action runs: the action may
    // start nested modal loops and arm further waits.
    std::unique_ptr<Wait> done = std::move(g_waits[i]);
    g_waits.erase(g_waits.begin() + static_cast<std::ptrdiff_t>(i));
    if (found == nullptr) {
      ADD_FAILURE() << "the expected window did not appear";
      return;
    }
    done->action(found);
    return;
  }
}

void WhenFound(std::function<HWND()> find, std::function<void(HWND)> action) {
  auto wait = std::make_unique<Wait>();
  wait->find = std::move(find);
  wait->action = std::move(action);
  wait->timer = SetTimer(nullptr, 0, kPollMs, OnWaitTimer);
  g_waits.push_back(std::move(wait));
}

struct FindArgs {
  const wchar_t* className;
  const wchar_t* title;
  HWND except;
  HWND found;
};

BOOL CALLBACK MatchThreadWindow(HWND window, LPARAM param) {
  auto& args = *reinterpret_cast<FindArgs*>(param);
  if (window == args.except || !IsWindowVisible(window)) return TRUE;
  wchar_t text[256] = {};
  if (args.className != nullptr) {
    GetClassNameW(window, text, 256);
    if (lstrcmpW(text, args.className) != 0) return TRUE;
  }
  if (args.title != nullptr) {
    GetWindowTextW(window, text, 256);
    if (lstrcmpW(text, args.title) != 0) return TRUE;
  }
  args.found = window;
  return FALSE;
}

LRESULT CALLBACK PhoneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreatePhoneWindow() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = PhoneProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"SheetTestPhone";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&wc);  // fails harmlessly once registered
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, 240, 320};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  HWND phone = CreateWindowExW(0, L"SheetTestPhone", L"전화", style, 20, 20, frame.right - frame.left,
                               frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  ShowWindow(phone, SW_SHOW);
  return phone;
}

HKEY OpenSettingsKey() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, vostarel::kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return nullptr;
  }
  return key;
}

}  // namespace

void SheetTest::SetUp() {
  RegDeleteTreeW(HKEY_CURRENT_USER, vostarel::kSettingsKeyPath);
  vostarel::testing::ClearDeviceFiles();
  vostarel::RecordProcessValues(GetModuleHandleW(nullptr));
  // As the extension does at process attach: the overlay opens this sheet.
  vostarel::g_openSettingsSheet = vostarel::ShowSettingsSheet;
  RecreateMainObject();
  phone_ = CreatePhoneWindow();
  ASSERT_NE(phone_, nullptr);
}

void SheetTest::TearDown() {
  vostarel::g_mainObject = nullptr;
  main_.reset();
  if (phone_ != nullptr) DestroyWindow(phone_);
  RegDeleteTreeW(HKEY_CURRENT_USER, vostarel::kSettingsKeyPath);
  vostarel::testing::ClearDeviceFiles();
}

void SheetTest::RecreateMainObject() {
  vostarel::g_mainObject = nullptr;
  main_.reset();
  main_ = std::make_unique<vostarel::MainObject>(GetModuleHandleW(nullptr));
  vostarel::g_mainObject = &main_->Helper;
}

void SheetTest::RunSheet(int startPage, const std::function<void(HWND sheet)>& drive) {
  Drive([&] { EXPECT_EQ(vostarel::ShowSettingsSheet(main_->Helper, phone_, startPage), 0); }, drive);
}

void SheetTest::RunSheetFromOverlayMenu(UINT command,
                                        const std::function<void(HWND sheet)>& drive) {
  main_->Helper.Window.Dialer = phone_;
  Drive([&] { vostarel::RunOverlayCommand(main_->Helper, command); }, drive);
}

void SheetTest::Drive(const std::function<void()>& open,
                      const std::function<void(HWND sheet)>& drive) {
  bool driven = false;
  WhenWindowAppears(L"#32770", nullptr, phone_, [&](HWND sheet) {
    driven = true;
    drive(sheet);
  });
  // Whatever the driver left open is cancelled, so the test cannot hang.
  UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, [](HWND, UINT, UINT_PTR timer, DWORD) CALLBACK {
    KillTimer(nullptr, timer);
    ADD_FAILURE() << "the sheet was still open after ten seconds";
    HWND active = GetActiveWindow();
    for (int i = 0; i < 5 && active != nullptr; ++i) {
      PostMessageW(active, WM_COMMAND, IDCANCEL, 0);
      active = GetWindow(active, GW_OWNER);
    }
  });
  open();
  KillTimer(nullptr, watchdog);
  EXPECT_TRUE(driven) << "the sheet never appeared";
}

HWND CurrentPage(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }

HWND ShowPage(HWND sheet, int index) {
  PropSheet_SetCurSel(sheet, nullptr, index);
  return CurrentPage(sheet);
}

void PressOk(HWND sheet) { PostMessageW(sheet, WM_COMMAND, IDOK, 0); }
void PressCancel(HWND sheet) { PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0); }

void Click(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }
bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

std::wstring TextOf(HWND dialog, int id) {
  wchar_t text[1024] = {};
  GetDlgItemTextW(dialog, id, text, 1024);
  return text;
}

void SetText(HWND dialog, int id, const std::wstring& text) { SetDlgItemTextW(dialog, id, text.c_str()); }

void Choose(HWND dialog, int id, int index) {
  SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

int ChosenIndex(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

void WhenWindowAppears(const wchar_t* className, const wchar_t* title, HWND except,
                       std::function<void(HWND window)> action) {
  const DWORD thread = GetCurrentThreadId();
  WhenFound(
      [=]() -> HWND {
        FindArgs args{className, title, except, nullptr};
        EnumThreadWindows(thread, MatchThreadWindow, reinterpret_cast<LPARAM>(&args));
        return args.found;
      },
      std::move(action));
}

bool ReadDword(const wchar_t* name, DWORD* value) {
  return ReadBinary(name, value, sizeof *value);
}

bool ReadBinary(const wchar_t* name, void* data, DWORD size) {
  HKEY key = OpenSettingsKey();
  if (key == nullptr) return false;
  DWORD got = size;
  const bool ok = RegQueryValueExW(key, name, nullptr, nullptr, static_cast<BYTE*>(data), &got) ==
                      ERROR_SUCCESS &&
                  got == size;
  RegCloseKey(key);
  return ok;
}

bool ReadString(const wchar_t* name, std::wstring* value) {
  HKEY key = OpenSettingsKey();
  if (key == nullptr) return false;
  wchar_t text[1024] = {};
  DWORD size = sizeof text - sizeof(wchar_t);
  DWORD type = 0;
  const bool ok = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) ==
                      ERROR_SUCCESS &&
                  type == REG_SZ;
  RegCloseKey(key);
  if (ok) *value = text;
  return ok;
}

void WriteDword(const wchar_t* name, DWORD value) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, vostarel::kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &key, nullptr);
  RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

void WriteString(const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_CURRENT_USER, vostarel::kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &key, nullptr);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

}  // namespace settings_test

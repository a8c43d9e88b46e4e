#include "call_history.h"

#include "calllog_file.h"
#include "device_folder.h"
#include "wide_text.h"

namespace vostarel::cprog {
namespace {

constexpr wchar_t kHistoryClass[] = L"CallHistory";
constexpr int kListId = 100;

const DialerLook* g_look = nullptr;  // the dialer's, which outlives this window

void FillList(HWND list) {
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  std::string bytes;
  platform::ReadFileBytes(platform::DeviceDataPath(platform::kCallLogFileName), &bytes);
  for (const device::CallRecord& record : device::ParseCallLog(bytes)) {
    if (record.Number.empty()) continue;  // no caller ID: nothing to show or dial
    std::wstring line = ToWide(record.Number);
    if (!record.Name.empty()) line += L"   " + ToWide(record.Name);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  if (SendMessageW(list, LB_GETCOUNT, 0, 0) == 0) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"(통화 기록 없음)"));
  }
}

LRESULT CALLBACK HistoryWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      MoveWindow(GetDlgItem(hwnd, kListId), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, kTextColor);
      SetBkColor(dc, kFieldColor);
      return reinterpret_cast<LRESULT>(g_look->fieldBrush.Get());
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

void ShowCallHistory(HWND owner, const DialerLook& look) {
  g_look = &look;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND window = FindWindowW(kHistoryClass, nullptr);
  if (window == nullptr) {
    WNDCLASSW wc{};
    if (!GetClassInfoW(instance, kHistoryClass, &wc)) {
      wc.lpfnWndProc = HistoryWndProc;
      wc.hInstance = instance;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.lpszClassName = kHistoryClass;
      RegisterClassW(&wc);
    }
    RECT rect{};
    GetWindowRect(owner, &rect);
    window = CreateWindowExW(WS_EX_TOOLWINDOW, kHistoryClass, L"통화 기록", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                             rect.left + 10, rect.top + 40, rect.right - rect.left - 20, 240, owner, nullptr,
                             instance, nullptr);
    if (window == nullptr) return;
    HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0,
                                0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance,
                                nullptr);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(look.statusFont.Get()), FALSE);
    RECT client{};
    GetClientRect(window, &client);
    MoveWindow(list, 0, 0, client.right, client.bottom, FALSE);
  }
  FillList(GetDlgItem(window, kListId));
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
}

}  // namespace vostarel::cprog

// A dial-pad extension for tests only: every export the phone application
// calls writes one line to the file named by VOSTAREL_TEST_EXTENSION_LOG
// (UTF-8, appended), so a test can see what was called, when and with what.
//
// With VOSTAREL_TEST_EXTENSION_ATTACH=1 it also does what a real extension
// does: a thread waits VOSTAREL_TEST_EXTENSION_ATTACH_DELAY_MS (default 0),
// finds the dialer window of its own process, puts its own window
// procedures in front of the dialer's and the number field's, and logs the
// input messages they see. With VOSTAREL_TEST_EXTENSION_LIST=1 it then
// also shows a list view with the result list's control ID (43295) in the
// dialer and relabels the dialer's soft key to "목록", as the product does
// while its list is shown. With VOSTAREL_TEST_EXTENSION_REFUSE=1,
// PreprocessDialRequest cancels every call.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "aygshell.h"
#include "phone_extension.h"

namespace {

WNDPROC g_dialerProc = nullptr;
WNDPROC g_fieldProc = nullptr;
// Posted to the dialer once attached: the list is made on the dialer's own
// thread, since a window dies with the thread that made it.
constexpr UINT kShowListMessage = WM_APP + 0x4C;
constexpr int kResultListId = 43295;

std::wstring Env(const wchar_t* name) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(name, buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

std::string Utf8(const wchar_t* text) {
  if (text == nullptr) return "(null)";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.resize(out.size() - 1);
  return out;
}

std::string Hex(unsigned long long value) {
  char buffer[24];
  std::snprintf(buffer, sizeof(buffer), "0x%llX", value);
  return buffer;
}

// One line per event; opened and closed each time so that lines from the
// attach thread and the dialer's thread never interleave inside a line.
void Log(const std::string& line) {
  const std::wstring path = Env(L"VOSTAREL_TEST_EXTENSION_LOG");
  if (path.empty()) return;
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

void ShowListAndRelabel(HWND dialer) {
  RECT client{};
  GetClientRect(dialer, &client);
  CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 80, client.right, 100, dialer,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kResultListId)), nullptr, nullptr);
  HWND bar = SHFindMenuBar(dialer);
  wchar_t caption[] = L"목록";
  TBBUTTONINFOW info{};
  info.cbSize = sizeof(info);
  info.dwMask = TBIF_TEXT;
  info.pszText = caption;
  for (WPARAM command : {22518, 22634}) SendMessageW(bar, TB_SETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&info));
  Log("list shown");
}

LRESULT CALLBACK DialerHook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kShowListMessage: ShowListAndRelabel(hwnd); return 0;
    case WM_KEYDOWN: Log("dialer WM_KEYDOWN " + Hex(wParam)); break;
    case WM_KEYUP: Log("dialer WM_KEYUP " + Hex(wParam)); break;
    case WM_CHAR: Log("dialer WM_CHAR " + Hex(wParam)); break;
    case WM_HOTKEY: Log("dialer WM_HOTKEY " + Hex(static_cast<unsigned long long>(lParam))); break;
    case WM_COMMAND: Log("dialer WM_COMMAND " + std::to_string(LOWORD(wParam))); break;
    case WM_INITMENUPOPUP: Log("dialer WM_INITMENUPOPUP " + std::to_string(lParam)); break;
    default: break;
  }
  return CallWindowProcW(g_dialerProc, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FieldHook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) Log("field WM_SETTEXT " + Utf8(reinterpret_cast<const wchar_t*>(lParam)));
  if (message == WM_LBUTTONDOWN) Log("field WM_LBUTTONDOWN");
  const LRESULT result = CallWindowProcW(g_fieldProc, hwnd, message, wParam, lParam);
  // The phone application's "number changed" message, with the text it
  // left in the field.
  if (message == WM_USER + 1) {
    wchar_t text[128] = {};
    GetWindowTextW(hwnd, text, 128);
    Log("field 1025 " + Utf8(text));
  }
  return result;
}

HWND FindOwnDialer() {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, L"Dialer", nullptr)) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) return window;
  }
  return nullptr;
}

DWORD WINAPI AttachThread(void*) {
  Sleep(static_cast<DWORD>(_wtoi(Env(L"VOSTAREL_TEST_EXTENSION_ATTACH_DELAY_MS").c_str())));
  for (int i = 0; i < 500; ++i) {
    HWND dialer = FindOwnDialer();
    HWND field = dialer ? GetDlgItem(dialer, 23002) : nullptr;
    if (dialer && !field) field = GetDlgItem(dialer, 22301);
    if (dialer && field) {
      g_dialerProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(dialer, GWLP_WNDPROC));
      SetWindowLongPtrW(dialer, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialerHook));
      g_fieldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(field, GWLP_WNDPROC));
      SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FieldHook));
      Log("attached");
      if (Env(L"VOSTAREL_TEST_EXTENSION_LIST") == L"1") PostMessageW(dialer, kShowListMessage, 0, 0);
      return 1;
    }
    Sleep(20);
  }
  return 0;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) {
    Log("loaded");
    if (Env(L"VOSTAREL_TEST_EXTENSION_ATTACH") == L"1") {
      HANDLE thread = CreateThread(nullptr, 0, AttachThread, nullptr, 0, nullptr);
      if (thread != nullptr) CloseHandle(thread);
    }
  }
  return TRUE;
}

LRESULT WINAPI DialpadWndPrc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Log("DialpadWndPrc " + Hex(message) + " " + Hex(wParam));
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HRESULT WINAPI PHExtInitialize(void*) {
  Log("PHExtInitialize");
  return E_NOTIMPL;
}

HRESULT WINAPI PHExtGetPhoneViewInfo(PH_VIEW view, HINSTANCE*, PH_VIEWINFOFLAGS*, LPPHONEVIEWHOOKPROC*, LPCWSTR*) {
  Log("PHExtGetPhoneViewInfo " + std::to_string(view));
  return E_NOTIMPL;
}

HRESULT WINAPI PHExtGetPhoneControlMetrics(DWORD controlId, RECT*) {
  Log("PHExtGetPhoneControlMetrics " + std::to_string(controlId));
  return E_NOTIMPL;
}

HRESULT WINAPI PHExtShowPhoneMsg(PH_MSG msg, LPWSTR text1, LPWSTR text2, BOOL, DWORD, BOOL*) {
  Log("PHExtShowPhoneMsg " + std::to_string(msg) + " " + Utf8(text1) + " " + Utf8(text2));
  return E_NOTIMPL;
}

HRESULT WINAPI PHExtDoVerb(PH_VERB verb, BOOL, VPARAM) {
  Log("PHExtDoVerb " + std::to_string(verb));
  return E_NOTIMPL;
}

BOOL WINAPI IsImmediateDialRequestRequired(LPCWSTR number) {
  Log("IsImmediateDialRequestRequired " + Utf8(number));
  return FALSE;
}

BOOL WINAPI PreprocessDialRequest(LPWSTR number, UINT) {
  Log("PreprocessDialRequest " + Utf8(number));
  return Env(L"VOSTAREL_TEST_EXTENSION_REFUSE") == L"1" ? FALSE : TRUE;
}

}  // extern "C"

#include "probe_windows.h"

#include <cwctype>
#include <vector>

namespace probe {
namespace {

constexpr UINT kMakeDecoysMessage = WM_APP + 0x51;
constexpr int kNumberField5 = 23002;
constexpr int kNumberFieldOlder = 22301;
constexpr int kDialer52Control = 23041;
constexpr int kKeypadArea = 23061;
constexpr WPARAM kRefreshCommand = 20102;
constexpr wchar_t kDecoyClass[] = L"ProbeDecoy";

std::wstring g_logPath;
HMODULE g_probeModule = nullptr;
HWND g_dialer = nullptr;
WNDPROC g_dialerProc = nullptr;  // cprog's own, behind the probe

struct Decoy {
  const char* name;
  HWND window;
};
std::vector<Decoy> g_decoys;  // touched on the dialer's thread only

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 128 ? static_cast<char>(std::towlower(c)) : '?';
  return out;
}

// The file name of the module that holds `address`, lower case.
std::string ModuleOf(const void* address) {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<LPCWSTR>(address), &module)) {
    return "none";
  }
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  const std::wstring full(path);
  return Narrow(full.substr(full.find_last_of(L"\\/") + 1));
}

std::string FrontOf(HWND window) {
  return ModuleOf(reinterpret_cast<const void*>(GetWindowLongPtrW(window, GWLP_WNDPROC)));
}

bool Version52(bool* version5) {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExW(&version);
  *version5 = version.dwMajorVersion >= 5;
  return *version5 && version.dwMinorVersion >= 2;
}

template <typename Fn>
LONG Counter(const wchar_t* module, const char* name) {
  const auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
  return fn != nullptr ? fn() : -1;
}

void LogRefreshState() {
  using CounterFn = LONG(WINAPI*)();
  Log("counters objects=" + std::to_string(Counter<CounterFn>(L"pimstore.dll", "StandInLiveObjects")) +
      " sims=" + std::to_string(Counter<CounterFn>(L"cellcore.dll", "StandInOpenSimHandles")) +
      " logs=" + std::to_string(Counter<CounterFn>(L"phone.dll", "StandInOpenCallLogHandles")) +
      " strings=" + std::to_string(Counter<CounterFn>(L"phone.dll", "StandInOutstandingStrings")));
  Log("heap refresh " + std::to_string(HeapBytesInUse()));
  // An edit control answers this itself; a default procedure answers 0.
  const HWND field = GetDlgItem(g_dialer, kNumberField5) ? GetDlgItem(g_dialer, kNumberField5)
                                                          : GetDlgItem(g_dialer, kNumberFieldOlder);
  Log("field-limit " + std::to_string(SendMessageW(field, EM_GETLIMITTEXT, 0, 0)));
}

void LogCommand(const char* target, HWND window, WPARAM wParam, LPARAM lParam) {
  const WORD code = HIWORD(wParam);
  if (code == EN_CHANGE || code == EN_UPDATE) return;  // children's notices
  Log(std::string("command ") + target + " " + std::to_string(LOWORD(wParam)) + " " +
      std::to_string(lParam) + " front=" + FrontOf(window));
}

void LogFinal() {
  const HWND field = GetDlgItem(g_dialer, kNumberField5) ? GetDlgItem(g_dialer, kNumberField5)
                                                          : GetDlgItem(g_dialer, kNumberFieldOlder);
  std::string line = "final dialer=" + FrontOf(g_dialer) + " field=" + FrontOf(field);
  for (const Decoy& decoy : g_decoys) line += std::string(" ") + decoy.name + "=" + FrontOf(decoy.window);
  Log(line);
}

LRESULT CALLBACK DecoyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    for (const Decoy& decoy : g_decoys) {
      if (decoy.window == window) LogCommand(decoy.name, window, wParam, lParam);
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeDecoy(const char* name, std::initializer_list<int> edits, std::initializer_list<int> others) {
  HWND window = CreateWindowExW(0, kDecoyClass, L"decoy", WS_OVERLAPPED, 300, 40, 200, 200, nullptr,
                                nullptr, g_probeModule, nullptr);
  for (int id : edits) {
    CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  for (int id : others) {
    CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 30, 100, 20, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  g_decoys.push_back({name, window});
  return window;
}

// On the dialer's thread. Each decoy lacks something the search needs: the
// number field, the number field of this version, or (on 5.2) control
// 23041. Later ones lie above earlier ones.
void MakeDecoys() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DecoyProc;
  wc.hInstance = g_probeModule;
  wc.lpszClassName = kDecoyClass;
  RegisterClassW(&wc);
  bool version5 = false;
  const bool version52 = Version52(&version5);
  const int field = version5 ? kNumberField5 : kNumberFieldOlder;
  const int otherField = version5 ? kNumberFieldOlder : kNumberField5;
  MakeDecoy("decoy-nofield", {}, {kDialer52Control, kKeypadArea});
  MakeDecoy("decoy-otherfield", {otherField}, {kDialer52Control, kKeypadArea});
  if (version52) MakeDecoy("decoy-no23041", {field}, {kKeypadArea});
}

LRESULT CALLBACK ProbeDialerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kMakeDecoysMessage) {
    MakeDecoys();
    return 0;
  }
  if (message == WM_COMMAND) {
    LogCommand("dialer", window, wParam, lParam);
    if (LOWORD(wParam) == kRefreshCommand) LogRefreshState();
  }
  if (message == WM_DESTROY) {
    LogFinal();
    for (const Decoy& decoy : g_decoys) DestroyWindow(decoy.window);
  }
  return CallWindowProcW(g_dialerProc, window, message, wParam, lParam);
}

}  // namespace

void SetLogPath(const std::wstring& path) { g_logPath = path; }
void SetProbeModule(HMODULE module) { g_probeModule = module; }

void Log(const std::string& line) {
  if (g_logPath.empty()) return;
  HANDLE file = CreateFileW(g_logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

HWND WaitForOwnDialer(DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"Dialer", nullptr)) != nullptr) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      const bool hasField =
          GetDlgItem(window, kNumberField5) != nullptr || GetDlgItem(window, kNumberFieldOlder) != nullptr;
      if (process == GetCurrentProcessId() && hasField && IsWindowVisible(window)) return window;
    }
    Sleep(10);
  }
  return nullptr;
}

void PutProbeInFront(HWND dialer, bool decoys) {
  g_dialer = dialer;
  g_dialerProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(dialer, GWLP_WNDPROC));
  SetWindowLongPtrW(dialer, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProbeDialerProc));
  if (decoys) SendMessageW(dialer, kMakeDecoysMessage, 0, 0);
  Log("probe in front");
}

// Names a top-level window for the z-order line; empty for one that does
// not matter.
std::string WindowLabel(HWND window) {
  if (window == g_dialer) return "dialer";
  for (const Decoy& decoy : g_decoys) {
    if (decoy.window == window) return decoy.name;
  }
  wchar_t className[32] = {};
  GetClassNameW(window, className, 32);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (lstrcmpW(className, L"Dialer") == 0 && process != GetCurrentProcessId()) return "foreign-dialer";
  return {};
}

void LogZOrder(HWND) {
  std::string line = "zorder";
  EnumWindows(
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        const std::string label = WindowLabel(window);
        if (!label.empty()) *reinterpret_cast<std::string*>(data) += " " + label;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&line));
  Log(line);
}

SIZE_T HeapBytesInUse() {
  HANDLE heaps[256];
  const DWORD count = GetProcessHeaps(256, heaps);
  SIZE_T total = 0;
  for (DWORD i = 0; i < count && i < 256; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return total;
}

}  // namespace probe

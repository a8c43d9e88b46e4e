// chain_probe.dll: the "previous extension" of the chaining tests. Each of
// its exports records every argument it got (as numbers) and hands back a
// result and out-parameters that the caller can recognise, so that a call
// passed through Vostarel.dll's forwarders can be checked end to end.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

char g_lastCall[512] = "-";

void Record(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Record(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(g_lastCall, sizeof g_lastCall, format, args);
  va_end(args);
}

using U = unsigned long long;

}  // namespace

extern "C" {

// What the last export got; "-" once read, so a call that never arrived
// shows as "-".
const char* WINAPI ChainProbeTakeLastCall() {
  static char taken[sizeof g_lastCall];
  std::memcpy(taken, g_lastCall, sizeof taken);
  std::strcpy(g_lastCall, "-");
  return taken;
}

LRESULT WINAPI DialpadWndPrc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Record("DialpadWndPrc %llX %X %llX %llX", (U)window, message, (U)wParam, (U)lParam);
  return static_cast<LRESULT>(0x123456789ABCDEF0ull);
}

HRESULT WINAPI PHExtInitialize(void* reserved) {
  Record("PHExtInitialize %llX", (U)reserved);
  return 0x00A10001;
}

HRESULT WINAPI PHExtDoVerb(DWORD verb, BOOL validateOnly, LPARAM param) {
  Record("PHExtDoVerb %lX %d %llX", verb, validateOnly, (U)param);
  return 0x00A10002;
}

HRESULT WINAPI PHExtGetPhoneControlMetrics(DWORD controlId, RECT* rect) {
  Record("PHExtGetPhoneControlMetrics %lu", controlId);
  if (rect != nullptr) *rect = RECT{11, 22, 33, 44};
  return 0x00A10003;
}

HRESULT WINAPI PHExtGetPhoneViewInfo(DWORD view, HINSTANCE* instance, DWORD* flags, void** hook,
                                     const wchar_t** templateName) {
  Record("PHExtGetPhoneViewInfo %lu %d%d%d%d", view, instance != nullptr, flags != nullptr,
         hook != nullptr, templateName != nullptr);
  if (instance != nullptr) *instance = reinterpret_cast<HINSTANCE>(0x5150000);
  if (flags != nullptr) *flags = 0xF1A6;
  if (hook != nullptr) *hook = reinterpret_cast<void*>(0x400C);
  if (templateName != nullptr) *templateName = L"probe view";
  return 0x00A10004;
}

HRESULT WINAPI PHExtShowPhoneMsg(DWORD msg, wchar_t* text1, wchar_t* text2, BOOL remove,
                                 DWORD supplementaryStatus, BOOL* dial) {
  char first[64] = {};
  char second[64] = {};
  WideCharToMultiByte(CP_UTF8, 0, text1 ? text1 : L"(null)", -1, first, sizeof first - 1, nullptr, nullptr);
  WideCharToMultiByte(CP_UTF8, 0, text2 ? text2 : L"(null)", -1, second, sizeof second - 1, nullptr, nullptr);
  Record("PHExtShowPhoneMsg %lX %s %s %d %lX %d", msg, first, second, remove, supplementaryStatus,
         dial != nullptr);
  if (dial != nullptr) *dial = 0x77;
  return 0x00A10005;
}

}  // extern "C"

// chain_probe.dll: the "previous extension" of the chaining tests. Each of
// its exports records every argument it got (as numbers) and, for the PHExt*
// ones, the module its return address lies in, and hands back a result and out-parameters that
// the caller can recognise, so that a call passed through Vostarel.dll's
// forwarders can be checked end to end. A forwarder that jumps leaves the
// caller's return address in place, so a forwarded call returns into the
// caller's module; one that calls returns into Vostarel.dll.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "chain_values.h"

namespace {

char g_lastCall[512] = "-";

void Record(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Record(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(g_lastCall, sizeof g_lastCall, format, args);
  va_end(args);
}

using chain_values::Bits;

// The file name of the module that holds `address`, or "?".
const char* ModuleOf(void* address) {
  static char name[MAX_PATH];
  HMODULE module = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<const char*>(address), &module) ||
      GetModuleFileNameA(module, name, sizeof name) == 0) {
    return "?";
  }
  const char* slash = std::strrchr(name, '\\');
  return slash != nullptr ? slash + 1 : name;
}

// The caller's module, for the line of the export that calls it.
#define CALLER ModuleOf(__builtin_return_address(0))

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
  // Vostarel.dll's DialpadWndPrc calls its target as an ordinary function
  // (which the compiler may turn into a jump), so its caller is not checked.
  Record("DialpadWndPrc %llX %X %llX %llX", Bits(window), message, Bits(wParam), Bits(lParam));
  return static_cast<LRESULT>(chain_values::kDialpadResult);
}

HRESULT WINAPI PHExtInitialize(void* reserved) {
  Record("PHExtInitialize %llX from %s", Bits(reserved), CALLER);
  return 0x00A10001;
}

HRESULT WINAPI PHExtDoVerb(DWORD verb, BOOL validateOnly, LPARAM param) {
  Record("PHExtDoVerb %lX %d %llX from %s", verb, validateOnly, Bits(param), CALLER);
  return 0x00A10002;
}

HRESULT WINAPI PHExtGetPhoneControlMetrics(DWORD controlId, RECT* rect) {
  Record("PHExtGetPhoneControlMetrics %lu from %s", controlId, CALLER);
  if (rect != nullptr) *rect = RECT{11, 22, 33, 44};
  return 0x00A10003;
}

HRESULT WINAPI PHExtGetPhoneViewInfo(DWORD view, HINSTANCE* instance, DWORD* flags, void** hook,
                                     const wchar_t** templateName) {
  Record("PHExtGetPhoneViewInfo %lu %d%d%d%d from %s", view, instance != nullptr, flags != nullptr,
         hook != nullptr, templateName != nullptr, CALLER);
  if (instance != nullptr) *instance = reinterpret_cast<HINSTANCE>(chain_values::kProbeInstance);
  if (flags != nullptr) *flags = chain_values::kProbeFlags;
  if (hook != nullptr) *hook = reinterpret_cast<void*>(chain_values::kProbeHook);
  if (templateName != nullptr) *templateName = L"probe view";
  return 0x00A10004;
}

HRESULT WINAPI PHExtShowPhoneMsg(DWORD msg, wchar_t* text1, wchar_t* text2, BOOL remove,
                                 DWORD supplementaryStatus, BOOL* dial) {
  char first[64] = {};
  char second[64] = {};
  WideCharToMultiByte(CP_UTF8, 0, text1 ? text1 : L"(null)", -1, first, sizeof first - 1, nullptr, nullptr);
  WideCharToMultiByte(CP_UTF8, 0, text2 ? text2 : L"(null)", -1, second, sizeof second - 1, nullptr, nullptr);
  Record("PHExtShowPhoneMsg %lX %s %s %d %lX %d from %s", msg, first, second, remove, supplementaryStatus,
         dial != nullptr, CALLER);
  if (dial != nullptr) *dial = 0x77;
  return 0x00A10005;
}

}  // extern "C"

// chain_host_cprog.exe: a host whose path ends in "cprog.exe", so that
// Vostarel.dll loaded into it starts as in the phone application (and, with
// the settings bit 0x40000, loads the chained extension). It calls each of
// Vostarel.dll's extension exports with recognisable arguments and writes one
// line per call to the file named on its command line: the export, the
// result, the out-parameters and what chain_probe.dll (if it is loaded)
// received.
//
//   chain_host_cprog.exe <path of Vostarel.dll> <output file>
#include <windows.h>

#include <cstdio>
#include <string>

#include "chain_values.h"

namespace {

using chain_values::Bits;
using TakeLastCallFn = const char*(WINAPI*)();

FILE* g_out = nullptr;
TakeLastCallFn g_takeLastCall = nullptr;

const char* ProbeCall() { return g_takeLastCall != nullptr ? g_takeLastCall() : "-"; }

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void CallAll(HMODULE library) {
  using namespace chain_values;
  using InitializeFn = HRESULT(WINAPI*)(void*);
  using DoVerbFn = HRESULT(WINAPI*)(DWORD, BOOL, LPARAM);
  using MetricsFn = HRESULT(WINAPI*)(DWORD, RECT*);
  using ViewInfoFn = HRESULT(WINAPI*)(DWORD, HINSTANCE*, DWORD*, void**, const wchar_t**);
  using ShowMsgFn = HRESULT(WINAPI*)(DWORD, wchar_t*, wchar_t*, BOOL, DWORD, BOOL*);
  using ImmediateFn = BOOL(WINAPI*)(const wchar_t*);
  using PreprocessFn = BOOL(WINAPI*)(wchar_t*, UINT);

  const auto initialize = Export<InitializeFn>(library, "PHExtInitialize");
  const auto doVerb = Export<DoVerbFn>(library, "PHExtDoVerb");
  const auto metrics = Export<MetricsFn>(library, "PHExtGetPhoneControlMetrics");
  const auto viewInfo = Export<ViewInfoFn>(library, "PHExtGetPhoneViewInfo");
  const auto showMsg = Export<ShowMsgFn>(library, "PHExtShowPhoneMsg");
  const auto dialpad = Export<WNDPROC>(library, "DialpadWndPrc");
  const auto immediate = Export<ImmediateFn>(library, "IsImmediateDialRequestRequired");
  const auto preprocess = Export<PreprocessFn>(library, "PreprocessDialRequest");
  if (!initialize || !doVerb || !metrics || !viewInfo || !showMsg || !dialpad || !immediate ||
      !preprocess) {
    std::fprintf(g_out, "missing export\n");
    return;
  }

  HRESULT result = initialize(reinterpret_cast<void*>(kInitializeReserved));
  std::fprintf(g_out, "PHExtInitialize %lX | %s\n", static_cast<unsigned long>(result), ProbeCall());

  result = doVerb(kVerb, kValidateOnly, static_cast<LPARAM>(kVerbParam));
  std::fprintf(g_out, "PHExtDoVerb %lX | %s\n", static_cast<unsigned long>(result), ProbeCall());

  RECT rect{-1, -1, -1, -1};
  result = metrics(kControlId, &rect);
  std::fprintf(g_out, "PHExtGetPhoneControlMetrics %lX %ld,%ld,%ld,%ld | %s\n",
               static_cast<unsigned long>(result), rect.left, rect.top, rect.right, rect.bottom,
               ProbeCall());

  HINSTANCE instance = reinterpret_cast<HINSTANCE>(0xdeadbeef);
  DWORD flags = 0xdeadbeef;
  void* hook = reinterpret_cast<void*>(0xdeadbeef);
  const wchar_t* templateName = L"untouched";
  result = viewInfo(kView, &instance, &flags, &hook, &templateName);
  char name[32] = {};
  WideCharToMultiByte(CP_UTF8, 0, templateName, -1, name, sizeof name - 1, nullptr, nullptr);
  std::fprintf(g_out, "PHExtGetPhoneViewInfo %lX %llX %lX %llX %s | %s\n",
               static_cast<unsigned long>(result), Bits(instance), flags, Bits(hook), name, ProbeCall());

  wchar_t first[] = L"010-1234";
  wchar_t second[] = L"Kim";
  BOOL dial = 0x1234;
  result = showMsg(kPhoneMsg, first, second, kRemove, kSupplementaryStatus, &dial);
  std::fprintf(g_out, "PHExtShowPhoneMsg %lX %X | %s\n", static_cast<unsigned long>(result),
               static_cast<unsigned>(dial), ProbeCall());

  const LRESULT procResult = dialpad(reinterpret_cast<HWND>(kDialpadWindow), kDialpadMessage,
                                     static_cast<WPARAM>(kDialpadWParam),
                                     static_cast<LPARAM>(kDialpadLParam));
  std::fprintf(g_out, "DialpadWndPrc %llX | %s\n", Bits(procResult), ProbeCall());

  wchar_t number[128] = L"0101234";
  std::fprintf(g_out, "IsImmediateDialRequestRequired %d\n", immediate(number));
  std::fprintf(g_out, "PreprocessDialRequest %d\n", preprocess(number, 128));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  g_out = _wfopen(argv[2], L"w");
  if (g_out == nullptr) return 3;
  // Every line reaches the file at once: a call that crashes the host leaves
  // the lines before it.
  setvbuf(g_out, nullptr, _IONBF, 0);
  const HMODULE library = LoadLibraryW(argv[1]);
  if (library == nullptr) {
    std::fprintf(g_out, "not loaded\n");
  } else {
    const HMODULE probe = GetModuleHandleW(L"chain_probe.dll");
    std::fprintf(g_out, "chained %d\n", probe != nullptr ? 1 : 0);
    if (probe != nullptr) g_takeLastCall = Export<TakeLastCallFn>(probe, "ChainProbeTakeLastCall");
    CallAll(library);
  }
  std::fclose(g_out);
  // The library's loader thread may still be polling for a dialer window.
  ExitProcess(0);
}

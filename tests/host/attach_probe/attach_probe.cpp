// A dial-pad extension for the host tests only. The phone application loads
// it in place of the library; it then plays the part of the world around the
// library inside the phone application's process and writes what it sees to
// the file named by VOSTAREL_PROBE_LOG (UTF-8 lines, appended):
//
// - it waits for the dialer window, puts its own procedure in front of the
//   dialer's (so every message the library passes on reaches it), and with
//   VOSTAREL_PROBE_DECOYS=1 makes top-level decoy windows above the dialer
//   that a dialer search must pass over;
// - with VOSTAREL_PROBE_GO_EVENT set, it waits for that named event;
// - it loads the library named by VOSTAREL_PROBE_LIBRARY (nothing when
//   empty), with VOSTAREL_PROBE_FREE=1 frees it again at once, and logs the commands that reach the dialer and the decoys, the
//   stand-ins' counters and the heap when the first refresh arrives, whose
//   procedures sit in front of which window when the dialer goes, and the
//   heap again when the process ends.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "probe_windows.h"

namespace probe {
namespace {

std::wstring Env(const wchar_t* name) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(name, buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

SIZE_T g_heapBeforeLoad = 0;

DWORD WINAPI ProbeThread(void*) {
  const HWND dialer = WaitForOwnDialer(10000);
  if (dialer == nullptr) {
    Log("no dialer");
    return 0;
  }
  PutProbeInFront(dialer, Env(L"VOSTAREL_PROBE_DECOYS") == L"1");
  const std::wstring event = Env(L"VOSTAREL_PROBE_GO_EVENT");
  if (!event.empty()) {
    const HANDLE go = OpenEventW(SYNCHRONIZE, FALSE, event.c_str());
    const DWORD waited = go != nullptr ? WaitForSingleObject(go, 20000) : WAIT_FAILED;
    if (go != nullptr) CloseHandle(go);
    Log(waited == WAIT_OBJECT_0 ? "go" : "no go");
  }
  LogZOrder(dialer);
  const std::wstring library = Env(L"VOSTAREL_PROBE_LIBRARY");
  if (library.empty()) return 0;
  g_heapBeforeLoad = HeapBytesInUse();
  Log("heap before-load " + std::to_string(g_heapBeforeLoad));
  const HMODULE module = LoadLibraryW(library.c_str());
  Log(module != nullptr ? "loaded ok" : "loaded failed " + std::to_string(GetLastError()));
  // A host that lets go of the library at once, while its loader thread
  // still works.
  if (module != nullptr && Env(L"VOSTAREL_PROBE_FREE") == L"1") {
    Log(FreeLibrary(module) ? "freed" : "free failed");
  }
  return 0;
}

}  // namespace
}  // namespace probe

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    probe::SetLogPath(probe::Env(L"VOSTAREL_PROBE_LOG"));
    probe::SetProbeModule(instance);
    probe::Log("probe pid " + std::to_string(GetCurrentProcessId()));
    // Keeps the address book's stand-in loaded, so that its object counter
    // can be read whatever COM does with the DLL.
    LoadLibraryW(L"pimstore.dll");
    const HANDLE thread = CreateThread(nullptr, 0, probe::ProbeThread, nullptr, 0, nullptr);
    if (thread != nullptr) CloseHandle(thread);
  }
  // At process end the library, loaded after the probe, has been detached
  // already: what it freed shows here.
  if (reason == DLL_PROCESS_DETACH && reserved != nullptr && probe::g_heapBeforeLoad != 0) {
    probe::Log("heap detach " + std::to_string(probe::HeapBytesInUse()));
  }
  return TRUE;
}

#include "loader_thread.h"

#include "dialer_window_state.h"
#include "dictionary_path.h"
#include "holders.h"
#include "dialer_polling.h"
#include "process_values.h"
#include "store_loaders.h"
#include "window_search.h"

namespace vostarel {
namespace {

DWORD WINAPI LoaderThreadProc(void*) {
  DWORD exitCode = kLoaderGaveUp;
  if (DialHelper* helper = g_mainObject) {
    exitCode = RunLoader(*helper, kDialerPollCount, kDialerPollIntervalMs);
  }
  // Attached, the dialer's procedures are now the library's: the reference
  // StartLoaderThread took is kept, so the library stays loaded as long as
  // the process even if the host frees it. Otherwise nothing points into it
  // any more and the reference goes; the library may be unloaded right
  // after, so nothing of it may run once this is called.
  if (exitCode == kLoaderAttached) return exitCode;
  FreeLibraryAndExitThread(g_moduleInstance, exitCode);
}

}  // namespace

DWORD RunLoader(DialHelper& helper, uint32_t polls, DWORD intervalMs) {
  helper.Index.Results.Count = 0;
  LoadAddressBook(helper);
  LoadSimPhonebook(helper);
  LoadCallLog(helper, false);
  CountCallsIfOrdered(helper);
  const bool attached = PollForDialer(
      polls, [&] { return helper.Window.Dialer != nullptr; },
      [] { EnumWindows(WindowSearchProc, kSearchAttach); }, [&] { Sleep(intervalMs); });
  return attached ? kLoaderAttached : kLoaderGaveUp;
}

bool StartLoaderThread() {
  // One more reference on the library for the thread. Taken here, under the
  // loader lock of process attach, so that no FreeLibrary can come between
  // the thread's start and its first instruction. Loading the library's own
  // path again only counts the reference: it is loaded already.
  wchar_t path[kPathCapacity];
  const DWORD length = GetModuleFileNameW(g_moduleInstance, path, kPathCapacity);
  if (length == 0 || length >= kPathCapacity) return false;
  if (LoadLibraryW(path) == nullptr) return false;
  const KernelHandle thread(CreateThread(nullptr, 0, LoaderThreadProc, nullptr, 0, nullptr));
  // Without a thread the reference stays: the library then stays loaded
  // until the process ends, which is how the phone application uses it.
  return thread.Valid();
}

}  // namespace vostarel

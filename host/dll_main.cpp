// The library's entry point. In every host it records the process-wide
// values; only inside the phone application does it build the main object
// and start the loader thread. It returns TRUE for every reason and in every
// case, so that a host never fails to load the library because of it.
#include <windows.h>

#include <new>

#include "chained_extension.h"
#include "dial_helper.h"
#include "loader_thread.h"
#include "process_values.h"
#include "settings.h"
#include "settings_sheet.h"

namespace vostarel {
namespace {

DialHelper* CreateMainObject(HINSTANCE instance) {
  try {
    return new (std::nothrow) DialHelper(instance);
  } catch (...) {
    return nullptr;
  }
}

void OnProcessAttach(HINSTANCE instance) {
  RecordProcessValues(instance);
  if (!RunsInPhoneApplication()) return;
  g_openSettingsSheet = ShowSettingsSheet;
  DialHelper* helper = CreateMainObject(instance);
  if (helper == nullptr) return;
  g_mainObject = helper;
  if ((helper->Options.Flags & SettingsFlags::kChainedExtension) != 0) LoadChainedExtension();
  StartLoaderThread();
}

void OnProcessDetach() {
  DialHelper* helper = g_mainObject;
  if (helper == nullptr) return;
  g_mainObject = nullptr;
  delete helper;  // frees the stores, then the dictionary
}

}  // namespace
}  // namespace vostarel

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) vostarel::OnProcessAttach(instance);
  if (reason == DLL_PROCESS_DETACH) vostarel::OnProcessDetach();
  return TRUE;
}

// The library's entry point. In every host it records the process-wide
// values; only inside the phone application does it build the main object
// and start the loader thread. It returns TRUE for every reason and in every
// case, so that a host never fails to load the library because of it.
#include <windows.h>

#include <new>

#include "chained_extension.h"
#include "loader_thread.h"
#include "main_object.h"
#include "process_values.h"
#include "settings.h"
#include "settings_sheet.h"

namespace vostarel {
namespace {

// What g_mainObject points into while it is set.
MainObject* g_mainObjectOwner = nullptr;

MainObject* CreateMainObject(HINSTANCE instance) {
  try {
    return new (std::nothrow) MainObject(instance);
  } catch (...) {
    return nullptr;
  }
}

void OnProcessAttach(HINSTANCE instance) {
  RecordProcessValues(instance);
  if (!RunsInPhoneApplication()) return;
  g_openSettingsSheet = ShowSettingsSheet;
  MainObject* owner = CreateMainObject(instance);
  if (owner == nullptr) return;
  g_mainObjectOwner = owner;
  DialHelper* helper = &owner->Helper;
  g_mainObject = helper;
  if ((helper->Options.Flags & SettingsFlags::kChainedExtension) != 0) LoadChainedExtension();
  StartLoaderThread();
}

void OnProcessDetach() {
  MainObject* owner = g_mainObjectOwner;
  if (owner == nullptr) return;
  g_mainObject = nullptr;
  g_mainObjectOwner = nullptr;
  delete owner;  // frees the stores, then the dictionary
}

}  // namespace
}  // namespace vostarel

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) vostarel::OnProcessAttach(instance);
  if (reason == DLL_PROCESS_DETACH) vostarel::OnProcessDetach();
  return TRUE;
}

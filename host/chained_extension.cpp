#include "chained_extension.h"

#include "process_values.h"
#include "registration.h"
#include "win_text.h"

extern "C" {
void* g_targetPHExtDoVerb = nullptr;
void* g_targetPHExtGetPhoneControlMetrics = nullptr;
void* g_targetPHExtGetPhoneViewInfo = nullptr;
void* g_targetPHExtInitialize = nullptr;
void* g_targetPHExtShowPhoneMsg = nullptr;
}

namespace vostarel {

WNDPROC g_dialpadTarget = nullptr;

namespace {

void* Export(HMODULE module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(module, name));
}

}  // namespace

void LoadChainedExtension() {
  const RegistrationRow& row = CurrentRegistrationRow();
  const RegistryKey key(row.Root, row.Subkey, KEY_ALL_ACCESS);
  const RowValues values = ReadRowValues(key, row);
  if (!ShouldLoadChainedExtension(values)) return;
  // Stays loaded for the life of the process: its addresses are kept.
  const HMODULE module = LoadLibraryW(AsWide(values.PathBackup->c_str()));
  if (module == nullptr) return;
  if (g_version5) {
    g_targetPHExtDoVerb = Export(module, "PHExtDoVerb");
    g_targetPHExtInitialize = Export(module, "PHExtInitialize");
    g_targetPHExtShowPhoneMsg = Export(module, "PHExtShowPhoneMsg");
    g_targetPHExtGetPhoneViewInfo = Export(module, "PHExtGetPhoneViewInfo");
    g_targetPHExtGetPhoneControlMetrics = Export(module, "PHExtGetPhoneControlMetrics");
    return;
  }
  const uint16_t ordinal = ChainedDialpadOrdinal(values);
  if (ordinal == 0) return;
  g_dialpadTarget = reinterpret_cast<WNDPROC>(Export(module, MAKEINTRESOURCEA(ordinal)));
}

}  // namespace vostarel

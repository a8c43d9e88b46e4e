// The extension that was installed before this library, loaded at start when
// the external-dialer option (bit 0x40000) is on, so that the phone
// application's extension calls can be passed on to it.
#pragma once

#include <windows.h>

// The forward targets that the exported forwarders read. Written only by
// LoadChainedExtension during process attach; read-only afterwards, so the
// forwarders need no lock. The PHExt* targets are plain addresses: the
// forwarders jump to them with the caller's arguments untouched, whatever
// those are. C names, because the assembly forwarders load them by name.
extern "C" {
extern void* g_targetPHExtDoVerb;
extern void* g_targetPHExtGetPhoneControlMetrics;
extern void* g_targetPHExtGetPhoneViewInfo;
extern void* g_targetPHExtInitialize;
extern void* g_targetPHExtShowPhoneMsg;
}

namespace vostarel {

// The dial-pad window-procedure target; null stands for DefWindowProcW.
extern WNDPROC g_dialpadTarget;

// Loads the library named by "VostarelPathBak" of the current registration
// row, unless it is missing or this library's own, and makes its exports the
// forward targets: on version 5 or more the five PHExt* functions by name; on
// older systems the dial-pad procedure by the ordinal that extension had in
// the row. The library is never freed. Called during process attach (under
// the loader lock, which LoadLibraryW tolerates for plain DLLs), before the
// loader thread starts.
void LoadChainedExtension();

}  // namespace vostarel

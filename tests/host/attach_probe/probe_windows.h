// The probe's pieces: its log, the windows it watches and makes, and the
// measurements it writes.
#pragma once

#include <windows.h>

#include <string>

namespace probe {

void SetLogPath(const std::wstring& path);
void SetProbeModule(HMODULE module);
// One line; the file is opened and closed for each, so lines from the
// probe's thread and the dialer's thread never mix.
void Log(const std::string& line);

// The process's own visible "Dialer" window with its number field, waited
// for; null on timeout.
HWND WaitForOwnDialer(DWORD timeoutMs);
// Puts the probe's procedure in front of the dialer's and, with `decoys`,
// makes the decoy windows (on the dialer's thread, which serves them).
void PutProbeInFront(HWND dialer, bool decoys);
// Logs "zorder" and the top-level windows that matter, top first: "dialer",
// the decoys by name, and "foreign-dialer" for another process's dialer.
void LogZOrder(HWND dialer);

// Bytes in busy blocks of all the process's heaps.
SIZE_T HeapBytesInUse();

}  // namespace probe

// Test functions that the stand-in platform DLLs export besides the device's
// own functions. They report what a stand-in has handed out and not yet got
// back, so tests can prove that a caller releases everything it receives,
// and what IContact::Display showed, and they control the failures a
// stand-in injects (VOSTAREL_FAULTS). The device's libraries have none of
// these; only tests and the stand-in phone application call them.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

// --- every stand-in DLL: pimstore.dll, cellcore.dll, phone.dll -------------------------
// Each DLL exports its own, for its own calls: reach them through
// GetProcAddress on the DLL meant.
// Calls of this DLL that failed on purpose so far.
LONG WINAPI StandInFaultsInjected(void);
// Replaces this DLL's fault plan with `plan`, written as VOSTAREL_FAULTS
// is; null or empty: no call fails. FALSE, and no call fails, when the plan
// is malformed.
BOOL WINAPI StandInSetFaults(LPCWSTR plan);

// --- pimstore.dll --------------------------------------------------------------------
// Address-book objects (application, folder, item collection, contact) that
// exist now: created and not yet released to a reference count of 0.
LONG WINAPI StandInLiveObjects(void);
// How many times IContact::Display has run in this process.
LONG WINAPI StandInDisplayCount(void);
// The contact that IContact::Display showed last: its Oid and its FileAs,
// cut to fileAsCapacity - 1 characters and terminated (fileAs may be null
// when fileAsCapacity is 0). FALSE, with nothing written, before the first
// Display.
BOOL WINAPI StandInLastDisplayed(LONG* oid, LPWSTR fileAs, DWORD fileAsCapacity);

// --- cellcore.dll --------------------------------------------------------------------
// SIM handles from SimInitialize not yet passed to SimDeinitialize.
LONG WINAPI StandInOpenSimHandles(void);

// --- phone.dll -----------------------------------------------------------------------
// Call-log handles from PhoneOpenCallLog not yet passed to PhoneCloseCallLog.
LONG WINAPI StandInOpenCallLogHandles(void);
// How many times PhoneOpenCallLog has opened the log (and read the file).
LONG WINAPI StandInCallLogOpens(void);
// Strings that PhoneGetCallLogEntry handed out and that are still allocated,
// that is, not yet released with LocalFree.
LONG WINAPI StandInOutstandingStrings(void);

#ifdef __cplusplus
}
#endif

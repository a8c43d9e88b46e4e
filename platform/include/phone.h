// The device platform's call-log functions (phone.h), which the desktop SDK
// lacks. phone.dll exports them.
//
// Every string a successful PhoneGetCallLogEntry puts into the record was
// allocated with LocalAlloc and belongs to the caller, who frees it with
// LocalFree; absent strings are null.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef enum {
  IOM_MISSED,    // an unanswered incoming call
  IOM_INCOMING,  // an answered incoming call
  IOM_OUTGOING,  // an outgoing call
} IOM;

typedef enum {
  CALLERIDTYPE_UNAVAILABLE,
  CALLERIDTYPE_BLOCKED,
  CALLERIDTYPE_AVAILABLE,
} CALLERIDTYPE;

typedef enum {
  CALLLOGSEEK_BEGINNING = 2,
  CALLLOGSEEK_END = 4,
} CALLLOGSEEK;

// Field order and bit fields as the platform declares them; see
// device_sizes.h for the structure's size on the device and here.
typedef struct {
  DWORD cbSize;  // set by the caller to the structure size before each read
  FILETIME ftStartTime;
  FILETIME ftEndTime;
  IOM iom;
  BOOL fOutgoing : 1;
  BOOL fConnected : 1;
  BOOL fEnded : 1;
  BOOL fRoam : 1;
  CALLERIDTYPE cidt;
  PWSTR pszNumber;
  PWSTR pszName;
  PWSTR pszNameType;
  PWSTR pszNote;
} CALLLOGENTRY, *PCALLLOGENTRY;

// Opens the log with the read position at its newest record.
HRESULT PhoneOpenCallLog(HANDLE* ph);
HRESULT PhoneCloseCallLog(HANDLE h);
// Moves the read position to record iRecord counted from the beginning
// (newest) or from the end (oldest); *piRecord receives the position as an
// index from the beginning.
HRESULT PhoneSeekCallLog(HANDLE h, CALLLOGSEEK seek, DWORD iRecord, LPDWORD piRecord);
// Reads the record at the read position and advances: S_OK, or S_FALSE
// when no record is left.
HRESULT PhoneGetCallLogEntry(HANDLE h, PCALLLOGENTRY pentry);

#ifdef __cplusplus
}
#endif

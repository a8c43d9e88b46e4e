// Structure sizes that the device gives as plain numbers, and what they are
// in each build.
//
// The device is 32-bit ARM: a SIMPHONEBOOKENTRY is 1040 bytes and a
// CALLLOGENTRY 48 bytes there, and the callers set cbSize to those numbers.
// SIMPHONEBOOKENTRY holds no pointer and has its 1040 bytes in every build.
// CALLLOGENTRY ends in four string pointers: the i686 build has the device's
// layout and passes the device's 48; on x86_64 the pointers are 8 bytes each,
// the record grows to 64 bytes, and that build passes its own size. Code that
// fills cbSize uses the k...Size constants below; the stand-ins check cbSize
// against the same values. The library's other device numbers are mapped in
// overlay/desktop_values.h.
#pragma once

#include "phone.h"
#include "simmgr.h"

// The device's numbers.
#define DEVICE_SIMPHONEBOOKENTRY_SIZE 1040
#define DEVICE_CALLLOGENTRY_SIZE 48

static_assert(sizeof(SIMPHONEBOOKENTRY) == DEVICE_SIMPHONEBOOKENTRY_SIZE,
              "SIMPHONEBOOKENTRY holds no pointer: its size is the device's everywhere");

#if defined(_WIN64)
// Desktop x86_64: 4 + 8 + 8 + 4 + 4 (bit fields) + 4, then 4 pointers of 8.
static_assert(sizeof(CALLLOGENTRY) == 64, "unexpected CALLLOGENTRY layout");
constexpr DWORD kCallLogEntrySize = sizeof(CALLLOGENTRY);
#else
static_assert(sizeof(CALLLOGENTRY) == DEVICE_CALLLOGENTRY_SIZE,
              "on a 32-bit target CALLLOGENTRY has the device's size");
constexpr DWORD kCallLogEntrySize = DEVICE_CALLLOGENTRY_SIZE;
#endif

// What callers put into cbSize and what the stand-ins expect there.
constexpr DWORD kSimPhonebookEntrySize = DEVICE_SIMPHONEBOOKENTRY_SIZE;

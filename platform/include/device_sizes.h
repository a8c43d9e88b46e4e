// Structure sizes that the device gives as plain numbers, and what they are
// in this build.
//
// The device is 32-bit ARM: a SIMPHONEBOOKENTRY is 1040 bytes and a
// CALLLOGENTRY 48 bytes there, and the callers set cbSize to those numbers.
// This build is x86_64 desktop Windows. SIMPHONEBOOKENTRY holds no pointer
// and keeps its 1040 bytes; CALLLOGENTRY ends in four string pointers, which
// are 8 bytes each here, so it grows to 64 bytes. Code that fills cbSize uses
// the k...Size constants below, which are the device's numbers on the device
// and sizeof(...) here; the stand-ins check cbSize against the same values.
// This is the one place where the desktop build departs from the device's
// numbers.
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
#else
static_assert(sizeof(CALLLOGENTRY) == DEVICE_CALLLOGENTRY_SIZE,
              "on a 32-bit target CALLLOGENTRY has the device's size");
#endif

// What callers put into cbSize and what the stand-ins expect there.
constexpr DWORD kSimPhonebookEntrySize = sizeof(SIMPHONEBOOKENTRY);
constexpr DWORD kCallLogEntrySize = sizeof(CALLLOGENTRY);

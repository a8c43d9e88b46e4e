// What the user does with a row of the result list: activation runs the
// default command, tap-and-hold shows the row popup, left and right step
// through the entry's numbers; and the commands themselves.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "contact_entry.h"

namespace vostarel {

struct DialHelper;

// The row popup at `point` (screen x in the low 16 bits, y in the high 16
// bits); the overlay menu instead when no row is selected.
void ShowRowMenu(DialHelper& helper, LPARAM point);
// LVN_ITEMACTIVATE and LVN_KEYDOWN (left, right) of the result list.
void OnListNotify(DialHelper& helper, const NMHDR& notice);
// Expands command `commandIndex` for number `numberIndex` of `entry` and runs
// it; afterwards that number is the entry's first.
void RunCommand(DialHelper& helper, ContactEntry& entry, uint32_t numberIndex,
                uint32_t commandIndex);
// Opens the entry in the phone's own application: the call history, the SIM
// program, or the address-book contact.
HRESULT OpenEntry(const DialHelper& helper, int32_t entryId);
// Starts a program or document with the "Open" verb; whether it started.
bool LaunchProgram(HWND dialer, const wchar_t* file, const wchar_t* parameters, ULONG mask);

}  // namespace vostarel

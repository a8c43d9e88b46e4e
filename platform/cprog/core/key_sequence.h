// The keys of --keys. Platform-free.
//
// KEYS is a run of single keys "0"-"9", "*", "#" and named keys in braces:
// {LEFT} {RIGHT} {UP} {DOWN} {ENTER} {TALK} {SOFTKEY} {TAP} {BACK}
// {HOME} {END} {HOLD} {ROWHOLD} {MENU} {SYSMENU} {DROPLIST} {SHEETCANCEL}
// {FAULTS:ON} {FAULTS:OFF}, {PICK:ID}, {SHEETTAB:N}, {PASTE:NUMBER} and
// {RESIZE:WIDTH,HEIGHT} (names in capitals, numbers in decimal). Anything
// else is an error.
//
// {HOLD} holds the number field (tap-and-hold), {ROWHOLD} asks the dialer for
// the result list's context menu at its selected row, {MENU} opens the
// dialer's own menu from its soft-key bar, {SYSMENU} the dialer window's
// system menu (Alt+Space), and {PICK:ID} arms a choice for the next popup
// menu that opens: the item with command ID is chosen as a user would
// (arrow keys, then Enter); {PICK:0} closes the menu. {SHEETTAB:N} arms a
// tap on tab N (from 0) of the next property sheet that opens, and
// {SHEETCANCEL} arms its Cancel (after the armed tab, if any, was tapped).
// {FAULTS:OFF} stops the stand-in platform's injected failures and
// {FAULTS:ON} starts them again as VOSTAREL_FAULTS describes them.
//
// {PASTE:NUMBER} pastes NUMBER (1 to 127 of "0"-"9", "*", "#", "+") at the
// end of the number field; the field then gets the dialer's "number
// changed" message 1025 instead of WM_SETTEXT. {RESIZE:WIDTH,HEIGHT} gives
// the dialer a client area of WIDTH x HEIGHT pixels (1 to 4 digits each, not
// 0). {DROPLIST} makes the dialer destroy the extension's result list
// window, as a dialer that rebuilds its children would.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vostarel::cprog {

enum class KeyKind {
  kChar,     // a keypad character: digit, '*' or '#'
  kLeft,
  kRight,
  kUp,
  kDown,
  kEnter,
  kTalk,     // the hardware talk key
  kSoftKey,  // the dialer soft key that the extension relabels
  kTap,      // a tap on the number field
  kBack,     // delete one character
  kHome,
  kEnd,
  kHold,     // tap-and-hold on the number field
  kRowHold,  // tap-and-hold on the result list's selected row
  kMenu,     // the dialer's own menu (soft-key bar)
  kPick,     // the choice for the next popup menu (id)
  kSheetTab, // the tab to tap in the next property sheet (id: its index)
  kSysMenu,  // the dialer window's system menu
  kPaste,    // text pasted into the number field, announced with 1025
  kResize,   // a new client size for the dialer (width, height)
  kDropList, // the dialer destroys the extension's result list window
  kSheetCancel, // Cancel for the next property sheet
  kFaultsOn,  // the stand-ins fail calls again as VOSTAREL_FAULTS says
  kFaultsOff, // the stand-ins fail no call
};

struct Key {
  KeyKind kind = KeyKind::kChar;
  char16_t character = 0;  // for kChar
  unsigned id = 0;         // for kPick: the command ID to choose, 0 to dismiss;
                           // for kSheetTab: the tab's index
  std::u16string text{};   // for kPaste
  unsigned width = 0;      // for kResize
  unsigned height = 0;
  bool operator==(const Key&) const = default;
};

struct KeySequenceResult {
  std::optional<std::vector<Key>> keys;
  std::size_t errorOffset = 0;  // where KEYS stops making sense
};

KeySequenceResult ParseKeySequence(const std::u16string& text);

}  // namespace vostarel::cprog

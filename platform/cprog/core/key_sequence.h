// The keys of --keys. Platform-free.
//
// KEYS is a run of single keys "0"-"9", "*", "#" and named keys in braces:
// {LEFT} {RIGHT} {UP} {DOWN} {ENTER} {TALK} {SOFTKEY} {TAP} {BACK}
// {HOME} {END} {HOLD} {ROWHOLD} {MENU} and {PICK:ID} (names in capitals, ID in
// decimal). Anything else is an error.
//
// {HOLD} holds the number field (tap-and-hold), {ROWHOLD} asks the dialer for
// the result list's context menu at its selected row, {MENU} opens the
// dialer's own menu from its soft-key bar, and {PICK:ID} arms a
// choice for the next popup menu that opens: the item with command ID is
// chosen as a user would (arrow keys, then Enter); {PICK:0} dismisses it.
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
};

struct Key {
  KeyKind kind = KeyKind::kChar;
  char16_t character = 0;  // for kChar
  unsigned id = 0;         // for kPick: the command ID to choose, 0 to dismiss
  bool operator==(const Key&) const = default;
};

struct KeySequenceResult {
  std::optional<std::vector<Key>> keys;
  std::size_t errorOffset = 0;  // where KEYS stops making sense
};

KeySequenceResult ParseKeySequence(const std::u16string& text);

}  // namespace vostarel::cprog

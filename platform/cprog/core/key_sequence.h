// The keys of --keys. Platform-free.
//
// KEYS is a run of single keys "0"-"9", "*", "#" and named keys in braces:
// {LEFT} {RIGHT} {UP} {DOWN} {ENTER} {TALK} {SOFTKEY} {TAP} {BACK}
// (names in capitals). Anything else is an error.
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
};

struct Key {
  KeyKind kind = KeyKind::kChar;
  char16_t character = 0;  // for kChar
  bool operator==(const Key&) const = default;
};

struct KeySequenceResult {
  std::optional<std::vector<Key>> keys;
  std::size_t errorOffset = 0;  // where KEYS stops making sense
};

KeySequenceResult ParseKeySequence(const std::u16string& text);

}  // namespace vostarel::cprog

// How typing changes the dialer's number text. Platform-free.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vostarel::cprog {

// Longest number the field holds; the extension reads at most 127 units.
inline constexpr std::size_t kNumberCapacity = 127;
inline constexpr char16_t kBackspace = 0x08;

// What the number field takes: "0"-"9", "*", "#" and "+".
bool IsDialable(char16_t c);

// The text after typing c: a digit, '*', '#' or '+' is appended (unless the
// text is full), backspace removes the last unit. Nothing (no change) for
// any other character, a full text, or backspace on an empty text.
std::optional<std::u16string> ApplyTypedChar(std::u16string_view text, char16_t c);

// What a paste adds to text: the dialable characters of pasted, in order,
// as many as still fit (the others are dropped).
std::u16string FittingPaste(std::u16string_view text, std::u16string_view pasted);

// The status line for a placed call: "calling NUMBER (NAME)", or
// "calling NUMBER" without a name.
std::u16string CallingStatus(std::u16string_view number, std::u16string_view name);

}  // namespace vostarel::cprog

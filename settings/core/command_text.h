// Platform-free rules over the settings: the registry text form of a user
// command, the command list's length, the default-command and separator
// tests, key translation and the spelling-table range.
#pragma once

#include <cstddef>
#include <cstdint>

#include "korean_spelling.h"
#include "settings.h"

namespace vostarel {

// Units of the buffer a stored command text is read into, terminator
// included. A longer stored value is not read at all.
inline constexpr size_t kCommandValueCapacity = 260;

// Empties `entry`: mode 0, empty caption and command text.
void ClearCommand(MenuCommand& entry);

// Reads the text form "mode|caption|command" by position:
// - unit 0 is the mode digit; unit 1 is taken as the first separator and
//   not examined;
// - the caption runs from unit 2 up to the next "|", so it cannot hold a
//   "|"; the command text is everything after that "|" and may hold "|".
// Returns false and leaves `entry` empty when no "|" follows from unit 2 on;
// that includes texts of fewer than two units, which have no unit 2 to
// start from (null counts as empty).
// Otherwise fills `entry` and returns true. Values the editor never writes
// are made to fit rather than refused:
// - a mode unit that is not "0".."9" gives mode 0 (never offered in a row's
//   popup), keeping the entry visible on the Commands page to be fixed;
// - a caption over kCaptionCapacity - 1 units or a command text over
//   kCommandTextCapacity - 1 units keeps its first units, like every text
//   copied into a fixed field.
bool ParseCommandText(const char16_t* text, MenuCommand& entry);

// Writes `entry` in the text form: the mode as an unsigned decimal, "|", the
// caption (with its "!" if any), "|", the command text. Cut at `capacity`
// units (terminator included); an entry's texts always fit in
// kCommandValueCapacity. Returns the length written.
size_t FormatCommandText(const MenuCommand& entry, char16_t* out, size_t capacity);

// The command list: entries from index 0 up to, not including, the first
// whose caption is empty. Returns its length (at most `count`).
size_t CommandListLength(const MenuCommand* commands, size_t count);

// The default command is the one run when a row is tapped; its caption
// starts with "!", which is not shown.
bool IsDefaultCommand(const MenuCommand& entry);
// A caption starting with "-" makes a separator in the popup.
bool IsSeparatorCommand(const MenuCommand& entry);

// The key code to use for `code`: the second byte of the first pair whose
// first byte equals `code`, looking at no more than kKeyMapPairs pairs and
// stopping at a pair whose first byte is 0. A code no pair names (any code
// above 255 included) comes back unchanged.
uint32_t TranslateKey(const KeyMap& map, uint32_t code);

// The spelling table to use for the stored TTable number: 0, 1 or 2 as
// stored; anything else (negative numbers read as large unsigned ones) 0.
int32_t SpellingTableFromStored(uint32_t stored);

// The row order for the stored OrderByCalls number: 1 the people called
// most first; anything else the stores' order.
ListOrder ListOrderFromStored(uint32_t stored);

// The Korean keypad for the stored KoreanKeypad number: 0 Cheonjiin,
// 1 Naratgeul, 2 none as stored; anything else Cheonjiin, the default.
KoreanKeypad KoreanKeypadFromStored(uint32_t stored);

}  // namespace vostarel

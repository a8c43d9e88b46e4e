#include "command_text.h"

#include "name_speller.h"
#include "text.h"

namespace vostarel {

namespace {

constexpr char16_t kSeparator = u'|';

// End of a zero-terminated text held in a field of `capacity` units; a field
// that lacks its terminator ends at its capacity.
const char16_t* FieldEnd(const char16_t* field, size_t capacity) {
  size_t length = 0;
  while (length < capacity && field[length] != 0) ++length;
  return field + length;
}

void AppendDecimal(TextAppender& out, uint32_t value) {
  char16_t digits[10];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (count > 0) out.Append(digits[--count]);
}

}  // namespace

void ClearCommand(MenuCommand& entry) {
  entry.Mode = 0;
  CopyText(entry.Command, nullptr);
  CopyText(entry.Caption, nullptr);
}

bool ParseCommandText(const char16_t* text, MenuCommand& entry) {
  ClearCommand(entry);
  // Units 0 and 1 must both be text before unit 2 can be looked at; a
  // shorter text would send the scan past its terminator.
  if (text == nullptr || text[0] == 0 || text[1] == 0) return false;

  const char16_t* caption = text + 2;
  const char16_t* bar = caption;
  while (*bar != 0 && *bar != kSeparator) ++bar;
  if (*bar == 0) return false;

  const char16_t* command = bar + 1;
  const char16_t* commandEnd = command;
  while (*commandEnd != 0) ++commandEnd;

  const char16_t mode = text[0];
  entry.Mode = (mode >= u'0' && mode <= u'9') ? mode - u'0' : 0;
  TextAppender(entry.Caption, kCaptionCapacity).Append(caption, bar);
  TextAppender(entry.Command, kCommandTextCapacity).Append(command, commandEnd);
  return true;
}

size_t FormatCommandText(const MenuCommand& entry, char16_t* out, size_t capacity) {
  TextAppender text(out, capacity);
  AppendDecimal(text, static_cast<uint32_t>(entry.Mode));
  text.Append(kSeparator);
  text.Append(entry.Caption, FieldEnd(entry.Caption, kCaptionCapacity));
  text.Append(kSeparator);
  text.Append(entry.Command, FieldEnd(entry.Command, kCommandTextCapacity));
  return text.Length();
}

size_t CommandListLength(const MenuCommand* commands, size_t count) {
  size_t length = 0;
  while (length < count && commands[length].Caption[0] != 0) ++length;
  return length;
}

bool IsDefaultCommand(const MenuCommand& entry) { return entry.Caption[0] == u'!'; }

bool IsSeparatorCommand(const MenuCommand& entry) { return entry.Caption[0] == u'-'; }

uint32_t TranslateKey(const KeyMap& map, uint32_t code) {
  for (size_t pair = 0; pair < kKeyMapPairs; ++pair) {
    const uint8_t received = map.Bytes[2 * pair];
    if (received == 0) break;
    if (received == code) return map.Bytes[2 * pair + 1];
  }
  return code;
}

ListOrder ListOrderFromStored(uint32_t stored) {
  return stored == 1 ? ListOrder::CalledMostFirst : ListOrder::Stores;
}

KoreanKeypad KoreanKeypadFromStored(uint32_t stored) {
  return stored <= static_cast<uint32_t>(KoreanKeypad::Off) ? static_cast<KoreanKeypad>(stored)
                                                            : KoreanKeypad::Cheonjiin;
}

int32_t SpellingTableFromStored(uint32_t stored) {
  return stored < static_cast<uint32_t>(kSpellingTableCount) ? static_cast<int32_t>(stored) : 0;
}

}  // namespace vostarel

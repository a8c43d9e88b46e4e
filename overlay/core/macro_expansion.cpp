#include "macro_expansion.h"

#include "number_selection.h"
#include "text.h"

namespace vostarel {

namespace {

// Appends a fixed-capacity field up to its terminator, never reading past
// the field even when the terminator is missing.
template <size_t N>
void AppendField(TextAppender& out, const char16_t (&field)[N]) {
  size_t length = 0;
  while (length < N && field[length] != 0) ++length;
  out.Append(field, field + length);
}

template <size_t N>
void AppendDialableUnits(TextAppender& out, const char16_t (&number)[N]) {
  for (size_t i = 0; i < N && number[i] != 0; ++i) {
    const char16_t unit = number[i];
    if ((unit >= u'0' && unit <= u'9') || unit == u'*' || unit == u'#') out.Append(unit);
  }
}

void AppendAllNumbers(TextAppender& out, const ContactEntry& entry) {
  const uint32_t count = UsableNumberCount(entry);
  for (uint32_t i = 0; i < count && out.Room() > 0; ++i) {
    out.Append(u' ');
    AppendField(out, entry.Numbers[i].Label);
    out.Append(u'[');
    AppendField(out, entry.Numbers[i].Number);
    out.Append(u']');
  }
}

void AppendMacro(TextAppender& out, char16_t macro, const ContactEntry& entry,
                 const NumberSlot* chosen) {
  switch (macro) {
    case u'n':
      AppendField(out, entry.DisplayName);
      break;
    case u'p':
      if (chosen != nullptr) AppendField(out, chosen->Number);
      break;
    case u'P':
      if (chosen != nullptr) AppendDialableUnits(out, chosen->Number);
      break;
    case u't':
      if (chosen != nullptr) AppendField(out, chosen->Label);
      break;
    case u'a':
      AppendAllNumbers(out, entry);
      break;
    case u'j':
      AppendField(out, entry.NameInitials);
      break;
    case u'y':
      AppendField(out, entry.SpelledName);
      break;
    default:
      out.Append(macro);
      break;
  }
}

}  // namespace

size_t ExpandMacros(char16_t* out, size_t capacity, const char16_t* text,
                    const ContactEntry& entry, uint32_t numberIndex) {
  TextAppender expanded(out, capacity);
  if (text == nullptr) return 0;
  const NumberSlot* chosen = NumberSlotAt(entry, numberIndex);
  for (const char16_t* at = text; *at != 0 && expanded.Room() > 0; ++at) {
    if (*at != u'%') {
      expanded.Append(*at);
      continue;
    }
    ++at;
    if (*at == 0) break;  // a "%" ending the text gives nothing
    AppendMacro(expanded, *at, entry, chosen);
  }
  return expanded.Length();
}

}  // namespace vostarel

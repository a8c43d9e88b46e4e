#include "key_sequence.h"

#include <array>
#include <utility>

#include "number_text.h"

namespace vostarel::cprog {
namespace {

constexpr std::array<std::pair<std::u16string_view, KeyKind>, 19> kNamedKeys{{
    {u"LEFT", KeyKind::kLeft},
    {u"RIGHT", KeyKind::kRight},
    {u"UP", KeyKind::kUp},
    {u"DOWN", KeyKind::kDown},
    {u"ENTER", KeyKind::kEnter},
    {u"TALK", KeyKind::kTalk},
    {u"SOFTKEY", KeyKind::kSoftKey},
    {u"TAP", KeyKind::kTap},
    {u"BACK", KeyKind::kBack},
    {u"HOME", KeyKind::kHome},
    {u"END", KeyKind::kEnd},
    {u"HOLD", KeyKind::kHold},
    {u"ROWHOLD", KeyKind::kRowHold},
    {u"MENU", KeyKind::kMenu},
    {u"SYSMENU", KeyKind::kSysMenu},
    {u"DROPLIST", KeyKind::kDropList},
    {u"SHEETCANCEL", KeyKind::kSheetCancel},
    {u"FAULTS:ON", KeyKind::kFaultsOn},
    {u"FAULTS:OFF", KeyKind::kFaultsOff},
}};

bool IsKeypadCharacter(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'*' || c == u'#'; }

constexpr std::u16string_view kPickPrefix = u"PICK:";
constexpr std::u16string_view kSheetTabPrefix = u"SHEETTAB:";

constexpr std::u16string_view kPastePrefix = u"PASTE:";
constexpr std::u16string_view kResizePrefix = u"RESIZE:";

// One to maxDigits decimal digits.
std::optional<unsigned> Decimal(std::u16string_view digits, std::size_t maxDigits) {
  if (digits.empty() || digits.size() > maxDigits) return std::nullopt;
  unsigned value = 0;
  for (char16_t d : digits) {
    if (d < u'0' || d > u'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(d - u'0');
  }
  return value;
}

// The rest of `name` after `prefix`, or nothing when it does not start so.
std::optional<std::u16string_view> After(std::u16string_view name, std::u16string_view prefix) {
  if (name.substr(0, prefix.size()) != prefix) return std::nullopt;
  return name.substr(prefix.size());
}

// "PICK:ID" with ID one to nine decimal digits.
std::optional<Key> PickKey(std::u16string_view name) {
  const auto digits = After(name, kPickPrefix);
  if (!digits) return std::nullopt;
  const auto id = Decimal(*digits, 9);
  if (!id) return std::nullopt;
  return Key{KeyKind::kPick, 0, *id};
}

// "SHEETTAB:N" with N one or two decimal digits.
std::optional<Key> SheetTabKey(std::u16string_view name) {
  const auto digits = After(name, kSheetTabPrefix);
  if (!digits) return std::nullopt;
  const auto index = Decimal(*digits, 2);
  if (!index) return std::nullopt;
  return Key{KeyKind::kSheetTab, 0, *index};
}

// "PASTE:NUMBER": what the dialer's field can hold, dialable characters only.
std::optional<Key> PasteKey(std::u16string_view name) {
  const auto number = After(name, kPastePrefix);
  if (!number || number->empty() || number->size() > kNumberCapacity) return std::nullopt;
  for (char16_t c : *number) {
    if (!IsDialable(c)) return std::nullopt;
  }
  Key key{KeyKind::kPaste};
  key.text = std::u16string(*number);
  return key;
}

// "RESIZE:WIDTH,HEIGHT", each one to four digits and not 0.
std::optional<Key> ResizeKey(std::u16string_view name) {
  const auto size = After(name, kResizePrefix);
  if (!size) return std::nullopt;
  const std::size_t comma = size->find(u',');
  if (comma == std::u16string_view::npos) return std::nullopt;
  const auto width = Decimal(size->substr(0, comma), 4);
  const auto height = Decimal(size->substr(comma + 1), 4);
  if (!width || !height || *width == 0 || *height == 0) return std::nullopt;
  Key key{KeyKind::kResize};
  key.width = *width;
  key.height = *height;
  return key;
}

// A name in braces with a value after its colon.
std::optional<Key> KeyWithValue(std::u16string_view name) {
  if (auto key = PickKey(name)) return key;
  if (auto key = SheetTabKey(name)) return key;
  if (auto key = PasteKey(name)) return key;
  return ResizeKey(name);
}

}  // namespace

KeySequenceResult ParseKeySequence(const std::u16string& text) {
  std::vector<Key> keys;
  std::size_t i = 0;
  while (i < text.size()) {
    const char16_t c = text[i];
    if (IsKeypadCharacter(c)) {
      keys.push_back({KeyKind::kChar, c});
      ++i;
      continue;
    }
    if (c != u'{') return {std::nullopt, i};
    const std::size_t close = text.find(u'}', i + 1);
    if (close == std::u16string::npos) return {std::nullopt, i};
    const std::u16string_view name(text.data() + i + 1, close - i - 1);
    bool known = false;
    if (auto key = KeyWithValue(name)) {
      keys.push_back(std::move(*key));
      known = true;
    }
    for (const auto& [keyName, kind] : kNamedKeys) {
      if (name == keyName) {
        keys.push_back({kind, 0});
        known = true;
        break;
      }
    }
    if (!known) return {std::nullopt, i};
    i = close + 1;
  }
  return {std::move(keys), 0};
}

}  // namespace vostarel::cprog

#include "key_sequence.h"

#include <array>
#include <utility>

namespace vostarel::cprog {
namespace {

constexpr std::array<std::pair<std::u16string_view, KeyKind>, 14> kNamedKeys{{
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
}};

bool IsKeypadCharacter(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'*' || c == u'#'; }

constexpr std::u16string_view kPickPrefix = u"PICK:";

// "PICK:ID" with ID one to nine decimal digits.
std::optional<unsigned> PickId(std::u16string_view name) {
  if (name.substr(0, kPickPrefix.size()) != kPickPrefix) return std::nullopt;
  const std::u16string_view digits = name.substr(kPickPrefix.size());
  if (digits.empty() || digits.size() > 9) return std::nullopt;
  unsigned id = 0;
  for (char16_t d : digits) {
    if (d < u'0' || d > u'9') return std::nullopt;
    id = id * 10 + static_cast<unsigned>(d - u'0');
  }
  return id;
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
    if (const auto id = PickId(name)) {
      keys.push_back({KeyKind::kPick, 0, *id});
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

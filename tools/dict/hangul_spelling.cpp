#include "hangul_spelling.h"

#include <map>
#include <vector>

namespace vostarel::dict {

std::optional<Scheme> SchemeNamed(std::string_view name) {
  if (name == "rr") return Scheme::Rr;
  if (name == "cheonjiin") return Scheme::Cheonjiin;
  if (name == "naratgeul") return Scheme::Naratgeul;
  return std::nullopt;
}

std::string SpellSyllable(Scheme scheme, char16_t syllable) {
  switch (scheme) {
    case Scheme::Rr: {
      char text[kMaxRomanizedSyllableLength + 1];
      return std::string(text, RomanizeSyllable(syllable, text));
    }
    case Scheme::Cheonjiin:
      return std::string(1, CheonjiinKey(DecomposeHangul(syllable).Initial));
    case Scheme::Naratgeul:
      return std::string(1, NaratgeulKey(DecomposeHangul(syllable).Initial));
  }
  return {};
}

std::u16string DictionaryLines(Scheme scheme) {
  // Spellings in the order of their first syllable, each with its syllables.
  std::vector<std::string> order;
  std::map<std::string, std::u16string> syllablesOf;
  for (char32_t unit = kFirstHangulSyllable; unit <= kLastHangulSyllable; ++unit) {
    const auto syllable = static_cast<char16_t>(unit);
    const std::string spelling = SpellSyllable(scheme, syllable);
    auto [it, isNew] = syllablesOf.try_emplace(spelling);
    if (isNew) order.push_back(spelling);
    it->second.push_back(syllable);
  }
  std::u16string lines;
  for (const std::string& spelling : order) {
    lines.append(spelling.begin(), spelling.end());  // ASCII
    lines.push_back(u'\t');
    lines += syllablesOf[spelling];
    lines += u"\r\n";
  }
  return lines;
}

}  // namespace vostarel::dict

// The indexed dictionary lookup must give exactly what a literal scan of the
// whole dictionary gives, for every name and every capacity.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "literal_speller.h"
#include "name_speller.h"

namespace vostarel {
namespace {

// Units that exercise every rule: letters of both cases, digits, "*", "#",
// separators, line ends, punctuation, units just above "z", Latin-1,
// Hangul, ideographs (with and without a reading), a byte-order mark.
const std::vector<char16_t> kAlphabet = {
    u'a', u'k', u'z', u'A', u'Q', u'0', u'7', u'*', u'#', u'\t', u' ', u'\n', u'\r',
    u'-', u'{', 0x7F, 0x80, 0xE9, 0xFC, 0xAC00, 0xAE40, 0x4E00, 0x4E44, 0x738B,
    0x5C0F, 0x9FA5, 0xFEFF, 0xFFFF,
};

std::u16string RandomText(std::mt19937& rng, size_t maxLength) {
  std::uniform_int_distribution<size_t> length(0, maxLength);
  std::uniform_int_distribution<size_t> pick(0, kAlphabet.size() - 1);
  std::u16string text(length(rng), u'a');
  for (char16_t& unit : text) unit = kAlphabet[pick(rng)];
  return text;
}

std::vector<unsigned char> Bytes(const std::u16string& text) {
  std::vector<unsigned char> bytes;
  for (char16_t u : text) {
    bytes.push_back(static_cast<unsigned char>(u & 0xFF));
    bytes.push_back(static_cast<unsigned char>(u >> 8));
  }
  return bytes;
}

TEST(DictionaryIndex, MatchesLiteralScanForRandomDictionariesAndNames) {
  std::mt19937 rng(20261208);
  std::uniform_int_distribution<size_t> capacity(0, 40);
  for (int round = 0; round < 400; ++round) {
    NameSpeller speller;
    speller.TTable = round % 3;
    const auto bytes = Bytes(RandomText(rng, 120));
    speller.LoadUserDictionaryBytes(bytes.data(), bytes.size());
    const char16_t* text = speller.Dictionary().Text();
    ASSERT_NE(text, nullptr);

    for (char16_t unit : kAlphabet) {
      if (unit < 0x80) continue;
      ASSERT_EQ(speller.Dictionary().FindLine(unit), testing::LiteralFindLine(text, unit))
          << "round " << round << " unit " << unsigned(unit);
    }
    for (int n = 0; n < 20; ++n) {
      const std::u16string name = RandomText(rng, 31);
      const size_t fullCap = capacity(rng);
      const size_t initCap = capacity(rng);
      std::vector<char16_t> full(fullCap + 1, u'X'), init(initCap + 1, u'X');
      std::vector<char16_t> fullRef(fullCap + 1, u'X'), initRef(initCap + 1, u'X');
      speller.SpellName(name.c_str(), full.data(), fullCap, init.data(), initCap);
      testing::LiteralSpellName(text, speller.TTable, name.c_str(), fullRef.data(), fullCap,
                                initRef.data(), initCap);
      ASSERT_EQ(full, fullRef) << "round " << round;
      ASSERT_EQ(init, initRef) << "round " << round;
      ASSERT_EQ(full[fullCap], u'X') << "wrote past the full-form capacity";
      ASSERT_EQ(init[initCap], u'X') << "wrote past the initials capacity";
    }
  }
}

}  // namespace
}  // namespace vostarel

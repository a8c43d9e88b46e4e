#include "synthetic_data.h"

#include "dictionary_file.h"
#include "hangul_spelling.h"

namespace vostarel::bench {

namespace {

const char16_t* const kGiven[] = {u"Alice", u"Bob", u"Carol", u"David", u"Erin", u"Frank",
                                  u"Grace", u"Heidi", u"Ivan", u"Judy", u"Mallory", u"Oscar",
                                  u"Peggy", u"Rupert", u"Sybil", u"Trent", u"Victor", u"Walter"};
const char16_t* const kFamily[] = {u"Smith", u"Jones", u"Taylor", u"Brown", u"Williams",
                                   u"McDonald", u"O'Neil", u"Lee", u"Park", u"Nguyen"};

std::u16string Digits(std::mt19937& rng, int count) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::u16string out;
  for (int i = 0; i < count; ++i) out.push_back(static_cast<char16_t>(u'0' + digit(rng)));
  return out;
}

// One number in five is in international form, as contacts synced from a
// computer carry it.
std::u16string Number(std::mt19937& rng) {
  switch (std::uniform_int_distribution<int>(0, 9)(rng)) {
    case 0: return u"+82 10-" + Digits(rng, 4) + u"-" + Digits(rng, 4);
    case 1: {
      const char16_t* const kCodes[] = {u"+86 138 ", u"+1 212 ", u"+44 20 ", u"+81 3 "};
      return kCodes[std::uniform_int_distribution<int>(0, 3)(rng)] + Digits(rng, 4) + u" " +
             Digits(rng, 4);
    }
    case 2: case 3: case 4: return u"010-" + Digits(rng, 4) + u"-" + Digits(rng, 4);
    case 5: case 6: return u"0" + Digits(rng, 9);
    default: return u"(02) " + Digits(rng, 3) + u"-" + Digits(rng, 4);
  }
}

constexpr char16_t kSurnames[] = u"김이박최정강조윤장임한오서신권황안송류전홍";

std::u16string HangulName(std::mt19937& rng, int minGiven, int maxGiven) {
  std::uniform_int_distribution<size_t> surname(0, std::size(kSurnames) - 2);
  std::uniform_int_distribution<int> syllable(0xAC00, 0xD7A3);
  std::u16string name(1, kSurnames[surname(rng)]);
  for (int i = std::uniform_int_distribution<int>(minGiven, maxGiven)(rng); i > 0; --i) {
    name.push_back(static_cast<char16_t>(syllable(rng)));
  }
  return name;
}

// Half the names are Korean, a fifth Latin, a fifth Chinese, the rest digits.
std::u16string Name(std::mt19937& rng) {
  std::uniform_int_distribution<int> kind(0, 9);
  const int k = kind(rng);
  if (k < 2) {
    std::uniform_int_distribution<size_t> given(0, std::size(kGiven) - 1);
    std::uniform_int_distribution<size_t> family(0, std::size(kFamily) - 1);
    return std::u16string(kGiven[given(rng)]) + u" " + kFamily[family(rng)];
  }
  if (k < 4) {
    std::uniform_int_distribution<int> ideograph(0x4E00, 0x9FA5);
    std::u16string name;
    const int length = std::uniform_int_distribution<int>(2, 3)(rng);
    for (int i = 0; i < length; ++i) name.push_back(static_cast<char16_t>(ideograph(rng)));
    return name;
  }
  if (k < 9) return HangulName(rng, 2, 2);
  return Digits(rng, 7);
}

}  // namespace

std::vector<std::u16string> MakeHangulNames(size_t count, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<std::u16string> names(count);
  for (std::u16string& name : names) name = HangulName(rng, 1, 3);
  return names;
}

std::vector<SyntheticContact> MakeContacts(size_t count, uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> numberCount(1, 4);
  std::vector<SyntheticContact> contacts(count);
  for (SyntheticContact& c : contacts) {
    c.name = Name(rng);
    const int n = numberCount(rng);
    for (int i = 0; i < n; ++i) c.numbers.push_back(Number(rng));
  }
  return contacts;
}

std::vector<std::u16string> MakeNames(size_t count, uint32_t seed) {
  std::mt19937 rng(seed);
  std::vector<std::u16string> names(count);
  for (auto& name : names) name = Name(rng);
  return names;
}

std::vector<unsigned char> MakeDictionaryBytes(size_t lines, uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> letter(u'a', u'z');
  std::uniform_int_distribution<int> spellingLength(1, 6);
  std::uniform_int_distribution<int> charCount(1, 4);
  std::uniform_int_distribution<int> anyChar(0, 1);
  std::uniform_int_distribution<int> hangul(0xAC00, 0xD7A3);
  std::uniform_int_distribution<int> ideograph(0x4E00, 0x9FA5);
  std::u16string text = u"\uFEFF";
  for (size_t line = 0; line < lines; ++line) {
    const int length = spellingLength(rng);
    for (int i = 0; i < length; ++i) text.push_back(static_cast<char16_t>(letter(rng)));
    text.push_back(u'\t');
    const int chars = charCount(rng);
    for (int i = 0; i < chars; ++i) {
      text.push_back(static_cast<char16_t>(anyChar(rng) ? hangul(rng) : ideograph(rng)));
    }
    text += u"\r\n";
  }
  std::vector<unsigned char> bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t u : text) {
    bytes.push_back(static_cast<unsigned char>(u & 0xFF));
    bytes.push_back(static_cast<unsigned char>(u >> 8));
  }
  return bytes;
}

const std::string& HangulDictionaryBytes() {
  static const std::string bytes =
      dict::EncodeDictionaryFile(dict::DictionaryLines(dict::Scheme::Rr));
  return bytes;
}

}  // namespace vostarel::bench

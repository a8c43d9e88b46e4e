// The generated Hangul dictionaries: each scheme spells every syllable
// exactly once, the romanization and keypad digits are the known ones, and
// the library, reading the generated file, finds names by those spellings.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "contact_index.h"
#include "dictionary_file.h"
#include "filter.h"
#include "hangul_spelling.h"
#include "matchers.h"
#include "utf.h"

namespace vostarel::dict {
namespace {

struct Line {
  std::string spelling;
  std::u16string syllables;
};

std::vector<Line> Lines(Scheme scheme) {
  const std::u16string text = DictionaryLines(scheme);
  std::vector<Line> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find(u"\r\n", start);
    EXPECT_NE(end, std::u16string::npos) << "last line without CR LF";
    if (end == std::u16string::npos) break;
    const size_t tab = text.find(u'\t', start);
    EXPECT_LT(tab, end);
    lines.push_back({cli::Utf16ToUtf8(text.substr(start, tab - start)),
                     text.substr(tab + 1, end - tab - 1)});
    start = end + 2;
  }
  return lines;
}

std::string Spelled(Scheme scheme, const char16_t* name) {
  NameSpeller speller;
  const std::string bytes = EncodeDictionaryFile(DictionaryLines(scheme));
  speller.LoadUserDictionaryBytes(bytes.data(), bytes.size());
  char16_t full[kSpelledNameCapacity];
  char16_t initials[kNameInitialsCapacity];
  speller.SpellName(name, full, kSpelledNameCapacity, initials, kNameInitialsCapacity);
  return cli::Utf16ToUtf8(full) + "/" + cli::Utf16ToUtf8(initials);
}

TEST(HangulDictionary, EverySchemeSpellsEverySyllableExactlyOnceOnOneLinePerSpelling) {
  for (Scheme scheme : {Scheme::Rr, Scheme::Cheonjiin, Scheme::Naratgeul}) {
    std::set<char16_t> seen;
    std::set<std::string> spellings;
    for (const Line& line : Lines(scheme)) {
      EXPECT_TRUE(spellings.insert(line.spelling).second) << "two lines for " << line.spelling;
      ASSERT_FALSE(line.spelling.empty());
      const bool digit = scheme != Scheme::Rr;
      for (char c : line.spelling) {
        EXPECT_TRUE(digit ? (c >= '0' && c <= '9') : (c >= 'a' && c <= 'z')) << line.spelling;
      }
      for (char16_t syllable : line.syllables) {
        ASSERT_TRUE(IsHangulSyllable(syllable)) << int(syllable);
        EXPECT_TRUE(seen.insert(syllable).second) << "twice: " << int(syllable);
        EXPECT_EQ(SpellSyllable(scheme, syllable), line.spelling);
      }
    }
    EXPECT_EQ(seen.size(), 11172u);
  }
}

TEST(HangulDictionary, RrSpellsSurnamesAndGivenNameSyllablesAsKnown) {
  const std::map<std::u16string, std::string> known = {
      // Common surnames, the syllable on its own.
      {u"김", "gim"}, {u"이", "i"}, {u"박", "bak"}, {u"최", "choe"}, {u"정", "jeong"},
      {u"강", "gang"}, {u"조", "jo"}, {u"윤", "yun"}, {u"장", "jang"}, {u"임", "im"},
      {u"한", "han"}, {u"오", "o"}, {u"서", "seo"}, {u"신", "sin"}, {u"권", "gwon"},
      {u"황", "hwang"}, {u"안", "an"}, {u"송", "song"}, {u"류", "ryu"}, {u"전", "jeon"},
      {u"홍", "hong"}, {u"고", "go"}, {u"문", "mun"}, {u"양", "yang"}, {u"손", "son"},
      {u"배", "bae"}, {u"백", "baek"}, {u"허", "heo"}, {u"곽", "gwak"}, {u"노", "no"},
      // Given-name syllables.
      {u"민", "min"}, {u"지", "ji"}, {u"수", "su"}, {u"영", "yeong"}, {u"현", "hyeon"},
      {u"준", "jun"}, {u"희", "hui"}, {u"은", "eun"}, {u"혜", "hye"}, {u"철", "cheol"},
      {u"빈", "bin"}, {u"훈", "hun"}, {u"경", "gyeong"}, {u"우", "u"}, {u"연", "yeon"},
      // Tense initials, rare vowels and every final as it sounds before a pause.
      {u"쌍", "ssang"}, {u"떡", "tteok"}, {u"빵", "ppang"}, {u"짜", "jja"}, {u"꽃", "kkot"},
      {u"의", "ui"}, {u"외", "oe"}, {u"왜", "wae"}, {u"웨", "we"}, {u"얘", "yae"},
      {u"을", "eul"}, {u"닭", "dak"}, {u"값", "gap"}, {u"흙", "heuk"}, {u"삶", "sam"},
      {u"앉", "an"}, {u"읊", "eup"}, {u"밟", "bal"}, {u"있", "it"}, {u"좋", "jot"},
      {u"각", "gak"}, {u"갂", "gak"}, {u"갃", "gak"}, {u"갘", "gak"},
      {u"많", "man"}, {u"곧", "got"}, {u"곬", "gol"}, {u"핥", "hal"}, {u"싫", "sil"},
      {u"밥", "bap"}, {u"옷", "ot"}, {u"낮", "nat"}, {u"밭", "bat"}, {u"앞", "ap"},
  };
  for (const auto& [syllable, rr] : known) {
    EXPECT_EQ(SpellSyllable(Scheme::Rr, syllable[0]), rr) << cli::Utf16ToUtf8(syllable);
  }
}

TEST(HangulDictionary, KeypadSchemesGiveTheKeyOfTheInitialConsonant) {
  // Syllables with each of the 19 initial consonants, and the key that holds
  // the consonant on the Cheonjiin and on the Naratgeul keypad.
  struct Key {
    char16_t syllable;
    char cheonjiin, naratgeul;
  };
  const Key keys[] = {
      {u'가', '4', '1'}, {u'까', '4', '1'}, {u'나', '5', '2'}, {u'다', '6', '2'},
      {u'따', '6', '2'}, {u'라', '5', '4'}, {u'마', '0', '5'}, {u'바', '7', '5'},
      {u'빠', '7', '5'}, {u'사', '8', '7'}, {u'싸', '8', '7'}, {u'아', '0', '8'},
      {u'자', '9', '7'}, {u'짜', '9', '7'}, {u'차', '9', '7'}, {u'카', '4', '1'},
      {u'타', '6', '2'}, {u'파', '7', '5'}, {u'하', '8', '8'},
  };
  for (const Key& key : keys) {
    const HangulJamo initial = DecomposeHangul(key.syllable);
    // Every syllable with that initial, whatever its vowel and final.
    for (int rest = 0; rest < kHangulMedialCount * kHangulFinalCount; ++rest) {
      const auto syllable =
          static_cast<char16_t>(kFirstHangulSyllable +
                                 initial.Initial * kHangulMedialCount * kHangulFinalCount + rest);
      ASSERT_EQ(SpellSyllable(Scheme::Cheonjiin, syllable), std::string(1, key.cheonjiin));
      ASSERT_EQ(SpellSyllable(Scheme::Naratgeul, syllable), std::string(1, key.naratgeul));
    }
  }
}

TEST(HangulDictionary, TheLibraryFindsANameByEachSchemesKeys) {
  // The initial of a dictionary-spelled syllable is its line's first unit;
  // the last syllable of a name is spelled whole in both forms.
  EXPECT_EQ(Spelled(Scheme::Rr, u"김민지"), "gimminji/gmji");
  EXPECT_EQ(Spelled(Scheme::Cheonjiin, u"김민지"), "409/409");
  EXPECT_EQ(Spelled(Scheme::Naratgeul, u"김민지"), "157/157");

  // A digit in a spelled name fits only the same typed digit.
  EXPECT_TRUE(MatchKeypadPrefix(u"409", u"409"));
  EXPECT_FALSE(MatchKeypadPrefix(u"409", u"44664654"));  // the rr keys of gimminji
  EXPECT_FALSE(MatchKeypadPrefix(u"409", u"2"));

  // Through the whole filter pass under the default options: the rr keys of
  // the full name and of the initials, and the consonant keys.
  struct Case {
    Scheme scheme;
    const char16_t* typed;
    bool found;
  };
  const Case cases[] = {
      {Scheme::Rr, u"44664654", true},  // gimminji
      {Scheme::Rr, u"4654", true},      // gmji
      {Scheme::Rr, u"64654", true},     // minji, inside the full name
      {Scheme::Rr, u"47", false},       // no "p", "r" or "s" in it
      {Scheme::Rr, u"409", false},
      {Scheme::Cheonjiin, u"409", true},
      {Scheme::Cheonjiin, u"09", true},  // inside the full form
      {Scheme::Cheonjiin, u"4464", false},
      {Scheme::Naratgeul, u"157", true},
      {Scheme::Naratgeul, u"409", false},
  };
  for (const Case& c : cases) {
    ContactIndex index;
    // The dictionary's spellings alone: the built-in consonant keys would
    // find 김민지 by "409" whatever the dictionary.
    index.Speller.Keypad = KoreanKeypad::Off;
    const std::string bytes = EncodeDictionaryFile(DictionaryLines(c.scheme));
    index.Speller.LoadUserDictionaryBytes(bytes.data(), bytes.size());
    ASSERT_TRUE(index.AddressBook.Reset(1));
    ContactNumbers numbers{};
    numbers[0] = u"333";
    AddContact(index, 7, numbers, u"김민지");
    FilterStores(index, c.typed, SearchBits::kDefault);
    EXPECT_EQ(index.Results.Count, c.found ? 1u : 0u) << cli::Utf16ToUtf8(c.typed);
  }
}

TEST(UserLines, EveryEncodingAndLineEndingGivesTheSameLines) {
  const std::u16string want = u"lee\t이\r\nkim\t김\r\n";
  auto utf16 = [](const std::u16string& text) {
    return EncodeDictionaryFile(text);  // with a byte-order mark
  };
  const std::string utf8 = "lee\t\xEC\x9D\xB4\nkim\t\xEA\xB9\x80";
  const std::string inputs[] = {
      utf8,                                    // UTF-8, LF, no ending on the last line
      "\xEF\xBB\xBF" + utf8 + "\n",            // UTF-8 with a byte-order mark
      "lee\t\xEC\x9D\xB4\rkim\t\xEA\xB9\x80\r",  // CR endings
      utf16(u"lee\t이\r\nkim\t김\r\n"),        // UTF-16LE, CR LF
      utf16(u"lee\t이\nkim\t김").substr(2),    // UTF-16LE without a byte-order mark
  };
  for (const std::string& bytes : inputs) {
    std::u16string lines;
    std::string error;
    ASSERT_TRUE(DecodeUserLines(bytes, lines, error)) << error;
    EXPECT_EQ(lines, want) << cli::Utf16ToUtf8(lines);
  }
  std::u16string lines;
  std::string error;
  EXPECT_TRUE(DecodeUserLines("", lines, error));
  EXPECT_EQ(lines, u"");
  // Blank lines stay, each with its own ending.
  EXPECT_TRUE(DecodeUserLines("a\tb\r\n\r\n\nc\td", lines, error));
  EXPECT_EQ(lines, u"a\tb\r\n\r\n\r\nc\td\r\n");
}

TEST(UserLines, TextThatCannotBeReadWholeIsRefused) {
  const std::string refused[] = {
      "lee\t\xEC\x9D\n",                    // cut UTF-8 sequence
      "\xFF\xFE" "a\x00" "b",               // odd UTF-16 byte count
      std::string("\xFF\xFE" "a\x00\x00\xD8", 6),  // unpaired surrogate
      "\xFE\xFF\x00" "a",                   // UTF-16 big-endian
      std::string("\xFF\xFE" "a\x00\x00\x00" "b\x00", 8),  // a zero character
  };
  for (const std::string& bytes : refused) {
    std::u16string lines;
    std::string error;
    EXPECT_FALSE(DecodeUserLines(bytes, lines, error)) << cli::Utf16ToUtf8(lines);
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace vostarel::dict

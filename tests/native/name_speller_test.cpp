#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "contact_entry.h"
#include "name_speller.h"

namespace vostarel {
namespace {

struct Spelled {
  std::u16string full;
  std::u16string initials;
  bool operator==(const Spelled&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Spelled& s) {
  auto narrow = [](const std::u16string& t) {
    std::string out;
    for (char16_t u : t) {
      if (u >= 0x20 && u < 0x7F) {
        out += static_cast<char>(u);
      } else {
        char hex[12];
        snprintf(hex, sizeof hex, "\\u%04X", unsigned(u));
        out += hex;
      }
    }
    return out;
  };
  return os << "{'" << narrow(s.full) << "', '" << narrow(s.initials) << "'}";
}

Spelled Spell(const NameSpeller& speller, const char16_t* name) {
  char16_t full[kSpelledNameCapacity];
  char16_t initials[kNameInitialsCapacity];
  speller.SpellName(name, full, kSpelledNameCapacity, initials, kNameInitialsCapacity);
  return {full, initials};
}

// Dictionary file bytes: UTF-16LE of `text`, optionally with a byte-order mark.
std::vector<unsigned char> FileBytes(const std::u16string& text, bool byteOrderMark = false) {
  std::vector<unsigned char> bytes;
  if (byteOrderMark) bytes = {0xFF, 0xFE};
  for (char16_t u : text) {
    bytes.push_back(static_cast<unsigned char>(u & 0xFF));
    bytes.push_back(static_cast<unsigned char>(u >> 8));
  }
  return bytes;
}

NameSpeller WithDictionary(const std::u16string& text, bool byteOrderMark = false) {
  NameSpeller speller;
  const auto bytes = FileBytes(text, byteOrderMark);
  speller.LoadUserDictionaryBytes(bytes.data(), bytes.size());
  return speller;
}

TEST(SpellName, LatinNamesGiveWordInitialsAndCapitals) {
  NameSpeller speller;
  EXPECT_EQ(Spell(speller, u"John Smith"), (Spelled{u"johnsmith", u"js"}));
  EXPECT_EQ(Spell(speller, u"McDonald"), (Spelled{u"mcdonald", u"md"}));
  EXPECT_EQ(Spell(speller, u"IBM"), (Spelled{u"ibm", u"ibm"}));
  EXPECT_EQ(Spell(speller, u"Bob2"), (Spelled{u"bob2", u"b"}));
  EXPECT_EQ(Spell(speller, u"1-23"), (Spelled{u"123", u"123"}));
  EXPECT_EQ(Spell(speller, u"a*b#"), (Spelled{u"a*b#", u"ab"}));
  EXPECT_EQ(Spell(speller, u"o'neil"), (Spelled{u"oneil", u"on"}));
  EXPECT_EQ(Spell(speller, u""), (Spelled{u"", u""}));
  EXPECT_EQ(Spell(speller, nullptr), (Spelled{u"", u""}));
}

TEST(SpellName, IdeographsUseTheirSyllableAndTheLastOneIsSpelledWhole) {
  NameSpeller speller;
  EXPECT_EQ(Spell(speller, u"王小明"), (Spelled{u"wangxiaoming", u"wxming"}));
  EXPECT_EQ(Spell(speller, u"王"), (Spelled{u"wang", u"wang"}));
  // Followed by a space the ideograph is no longer the last unit.
  EXPECT_EQ(Spell(speller, u"王 "), (Spelled{u"wang", u"w"}));
  EXPECT_EQ(Spell(speller, u"\u4E44"), (Spelled{u"*", u"*"}));
  EXPECT_EQ(Spell(speller, u"\u4E44王"), (Spelled{u"*wang", u"*wang"}));
  EXPECT_EQ(Spell(speller, u"绿"), (Spelled{u"lv", u"lv"}));
}

TEST(SpellName, DigitAfterIdeographIsAnInitialButNotAfterLetter) {
  NameSpeller speller;
  // The unit before "2" is an ideograph, not an ASCII letter.
  EXPECT_EQ(Spell(speller, u"王2"), (Spelled{u"wang2", u"w2"}));
  EXPECT_EQ(Spell(speller, u"Ann 2b"), (Spelled{u"ann2b", u"a2b"}));
}

TEST(SpellName, UnknownCharactersSpellAsNothing) {
  NameSpeller speller;
  EXPECT_EQ(Spell(speller, u"김철수"), (Spelled{u"", u""}));
  EXPECT_EQ(Spell(speller, u"Kim 철수"), (Spelled{u"kim", u"k"}));
  EXPECT_EQ(Spell(speller, u"\u00E9t\u00E9"), (Spelled{u"t", u"t"}));
}

TEST(SpellName, TableOneSpellsWadeGilesAndTableTwoPassportPinyin) {
  NameSpeller speller;
  speller.TTable = 1;
  EXPECT_EQ(Spell(speller, u"张三"), (Spelled{u"changsan", u"csan"}));
  // Common surnames of Taiwan as they are written in Latin letters.
  const std::pair<const char16_t*, const char16_t*> surnames[] = {
      {u"陳", u"chen"},  {u"林", u"lin"},    {u"黃", u"huang"}, {u"張", u"chang"},
      {u"李", u"li"},    {u"王", u"wang"},   {u"吳", u"wu"},    {u"劉", u"liu"},
      {u"蔡", u"tsai"},  {u"楊", u"yang"},   {u"許", u"hsu"},   {u"鄭", u"cheng"},
      {u"謝", u"hsieh"}, {u"郭", u"kuo"},    {u"洪", u"hung"},  {u"邱", u"chiu"},
      {u"周", u"chou"},  {u"葉", u"yeh"},    {u"莊", u"chuang"}, {u"呂", u"lu"},
      {u"江", u"chiang"}, {u"何", u"ho"},    {u"蕭", u"hsiao"}, {u"羅", u"lo"},
      {u"高", u"kao"},   {u"宋", u"sung"},   {u"鍾", u"chung"}, {u"游", u"yu"},
      {u"詹", u"chan"},  {u"朱", u"chu"},    {u"余", u"yu"},    {u"卓", u"cho"},
      {u"熊", u"hsiung"}, {u"阮", u"juan"},  {u"翁", u"weng"},  {u"簡", u"chien"},
  };
  for (const auto& [surname, expected] : surnames) {
    EXPECT_EQ(Spell(speller, surname), (Spelled{expected, expected}));
  }
  speller.TTable = 2;
  EXPECT_EQ(Spell(speller, u"吕女略虐"), (Spelled{u"lyunyulyuenyue", u"lnlnyue"}));
  EXPECT_EQ(Spell(speller, u"张三"), (Spelled{u"zhangsan", u"zsan"}));
  // Out-of-range choices spell with table 0.
  for (int32_t table : {-5, 3, 1000}) {
    speller.TTable = table;
    EXPECT_EQ(Spell(speller, u"吕小明"), (Spelled{u"lvxiaoming", u"lxming"})) << table;
  }
}

TEST(UserDictionarySpelling, DictionaryWinsOverTablesAndNamesOtherScripts) {
  NameSpeller speller = WithDictionary(u"kim\t김\nwong 王\nchul\t철\nsu\t수\n");
  EXPECT_EQ(Spell(speller, u"김철수"), (Spelled{u"kimchulsu", u"kcsu"}));
  EXPECT_EQ(Spell(speller, u"王小明"), (Spelled{u"wongxiaoming", u"wxming"}));
  EXPECT_EQ(Spell(speller, u"小王"), (Spelled{u"xiaowong", u"xwong"}));
}

TEST(UserDictionarySpelling, EarlierLineWinsAndTheLineStartGivesTheSpelling) {
  // 王 occurs on both lines; the first occurrence decides. 明 occurs after
  // other characters of its line, still spelled from the line start.
  NameSpeller speller = WithDictionary(u"aaa\t王明\nbbb\t王\n");
  EXPECT_EQ(Spell(speller, u"王"), (Spelled{u"aaa", u"aaa"}));
  EXPECT_EQ(Spell(speller, u"明"), (Spelled{u"aaa", u"aaa"}));
}

TEST(UserDictionarySpelling, FirstOccurrenceMayBeInsideASpelling) {
  // The character's first occurrence is in the spelling part of line 1, so
  // line 1's spelling (which holds it) is used.
  NameSpeller speller = WithDictionary(u"x\u00E9y\tq\nzzz\t\u00E9\n");
  EXPECT_EQ(Spell(speller, u"\u00E9"), (Spelled{u"x\u00E9y", u"x\u00E9y"}));
}

TEST(UserDictionarySpelling, LineWithoutSeparatorRunsOnIntoNextLines) {
  NameSpeller speller = WithDictionary(u"abc\u00E9\ndef\tg\n");
  // From the line start up to the first TAB, across the line feed.
  EXPECT_EQ(Spell(speller, u"\u00E9"), (Spelled{u"abc\u00E9\ndef", u"abc\u00E9\ndef"}));
}

TEST(UserDictionarySpelling, EmptySpellingAddsNothingButItsSeparatorMayBeAnInitial) {
  NameSpeller speller = WithDictionary(u"\t\u00E9\n");
  EXPECT_EQ(Spell(speller, u"\u00E9"), (Spelled{u"", u""}));
  EXPECT_EQ(Spell(speller, u"\u00E9a"), (Spelled{u"a", u"\ta"}));
}

TEST(UserDictionarySpelling, CarriageReturnsDoNoHarm) {
  NameSpeller speller = WithDictionary(u"kim\t김\r\nlee\t이\r\n");
  EXPECT_EQ(Spell(speller, u"이김"), (Spelled{u"leekim", u"lkim"}));
}

TEST(UserDictionaryLoading, ByteOrderMarkReadsLikeNoMark) {
  NameSpeller plain = WithDictionary(u"kim\t김\n");
  NameSpeller marked = WithDictionary(u"kim\t김\n", /*byteOrderMark=*/true);
  EXPECT_EQ(Spell(marked, u"김"), Spell(plain, u"김"));
  EXPECT_EQ(Spell(marked, u"김"), (Spelled{u"kim", u"kim"}));
  EXPECT_EQ(marked.Dictionary().Text()[0], u'\n');
}

TEST(UserDictionaryLoading, LeadingUnitsAboveZAreOverwrittenWithLineFeeds) {
  // The leading 김 is overwritten, so the character is found on line 2 only.
  NameSpeller speller = WithDictionary(u"김\tkim\nlee\t김\n");
  EXPECT_EQ(std::u16string(speller.Dictionary().Text()).substr(0, 2), u"\n\t");
  EXPECT_EQ(Spell(speller, u"김"), (Spelled{u"lee", u"lee"}));
  // "{" (U+007B) is above "z" too; "z" itself is not.
  NameSpeller braces = WithDictionary(u"{{z\t\u00E9\n");
  EXPECT_EQ(std::u16string(braces.Dictionary().Text()), u"\n\nz\t\u00E9\n");
}

// Bytes in, text out, for the encodings a dictionary may come in: UTF-16LE
// and UTF-8, each with or without its byte-order mark, and the bytes that
// look like UTF-8 but are read as UTF-16LE, as every file was before.
TEST(UserDictionaryLoading, Utf8AndUtf16FilesOfTheSameLinesGiveTheSameText) {
  const std::u16string lines = u"kim\t김\r\nmin\t민\nji\t지\nhan\t\U00020000\n";
  const std::string utf8 = reinterpret_cast<const char*>(u8"kim\t김\r\nmin\t민\nji\t지\nhan\t\U00020000\n");
  const std::string utf16 = [&] {
    const auto bytes = FileBytes(lines);
    return std::string(bytes.begin(), bytes.end());
  }();
  // Units as UTF-16LE makes them of `bytes`: pairs, low byte first.
  auto pairs = [](const std::string& bytes) {
    std::u16string units;
    for (size_t i = 0; i < bytes.size(); i += 2) {
      const unsigned high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
      units.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | high << 8));
    }
    return units;
  };
  const std::string broken = "kim\t\xEA\xB9\n";      // 김 cut short
  const std::string overlong = "kim\t\xC0\xAF\n";    // "/" in two bytes
  const std::string surrogate = "kim\t\xED\xA0\x80\n";  // U+D800 as UTF-8
  const std::string withZero = std::string("kim\t\xEA\xB9\x80\n\0x", 9);
  const struct {
    const char* what;
    std::string bytes;
    std::u16string text;
  } files[] = {
      {"UTF-16LE", utf16, lines},
      {"UTF-16LE with its mark", "\xFF\xFE" + utf16, u"\uFEFF" + lines},
      {"UTF-8", utf8, lines},
      {"UTF-8 with its mark", "\xEF\xBB\xBF" + utf8, u"\uFEFF" + lines},
      {"UTF-8 with its mark and a broken sequence", "\xEF\xBB\xBF" + utf8 + broken,
       u"\uFEFF" + lines + u"kim\t\uFFFD\uFFFD\n"},
      {"broken UTF-8 without a mark", utf8 + broken, pairs(utf8 + broken)},
      {"an overlong form", utf8 + overlong, pairs(utf8 + overlong)},
      {"an encoded surrogate", utf8 + surrogate, pairs(utf8 + surrogate)},
      {"UTF-8 with a zero byte", withZero, pairs(withZero)},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.what);
    NameSpeller speller;
    speller.LoadUserDictionaryBytes(file.bytes.data(), file.bytes.size());
    ASSERT_TRUE(speller.Dictionary().Present());
    // The decoded text up to its first zero unit, where the text ends, with
    // its leading units above "z" made line feeds.
    std::u16string expected = file.text.substr(0, file.text.find(u'\0'));
    for (char16_t& unit : expected) {
      if (unit <= u'z') break;
      unit = u'\n';
    }
    EXPECT_EQ(std::u16string(speller.Dictionary().Text()), expected);
    if (expected.find(u"kim\t김") != std::u16string::npos) {
      EXPECT_EQ(Spell(speller, u"김민지"), (Spelled{u"kimminji", u"kmji"}));
    }
  }
}

TEST(UserDictionaryLoading, OddByteCountKeepsTheLastByteAsALowByte) {
  std::vector<unsigned char> bytes = FileBytes(u"ab\t\u00E9\n");
  bytes.push_back('q');  // odd count: becomes the unit U+0071
  NameSpeller speller;
  speller.LoadUserDictionaryBytes(bytes.data(), bytes.size());
  EXPECT_EQ(std::u16string(speller.Dictionary().Text()), u"ab\t\u00E9\nq");
}

TEST(UserDictionaryLoading, ZeroUnitEndsTheText) {
  NameSpeller speller = WithDictionary(std::u16string(u"ab\t\u00E9\n", 5) + u'\0' + u"cd\t\u00FC\n");
  EXPECT_EQ(Spell(speller, u"\u00E9"), (Spelled{u"ab", u"ab"}));
  EXPECT_EQ(Spell(speller, u"\u00FC"), (Spelled{u"", u""})) << "text past the zero unit was read";
}

TEST(UserDictionaryLoading, EmptyFileIsPresentButSpellsLikeNone) {
  NameSpeller speller;
  speller.LoadUserDictionaryBytes(nullptr, 0);
  EXPECT_TRUE(speller.Dictionary().Present());
  EXPECT_EQ(Spell(speller, u"王\u00E9"), (Spelled{u"wang", u"w"}));
  speller.FreeUserDictionary();
  EXPECT_FALSE(speller.Dictionary().Present());
  EXPECT_EQ(speller.Dictionary().IndexBytes(), 0u);
}

TEST(UserDictionaryLoading, IndexCostsOneTableOverTheCodeUnits) {
  NameSpeller speller = WithDictionary(u"kim\t김\n");
  EXPECT_LE(speller.Dictionary().IndexBytes(), 256u * 1024u);
}

TEST(SpellNameCapacity, OutputIsCutAtTheCallersCapacity) {
  NameSpeller speller = WithDictionary(std::u16string(200, u'w') + u"\t\u00E9\n");
  char16_t full[12];
  char16_t initials[5];
  std::fill(std::begin(full), std::end(full), u'X');
  std::fill(std::begin(initials), std::end(initials), u'X');
  // Capacity one less than the arrays: the last unit must stay untouched.
  speller.SpellName(u"\u00E9\u00E9", full, 11, initials, 4);
  EXPECT_EQ(std::u16string(full), std::u16string(10, u'w'));
  EXPECT_EQ(full[11], u'X');
  EXPECT_EQ(std::u16string(initials), u"www");
  EXPECT_EQ(initials[4], u'X');

  // Thirty-one ideographs of six letters do not fit a spelled-name field.
  std::u16string name(31, u'\u5E84');  // "zhuang"
  char16_t spelled[kSpelledNameCapacity + 1];
  char16_t init[kNameInitialsCapacity + 1];
  spelled[kSpelledNameCapacity] = u'X';
  init[kNameInitialsCapacity] = u'X';
  speller.SpellName(name.c_str(), spelled, kSpelledNameCapacity, init, kNameInitialsCapacity);
  EXPECT_EQ(std::u16string(spelled).size(), size_t(kSpelledNameCapacity - 1));
  EXPECT_EQ(std::u16string(init), std::u16string(30, u'z') + u"zhuang");
  EXPECT_EQ(spelled[kSpelledNameCapacity], u'X');
  EXPECT_EQ(init[kNameInitialsCapacity], u'X');
}

}  // namespace
}  // namespace vostarel

// Korean names as people write them: the surname a name starts with and its
// spellings, the spellings of given-name syllables, and the keypad keys of
// the initial consonants.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hangul.h"
#include "korean_spelling.h"
#include "korean_tables.h"

namespace vostarel {
namespace {

std::vector<std::string> Texts(const SpellingChoices& choices) {
  return std::vector<std::string>(choices.Text, choices.Text + choices.Count);
}

std::string Joined(const SpellingChoices& choices) {
  std::string joined;
  for (const std::string& text : Texts(choices)) joined += (joined.empty() ? "" : " ") + text;
  return joined;
}

// True when every expected spelling is among the choices, in this order.
bool HasInOrder(const SpellingChoices& choices, const std::vector<std::string>& expected) {
  size_t next = 0;
  for (const std::string& text : Texts(choices)) {
    if (next < expected.size() && text == expected[next]) ++next;
  }
  return next == expected.size();
}

// Every list the module hands out: within its bounds, lower-case letters,
// no repeats, the Revised Romanization among them.
void ExpectWellFormed(const SpellingChoices& choices, const std::string& rr, const char* what) {
  ASSERT_GE(choices.Count, 1) << what;
  ASSERT_LE(choices.Count, kMaxSpellingChoices) << what;
  for (int i = 0; i < choices.Count; ++i) {
    const std::string text = choices.Text[i];
    EXPECT_TRUE(!text.empty() && text.size() <= size_t(kMaxChoiceLength)) << what;
    for (char c : text) EXPECT_TRUE(c >= 'a' && c <= 'z') << what << ": " << text;
    for (int j = 0; j < i; ++j) EXPECT_NE(text, choices.Text[j]) << what;
  }
  EXPECT_TRUE(HasInOrder(choices, {rr})) << what << ": " << Joined(choices);
}

TEST(KoreanSurnames, TheSurnameAtTheStartAndItsSpellings) {
  struct Case {
    const char16_t* name;
    int length;
    std::vector<std::string> spellings;  // in this order; the first is the main one
  };
  const Case cases[] = {
      {u"김민준", 1, {"kim", "gim"}},
      {u"이서연", 1, {"lee", "yi", "rhee", "i"}},  // rhee kept although rare
      {u"박지훈", 1, {"park", "bak", "pak"}},
      {u"최", 1, {"choi", "choe"}},  // a name of one syllable
      {u"정우성", 1, {"jung", "jeong", "chung"}},
      {u"류현진", 1, {"ryu", "yoo", "yu"}},
      {u"임", 1, {"lim", "im"}},
      {u"오", 1, {"oh", "o"}},
      {u"신", 1, {"shin", "sin"}},
      {u"안", 1, {"ahn", "an"}},
      {u"전", 1, {"jeon", "jun", "chun"}},
      {u"윤", 1, {"yoon", "yun"}},
      {u"문", 1, {"moon", "mun"}},
      // Two-syllable surnames, when a given name follows.
      {u"남궁민", 2, {"namgung", "namkoong"}},
      {u"황보관", 2, {"hwangbo"}},
      {u"제갈량", 2, {"jegal"}},
      {u"선우재덕", 2, {"sunwoo", "seonu"}},
      {u"독고영재", 2, {"dokko", "dokgo"}},
      {u"사공일", 2, {"sagong"}},
      {u"서문탁", 2, {"seomun"}},
      // With nothing after them the two syllables are a surname and a name.
      {u"선우", 1, {"sun", "seon"}},
      {u"남궁 민", 1, {"nam"}},
      {u"남궁Kim", 1, {"nam"}},
      // Surnames missing from the table take the choices of the syllable.
      {u"뷁", 1, {"bwek", "pwek"}},
      {u"Kim 민준", 0, {}},
      {u"", 0, {}},
  };
  for (const Case& c : cases) {
    const std::string what = testing::PrintToString(std::u16string(c.name));
    const int length = KoreanSurnameLength(c.name);
    EXPECT_EQ(length, c.length) << what;
    SpellingChoices choices;
    SurnameChoices(c.name, length, choices);
    if (c.spellings.empty()) {
      EXPECT_EQ(choices.Count, 0) << what;
      continue;
    }
    EXPECT_EQ(choices.Text[0], c.spellings[0]) << what << ": " << Joined(choices);
    EXPECT_TRUE(HasInOrder(choices, c.spellings)) << what << ": " << Joined(choices);
  }
  EXPECT_EQ(KoreanSurnameLength(nullptr), 0);
}

TEST(KoreanSurnames, EveryTabledSurnameLeadsWithItsSpellingsAndKeepsItsRomanization) {
  int oneSyllable = 0;
  for (int i = 0; i < KoreanSurnameCount; ++i) {
    const KoreanSurnameRow& row = KoreanSurnames[i];
    const int length = row.Syllables[1] != 0 ? 2 : 1;
    oneSyllable += length == 1;
    char rr[2 * kMaxRomanizedSyllableLength + 1];
    const size_t first = RomanizeSyllable(row.Syllables[0], rr);
    if (length == 2) RomanizeSyllable(row.Syllables[1], rr + first);
    SpellingChoices choices;
    SurnameChoices(row.Syllables, length, choices);
    ExpectWellFormed(choices, rr, rr);
    // The table's spellings lead, in the table's order.
    for (int j = 0; j < row.SpellingCount; ++j) {
      EXPECT_EQ(std::string(choices.Text[j]), KoreanSurnameSpellings[row.FirstSpelling + j]) << rr;
    }
  }
  EXPECT_GE(oneSyllable, 100);
}

TEST(KoreanGivenNames, SyllablesGiveTheirRomanizationThenTheCommonSpellings) {
  struct Case {
    char16_t syllable;
    std::vector<std::string> spellings;  // the first is the RR; in this order
  };
  const Case cases[] = {
      {u'준', {"jun", "joon"}},           {u'우', {"u", "woo"}},
      {u'현', {"hyeon", "hyun"}},         {u'윤', {"yun", "yoon"}},
      {u'민', {"min"}},                   {u'영', {"yeong", "young", "yong"}},
      {u'정', {"jeong", "jung", "chung"}}, {u'성', {"seong", "sung"}},
      {u'석', {"seok", "suk"}},           {u'시', {"si", "shi"}},
      {u'신', {"sin", "shin"}},           {u'철', {"cheol", "chul"}},
      {u'희', {"hui", "hee"}},            {u'동', {"dong"}},
      {u'지', {"ji", "jee", "chi"}},      {u'이', {"i", "ee", "yi"}},
      {u'의', {"ui", "eui"}},             {u'은', {"eun", "un"}},
      {u'경', {"gyeong", "kyoung", "kyung"}}, {u'리', {"ri", "li", "lee"}},
      {u'샤', {"sya", "sha"}},            {u'수', {"su", "soo"}},
  };
  for (const Case& c : cases) {
    SpellingChoices choices;
    GivenSyllableChoices(c.syllable, choices);
    const std::string what = testing::PrintToString(std::u16string(1, c.syllable));
    EXPECT_EQ(choices.Text[0], c.spellings[0]) << what << ": " << Joined(choices);
    EXPECT_TRUE(HasInOrder(choices, c.spellings)) << what << ": " << Joined(choices);
  }
  // No spelling for what is not a syllable; the finals keep their RR.
  SpellingChoices choices;
  GivenSyllableChoices(u'a', choices);
  EXPECT_EQ(choices.Count, 0);
  GivenSyllableChoices(u'민', choices);
  EXPECT_EQ(Joined(choices), "min");

  // Every one of the 11,172 syllables: bounded, well formed, RR first.
  for (char32_t unit = kFirstHangulSyllable; unit <= kLastHangulSyllable; ++unit) {
    const auto syllable = static_cast<char16_t>(unit);
    char rr[kMaxRomanizedSyllableLength + 1];
    RomanizeSyllable(syllable, rr);
    GivenSyllableChoices(syllable, choices);
    ExpectWellFormed(choices, rr, rr);
    ASSERT_EQ(std::string(choices.Text[0]), rr);
  }
}

TEST(KoreanKeypads, TheInitialConsonantsKeyOnEachKeypad) {
  struct Case {
    const char16_t* name;
    const char16_t* cheonjiin;
    const char16_t* naratgeul;
  };
  // Every initial consonant: ㄱㄲㄴㄷㄸㄹㅁㅂㅃㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎ.
  const Case cases[] = {
      {u"김민준", u"409", u"157"},
      {u"가까나다따라마바빠사싸아자짜차카타파하", u"4456650778809994678",
       u"1122245557787771258"},
      {u"안명", u"00", u"85"},  // ㅇ and ㅁ share key 0 on Cheonjiin
  };
  for (const Case& c : cases) {
    std::u16string cheonjiin, naratgeul;
    for (const char16_t* unit = c.name; *unit != 0; ++unit) {
      cheonjiin += ConsonantKey(KoreanKeypad::Cheonjiin, *unit);
      naratgeul += ConsonantKey(KoreanKeypad::Naratgeul, *unit);
      EXPECT_EQ(ConsonantKey(KoreanKeypad::Off, *unit), 0);
    }
    EXPECT_EQ(cheonjiin, c.cheonjiin);
    EXPECT_EQ(naratgeul, c.naratgeul);
  }
  // Not a syllable, or a keypad value the registry should not hold.
  EXPECT_EQ(ConsonantKey(KoreanKeypad::Cheonjiin, u'a'), 0);
  EXPECT_EQ(ConsonantKey(KoreanKeypad::Cheonjiin, u'ㄱ'), 0);
  EXPECT_EQ(ConsonantKey(static_cast<KoreanKeypad>(7), u'김'), 0);
}

}  // namespace
}  // namespace vostarel

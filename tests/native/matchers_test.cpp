#include <gtest/gtest.h>

#include "matchers.h"

namespace vostarel {
namespace {

TEST(NumberMatching, PrefixSkipsNonDigitsAndStarStandsForOneDigit) {
  EXPECT_TRUE(MatchNumberPrefix(u"02-345", u"023"));
  EXPECT_TRUE(MatchNumberPrefix(u"02-345", u"0*3"));
  EXPECT_TRUE(MatchNumberPrefix(u"+82 (10) 1234", u"82101234"));
  EXPECT_FALSE(MatchNumberPrefix(u"02-345", u"34"));
  EXPECT_TRUE(MatchNumberPrefix(u"02-345", u"**3"));
  EXPECT_FALSE(MatchNumberPrefix(u"02-345", u"**4"));
  EXPECT_TRUE(MatchNumberPrefix(u"02-345", u"**"));
  EXPECT_TRUE(MatchNumberPrefix(u"", u""));
  EXPECT_FALSE(MatchNumberPrefix(u"", u"1"));
}

TEST(NumberMatching, DigitsMustNotRunOutBeforeTheTypedString) {
  EXPECT_FALSE(MatchNumberPrefix(u"1-2", u"123"));
  EXPECT_FALSE(MatchNumberAnywhere(u"1-2", u"123"));
  EXPECT_TRUE(MatchNumberPrefix(u"1-2", u"12"));
}

TEST(NumberMatching, HashNeverFitsAndStarOrHashInNumberIsNeverCompared) {
  EXPECT_FALSE(MatchNumberPrefix(u"12#", u"12#"));
  EXPECT_FALSE(MatchNumberAnywhere(u"#31#", u"#"));
  EXPECT_TRUE(MatchNumberPrefix(u"*31#5", u"315"));
  EXPECT_FALSE(MatchNumberPrefix(u"*3", u"**"));
}

TEST(NumberMatching, AnywhereTriesEveryRunOfDigits) {
  EXPECT_TRUE(MatchNumberAnywhere(u"02-345", u"34"));
  EXPECT_TRUE(MatchNumberAnywhere(u"02-345", u"23"));
  EXPECT_TRUE(MatchNumberAnywhere(u"02-345", u"*45"));
  EXPECT_FALSE(MatchNumberAnywhere(u"02-345", u"35"));
  EXPECT_FALSE(MatchNumberAnywhere(u"", u"1"));
  EXPECT_FALSE(MatchNumberAnywhere(u"", u""));
  EXPECT_TRUE(MatchNumberAnywhere(u"--", u""));
  EXPECT_TRUE(MatchNumberAnywhere(u"1212123", u"12123"));
}

TEST(KeypadMatching, LettersFitTheirKeyAndDigitsOnlyThemselves) {
  EXPECT_TRUE(MatchKeypadPrefix(u"wangxiaoming", u"926"));
  EXPECT_TRUE(MatchKeypadPrefix(u"wxming", u"996"));
  EXPECT_FALSE(MatchKeypadPrefix(u"wxming", u"96"));
  EXPECT_TRUE(MatchKeypadAnywhere(u"wxming", u"96"));
  EXPECT_FALSE(MatchKeypadPrefix(u"wangxiaoming", u"2"));
  EXPECT_TRUE(MatchKeypadAnywhere(u"wangxiaoming", u"2"));
  EXPECT_TRUE(MatchKeypadPrefix(u"lv", u"58"));
  EXPECT_TRUE(MatchKeypadPrefix(u"2b", u"22"));
  EXPECT_FALSE(MatchKeypadPrefix(u"b2", u"2a"));
}

TEST(KeypadMatching, ZeroOneStarHashFitOnlyThemselvesAndCaseMatters) {
  for (char16_t key : {u'0', u'1', u'*', u'#'}) {
    const char16_t typed[] = {key, 0};
    const char16_t same[] = {u'x', key, 0};
    EXPECT_TRUE(MatchKeypadAnywhere(same, typed)) << char(key);
    EXPECT_FALSE(MatchKeypadAnywhere(u"abcdefghijklmnopqrstuvwxyz", typed)) << char(key);
  }
  EXPECT_FALSE(MatchKeypadPrefix(u"ABC", u"2"));
  EXPECT_FALSE(MatchKeypadPrefix(u"1", u"2"));
  EXPECT_TRUE(MatchKeypadPrefix(u"ann#", u"266#"));
  EXPECT_TRUE(MatchKeypadAnywhere(u"*wang", u"*"));
  EXPECT_FALSE(MatchKeypadAnywhere(u"wang", u"*"));
}

TEST(KeypadMatching, EmptyTextNeverFitsAndTypedMustBeUsedUp) {
  EXPECT_FALSE(MatchKeypadPrefix(u"", u"2"));
  EXPECT_FALSE(MatchKeypadAnywhere(u"", u"2"));
  EXPECT_FALSE(MatchKeypadAnywhere(u"", u""));
  EXPECT_FALSE(MatchKeypadPrefix(u"ab", u"222"));
  EXPECT_FALSE(MatchKeypadAnywhere(u"xab", u"222"));
  EXPECT_TRUE(MatchKeypadAnywhere(u"xabc", u"222"));
}

TEST(KeypadMatching, EveryKeyCarriesExactlyItsLetters) {
  const char16_t* groups[] = {u"2abc", u"3def", u"4ghi", u"5jkl", u"6mno",
                              u"7pqrs", u"8tuv", u"9wxyz"};
  for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
    for (const char16_t* group : groups) {
      bool inGroup = false;
      for (const char16_t* g = group + 1; *g; ++g) inGroup = inGroup || *g == letter;
      EXPECT_EQ(KeyFits(letter, group[0]), inGroup) << char(letter) << " on " << char(group[0]);
    }
    EXPECT_FALSE(KeyFits(letter, u'1'));
    EXPECT_FALSE(KeyFits(letter, u'0'));
  }
}

TEST(FindTextIgnoringAsciiCase, FoldsOnlyAsciiLetters) {
  EXPECT_EQ(FindTextIgnoringAsciiCase(u"\\Windows\\CPROG.EXE", u"cprog.exe"), 9);
  EXPECT_EQ(FindTextIgnoringAsciiCase(u"run foo.EXE bar", u".exe "), 7);
  EXPECT_EQ(FindTextIgnoringAsciiCase(u"\\vostarel\\x.dll", u"VoStArEl"), 1);
  EXPECT_EQ(FindTextIgnoringAsciiCase(u"\u00C9", u"\u00E9"), -1);
  EXPECT_EQ(FindTextIgnoringAsciiCase(u"ab[", u"{"), -1) << "only a-z fold onto A-Z";
  EXPECT_EQ(FindTextIgnoringAsciiCase(u"abc", u"abcd"), -1);
  EXPECT_EQ(FindTextIgnoringAsciiCase(u"", u""), -1);
  EXPECT_EQ(FindTextIgnoringAsciiCase(u"x", u""), 0);
  EXPECT_EQ(FindTextIgnoringAsciiCase(u"aab", u"ab"), 1);
}

}  // namespace
}  // namespace vostarel

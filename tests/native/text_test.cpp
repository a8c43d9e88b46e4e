#include <gtest/gtest.h>

#include <string>

#include "dictionary_path.h"
#include "text.h"

namespace vostarel {
namespace {

TEST(BoundedText, CopyKeepsCapacityLessOneAndTerminates) {
  char16_t field[6];
  std::fill(std::begin(field), std::end(field), u'X');
  EXPECT_EQ(CopyText(field, u"abcdefgh"), 5u);
  EXPECT_EQ(std::u16string(field), u"abcde");

  EXPECT_EQ(CopyText(field, u"ab"), 2u);
  EXPECT_EQ(std::u16string(field), u"ab");
  EXPECT_EQ(CopyText(field, nullptr), 0u);
  EXPECT_EQ(field[0], 0);
}

TEST(BoundedText, AppenderDropsWhatDoesNotFitAndNeverPassesCapacity) {
  char16_t buffer[5] = {u'Z', u'Z', u'Z', u'Z', u'Z'};
  TextAppender out(buffer, 4);  // the last unit of buffer is outside
  const char16_t text[] = u"abcdef";
  out.Append(text, text + 6);
  EXPECT_EQ(out.Length(), 3u);
  EXPECT_EQ(out.Room(), 0u);
  out.Append(u'q');
  EXPECT_EQ(std::u16string(buffer), u"abc");
  EXPECT_EQ(buffer[4], u'Z') << "unit past the capacity was written";

  TextAppender none(buffer, 0);
  none.Append(u'a');
  EXPECT_EQ(none.Length(), 0u);
}

TEST(BoundedText, AppendAtEndContinuesAfterExistingText) {
  char16_t buffer[5] = u"ab";
  TextAppender::AtEnd(buffer, 5).Append(u'#');
  EXPECT_EQ(std::u16string(buffer), u"ab#");

  char16_t full[3] = {u'a', u'b', u'c'};  // not terminated within capacity
  TextAppender more = TextAppender::AtEnd(full, 3);
  more.Append(u'#');
  EXPECT_EQ(std::u16string(full), u"ab") << "must terminate inside the buffer";
}

TEST(BoundedText, EqualityTreatsNullAsEmpty) {
  EXPECT_TRUE(TextEquals(u"", nullptr));
  EXPECT_TRUE(TextEquals(u"123", u"123"));
  EXPECT_FALSE(TextEquals(u"123", u"1234"));
  EXPECT_FALSE(TextEquals(u"1234", u"123"));
}

}  // namespace
}  // namespace vostarel

namespace vostarel {
namespace {

std::u16string Replaced(std::u16string path, size_t capacity = 260) {
  std::u16string buffer = path;
  buffer.resize(capacity, u'\0');
  if (!ReplacePathExtension(buffer.data(), capacity, u"txt")) return u"<does not fit>";
  return std::u16string(buffer.c_str());
}

TEST(DictionaryPath, LastDotOfTheWholePathIsReplaced) {
  EXPECT_EQ(Replaced(u"\\Windows\\Vostarel.dll"), u"\\Windows\\Vostarel.txt");
  EXPECT_EQ(Replaced(u"\\a.b\\Vostarel.x.dll"), u"\\a.b\\Vostarel.x.txt");
  // The search does not stop at the file name.
  EXPECT_EQ(Replaced(u"\\a.b\\Vostarel"), u"\\a.txt");
  EXPECT_EQ(Replaced(u"\\Windows\\Vostarel"), u"\\Windows\\Vostarel.txt");
  EXPECT_EQ(Replaced(u"\\Windows\\Vostarel."), u"\\Windows\\Vostarel.txt");
  EXPECT_EQ(Replaced(u""), u".txt");
}

TEST(DictionaryPath, ResultThatDoesNotFitLeavesThePathAlone) {
  EXPECT_EQ(Replaced(u"abcdef", 10), u"<does not fit>");  // "abcdef.txt" needs 11 units
  EXPECT_EQ(Replaced(u"abcde", 10), u"abcde.txt");
  EXPECT_EQ(Replaced(u"abcdef.d", 10), u"<does not fit>");
  EXPECT_EQ(Replaced(u"abcde.d", 10), u"abcde.txt");
}

}  // namespace
}  // namespace vostarel

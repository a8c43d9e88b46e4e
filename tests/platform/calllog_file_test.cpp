#include <gtest/gtest.h>

#include <string>

#include "calllog_file.h"

namespace vostarel::device {
namespace {

TEST(CallLogFile, RecordsNewestFirstWithOptionalFields) {
  const std::vector<CallRecord> records = ParseCallLog(
      "\xEF\xBB\xBF"
      " +1 555 0100 \tAlice\r\n"
      "0100\n"
      "0200\tBob\tm\tcall back\textra\r"
      "0300\t\t\tnote only\n");
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].Number, u"+1 555 0100");
  EXPECT_EQ(records[0].Name, u"Alice");
  EXPECT_EQ(records[1].Number, u"0100");
  EXPECT_EQ(records[1].Name, u"");
  EXPECT_EQ(records[2].NameType, u"m");
  EXPECT_EQ(records[2].Note, u"call back");
  EXPECT_EQ(records[3].Name, u"");
  EXPECT_EQ(records[3].Note, u"note only");
}

TEST(CallLogFile, BlankLinesAreNoRecordsButAnEmptyNumberIs) {
  const std::vector<CallRecord> records =
      ParseCallLog("\r\n \t \r\n\tHidden caller\r\n\t\r\n1\r\n\r\n");
  ASSERT_EQ(records.size(), 2u) << "the blank lines, \"\\t\" included, count for nothing";
  EXPECT_EQ(records[0].Number, u"");
  EXPECT_EQ(records[0].Name, u"Hidden caller");
  EXPECT_EQ(records[1].Number, u"1");
  EXPECT_TRUE(ParseCallLog("").empty());
}

TEST(CallLogFile, GarbageLinesAreRecordsWithReplacementCharacters) {
  const std::vector<CallRecord> records = ParseCallLog(std::string("\xC3\t\xFF\0z\n", 6));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Number, u"\uFFFD");
  EXPECT_EQ(records[0].Name, u"\uFFFD\uFFFDz");
}

TEST(CallLogWriter, LineKeepsFieldsApartWhateverTheTexts) {
  EXPECT_EQ(FormatCallLogLine(u"+1 555", u"\uC548\uB155"), "+1 555\t\xEC\x95\x88\xEB\x85\x95\r\n");
  EXPECT_EQ(FormatCallLogLine(u"1\t2", std::u16string(u"a\r\nb\0c", 6)), "1 2\ta  b c\r\n");
  EXPECT_EQ(FormatCallLogLine(u"", u"Name"), "\tName\r\n");
  // A leading U+FEFF would read back as the file's byte-order mark.
  EXPECT_EQ(ParseCallLog(PrependCallRecord("", u"\uFEFF1", u"\uFEFFN"))[0].Name, u" N");
  // Nothing that would read back as a blank line is written.
  EXPECT_EQ(FormatCallLogLine(u"", u""), "");
  EXPECT_EQ(FormatCallLogLine(u" \t", u"\r\n "), "");
}

TEST(CallLogWriter, PrependedCallReadsBackFirstAndOldBytesStay) {
  const std::string old = "\xEF\xBB\xBF" "0100\tOld\r\n\r\n0200\n";
  const std::string updated = PrependCallRecord(old, u"0300", u"New");
  EXPECT_EQ(updated, "\xEF\xBB\xBF" "0300\tNew\r\n0100\tOld\r\n\r\n0200\n");
  const std::vector<CallRecord> records = ParseCallLog(updated);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].Number, u"0300");
  EXPECT_EQ(records[0].Name, u"New");

  EXPECT_EQ(PrependCallRecord("", u"1", u""), "1\t\r\n");
  EXPECT_EQ(PrependCallRecord("0100\n", u"", u""), "0100\n") << "nothing to write";
  // An old last line without its line end stays a line of its own.
  EXPECT_EQ(ParseCallLog(PrependCallRecord("0100", u"0200", u"")).size(), 2u);
}

TEST(CallLogWriter, FullLogDropsItsOldestRecords) {
  const std::string old = "1\n\n2\r\n3\r4\n";
  EXPECT_EQ(PrependCallRecord(old, u"new", u"", 3), "new\t\r\n1\n\n2\r\n");
  EXPECT_EQ(PrependCallRecord(old, u"new", u"", 1), "new\t\r\n");
  EXPECT_EQ(PrependCallRecord(old, u"new", u"", 5), "new\t\r\n" + old);
  EXPECT_EQ(PrependCallRecord(old, u"new", u"", 99), "new\t\r\n" + old);
  EXPECT_EQ(ParseCallLog(PrependCallRecord(old, u"new", u"", 4)).size(), 4u);
}

}  // namespace
}  // namespace vostarel::device

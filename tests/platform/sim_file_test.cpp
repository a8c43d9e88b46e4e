#include <gtest/gtest.h>

#include <string>

#include "sim_file.h"

namespace vostarel::device {
namespace {

TEST(SimFile, ReadsTotalAndUsedSlotsInIndexOrder) {
  const SimPhonebook book = ParseSimFile(
      "\xEF\xBB\xBF"
      "250\r\n"
      "17\tBob\t+44 20 7946 0000\r\n"
      "3\tAlice\t555-0100\n"
      "200\t\xEC\x95\x88\xEB\x85\x95\t010-1234\r");
  EXPECT_EQ(book.TotalSlots, 250u);
  ASSERT_EQ(book.UsedSlots(), 3u);
  EXPECT_EQ(book.Slots[0].Index, 3u);
  EXPECT_EQ(book.Slots[0].Name, u"Alice");
  EXPECT_EQ(book.Slots[0].Number, u"555-0100");
  EXPECT_EQ(book.Slots[1].Index, 17u);
  EXPECT_EQ(book.Slots[2].Name, u"\uC548\uB155");

  ASSERT_NE(book.Find(17), nullptr);
  EXPECT_EQ(book.Find(17)->Name, u"Bob");
  EXPECT_EQ(book.Find(4), nullptr);
  EXPECT_EQ(book.Find(0), nullptr);
  EXPECT_EQ(book.Find(251), nullptr);
}

TEST(SimFile, MalformedSlotLinesAreSkippedAndNotCounted) {
  const SimPhonebook book = ParseSimFile(
      "10\n"
      "0\tZero\t1\n"          // index from 1
      "11\tBeyond\t1\n"       // above the total
      "x\tLetter\t1\n"
      "-2\tNegative\t1\n"
      "+2\tSigned\t1\n"
      "99999999999999999999\tHuge\t1\n"
      "4\tOnly a name\n"      // number field missing
      "5\n"
      "\n   \t \n"            // blank lines
      "6\tFirst\t600\n"
      "6\tDuplicate\t601\n"   // first line for an index wins
      " 7 \tSpaced index\t 700 \n");
  EXPECT_EQ(book.TotalSlots, 10u);
  ASSERT_EQ(book.UsedSlots(), 2u);
  EXPECT_EQ(book.Find(6)->Name, u"First");
  EXPECT_EQ(book.Find(6)->Number, u"600");
  EXPECT_EQ(book.Find(7)->Number, u"700") << "blanks around the number are removed";
}

TEST(SimFile, SlotWithANameButNoNumberIsStillUsed) {
  const SimPhonebook book = ParseSimFile("5\n1\tName only\t\n2\t\t123\textra\tfields\n");
  ASSERT_EQ(book.UsedSlots(), 2u);
  EXPECT_EQ(book.Find(1)->Number, u"");
  EXPECT_EQ(book.Find(1)->Name, u"Name only");
  EXPECT_EQ(book.Find(2)->Name, u"");
  EXPECT_EQ(book.Find(2)->Number, u"123");
}

TEST(SimFile, TotalLineDecidesWhetherAnythingIsRead) {
  // Not a number: an empty phonebook, whatever follows.
  for (const char* file : {"", "abc\n1\tA\t1\n", "-5\n1\tA\t1\n", "1 0\n1\tA\t1\n",
                           "\t1\tA\t1\n", "\xFF\xFE" "5\n"}) {
    const SimPhonebook book = ParseSimFile(file);
    EXPECT_EQ(book.TotalSlots, 0u) << file;
    EXPECT_EQ(book.UsedSlots(), 0u) << file;
  }
  // Leading blank lines and blanks around the total are fine.
  EXPECT_EQ(ParseSimFile("\r\n  \r\n 12 \r\n").TotalSlots, 12u);
  // Zero slots: nothing can be in use.
  EXPECT_EQ(ParseSimFile("0\n1\tA\t1\n").UsedSlots(), 0u);
  // Huge totals are cut to the cap, however many digits.
  EXPECT_EQ(ParseSimFile("5000\n").TotalSlots, kMaxSimSlots);
  EXPECT_EQ(ParseSimFile("123456789012345678901234567890\n").TotalSlots, kMaxSimSlots);
  const SimPhonebook book = ParseSimFile("4294967295\n1000\tLast\t1\n1001\tOut\t2\n");
  ASSERT_EQ(book.UsedSlots(), 1u);
  EXPECT_EQ(book.Slots[0].Index, kMaxSimSlots);
}

}  // namespace
}  // namespace vostarel::device

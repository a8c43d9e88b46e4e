// The registry text form of user commands, the command list, key
// translation and the spelling-table range.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "command_text.h"
#include "text.h"

namespace vostarel {
namespace {

struct Parsed {
  bool ok;
  int32_t mode;
  std::u16string caption;
  std::u16string command;
};

// Parses into an entry holding leftovers, so a field left unset shows.
Parsed Parse(const char16_t* text) {
  MenuCommand entry;
  entry.Mode = 0x5EAD;
  CopyText(entry.Caption, u"stale caption");
  CopyText(entry.Command, u"stale command");
  const bool ok = ParseCommandText(text, entry);
  return {ok, entry.Mode, entry.Caption, entry.Command};
}

void ExpectParsed(const char16_t* text, int32_t mode, const std::u16string& caption,
                  const std::u16string& command) {
  const Parsed parsed = Parse(text);
  EXPECT_TRUE(parsed.ok);
  EXPECT_EQ(parsed.mode, mode);
  EXPECT_EQ(parsed.caption, caption);
  EXPECT_EQ(parsed.command, command);
}

void ExpectEmpty(const char16_t* text, const char* what) {
  const Parsed parsed = Parse(text);
  EXPECT_FALSE(parsed.ok) << what;
  EXPECT_EQ(parsed.mode, 0) << what;
  EXPECT_EQ(parsed.caption, u"") << what;
  EXPECT_EQ(parsed.command, u"") << what;
}

TEST(CommandTextParse, ReadsModeCaptionAndCommandByPosition) {
  ExpectParsed(u"9|!전화 걸기 : %t|%p", 9, u"!전화 걸기 : %t", u"%p");
  // The caption ends at its first "|"; the command keeps the rest.
  ExpectParsed(u"1|a|b|c", 1, u"a", u"b|c");
  // The second unit is a separator by position only.
  ExpectParsed(u"0xname|run", 0, u"name", u"run");
  ExpectParsed(u"1||x", 1, u"", u"x");
  ExpectParsed(u"1|cap|", 1, u"cap", u"");
  ExpectParsed(u"1|SMS 보내기|tmail.exe -to \"%n<%p>\"", 1, u"SMS 보내기",
               u"tmail.exe -to \"%n<%p>\"");
}

TEST(CommandTextParse, TextWithoutCaptionEndLeavesTheEntryEmpty) {
  ExpectEmpty(u"1|abc", "no second bar");
  ExpectEmpty(u"1|", "two units");
  ExpectEmpty(u"||", "the bar at unit 1 is the separator");
  ExpectEmpty(u"1", "one unit");
  ExpectEmpty(u"", "empty");
  ExpectEmpty(nullptr, "null");

  // A one-unit text in a buffer that still holds an earlier, longer value
  // after its terminator: the stale units must not be parsed.
  char16_t buffer[32];
  CopyText(buffer, u"1|old caption|old command");
  buffer[1] = 0;
  ExpectEmpty(buffer, "one unit before stale text");
}

TEST(CommandTextParse, ModeThatIsNotADigitBecomesZero) {
  for (const char16_t* text : {u"a|c|x", u"/|c|x", u":|c|x", u"전|c|x", u"||c|x"}) {
    ExpectParsed(text, 0, u"c", u"x");
  }
  EXPECT_EQ(Parse(u"5|c|x").mode, 5);
}

TEST(CommandTextParse, OverlongCaptionAndCommandKeepTheirBeginning) {
  const std::u16string caption(40, u'c');
  const std::u16string command(200, u'x');
  ExpectParsed((u"1|" + caption + u"|" + command).c_str(), 1, caption.substr(0, 31),
               command.substr(0, 127));
  // The command starts after the caption's "|", not after the cut.
  EXPECT_EQ(Parse((u"1|" + caption + u"|run").c_str()).command, u"run");
  // Exactly full fields are kept whole.
  const std::u16string fullCaption(kCaptionCapacity - 1, u'k');
  const std::u16string fullCommand(kCommandTextCapacity - 1, u'r');
  ExpectParsed((u"9|" + fullCaption + u"|" + fullCommand).c_str(), 9, fullCaption, fullCommand);
}

TEST(CommandTextFormat, WritesTheTextFormWithinBufferAndFields) {
  MenuCommand entry{9, {}, {}};
  CopyText(entry.Caption, u"!전화 걸기 : %t");
  CopyText(entry.Command, u"%p");
  char16_t text[kCommandValueCapacity];
  EXPECT_EQ(FormatCommandText(entry, text, kCommandValueCapacity), 16u);
  EXPECT_EQ(std::u16string(text), u"9|!전화 걸기 : %t|%p");

  // A caption typed as "a|b" comes back split at its bar.
  entry = {1, {}, {}};
  CopyText(entry.Caption, u"a|b");
  CopyText(entry.Command, u"c");
  FormatCommandText(entry, text, kCommandValueCapacity);
  EXPECT_EQ(std::u16string(text), u"1|a|b|c");
  ExpectParsed(text, 1, u"a", u"b|c");

  entry.Mode = -1;  // written as unsigned
  FormatCommandText(entry, text, kCommandValueCapacity);
  EXPECT_EQ(std::u16string(text), u"4294967295|a|b|c");

  char16_t small[6];
  EXPECT_EQ(FormatCommandText(entry, small, 6), 5u);
  EXPECT_EQ(std::u16string(small), u"42949");

  // Fields that lost their terminator are read only up to their capacity.
  entry.Mode = 1;
  for (char16_t& unit : entry.Caption) unit = u'C';
  for (char16_t& unit : entry.Command) unit = u'X';
  FormatCommandText(entry, text, kCommandValueCapacity);
  EXPECT_EQ(std::u16string(text), u"1|" + std::u16string(kCaptionCapacity, u'C') + u"|" +
                                      std::u16string(kCommandTextCapacity, u'X'));
}

TEST(CommandList, RunsUpToTheFirstEmptyCaptionAndMarksDefaultAndSeparator) {
  MenuCommand commands[kMenuCommandCount];
  for (MenuCommand& entry : commands) {
    ClearCommand(entry);
    CopyText(entry.Caption, u"item");
  }
  EXPECT_EQ(CommandListLength(commands, kMenuCommandCount), kMenuCommandCount);
  commands[3].Caption[0] = 0;
  EXPECT_EQ(CommandListLength(commands, kMenuCommandCount), 3u) << "entries after the gap";
  commands[0].Caption[0] = 0;
  EXPECT_EQ(CommandListLength(commands, kMenuCommandCount), 0u);

  CopyText(commands[1].Caption, u"!call");
  CopyText(commands[2].Caption, u"-");
  CopyText(commands[4].Caption, u"call!-");
  EXPECT_TRUE(IsDefaultCommand(commands[1]));
  EXPECT_TRUE(IsSeparatorCommand(commands[2]));
  EXPECT_FALSE(IsDefaultCommand(commands[4]) || IsSeparatorCommand(commands[4]));
  EXPECT_FALSE(IsDefaultCommand(commands[0]) || IsSeparatorCommand(commands[0]));
}

TEST(KeyMapLookup, FirstPairWinsAndAZeroFirstByteEndsTheMap) {
  KeyMap map{};
  const uint8_t pairs[] = {0x70, 0x25, 0x71, 0x27, 0x70, 0x26, 0x00, 0x99, 0x43, 0x44};
  std::memcpy(map.Bytes, pairs, sizeof pairs);
  EXPECT_EQ(TranslateKey(map, 0x70), 0x25u) << "the earlier pair wins";
  EXPECT_EQ(TranslateKey(map, 0x71), 0x27u);
  EXPECT_EQ(TranslateKey(map, 0x43), 0x43u) << "pairs after the end are not looked at";
  EXPECT_EQ(TranslateKey(map, 0x72), 0x72u);
  EXPECT_EQ(TranslateKey(map, 0x170), 0x170u) << "codes above a byte never match";
  EXPECT_EQ(TranslateKey(map, 0), 0u);

  // All 32 pairs of a full map are examined.
  for (size_t pair = 0; pair < kKeyMapPairs; ++pair) {
    map.Bytes[2 * pair] = static_cast<uint8_t>(0x80 + pair);
    map.Bytes[2 * pair + 1] = static_cast<uint8_t>(pair + 1);
  }
  EXPECT_EQ(TranslateKey(map, 0x80 + kKeyMapPairs - 1), kKeyMapPairs);
  EXPECT_EQ(TranslateKey(map, 0x80 + kKeyMapPairs), 0x80 + kKeyMapPairs);
}

TEST(SpellingTableRange, OnlyZeroToTwoAreKept) {
  EXPECT_EQ(SpellingTableFromStored(1), 1);
  EXPECT_EQ(SpellingTableFromStored(2), 2);
  EXPECT_EQ(SpellingTableFromStored(3), 0);
  EXPECT_EQ(SpellingTableFromStored(0xFFFFFFFFu), 0) << "-1 as stored";
}

}  // namespace
}  // namespace vostarel

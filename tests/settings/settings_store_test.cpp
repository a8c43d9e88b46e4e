// LoadSettings and the settings writers against the real registry. Every
// test starts and ends without the key HKCU\Software\Vostarel. The built-in
// commands come from this program's own string table (the resources are
// linked in), as they come from the library's in the product.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "command_text.h"
#include "settings_store.h"
#include "text.h"

namespace vostarel {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes Utf16(const std::u16string& text, bool terminator = true) {
  Bytes bytes;
  for (char16_t unit : text) bytes.insert(bytes.end(), {uint8_t(unit), uint8_t(unit >> 8)});
  if (terminator) bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

Bytes Dword(DWORD value) {
  return {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
}

Bytes Raw(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  return Bytes(bytes, bytes + size);
}

struct BuiltIn {
  const char16_t* caption;
  const char16_t* command;
  int32_t mode;
};
const BuiltIn kBuiltIns[9] = {
    {u"연락처 열기 \"%n\"", u"*", 1},
    {u"-", u"-", 9},
    {u"!전화 걸기 : %t", u"%p", 9},
    {u"450 메시지 보내기", u"MessageUtil.exe -CProg -%p", 1},
    {u"4500 메시지 보내기", u"KTFMMS.exe -type EDIT -RECEIVER \"%p\" -name \"\"", 1},
    {u"4650 메시지 보내기", u"LGTSMS.exe -type EDIT -RECEIVER \"%p\" -name \"\"", 1},
    {u"SKT 메시지 보내기", u"MMSDummy.exe \"1\" \"%p\"", 1},
    {u"BM-500 메시지 보내기", u"MMS.exe -%p", 1},
    {u"SMS 보내기", u"tmail.exe -service \"SMS\" -to \"%n<%p>\"", 1},
};

class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKeyPath); }

  // Opens the key as a user or another program would (0 when missing).
  static HKEY OpenKey(bool create) {
    HKEY key = nullptr;
    if (create) {
      RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr);
    } else {
      RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_ALL_ACCESS, &key);
    }
    return key;
  }

  // Stores any bytes under any type.
  static void Set(const wchar_t* name, const Bytes& bytes, DWORD type = REG_SZ) {
    HKEY key = OpenKey(true);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, bytes.data(), DWORD(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  static void SetText(const wchar_t* name, const std::u16string& text) { Set(name, Utf16(text)); }

  // A value exactly as stored: type and bytes; type REG_NONE when missing.
  static std::pair<DWORD, Bytes> Get(const wchar_t* name) {
    HKEY key = OpenKey(false);
    Bytes bytes(4096);
    DWORD type = REG_NONE;
    DWORD size = DWORD(bytes.size());
    if (key == nullptr || RegQueryValueExW(key, name, nullptr, &type, bytes.data(), &size) != 0) {
      type = REG_NONE;
      size = 0;
    }
    if (key != nullptr) RegCloseKey(key);
    bytes.resize(size);
    return {type, bytes};
  }

  static DWORD ValueCount() {
    HKEY key = OpenKey(false);
    DWORD values = 0;
    if (key == nullptr) return 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return values;
  }

  // Loads into settings full of leftovers (so a field the load forgets
  // shows) with guard bytes on both sides (so a write past them shows).
  void Load() {
    std::memset(&guarded_, 0xAB, sizeof guarded_);
    speller_.TTable = 77;
    LoadSettings(guarded_.settings, speller_, GetModuleHandleW(nullptr));
    for (size_t i = 0; i < sizeof guarded_.before; ++i) {
      ASSERT_EQ(guarded_.before[i], 0xAB);
      ASSERT_EQ(guarded_.after[i], 0xAB);
    }
  }

  const Settings& Loaded() const { return guarded_.settings; }
  size_t ListLength() const { return CommandListLength(Loaded().Commands, kMenuCommandCount); }

  void ExpectEntry(size_t i, int32_t mode, const std::u16string& caption,
                   const std::u16string& command) const {
    const MenuCommand& entry = Loaded().Commands[i];
    EXPECT_EQ(entry.Mode, mode) << "entry " << i;
    EXPECT_EQ(std::u16string(entry.Caption), caption) << "entry " << i;
    EXPECT_EQ(std::u16string(entry.Command), command) << "entry " << i;
  }
  void ExpectEmptyFrom(size_t first) const {
    for (size_t i = first; i < kMenuCommandCount; ++i) ExpectEntry(i, 0, u"", u"");
  }
  void ExpectBuiltIns() const {
    for (size_t i = 0; i < 9; ++i) {
      ExpectEntry(i, kBuiltIns[i].mode, kBuiltIns[i].caption, kBuiltIns[i].command);
    }
    ExpectEmptyFrom(9);
  }

  static MenuCommand Command(int32_t mode, const char16_t* caption, const char16_t* command) {
    MenuCommand entry{mode, {}, {}};
    CopyText(entry.Caption, caption);
    CopyText(entry.Command, command);
    return entry;
  }

  struct {
    unsigned char before[64];
    Settings settings;
    unsigned char after[64];
  } guarded_;
  NameSpeller speller_;
};

TEST_F(SettingsStoreTest, NoKeyIsCreatedEmptyAndEveryDefaultIsUsed) {
  ASSERT_EQ(OpenKey(false), nullptr);
  Load();
  HKEY created = OpenKey(false);
  EXPECT_NE(created, nullptr);
  if (created != nullptr) RegCloseKey(created);
  EXPECT_EQ(ValueCount(), 0u) << "loading writes no value";

  EXPECT_EQ(Loaded().Flags, 0x7717Bu);
  EXPECT_EQ(speller_.TTable, 0);
  EXPECT_EQ(Loaded().Order, ListOrder::Stores);
  EXPECT_EQ(Raw(Loaded().Keys.Bytes, kKeyMapBytes), Bytes(kKeyMapBytes, 0));
  for (int32_t value : Loaded().Placement.Values) EXPECT_EQ(value, 0);
  EXPECT_EQ(Loaded().RowHeight, GetSystemMetrics(SM_CYSMICON) + 4);
  ExpectBuiltIns();
  EXPECT_EQ(ListLength(), 9u);
  for (size_t i = 0; i < kMenuCommandCount; ++i) {
    EXPECT_EQ(IsDefaultCommand(Loaded().Commands[i]), i == 2) << "entry " << i;
  }
}

TEST_F(SettingsStoreTest, NumbersAreReadWithTheirRangeAndSizeRules) {
  Set(L"Flag", Dword(0), REG_DWORD);
  Set(L"TTable", Dword(2), REG_BINARY);
  Set(L"OrderByCalls", Dword(1), REG_DWORD);
  Load();
  EXPECT_EQ(Loaded().Flags, 0u);
  EXPECT_EQ(speller_.TTable, 2);
  EXPECT_EQ(Loaded().Order, ListOrder::CalledMostFirst);
  Set(L"OrderByCalls", Dword(2), REG_DWORD);
  Load();
  EXPECT_EQ(Loaded().Order, ListOrder::Stores) << "only 1 orders by calls";

  for (DWORD stored : {3u, 0xFFFFFFFFu}) {
    Set(L"TTable", Dword(stored), REG_DWORD);
    Load();
    EXPECT_EQ(speller_.TTable, 0) << stored;
  }

  // A number that is a text or not exactly 4 bytes gives the default.
  const std::pair<DWORD, Bytes> malformed[] = {
      {REG_SZ, Utf16(u"1")},   {REG_SZ, Utf16(u"123")}, {REG_DWORD, {1, 0}},
      {REG_BINARY, {2}},       {REG_DWORD, {}},        {REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}},
      {REG_BINARY, Bytes(8, 1)}};
  for (const auto& [type, bytes] : malformed) {
    Set(L"Flag", bytes, type);
    Set(L"TTable", bytes, type);
    Set(L"OrderByCalls", bytes, type);
    Load();
    EXPECT_EQ(Loaded().Order, ListOrder::Stores) << "type " << type << ", " << bytes.size() << " bytes";
    EXPECT_EQ(Loaded().Flags, 0x7717Bu) << "type " << type << ", " << bytes.size() << " bytes";
    EXPECT_EQ(speller_.TTable, 0) << "type " << type << ", " << bytes.size() << " bytes";
  }
}

TEST_F(SettingsStoreTest, KeyMapAndPosSizeFillWhatTheyHoldOrNothingWhenTooLong) {
  Bytes keyMap(64, 0);
  keyMap[0] = 0x70;
  keyMap[63] = 0x1B;
  const int32_t values[8] = {1, 2, 3, 4, -5, 6, 7, 8};
  Set(L"KeyMap", keyMap, REG_BINARY);
  Set(L"PosSize", Raw(values, 32), REG_BINARY);
  Load();
  EXPECT_EQ(Raw(Loaded().Keys.Bytes, 64), keyMap);
  EXPECT_EQ(Raw(Loaded().Placement.Values, 32), Raw(values, 32));

  Set(L"KeyMap", Bytes(70, 0x41), REG_BINARY);
  Set(L"PosSize", Bytes(33, 1), REG_BINARY);
  Load();
  EXPECT_EQ(Raw(Loaded().Keys.Bytes, kKeyMapBytes), Bytes(kKeyMapBytes, 0)) << "70 bytes";
  for (int32_t value : Loaded().Placement.Values) EXPECT_EQ(value, 0) << "33 bytes";

  // Shorter values fill the front and leave the rest zero; KeyMap's type is
  // not checked.
  Set(L"KeyMap", Utf16(u"A"));
  Set(L"PosSize", Raw(values, 16), REG_BINARY);
  Load();
  Bytes expectedMap(64, 0);
  expectedMap[0] = 'A';
  EXPECT_EQ(Raw(Loaded().Keys.Bytes, 64), expectedMap);
  const int32_t portraitOnly[8] = {1, 2, 3, 4, 0, 0, 0, 0};
  EXPECT_EQ(Raw(Loaded().Placement.Values, 32), Raw(portraitOnly, 32));
}

TEST_F(SettingsStoreTest, Menu0WithoutTextBringsBackTheBuiltIns) {
  SetText(L"Menu1", u"1|later|run");
  const std::pair<DWORD, Bytes> noText[] = {
      {REG_SZ, Utf16(u"")},                          // the empty text a save writes
      {REG_SZ, {}},                                  // no bytes at all
      {REG_SZ, Utf16(std::u16string(u"\0001|x", 5))},  // first unit 0
      {REG_DWORD, Dword(0x7C0031)},                  // "1|" as a number
      {REG_SZ, Utf16(std::u16string(300, u'1'))},     // longer than 260 units
  };
  for (const auto& [type, bytes] : noText) {
    Set(L"Menu0", bytes, type);
    Load();
    ExpectBuiltIns();
  }
}

TEST_F(SettingsStoreTest, SavedCommandsEndTheListWhateverLaterValuesHold) {
  for (const wchar_t* name : {L"Menu4", L"Menu9"}) SetText(name, u"1|old|old");
  const MenuCommand three[3] = {Command(1, u"one", u"1"), Command(9, u"!two", u"%p"),
                                Command(1, u"a|b", u"c")};
  ASSERT_TRUE(WriteCommands(three, 3));
  EXPECT_EQ(Get(L"Menu1"), std::make_pair(DWORD(REG_SZ), Utf16(u"9|!two|%p")));
  EXPECT_EQ(Get(L"Menu2"), std::make_pair(DWORD(REG_SZ), Utf16(u"1|a|b|c")));
  EXPECT_EQ(Get(L"Menu3"), std::make_pair(DWORD(REG_SZ), Bytes{0, 0})) << "the empty text";
  EXPECT_EQ(Get(L"Menu4").second, Utf16(u"1|old|old")) << "later values are left alone";
  Load();
  ExpectEntry(0, 1, u"one", u"1");
  ExpectEntry(1, 9, u"!two", u"%p");
  ExpectEntry(2, 1, u"a", u"b|c");  // the caption's "|" splits it on the way back
  ExpectEmptyFrom(3);

  MenuCommand ten[kMenuCommandCount];
  for (size_t i = 0; i < kMenuCommandCount; ++i) {
    ten[i] = Command(int32_t(i), i == 9 ? u"!c9" : u"c", u"run");
  }
  ASSERT_TRUE(WriteCommands(ten, kMenuCommandCount));
  EXPECT_EQ(ValueCount(), 10u) << "no empty value follows a full list";
  Load();
  EXPECT_EQ(ListLength(), 10u);
  ExpectEntry(9, 9, u"!c9", u"run");

  ASSERT_TRUE(WriteCommands(nullptr, 0));
  EXPECT_EQ(Get(L"Menu0").second, (Bytes{0, 0}));
  Load();
  ExpectBuiltIns();
}

TEST_F(SettingsStoreTest, PlacementAndFlagWritersStoreWhatTheLoadReads) {
  const PosSize placement{{10, 20, 200, 100, -1, 0, 320, 80}};
  ASSERT_TRUE(WritePosSize(placement));
  ASSERT_TRUE(WriteFlag(0x12345));
  EXPECT_EQ(Get(L"PosSize").first, DWORD(REG_BINARY));
  EXPECT_EQ(Get(L"PosSize").second.size(), 32u);
  EXPECT_EQ(Get(L"Flag"), std::make_pair(DWORD(REG_DWORD), Dword(0x12345)));
  Load();
  EXPECT_EQ(std::memcmp(Loaded().Placement.Values, placement.Values, 32), 0);
  EXPECT_EQ(Loaded().Flags, 0x12345u);
}

TEST_F(SettingsStoreTest, UnparsableEntryStaysEmptyAndLaterValuesAreStillRead) {
  SetText(L"Menu0", u"1|zero|0");
  SetText(L"Menu1", u"1|one|1");
  SetText(L"Menu2", u"1|abc");
  SetText(L"Menu3", u"9|three|3");
  SetText(L"Menu4", u"9");  // one unit
  SetText(L"Menu5", u"x|letter mode|run");
  SetText(L"Menu6", u"1|" + std::u16string(40, u'c') + u"|" + std::u16string(200, u'r'));
  Load();
  ExpectEntry(1, 1, u"one", u"1");
  ExpectEntry(2, 0, u"", u"");
  ExpectEntry(3, 9, u"three", u"3");
  ExpectEntry(4, 0, u"", u"");
  ExpectEntry(5, 0, u"letter mode", u"run");
  ExpectEntry(6, 1, std::u16string(31, u'c'), std::u16string(127, u'r'));
  EXPECT_EQ(ListLength(), 2u) << "the list ends at the first empty entry";
}

TEST_F(SettingsStoreTest, MalformedMenuTextsAreReadBoundedOrEndTheList) {
  SetText(L"Menu0", u"1|a much longer caption|with a long command behind it");
  // No terminator: the end of Menu0, still in the shared buffer, must not
  // become part of this text.
  Set(L"Menu1", Utf16(u"2|x|", false));
  Bytes odd = Utf16(u"3|odd|cmd", false);
  odd.push_back(0x41);  // a lone last byte is dropped
  Set(L"Menu2", odd);
  Set(L"Menu3", Utf16(std::u16string(u"4|in|b\0junk", 11)));  // a zero unit ends the text
  Set(L"Menu4", Utf16(u"5|expand|%p"), REG_EXPAND_SZ);         // not expanded
  // 259 units and the terminator fill the 260-unit buffer exactly.
  SetText(L"Menu5", u"6|c|" + std::u16string(255, u'x'));
  Load();
  ExpectEntry(0, 1, u"a much longer caption", u"with a long command behind it");
  ExpectEntry(1, 2, u"x", u"");
  ExpectEntry(2, 3, u"odd", u"cmd");
  ExpectEntry(3, 4, u"in", u"b");
  ExpectEntry(4, 5, u"expand", u"%p");
  ExpectEntry(5, 6, u"c", std::u16string(127, u'x'));
  EXPECT_EQ(ListLength(), 6u);

  // Values that end the list: not a text, longer than the buffer, or 260
  // units with no room left for the terminator.
  const std::pair<DWORD, Bytes> enders[] = {
      {REG_BINARY, Utf16(u"7|bin|x")},
      {REG_SZ, Utf16(u"7|" + std::u16string(300, u'y') + u"|z")},
      {REG_SZ, Utf16(u"7|d|" + std::u16string(256, u'x'), false)},
      {REG_SZ, Utf16(u"7|d|" + std::u16string(256, u'x'))},
      {REG_SZ, Utf16(u"")},
  };
  SetText(L"Menu7", u"8|after|run");
  for (const auto& [type, bytes] : enders) {
    Set(L"Menu6", bytes, type);
    Load();
    EXPECT_EQ(ListLength(), 6u) << "type " << type << ", " << bytes.size() << " bytes";
    ExpectEmptyFrom(6);
  }
}

}  // namespace
}  // namespace vostarel

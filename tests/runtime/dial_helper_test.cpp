// Building the main object the way process attach does, with this test
// program as the module: its resources carry the strings, its path names
// the dictionary file.
#include <gtest/gtest.h>

#include <string>

#include "main_object.h"
#include "host_test_environment.h"
#include "settings_store.h"
#include "user_dictionary_file.h"

namespace vostarel::testing {
namespace {

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

TEST(DialHelperTest, TheIndexLabelsComeFromTheModulesStrings) {
  const MainObject object(GetModuleHandleW(nullptr));
  const DialHelper& helper = object.Helper;
  const IndexTexts& texts = helper.Index.Texts;
  EXPECT_STREQ(Wide(texts[IndexText::Mobile]), L"휴대폰");
  EXPECT_STREQ(Wide(texts[IndexText::Home]), L"집");
  EXPECT_STREQ(Wide(texts[IndexText::Business]), L"근무");
  EXPECT_STREQ(Wide(texts[IndexText::Car]), L"카폰");
  EXPECT_STREQ(Wide(texts[IndexText::Radio]), L"무선");
  EXPECT_STREQ(Wide(texts[IndexText::Assistant]), L"비서");
  EXPECT_STREQ(Wide(texts[IndexText::CallLog]), L"통화 기록");
  EXPECT_STREQ(Wide(texts[IndexText::Sim]), L"SIM");
  EXPECT_STREQ(Wide(texts[IndexText::NoName]), L"이름 없음");
}

TEST(DialHelperTest, SettingsAndTheUserDictionaryAreLoaded) {
  const ScopedRegistryValue flag(HKEY_CURRENT_USER, kSettingsKeyPath, L"Flag");
  const ScopedRegistryValue table(HKEY_CURRENT_USER, kSettingsKeyPath, L"TTable");
  flag.SetDword(0x5000);
  table.SetDword(2);
  wchar_t dictionaryPath[260];
  ASSERT_TRUE(ModulePathWithExtension(nullptr, dictionaryPath, L"txt"));
  const char bytes[] = "\xFF\xFE" "h\0o\0n\0g\0\t\0\x4D\x6D";  // "hong<TAB>洪"
  ASSERT_TRUE(WriteWholeFile(dictionaryPath, std::string_view(bytes, sizeof bytes - 1)));

  const MainObject object(GetModuleHandleW(nullptr));
  const DialHelper& helper = object.Helper;
  DeleteFileW(dictionaryPath);
  EXPECT_EQ(helper.Options.Flags, 0x5000u);
  EXPECT_EQ(helper.Index.Speller.TTable, 2);
  ASSERT_TRUE(helper.Index.Speller.Dictionary().Present());
  EXPECT_NE(helper.Index.Speller.Dictionary().FindLine(u'\x6D4D'), nullptr);
}

TEST(DialHelperTest, RegistersTheShellsSipPreferenceControl) {
  // Earlier tests have built main objects already; start without the class.
  UnregisterClassW(L"SIPPREF", GetModuleHandleW(L"aygshell.dll"));
  const MainObject object(GetModuleHandleW(nullptr));
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  HWND control = CreateWindowExW(0, L"SIPPREF", L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  EXPECT_NE(control, nullptr) << "the settings dialogs' SIPPREF controls need the class";
  DestroyWindow(parent);
}

}  // namespace
}  // namespace vostarel::testing

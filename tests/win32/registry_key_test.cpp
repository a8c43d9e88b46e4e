// The registry key holder's own guarantees: a key that cannot be opened,
// and reads whose stored value does not fit the caller's buffer; and the
// deletion of a key's whole tree.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "registry_key.h"

namespace vostarel {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\VostarelKeyHolderTest";

class RegistryKeyTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
};

TEST_F(RegistryKeyTest, KeyThatCannotBeOpenedFailsEveryAccessQuietly) {
  RegistryKey key(nullptr, L"Software\\Nowhere");
  EXPECT_FALSE(key.IsOpen());
  EXPECT_EQ(key.ReadDword(L"Flag", 0xdeadbeef), 0xdeadbeefu);
  wchar_t text[8] = L"stale";
  EXPECT_FALSE(key.ReadString(L"Menu0", text, 8));
  EXPECT_EQ(text[0], L'\0');
  EXPECT_FALSE(key.WriteString(L"Menu0", L"x"));
  EXPECT_FALSE(key.DeleteValue(L"Flag"));
}

TEST_F(RegistryKeyTest, ReadsNeverPassTheBufferNorKeepHalfAValue) {
  RegistryKey key(HKEY_CURRENT_USER, kTestKey);
  ASSERT_TRUE(key.WriteString(L"Long", L"0123456789"));
  ASSERT_TRUE(key.WriteString(L"Three", L"abc"));
  RegSetValueExW(key.Get(), L"Bare3", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"xyz"), 6);
  RegSetValueExW(key.Get(), L"Bare4", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"wxyz"), 8);

  struct {
    wchar_t text[4];
    wchar_t guard[4];
  } buffer;
  std::wmemset(buffer.guard, wchar_t(0xBEEF), 4);
  size_t length = 99;
  EXPECT_FALSE(key.ReadString(L"Long", buffer.text, 4, &length));
  EXPECT_EQ(buffer.text[0], L'\0');
  EXPECT_TRUE(key.ReadString(L"Three", buffer.text, 4, &length));
  EXPECT_EQ(std::wstring(buffer.text) + L"/" + std::to_wstring(length), L"abc/3");
  EXPECT_TRUE(key.ReadString(L"Bare3", buffer.text, 4, &length));
  EXPECT_EQ(std::wstring(buffer.text), L"xyz") << "terminator supplied";
  EXPECT_FALSE(key.ReadString(L"Bare4", buffer.text, 4, &length)) << "no room for one";
  EXPECT_EQ(buffer.text[0], L'\0');
  EXPECT_EQ(std::wstring(buffer.guard, 4), std::wstring(4, wchar_t(0xBEEF)));

  unsigned char blob[8];
  std::memset(blob, 0xCC, sizeof blob);
  ASSERT_TRUE(key.WriteBinary(L"Blob", "0123456789", 10));
  EXPECT_FALSE(key.ReadBinary(L"Blob", blob, sizeof blob));
  EXPECT_EQ(std::string(reinterpret_cast<char*>(blob), 8), std::string(8, '\xCC'))
      << "a value too large changes nothing";
}

bool KeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

TEST_F(RegistryKeyTest, DeleteKeyTreeRemovesEveryLevelAndNothingBeside) {
  const std::wstring top = std::wstring(kTestKey) + L"\\Tree";
  const std::wstring beside = std::wstring(kTestKey) + L"\\Beside";
  for (const std::wstring& path : {top + L"\\a\\b\\c", top + L"\\a\\d", top + L"\\e", beside}) {
    RegistryKey key(HKEY_CURRENT_USER, path.c_str());
    ASSERT_TRUE(key.WriteDword(L"Flag", 1)) << path;
  }
  EXPECT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, top.c_str()));
  EXPECT_FALSE(KeyExists(top));
  EXPECT_TRUE(KeyExists(beside));
  EXPECT_TRUE(KeyExists(kTestKey));
  EXPECT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, top.c_str())) << "a missing key is gone already";
  EXPECT_FALSE(DeleteKeyTree(HKEY_CURRENT_USER, L"")) << "never the root itself";
  EXPECT_TRUE(KeyExists(beside));
}

}  // namespace
}  // namespace vostarel

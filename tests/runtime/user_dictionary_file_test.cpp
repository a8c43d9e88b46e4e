// The dictionary file beside the module, read through the real file API.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "contact_entry.h"
#include "user_dictionary_file.h"
#include "win_text.h"

namespace vostarel {
namespace {

class UserDictionaryFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ModulePathWithExtension(nullptr, path_, L"txt"));
    DeleteFileW(path_);
  }
  void TearDown() override { DeleteFileW(path_); }

  void WriteDictionary(const std::vector<unsigned char>& bytes) {
    HANDLE file = CreateFileW(path_, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
  }

  static std::vector<unsigned char> Utf16Bytes(const std::u16string& text) {
    std::vector<unsigned char> bytes = {0xFF, 0xFE};
    for (char16_t u : text) {
      bytes.push_back(static_cast<unsigned char>(u & 0xFF));
      bytes.push_back(static_cast<unsigned char>(u >> 8));
    }
    return bytes;
  }

  std::u16string SpellFull(const char16_t* name) {
    char16_t full[kSpelledNameCapacity];
    char16_t initials[kNameInitialsCapacity];
    speller_.SpellName(name, full, kSpelledNameCapacity, initials, kNameInitialsCapacity);
    return full;
  }

  wchar_t path_[260];
  NameSpeller speller_;
};

TEST_F(UserDictionaryFileTest, PathIsTheModulePathWithTxt) {
  wchar_t module[260];
  GetModuleFileNameW(nullptr, module, 260);
  std::wstring expected(module);
  expected = expected.substr(0, expected.rfind(L'.')) + L".txt";
  EXPECT_EQ(std::wstring(path_), expected);
}

TEST_F(UserDictionaryFileTest, FileBesideTheModuleIsLoaded) {
  WriteDictionary(Utf16Bytes(u"kim\t김\r\nlee\t이\r\n"));
  LoadUserDictionary(speller_, nullptr);
  ASSERT_TRUE(speller_.Dictionary().Present());
  EXPECT_EQ(SpellFull(u"이김"), u"leekim");
}

TEST_F(UserDictionaryFileTest, MissingFileLeavesTheDictionaryAbsent) {
  WriteDictionary(Utf16Bytes(u"kim\t김\n"));
  LoadUserDictionary(speller_, nullptr);
  ASSERT_TRUE(speller_.Dictionary().Present());
  DeleteFileW(path_);
  LoadUserDictionary(speller_, nullptr);
  EXPECT_FALSE(speller_.Dictionary().Present());
  EXPECT_EQ(SpellFull(u"김王"), u"wang");
}

TEST_F(UserDictionaryFileTest, EmptyAndOddSizedFilesAreReadAsBytes) {
  WriteDictionary({});
  LoadUserDictionary(speller_, nullptr);
  ASSERT_TRUE(speller_.Dictionary().Present());
  EXPECT_EQ(std::u16string(speller_.Dictionary().Text()), u"");

  std::vector<unsigned char> odd = Utf16Bytes(u"ab\t\u00E9\n");
  odd.push_back('q');
  WriteDictionary(odd);
  LoadUserDictionary(speller_, nullptr);
  EXPECT_EQ(std::u16string(speller_.Dictionary().Text()), u"\nab\t\u00E9\nq");
}

TEST_F(UserDictionaryFileTest, FileHeldByAWriterIsNotRead) {
  WriteDictionary(Utf16Bytes(u"kim\t김\n"));
  // Another program holds the file open for reading and writing, sharing reads.
  HANDLE other = CreateFileW(path_, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  LoadUserDictionary(speller_, nullptr);
  CloseHandle(other);
  EXPECT_FALSE(speller_.Dictionary().Present())
      << "opening with read sharing only must fail while a writer holds the file";
}

}  // namespace
}  // namespace vostarel

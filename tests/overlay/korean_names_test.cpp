// Korean contacts are found by keys as the library is built: the Revised
// Romanization dictionary beside it spells them, so the keys of the whole
// name and of its initials list them; the spellings people write (kim) and
// the consonant keys of the Korean keypad chosen in the settings do too,
// whatever dictionary is beside the library; a number kept in international
// form is found as it is dialled at home; with a user's own dictionary saved
// as UTF-8 beside the library, that one's spellings do.
#include <windows.h>

#include <gtest/gtest.h>

#include "overlay_run.h"

namespace overlay_test {
namespace {

constexpr char kContacts[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:11\r\nFN:김민지\r\nTEL;TYPE=CELL:010-2345-6789\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:12\r\nFN:박서준\r\nTEL;TYPE=CELL:010-8765-4321\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:13\r\nFN:John Smith\r\nTEL;TYPE=CELL:010-5555-0000\r\nEND:VCARD\r\n";
constexpr char kMinji[] = "*\t1\t김민지\t010-2345-6789\t휴";
constexpr char kAbroad[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:14\r\nFN:Sarah Jung\r\nTEL;TYPE=CELL:+82 10-3141-5926\r\nEND:VCARD\r\n";

TEST(KoreanNamesTest, FoundByRomanizedKeysByInitialsByConsonantKeysAndByAUtf8Dictionary) {
  ASSERT_EQ(RegisterAddressBook(), 0) << "regsvr32 pimstore.dll";
  OverlayRun run(VersionMode::kWin2003);
  run.WriteDeviceFile(L"contacts.vcf", std::string(kContacts) + kAbroad);
  const std::vector<std::string> minjiOnly{kMinji};

  Printed p = run.Run(L"44664654");  // gimminji, the whole name
  EXPECT_EQ(p.All("row"), minjiOnly) << p.Text();
  // b-s-j-u: only the initials form "bsjun" of 박서준 (bakseojun) has them.
  p = run.Run(L"2758");
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\t박서준\t010-8765-4321\t휴"})) << p.Text();

  p = run.Run(L"0103141");  // +82 10-3141-5926 as it is dialled in Korea
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\tSarah Jung\t+82 10-3141-5926\t휴"}))
      << p.Text();
  p = run.Run(L"546");  // kim, as Koreans write the surname
  EXPECT_EQ(p.All("row"), minjiOnly) << p.Text();
  p = run.Run(L"409");  // ㄱ 4, ㅁ 0, ㅈ 9 on the Cheonjiin keypad, the default
  EXPECT_EQ(p.All("row"), minjiOnly) << p.Text();
  // The Naratgeul keypad chosen in the settings: ㄱ 1, ㅁ 5, ㅈ 7.
  HKEY settings = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Vostarel", 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &settings, nullptr),
            ERROR_SUCCESS);
  const DWORD naratgeul = 1;
  RegSetValueExW(settings, L"KoreanKeypad", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&naratgeul),
                 sizeof naratgeul);
  p = run.Run(L"157");
  EXPECT_EQ(p.All("row"), minjiOnly) << p.Text();
  p = run.Run(L"409");
  EXPECT_EQ(p.Value("list"), "hidden") << p.Text();
  RegDeleteValueW(settings, L"KoreanKeypad");
  RegCloseKey(settings);

  // The same library with the Cheonjiin dictionary beside it.
  cprog_test::TemporaryFolder folder(L"vostarel-cheonjiin-");
  const std::wstring bin = cprog_test::BinFolder();
  ASSERT_TRUE(CopyFileW((bin + L"\\Vostarel.dll").c_str(), folder.File(L"Vostarel.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileW((bin + L"\\dictionaries\\hangul-cheonjiin.txt").c_str(),
                        folder.File(L"Vostarel.txt").c_str(), FALSE));
  run.SetLibrary(folder.File(L"Vostarel.dll"));
  p = run.Run(L"409");  // ㄱ 4, ㅁ 0, ㅈ 9
  EXPECT_EQ(p.All("row"), minjiOnly) << p.Text();
  p = run.Run(L"789");  // ㅂ 7, ㅅ 8, ㅈ 9
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\t박서준\t010-8765-4321\t휴"})) << p.Text();
  p = run.Run(L"44664654");  // the built-in spellings still find it
  EXPECT_EQ(p.All("row"), minjiOnly) << p.Text();

  // A dictionary of the user's own, saved as UTF-8 without a mark as PC
  // editors save it.
  const HANDLE file = CreateFileW(folder.File(L"Vostarel.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  // "qim" is no spelling of 김 that the library knows of its own.
  const char utf8[] = "qim\t\xEA\xB9\x80\nmin\t\xEB\xAF\xBC\nji\t\xEC\xA7\x80\n";  // 김 민 지
  DWORD written = 0;
  WriteFile(file, utf8, sizeof utf8 - 1, &written, nullptr);
  CloseHandle(file);
  p = run.Run(L"74664654");  // qimminji
  EXPECT_EQ(p.All("row"), minjiOnly) << p.Text();
}

}  // namespace
}  // namespace overlay_test

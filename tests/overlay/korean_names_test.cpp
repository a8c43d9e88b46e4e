// Korean contacts are found by keys as the library is built: the Revised
// Romanization dictionary beside it spells them, so the keys of the whole
// name and of its initials list them; with the Cheonjiin dictionary in its
// place, the keys of the initial consonants do; with a user's own
// dictionary saved as UTF-8 in its place, that one's spellings do.
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

TEST(KoreanNamesTest, FoundByRomanizedKeysByInitialsByConsonantKeysAndByAUtf8Dictionary) {
  ASSERT_EQ(RegisterAddressBook(), 0) << "regsvr32 pimstore.dll";
  OverlayRun run(VersionMode::kWin2003);
  run.WriteDeviceFile(L"contacts.vcf", kContacts);
  const std::vector<std::string> minjiOnly{kMinji};

  Printed p = run.Run(L"44664654");  // gimminji, the whole name
  EXPECT_EQ(p.All("row"), minjiOnly) << p.Text();
  // b-s-j-u: only the initials form "bsjun" of 박서준 (bakseojun) has them.
  p = run.Run(L"2758");
  EXPECT_EQ(p.All("row"), (std::vector<std::string>{"*\t1\t박서준\t010-8765-4321\t휴"})) << p.Text();

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
  p = run.Run(L"44664654");  // romanized keys no longer spell it
  EXPECT_EQ(p.Value("list"), "hidden") << p.Text();

  // A dictionary of the user's own, saved as UTF-8 without a mark as PC
  // editors save it.
  const HANDLE file = CreateFileW(folder.File(L"Vostarel.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const char utf8[] = "kim\t\xEA\xB9\x80\nmin\t\xEB\xAF\xBC\nji\t\xEC\xA7\x80\n";  // 김 민 지
  DWORD written = 0;
  WriteFile(file, utf8, sizeof utf8 - 1, &written, nullptr);
  CloseHandle(file);
  p = run.Run(L"54664654");  // kimminji
  EXPECT_EQ(p.All("row"), minjiOnly) << p.Text();
}

}  // namespace
}  // namespace overlay_test

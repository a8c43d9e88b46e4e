// The Spelling-table page: the table and Korean keypad choices apply to the
// sample at once, last when the sheet is left with OK (stored, the stores
// spelled again) and are taken back by Cancel; the sample name is spelled as
// it is typed.
#include <gtest/gtest.h>

#include <string>

#include "filter.h"
#include "host_test_environment.h"
#include "resource_ids.h"
#include "settings_sheet.h"
#include "sheet_fixture.h"

namespace settings_test {
namespace {

using namespace vostarel;

class SpellingPageTest : public SheetTest {};

// A Taiwanese name: 呂曉明 is "lvxiaoming" in Hanyu Pinyin, "luhsiaoming"
// in Wade-Giles. A Korean one: 김민준 is "157" on the Naratgeul keypad.
constexpr char kTaiwaneseContact[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:呂曉明\r\nTEL;TYPE=CELL:010-1234\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:김민준\r\nTEL;TYPE=CELL:010-5678\r\nEND:VCARD\r\n";

constexpr int kNaratgeul = static_cast<int>(KoreanKeypad::Naratgeul);
constexpr int kNoKeypad = static_cast<int>(KoreanKeypad::Off);

// Choose, OK, restart the phone: the choice is there. Choose, Cancel:
// nothing changed, nothing reloaded.
TEST_F(SpellingPageTest, OkKeepsTheChosenTableAcrossARestartAndCancelTakesItBack) {
  vostarel::testing::WriteDeviceFile(L"contacts.vcf", kTaiwaneseContact);
  RunSheet(kSpellingPage, [this](HWND sheet) {
    HWND page = CurrentPage(sheet);
    Click(page, IDC_SPELLING_TABLE_1);
    EXPECT_EQ(Helper().Index.Speller.TTable, 1) << "the sample spells with the choice at once";
    EXPECT_EQ(ChosenIndex(page, IDC_KOREAN_KEYPAD), 0) << "Cheonjiin is the default";
    Choose(page, IDC_KOREAN_KEYPAD, kNaratgeul);
    PressOk(sheet);
  });
  DWORD stored = 0;
  ASSERT_TRUE(ReadDword(L"TTable", &stored)) << "OK did not store the choice";
  EXPECT_EQ(stored, 1u);
  ASSERT_TRUE(ReadDword(L"KoreanKeypad", &stored)) << "OK did not store the keypad";
  EXPECT_EQ(stored, static_cast<DWORD>(kNaratgeul));
  ASSERT_EQ(Helper().Index.AddressBook.Count(), 2u) << "the stores were not spelled again";
  EXPECT_EQ(std::u16string(Helper().Index.AddressBook[0].SpelledName), u"luhsiaoming");
  FilterStores(Helper().Index, u"157", SearchBits::kDefault);
  EXPECT_EQ(Helper().Index.Results.Count, 1u) << "김민준 not found by its Naratgeul keys";

  RecreateMainObject();  // the phone starts again and loads the settings
  EXPECT_EQ(Helper().Index.Speller.TTable, 1);
  EXPECT_EQ(Helper().Index.Speller.Keypad, KoreanKeypad::Naratgeul);
  RunSheet(kSpellingPage, [this](HWND sheet) {
    HWND page = CurrentPage(sheet);
    EXPECT_TRUE(IsChecked(page, IDC_SPELLING_TABLE_1));
    EXPECT_FALSE(IsChecked(page, IDC_SPELLING_TABLE_0));
    EXPECT_EQ(ChosenIndex(page, IDC_KOREAN_KEYPAD), kNaratgeul);
    Click(page, IDC_SPELLING_TABLE_2);
    Choose(page, IDC_KOREAN_KEYPAD, kNoKeypad);
    EXPECT_EQ(Helper().Index.Speller.TTable, 2);
    PressCancel(sheet);
  });
  EXPECT_EQ(Helper().Index.Speller.TTable, 1) << "Cancel left the choice in force";
  EXPECT_EQ(Helper().Index.Speller.Keypad, KoreanKeypad::Naratgeul);
  ASSERT_TRUE(ReadDword(L"TTable", &stored));
  EXPECT_EQ(stored, 1u);
  ASSERT_TRUE(ReadDword(L"KoreanKeypad", &stored));
  EXPECT_EQ(stored, static_cast<DWORD>(kNaratgeul));
  EXPECT_EQ(Helper().Index.AddressBook.Count(), 0u) << "Cancel reloaded the stores";
}

TEST_F(SpellingPageTest, ChoicesAreNamedAndTheOpeningSampleShowsWhatEachTableSpells) {
  RunSheet(kSpellingPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(TextOf(page, IDC_SPELLING_TABLE_0), L"한어 병음 (기본)");
    EXPECT_EQ(TextOf(page, IDC_SPELLING_TABLE_1), L"웨이드-자일스 (대만)");
    EXPECT_EQ(TextOf(page, IDC_SPELLING_TABLE_2), L"여권 병음 (ü는 yu)");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_NAME), L"呂曉明");
    const wchar_t* const keypads[] = {L"천지인 (기본)", L"나랏글", L"사용 안 함"};
    for (int i = 0; i < 3; ++i) {
      wchar_t keypad[64] = {};
      SendDlgItemMessageW(page, IDC_KOREAN_KEYPAD, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(keypad));
      EXPECT_EQ(std::wstring(keypad), keypads[i]);
    }
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_SPELLED), L"lvxiaoming");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_INITIALS), L"lxming");
    Click(page, IDC_SPELLING_TABLE_1);
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_SPELLED), L"luhsiaoming");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_INITIALS), L"lhming");
    Click(page, IDC_SPELLING_TABLE_2);
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_SPELLED), L"lyuxiaoming");
    PressCancel(sheet);
  });
}

TEST_F(SpellingPageTest, TheSampleIsSpelledAsTypedAndAgainAfterATableChange) {
  RunSheet(kSpellingPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    SetText(page, IDC_SAMPLE_NAME, L"张三");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_SPELLED), L"zhangsan");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_INITIALS), L"zsan");
    SetText(page, IDC_SAMPLE_NAME, L"김민준");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_KEYPAD), L"409");
    Choose(page, IDC_KOREAN_KEYPAD, kNaratgeul);
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_KEYPAD), L"157");
    Choose(page, IDC_KOREAN_KEYPAD, kNoKeypad);
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_KEYPAD), L"");
    SetText(page, IDC_SAMPLE_NAME, L"Kim Su");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_SPELLED), L"kimsu");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_INITIALS), L"ks");
    SetDlgItemTextW(page, IDC_SAMPLE_SPELLED, L"");
    Click(page, IDC_SPELLING_TABLE_1);
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_SPELLED), L"kimsu");
    SetText(page, IDC_SAMPLE_NAME, L"张三");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_SPELLED), L"changsan");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_INITIALS), L"csan");
    PressCancel(sheet);
  });
}

TEST_F(SpellingPageTest, ALongSampleIsCutToTheFieldAndSpelledWithoutOverrun) {
  RunSheet(kSpellingPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    SetText(page, IDC_SAMPLE_NAME, std::wstring(300, L'\u4E2D'));  // 中 x 300
    const std::wstring spelled = TextOf(page, IDC_SAMPLE_SPELLED);
    // 79 characters are read; each spells "zhong".
    EXPECT_EQ(spelled.size(), 79u * 5);
    EXPECT_EQ(spelled.substr(0, 10), L"zhongzhong");
    PressCancel(sheet);
  });
}

}  // namespace
}  // namespace settings_test

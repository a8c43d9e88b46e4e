// The Spelling-table page: the table choice applies in memory at once, is
// never saved, survives Cancel and reloads the stores; the sample name is
// spelled as it is typed.
#include <gtest/gtest.h>

#include "resource_ids.h"
#include "settings_sheet.h"
#include "sheet_fixture.h"

namespace settings_test {
namespace {

using namespace vostarel;

class SpellingPageTest : public SheetTest {};

TEST_F(SpellingPageTest, TheChosenTableAppliesAtOnceSurvivesCancelAndIsNeverSaved) {
  WriteDword(L"TTable", 2);
  RecreateMainObject();
  ASSERT_EQ(Helper().Index.Speller.TTable, 2);
  RunSheet(kSpellingPage, [this](HWND sheet) {
    HWND page = CurrentPage(sheet);
    EXPECT_TRUE(IsChecked(page, IDC_SPELLING_TABLE_2));
    EXPECT_FALSE(IsChecked(page, IDC_SPELLING_TABLE_0));
    Click(page, IDC_SPELLING_TABLE_1);
    EXPECT_EQ(Helper().Index.Speller.TTable, 1);
    PressCancel(sheet);
  });
  EXPECT_EQ(Helper().Index.Speller.TTable, 1);
  EXPECT_TRUE(Helper().Sheet.ReloadStores);
  DWORD stored = 0;
  ASSERT_TRUE(ReadDword(L"TTable", &stored));
  EXPECT_EQ(stored, 2u);
  // The next library load reads the registry again.
  RecreateMainObject();
  EXPECT_EQ(Helper().Index.Speller.TTable, 2);
}

TEST_F(SpellingPageTest, ChoicesAreNamedAndTheOpeningSampleShowsWhatEachTableSpells) {
  RunSheet(kSpellingPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    EXPECT_EQ(TextOf(page, IDC_SPELLING_TABLE_0), L"한어 병음 (기본)");
    EXPECT_EQ(TextOf(page, IDC_SPELLING_TABLE_1), L"웨이드-자일스 (대만)");
    EXPECT_EQ(TextOf(page, IDC_SPELLING_TABLE_2), L"여권 병음 (ü는 yu)");
    EXPECT_EQ(TextOf(page, IDC_SAMPLE_NAME), L"呂曉明");
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

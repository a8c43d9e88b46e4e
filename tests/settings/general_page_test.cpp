// The General page: option boxes shown from the option word, the "anywhere"
// boxes following their search boxes, and what OK and Cancel leave in
// memory, in the registry and in the stores.
#include <gtest/gtest.h>

#include "host_test_environment.h"
#include "resource_ids.h"
#include "settings.h"
#include "settings_sheet.h"
#include "sheet_fixture.h"

namespace settings_test {
namespace {

using namespace vostarel;

constexpr char kOneContact[] =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Park\r\nTEL;TYPE=CELL:010-1234\r\nEND:VCARD\r\n";

class GeneralPageTest : public SheetTest {};

TEST_F(GeneralPageTest, BoxesShowTheOptionWordAndAnywhereBoxesFollowTheirSearchBox) {
  // Spelled-name search off but its "anywhere" bit on; initials search on.
  Helper().Options.Flags = SettingsFlags::kOverlayOn | SettingsFlags::kSpelledNameAnywhere |
                           SettingsFlags::kMatchInitials | SettingsFlags::kChainedExtension |
                           SettingsFlags::kLoadSim;
  Helper().Options.Order = ListOrder::CalledMostFirst;
  RunSheet(kGeneralPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    EXPECT_TRUE(IsChecked(page, IDC_OVERLAY_ON));
    EXPECT_TRUE(IsChecked(page, IDC_CALLED_MOST_FIRST));
    EXPECT_TRUE(IsChecked(page, IDC_CHAINED_EXTENSION));
    EXPECT_TRUE(IsChecked(page, IDC_LOAD_SIM));
    EXPECT_FALSE(IsChecked(page, IDC_LOAD_CALL_LOG));
    EXPECT_FALSE(IsChecked(page, IDC_SHOW_NUMBER));
    // Ticked but disabled: its search box is off.
    EXPECT_TRUE(IsChecked(page, IDC_SPELLED_NAME_ANYWHERE));
    EXPECT_FALSE(IsEnabled(page, IDC_SPELLED_NAME_ANYWHERE));
    // Unticked but enabled: its search box is on.
    EXPECT_FALSE(IsChecked(page, IDC_INITIALS_ANYWHERE));
    EXPECT_TRUE(IsEnabled(page, IDC_INITIALS_ANYWHERE));
    EXPECT_FALSE(IsEnabled(page, IDC_NUMBER_ANYWHERE));

    Click(page, IDC_MATCH_SPELLED_NAME);
    EXPECT_TRUE(IsEnabled(page, IDC_SPELLED_NAME_ANYWHERE));
    Click(page, IDC_MATCH_INITIALS);
    EXPECT_FALSE(IsEnabled(page, IDC_INITIALS_ANYWHERE));
    PressCancel(sheet);
  });
}

TEST_F(GeneralPageTest, OkSavesEveryBoxDisabledOnesIncludedAndKeepsBitsWithoutABox) {
  const uint32_t start = SettingsFlags::kDefault | 0x80000000u;  // a bit no box shows
  Helper().Options.Flags = start;
  RunSheet(kGeneralPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    ASSERT_TRUE(IsChecked(page, IDC_SPELLED_NAME_ANYWHERE));
    Click(page, IDC_MATCH_SPELLED_NAME);  // off: its "anywhere" box is disabled, still ticked
    EXPECT_FALSE(IsEnabled(page, IDC_SPELLED_NAME_ANYWHERE));
    EXPECT_TRUE(IsChecked(page, IDC_SPELLED_NAME_ANYWHERE));
    Click(page, IDC_OVERLAY_ON);         // off
    Click(page, IDC_NUMBER_ANYWHERE);    // on
    EXPECT_FALSE(IsChecked(page, IDC_CALLED_MOST_FIRST));
    Click(page, IDC_CALLED_MOST_FIRST);  // the people called most first
    PressOk(sheet);
  });
  EXPECT_EQ(Helper().Options.Order, ListOrder::CalledMostFirst);
  DWORD order = 0;
  ASSERT_TRUE(ReadDword(L"OrderByCalls", &order));
  EXPECT_EQ(order, 1u);
  const uint32_t expected = (start & ~(SettingsFlags::kMatchSpelledName | SettingsFlags::kOverlayOn)) |
                            SettingsFlags::kNumberAnywhere;
  EXPECT_EQ(Helper().Options.Flags, expected);
  DWORD stored = 0;
  ASSERT_TRUE(ReadDword(L"Flag", &stored));
  EXPECT_EQ(stored, expected);
  EXPECT_NE(stored & SettingsFlags::kSpelledNameAnywhere, 0u);
}

TEST_F(GeneralPageTest, CancelSavesNothingButALoadBoxClickStillReloadsTheStores) {
  vostarel::testing::WriteDeviceFile(L"contacts.vcf", kOneContact);
  ASSERT_EQ(Helper().Index.AddressBook.Count(), 0u);
  RunSheet(kGeneralPage, [](HWND sheet) {
    HWND page = CurrentPage(sheet);
    Click(page, IDC_LOAD_SIM);
    Click(page, IDC_LOAD_SIM);  // back as it was
    Click(page, IDC_OVERLAY_ON);
    Click(page, IDC_CALLED_MOST_FIRST);
    PressCancel(sheet);
  });
  EXPECT_EQ(Helper().Options.Flags, SettingsFlags::kDefault);
  EXPECT_EQ(Helper().Options.Order, ListOrder::Stores);
  DWORD stored = 0;
  EXPECT_FALSE(ReadDword(L"Flag", &stored)) << "Cancel wrote Flag " << stored;
  EXPECT_FALSE(ReadDword(L"OrderByCalls", &stored)) << "Cancel wrote OrderByCalls " << stored;
  EXPECT_EQ(Helper().Index.AddressBook.Count(), 1u) << "the stores were not reloaded";
}

TEST_F(GeneralPageTest, ClosingWithoutALoadBoxClickLeavesTheStoresAlone) {
  vostarel::testing::WriteDeviceFile(L"contacts.vcf", kOneContact);
  RunSheet(kGeneralPage, [](HWND sheet) {
    Click(CurrentPage(sheet), IDC_SHOW_NUMBER);
    PressOk(sheet);
  });
  EXPECT_EQ(Helper().Index.AddressBook.Count(), 0u);
}

}  // namespace
}  // namespace settings_test

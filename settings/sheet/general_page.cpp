// The General page: one check box per option bit, and one for the order of
// the rows. The boxes are read into the settings only when the sheet
// applies.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "dial_helper.h"
#include "process_values.h"
#include "resource_ids.h"
#include "settings_store.h"
#include "sheet_pages.h"

namespace vostarel {
namespace {

struct OptionBox {
  int Id;
  uint32_t Bit;
};

// Every box and its bit, in the order the page saves them.
constexpr OptionBox kBoxes[] = {
    {IDC_OVERLAY_ON, SettingsFlags::kOverlayOn},
    {IDC_SHOW_INDEX_COLUMN, SettingsFlags::kShowIndexColumn},
    {IDC_SHOW_NUMBER, SettingsFlags::kShowNumber},
    {IDC_TALK_KEY_DIALS_ROW, SettingsFlags::kTalkKeyActsOnRow},
    {IDC_MATCH_SPELLED_NAME, SettingsFlags::kMatchSpelledName},
    {IDC_MATCH_INITIALS, SettingsFlags::kMatchInitials},
    {IDC_MATCH_NUMBER, SettingsFlags::kMatchNumber},
    {IDC_SPELLED_NAME_ANYWHERE, SettingsFlags::kSpelledNameAnywhere},
    {IDC_INITIALS_ANYWHERE, SettingsFlags::kInitialsAnywhere},
    {IDC_NUMBER_ANYWHERE, SettingsFlags::kNumberAnywhere},
    {IDC_LOAD_ADDRESS_BOOK, SettingsFlags::kLoadAddressBook},
    {IDC_LOAD_SIM, SettingsFlags::kLoadSim},
    {IDC_LOAD_CALL_LOG, SettingsFlags::kLoadCallLog},
    {IDC_CHAINED_EXTENSION, SettingsFlags::kChainedExtension},
};

// The three search boxes; each one's "anywhere" box has the ID three higher
// and can be changed only while the search box is ticked.
bool IsSearchBox(int id) {
  return id == IDC_MATCH_SPELLED_NAME || id == IDC_MATCH_INITIALS || id == IDC_MATCH_NUMBER;
}
constexpr int kAnywhereBoxOffset = IDC_SPELLED_NAME_ANYWHERE - IDC_MATCH_SPELLED_NAME;
static_assert(IDC_INITIALS_ANYWHERE - IDC_MATCH_INITIALS == kAnywhereBoxOffset &&
              IDC_NUMBER_ANYWHERE - IDC_MATCH_NUMBER == kAnywhereBoxOffset);

bool IsLoadBox(int id) {
  return id == IDC_LOAD_ADDRESS_BOOK || id == IDC_LOAD_SIM || id == IDC_LOAD_CALL_LOG;
}

bool IsTicked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }

// The "anywhere" box keeps its tick while disabled, and its bit is saved
// from that tick.
void EnableAnywhereBox(HWND page, int searchBoxId) {
  EnableWindow(GetDlgItem(page, searchBoxId + kAnywhereBoxOffset), IsTicked(page, searchBoxId));
}

void ShowOptions(HWND page, uint32_t flags) {
  for (const OptionBox& box : kBoxes) {
    if (flags & box.Bit) CheckDlgButton(page, box.Id, BST_CHECKED);
  }
  for (const OptionBox& box : kBoxes) {
    if (IsSearchBox(box.Id) && IsTicked(page, box.Id)) EnableAnywhereBox(page, box.Id);
  }
}

void ApplyOptions(HWND page, Settings& settings) {
  uint32_t flags = settings.Flags;  // bits without a box keep their values
  for (const OptionBox& box : kBoxes) {
    flags = IsTicked(page, box.Id) ? (flags | box.Bit) : (flags & ~box.Bit);
  }
  settings.Flags = flags;
  WriteFlag(flags);
  // Written with the sheet's other choices when it closes with OK.
  settings.Order = IsTicked(page, IDC_CALLED_MOST_FIRST) ? ListOrder::CalledMostFirst
                                                         : ListOrder::Stores;
}

}  // namespace

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  DialHelper* helper = g_mainObject;
  if (helper == nullptr) return message == WM_INITDIALOG;
  switch (message) {
    case WM_INITDIALOG:
      ShowOptions(page, helper->Options.Flags);
      if (helper->Options.Order == ListOrder::CalledMostFirst) {
        CheckDlgButton(page, IDC_CALLED_MOST_FIRST, BST_CHECKED);
      }
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (IsSearchBox(id)) EnableAnywhereBox(page, id);
      if (IsLoadBox(id)) helper->Sheet.ReloadStores = TRUE;
      return 0;
    }
    case WM_NOTIFY:
      if (IsApplyNotification(lParam)) ApplyOptions(page, helper->Options);
      return 0;
    default:
      return 0;
  }
}

}  // namespace vostarel

// The Spelling-table page: which syllable table spells Chinese names, with
// a sample name spelled as the user types. The choice applies to the
// speller at once, so the sample shows it; the sheet stores it on OK (and
// then spells the stores again) or takes it back on Cancel
// (sheet_choices.h). The page opens with a sample that each table spells
// differently, so a choice shows what it changes at once.
#include "dial_helper.h"
#include "process_values.h"
#include "resource_ids.h"
#include "sheet_pages.h"
#include "win_text.h"

namespace vostarel {
namespace {

constexpr int kSampleCapacity = 80;
constexpr size_t kSpelledCapacity = 560;
constexpr size_t kInitialsCapacity = 88;

void ShowSample(HWND page, const NameSpeller& speller) {
  wchar_t name[kSampleCapacity] = {};
  GetDlgItemTextW(page, IDC_SAMPLE_NAME, name, kSampleCapacity);
  wchar_t spelled[kSpelledCapacity];
  wchar_t initials[kInitialsCapacity];
  speller.SpellName(AsUtf16(name), AsUtf16(spelled), kSpelledCapacity, AsUtf16(initials),
                    kInitialsCapacity);
  SetDlgItemTextW(page, IDC_SAMPLE_SPELLED, spelled);
  SetDlgItemTextW(page, IDC_SAMPLE_INITIALS, initials);
}

bool IsTableButton(int id) { return id >= IDC_SPELLING_TABLE_0 && id <= IDC_SPELLING_TABLE_2; }

void SetTextFromStringTable(HWND page, int control, UINT stringId) {
  wchar_t text[kSampleCapacity] = {};
  LoadStringW(g_moduleInstance, stringId, text, kSampleCapacity);
  SetDlgItemTextW(page, control, text);
}

void InitPage(HWND page, const NameSpeller& speller) {
  for (int table = 0; table < kSpellingTableCount; ++table) {
    SetTextFromStringTable(page, IDC_SPELLING_TABLE_0 + table, IDS_SPELLING_TABLE_FIRST + table);
  }
  CheckRadioButton(page, IDC_SPELLING_TABLE_0, IDC_SPELLING_TABLE_2,
                   IDC_SPELLING_TABLE_0 + speller.TTable);
  SetTextFromStringTable(page, IDC_SAMPLE_NAME, IDS_SPELLING_SAMPLE);
  ShowSample(page, speller);
}

}  // namespace

INT_PTR CALLBACK SpellingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
  DialHelper* helper = g_mainObject;
  if (helper == nullptr) return message == WM_INITDIALOG;
  NameSpeller& speller = helper->Index.Speller;
  switch (message) {
    case WM_INITDIALOG:
      InitPage(page, speller);
      return TRUE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (IsTableButton(id)) {
        speller.TTable = id - IDC_SPELLING_TABLE_0;
        ShowSample(page, speller);
      } else if (id == IDC_SAMPLE_NAME && HIWORD(wParam) == EN_CHANGE) {
        ShowSample(page, speller);
      }
      return 0;
    }
    default:
      return 0;
  }
}

}  // namespace vostarel

// The Spelling-table page: which syllable table spells Chinese names and
// which Korean keypad's consonant keys find Hangul names, with a sample name
// spelled as the user types. The choices apply to the speller at once, so
// the sample shows them; the sheet stores it on OK (and
// then spells the stores again) or takes it back on Cancel
// (sheet_choices.h). The page opens with a sample that each table spells
// differently, so a choice shows what it changes at once.
#include "dial_helper.h"
#include "name_alternates.h"
#include "process_values.h"
#include "resource_ids.h"
#include "sheet_pages.h"
#include "win_text.h"

namespace vostarel {
namespace {

constexpr int kSampleCapacity = 80;
constexpr size_t kSpelledCapacity = 560;
constexpr size_t kInitialsCapacity = 88;

// The keys of the sample's consonants on the chosen Korean keypad (empty
// without Hangul or without a keypad): the stored spelling of that kind.
struct SampleKeys {
  wchar_t Text[kNameAlternatesCapacity] = {};
};

SampleKeys KeypadKeys(const NameSpeller& speller, const char16_t* name) {
  char16_t records[kNameAlternatesCapacity];
  SpellAlternateLetters(speller, name, false, records, kNameAlternatesCapacity);
  SampleKeys keys;
  const char16_t* record = records;
  if (record[0] == (kAlternateInitials | kAlternateSpelledName)) {
    for (size_t i = 1; record[i] != 0 && i < kNameAlternatesCapacity; ++i) {
      keys.Text[i - 1] = static_cast<wchar_t>(record[i]);
    }
  }
  return keys;
}

void ShowSample(HWND page, const NameSpeller& speller) {
  wchar_t name[kSampleCapacity] = {};
  GetDlgItemTextW(page, IDC_SAMPLE_NAME, name, kSampleCapacity);
  wchar_t spelled[kSpelledCapacity];
  wchar_t initials[kInitialsCapacity];
  speller.SpellName(AsUtf16(name), AsUtf16(spelled), kSpelledCapacity, AsUtf16(initials),
                    kInitialsCapacity);
  SetDlgItemTextW(page, IDC_SAMPLE_SPELLED, spelled);
  SetDlgItemTextW(page, IDC_SAMPLE_INITIALS, initials);
  SetDlgItemTextW(page, IDC_SAMPLE_KEYPAD, KeypadKeys(speller, AsUtf16(name)).Text);
}

bool IsTableButton(int id) { return id >= IDC_SPELLING_TABLE_0 && id <= IDC_SPELLING_TABLE_2; }

constexpr int kKeypadChoices = IDS_KOREAN_KEYPAD_OFF - IDS_KOREAN_KEYPAD_FIRST + 1;

void FillKeypadChoices(HWND page, KoreanKeypad chosen) {
  const HWND box = GetDlgItem(page, IDC_KOREAN_KEYPAD);
  for (int i = 0; i < kKeypadChoices; ++i) {
    wchar_t text[kSampleCapacity] = {};
    LoadStringW(g_moduleInstance, IDS_KOREAN_KEYPAD_FIRST + i, text, kSampleCapacity);
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
}

// The keypad the list box shows now; the speller's when nothing is chosen.
KoreanKeypad ChosenKeypad(HWND page, KoreanKeypad current) {
  const LRESULT index = SendDlgItemMessageW(page, IDC_KOREAN_KEYPAD, CB_GETCURSEL, 0, 0);
  return index >= 0 && index < kKeypadChoices ? static_cast<KoreanKeypad>(index) : current;
}

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
  FillKeypadChoices(page, speller.Keypad);
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
      } else if (id == IDC_KOREAN_KEYPAD && HIWORD(wParam) == CBN_SELCHANGE) {
        speller.Keypad = ChosenKeypad(page, speller.Keypad);
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

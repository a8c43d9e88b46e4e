#include "dial_helper.h"

#include "aygshell.h"
#include "resource_ids.h"
#include "settings_store.h"
#include "user_dictionary_file.h"
#include "win_text.h"

namespace vostarel {

static_assert(IDS_NO_NAME - IDS_LABEL_MOBILE + 1 == static_cast<int>(IndexText::Count),
              "strings 810..818 are the index texts, in IndexText order");

void LoadIndexTexts(IndexTexts& texts, HINSTANCE module) {
  for (int i = 0; i < static_cast<int>(IndexText::Count); ++i) {
    wchar_t text[kDisplayNameCapacity] = {};
    if (LoadStringW(module, IDS_LABEL_MOBILE + i, text, kDisplayNameCapacity) <= 0) text[0] = 0;
    texts.Set(static_cast<IndexText>(i), AsUtf16(text));
  }
}

DialHelper::DialHelper(HINSTANCE module, DialerWindowState& window, SettingsSheetState& sheet)
    : Window(window), Sheet(sheet) {
  // The speller is a member and exists already; the settings give it its
  // table choice before its dictionary is loaded.
  LoadSettings(Options, Index.Speller, module);
  LoadUserDictionary(Index.Speller, module);
  LoadIndexTexts(Index.Texts, module);
  // Stores empty and result count 0.
  Index.Results.Count = 0;
  SHInitExtraControls();
}

DialHelper::~DialHelper() {
  Index.ReleaseStores();
  Index.Speller.FreeUserDictionary();
}

}  // namespace vostarel

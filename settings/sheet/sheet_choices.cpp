#include "sheet_choices.h"

#include "settings_store.h"

namespace vostarel {

SheetChoiceValues TakeSheetChoices(DialHelper& helper) {
  SheetChoiceValues values{};
  for (size_t i = 0; i < kSheetChoiceCount; ++i) values.Values[i] = kSheetChoices[i].Get(helper);
  return values;
}

bool SettleSheetChoices(DialHelper& helper, const SheetChoiceValues& opened, bool applied) {
  bool reload = false;
  for (size_t i = 0; i < kSheetChoiceCount; ++i) {
    const SheetChoice& choice = kSheetChoices[i];
    if (!applied) {
      choice.Set(helper, opened.Values[i]);
      continue;
    }
    // A failed write is not reported: the choice holds until the library
    // is unloaded, as every setting the sheet could not store does.
    const int32_t value = choice.Get(helper);
    WriteChoice(choice.ValueName, value);
    if (choice.ReloadsStores && value != opened.Values[i]) reload = true;
  }
  return reload;
}

}  // namespace vostarel

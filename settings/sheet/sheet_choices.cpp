#include "sheet_choices.h"

#include "settings_store.h"

namespace vostarel {

SheetChoiceValues TakeSheetChoices(DialHelper& helper) {
  SheetChoiceValues values{};
  for (size_t i = 0; i < kSheetChoiceCount; ++i) values.Values[i] = kSheetChoices[i].Field(helper);
  return values;
}

bool SettleSheetChoices(DialHelper& helper, const SheetChoiceValues& opened, bool applied) {
  bool reload = false;
  for (size_t i = 0; i < kSheetChoiceCount; ++i) {
    const SheetChoice& choice = kSheetChoices[i];
    int32_t& field = choice.Field(helper);
    if (!applied) {
      field = opened.Values[i];
      continue;
    }
    // A failed write is not reported: the choice holds until the library
    // is unloaded, as every setting the sheet could not store does.
    WriteChoice(choice.ValueName, field);
    if (choice.ReloadsStores && field != opened.Values[i]) reload = true;
  }
  return reload;
}

}  // namespace vostarel

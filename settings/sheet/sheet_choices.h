// The choices of the settings sheet that last as a REG_DWORD of their own
// under the settings key (the option word, the placement and the commands
// have their pages' apply steps). Each is a field of the main object that the
// settings load fills from its value, read and set as a 32-bit number.
//
// A page may change such a field at once, while the sheet is open (the
// Spelling page does, so that its sample shows the choice). The sheet then
// makes the choice last or takes it back:
// - when the sheet opens it keeps every choice's value;
// - OK writes every choice to its value, after the pages' apply steps have
//   written theirs; when a choice that the stored entries are spelled or
//   sorted by changed, the stores are loaded again;
// - Cancel puts back the values the sheet opened with; no choice asks for a
//   reload, since the stores were never loaded with another value.
//
// To add a choice: give it a field, read it in LoadSettings (with the rule
// for stored values out of range), add a row to kSheetChoices, and let its
// page set the field (at once, or on PSN_APPLY). Nothing else is needed:
// writing, Cancel and the reload come from the row.
#pragma once

#include <cstddef>
#include <cstdint>

#include "command_text.h"
#include "dial_helper.h"

namespace vostarel {

struct SheetChoice {
  const wchar_t* ValueName;
  int32_t (*Get)(const DialHelper& helper);
  void (*Set)(DialHelper& helper, int32_t value);
  // The stores hold what the choice decides (spellings, order): a changed
  // value needs them loaded again.
  bool ReloadsStores;
};

inline constexpr SheetChoice kSheetChoices[] = {
    // Spelling page: the syllable table that spells ideographs.
    {L"TTable", [](const DialHelper& helper) { return helper.Index.Speller.TTable; },
     [](DialHelper& helper, int32_t value) { helper.Index.Speller.TTable = value; }, true},
    // Spelling page: the Korean keypad whose consonant keys find Hangul names.
    {L"KoreanKeypad",
     [](const DialHelper& helper) { return static_cast<int32_t>(helper.Index.Speller.Keypad); },
     [](DialHelper& helper, int32_t value) {
       helper.Index.Speller.Keypad = static_cast<KoreanKeypad>(value);
     },
     true},
    // General page: the people called most first. The counts it orders by
    // are made by the first pass that needs them, so the stores are not
    // loaded again.
    {L"OrderByCalls",
     [](const DialHelper& helper) {
       return int32_t{helper.Options.Order == ListOrder::CalledMostFirst};
     },
     [](DialHelper& helper, int32_t value) {
       helper.Options.Order = ListOrderFromStored(static_cast<uint32_t>(value));
     },
     false},
};
inline constexpr size_t kSheetChoiceCount = sizeof kSheetChoices / sizeof kSheetChoices[0];

struct SheetChoiceValues {
  int32_t Values[kSheetChoiceCount];
};

// Every choice's value now: what the sheet opened with.
SheetChoiceValues TakeSheetChoices(DialHelper& helper);

// After the sheet closed. `applied` (OK): writes every choice to the
// registry and returns whether a choice that reloads the stores differs
// from `opened`. Otherwise (Cancel): puts back `opened` and returns false.
bool SettleSheetChoices(DialHelper& helper, const SheetChoiceValues& opened, bool applied);

}  // namespace vostarel

// The spelling choices the command-line tools take as options, with the
// library's defaults: --table 0|1|2 (the syllable table) and --keypad
// cheonjiin|naratgeul|off (the Korean keypad whose consonant keys find names).
#pragma once

#include <optional>
#include <string>

#include "name_speller.h"

namespace vostarel::cli {

// Applies option `option` with `value` to the speller. Returns an error
// message for a bad value, nothing when applied; not called for other options.
std::optional<std::string> ApplySpellingOption(const std::string& option, const std::string& value,
                                               NameSpeller& speller);

bool IsSpellingOption(const std::string& option);

// "cheonjiin", "naratgeul" or "off".
const char* KeypadWord(KoreanKeypad keypad);

}  // namespace vostarel::cli

#include "spelling_options.h"

namespace vostarel::cli {

namespace {

constexpr KoreanKeypad kKeypads[] = {KoreanKeypad::Cheonjiin, KoreanKeypad::Naratgeul,
                                     KoreanKeypad::Off};

}  // namespace

const char* KeypadWord(KoreanKeypad keypad) {
  switch (keypad) {
    case KoreanKeypad::Cheonjiin: return "cheonjiin";
    case KoreanKeypad::Naratgeul: return "naratgeul";
    case KoreanKeypad::Off: break;
  }
  return "off";
}

bool IsSpellingOption(const std::string& option) {
  return option == "--table" || option == "--keypad";
}

std::optional<std::string> ApplySpellingOption(const std::string& option, const std::string& value,
                                               NameSpeller& speller) {
  if (option == "--table") {
    if (value.size() != 1 || value[0] < '0' || value[0] >= '0' + kSpellingTableCount) {
      return "--table takes 0, 1 or 2, not '" + value + "'";
    }
    speller.TTable = value[0] - '0';
    return std::nullopt;
  }
  for (KoreanKeypad keypad : kKeypads) {
    if (value == KeypadWord(keypad)) {
      speller.Keypad = keypad;
      return std::nullopt;
    }
  }
  return "--keypad takes cheonjiin, naratgeul or off, not '" + value + "'";
}

}  // namespace vostarel::cli

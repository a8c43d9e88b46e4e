#include "number_text.h"

namespace vostarel::cprog {

bool IsDialable(char16_t c) { return (c >= u'0' && c <= u'9') || c == u'*' || c == u'#' || c == u'+'; }

std::optional<std::u16string> ApplyTypedChar(std::u16string_view text, char16_t c) {
  if (c == kBackspace) {
    if (text.empty()) return std::nullopt;
    return std::u16string(text.substr(0, text.size() - 1));
  }
  if (!IsDialable(c) || text.size() >= kNumberCapacity) return std::nullopt;
  std::u16string out(text);
  out.push_back(c);
  return out;
}

std::u16string FittingPaste(std::u16string_view text, std::u16string_view pasted) {
  std::u16string added;
  for (char16_t c : pasted) {
    if (text.size() + added.size() >= kNumberCapacity) break;
    if (IsDialable(c)) added.push_back(c);
  }
  return added;
}

std::u16string CallingStatus(std::u16string_view number, std::u16string_view name) {
  std::u16string status = u"calling ";
  status.append(number);
  if (!name.empty()) {
    status.append(u" (");
    status.append(name);
    status.push_back(u')');
  }
  return status;
}

}  // namespace vostarel::cprog

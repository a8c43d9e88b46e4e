#include "loader_fixture.h"

namespace vostarel::testing {
namespace {

std::string Utf8(const char16_t* text) {
  const auto* wide = reinterpret_cast<const wchar_t*>(text);
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, out.data(), size, nullptr, nullptr);
  out.pop_back();
  return out;
}

}  // namespace

std::string Describe(const ContactEntry& entry) {
  std::string text = std::to_string(entry.EntryId) + "|" + Utf8(entry.DisplayName);
  for (uint32_t i = 0; i < entry.NumberCount && i < kMaxNumbersPerEntry; ++i) {
    text += "|" + Utf8(entry.Numbers[i].Label) + ":" + Utf8(entry.Numbers[i].Number);
  }
  return text;
}

std::vector<std::string> Describe(const ContactStore& store) {
  std::vector<std::string> entries;
  for (const ContactEntry& entry : store) entries.push_back(Describe(entry));
  return entries;
}

}  // namespace vostarel::testing

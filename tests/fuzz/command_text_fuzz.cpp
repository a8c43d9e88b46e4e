// A stored command value (any units, any length) through the parse, the
// formatter and the key map: no crash, no write past a field, and a parsed
// command that formats and parses back to itself.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "command_text.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel;
  fuzz::FuzzInput input(data, size);
  KeyMap map;
  const std::string mapBytes = input.Bytes(kKeyMapBytes);
  std::memset(map.Bytes, 0, sizeof map.Bytes);
  std::memcpy(map.Bytes, mapBytes.data(), mapBytes.size());
  (void)TranslateKey(map, input.Byte() | (input.Byte() << 8));
  (void)SpellingTableFromStored(input.Byte() * 0x01010101u);

  const std::u16string text = input.Text(input.Remaining());
  MenuCommand entry;
  if (!ParseCommandText(text.c_str(), entry)) return 0;
  if (entry.Mode < 0 || entry.Mode > 9) std::abort();
  if (std::char_traits<char16_t>::length(entry.Caption) >= kCaptionCapacity) std::abort();
  if (std::char_traits<char16_t>::length(entry.Command) >= kCommandTextCapacity) std::abort();

  // Exactly sized so AddressSanitizer sees a write past the end.
  std::vector<char16_t> formatted(kCommandValueCapacity);
  FormatCommandText(entry, formatted.data(), formatted.size());
  MenuCommand again;
  // A caption holding "|" cannot come back the same way; the parse never makes one.
  if (!ParseCommandText(formatted.data(), again)) std::abort();
  if (again.Mode != entry.Mode ||
      std::u16string(again.Caption) != std::u16string(entry.Caption) ||
      std::u16string(again.Command) != std::u16string(entry.Command)) {
    std::abort();
  }
  return 0;
}

// Any bytes as calllog.txt, and any call added to it. Adding a call must
// give exactly one more record, first, reading back as written (a full log
// keeps its size), and leave the old records after it unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calllog_file.h"
#include "fuzz_input.h"

namespace {

bool SameRecord(const vostarel::device::CallRecord& a, const vostarel::device::CallRecord& b) {
  return a.Number == b.Number && a.Name == b.Name && a.NameType == b.NameType && a.Note == b.Note;
}

// What the writer makes of a text: TABs, line breaks, zeros and U+FEFF as
// spaces.
std::u16string Sanitized(const std::u16string& text) {
  std::u16string out = text;
  for (char16_t& unit : out) {
    if (unit == u'\t' || unit == u'\r' || unit == u'\n' || unit == 0 || unit == 0xFEFF) {
      unit = u' ';
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vostarel::device;
  vostarel::fuzz::FuzzInput input(data, size);
  const size_t maxRecords = input.Byte() % 8;
  std::u16string number = input.Text(input.Byte() % 40);
  std::u16string name = input.Text(input.Byte() % 40);
  // Unpaired surrogates are written as U+FFFD; keep the check to texts that
  // survive UTF-8 unchanged.
  for (std::u16string* text : {&number, &name}) {
    for (char16_t& unit : *text) {
      if (unit >= 0xD800 && unit <= 0xDFFF) unit = u'?';
    }
  }
  const std::string file = input.Bytes(input.Remaining());

  const std::vector<CallRecord> before = ParseCallLog(file);
  const std::string updated = PrependCallRecord(file, number, name, maxRecords);
  const std::vector<CallRecord> after = ParseCallLog(updated);

  if (FormatCallLogLine(number, name).empty()) {
    if (updated != file) std::abort();
    return 0;
  }
  size_t expected = before.size() + 1;
  if (maxRecords > 0 && expected > maxRecords) expected = maxRecords;
  if (after.size() != expected) std::abort();

  std::u16string wantedNumber = Sanitized(number);
  const size_t first = wantedNumber.find_first_not_of(u" \t");
  wantedNumber = first == std::u16string::npos
                     ? std::u16string()
                     : wantedNumber.substr(first, wantedNumber.find_last_not_of(u" \t") - first + 1);
  if (after[0].Number != wantedNumber || after[0].Name != Sanitized(name)) std::abort();
  for (size_t at = 1; at < after.size(); ++at) {
    if (!SameRecord(after[at], before[at - 1])) std::abort();
  }
  return 0;
}

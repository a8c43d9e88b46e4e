#include "calllog_file.h"

#include "text_lines.h"
#include "utf8.h"

namespace vostarel::device {
namespace {

std::u16string FieldText(const std::vector<std::u16string_view>& fields, size_t index) {
  return index < fields.size() ? std::u16string(fields[index]) : std::u16string();
}

// Characters that would split the field or the line become spaces, and so
// does U+FEFF: at the start of the file it would read as a byte-order mark.
void AppendSanitized(std::u16string& out, std::u16string_view text) {
  for (const char16_t unit : text) {
    const bool breaks =
        unit == u'\t' || unit == u'\r' || unit == u'\n' || unit == 0 || unit == 0xFEFF;
    out.push_back(breaks ? u' ' : unit);
  }
}

bool IsBlankBytes(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::vector<CallRecord> ParseCallLog(std::string_view fileBytes) {
  const std::u16string text = DecodeUtf8(SkipUtf8Bom(fileBytes));
  std::vector<CallRecord> records;
  for (const std::u16string_view line : SplitLines(text)) {
    if (IsBlank(line)) continue;
    const std::vector<std::u16string_view> fields = SplitFields(line);
    CallRecord record;
    record.Number = std::u16string(TrimBlanks(fields[0]));
    record.Name = FieldText(fields, 1);
    record.NameType = FieldText(fields, 2);
    record.Note = FieldText(fields, 3);
    records.push_back(std::move(record));
  }
  return records;
}

std::string FormatCallLogLine(std::u16string_view number, std::u16string_view name) {
  std::u16string line;
  line.reserve(number.size() + name.size() + 1);
  AppendSanitized(line, number);
  line.push_back(u'\t');
  AppendSanitized(line, name);
  if (IsBlank(line)) return std::string();
  std::string bytes = EncodeUtf8(line);
  bytes.append("\r\n");
  return bytes;
}

std::string PrependCallRecord(std::string_view fileBytes, std::u16string_view number,
                              std::u16string_view name, size_t maxRecords) {
  const std::string line = FormatCallLogLine(number, name);
  if (line.empty()) return std::string(fileBytes);
  const std::string_view body = SkipUtf8Bom(fileBytes);
  std::string out(fileBytes.substr(0, fileBytes.size() - body.size()));
  out.append(line);
  if (maxRecords == 0) {
    out.append(body);
    return out;
  }
  // Keep the old lines up to (not including) the record that would make the
  // log longer than maxRecords; records are counted as ParseCallLog counts
  // them, but on the bytes, so kept lines stay byte for byte as they were.
  const size_t oldRecordsKept = maxRecords - 1;
  size_t records = 0;
  size_t at = 0;
  while (at < body.size()) {
    size_t end = body.find_first_of("\r\n", at);
    size_t next = body.size();
    if (end == std::string_view::npos) {
      end = body.size();
    } else {
      next = end + ((body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n') ? 2 : 1);
    }
    if (!IsBlankBytes(body.substr(at, end - at))) {
      if (records == oldRecordsKept) break;
      ++records;
    }
    at = next;
  }
  out.append(body.substr(0, at));
  return out;
}

}  // namespace vostarel::device

// The call log's backing file, UTF-8, one record per line, newest first:
//   number [TAB name [TAB name type [TAB note]]]
//
// What is read:
// - Line ends CR LF, LF or CR; a UTF-8 byte-order mark is skipped.
// - A blank line (nothing, or only spaces and TABs) is no record.
// - Every other line is a record, and counts towards the log's size. Its
//   number has blanks around it removed and may end up empty: that is a
//   call without caller ID, which the platform's log holds too (readers skip
//   such records themselves). Name, name type and note are kept as written
//   and are empty when missing. Fields after the note are ignored.
//
// What is written: the phone application adds one record per placed call as
// the new first line, "number TAB name" and CR LF. TABs, line breaks, zero
// characters and U+FEFF (which would read as a byte-order mark at the start
// of the file) in the texts become spaces, so that the record reads back as
// written apart from the blanks around the number.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vostarel::device {

struct CallRecord {
  std::u16string Number;
  std::u16string Name;
  std::u16string NameType;
  std::u16string Note;
};

// Every record, newest first.
std::vector<CallRecord> ParseCallLog(std::string_view fileBytes);

// The line for one call, UTF-8 with its CR LF; empty when the record would
// read back as a blank line (no number and a name of blanks only), which
// could not be read back as a record.
std::string FormatCallLogLine(std::u16string_view number, std::u16string_view name);

// The file's new content with the call added as the newest record: a
// byte-order mark stays first, the new line follows, then the old lines as
// they were. With maxRecords above 0, old records beyond maxRecords - 1 are
// dropped (the oldest make room, as in a full log). A call that
// FormatCallLogLine cannot write leaves the content unchanged.
std::string PrependCallRecord(std::string_view fileBytes, std::u16string_view number,
                              std::u16string_view name, size_t maxRecords = 0);

}  // namespace vostarel::device

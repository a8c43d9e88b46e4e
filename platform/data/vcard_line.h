// One unfolded vCard content line:
//   [group "."] name *(";" parameter) ":" value
// as vCard 3.0 and 4.0 write it, with the vCard 2.1 habit of bare type
// parameters ("TEL;CELL:...") accepted too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vostarel::device {

struct VCardProperty {
  std::u16string_view Name;  // without its group; compare case-insensitively
  // Every TYPE value, one per entry, whether given as TYPE=a,b, TYPE="a,b",
  // repeated TYPE parameters or bare parameters; blanks trimmed.
  std::vector<std::u16string> Types;
  bool UriValue = false;      // VALUE=uri
  std::u16string_view Value;  // as written: escapes not undone
};

// False for a line that is not a content line: no ":" after the name and
// parameters, an empty or ill-formed name, an unterminated quoted parameter
// value. `property` views `line`.
bool ParseVCardLine(std::u16string_view line, VCardProperty* property);

// Undoes the text escapes "\\", "\,", "\;" and "\n" (or "\N", a line
// break). A backslash before anything else, or at the end, is kept as it is.
std::u16string UnescapeVCardText(std::u16string_view value);

}  // namespace vostarel::device

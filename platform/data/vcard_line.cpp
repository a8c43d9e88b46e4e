#include "vcard_line.h"

#include "text_lines.h"

namespace vostarel::device {
namespace {

bool IsNameUnit(char16_t unit) {
  return (unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z') ||
         (unit >= u'0' && unit <= u'9') || unit == u'-' || unit == u'_';
}

bool IsNameText(std::u16string_view text) {
  if (text.empty()) return false;
  for (const char16_t unit : text) {
    if (!IsNameUnit(unit)) return false;
  }
  return true;
}

// Adds each comma-separated part of a TYPE value.
void AddTypes(std::u16string_view value, std::vector<std::u16string>* types) {
  size_t start = 0;
  for (;;) {
    const size_t comma = value.find(u',', start);
    const std::u16string_view part = TrimBlanks(
        value.substr(start, comma == std::u16string_view::npos ? std::u16string_view::npos
                                                                 : comma - start));
    if (!part.empty()) types->emplace_back(part);
    if (comma == std::u16string_view::npos) return;
    start = comma + 1;
  }
}

// Reads the values of one parameter starting at `at` (just after "="), up to
// the ";" or ":" that ends the parameter. Returns false for a quoted value
// without its closing quote or followed by anything but a delimiter.
bool ReadParameterValues(std::u16string_view line, size_t* at,
                         std::vector<std::u16string_view>* values) {
  size_t pos = *at;
  for (;;) {
    if (pos < line.size() && line[pos] == u'"') {
      const size_t close = line.find(u'"', pos + 1);
      if (close == std::u16string_view::npos) return false;
      values->push_back(line.substr(pos + 1, close - pos - 1));
      pos = close + 1;
      if (pos < line.size() && line[pos] != u',' && line[pos] != u';' && line[pos] != u':') {
        return false;
      }
    } else {
      const size_t end = line.find_first_of(u",;:", pos);
      if (end == std::u16string_view::npos) return false;  // no value part follows
      values->push_back(line.substr(pos, end - pos));
      pos = end;
    }
    if (pos >= line.size()) return false;
    if (line[pos] != u',') break;
    ++pos;
  }
  *at = pos;
  return true;
}

}  // namespace

bool ParseVCardLine(std::u16string_view line, VCardProperty* property) {
  *property = VCardProperty{};
  const size_t nameEnd = line.find_first_of(u";:");
  if (nameEnd == std::u16string_view::npos) return false;
  std::u16string_view name = line.substr(0, nameEnd);
  const size_t dot = name.rfind(u'.');
  if (dot != std::u16string_view::npos) {
    if (!IsNameText(name.substr(0, dot))) return false;
    name.remove_prefix(dot + 1);
  }
  if (!IsNameText(name)) return false;
  property->Name = name;

  size_t at = nameEnd;
  while (line[at] == u';') {
    ++at;
    const size_t paramEnd = line.find_first_of(u"=;:\"", at);
    if (paramEnd == std::u16string_view::npos || line[paramEnd] == u'"') return false;
    const std::u16string_view paramName = TrimBlanks(line.substr(at, paramEnd - at));
    at = paramEnd;
    if (line[at] != u'=') {
      // A bare parameter is a type, as vCard 2.1 writes them.
      AddTypes(paramName, &property->Types);
      continue;
    }
    ++at;
    std::vector<std::u16string_view> values;
    if (!ReadParameterValues(line, &at, &values)) return false;
    for (const std::u16string_view value : values) {
      if (EqualsAsciiNoCase(paramName, "TYPE")) {
        AddTypes(value, &property->Types);
      } else if (EqualsAsciiNoCase(paramName, "VALUE") &&
                 EqualsAsciiNoCase(TrimBlanks(value), "uri")) {
        property->UriValue = true;
      }
    }
  }
  // Here line[at] is ":": every path above stops only at ";" or ":".
  property->Value = line.substr(at + 1);
  return true;
}

std::u16string UnescapeVCardText(std::u16string_view value) {
  std::u16string text;
  text.reserve(value.size());
  for (size_t at = 0; at < value.size(); ++at) {
    const char16_t unit = value[at];
    if (unit != u'\\' || at + 1 == value.size()) {
      text.push_back(unit);
      continue;
    }
    const char16_t next = value[at + 1];
    if (next == u'n' || next == u'N') {
      text.push_back(u'\n');
      ++at;
    } else if (next == u'\\' || next == u',' || next == u';') {
      text.push_back(next);
      ++at;
    } else {
      text.push_back(unit);
    }
  }
  return text;
}

}  // namespace vostarel::device

#include "dictionary_path.h"

#include "text.h"

namespace vostarel {

bool ReplacePathExtension(char16_t* path, size_t capacity, const char16_t* extension) {
  const size_t length = TextLength(path);
  size_t stem = length;  // units kept, the "." included
  for (size_t i = length; i > 0; --i) {
    if (path[i - 1] == u'.') {
      stem = i;
      break;
    }
  }
  const bool addDot = stem == length && (length == 0 || path[length - 1] != u'.');
  const size_t extensionLength = TextLength(extension);
  if (stem + (addDot ? 1 : 0) + extensionLength + 1 > capacity) return false;

  path[stem] = 0;
  TextAppender out = TextAppender::AtEnd(path, capacity);
  if (addDot) out.Append(u'.');
  out.Append(extension, extension + extensionLength);
  return true;
}

}  // namespace vostarel

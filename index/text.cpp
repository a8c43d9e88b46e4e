#include "text.h"

namespace vostarel {

size_t TextLength(const char16_t* text) {
  if (text == nullptr) return 0;
  size_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

bool TextEquals(const char16_t* a, const char16_t* b) {
  static const char16_t kEmpty[1] = {0};
  if (a == nullptr) a = kEmpty;
  if (b == nullptr) b = kEmpty;
  while (*a != 0 && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

size_t CopyText(char16_t* target, size_t capacity, const char16_t* source) {
  TextAppender out(target, capacity);
  if (source != nullptr) {
    while (*source != 0 && out.Room() > 0) out.Append(*source++);
  }
  return out.Length();
}

TextAppender::TextAppender(char16_t* buffer, size_t capacity)
    : buffer_(buffer), capacity_(capacity), length_(0) {
  if (capacity_ > 0) buffer_[0] = 0;
}

TextAppender TextAppender::AtEnd(char16_t* buffer, size_t capacity) {
  size_t length = 0;
  while (length + 1 < capacity && buffer[length] != 0) ++length;
  if (capacity > 0) buffer[length] = 0;
  return TextAppender(buffer, capacity, length);
}

void TextAppender::Append(char16_t unit) {
  if (Room() == 0) return;
  buffer_[length_++] = unit;
  buffer_[length_] = 0;
}

void TextAppender::Append(const char16_t* text, const char16_t* end) {
  while (text < end && Room() > 0) buffer_[length_++] = *text++;
  if (capacity_ > 0) buffer_[length_] = 0;
}

}  // namespace vostarel

// Bounded UTF-16 text helpers. Records keep their texts inline in
// fixed-capacity arrays; every write into such an array goes through
// CopyText or TextAppender, which never pass the capacity and always leave
// the text zero-terminated.
#pragma once

#include <cstddef>

namespace vostarel {

// Length in units of a zero-terminated text; a null pointer counts as empty.
size_t TextLength(const char16_t* text);

// True when both texts hold the same units (null counts as empty).
bool TextEquals(const char16_t* a, const char16_t* b);

// Copies `source` into `target`, which holds `capacity` units including the
// terminator: at most capacity - 1 units are kept and the rest is dropped.
// A null source gives an empty text. Returns the number of units kept.
size_t CopyText(char16_t* target, size_t capacity, const char16_t* source);

template <size_t N>
size_t CopyText(char16_t (&target)[N], const char16_t* source) {
  return CopyText(target, N, source);
}

// Appends units to a zero-terminated text held in a fixed buffer. Units that
// do not fit (the buffer keeps capacity - 1 units of text) are dropped, so the
// text is cut at the capacity. The text is terminated after every append.
class TextAppender {
 public:
  // Starts with an empty text.
  TextAppender(char16_t* buffer, size_t capacity);
  // Continues after the text already in the buffer.
  static TextAppender AtEnd(char16_t* buffer, size_t capacity);

  void Append(char16_t unit);
  // Appends units from `text` up to (not including) `end`.
  void Append(const char16_t* text, const char16_t* end);

  size_t Length() const { return length_; }
  // Units left before the buffer is full.
  size_t Room() const { return capacity_ == 0 ? 0 : capacity_ - 1 - length_; }

 private:
  TextAppender(char16_t* buffer, size_t capacity, size_t length)
      : buffer_(buffer), capacity_(capacity), length_(length) {}

  char16_t* buffer_;
  size_t capacity_;
  size_t length_;
};

}  // namespace vostarel

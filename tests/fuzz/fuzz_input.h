// Splits a fuzz input into the pieces a target needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace vostarel::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint8_t Byte() { return size_ > 0 ? (--size_, *data_++) : 0; }

  // A UTF-16 text of up to `maxUnits` units, stopping at a zero unit.
  std::u16string Text(size_t maxUnits) {
    std::u16string text;
    while (text.size() < maxUnits && size_ >= 2) {
      const char16_t unit = static_cast<char16_t>(data_[0] | (data_[1] << 8));
      data_ += 2;
      size_ -= 2;
      if (unit == 0) break;
      text.push_back(unit);
    }
    return text;
  }

  // `count` raw bytes, or fewer when the input runs out.
  std::string Bytes(size_t count) {
    count = count < size_ ? count : size_;
    std::string bytes(reinterpret_cast<const char*>(data_), count);
    data_ += count;
    size_ -= count;
    return bytes;
  }

  size_t Remaining() const { return size_; }

 private:
  const uint8_t* data_;
  size_t size_;
};

}  // namespace vostarel::fuzz

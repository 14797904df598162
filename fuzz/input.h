#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// A fuzzer's bytes read as the values it needs, in turn; past the end every
// value is 0 and every text empty.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Done() const { return at_ >= size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::uint16_t Uint16() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
  std::uint32_t Uint32() { return Uint16() | static_cast<std::uint32_t>(Uint16()) << 16; }
  std::int32_t Int32() {
    const std::uint32_t bits = Uint32();
    std::int32_t value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  // A text of up to `most` bytes, its length given by the next byte.
  std::string Text(std::size_t most) {
    const std::size_t length =
        std::min<std::size_t>({Byte() % (most + 1), size_ - std::min(at_, size_)});
    std::string text(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

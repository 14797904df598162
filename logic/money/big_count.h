#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace banknotes {

// A whole number of any size, as counts of ways and of combinations grow:
// 10 values and a sum of 10 000 give about 10^36 combinations. Kept in base 10^9.
class BigCount {
 public:
  BigCount(std::uint64_t value = 0);
  BigCount& operator+=(const BigCount& other);
  BigCount& operator*=(std::uint32_t factor);
  friend bool operator==(const BigCount&, const BigCount&) = default;
  // At most `limit`? Without going through the digits.
  bool AtMost(std::uint64_t limit) const;
  double ToDouble() const;
  std::string Digits() const;  // "5000000"

 private:
  std::vector<std::uint32_t> limbs_;  // least significant first; empty for 0
};

}  // namespace banknotes

#include "logic/money/big_count.h"

#include <cstdio>

namespace banknotes {

namespace {
constexpr std::uint32_t kLimb = 1'000'000'000;
}

BigCount::BigCount(std::uint64_t value) {
  for (; value > 0; value /= kLimb) limbs_.push_back(static_cast<std::uint32_t>(value % kLimb));
}

BigCount& BigCount::operator+=(const BigCount& other) {
  if (limbs_.size() < other.limbs_.size()) limbs_.resize(other.limbs_.size(), 0);
  std::uint32_t carry = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    std::uint64_t digit =
        std::uint64_t{limbs_[i]} + carry + (i < other.limbs_.size() ? other.limbs_[i] : 0);
    carry = digit >= kLimb;
    limbs_[i] = static_cast<std::uint32_t>(digit % kLimb);
  }
  if (carry) limbs_.push_back(carry);
  return *this;
}

BigCount& BigCount::operator*=(std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t digit = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(digit % kLimb);
    carry = digit / kLimb;
  }
  for (; carry > 0; carry /= kLimb) limbs_.push_back(static_cast<std::uint32_t>(carry % kLimb));
  if (factor == 0) limbs_.clear();
  return *this;
}

bool BigCount::AtMost(std::uint64_t limit) const {
  if (limbs_.size() > 2)
    return limit >= 1'000'000'000'000'000'000u && ToDouble() <= static_cast<double>(limit);
  const std::uint64_t value = (limbs_.size() > 0 ? limbs_[0] : 0) +
                              (limbs_.size() > 1 ? std::uint64_t{limbs_[1]} * kLimb : 0);
  return value <= limit;
}

double BigCount::ToDouble() const {
  double value = 0;
  for (std::size_t i = limbs_.size(); i-- > 0;) value = value * kLimb + limbs_[i];
  return value;
}

std::string BigCount::Digits() const {
  if (limbs_.empty()) return "0";
  std::string digits = std::to_string(limbs_.back());
  for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
    char limb[10];
    std::snprintf(limb, sizeof limb, "%09u", static_cast<unsigned>(limbs_[i]));
    digits += limb;
  }
  return digits;
}

}  // namespace banknotes

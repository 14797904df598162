#pragma once

#include <exception>

namespace banknotes {

// How a click ended.
enum class Outcome { Success, Overflow, DivisionByZero };

// Thrown by the number rules when a step cannot go on. The actions let it pass
// before they write anything, so the form is untouched; dispatch turns it into
// the click's Outcome.
class NumberError : public std::exception {
 public:
  explicit NumberError(Outcome kind) : kind_(kind) {}
  Outcome kind() const { return kind_; }
  const char* what() const noexcept override {
    return kind_ == Outcome::DivisionByZero ? "division by zero" : "overflow";
  }

 private:
  Outcome kind_;
};

}  // namespace banknotes

#pragma once

#include <exception>
#include <string_view>

namespace banknotes {

// How a click ended.
enum class Outcome { Success, Overflow, DivisionByZero };

// What the user is told when a click fails, as a title and short lines that never
// wrap, so the message keeps its shape at every size. Empty for success.
inline constexpr std::string_view kFailureTitle = "Грешка";
constexpr std::string_view FailureText(Outcome outcome) {
  switch (outcome) {
    case Outcome::Overflow:
      return "Числото е твърде голямо.\nНищо не е променено.";
    case Outcome::DivisionByZero:
      return "Деление на нула.\nНищо не е променено.";
    case Outcome::Success:
      break;
  }
  return "";
}

// What the page says when something fails that it did not expect (its own
// script, or the logic refusing what it was handed).
inline constexpr std::string_view kUnexpectedFailureText = "Нещо се обърка.\nНищо не е променено.";

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

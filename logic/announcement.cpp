#include "logic/announcement.h"

#include "logic/dispatch.h"
#include "logic/number_rules.h"

namespace banknotes {

std::string ClickAnnouncement(std::int16_t button, const FormState& after) {
  switch (button) {
    case kEnterButton:
      return "Обща сума: " + after.Text3[kTotal] + ".";
    case kListButton:
      return "Начини на разбиване: " +
             IntegerText(static_cast<std::int64_t>(after.List1[kSplits].lines().size())) + ".";
    case kClearButton:
      return "Всичко е изчистено.";
    default:
      return "";
  }
}

std::string PracticeAnnouncement(const PracticeState& before, const PracticeState& after) {
  if (!after.answer.empty()) return after.answer.substr(0, after.answer.find('\n'));
  if (after.task != before.task) return after.task;
  return "";
}

}  // namespace banknotes

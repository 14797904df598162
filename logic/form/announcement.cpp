#include "logic/form/announcement.h"

#include "logic/form/dispatch.h"
#include "logic/form/number_rules.h"

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

}  // namespace banknotes

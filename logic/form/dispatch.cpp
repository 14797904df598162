#include "logic/form/dispatch.h"

#include "logic/form/actions.h"

namespace banknotes {

Outcome dispatch(FormState& form, std::int16_t index) {
  try {
    switch (index) {
      case kClearButton:
        ClearAll(form);
        break;
      case kEnterButton:
        EnterPayment(form);
        break;
      case kListButton:
        ListSplits(form);
        break;
      default:
        break;
    }
  } catch (const NumberError& error) {
    return error.kind();
  }
  return Outcome::Success;
}

}  // namespace banknotes

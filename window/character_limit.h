#pragma once

#include <QValidator>

namespace banknotes {

// Holds a text box to the rule of its limit (FitToLimit): one line of at most N
// characters, a typed character past it refused and a paste cut to fit; or, for
// a count, to digits only (FitDigitsToLimit).
class CharacterLimit : public QValidator {
 public:
  CharacterLimit(int limit, bool digits, QObject* parent);
  State validate(QString& input, int& pos) const override;
  int limit() const { return limit_; }

 private:
  int limit_;
  bool digits_;
};

}  // namespace banknotes

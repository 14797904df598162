#pragma once

#include <QValidator>

namespace banknotes {

// Holds a text box to one line of at most N characters (code points, so an emoji is one and
// is never cut in half). A typed character past the limit is refused and a paste
// is cut to fit: what overflows is taken from the end of the inserted text, just
// before the cursor, so the text already there stays. A paste keeps only what
// comes before its first line break (CR or LF), and the limit cuts that.
class CharacterLimit : public QValidator {
 public:
  CharacterLimit(int limit, QObject* parent);
  State validate(QString& input, int& pos) const override;
  int limit() const { return limit_; }

 private:
  int limit_;
};

}  // namespace banknotes

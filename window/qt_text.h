#pragma once

#include <QString>
#include <string_view>

namespace banknotes {

// The logic's UTF-8 text as Qt holds it.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace banknotes

#pragma once

#include <string>
#include <utility>
#include <vector>

#include "logic/form/number_rules.h"
#include "tests/real_text.h"

namespace banknotes::reference {

// The listing done the slow, obvious way: every combination in five nested
// loops, each bound worked out when its loop begins. Kept only as the yardstick
// for tests and benchmarks.
inline std::vector<std::string> LiteralSplits(double sum) {
  std::vector<std::string> lines;
  for (long a = 0; a <= sum; ++a)
    for (long b = 0, b_end = IntegerQuotient(sum, 2); b <= b_end; ++b)
      for (long c = 0, c_end = IntegerQuotient(sum, 5); c <= c_end; ++c)
        for (long d = 0, d_end = IntegerQuotient(sum, 10); d <= d_end; ++d)
          for (long e = 0, e_end = IntegerQuotient(sum, 20); e <= e_end; ++e)
            if (a + 2 * b + 5 * c + 10 * d + 20 * e == sum) {
              std::string line = "20*";
              line += std::to_string(e);
              line += " + 10*";
              line += std::to_string(d);
              line += " + 5*";
              line += std::to_string(c);
              line += " + 2*";
              line += std::to_string(b);
              line += " + 1*";
              line += std::to_string(a);
              line += " = ";
              line += RealText(sum);
              lines.push_back(std::move(line));
            }
  return lines;
}

}  // namespace banknotes::reference

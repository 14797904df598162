// A till of any values and counts: never a crash; what largest first takes and
// the fewest pay come from what the till holds, the fewest pay the amount
// exactly or say they cannot, and are never more than largest first's; the
// smallest failure is one.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <set>

#include "fuzz/input.h"
#include "logic/money/till.h"

using namespace banknotes;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckFromTheTill(const ValueSet& values, const TillCounts& till, const Payment& payment,
                      std::int64_t amount) {
  std::int64_t sum = 0, pieces = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    Check(payment.counts[i] >= 0 && (!till[i] || payment.counts[i] <= *till[i]));
    sum += payment.counts[i] * values[i];
    pieces += payment.counts[i];
  }
  Check(pieces == payment.banknotes);
  Check(payment.paid == (payment.left == 0));
  Check(!payment.paid || sum == amount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  // Up to six distinct values from 1 to 200, largest first, each held 0 to 7
  // times or without limit.
  std::set<int, std::greater<int>> distinct;
  const int kinds = 1 + input.Byte() % 6;
  for (int i = 0; i < kinds; ++i) distinct.insert(1 + input.Byte() % 200);
  const ValueSet values(distinct.begin(), distinct.end());
  TillCounts till;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::uint8_t byte = input.Byte();
    till.push_back(byte % 9 == 8 ? std::nullopt : std::optional<std::int64_t>(byte % 9));
  }
  const std::int64_t amount = input.Uint16() % 2000;
  const Payment greedy = LargestFirstFrom(values, till, amount);
  const Payment fewest = FewestFrom(values, till, amount);
  CheckFromTheTill(values, till, greedy, amount);
  CheckFromTheTill(values, till, fewest, amount);
  Check(!greedy.paid || (fewest.paid && fewest.banknotes <= greedy.banknotes));
  if (const auto failure = SmallestTillFailure(values, till, amount)) {
    Check(failure->amount >= 1 && failure->amount <= amount);
    Check(failure->fewest.paid);
    Check(!failure->largest_first.paid ||
          failure->largest_first.banknotes > failure->fewest.banknotes);
    Check(!TillFailureText(values, till, *failure).empty());
  }
  return 0;
}

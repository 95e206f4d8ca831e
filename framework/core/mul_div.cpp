#include "framework/core/mul_div.h"

#include <algorithm>
#include <cstdint>

namespace hm {

int MulDivRound(int a, int b, int c) {
  if (c == 0) return -1;
  std::int64_t n = static_cast<std::int64_t>(a) * b;
  std::int64_t d = c;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  const std::int64_t half = d / 2;
  // Integer division truncates toward zero; add half the divisor away from zero first.
  const std::int64_t q = n >= 0 ? (n + half) / d : (n - half) / d;
  return static_cast<int>(std::clamp<std::int64_t>(q, INT32_MIN, INT32_MAX));
}

}  // namespace hm

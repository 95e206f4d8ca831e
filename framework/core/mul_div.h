// The system's MulDiv in portable form, for geometry computed without a
// screen (column widths, scroll-bar thumbs).
#pragma once

namespace hm {

// a * b / c rounded to the nearest integer, halves away from zero (as the
// system's MulDiv); -1 when c is 0, as MulDiv answers then.
int MulDivRound(int a, int b, int c);

}  // namespace hm

#pragma once
// How the game turns a real number into a whole one.
#include <cfloat>
#include <cmath>

namespace tomaruk {

// Rounds to the nearest integer, halves to even: every place worked out in real numbers lands on
// its pixel this way, and a computer player's greed scaled by chance on its level. It rounds as
// nearbyint does, without the call: adding 2^52 to the size leaves a double no bits for a
// fraction, and taking it off again leaves the size rounded.
inline int RoundEven(double v) {
  static_assert(FLT_EVAL_METHOD == 0, "the sum is rounded to a double");
  constexpr double kNoFraction = 0x1.0p52;
  return static_cast<int>(std::copysign((std::fabs(v) + kNoFraction) - kNoFraction, v));
}

}  // namespace tomaruk

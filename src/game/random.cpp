#include "game/random.h"

namespace tomaruk {

namespace {
uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}
uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
}  // namespace

void Random::Seed(uint64_t seed) {
  uint64_t x = seed;
  for (auto& w : s_) w = SplitMix(x);
  scripted_.clear();
  draws_ = 0;
}

uint64_t Random::NextBits() {
  const uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

double Random::Next() {
  ++draws_;
  if (!scripted_.empty()) {
    double v = scripted_.front();
    scripted_.pop_front();
    return v;
  }
  return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
}

}  // namespace tomaruk

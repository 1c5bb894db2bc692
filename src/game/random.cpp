#include "game/random.h"

namespace tomaruk {

uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

void Random::Seed(uint64_t seed) {
  uint64_t x = seed;
  for (auto& w : s_) w = SplitMix(x);
  scripted_.clear();
  draws_ = 0;
}

double Random::NextScripted() {
  const double v = scripted_.front();
  scripted_.pop_front();
  return v;
}

}  // namespace tomaruk

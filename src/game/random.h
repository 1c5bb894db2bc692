#pragma once
#include <cstdint>
#include <deque>

namespace tomaruk {

// The game's one random source: xoshiro256** seeded through splitmix64, so a
// seed replays the same game on every build. Tests may script the values.
class Random {
 public:
  explicit Random(uint64_t seed = 1) { Seed(seed); }
  void Seed(uint64_t seed);
  // Uniform in [0, 1). Inline: a deal draws a few thousand numbers, most of them shuffling.
  double Next() {
    ++draws_;
    if (!scripted_.empty()) return NextScripted();
    return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
  }
  // "An integer choice": floor(r * n) + 1, in 1..n.
  int Choice(int n) { return static_cast<int>(Next() * n) + 1; }
  // Scripted values are returned first, in order, before the generator resumes.
  void Script(std::initializer_list<double> values) { scripted_.insert(scripted_.end(), values); }
  void ClearScript() { scripted_.clear(); }
  uint64_t Draws() const { return draws_; }

 private:
  uint64_t NextBits() {
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
  static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  double NextScripted();
  uint64_t s_[4]{};
  std::deque<double> scripted_;
  uint64_t draws_ = 0;
};

}  // namespace tomaruk

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
  // Uniform in [0, 1).
  double Next();
  // "An integer choice": floor(r * n) + 1, in 1..n.
  int Choice(int n) { return static_cast<int>(Next() * n) + 1; }
  // Scripted values are returned first, in order, before the generator resumes.
  void Script(std::initializer_list<double> values) { scripted_.insert(scripted_.end(), values); }
  void ClearScript() { scripted_.clear(); }
  uint64_t Draws() const { return draws_; }

 private:
  uint64_t NextBits();
  uint64_t s_[4]{};
  std::deque<double> scripted_;
  uint64_t draws_ = 0;
};

}  // namespace tomaruk

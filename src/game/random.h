#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>

namespace tomaruk {

// splitmix64: steps x on and returns its next number. It seeds the generator below, and the
// streams of a headless run from the run's seed.
uint64_t SplitMix(uint64_t& x);

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
    return Unit(Step(s_));
  }
  // "An integer choice": floor(r * n) + 1, in 1..n.
  int Choice(int n) { return static_cast<int>(Next() * n) + 1; }
  // Hands `pair` the integer choices in 1..n two at a time, `pairs` times: exactly the choices that
  // many calls of Choice in turn would draw. A shuffle takes its two thousand this way: the
  // generator runs on a copy of its state that stays in registers while the cards are swapped.
  template <class PairFn>
  void ChoicePairs(int n, int pairs, PairFn&& pair) {
    int k = 0;
    for (; k < pairs && !scripted_.empty(); ++k) {
      const int a = Choice(n);
      pair(a, Choice(n));
    }
    // (bits x 2^-53) x n rounds the same exact product as bits x (n x 2^-53): the same choice
    // for one multiplication less.
    const double scale = n * 0x1.0p-53;
    State s = s_;
    for (int i = k; i < pairs; ++i) {
      const int a = static_cast<int>(static_cast<double>(Step(s) >> 11) * scale) + 1;
      const int b = static_cast<int>(static_cast<double>(Step(s) >> 11) * scale) + 1;
      pair(a, b);
    }
    s_ = s;
    draws_ += 2 * static_cast<uint64_t>(pairs - k);
  }
  // Scripted values are returned first, in order, before the generator resumes.
  void Script(std::initializer_list<double> values) { scripted_.insert(scripted_.end(), values); }
  void ClearScript() { scripted_.clear(); }
  uint64_t Draws() const { return draws_; }

 private:
  using State = std::array<uint64_t, 4>;
  // One step of xoshiro256**.
  static uint64_t Step(State& s) {
    const uint64_t result = Rotl(s[1] * 5, 7) * 9;
    const uint64_t t = s[1] << 17;
    s[2] ^= s[0];
    s[3] ^= s[1];
    s[1] ^= s[2];
    s[0] ^= s[3];
    s[2] ^= t;
    s[3] = Rotl(s[3], 45);
    return result;
  }
  // A double in [0, 1) from the top 53 bits.
  static double Unit(uint64_t bits) { return static_cast<double>(bits >> 11) * 0x1.0p-53; }
  static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  double NextScripted();
  State s_{};
  std::deque<double> scripted_;
  uint64_t draws_ = 0;
};

}  // namespace tomaruk

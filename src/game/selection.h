#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace tomaruk {

// Card codes picked for a play, in order: at most a whole hand. The codes are held in place, so a
// play is a plain value that is passed and copied without allocating (a headless run lays
// millions of them). Codes beyond a hand's worth are not taken.
class Selection {
 public:
  using value_type = uint8_t;
  using iterator = uint8_t*;
  using const_iterator = const uint8_t*;
  static constexpr std::size_t kCapacity = 19;  // hand slots 1..19

  Selection() = default;
  Selection(std::initializer_list<uint8_t> codes) : Selection(codes.begin(), codes.end()) {}
  template <class It>
  Selection(It first, It last) {
    for (; first != last; ++first) push_back(static_cast<uint8_t>(*first));
  }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  void clear() { size_ = 0; }
  void push_back(uint8_t code) {
    if (size_ < kCapacity) codes_[size_++] = code;
  }
  uint8_t& operator[](std::size_t i) { return codes_[i]; }
  uint8_t operator[](std::size_t i) const { return codes_[i]; }
  iterator begin() { return codes_.data(); }
  iterator end() { return codes_.data() + size_; }
  const_iterator begin() const { return codes_.data(); }
  const_iterator end() const { return codes_.data() + size_; }
  friend bool operator==(const Selection& a, const Selection& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  std::array<uint8_t, kCapacity> codes_{};
  std::size_t size_ = 0;
};

}  // namespace tomaruk

#include "flow/host.h"

#include <algorithm>
#include <cstdint>

namespace tomaruk {

void Pacer::Wait(int32_t ms) {
  const uint32_t t0 = host_.Millis();
  int64_t d = 0;
  do {
    host_.PumpMessages();
    // Until just past the deadline, unless the window needs us first.
    host_.Idle(static_cast<uint32_t>(std::clamp<int64_t>(int64_t{ms} + 1 - d, 1, INT32_MAX)));
    d = static_cast<int64_t>(host_.Millis() - t0);
  } while (d <= ms);
}

bool Pacer::KeyPressed(int vk) {
  if (vk < 0 || vk > 110) return false;
  const bool s = host_.LeftButtonState();
  if (KeyLatch[vk] == 0 && s) {
    KeyLatch[vk] = -1;
    return true;
  }
  const bool s2 = host_.LeftButtonState();
  if (KeyLatch[vk] != 0 && !s2) KeyLatch[vk] = 0;
  return false;
}

void Pacer::DiscardPendingPress() { (void)host_.LeftButtonState(); }

}  // namespace tomaruk

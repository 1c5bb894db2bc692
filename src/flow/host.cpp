#include "flow/host.h"

namespace tomaruk {

void Pacer::Wait(int32_t ms) {
  const uint32_t t0 = host_.Millis();
  int64_t d = 0;
  do {
    host_.PumpMessages();
    host_.Sleep1();
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

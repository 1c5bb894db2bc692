#pragma once
#include <cstdint>
#include <string>

#include "flow/host.h"
#include "flow/timing.h"

namespace tomaruk {

// A host for games with no window: nothing to pump, no mouse, and a virtual
// clock that every sleep moves a whole second on, so each wait of the game
// (none is longer than kComputerPauseMs) ends after a single pass. The two guard messages are only
// counted.
class HeadlessHost : public Host {
 public:
  void PumpMessages() override {}
  uint32_t Millis() override { return now; }
  void Sleep1() override { now += kStep; }
  bool LeftButtonState() override { return false; }
  Point Cursor() override { return {}; }
  void MessageBox(const std::string& text) override;
  void SetOptionsMenuEnabled(bool) override {}

  static constexpr uint32_t kStep = 1000;
  static_assert(kStep > static_cast<uint32_t>(kComputerPauseMs),
                "every wait of the game ends after one sleep");
  uint32_t now = 0;
  long turnGuards = 0;  // "いつまでやっとんねん。"
  long lineGuards = 0;  // "ライン下げすぎっ"
  long otherMessages = 0;
};

}  // namespace tomaruk

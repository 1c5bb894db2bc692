#pragma once
#include <cstdint>
#include <string>

#include "flow/timing.h"
#include "game/table_layout.h"

namespace tomaruk {

// Raised from our own code (never inside a Qt handler) when the window is
// closed or Escape is pressed; main catches it and returns 0.
struct QuitRequested {};

// Everything the game asks of the platform.
class Host {
 public:
  virtual ~Host() = default;
  // Lets pending window messages run; throws QuitRequested once closing.
  virtual void PumpMessages() = 0;
  // Monotonic milliseconds.
  virtual uint32_t Millis() = 0;
  virtual void Sleep1() = 0;
  // Sleeps for up to ms milliseconds, or less when a window event wants handling. A host with
  // no events to wait for sleeps 1 ms, so the caller checks the clock and sleeps again.
  virtual void Idle(uint32_t ms) {
    (void)ms;
    Sleep1();
  }
  // Left button: down now, or pressed since the last query.
  virtual bool LeftButtonState() = 0;
  // Cursor in client coordinates.
  virtual Point Cursor() = 0;
  // Modal message box with the application's title and an OK button.
  virtual void MessageBox(const std::string& text) = 0;
  virtual void SetOptionsMenuEnabled(bool enabled) = 0;
};

// Input polling and frame timing, written once over a Host.
class Pacer {
 public:
  explicit Pacer(Host& host) : host_(host) {}
  Host& host() { return host_; }
  // Returns after more than ms milliseconds, pumping messages meanwhile.
  void Wait(int32_t ms);
  // True once per press of the key (only the left button, key 1, is used).
  bool KeyPressed(int vk);
  // Reads the button's pending state once and discards it.
  void DiscardPendingPress();
  // One animation frame: start the clock, draw (and present), then wait out
  // the rest of the shortest frame.
  template <class Draw>
  void PacedFrame(Draw draw) {
    FrameStart = host_.Millis();
    draw();
    FrameEnd = host_.Millis();
    FrameTime = static_cast<int32_t>(FrameEnd - FrameStart);
    const int32_t frameMs = AtSpeed(kFrameMs, speed);
    if (FrameTime < frameMs) Wait(frameMs - FrameTime);
  }
  // The pause after a computer turn, and before the table sweeps off.
  void ComputerPause(bool hurry) { Wait(ComputerPauseMs(hurry, speed)); }
  // How fast the game moves: the player's choice in the window, normal everywhere else.
  Speed speed = Speed::kNormal;
  uint32_t FrameStart = 0, FrameEnd = 0;
  int32_t FrameTime = 0;
  int16_t KeyLatch[111] = {};

 private:
  Host& host_;
};

}  // namespace tomaruk

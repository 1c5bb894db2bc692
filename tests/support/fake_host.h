#pragma once
#include <deque>
#include <string>
#include <vector>

#include "flow/host.h"

namespace tomaruk {

// A host with a virtual clock that sleeping advances at once, and a script of
// mouse events.
class FakeHost : public Host {
 public:
  struct Event {
    uint32_t at;  // virtual ms at which it happens
    Point cursor;
    bool press;   // a press (down then up) at that time; false = move only
  };
  void PumpMessages() override;
  uint32_t Millis() override { return now; }
  void Sleep1() override { now += 1; }
  bool LeftButtonState() override;
  Point Cursor() override;
  void MessageBox(const std::string& text) override { messages.push_back(text); }
  void SetOptionsMenuEnabled(bool enabled) override { optionsMenuEnabled = enabled; }

  // Schedules a click at the given point, `after` ms from now.
  void ClickAt(int x, int y, uint32_t after = 1) { events.push_back({now + after, {x, y}, true}); }
  void MoveTo(int x, int y, uint32_t after = 1) { events.push_back({now + after, {x, y}, false}); }

  uint32_t now = 0;
  Point cursor{};
  bool pressPending = false;  // pressed since the last query
  bool buttonDown = false;
  std::deque<Event> events;
  std::vector<std::string> messages;
  bool optionsMenuEnabled = false;
  // Ends the run (QuitRequested) once the clock passes this many ms.
  uint32_t quitAt = 0xFFFFFFFFu;
  long pumps = 0;
};

}  // namespace tomaruk

#pragma once
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "flow/host.h"

namespace tomaruk {

// A host with a virtual clock that sleeping advances at once, and a script of mouse events.
class FakeHost : public Host {
 public:
  struct Event {
    uint32_t at;  // virtual ms at which it happens
    Point cursor;
    bool press;  // a press (down then up) at that time; false = move only
  };
  void PumpMessages() override {
    if (now >= quitAt) throw QuitRequested{};
    for (; !events.empty() && events.front().at <= now; events.pop_front())
      cursor = events.front().cursor, pressPending = pressPending || events.front().press;
    if (onPump) onPump();
  }
  uint32_t Millis() override { return now; }
  void Sleep1() override { now += 1; }
  bool LeftButtonState() override { return std::exchange(pressPending, false); }
  Point Cursor() override { return cursor; }
  void MessageBox(const std::string& text) override { messages.push_back(text); }
  void SetOptionsMenuEnabled(bool enabled) override { optionsMenuEnabled = enabled; }
  // Schedules a click at the given point, `after` ms from now.
  void ClickAt(int x, int y, uint32_t after = 1) { events.push_back({now + after, {x, y}, true}); }

  uint32_t now = 0;
  uint32_t quitAt = 0xFFFFFFFFu;  // ends the run (QuitRequested) once the clock gets there
  Point cursor{};
  bool pressPending = false;  // pressed since the last query
  bool optionsMenuEnabled = false;
  std::deque<Event> events;
  std::vector<std::string> messages;
  std::function<void()> onPump;  // runs at every pump: lets a test change the game mid-deal
};

}  // namespace tomaruk

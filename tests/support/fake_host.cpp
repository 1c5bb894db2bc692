#include "support/fake_host.h"

namespace tomaruk {

void FakeHost::PumpMessages() {
  ++pumps;
  if (now >= quitAt) throw QuitRequested{};
  while (!events.empty() && events.front().at <= now) {
    const Event e = events.front();
    events.pop_front();
    cursor = e.cursor;
    if (e.press) pressPending = true;
  }
}

bool FakeHost::LeftButtonState() {
  const bool s = pressPending || buttonDown;
  pressPending = false;
  return s;
}

Point FakeHost::Cursor() { return cursor; }

}  // namespace tomaruk

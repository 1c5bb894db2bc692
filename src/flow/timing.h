#pragma once
#include <cstdint>

// Every wait and frame time of the game, in milliseconds, in one place. Each wait lets pending
// window messages run, so the window stays alive while the game pauses.
namespace tomaruk {

// The shortest animation frame: a frame that draws faster waits out the rest, so the cards move
// at most 25 frames a second and a slow frame is never skipped.
constexpr int32_t kFrameMs = 40;

// How often the title screen looks for the click that starts a game.
constexpr int32_t kTitlePollMs = 30;

// How often the mouse is read while the player chooses cards, and on the result screens while
// they wait for the click.
constexpr int32_t kClickPollMs = 10;

// The pause between two cards dealt at the start of a deal.
constexpr int32_t kDealtCardMs = 20;

// The pause after a computer seat (or a skipped seat) has chosen, before its play or draw is
// shown, and again before the table sweeps off at the end of a round: the player can follow.
constexpr int32_t kComputerPauseMs = 300;

// When the player is out of the deal and the options say to hurry on, those pauses are this
// many times shorter: the rest of the deal runs on quickly.
constexpr int32_t kHurryDivisor = 5;

// How fast the game moves, chosen by the player (normal unless asked): the pause after a
// computer turn, the pause before the table sweeps off and the animation frame last 1.5, 1 or
// 0.5 times as long. The polls and the pause between dealt cards keep their times. The value is
// the time in halves of the normal time.
enum class Speed { kSlow = 3, kNormal = 2, kFast = 1 };

constexpr int32_t AtSpeed(int32_t ms, Speed speed) { return ms * static_cast<int32_t>(speed) / 2; }

// The pause after a computer turn and before the table sweeps off: short when hurrying on.
constexpr int32_t ComputerPauseMs(bool hurry, Speed speed = Speed::kNormal) {
  const int32_t ms = AtSpeed(kComputerPauseMs, speed);
  return hurry ? ms / kHurryDivisor : ms;
}

}  // namespace tomaruk

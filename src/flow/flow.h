#pragma once
#include <functional>
#include <map>
#include <vector>
#include "ai/computer_player.h"
#include "flow/host.h"
#include "game/state.h"

namespace tomaruk {

// Counts kept by headless runs and tests.
struct FlowStats {
  long illegalComputerPlays = 0;
  std::map<int, long> illegalByCode;  // refused computer plays by decision code
};

// The game's flow over one Game: title, games, deals, turns, human input.
class GameFlow {
 public:
  GameFlow(Game& game, Pacer& pacer) : g(game), pacer(pacer), ai(game) {}
  // Runs one turn of seat Turn.
  void PlayTurn();
  // Plays one deal from NewDeal to EndOfDeal.
  void PlayDeal();
  // Plays deals until GameOver.
  void PlayGame();
  // Title screen: waits for a click inside the client area.
  void TitleScreen();
  // Start-up's endless cycle of title and games (ends by QuitRequested).
  void RunForever();

  // The human's mouse loop: the cards to play, or none for a pass.
  std::vector<uint8_t> HumanInput();

  // When true, seat 1 is played by the computer too (headless runs).
  bool humanIsComputer = false;

  Game& g;
  Pacer& pacer;
  ComputerPlayer ai;
  FlowStats stats;
};

}  // namespace tomaruk

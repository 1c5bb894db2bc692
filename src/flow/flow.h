#pragma once
#include <functional>
#include <map>
#include <vector>
#include "ai/computer_player.h"
#include "flow/host.h"
#include "game/rules.h"
#include "game/state.h"

namespace tomaruk {

// The start-up shared by the window and the headless runs: builds the card table and the eight
// computer characters (the player's seat 1 shows no name), seeds the random source, takes the
// options and seats the computer characters (shuffled when the options say so).
void PrepareGame(Game& g, const OptionRecord& options, uint64_t seed);

// Counts kept by headless runs and tests.
struct FlowStats {
  long illegalComputerPlays = 0;
  std::map<int, long> illegalByCode;  // refused computer plays by decision code
};

// What the last PlayTurn did, for traces and statistics.
struct TurnRecord {
  int seat = 0;
  bool acted = false;     // false when the seat was already out of the deal
  bool computer = false;  // chosen by ComputerTurn
  bool mayPass = false;   // "パス" was allowed (the seat did not lead freely)
  int code = 0;           // the computer's decision code
  Play play;              // as laid: the cards in table order, a stair's key; no cards = pass
  Selection refused;      // a computer play the rules refused (it became a pass)
};

// The game's flow over one Game: title, games, deals, turns, human input.
class GameFlow {
 public:
  GameFlow(Game& game, Pacer& pacer) : g(game), pacer(pacer), ai(game) {}
  // Runs one turn of seat Turn.
  void PlayTurn();
  // Plays one deal from NewDeal to EndOfDeal and returns how it ended.
  DealResult PlayDeal();
  // Plays deals until GameOver.
  void PlayGame();
  // Title screen: waits for a click inside the client area.
  void TitleScreen();
  // A new game after the title's click: scores, deal count and GameOver reset.
  void StartGame();
  // Start-up's endless cycle of title and games (ends by QuitRequested).
  void RunForever();

  // The human's mouse loop: the play, checked by the rules, or no cards for a pass.
  Play HumanInput();

  // When true, seat 1 is played by the computer too (headless runs).
  bool humanIsComputer = false;
  // Called after every turn of PlayDeal (traces, invariant checks).
  std::function<void()> afterTurn;
  TurnRecord lastTurn;

  Game& g;
  Pacer& pacer;
  ComputerPlayer ai;
  FlowStats stats;
};

}  // namespace tomaruk

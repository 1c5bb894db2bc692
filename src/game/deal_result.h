#pragma once
#include <array>
#include <cstdint>

#include "game/state.h"

namespace tomaruk {

// The score table lists at most the last eight deals of a game.
constexpr int kListedDeals = 8;

// How one seat came out of a deal.
struct SeatResult {
  uint8_t Status = kPlaying;               // how it left the deal; kPlaying or kSkipped: still in at the end
  int Kills = 0;                           // seats it made drop out
  int Place = 0;                           // 1 = best; seats on equal keys share the better place
  int Points = 0;                          // scored in this deal
  int Score = 0;                           // the game's total after this deal
  bool ReachedGoal = false;                // Score has reached the winning score
  std::array<int, kListedDeals> Recent{};  // the points of deals FirstListed..Deal, oldest first
};

// The end of one deal as the rules decide it: what the result screens show and what the
// headless runs count. No allocation, so a headless deal pays nothing for it.
struct DealResult {
  int Seats = 0;        // seats 1..Seats took part
  int Deal = 0;         // the deal's number in its game, from 0
  int FirstListed = 0;  // the first deal of the score table: Deal - 7 after seven deals, else 0
  std::array<SeatResult, kMaxSeats + 1> Seat{};  // 1..Seats
  bool GameOver = false;                         // a seat reached the winning score
  int NextStarter = 0;                           // the deal's winner, who starts the next deal
};

}  // namespace tomaruk

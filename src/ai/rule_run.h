#pragma once
// The frame every rule cascade of the computer player works in.
#include "ai/computer_player.h"

namespace tomaruk {

// One run of a cascade of rules over seat Turn's hand. A rule selects hand
// positions through the player and settles the play under its decision code.
struct ComputerPlayer::RuleRun {
  ComputerPlayer& c;
  Game& g;
  const int cc;  // cards in the hand

  explicit RuleRun(ComputerPlayer& cp) : c(cp), g(cp.g), cc(cp.CC()) {}

  int Rank(int p) const { return c.Rank(p); }
  int Suit(int p) const { return c.Suit(p); }
  bool Joker(int p) const { return IsJoker(c.Hand(p)); }
  // Settles the play under the rule's code; true, so that a rule may end with it.
  bool Settle(int code) {
    c.Decide(code);
    return true;
  }
};

}  // namespace tomaruk

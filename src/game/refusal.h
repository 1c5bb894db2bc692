#pragma once
// Why the rules refuse the player's 決定 or パス: nothing in the game asks it, only a player who
// wants to be told.
#include "game/rules.h"

namespace tomaruk {

enum class Refusal {
  kNone,           // the rules take it
  kMustPlay,       // パス while leading freely
  kNoCombination,  // neither a set nor a stair
  kCount,          // not as many cards as the table
  kKind,           // a set against a stair, or a stair against a set
  kSuitLock,       // the suits do not follow the locked table
  kParityLock,     // the even/odd lock asks for the other faces
  kTooWeak,        // does not beat the table in the order in force
};

// The first reason the rules have to refuse these cards (in hand order) from the seat to move;
// no cards stand for a pass.
Refusal RefusalReason(const Game& g, const Selection& picked);

}  // namespace tomaruk

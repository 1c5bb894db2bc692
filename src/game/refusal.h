#pragma once
// Why the rules refuse the player's 決定 or パス, for a player who wants to be told.
#include "game/rules.h"

namespace tomaruk {

// The first reason the rules have to refuse these cards (in hand order) from the seat to move;
// no cards stand for a pass.
Refusal RefusalReason(const Game& g, const Selection& picked);

}  // namespace tomaruk

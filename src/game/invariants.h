#pragma once
#include <string>

#include "game/state.h"

namespace tomaruk {

// Checks what must hold between two turns of a deal: the 142 cards conserved
// and CardPlace agreeing with the piles, SeatsInPlay equal to the seats still
// playing, every status matching its FinishKey and hand, the turn state in
// range, and while two or more seats still play, a limit of at least 1 that
// every playing hand stays below. Returns "" when sound, else what is wrong.
// cardsFailed, when given, is set to whether the card check alone failed.
std::string CheckInvariants(const Game& g, bool* cardsFailed = nullptr);

}  // namespace tomaruk

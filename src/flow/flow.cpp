#include "flow/flow.h"

#include "game/deal.h"
#include "game/rules.h"

namespace tomaruk {
// Stub: filled in by the game-flow work.
void GameFlow::PlayTurn() {}
void GameFlow::PlayDeal() {}
void GameFlow::PlayGame() {}
void GameFlow::TitleScreen() {}
void GameFlow::RunForever() {}
}  // namespace tomaruk

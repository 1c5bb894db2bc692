#include "game/refusal.h"

namespace tomaruk {

Refusal RefusalReason(const Game& g, const Selection& picked) {
  if (picked.empty()) return PassAllowed(g) ? Refusal::kNone : Refusal::kMustPlay;
  const std::optional<Play> play = SetOrStair(g, picked);
  if (!play) return Refusal::kNoCombination;
  return FlushesTableJoker(g, play->cards) ? Refusal::kNone : AgainstTable(g, *play);
}

}  // namespace tomaruk

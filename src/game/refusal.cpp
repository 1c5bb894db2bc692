#include "game/refusal.h"

#include "game/card_facts.h"

namespace tomaruk {

Refusal RefusalReason(const Game& g, const Selection& picked) {
  if (picked.empty()) return PassAllowed(g) ? Refusal::kNone : Refusal::kMustPlay;
  if (ValidatePlay(g, picked)) return Refusal::kNone;
  const std::optional<Play> play = SetOrStair(g, picked);
  if (!play) return Refusal::kNoCombination;
  // The table's checks in the order the rules make them.
  const TableRecord& t = g.Table;
  const int first = g.RankOf(play->cards[0]);
  if (static_cast<int>(play->cards.size()) != t.Count) return Refusal::kCount;
  if ((t.StairKey == kNoStair) != (play->stairKey == kNoStair)) return Refusal::kKind;
  if (t.SuitLock && !FollowsTableSuits(g, play->cards)) return Refusal::kSuitLock;
  if (g.Options.EvenOddLock() && t.ParityLock && !FollowsParityLock(g, first)) return Refusal::kParityLock;
  return Refusal::kTooWeak;
}

}  // namespace tomaruk

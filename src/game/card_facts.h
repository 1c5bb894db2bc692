#pragma once
// The table's rule predicates, written once: the even/odd lock, "beats the
// table under the current order", the suit lock and the spade flush of a joker.
// Validation, the effects and the computer players all ask these.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "game/selection.h"
#include "game/state.h"

namespace tomaruk {

// The even/odd lock asks for even faces in normal order and for odd faces under
// a revolution. It goes by Revolution alone: a J's turn of the order does not move it.
inline bool FollowsParityLock(const Game& g, int rank) { return IsEvenFace(rank) == (g.Revolution > 0); }

// A play beats the table by its first card alone, sets and stairs alike: in the
// current order (a J's turn times the revolution) a higher rank wins; when the
// order is turned a lower one does, and the joker, counted as 0 there, still
// beats everything.
inline bool BeatsTable(const Game& g, int firstRank) {
  const int tableRank = g.RankOf(g.Table.Cards[1]);
  return g.TempRevolution * g.Revolution > 0 ? firstRank > tableRank
                                             : firstRank % kRankJoker < tableRank % kRankJoker;
}

// The suit lock: the card at each position k = 1..n has the suit of the
// table's card at that position; a joker, suit 0, matches only a joker.
// suitAt(k) is the suit of the play's card at position k.
template <class SuitAt>
bool FollowsTableSuits(const Game& g, int n, SuitAt suitAt) {
  for (int k = 1; k <= n && k <= kMaxPlayCards; ++k)
    if (suitAt(k) != g.SuitOf(g.Table.Cards[k])) return false;
  return true;
}
// The same for cards in the order they go on the table.
inline bool FollowsTableSuits(const Game& g, const Selection& cards) {
  return FollowsTableSuits(g, static_cast<int>(cards.size()), [&](int k) { return g.SuitOf(cards[k - 1]); });
}

// Whether the cards are exactly these codes, in this order.
template <class Cards, std::size_t N>
bool IsExactly(const Cards& cards, const std::array<uint8_t, N>& codes) {
  return cards.size() == N && std::equal(cards.begin(), cards.end(), codes.begin());
}

// The four red 10s played together (in hand order, as every play of them is).
template <class Cards>
bool IsFourTens(const Cards& cards) {
  return IsExactly(cards, kFourTens);
}

// A lone joker on the table is flushed by the three spade 3s in normal order
// and by the three spade 2s under a revolution (a J's turn does not count).
inline bool FlushesLoneJoker(const Game& g, const Selection& cards) {
  return g.Revolution > 0 ? IsExactly(cards, kSpadeThrees) : IsExactly(cards, kSpadeTwos);
}
// All six spade 3s and 2s flush any combination led by a joker.
inline bool FlushesJokerGroup(const Selection& cards) { return IsExactly(cards, kSpadeThreesAndTwos); }

}  // namespace tomaruk

// The stair search: finds a run of one suit (jokers filling gaps) in the hand,
// selects it and gives the play the stair's key.
//
// Stair index: -1, 0, 1, 2 stand for Q, K, A, 2 (rank = index + 13), 3 up to
// the 2's own rank for the ranks themselves, so A and 2 appear both low and high.
//
// Decision codes:
//   2201  stair led (the longest, then the highest start, then the first suit)
//   2202  stair answered (the highest start of exactly the table's length that
//         the table admits); the decision core files this one under code 199
#include <algorithm>
#include <array>

#include "ai/computer_player.h"
#include "game/card_facts.h"

namespace tomaruk {

namespace {
constexpr int kLowIndex = -4;
// The highest start index: a run from the 2 itself.
constexpr int kHighIndex = kRank2;
int IndexRank(int x) { return x <= 2 ? x + kRankK : x; }
}  // namespace

void ComputerPlayer::ChooseStairPlay() {
  const SeatRecord& rec = g.Seat[g.Turn];
  const int cc = rec.CardCount;
  const int minStair = g.Options.MinStair;
  if (cc < minStair) return;

  // Len[s][k - kLowIndex]: length of the usable stair of suit s from index k.
  std::array<std::array<int, 20>, 5> len{};
  const auto at = [&](int s, int k) -> int& { return len[s][k - kLowIndex]; };

  // Jokers stand in for missing cards, two at most.
  int budget = std::min(Index.Jokers, 2);
  if (minStair < 4) budget = minStair - 2;

  const bool answering = g.LeadSeat != g.Turn;
  const int tableSuit = g.SuitOf(g.Table.Cards[1]);
  const auto find = [&](int from, int suit, int rank) { return Index.FindFrom(from, suit, rank); };
  // The run of suit s from index k, jokers filling the gaps, counting only the cards from hand
  // position j on.
  const auto runFrom = [&](int s, int k, int j) {
    int x = k;
    int jokersLeft = budget;
    for (;;) {
      int wanted = 0;  // nothing more to find
      if (k <= 2)
        wanted = x + kRankK;
      else if (x - k <= 12)
        wanted = x;
      if (wanted != 0 && find(j, s, wanted) != 0) {
        ++x;
      } else if (jokersLeft > 0) {
        --jokersLeft;
        ++x;
      } else {
        break;
      }
    }
    return x - k;
  };
  // A run counts when it is as long as the table's and as the shortest stair.
  const int need = std::max<int>(g.Table.Count, minStair);

  bool any = false;
  for (int s = 1; s <= 4; ++s) {
    if (g.Table.SuitLock && s != tableSuit) continue;
    // A run long enough holds at least need - budget ranks of its suit.
    if (Index.RanksOf(s) < need - std::max(budget, 0)) continue;
    for (int k = 1 - budget; k <= kHighIndex; ++k) {
      if (answering && OrderSign * g.Table.StairKey >= OrderSign * k) continue;
      // The run from index k is taken from the last hand position j from which it is still long
      // enough (without jokers that is the run's own first card). Moving j up only drops cards,
      // so when the run from the first position is too short, none is long enough.
      if (runFrom(s, k, 1) < need) continue;
      for (int j = cc; j >= 1; --j) {
        const int length = runFrom(s, k, j);
        if (length >= need) {
          at(s, k) = length;
          any = true;
          break;
        }
      }
    }
  }
  if (!any) return;

  // The table judges an answer by its first card, not by its start index: a joker
  // in front of a run leaves the first real card above the index. Under the suit
  // lock it also wants the table's suits card by card, a joker for a joker, and
  // under the even/odd lock a first card of the face value the lock asks for.
  const auto tableAdmits = [&](int s, int k) {
    const int length = at(s, k);
    int firstRank = 0, real = 0;
    for (int c = 0; c < length; ++c) {
      if (find(1, s, IndexRank(k + c)) == 0) continue;
      if (firstRank == 0) firstRank = IndexRank(k + c);
      ++real;
    }
    if (!BeatsTable(g, firstRank)) return false;
    if (g.Table.ParityLock && !FollowsParityLock(g, firstRank)) return false;
    // The real cards lead the run and the jokers close it.
    return !g.Table.SuitLock || FollowsTableSuits(g, length, [&](int i) { return i <= real ? s : kNoSuit; });
  };

  int bestS = 1, bestK = 1;
  bool chosen = false;
  for (int s = 1; s <= 4; ++s) {
    for (int k = 2 - minStair; k <= kHighIndex; ++k) {
      if (k < kLowIndex) continue;
      if (!answering) {
        if (at(s, k) > at(bestS, bestK) || (at(s, k) == at(bestS, bestK) && k > bestK)) {
          bestS = s;
          bestK = k;
          chosen = true;
        }
      } else if (at(s, k) == g.Table.Count && k > bestK && tableAdmits(s, k)) {
        bestS = s;
        bestK = k;
        chosen = true;
      }
    }
  }
  // Nothing of the table's length above index 1: no answer.
  if (answering && !chosen) return;

  const int length = at(bestS, bestK);
  int jokersUsed = 0;
  for (int c = 0; c < length; ++c) {
    const int p = find(1, bestS, IndexRank(bestK + c));
    if (p != 0) {
      Select(p);
    } else {
      Select(cc - jokersUsed);
      ++jokersUsed;
    }
  }
  Decide(answering ? 2202 : 2201);
  ChosenStairKey = bestK;
}

}  // namespace tomaruk

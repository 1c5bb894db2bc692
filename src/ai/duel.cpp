// Two-player play: with one opponent left, watch its count against the limit and
// its strongest card, keep the lead or push it over the limit.
//
// Decision codes:
//   2101  lead: the opponent is at the limit - a 5, a joker or the black 7s
//   2102  lead: near the limit - the strongest card that tops the opponent's best
//   2103  lead: near the limit - the weakest group
//   2104  lead: the opponent holds one card - the smallest exact group of two or more
//   2105  lead: the opponent holds one card - a single from 9 upwards
//   2106  lead: the opponent holds two cards - the largest exact group from 9 upwards
//   2121  answer: a group the opponent cannot answer (too many cards)
//   2122  answer: the same, made up with a joker
//   2123  answer: one rank left - 2s (3s reversed)
//   2124  answer: one rank left - 5s
//   2125  answer: one rank left - 8s
//   2126  answer: one rank left - jokers
//   2127  answer: the opponent holds one card - the strongest exact group that beats the table
#include "ai/computer_player.h"

namespace tomaruk {

void ComputerPlayer::ChooseDuelPlay() {
  const int n = CC();
  const int os = OrderSign;
  const int S = g.Revolution > 0 ? kRank2 : kRank3;
  const auto R = [&](int p) { return Rank(p); };
  const auto selectRun = [&](int from, int count) {
    for (int p = from; p < from + count; ++p) Select(p);
  };

  int opponent = 0;
  for (int s = 1; s <= g.Options.SeatCount; ++s)
    if (s != g.Turn && g.Seat[s].Status == kPlaying) opponent = s;
  if (opponent == 0) return;
  const int opN = g.Seat[opponent].CardCount;
  int opTop = g.RankOf(g.HandCard(opponent, opN));
  if (os < 0 && !IsJoker(g.HandCard(opponent, opN))) opTop = g.RankOf(g.HandCard(opponent, 1));

  int fives = 0, eights = 0, jokers = 0, blackSevens = 0, tops = 0;
  for (int p = 1; p <= n; ++p) {
    const int r = R(p);
    if (Rule5 && r == kRank5) ++fives;
    if (Rule8 && r == kRank8) ++eights;
    if (r == kRankJoker) ++jokers;
    if (Rule7 && r == kRank7 && IsBlack(g, Hand(p))) ++blackSevens;
    if (r == S) ++tops;
  }

  if (g.LeadSeat == g.Turn && !g.DealStart) {
    const int gap = g.Line - opN - (jokers + fives + blackSevens);
    // 1. The opponent is at the limit: anything that makes it draw.
    if (gap <= 0) {
      if (fives > 0) {
        for (int p = 1; p <= n; ++p)
          if (R(p) == kRank5) {
            Select(p);
            break;
          }
      } else if (jokers > 0) {
        Select(n);
      } else if (blackSevens > 0) {
        for (int p = 1; p <= n; ++p)
          if (R(p) == kRank7 && IsBlack(g, Hand(p))) Select(p);
      } else {
        return;
      }
      return Decide(2101);
    }
    // 2. Close to the limit.
    if (gap == 1 || (gap == 2 && TraitB >= 4)) {
      if (TraitA == 5) {
        for (int p = n; p >= 1; --p) {
          const int r = R(p);
          if (os * r > os * opTop && r != kRankJoker && r != kRank7 && r != kRank5) {
            Select(p);
            return Decide(2102);
          }
        }
      }
      if (TraitB < 3) return;
      if (R(1) * g.Revolution > kRank5 * g.Revolution) {
        const int low = R(1);
        for (int p = 1; p <= n; ++p)
          if (R(p) == low) Select(p);
        return Decide(2103);
      }
      return;
    }
    // 3. Otherwise, by the opponent's count.
    if (opN == 1) {
      for (int size = 2; size <= n; ++size)
        for (int p = 1; p <= n; ++p)
          if (IsExactGroup(p, size, kRank3, kRank2 - TraitF2, 1, 0)) {
            selectRun(p, size);
            return Decide(2104);
          }
      for (int p = n; p >= 1; --p)
        if (IsExactGroup(p, 1, kRank9, kRank2 - TraitF2, 1, 0)) {
          Select(p);
          return Decide(2105);
        }
      return;
    }
    if (opN == 2) {
      for (int size = n; size >= 1; --size)
        for (int p = n - size + 1; p >= 1; --p)
          if (IsExactGroup(p, size, kRank9, kRankJoker, 1, 0) && R(p) != kRankJ) {
            selectRun(p, size);
            return Decide(2106);
          }
    }
    return;
  }

  // Answering. A stair on the table is answered by a stair only: that is the
  // stair search's business, not this one's.
  if (g.Table.StairKey != 255) return;
  const int tc = g.Table.Count;
  const int t1 = g.Table.Cards[1];
  const int t1Rank = g.RankOf(t1);
  const bool locksClear = !g.Table.SuitLock && !g.Table.ParityLock;

  // 1. The opponent cannot answer this many cards. A joker on the table is
  // unbeatable in either order, so it is never answered here.
  if (locksClear && opN < tc && !IsJoker(t1)) {
    const int lo = os > 0 ? t1Rank + 1 : kRank3;
    const int hi = os > 0 ? kRank2 : t1Rank - 1;
    for (int p = 1; p <= n; ++p)
      if (IsExactGroup(p, tc, lo, hi, os, 0)) {
        selectRun(p, tc);
        return Decide(2121);
      }
    if (R(n) == kRankJoker) {
      for (int p = 1; p <= n - 1; ++p)
        if (IsExactGroup(p, tc - 1, lo, hi, os, 0)) {
          selectRun(p, tc - 1);
          Select(n);
          return Decide(2122);
        }
    }
  }
  // 2. The opponent's last card is a strong one: leave it to the general rules.
  if (TraitA >= 4 && opN == 1 && n <= g.Line - 2) {
    const int last = g.RankOf(g.HandCard(opponent, 1));
    if (last == kRank9 || last == kRank8 || last == kRankJoker || last == S) {
      Decided = false;
      return;
    }
  }
  // 3. Set aside the strong cards and the groups of three or more.
  std::array<bool, kHandSlots + 2> marked{};
  for (int p = 1; p <= n; ++p) {
    const int r = R(p);
    if (r == kRank8 || r == kRank5 || r == kRankJoker || r == S) marked[p] = true;
  }
  for (int p = 1; p <= n - 2; ++p)
    if (R(p) == R(p + 2)) marked[p] = marked[p + 1] = marked[p + 2] = true;
  int first = 0, last = 0;
  for (int p = 1; p <= n; ++p)
    if (!marked[p]) {
      if (first == 0) first = p;
      last = p;
    }
  if (first == 0) return;
  // 4. Only one rank besides them: play a strong group now.
  if (R(first) == R(last) && !IsJoker(t1) && locksClear) {
    const auto firstOf = [&](int rank) {
      for (int p = 1; p <= n; ++p)
        if (R(p) == rank) return p;
      return 0;
    };
    if (os * t1Rank < os * S && tops >= tc) {
      selectRun(firstOf(S), tc);
      return Decide(2123);
    }
    if (os * t1Rank < os * kRank5 && fives >= tc) {
      selectRun(firstOf(kRank5), tc);
      return Decide(2124);
    }
    if (os * t1Rank < os * kRank8 && eights >= tc) {
      selectRun(firstOf(kRank8), tc);
      return Decide(2125);
    }
    if (jokers >= tc) {
      selectRun(n - tc + 1, tc);
      return Decide(2126);
    }
  }
  // 5. The opponent holds one card: the strongest exact group that beats the table.
  if (opN == 1 && locksClear && !IsJoker(t1)) {
    const int lo = os > 0 ? t1Rank + 1 : kRank3;
    const int hi = os > 0 ? kRankJoker : t1Rank - 1;
    const int top = n + 1 - tc;
    for (int i = 0; i < top; ++i) {
      const int p = os > 0 ? top - i : 1 + i;
      if (IsExactGroup(p, tc, lo, hi, -os, 0)) {
        selectRun(p, tc);
        return Decide(2127);
      }
    }
  }
}

}  // namespace tomaruk

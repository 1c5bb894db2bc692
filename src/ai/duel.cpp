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
#include <array>

#include "ai/rule_run.h"

namespace tomaruk {

// One run of the two-player play over seat Turn's hand and its one opponent.
struct ComputerPlayer::DuelPlay : RuleRun {
  const int os;  // the order: +1 normal, -1 reversed
  const int S;   // the strongest plain rank under the revolution
  int opponent = 0;
  int opN = 0;    // the opponent's card count
  int opTop = 0;  // the rank of the opponent's strongest card in the current order
  // The hand's counts: 5s, 8s and black 7s only while their effects are on.
  int fives = 0, eights = 0, jokers = 0, blackSevens = 0, tops = 0;

  explicit DuelPlay(ComputerPlayer& cp)
      : RuleRun(cp), os(cp.OrderSign), S(cp.g.Revolution > 0 ? kRank2 : kRank3) {
    // The last seat in seat order, other than this one, still playing.
    for (int s = 1; s <= g.Options.SeatCount; ++s)
      if (s != g.Turn && g.Seat[s].Status == kPlaying) opponent = s;
    if (opponent == 0) return;
    opN = g.Seat[opponent].CardCount;
    opTop = g.RankOf(g.HandCard(opponent, opN));
    if (os < 0 && !IsJoker(g.HandCard(opponent, opN))) opTop = g.RankOf(g.HandCard(opponent, 1));
    for (int p = 1; p <= cc; ++p) {
      const int r = Rank(p);
      if (c.Rule5 && r == kRank5) ++fives;
      if (c.Rule8 && r == kRank8) ++eights;
      if (r == kRankJoker) ++jokers;
      if (c.Rule7 && IsBlackSeven(p)) ++blackSevens;
      if (r == S) ++tops;
    }
  }

  bool IsBlackSeven(int p) const { return Rank(p) == kRank7 && IsBlack(g, c.Hand(p)); }
  // The first position holding the rank, 0 when none.
  int FirstOf(int rank) const {
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == rank) return p;
    return 0;
  }

  void Run() {
    if (opponent == 0) return;
    if (g.LeadSeat == g.Turn && !g.DealStart)
      Lead();
    else
      Answer();
  }

  // Leading, by how close the opponent is to the limit once this seat's 5s,
  // jokers and black 7s have made it draw.
  void Lead() {
    const int gap = g.Line - opN - (jokers + fives + blackSevens);
    if (gap <= 0)
      OpponentAtTheLimit();
    else if (gap == 1 || (gap == 2 && c.TraitB >= 4))
      OpponentNearTheLimit();
    else if (opN == 1)
      OpponentHoldsOne();
    else if (opN == 2)
      OpponentHoldsTwo();
  }

  // Anything that makes the opponent draw: a 5, a joker, or the black 7s.
  void OpponentAtTheLimit() {
    if (fives > 0) {
      c.Select(FirstOf(kRank5));
    } else if (jokers > 0) {
      c.Select(cc);
    } else if (blackSevens > 0) {
      for (int p = 1; p <= cc; ++p)
        if (IsBlackSeven(p)) c.Select(p);
    } else {
      return;
    }
    Settle(2101);
  }

  // The shrewdest lead the strongest plain card that tops the opponent's best;
  // the bold lead their weakest group while it is above the 5.
  void OpponentNearTheLimit() {
    if (c.TraitA == 5)
      for (int p = cc; p >= 1; --p) {
        const int r = Rank(p);
        if (os * r > os * opTop && r != kRankJoker && r != kRank7 && r != kRank5) {
          c.Select(p);
          Settle(2102);
          return;
        }
      }
    if (c.TraitB < 3) return;
    if (Rank(1) * g.Revolution > kRank5 * g.Revolution) {
      c.SelectRank(Rank(1));
      Settle(2103);
    }
  }

  // The opponent holds one card: the smallest exact group of two or more, else
  // the strongest single from the 9 up.
  void OpponentHoldsOne() {
    for (int size = 2; size <= cc; ++size)
      for (int p = 1; p <= cc; ++p)
        if (c.IsExactGroup(p, size, kRank3, kRank2 - c.TraitF2, 1, 0)) {
          c.SelectRun(p, size);
          Settle(2104);
          return;
        }
    for (int p = cc; p >= 1; --p)
      if (c.IsExactGroup(p, 1, kRank9, kRank2 - c.TraitF2, 1, 0)) {
        c.Select(p);
        Settle(2105);
        return;
      }
  }

  // The opponent holds two cards: the largest exact group from the 9 up, no Js.
  void OpponentHoldsTwo() {
    for (int size = cc; size >= 1; --size)
      for (int p = cc - size + 1; p >= 1; --p)
        if (c.IsExactGroup(p, size, kRank9, kRankJoker, 1, 0) && Rank(p) != kRankJ) {
          c.SelectRun(p, size);
          Settle(2106);
          return;
        }
  }

  // Answering. A stair on the table is answered by a stair only: that is the
  // stair search's business, not this one's. A joker on the table is
  // unbeatable in either order, so no rule here answers it.
  void Answer() {
    if (g.Table.StairKey != kNoStair) return;
    if (TooManyForTheOpponent() || LeaveToTheGeneralRules() || StrongGroupNow()) return;
    StrongestGroupOverOne();
  }

  int TableCount() const { return g.Table.Count; }
  int TableRank() const { return g.RankOf(g.Table.Cards[1]); }
  bool TableJoker() const { return IsJoker(g.Table.Cards[1]); }
  bool LocksClear() const { return !g.Table.SuitLock && !g.Table.ParityLock; }
  // The ranks that beat the table in the current order, up to the given top.
  int WindowLow() const { return os > 0 ? TableRank() + 1 : kRank3; }
  int WindowHigh(int top) const { return os > 0 ? top : TableRank() - 1; }

  // The opponent cannot answer this many cards: the first exact group that
  // beats the table, or one card short of it with the top joker.
  bool TooManyForTheOpponent() {
    const int tc = TableCount();
    if (!(LocksClear() && opN < tc && !TableJoker())) return false;
    const int lo = WindowLow(), hi = WindowHigh(kRank2);
    for (int p = 1; p <= cc; ++p)
      if (c.IsExactGroup(p, tc, lo, hi, os, 0)) {
        c.SelectRun(p, tc);
        return Settle(2121);
      }
    if (Rank(cc) != kRankJoker) return false;
    for (int p = 1; p <= cc - 1; ++p)
      if (c.IsExactGroup(p, tc - 1, lo, hi, os, 0)) {
        c.SelectRun(p, tc - 1);
        c.Select(cc);
        return Settle(2122);
      }
    return false;
  }

  // The opponent's last card is a strong one: no choice here, and the
  // decision core goes on with its own rules.
  bool LeaveToTheGeneralRules() {
    if (!(c.TraitA >= 4 && opN == 1 && cc <= g.Line - 2)) return false;
    const int last = g.RankOf(g.HandCard(opponent, 1));
    if (!(last == kRank9 || last == kRank8 || last == kRankJoker || last == S)) return false;
    c.Decided = false;
    return true;
  }

  // Set aside the strong cards and the groups of three or more; when only one
  // rank is left besides them, play a strong group now. True ends the routine.
  bool StrongGroupNow() {
    std::array<bool, kHandSlots + 2> marked{};
    for (int p = 1; p <= cc; ++p) {
      const int r = Rank(p);
      if (r == kRank8 || r == kRank5 || r == kRankJoker || r == S) marked[p] = true;
    }
    for (int p = 1; p <= cc - 2; ++p)
      if (Rank(p) == Rank(p + 2)) marked[p] = marked[p + 1] = marked[p + 2] = true;
    int first = 0, last = 0;
    for (int p = 1; p <= cc; ++p)
      if (!marked[p]) {
        if (first == 0) first = p;
        last = p;
      }
    if (first == 0) return true;
    if (!(Rank(first) == Rank(last) && !TableJoker() && LocksClear())) return false;
    const int tc = TableCount();
    const int tr = TableRank();
    if (os * tr < os * S && tops >= tc) {
      c.SelectRun(FirstOf(S), tc);
      return Settle(2123);
    }
    if (os * tr < os * kRank5 && fives >= tc) {
      c.SelectRun(FirstOf(kRank5), tc);
      return Settle(2124);
    }
    if (os * tr < os * kRank8 && eights >= tc) {
      c.SelectRun(FirstOf(kRank8), tc);
      return Settle(2125);
    }
    if (jokers >= tc) {
      c.SelectRun(cc - tc + 1, tc);
      return Settle(2126);
    }
    return false;
  }

  // The opponent holds one card: the strongest exact group that beats the table.
  void StrongestGroupOverOne() {
    if (!(opN == 1 && LocksClear() && !TableJoker())) return;
    const int tc = TableCount();
    const int lo = WindowLow(), hi = WindowHigh(kRankJoker);
    const int top = cc + 1 - tc;
    for (int i = 0; i < top; ++i) {
      const int p = os > 0 ? top - i : 1 + i;
      if (c.IsExactGroup(p, tc, lo, hi, -os, 0)) {
        c.SelectRun(p, tc);
        Settle(2127);
        return;
      }
    }
  }
};

void ComputerPlayer::ChooseDuelPlay() {
  DuelPlay duel(*this);
  duel.Run();
}

}  // namespace tomaruk

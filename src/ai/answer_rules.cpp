// The answer rules: how a computer seat beats the combination on the table once
// no dedicated chooser has settled the play. First a quick look whether the hand
// can beat the table at all; then, in pressing situations, the urgent layer that
// spends 8s, 2s, aces and jokers at once; last the general layer, which normally
// answers with the weakest group that is good enough.
//
// Decision codes:
//   11, 14, 17       urgent, table below 8: the 8s, the 8s made up with one or two jokers
//   21               urgent, under the suit lock: 8s of the table's suits
//   24, 27           urgent single: the 2 of the table's suit (the ace under a J turn)
//   31, 36           urgent single: a joker over a high card, any 2
//   41, 51, 61       urgent pair: 2s of the table's suits, both jokers, a pair of 2s
//   64, 71, 81       urgent pair: a 2 with the joker, an ace or 2 with the joker, the strongest pair
//   91, 94, 97       urgent triple: the strongest triple, a pair with the joker, one card with both jokers
//   111, 114, 117    urgent single, reversed order: the 3 of the table's suit, a joker, any 3
//   121, 123, 125    urgent pair, reversed: 3s of the table's suits, both jokers, a pair of 3s
//   127, 131, 136    urgent pair, reversed: a 3 with the joker, a card with the joker, the lowest pair
//   141, 146         even/odd lock: a 6 over a 4 (a K over an A in reversed order)
//   151, 154, 157    pressure on seats near the line: a group the next seat cannot top,
//                    an ace or 2 of the table's suit, a 2
//   161              the suit-following answer
//   166              a joker over a single 2
//   171, 176         the ordinary answer, normal order: the weakest exact group, or with a joker
//   181, 186         the same in reversed order
//   2501             pass: nothing in the hand beats the table
//   2502             pass: the general layer finds no answer
#include <algorithm>

#include "ai/rule_run.h"
#include "game/card_facts.h"

namespace tomaruk {

// One run of the answer rules over seat Turn's hand and the core's copy of the table.
struct ComputerPlayer::AnswerRules : RuleRun {
  int tc = 0;         // cards on the table
  int tr = 0;         // rank of the table's first card
  int os = 1;         // +1 normal order, -1 reversed
  int beatCount = 0;  // groups of the table's size that beat it

  explicit AnswerRules(ComputerPlayer& cp)
      : RuleRun(cp), tc(cp.TableCount), tr(cp.TableRanks[1]), os(cp.OrderSign > 0 ? 1 : -1) {}

  bool NoLocks() const { return !c.SuitLock && !c.ParityLock; }
  // The computer's own reading of the even/odd lock: it goes by the J's turn of
  // the order, not by the revolution the lock itself goes by. The even faces
  // follow while no J has turned the order, the odd ones (never a joker) after.
  bool PassesParity(int rank) const {
    if (!c.ParityLock) return true;
    if (g.TempRevolution > 0) return IsEvenFace(rank);
    return !IsEvenFace(rank) && rank != kRankJoker;
  }
  // In reversed order it answers the lock with odd faces only, never a joker,
  // whichever of the two turned the order.
  bool PassesParityReversed(int p) const { return !c.ParityLock || (!IsEvenFace(Rank(p)) && !Joker(p)); }
  void SelectRun(int from, int count) { c.SelectRun(from, count); }

  // Lists every card of the rank and follows the table's suits position by
  // position; the 8s never follow in the suit answer and the parity test applies
  // there. On failure the listed cards (the whole hand for the suit answer) are let go.
  bool FollowSuits(int rank, int code, bool suitAnswer) {
    int n = 0;
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == rank) c.PairMemo[++n] = p;
    bool done = false;
    if (n >= tc) {
      int k = 1;
      for (int j = 1; j <= n && !done; ++j) {
        const int p = c.PairMemo[j];
        if (Suit(p) != c.TableSuits[k]) continue;
        if (suitAnswer && (Rank(p) == kRank8 || !PassesParity(Rank(p)))) continue;
        c.Select(p);
        if (++k > tc) done = true;
      }
    }
    if (!done) {
      if (suitAnswer) {
        for (int p = 1; p <= cc; ++p) c.Unselect(p);
      } else {
        for (int j = 1; j <= n; ++j) c.Unselect(c.PairMemo[j]);
      }
    }
    for (int j = 1; j <= n; ++j) c.PairMemo[j] = 0;
    return done && Settle(code);
  }

  // The strongest pair (highest position) or the lowest one; 0 when none.
  int StrongestPair() const {
    for (int i = cc - 1; i >= 1; --i)
      if (Rank(i) == Rank(i + 1)) return i;
    return 0;
  }
  int LowestPair() const {
    for (int i = 1; i <= cc - 1; ++i)
      if (Rank(i) == Rank(i + 1)) return i;
    return 0;
  }

  void Run() {
    if (tc < 1) return c.Pass(2501);
    // Can anything beat it: tc cards of one rank stronger than the table.
    for (int i = 1; i <= cc + 1 - tc; ++i)
      if (Rank(i) * os > tr * os && Rank(i) == Rank(i + tc - 1)) ++beatCount;
    if (!Joker(cc) && beatCount == 0) return c.Pass(2501);
    if (cc < tc) return c.Pass(2501);

    // The urgent gate: cool characters go straight to the general layer unless
    // the seat on the table is about to finish while few seats are left.
    const SeatRecord& lead = g.Seat[g.LeadSeat];
    const bool cool = c.TraitD + c.TraitE >= 9 && c.TraitE != 5 && (lead.CardCount > 1 || c.PlayersLeft > 4);
    if (!cool) {
      const bool restless = c.Draw() * 1.3 + 4 < c.TraitE;
      if (restless || lead.CardCount == 1 || c.HoldMargin <= c.HoldThreshold) {
        const bool settled =
            (tr * os >= kRank8 * os || c.TraitE == 5) ? (os > 0 ? High() : HighReversed()) : Eights();
        if (settled) return;
      }
    }
    General();
  }

  // The table is weaker than 8: an 8 clears it.
  bool Eights() {
    if (!c.Rule8) return false;
    if (c.SuitLock) {
      // Code 21: 8s that follow the table's suits.
      if (!(os > 0 || !c.ParityLock)) return false;
      return FollowSuits(kRank8, 21, false);
    }
    if (c.TraitF1 == 1 && c.AnySkipped) return false;
    for (int i = 1; i <= cc - tc + 1; ++i)
      if (c.IsExactGroup(i, tc, kRank8, kRank8, os, 0)) {
        SelectRun(i, tc);
        return Settle(11);
      }
    const bool tight = c.HoldThreshold >= c.HoldMargin;
    if (tight && cc >= 3 && c.TraitG <= 3 && tc >= 2 && !c.ParityLock && Joker(cc)) {
      for (int i = 1; i <= cc - 1; ++i)
        if (c.IsExactGroup(i, tc - 1, kRank8, kRank8, 1, 0)) {
          SelectRun(i, tc - 1);
          c.Select(cc);
          return Settle(14);
        }
    }
    if (tight && cc >= 4 && c.TraitG <= 2 && tc >= 3 && !c.ParityLock && Joker(cc - 1)) {
      for (int i = 1; i <= cc - 1; ++i)
        if (c.IsExactGroup(i, tc - 2, kRank8, kRank8, 1, 0)) {
          SelectRun(i, tc - 2);
          c.Select(cc - 1);
          c.Select(cc);
          return Settle(17);
        }
    }
    return false;
  }

  // The high branch in normal order: 2s, aces and jokers, by the table's size.
  bool High() {
    if (tc == 1) return HighSingle();
    if (tc == 2) return HighPair();
    if (tc == 3) return HighTriple();
    return false;
  }
  // A 2 is an even face: it follows the lock while no J has turned the order.
  bool TwoFollowsLock() const { return PassesParity(kRank2); }
  // The top of the hand where the groups that beat the table lie.
  int BeatingRange() const { return std::max(1, cc - beatCount); }

  bool HighSingle() {
    const int low = BeatingRange();
    if (TwoFollowsLock() && tr < kRank2)
      for (int i = cc; i >= low; --i)
        if (Suit(i) == c.TableSuits[1] && Rank(i) == kRank2) {
          c.Select(i);
          return Settle(24);
        }
    // A J turned the order while the lock is on: the ace is the top odd card.
    if (g.TempRevolution < 0 && c.ParityLock && tr < kRankA)
      for (int i = cc; i >= low; --i)
        if (Suit(i) == c.TableSuits[1] && Rank(i) == kRankA) {
          c.Select(i);
          return Settle(27);
        }
    // A joker over a high card, unless a shrewd character has seen jokers go
    // (in its own hand or out of play) while the stock is still thick.
    int seen = 0;
    if (c.TraitA >= 3)
      for (int code : kJokers)
        if (g.CardPlace[code] == g.Turn || g.CardPlace[code] >= kInDiscard) ++seen;
    if (g.StockCount < 120 - 20 * seen) seen = 0;
    if (!(c.TraitF1 == 1 && c.AnySkipped) && Joker(cc) && NoLocks() && tr > kRankJ && tr < kRankJoker &&
        seen == 0) {
      c.Select(cc);
      return Settle(31);
    }
    if ((c.TraitF1 == 1 && c.AnySkipped && c.TraitD > 3) || !TwoFollowsLock()) return false;
    if (tr < kRank2 && !c.SuitLock)
      for (int i = cc; i >= low; --i)
        if (Rank(i) == kRank2) {
          c.Select(i);
          return Settle(36);
        }
    return false;
  }

  bool HighPair() {
    if (TwoFollowsLock() && tr < kRank2 && FollowSuits(kRank2, 41, false)) return true;
    if (c.TraitD + c.TraitB + c.TraitE > 9 && Joker(cc - 1) && NoLocks() && tr < kRankJoker && g.Line < 13) {
      SelectRun(cc - 1, 2);
      return Settle(51);
    }
    if (TwoFollowsLock() && tr < kRank2 && !c.SuitLock)
      for (int i = cc; i >= BeatingRange(); --i)
        if (Rank(i) == kRank2 && Rank(i - 1) == kRank2) {
          SelectRun(i - 1, 2);
          return Settle(61);
        }
    if (Joker(cc) && NoLocks() && tr < kRank2)
      for (int i = cc - 1; i >= 1; --i)
        if (Rank(i) == kRank2) {
          c.Select(i);
          c.Select(cc);
          return Settle(64);
        }
    const int pair = StrongestPair();
    const int q = pair > 0 ? Rank(pair) : 0;
    if (NoLocks() && Joker(cc) && tr < kRank2) {
      int p = 0;
      for (int i = cc - 1; i >= 1 && p == 0; --i)
        if (!Joker(i)) p = i;
      const int t = Rank(p);
      const int v = c.TraitA - 0.5 * c.Draw() > 1.5 ? kRankA : kRankK;
      // An ace or a 2 with the joker; a 2 (for the less shrewd an ace as well)
      // is kept back when the strongest pair would do and four or more seats
      // have left the deal.
      if (t >= kRankA && t > tr && q < t && !(t > v && tr < q && c.PlayersLeft <= g.Options.SeatCount - 4)) {
        c.Select(p);
        c.Select(cc);
        return Settle(71);
      }
    }
    if (NoLocks() && tr < q) {
      SelectRun(pair, 2);
      return Settle(81);
    }
    return false;
  }

  bool HighTriple() {
    if (c.SuitLock) return false;
    for (int i = cc - 2; i >= 1; --i)
      if (c.IsExactGroup(i, 3, tr + 1, kRank2, -1, 0) && PassesParity(Rank(i))) {
        SelectRun(i, 3);
        return Settle(91);
      }
    if (Joker(cc) && tr > kRankJ && !c.ParityLock)
      for (int i = cc - 2; i >= 1; --i)
        if (c.IsExactGroup(i, 2, tr + 1, kRankJoker, -1, 0)) {
          SelectRun(i, 2);
          c.Select(cc);
          return Settle(94);
        }
    if (Rank(cc - 2) > tr && Joker(cc - 1) && tr > kRankJ && c.TraitD < 4 && !c.ParityLock) {
      SelectRun(cc - 2, 3);
      return Settle(97);
    }
    return false;
  }

  // The high branch in reversed order, where the 3 is the strongest rank.
  bool HighReversed() {
    if (tc == 1) return HighReversedSingle();
    if (tc == 2) return HighReversedPair();
    return false;
  }

  bool HighReversedSingle() {
    if (tr > kRank3)
      for (int i = 1; i <= cc; ++i)
        if (Rank(i) == kRank3 && Suit(i) == c.TableSuits[1]) {
          c.Select(i);
          return Settle(111);
        }
    if (Joker(cc) && NoLocks() && tr < kRankJoker) {
      c.Select(cc);
      return Settle(114);
    }
    if (tr > kRank3 && !c.SuitLock)
      for (int i = 1; i <= cc; ++i)
        if (Rank(i) == kRank3) {
          c.Select(i);
          return Settle(117);
        }
    return false;
  }

  bool HighReversedPair() {
    if (tr > kRank3 && FollowSuits(kRank3, 121, false)) return true;
    if (Joker(cc - 1) && tr < kRankJoker && !c.SuitLock) {
      SelectRun(cc - 1, 2);
      return Settle(123);
    }
    if (tr > kRank3 && !c.SuitLock)
      for (int i = 1; i <= cc - 1; ++i)
        if (Rank(i) == kRank3 && Rank(i + 1) == kRank3) {
          SelectRun(i, 2);
          return Settle(125);
        }
    if (Joker(cc) && NoLocks() && Rank(1) == kRank3 && tr > kRank3) {
      c.Select(1);
      c.Select(cc);
      return Settle(127);
    }
    if (!NoLocks()) return false;
    const int pair = LowestPair();
    const int q = pair > 0 ? Rank(pair) : 0;
    if (Joker(cc) && tr > kRank3) {
      // The strongest card outside the lowest pair, with the joker; kept back
      // when the pair beats the table too and four or more seats have left the
      // deal or the card is a 5 or weaker.
      int p = 1;
      while (p < cc && Rank(p) == q) ++p;
      const int t = Rank(p);
      bool fires = t < tr;
      if (fires && q < tr && (c.PlayersLeft <= g.Options.SeatCount - 4 || t >= kRank5)) fires = false;
      if (fires) {
        c.Select(p);
        c.Select(cc);
        return Settle(131);
      }
    }
    // The lowest pair, when there is one that beats the table.
    if (pair > 0 && q < tr) {
      SelectRun(pair, 2);
      return Settle(136);
    }
    return false;
  }

  // The general layer: every answer that gets this far.
  void General() {
    if (c.PlayersLeft == 2) {
      c.ChooseDuelPlay();
      if (c.Decided) return;
      c.UnselectAll();
    }
    if (ParityReply() || Pressure() || SuitAnswer() || JokerOverATwo()) return;
    if (c.SuitLock) return c.Pass(2502);
    if (os > 0 ? OrdinaryAnswer() : OrdinaryAnswerReversed()) return;
    c.Pass(2502);
  }

  // With the even/odd lock among the rules, a 6 on a single 4 starts the lock
  // (a K on an A in reversed order): among the five weakest cards, the reply
  // of the table's suit with no other of its rank after it, else an exact single.
  bool ParityReply() {
    if (!(c.Rule4 && c.TraitB >= 3 && tc == 1 && tr == (os > 0 ? kRank4 : kRankA))) return false;
    const int reply = os > 0 ? kRank6 : kRankK;
    const int n = std::min(cc, 5);
    for (int j = 0; j < n; ++j) {
      const int i = os > 0 ? 1 + j : cc - j;
      if (Rank(i) == reply && Suit(i) == c.TableSuits[1] && Rank(i + 1) != reply) {
        c.Select(i);
        return Settle(141);
      }
      if (!c.SuitLock && c.IsExactGroup(i, 1, reply, reply, os, 0)) {
        c.Select(i);
        return Settle(146);
      }
    }
    return false;
  }

  // The suit-following answer, normal order: the weakest rank above the table
  // whose cards follow the table's suits.
  bool SuitAnswer() {
    if (!(os > 0 && (c.TraitC >= 3 || c.SuitLock) && !(c.TraitC < 3 && tc < 2))) return false;
    for (int r = tr + 1; r <= kRank2; ++r)
      if (FollowSuits(r, 161, true)) return true;
    return false;
  }

  // A joker over a single 2, when the seat is tight or the 2 came from the next seat.
  bool JokerOverATwo() {
    if (!(tc == 1 && tr == kRank2 && Joker(cc) && NoLocks() && c.TraitD <= 4 && os > 0 && c.TraitA >= 2 &&
          (c.HoldMargin <= c.HoldThreshold - 1 || g.LeadSeat == c.NextSeat)))
      return false;
    c.Select(cc);
    return Settle(166);
  }

  // An 8 pair is too good for an ordinary pair when the character plans ahead.
  bool SpareEights(int i) const { return Rank(i) == kRank8 && c.TraitD >= 4 && tc >= 2; }
  // A tight seat, or a table of four or more, may make a group up with the joker.
  bool WithJoker() const { return (c.HoldMargin <= c.HoldThreshold - 1 || tc >= 4) && Joker(cc); }

  // The ordinary answer: the weakest exact group that beats the table, 2s
  // included; jokers alone only for characters that like to.
  bool OrdinaryAnswer() {
    const int hi = kRank2 + c.TraitF2;
    for (int i = 1; i <= cc + 1 - tc; ++i)
      if (c.IsExactGroup(i, tc, tr + 1, hi, 1, 0) && PassesParity(Rank(i)) && !SpareEights(i)) {
        SelectRun(i, tc);
        return Settle(171);
      }
    // Part of a whole group with the joker in place of its last card. This
    // rule cannot fire: without the even/odd lock the ordinary answer above
    // has already taken the first such group.
    if (WithJoker() && !c.ParityLock)
      for (int i = 1; i <= cc - tc; ++i)
        if (c.IsExactGroup(i, tc, tr + 1, hi, 1, 0) && !SpareEights(i)) {
          SelectRun(i, tc - 1);
          c.Select(cc);
          return Settle(176);
        }
    return false;
  }

  // The same in reversed order, the weakest first: from the top of the hand down.
  bool OrdinaryAnswerReversed() {
    for (int i = cc + 1 - tc; i >= 1; --i)
      if (c.IsExactGroup(i, tc, kRank3, tr - 1, -1, 0) && PassesParityReversed(i)) {
        SelectRun(i, tc);
        return Settle(181);
      }
    if (WithJoker())
      for (int i = cc - tc; i >= 1; --i)
        if (c.IsExactGroup(i, tc, kRank3, tr - 1, -1, 0) && !SpareEights(i)) {
          SelectRun(i, tc - 1);
          c.Select(cc);
          return Settle(186);
        }
    return false;
  }

  // Pressure on the seats near the line, normal order only.
  bool Pressure() {
    if (!(c.TraitE + c.TraitB >= 7 && c.TraitE >= 4 && os > 0)) return false;
    const int near = g.Line - (c.TraitB - c.TraitA + 2);
    int count = 0;
    for (int s = 1; s <= g.Options.SeatCount; ++s)
      if (s != g.Turn && g.Seat[s].CardCount >= near) ++count;
    if (count < c.PlayersLeft - 4) return false;
    if (c.TraitA == 5) {
      // It looks at the next seat's best card and plays a group that tops it.
      const int t = g.RankOf(g.HandCard(c.NextSeat, g.Seat[c.NextSeat].CardCount));
      for (int i = 1; i <= cc - tc + 1; ++i) {
        const int r = Rank(i);
        if (r == Rank(i + tc - 1) && r > tr && r >= t && r != kRankJ && NoLocks() &&
            (Rank(i + tc) != r || c.TraitD <= 3)) {
          SelectRun(i, tc);
          return Settle(151);
        }
      }
    }
    if (tc != 1) return false;
    // The first ace or 2 of the table's suit from the top; a careful character
    // does not break a group for it.
    if (NoLocks()) {
      for (int i = cc; i >= std::max(1, cc - beatCount + 1); --i) {
        if (Suit(i) != c.TableSuits[1] || Rank(i) < kRankA) continue;
        if (c.TraitD >= 4 && (Rank(i - 1) == Rank(i) || Rank(i + 1) == Rank(i))) break;
        c.Select(i);
        return Settle(154);
      }
    }
    // The first 2 from the top; a 2 follows a locked suit only in its own suit,
    // which the suit answers see to.
    if (PassesParity(kRank2) && !c.SuitLock) {
      for (int i = cc; i >= std::max(1, cc - tc * beatCount + 1); --i) {
        if (Rank(i) != kRank2) continue;
        if (c.TraitD >= 4 && Rank(i - 1) == kRank2) break;
        c.Select(i);
        return Settle(157);
      }
    }
    return false;
  }
};

void ComputerPlayer::AnswerSection() {
  AnswerRules rules(*this);
  rules.Run();
}

}  // namespace tomaruk

// Lead and closing patterns: hands close to going out, or holding a decisive
// pattern, are played in a fixed way before the general rules get a say.
//
// S is the strongest plain rank, W the weakest; the leading part takes the order
// from Revolution alone, the answering part from OrderSign.
// The random test: one draw u, passed when 2u + TraitA > 5.5.
//
// Decision codes:
//   2001  lead: a single rank (three or four of the weakest are split off)
//   2002  lead: six jokers
//   2003  lead: one rank and jokers
//   2004  lead: two ranks, the strongest group is of rank S
//   2005  lead: jokers, 2s and one more rank; the review leads the first card
//   2006  lead: two ranks, one of them 8s
//   2008  lead: two ranks (two-card, three-card and longer hands)
//   2009  lead: three ranks ending in 2s or jokers, normal order
//   2010  lead: three ranks starting with 3s, reversed order
//   2021  answer: the last cards are jokers, the rest one rank
//   2022  answer: the last cards are 2s, the rest one rank
//   2023  answer: 8s at the weak end clear the table
//   2024  answer: 8s at the strong end clear the table
#include "ai/rule_run.h"
#include "game/card_facts.h"

namespace tomaruk {

// One run of the patterns over seat Turn's hand. A rule returns true when the
// routine ends with it, with a play settled or without one; false hands over
// to the next rule.
struct ComputerPlayer::ClosingPatterns : RuleRun {
  using Rule = bool (ClosingPatterns::*)();

  const int dr;   // distinct ranks, the jokers counting as one
  const int rev;  // the order of a lead: the revolution alone
  const int S;    // the strongest plain rank of that order
  const int W;    // the weakest

  explicit ClosingPatterns(ComputerPlayer& cp)
      : RuleRun(cp),
        dr(cp.DistinctRanks),
        rev(cp.g.Revolution),
        S(rev > 0 ? kRank2 : kRank3),
        W(rev > 0 ? kRank3 : kRank2) {}

  void SelectRange(int from, int to) { c.SelectRun(from, to - from + 1); }
  bool RandomTest() { return 2 * c.Draw() + c.TraitA > 5.5; }
  int TotalCards() const {
    int total = 0;
    for (int s = 1; s <= g.Options.SeatCount; ++s) total += g.Seat[s].CardCount;
    return total;
  }
  // The rank of a seat's highest card.
  int TopOf(int s) const { return g.RankOf(g.HandCard(s, g.Seat[s].CardCount)); }
  // Visits the other seats still playing, in seat order, until visit says stop.
  template <class Visit>
  void Others(Visit visit) const {
    for (int s = 1; s <= g.Options.SeatCount; ++s)
      if (s != g.Turn && g.Seat[s].Status == kPlaying && !visit(s)) return;
  }

  // Leading: the first rule whose condition holds acts.
  void Lead() {
    static constexpr Rule kRules[] = {
        &ClosingPatterns::SingleRank,
        &ClosingPatterns::SixJokers,
        &ClosingPatterns::OneRankAndJokers,
        &ClosingPatterns::StrongestGroupOnTop,
        &ClosingPatterns::LeftToTheReview,
        &ClosingPatterns::TwoRanksWithEights,
        &ClosingPatterns::Timid,
        &ClosingPatterns::TwoRanks,
        &ClosingPatterns::ThreeRanks,
        &ClosingPatterns::ThreeRanksReversed,
    };
    for (const Rule rule : kRules)
      if ((this->*rule)()) return;
  }

  // A single rank goes out whole, but the weakest rank sheds three or four.
  bool SingleRank() {
    if (dr != 1) return false;
    if (Rank(1) == W && cc >= 4)
      SelectRange(1, cc >= 6 || c.TraitA <= 1 ? 4 : 3);
    else
      SelectRange(1, cc);
    return Settle(2001);
  }

  bool SixJokers() {
    if (!(cc >= 7 && Rank(cc - 5) == kRankJoker)) return false;
    SelectRange(cc - 5, cc);
    return Settle(2002);
  }

  // One rank and jokers: a joker first, unless the rank is the strongest.
  bool OneRankAndJokers() {
    if (!(Rank(cc) == kRankJoker && dr == 2)) return false;
    if (Rank(1) != S)
      c.Select(cc);
    else if (cc > 4 && Rank(2) != kRankJoker)
      SelectRange(2, cc);
    else
      c.Select(1);
    return Settle(2003);
  }

  // Two ranks, the stronger of them the strongest rank: that group first.
  bool StrongestGroupOnTop() {
    if (!(dr == 2 && Rank(rev > 0 ? cc : 1) == S)) return false;
    c.SelectRank(S);
    return Settle(2004);
  }

  // Jokers, 2s and one more rank in normal order: settled with nothing chosen,
  // so that the review leads the weakest card.
  bool LeftToTheReview() {
    if (!(rev > 0 && Rank(cc) == kRankJoker && dr == 3)) return false;
    int top = 0;
    for (int p = cc; p >= 1; --p)
      if (Rank(p) != kRankJoker) {
        top = Rank(p);
        break;
      }
    return top == kRank2 && Settle(2005);
  }

  bool TwoRanksWithEights() {
    if (!(c.Rule8 && dr == 2 && (Rank(1) == kRank8 || Rank(cc) == kRank8))) return false;
    c.SelectRank(kRank8);
    return Settle(2006);
  }

  // The timid play no further patterns.
  bool Timid() { return c.TraitA <= 1; }

  bool TwoRanks() {
    if (dr != 2) return false;
    if (cc == 2) return TwoCards();
    if (cc == 3) return ThreeCards();
    return FourOrMoreCards();
  }

  // Two cards: over a J the J goes first only with a card below 5 of its suit
  // and few seats left; else a 9 goes first while no one may finish on a 9;
  // else the weaker card.
  bool TwoCards() {
    if (Rank(2) == kRankJ && rev > 0) {
      c.Select(Rank(1) < kRank5 && c.PlayersLeft < 5 && Suit(1) == Suit(2) ? 2 : 1);
    } else if (c.Rule9 && (Rank(1) == kRank9 || Rank(2) == kRank9)) {
      c.Select(Rank(1) == kRank9 ? 1 : 2);
    } else {
      c.Select(1);
    }
    return Settle(2008);
  }

  // A pair and a single.
  bool ThreeCards() {
    if (c.Rule9) {
      if (Rank(1) == kRank9) {
        c.Select(1);
        if (Rank(2) == kRank9) c.Select(2);
        return Settle(2008);
      }
      if (Rank(2) == kRank9) {
        SelectRange(2, 3);
        return Settle(2008);
      }
    }
    if (Rank(rev > 0 ? 1 : 3) == Rank(2)) return PairAtTheWeakEnd();
    // The pair at the strong end goes first.
    SelectRange(rev > 0 ? 2 : 1, rev > 0 ? 3 : 2);
    return Settle(2008);
  }

  // The pair lies at the weak end: the single goes first when nobody can top
  // it, else the pair while the table is still crowded.
  bool PairAtTheWeakEnd() {
    const int single = rev > 0 ? 3 : 1;
    if (RandomTest()) {
      int v = rev > 0 ? 0 : kRank2;
      Others([&](int s) {
        const SeatRecord& o = g.Seat[s];
        if (rev < 0 && IsJoker(g.HandCard(s, o.CardCount))) {
          v = ComputerPlayer::kJokerInReversedOrder;
          return false;
        }
        const int r = g.RankOf(g.HandCard(s, rev > 0 ? o.CardCount : 1));
        if (v * rev < r * rev) v = r;
        return true;
      });
      if (Rank(single) * rev >= v * rev) {
        c.Select(single);
        return Settle(2008);
      }
    }
    const int w = rev > 0 ? Rank(1) : Rank(3);
    const double f = rev > 0 ? 3.2 : 4.2;
    if (TotalCards() < (w * rev / 10.0 + f) * g.Options.SeatCount)
      SelectRange(rev > 0 ? 1 : 2, rev > 0 ? 2 : 3);
    else
      c.Select(single);
    return Settle(2008);
  }

  bool FourOrMoreCards() {
    if (c.Rule9 && (Rank(1) == kRank9 || Rank(cc) == kRank9)) {
      c.SelectRank(kRank9);
      return Settle(2008);
    }
    // Four of a kind at one end, the other end not the weakest rank: the first rank.
    if (cc >= 5 && ((Rank(1) == Rank(4) && Rank(cc) != W) || (Rank(cc) == Rank(cc - 3) && Rank(1) != W))) {
      c.SelectRank(Rank(1));
      return Settle(2008);
    }
    // Else the group that holds the middle card: the larger one.
    const int m = (cc + 1) / 2;
    if (Rank(m) == Rank(1)) {
      for (int p = 1; p <= cc - 1; ++p)
        if (Rank(p) == Rank(1)) c.Select(p);
    } else {
      for (int p = 2; p <= cc; ++p)
        if (Rank(p) == Rank(cc)) c.Select(p);
    }
    return Settle(2008);
  }

  // Three ranks in normal order, topped by 2s or by jokers.
  bool ThreeRanks() {
    if (!(dr == 3 && rev > 0)) return false;
    if (Rank(cc) == kRank2) return cc == 3 ? ThreeCardsUnderATwo() : FourOrMoreUnderTwos();
    if (Rank(cc) == kRankJoker) return JokersWithTheWeakestRank();
    return true;
  }

  // Three cards under a 2: a J or a card of the 2's suit, else a low card.
  bool ThreeCardsUnderATwo() {
    const int s = Suit(3);
    for (int p = 2; p >= 1; --p)
      if (Rank(p) == kRankJ || Suit(p) == s) {
        c.Select(p);
        return Settle(2009);
      }
    c.Select(Rank(2) <= kRank8 ? 1 : 2);
    return Settle(2009);
  }

  bool FourOrMoreUnderTwos() {
    if (Rank(3) == kRank2) {
      if (Rank(1) != kRank8 && Rank(2) != kRank8) return true;
      SelectRange(3, 4);
      return Settle(2009);
    }
    if (Rank(2) == Rank(3)) {
      if (Rank(1) < kRank9 - c.TraitD && Suit(1) == Suit(4))
        c.Select(1);
      else
        SelectRange(2, 3);
      return Settle(2009);
    }
    if (!RandomTest()) return true;
    // The single third card goes first when no other seat's highest card is above it.
    int v = 0;
    Others([&](int s) {
      const int r = TopOf(s);
      if (r > v) v = r;
      return true;
    });
    if (Rank(3) >= v)
      c.Select(3);
    else
      SelectRange(1, 2);
    return Settle(2009);
  }

  // Jokers over two ranks: the weakest rank with every joker, when together
  // they make a revolution and the weakest rank is low enough.
  bool JokersWithTheWeakestRank() {
    const int limit = TotalCards() < 6 * g.SeatsInPlay ? kRank9 : kRank6;
    int count = 0;
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == kRankJoker || Rank(p) == Rank(1)) ++count;
    if (Rank(1) > limit || count < 4) return true;
    const int low = Rank(1);
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == kRankJoker || Rank(p) == low) c.Select(p);
    return Settle(2009);
  }

  // Three ranks under a revolution, starting with 3s (the strongest there).
  bool ThreeRanksReversed() {
    if (dr != 3) return false;
    if (Rank(1) != kRank3) return true;
    if (cc == 3) {
      const int s = Suit(1);
      for (int p = 2; p <= 3; ++p)
        if (Rank(p) == kRankJ || Suit(p) == s) {
          c.Select(p);
          return Settle(2010);
        }
      c.Select(Rank(2) < kRank9 ? 2 : 3);
      return Settle(2010);
    }
    if (Rank(2) == kRank3) {
      if (Rank(3) != kRank8 && Rank(4) != kRank8) return true;
      SelectRange(1, 2);
      return Settle(2010);
    }
    if (Rank(2) == Rank(3)) {
      if (Rank(3) < c.TraitD + kRank7 && Suit(1) == Suit(4))
        c.Select(4);
      else
        SelectRange(2, 3);
      return Settle(2010);
    }
    if (!RandomTest()) return true;
    // The second card goes first when no other seat's highest card is below it.
    int v = kRank2;
    Others([&](int s) {
      const int r = TopOf(s);
      if (r == kRankJoker) {
        v = ComputerPlayer::kJokerInReversedOrder;
        return false;
      }
      if (r < v) v = r;
      return true;
    });
    if (Rank(2) <= v)
      c.Select(2);
    else
      SelectRange(3, 4);
    return Settle(2010);
  }

  // Answering. A stair on the table is answered by a stair only, and none of
  // these patterns is one.
  void Answer() {
    if (g.Table.StairKey != kNoStair) return;
    if (!IsJoker(g.Table.Cards[1]) && (TopCardsOverOneRank() || EightsClearTheTable())) return;
  }

  // The last table-count cards are jokers, or 2s (with jokers) in normal order,
  // and everything below them is one rank: they go now, and the rest later.
  bool TopCardsOverOneRank() {
    const int tc = g.Table.Count;
    const bool locksClear = !g.Table.SuitLock && !g.Table.ParityLock;
    if (!(cc - tc >= 1 && locksClear)) return false;
    const auto highestExcept = [&](int a, int b) {
      for (int p = cc; p >= 1; --p)
        if (Rank(p) != a && Rank(p) != b) return Rank(p);
      return 0;
    };
    if (Rank(cc - tc + 1) == kRankJoker && Rank(1) == highestExcept(kRankJoker, kRankJoker)) {
      SelectRange(cc - tc + 1, cc);
      return Settle(2021);
    }
    if (c.OrderSign > 0 && g.RankOf(g.Table.Cards[1]) < kRank2 && Rank(cc - tc + 1) == kRank2 &&
        Rank(1) == highestExcept(kRank2, kRankJoker)) {
      SelectRange(cc - tc + 1, cc);
      return Settle(2022);
    }
    return false;
  }

  // 8s clear the table when the rest of the hand is one rank.
  bool EightsClearTheTable() {
    const int os = c.OrderSign;
    if (!(c.Rule8 && os * g.RankOf(g.Table.Cards[1]) < os * kRank8)) return false;
    return EightsAtAnEnd(1, 1, 2023) || EightsAtAnEnd(cc, -1, 2024);
  }

  // The 8s at one end of the hand (from position `end`, walking `step`), the
  // other end of the rank that follows them: as many 8s as the table holds.
  bool EightsAtAnEnd(int end, int step, int code) {
    if (Rank(end) != kRank8) return false;
    const int tc = g.Table.Count;
    int count = 0;
    while (count < cc && Rank(end + count * step) == kRank8) ++count;
    const int other = step > 0 ? cc : 1;
    if (!(Rank(other) == Rank(end + count * step) && tc <= count)) return false;
    // The even/odd lock goes by Revolution alone: under a revolution it wants
    // odd faces, and an 8 is even, even when a J has turned the order back.
    const bool evenAllowed = !g.Table.ParityLock || FollowsParityLock(g, kRank8);
    if (!g.Table.SuitLock && !(c.OrderSign < 0 && g.Table.ParityLock) && evenAllowed) {
      for (int k = 0; k < tc; ++k) c.Select(end + k * step);
      return Settle(code);
    }
    // Under the suit lock a single 8 of the table's suit.
    if (g.Table.SuitLock && tc == 1 && evenAllowed) {
      for (int k = 0; k < count; ++k)
        if (Suit(end + k * step) == g.SuitOf(g.Table.Cards[1])) {
          c.Select(end + k * step);
          return Settle(code);
        }
    }
    return false;
  }
};

void ComputerPlayer::ChooseLeadPlay() {
  ClosingPatterns patterns(*this);
  if (g.LeadSeat == g.Turn && !g.DealStart)
    patterns.Lead();
  else
    patterns.Answer();
}

}  // namespace tomaruk

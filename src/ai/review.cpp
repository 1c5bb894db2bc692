// The review: last corrections to the settled play. A leading seat must play
// something and leads a whole group; the joker and 8 finishing bans; and the
// last-chance plays of a seat one card away from dropping out.
//
// Decision codes:
//   2511   lead: nothing was chosen - the weakest card with its whole rank
//   2512   lead: a play was settled without cards - the weakest card
//   2521   answer: under the joker ban the joker goes in place of the weakest card
//   2522   pass: under the joker ban with a lock on
//   2523   pass: under the joker ban the whole hand was the play
//   2531   pass: under the 8 ban the 8s stay in the hand
//   2541   answer: one card from the line - a joker over a single
//   2542   answer: one card from the line - a card with the jokers over a group
#include "ai/computer_player.h"

namespace tomaruk {

void ComputerPlayer::ReviewDecision() {
  const int cc = CC();
  if (cc < 1) return;
  const bool leading = g.LeadSeat == g.Turn;
  const bool locksOff = !g.Table.ParityLock && !g.Table.SuitLock;
  int first = 0, last = 0;
  const auto findSelection = [&] {
    first = last = 0;
    for (int p = 1; p <= cc; ++p)
      if (IsSelected(p)) {
        if (first == 0) first = p;
        last = p;
      }
  };

  // A leading seat must play, and a group goes out whole.
  if (leading && !g.DealStart) {
    findSelection();
    if (!Decided) {
      UnselectAll();
      Select(1);
      if (!IsJoker(Hand(1)))
        for (int p = 2; p <= cc; ++p)
          if (Rank(p) == Rank(1)) Select(p);
      return Decide(2511);
    }
    if (first == 0) {
      Select(1);
      DecisionCode = 2512;
      return;
    }
    if (!StairChosen) {
      const int v = Rank(first);
      if (v != kRank5 && v != kRankJoker)
        for (int p = 1; p <= cc; ++p)
          if (Rank(p) == v) Select(p);
      // Nines or jokers do not empty the hand at a stroke: one goes out alone.
      if ((v == kRank9 || v == kRankJoker) && IsSelected(1) && IsSelected(cc))
        for (int p = 2; p <= cc; ++p) Unselect(p);
    }
  }

  // The joker ban: the last cards may not be jokers, so a joker goes out in
  // place of the one other card.
  if (RuleR && cc >= 2 && !leading && Rank(2) == kRankJoker && IsSelected(1)) {
    if (!locksOff) return Pass(2522);
    for (int p = 2; p <= cc; ++p)
      if (!IsSelected(p)) {
        Select(p);
        Unselect(1);
        return Decide(2521);
      }
    // The whole hand is already in the play: without its first card the
    // jokers left no longer match the table, so the seat passes instead of
    // finishing with a joker.
    return Pass(2523);
  }

  // The 8 ban: a play of 8s is held back unless the seat is about to drop out.
  if (Rule8F && cc >= 2 && !leading) {
    findSelection();
    if (first != 0 && Rank(first) == kRank8 && Rank(last) == kRank8 && HoldMargin != 1) return Pass(2531);
  }

  // One card from dropping out: anything rather than another pass.
  if (HoldMargin == 1) {
    if (!leading && !Decided && IsJoker(Hand(cc)) && g.Table.Count == 1 && !IsJoker(g.Table.Cards[1]) &&
        locksOff) {
      UnselectAll();
      Select(cc);
      return Decide(2541);
    }
    // A set never answers a stair, and the candidate needs a position of its
    // own. Nothing beats a group led by a joker (in reversed order the rank
    // comparison alone would let any card under it), so none is tried.
    const int tc = g.Table.Count;
    if (!Decided && locksOff && tc >= 2 && g.Table.StairKey == kNoStair && !IsJoker(g.Table.Cards[1])) {
      const int p = cc + 2 - tc;
      if (p >= 2 && IsJoker(Hand(p))) {
        const int os = OrderSign > 0 ? 1 : -1;
        const int q = os > 0 ? p - 1 : 1;
        if (os * Rank(q) > os * g.RankOf(g.Table.Cards[1])) {
          UnselectAll();
          Select(q);
          for (int k = p; k <= cc; ++k) Select(k);
          Decide(2542);
        }
      }
    }
  }
}

}  // namespace tomaruk

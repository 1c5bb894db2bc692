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
#include "ai/computer_player.h"
#include "game/card_facts.h"

namespace tomaruk {

void ComputerPlayer::ChooseLeadPlay() {
  const int n = CC();
  const int dr = DistinctRanks;
  const int seats = g.Options.SeatCount;
  const auto R = [&](int p) { return Rank(p); };
  const auto randomTest = [&] { return 2 * Draw() + TraitA > 5.5; };
  const auto selectRange = [&](int from, int to) {
    for (int p = from; p <= to; ++p) Select(p);
  };
  const auto selectRank = [&](int rank) {
    for (int p = 1; p <= n; ++p)
      if (R(p) == rank) Select(p);
  };
  const auto totalCards = [&] {
    int total = 0;
    for (int s = 1; s <= seats; ++s) total += g.Seat[s].CardCount;
    return total;
  };
  const auto topOf = [&](int s) { return g.RankOf(g.HandCard(s, g.Seat[s].CardCount)); };
  const auto others = [&](auto&& visit) {
    for (int s = 1; s <= seats; ++s)
      if (s != g.Turn && g.Seat[s].Status == kPlaying && !visit(s)) return;
  };

  if (g.LeadSeat == g.Turn && !g.DealStart) {
    const int rev = g.Revolution;
    const int S = rev > 0 ? kRank2 : kRank3;
    const int W = rev > 0 ? kRank3 : kRank2;

    // 1. A single rank.
    if (dr == 1) {
      if (R(1) == W && n >= 4)
        selectRange(1, n >= 6 || TraitA <= 1 ? 4 : 3);
      else
        selectRange(1, n);
      return Decide(2001);
    }
    // 2. Six jokers.
    if (n >= 7 && R(n - 5) == kRankJoker) {
      selectRange(n - 5, n);
      return Decide(2002);
    }
    // 3. One rank and jokers.
    if (R(n) == kRankJoker && dr == 2) {
      if (R(1) != S)
        Select(n);
      else if (n > 4 && R(2) != kRankJoker)
        selectRange(2, n);
      else
        Select(1);
      return Decide(2003);
    }
    // 4. Two ranks, the strongest of rank S.
    if (dr == 2 && R(rev > 0 ? n : 1) == S) {
      selectRank(S);
      return Decide(2004);
    }
    // 5. Jokers, 2s and one more rank: left to the review.
    if (rev > 0 && R(n) == kRankJoker && dr == 3) {
      int top = 0;
      for (int p = n; p >= 1; --p)
        if (R(p) != kRankJoker) {
          top = R(p);
          break;
        }
      if (top == kRank2) return Decide(2005);
    }
    // 6. Two ranks, one of them 8s.
    if (Rule8 && dr == 2 && (R(1) == kRank8 || R(n) == kRank8)) {
      selectRank(kRank8);
      return Decide(2006);
    }
    // 7. The timid play no patterns.
    if (TraitA <= 1) return;

    // 8. Two ranks.
    if (dr == 2) {
      if (n == 2) {
        if (R(2) == kRankJ && rev > 0) {
          Select(R(1) < kRank5 && PlayersLeft < 5 && Suit(1) == Suit(2) ? 2 : 1);
        } else if (Rule9 && (R(1) == kRank9 || R(2) == kRank9)) {
          Select(R(1) == kRank9 ? 1 : 2);
        } else {
          Select(1);
        }
        return Decide(2008);
      }
      if (n == 3) {
        if (Rule9) {
          if (R(1) == kRank9) {
            Select(1);
            if (R(2) == kRank9) Select(2);
            return Decide(2008);
          }
          if (R(2) == kRank9) {
            selectRange(2, 3);
            return Decide(2008);
          }
        }
        const int q = rev > 0 ? 1 : 3;
        if (R(q) == R(2)) {
          // The pair lies at the weak end: lead the single if nobody can top it.
          if (randomTest()) {
            int v = rev > 0 ? 0 : kRank2;
            others([&](int s) {
              const SeatRecord& o = g.Seat[s];
              if (rev < 0 && IsJoker(g.HandCard(s, o.CardCount))) {
                v = 2;
                return false;
              }
              const int r = g.RankOf(g.HandCard(s, rev > 0 ? o.CardCount : 1));
              if (v * rev < r * rev) v = r;
              return true;
            });
            const int p = rev > 0 ? 3 : 1;
            if (R(p) * rev >= v * rev) {
              Select(p);
              return Decide(2008);
            }
          }
          const int w = rev > 0 ? R(1) : R(3);
          const double f = rev > 0 ? 3.2 : 4.2;
          if (totalCards() < (w * rev / 10.0 + f) * seats)
            selectRange(rev > 0 ? 1 : 2, rev > 0 ? 2 : 3);
          else
            Select(rev > 0 ? 3 : 1);
          return Decide(2008);
        }
        selectRange(rev > 0 ? 2 : 1, rev > 0 ? 3 : 2);
        return Decide(2008);
      }
      // n >= 4
      if (Rule9 && (R(1) == kRank9 || R(n) == kRank9)) {
        selectRank(kRank9);
        return Decide(2008);
      }
      if (n >= 5 && ((R(1) == R(4) && R(n) != W) || (R(n) == R(n - 3) && R(1) != W))) {
        selectRank(R(1));
        return Decide(2008);
      }
      const int m = (n + 1) / 2;
      if (R(m) == R(1)) {
        for (int p = 1; p <= n - 1; ++p)
          if (R(p) == R(1)) Select(p);
      } else {
        for (int p = 2; p <= n; ++p)
          if (R(p) == R(n)) Select(p);
      }
      return Decide(2008);
    }

    // 9. Three ranks, normal order.
    if (dr == 3 && rev > 0) {
      if (R(n) == kRank2) {
        if (n == 3) {
          const int s = Suit(3);
          for (int p = 2; p >= 1; --p)
            if (R(p) == kRankJ || Suit(p) == s) {
              Select(p);
              return Decide(2009);
            }
          Select(R(2) <= kRank8 ? 1 : 2);
          return Decide(2009);
        }
        if (R(3) == kRank2) {
          if (R(1) != kRank8 && R(2) != kRank8) return;
          selectRange(3, 4);
          return Decide(2009);
        }
        if (R(2) == R(3)) {
          if (R(1) < kRank9 - TraitD && Suit(1) == Suit(4))
            Select(1);
          else
            selectRange(2, 3);
          return Decide(2009);
        }
        if (!randomTest()) return;
        int v = 0;
        others([&](int s) {
          const int r = topOf(s);
          if (r > v) v = r;
          return true;
        });
        if (R(3) >= v)
          Select(3);
        else
          selectRange(1, 2);
        return Decide(2009);
      }
      if (R(n) == kRankJoker) {
        const int limit = totalCards() < 6 * g.SeatsInPlay ? kRank9 : kRank6;
        int count = 0;
        for (int p = 1; p <= n; ++p)
          if (R(p) == kRankJoker || R(p) == R(1)) ++count;
        if (R(1) > limit || count < 4) return;
        const int low = R(1);
        for (int p = 1; p <= n; ++p)
          if (R(p) == kRankJoker || R(p) == low) Select(p);
        return Decide(2009);
      }
      return;
    }

    // 10. Three ranks, reversed order, starting with 3s.
    if (dr == 3) {
      if (R(1) != kRank3) return;
      if (n == 3) {
        const int s = Suit(1);
        for (int p = 2; p <= 3; ++p)
          if (R(p) == kRankJ || Suit(p) == s) {
            Select(p);
            return Decide(2010);
          }
        Select(R(2) < kRank9 ? 2 : 3);
        return Decide(2010);
      }
      if (R(2) == kRank3) {
        if (R(3) != kRank8 && R(4) != kRank8) return;
        selectRange(1, 2);
        return Decide(2010);
      }
      if (R(2) == R(3)) {
        if (R(3) < TraitD + kRank7 && Suit(1) == Suit(4))
          Select(4);
        else
          selectRange(2, 3);
        return Decide(2010);
      }
      if (!randomTest()) return;
      int v = kRank2;
      others([&](int s) {
        const int r = topOf(s);
        if (r == kRankJoker) {
          v = 2;
          return false;
        }
        if (r < v) v = r;
        return true;
      });
      if (R(2) <= v)
        Select(2);
      else
        selectRange(3, 4);
      return Decide(2010);
    }
    // 11.
    return;
  }

  // Answering. A stair on the table is answered by a stair only, and none of
  // these patterns is one.
  if (g.Table.StairKey != 255) return;
  const int tc = g.Table.Count;
  const int t1 = g.Table.Cards[1];
  const int t1Rank = g.RankOf(t1);
  const bool locksClear = !g.Table.SuitLock && !g.Table.ParityLock;
  const auto highestExcept = [&](int a, int b) {
    for (int p = n; p >= 1; --p)
      if (R(p) != a && R(p) != b) return R(p);
    return 0;
  };

  // 1. The last cards are jokers and the rest is one rank.
  if (n - tc >= 1 && locksClear && R(n - tc + 1) == kRankJoker) {
    if (!IsJoker(t1) && R(1) == highestExcept(kRankJoker, kRankJoker)) {
      selectRange(n - tc + 1, n);
      return Decide(2021);
    }
  }
  // 2. The last cards are 2s (or 2s and jokers) and the rest is one rank.
  if (OrderSign > 0 && n - tc >= 1 && t1Rank < kRank2 && locksClear && R(n - tc + 1) == kRank2) {
    if (!IsJoker(t1) && R(1) == highestExcept(kRank2, kRankJoker)) {
      selectRange(n - tc + 1, n);
      return Decide(2022);
    }
  }
  // 3. 8s clear the table; the rest is one rank.
  if (Rule8 && !IsJoker(t1) && OrderSign * t1Rank < OrderSign * kRank8) {
    // The even/odd lock goes by Revolution alone: under a revolution it wants odd
    // faces, and an 8 is even, even when a J has turned the order back.
    const bool evenAllowed = !g.Table.ParityLock || FollowsParityLock(g, kRank8);
    const bool plain = !g.Table.SuitLock && !(OrderSign < 0 && g.Table.ParityLock) && evenAllowed;
    const int t1Suit = g.SuitOf(t1);
    if (R(1) == kRank8) {
      int c = 0;
      while (c < n && R(c + 1) == kRank8) ++c;
      const int x = R(c + 1);
      if (R(n) == x && tc <= c) {
        if (plain) {
          selectRange(1, tc);
          return Decide(2023);
        }
        if (g.Table.SuitLock && tc == 1 && evenAllowed) {
          for (int p = 1; p <= c; ++p)
            if (Suit(p) == t1Suit) {
              Select(p);
              return Decide(2023);
            }
        }
      }
    }
    if (R(n) == kRank8) {
      int c = 0;
      while (c < n && R(n - c) == kRank8) ++c;
      const int x = R(n - c);
      if (R(1) == x && tc <= c) {
        if (plain) {
          selectRange(n - tc + 1, n);
          return Decide(2024);
        }
        if (g.Table.SuitLock && tc == 1 && evenAllowed) {
          for (int p = n; p > n - c; --p)
            if (Suit(p) == t1Suit) {
              Select(p);
              return Decide(2024);
            }
        }
      }
    }
  }
  // 4. Nothing here.
}

}  // namespace tomaruk

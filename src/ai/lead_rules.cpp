// The lead rules: how a computer seat opens a round once no dedicated chooser
// has settled the play. The groups run in order - black 7s, a tight hand, a
// strong top, pressure on the next seat, restless characters, and last the lead
// by the character's preferred shape.
//
// Decision codes:
//   703, 704         tight hand: the group with one or two jokers on top
//   707              the black 7s go out together
//   711, 712         strong top (normal order): a 2, or the fourth-strongest card
//   715, 716, 718    strong top (reversed order): a 3, the fourth-strongest, a joker
//   721, 723, 728    pressure on the next seat: the 5s, one 5, a group it cannot top
//   731, 738         the next seat one step from the line: the 5s, a Q
//   741, 743, 748    restless characters: the 5s, one 5, the Qs
//   746              restless characters: a 7 while a black 7 is at hand
//   750 .. 824       the lead by preferred shape, normal order: style 0 (750 group,
//                    751 with a joker, 753 with both, 756 the third-strongest rank),
//                    style 1 (761 weakest pair, 766 weakest rank), style 2 (770 three
//                    or more from 9 up, 771 the same with a joker, 780 from 7 up,
//                    782 anything, 784 / 787 with jokers), style 3 (791 a high single,
//                    810 a high group, 820 anything, 811 / 814 / 821 / 824 with jokers)
//   830 .. 894       the same in reversed order: style 0 (830, 831, 834), style 1 (841
//                    a pair from the top, 844 a single from 4 up), style 2 (850, 851,
//                    855, 856, 860, 861, 864), style 3 (871, 880, 881, 884, 890, 891, 894)
//   Codes 787, 814, 824, 864, 884 and 894 cannot fire: both jokers top up a
//   pair only for characters with B at most 3, and styles 2 and 3 need B of 4
//   or more.
//   2401             tight hand: the largest group, strongest rank left out
//   2402             the next seat one step from the line: one 5 at random
#include <algorithm>
#include <array>
#include <cmath>

#include "ai/computer_player.h"

namespace tomaruk {

int ComputerPlayer::GroupSearch(int lo, int hi, int fromSize, int toSize, int sizeStep, int order,
                                bool skipBlackSevenPairs) {
  const int cc = CC();
  // Sizes are tried from fromSize towards toSize in the stated direction; a
  // hand smaller than the range tries no size at all (a hand of two searching
  // from 2 down to 3).
  const int step = sizeStep;
  int s = fromSize;
  for (; step > 0 ? s <= toSize : s >= toSize; s += step) {
    for (int i = 1; i <= cc - s + 1; ++i) {
      if (!IsExactGroup(i, s, lo, hi, order, 0)) continue;
      // A tight hand does not spend two black 7s in one group.
      if (skipBlackSevenPairs && CountBlackSevens(i, s) >= 2) continue;
      for (int p = i; p < i + s; ++p) Select(p);
      Decided = true;
      break;
    }
    if (Decided) return s;
  }
  // Ran out: one step past the last size tried.
  return s;
}

void ComputerPlayer::LeadSection() {
  const int cc = CC();
  const int os = OrderSign > 0 ? 1 : -1;
  const SeatRecord& next = g.Seat[NextSeat];
  const auto selectRank = [&](int rank) {
    bool any = false;
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == rank) {
        Select(p);
        any = true;
      }
    return any;
  };
  const auto selectUnkept = [&](int rank) {
    bool any = false;
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == rank && !IsKept(p)) {
        Select(p);
        any = true;
      }
    return any;
  };
  // One of the unkept 5s, each as likely as the other.
  const auto selectRandomFive = [&] {
    int n = 0;
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == kRank5 && !IsKept(p)) PairMemo[++n] = p;
    if (n < 1) return false;
    const int k = std::min(static_cast<int>(std::floor(Draw() * n)) + 1, n);
    Select(PairMemo[k]);
    return true;
  };
  const auto search = [&](int lo, int hi, int fromSize, int toSize, int sizeStep, int code) {
    const int last = GroupSearch(lo, hi, fromSize, toSize, sizeStep, os);
    if (Decided) DecisionCode = code;
    return last;
  };
  // The joker top-ups after a search: J3 (withTrait) and J3' make a set of three
  // four, J2 makes a pair four with both jokers.
  const auto topUp3 = [&](int last, bool withTrait, int code) {
    if (IsJoker(Hand(cc)) && last == 3 && (!withTrait || TraitG <= 4)) {
      Select(cc);
      if (code != 0) DecisionCode = code;
      return true;
    }
    return false;
  };
  const auto topUp2 = [&](int last, int code) {
    if (IsJoker(Hand(cc - 1)) && last == 2 && TraitB <= 3 && TraitG <= 2) {
      Select(cc - 1);
      Select(cc);
      DecisionCode = code;
    }
  };
  const auto jokerTopUp = [&](int last, int j3Code, int j2Code) {
    if (!topUp3(last, true, j3Code)) topUp2(last, j2Code);
  };

  // L1: the black 7s go out together.
  const int push = static_cast<int>(std::floor(Draw() * 2.5)) + TraitA + TraitB + TraitE;
  if (push >= 12 && CountBlackSevens(1, cc) >= (TraitB > 3 ? 2 : 1)) {
    selectRank(kRank7);
    return Decide(707);
  }

  // L2: a tight hand sheds its largest group, holding back the strongest rank.
  if (HoldMargin <= HoldThreshold) {
    const int last = GroupSearch(os > 0 ? kRank3 : kRank4, os > 0 ? kRankA : kRank2, cc, 1, kDownward, os, true);
    if (Decided) DecisionCode = 2401;
    if (IsJoker(Hand(cc)) && last == 3 && TraitD <= 4 && TraitG <= 4) {
      Select(cc);
      DecisionCode = 703;
    }
    if (IsJoker(Hand(cc - 1)) && last == 2 && TraitB <= 3 && TraitG <= 2) {
      Select(cc - 1);
      Select(cc);
      DecisionCode = 704;
    }
    return;
  }

  // L3: a strong top lets the seat spend one of its best cards while nobody
  // else is near the line.
  if (TraitE == 5 && TraitB >= 2) {
    int safe = 0;
    if (TraitA >= 3)
      for (int s = 1; s <= g.Options.SeatCount; ++s)
        if (s == g.Turn || g.Seat[s].Status == kDroppedOut || g.Seat[s].CardCount <= g.Line - 4) ++safe;
    if (safe != g.Options.SeatCount && cc >= 5) {
      if (os > 0) {
        TopSum = Rank(cc - 3) + Rank(cc - 2) + Rank(cc - 1) + Rank(cc);
        if (TopSum >= 64 - TraitB) {
          if (!IsKept(cc - 2) && Rank(cc - 2) == kRank2) {
            Select(cc - 2);
            return Decide(711);
          }
          if (!IsKept(cc - 3) && IsJoker(Hand(cc - 1)) && Rank(cc - 3) != kRankJ) {
            Select(cc - 3);
            return Decide(712);
          }
        }
      } else {
        // Strength in reversed order: the jokers count 2, then the 3s upward.
        int jokers = 0;
        for (int p = 1; p <= cc; ++p)
          if (IsJoker(Hand(p))) ++jokers;
        std::array<int, kHandSlots + 1> list{};
        int n = 0;
        for (int k = 0; k < jokers; ++k) list[++n] = 2;
        for (int p = 1; p <= cc; ++p)
          if (!IsJoker(Hand(p))) list[++n] = Rank(p);
        TopSum = list[1] + list[2] + list[3] + list[4];
        if (TopSum <= TraitB + 8) {
          if (jokers <= 2) {
            if (!IsKept(3 - jokers) && list[3] == kRank3) {
              Select(3 - jokers);
              return Decide(715);
            }
            if (!IsKept(4 - jokers) && list[2] == 2) {
              Select(4 - jokers);
              return Decide(716);
            }
          } else {
            Select(cc - 2);
            return Decide(718);
          }
        }
      }
    }
  }

  if (TraitE + TraitB >= 7 && TraitA >= 4) {
    // L4: pressure on the next seat, above all on the human player.
    if ((NextSeat == 1 || TraitA == 5) &&
        (TraitB == 5 || NextSeat == 1 || next.CardCount == g.Line - TraitB + 2)) {
      if (Rule5) {
        if (TraitD <= 3) {
          if (selectUnkept(kRank5)) return Decide(721);
        } else if (selectRandomFive()) {
          return Decide(723);
        }
      }
      if (os > 0) {
        // A group the next seat's card at this seat's own count cannot top.
        const int beat = g.RankOf(g.HandCard(NextSeat, cc));
        for (int i = 1; i <= cc; ++i) {
          const int r = Rank(i);
          if (r != kRank10 && r != kRankJ && r < kRankA && !IsKept(i) && r >= beat) {
            selectRank(r);
            return Decide(728);
          }
        }
      }
    }
    // L5: the next seat is one step from the line.
    if (TraitA >= 4 && next.CardCount == g.Line - TraitB + 2) {
      if (Rule5) {
        if (TraitD <= 3) {
          if (selectUnkept(kRank5)) return Decide(731);
        } else if (selectRandomFive()) {
          return Decide(2402);
        }
      }
      // A Q turns the order away from it.
      // The rule settles the lead even without a Q; the review then leads
      // the weakest card.
      if (RuleQ && TraitB >= 4 && PlayersLeft >= 4) {
        for (int p = 1; p <= cc; ++p)
          if (Rank(p) == kRankQ && !IsKept(p)) {
            Select(p);
            break;
          }
        return Decide(738);
      }
    }
  }

  // L6 and L7: restless characters lead 5s, Qs and 7s.
  if (TraitE + TraitB >= 7 && TraitA <= 3) {
    if (Rule5) {
      if (TraitD <= 3) {
        if (selectUnkept(kRank5)) return Decide(741);
      } else if (selectRandomFive()) {
        return Decide(743);
      }
    }
    if (RuleQ && TraitB >= 4 && selectUnkept(kRankQ)) return Decide(748);
    if (Rule7) {
      for (int p = 1; p <= cc; ++p) {
        if (Rank(p) == kRank7 && IsBlack(g, Hand(p)) && !IsKept(p)) {
          for (int q = 1; q <= cc; ++q)
            if (Rank(q) == kRank7) {
              Select(q);
              break;
            }
          return Decide(746);
        }
      }
    }
  }

  // L8: the lead by preferred shape.
  LeadStyle = (TraitB >= 4 ? 2 : 0) + (TraitD >= 4 ? 1 : 0);
  const int a = TraitA < 3 ? 1 : 0;
  if (os > 0) {
    switch (LeadStyle) {
      case 0: {
        // The largest group of ordinary cards.
        const int last = search(kRank4, kRankA, cc, 1, kDownward, 750);
        jokerTopUp(last, 751, 753);
        if (Decided) return;
        // Else the third-strongest rank; a hand of fewer than three cards has
        // none, and the review leads the weakest card instead.
        selectRank(Rank(cc - 2));
        return Decide(756);
      }
      case 1:
        // The weakest pair, or else the weakest rank.
        for (int i = 1; i <= cc - 1; ++i)
          if (IsExactGroup(i, 2, kRank4, kRankA, 1, 0)) {
            Select(i);
            Select(i + 1);
            return Decide(761);
          }
        selectRank(Rank(1));
        return Decide(766);
      case 2: {
        // Groups of three or more from 9 up, then pairs from 7 up, then anything.
        int last = search(kRank9, kRankA, cc, 3, kDownward, 770);
        topUp3(last, false, 0);
        if (Decided) return Decide(771);
        last = search(kRank7, kRankA, cc, 2, kDownward, 780);
        topUp3(last, false, 0);
        if (Decided) return;
        last = search(kRank4, kRankA + a, cc, 1, kDownward, 782);
        jokerTopUp(last, 784, 787);
        return;
      }
      default: {
        // A lone high card first.
        for (int i = 1; i <= cc; ++i)
          if (IsExactGroup(i, 1, kRankQ, kRank2 + TraitF2, 1, 0)) {
            Select(i);
            return Decide(791);
          }
        int last = search(kRankQ, kRankA + a, 2, cc, kUpward, 810);
        jokerTopUp(last, 811, 814);
        if (Decided) return;
        last = search(kRank4, kRankA, 1, cc, kUpward, 820);
        jokerTopUp(last, 821, 824);
        return;
      }
    }
  }
  switch (LeadStyle) {
    case 0: {
      const int last = search(kRank3, kRankA, cc, 1, kDownward, 830);
      jokerTopUp(last, 831, 834);
      return;
    }
    case 1:
      for (int i = cc - 1; i >= 1; --i)
        if (IsExactGroup(i, 2, kRank3, kRankA, -1, 0)) {
          Select(i);
          Select(i + 1);
          return Decide(841);
        }
      for (int i = cc; i >= 1; --i)
        if (Rank(i) >= kRank4 && Rank(i) <= kRank2) {
          Select(i);
          return Decide(844);
        }
      return;
    case 2: {
      int last = search(kRank4, kRank7, cc, 3, kDownward, 850);
      topUp3(last, false, 851);
      if (Decided) return;
      last = search(kRank4, kRank9, cc, 2, kDownward, 855);
      topUp3(last, false, 856);
      if (Decided) return;
      last = search(kRank3, kRankA, cc, 1, kDownward, 860);
      jokerTopUp(last, 861, 864);
      return;
    }
    default: {
      for (int i = 1; i <= cc; ++i)
        if (IsExactGroup(i, 1, kRank3, kRank7, -1, 0)) {
          Select(i);
          return Decide(871);
        }
      int last = search(kRank3, kRank7, 2, cc, kUpward, 880);
      jokerTopUp(last, 881, 884);
      if (Decided) return;
      last = search(kRank4, kRankA, 1, cc, kUpward, 890);
      jokerTopUp(last, 891, 894);
      return;
    }
  }
}

}  // namespace tomaruk

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

#include "ai/rule_run.h"

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

// One run of the lead rules over seat Turn's hand. A rule group returns true
// when the call ends with it, with a play settled or, in the last groups,
// without one (the seat then passes its lead, or the review leads for it);
// false hands over to the next group.
struct ComputerPlayer::LeadRules : RuleRun {
  using Group = bool (LeadRules::*)();

  const int os;  // +1 normal order, -1 reversed
  const SeatRecord& next;

  explicit LeadRules(ComputerPlayer& cp)
      : RuleRun(cp), os(cp.OrderSign > 0 ? 1 : -1), next(cp.g.Seat[cp.NextSeat]) {}

  void Run() {
    static constexpr Group kGroups[] = {
        &LeadRules::BlackSevens,           &LeadRules::TightHand,           &LeadRules::StrongTop,
        &LeadRules::PressureOnTheNextSeat, &LeadRules::NextSeatNearTheLine, &LeadRules::Restless,
        &LeadRules::PreferredShape,
    };
    for (const Group group : kGroups)
      if ((this->*group)()) return;
  }

  // Every card of the rank that is not kept back; false when there is none.
  bool SelectUnkept(int rank) {
    bool any = false;
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == rank && !c.IsKept(p)) {
        c.Select(p);
        any = true;
      }
    return any;
  }
  // One of the unkept 5s, each as likely as the other.
  bool SelectRandomFive() {
    int n = 0;
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == kRank5 && !c.IsKept(p)) c.PairMemo[++n] = p;
    if (n < 1) return false;
    const int k = std::min(c.DrawWhole(n) + 1, n);
    c.Select(c.PairMemo[k]);
    return true;
  }
  // A 5 skips the next player: the careless lead every unkept 5, the careful
  // one of them at random.
  bool LeadFives(int allCode, int oneCode) {
    if (!c.Rule5) return false;
    if (c.TraitD <= 3) return SelectUnkept(kRank5) && Settle(allCode);
    return SelectRandomFive() && Settle(oneCode);
  }

  // A group search in the current order, filed under the code when it settles.
  int Search(int lo, int hi, int fromSize, int toSize, int sizeStep, int code) {
    const int last = c.GroupSearch(lo, hi, fromSize, toSize, sizeStep, os);
    if (c.Decided) c.DecisionCode = code;
    return last;
  }
  // The joker top-ups after a search. A set of three becomes four with the top
  // joker (for characters with G up to 4, or for all where the rule asks no
  // trait); a pair becomes four with both jokers.
  bool TopUpThree(int last, bool withTrait, int code) {
    if (Joker(cc) && last == 3 && (!withTrait || c.TraitG <= 4)) {
      c.Select(cc);
      if (code != 0) c.DecisionCode = code;
      return true;
    }
    return false;
  }
  void TopUpPair(int last, int code) {
    if (Joker(cc - 1) && last == 2 && c.TraitB <= 3 && c.TraitG <= 2) {
      c.Select(cc - 1);
      c.Select(cc);
      c.DecisionCode = code;
    }
  }
  void JokerTopUp(int last, int threeCode, int pairCode) {
    if (!TopUpThree(last, true, threeCode)) TopUpPair(last, pairCode);
  }

  // The 7s go out together, the black ones lowering the limit, when the hand's
  // weakest cards are black 7s and the character pushes hard enough.
  bool BlackSevens() {
    const int push = c.DrawWhole(2.5) + c.TraitA + c.TraitB + c.TraitE;
    if (!(push >= 12 && c.CountBlackSevens(1, cc) >= (c.TraitB > 3 ? 2 : 1))) return false;
    c.SelectRank(kRank7);
    return Settle(707);
  }

  // A tight hand sheds its largest group, holding back the strongest rank and
  // never spending two black 7s in one group; the seat passes when none is found.
  bool TightHand() {
    if (c.HoldMargin > c.HoldThreshold) return false;
    const int last = c.GroupSearch(os > 0 ? kRank3 : kRank4, os > 0 ? kRankA : kRank2, cc, 1,
                                   ComputerPlayer::kDownward, os, true);
    if (c.Decided) c.DecisionCode = 2401;
    if (!(c.TraitD <= 4 && TopUpThree(last, true, 703))) TopUpPair(last, 704);
    return true;
  }

  // A strong top lets the seat spend one of its best cards, unless a shrewd
  // character sees every other seat out or far from the line.
  bool StrongTop() {
    if (!(c.TraitE == 5 && c.TraitB >= 2)) return false;
    int safe = 0;
    if (c.TraitA >= 3)
      for (int s = 1; s <= g.Options.SeatCount; ++s)
        if (s == g.Turn || g.Seat[s].Status == kDroppedOut || g.Seat[s].CardCount <= g.Line - 4) ++safe;
    if (safe == g.Options.SeatCount || cc < 5) return false;
    return os > 0 ? StrongTopNormal() : StrongTopReversed();
  }

  bool StrongTopNormal() {
    c.TopSum = Rank(cc - 3) + Rank(cc - 2) + Rank(cc - 1) + Rank(cc);
    if (c.TopSum < 64 - c.TraitB) return false;
    // The third-strongest card is a 2: it goes alone.
    if (!c.IsKept(cc - 2) && Rank(cc - 2) == kRank2) {
      c.Select(cc - 2);
      return Settle(711);
    }
    // Two jokers on top: the fourth-strongest card goes alone, unless a J.
    if (!c.IsKept(cc - 3) && Joker(cc - 1) && Rank(cc - 3) != kRankJ) {
      c.Select(cc - 3);
      return Settle(712);
    }
    return false;
  }

  // Strength in reversed order: the jokers count one beyond the 3, then the
  // 3s upward.
  bool StrongTopReversed() {
    int jokers = 0;
    for (int p = 1; p <= cc; ++p)
      if (Joker(p)) ++jokers;
    std::array<int, kHandSlots + 1> list{};
    int n = 0;
    for (int k = 0; k < jokers; ++k) list[++n] = ComputerPlayer::kJokerInReversedOrder;
    for (int p = 1; p <= cc; ++p)
      if (!Joker(p)) list[++n] = Rank(p);
    c.TopSum = list[1] + list[2] + list[3] + list[4];
    if (c.TopSum > c.TraitB + 8) return false;
    if (jokers >= 3) {
      c.Select(cc - 2);
      return Settle(718);
    }
    // The third-strongest is a 3, or the second-strongest a second joker: the
    // card after it goes alone.
    if (!c.IsKept(3 - jokers) && list[3] == kRank3) {
      c.Select(3 - jokers);
      return Settle(715);
    }
    if (!c.IsKept(4 - jokers) && list[2] == ComputerPlayer::kJokerInReversedOrder) {
      c.Select(4 - jokers);
      return Settle(716);
    }
    return false;
  }

  // The characters that press their neighbours: strong enough and shrewd.
  bool Presses() const { return c.TraitE + c.TraitB >= 7 && c.TraitA >= 4; }
  // The next seat holds exactly the count this character watches for.
  bool NextSeatAtTheMark() const { return next.CardCount == g.Line - c.TraitB + 2; }

  // Pressure on the next seat, above all on the human player.
  bool PressureOnTheNextSeat() {
    if (!Presses()) return false;
    if (!((c.NextSeat == 1 || c.TraitA == 5) && (c.TraitB == 5 || c.NextSeat == 1 || NextSeatAtTheMark())))
      return false;
    if (LeadFives(721, 723)) return true;
    if (os < 0) return false;
    // The weakest card that the next seat's card at this seat's own count does
    // not top, with its whole rank; never a 10, a J, or anything from the ace up.
    const int beat = g.RankOf(g.HandCard(c.NextSeat, cc));
    for (int i = 1; i <= cc; ++i) {
      const int r = Rank(i);
      if (r != kRank10 && r != kRankJ && r < kRankA && !c.IsKept(i) && r >= beat) {
        c.SelectRank(r);
        return Settle(728);
      }
    }
    return false;
  }

  // The next seat is one step from the line.
  bool NextSeatNearTheLine() {
    if (!(Presses() && NextSeatAtTheMark())) return false;
    if (LeadFives(731, 2402)) return true;
    // A Q reverses the direction of play, away from that seat. The rule
    // settles the lead even without a Q; the review then leads the weakest card.
    if (!(c.RuleQ && c.TraitB >= 4 && c.PlayersLeft >= 4)) return false;
    for (int p = 1; p <= cc; ++p)
      if (Rank(p) == kRankQ && !c.IsKept(p)) {
        c.Select(p);
        break;
      }
    return Settle(738);
  }

  // Restless characters lead 5s, Qs and 7s.
  bool Restless() {
    if (!(c.TraitE + c.TraitB >= 7 && c.TraitA <= 3)) return false;
    if (LeadFives(741, 743)) return true;
    if (c.RuleQ && c.TraitB >= 4 && SelectUnkept(kRankQ)) return Settle(748);
    if (!c.Rule7) return false;
    // While an unkept black 7 is at hand, the first 7 of the hand goes alone.
    for (int p = 1; p <= cc; ++p) {
      if (Rank(p) == kRank7 && IsBlack(g, c.Hand(p)) && !c.IsKept(p)) {
        for (int q = 1; q <= cc; ++q)
          if (Rank(q) == kRank7) {
            c.Select(q);
            break;
          }
        return Settle(746);
      }
    }
    return false;
  }

  // The lead by the character's preferred shape; the call ends here.
  bool PreferredShape() {
    c.LeadStyle = (c.TraitB >= 4 ? 2 : 0) + (c.TraitD >= 4 ? 1 : 0);
    static constexpr Group kNormal[] = {&LeadRules::LargestGroup, &LeadRules::WeakestPair,
                                        &LeadRules::HighGroupsFirst, &LeadRules::HighSingleFirst};
    static constexpr Group kReversed[] = {&LeadRules::LargestGroupReversed, &LeadRules::WeakestPairReversed,
                                          &LeadRules::HighGroupsFirstReversed,
                                          &LeadRules::HighSingleFirstReversed};
    const Group style = os > 0 ? kNormal[c.LeadStyle] : kReversed[c.LeadStyle];
    (this->*style)();
    return true;
  }
  // Weaker characters also lead 2s in the last searches.
  int TwosToo() const { return c.TraitA < 3 ? 1 : 0; }

  // The largest group of ordinary cards, else the third-strongest rank (a
  // hand of fewer than three cards has none, and the review leads the weakest).
  bool LargestGroup() {
    const int last = Search(kRank4, kRankA, cc, 1, ComputerPlayer::kDownward, 750);
    JokerTopUp(last, 751, 753);
    if (c.Decided) return true;
    c.SelectRank(Rank(cc - 2));
    return Settle(756);
  }
  bool LargestGroupReversed() {
    const int last = Search(kRank3, kRankA, cc, 1, ComputerPlayer::kDownward, 830);
    JokerTopUp(last, 831, 834);
    return true;
  }

  // The weakest pair, or else the weakest rank.
  bool WeakestPair() {
    for (int i = 1; i <= cc - 1; ++i)
      if (c.IsExactGroup(i, 2, kRank4, kRankA, 1, 0)) {
        c.SelectRun(i, 2);
        return Settle(761);
      }
    c.SelectRank(Rank(1));
    return Settle(766);
  }
  // Reversed: the weakest pair from the top, or else a single from the 4 up.
  bool WeakestPairReversed() {
    for (int i = cc - 1; i >= 1; --i)
      if (c.IsExactGroup(i, 2, kRank3, kRankA, -1, 0)) {
        c.SelectRun(i, 2);
        return Settle(841);
      }
    for (int i = cc; i >= 1; --i)
      if (Rank(i) >= kRank4 && Rank(i) <= kRank2) {
        c.Select(i);
        return Settle(844);
      }
    return true;
  }

  // Groups of three or more from the 9 up, then of two or more from the 7 up,
  // then anything.
  bool HighGroupsFirst() {
    int last = Search(kRank9, kRankA, cc, 3, ComputerPlayer::kDownward, 770);
    TopUpThree(last, false, 0);
    if (c.Decided) return Settle(771);
    last = Search(kRank7, kRankA, cc, 2, ComputerPlayer::kDownward, 780);
    TopUpThree(last, false, 0);
    if (c.Decided) return true;
    last = Search(kRank4, kRankA + TwosToo(), cc, 1, ComputerPlayer::kDownward, 782);
    JokerTopUp(last, 784, 787);
    return true;
  }
  // Reversed, where the low ranks are the high cards: groups of three or more
  // from 4 to 7, then of two or more from 4 to 9, then anything.
  bool HighGroupsFirstReversed() {
    int last = Search(kRank4, kRank7, cc, 3, ComputerPlayer::kDownward, 850);
    TopUpThree(last, false, 851);
    if (c.Decided) return true;
    last = Search(kRank4, kRank9, cc, 2, ComputerPlayer::kDownward, 855);
    TopUpThree(last, false, 856);
    if (c.Decided) return true;
    last = Search(kRank3, kRankA, cc, 1, ComputerPlayer::kDownward, 860);
    JokerTopUp(last, 861, 864);
    return true;
  }

  // A lone high card first (Q, K, A, 2, and the joker for those who like to),
  // then a high group, then anything, smallest groups first.
  bool HighSingleFirst() {
    for (int i = 1; i <= cc; ++i)
      if (c.IsExactGroup(i, 1, kRankQ, kRank2 + c.TraitF2, 1, 0)) {
        c.Select(i);
        return Settle(791);
      }
    int last = Search(kRankQ, kRankA + TwosToo(), 2, cc, ComputerPlayer::kUpward, 810);
    JokerTopUp(last, 811, 814);
    if (c.Decided) return true;
    last = Search(kRank4, kRankA, 1, cc, ComputerPlayer::kUpward, 820);
    JokerTopUp(last, 821, 824);
    return true;
  }
  // Reversed: a lone card from 3 to 7 first, then such a group, then anything.
  bool HighSingleFirstReversed() {
    for (int i = 1; i <= cc; ++i)
      if (c.IsExactGroup(i, 1, kRank3, kRank7, -1, 0)) {
        c.Select(i);
        return Settle(871);
      }
    int last = Search(kRank3, kRank7, 2, cc, ComputerPlayer::kUpward, 880);
    JokerTopUp(last, 881, 884);
    if (c.Decided) return true;
    last = Search(kRank4, kRankA, 1, cc, ComputerPlayer::kUpward, 890);
    JokerTopUp(last, 891, 894);
    return true;
  }
};

void ComputerPlayer::LeadSection() {
  LeadRules rules(*this);
  rules.Run();
}

}  // namespace tomaruk

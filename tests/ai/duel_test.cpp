#include <gtest/gtest.h>

#include <utility>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

using Pos = std::vector<int>;
using Outcome = std::pair<Pos, int>;  // selected positions, decision code
const Outcome kNothing{Pos{}, 0};

constexpr int S = kSpade, H = kHeart, D = kDiamond, C = kClub;

// Two seats: seat 2 (character 1) against seat 1, limit 11. The opponent holds
// `count` cards: low clubs, then `top` as its highest card when given.
struct Duel : AiScenario {
  Duel(std::vector<int> hand, int count, int top = 0) : AiScenario(2) {
    SetHand(2, hand);
    std::vector<int> opp;
    for (int i = 0; static_cast<int>(opp.size()) < count - (top != 0 ? 1 : 0); ++i)
      opp.push_back(Card(3 + i / 3, C, i % 3));
    if (top != 0) opp.push_back(top);
    SetHand(1, opp);
  }
  // Seat 1 has just played these cards to seat 2.
  Duel& Facing(std::vector<int> table) {
    SetTable(table, 1);
    return *this;
  }
  Duel& Reversed() {
    g.Revolution = -1;
    return *this;
  }
  // Runs the two-player play after the turn's counters; `tune` adjusts traits.
  template <class F>
  Outcome Choose(F tune) {
    PrepareTurn();
    tune(cp);
    cp.ChooseDuelPlay();
    if (!Selected().empty()) {
      EXPECT_TRUE(PlayIsLegal());
    }
    return {Selected(), cp.DecisionCode};
  }
  Outcome Choose() {
    return Choose([](ComputerPlayer&) {});
  }
};

TEST(DuelLead, OpponentAtTheLimit) {
  // Ten cards against a limit of 11, and two 5s of our own: a 5 makes it draw.
  Duel fives({Card(4, S), Card(5, S), Card(5, H), Card(9, S)}, 10);
  fives.cp.Rule5 = true;
  EXPECT_EQ(fives.Choose(), Outcome(Pos{2}, 2101));
  // Without the 5 rule, a joker; with the black-7 rule, every black 7.
  Duel joker({Card(4, S), Card(9, S), Joker()}, 10);
  EXPECT_EQ(joker.Choose(), Outcome(Pos{3}, 2101));
  Duel sevens({Card(4, S), Card(7, S), Card(7, H), Card(7, C), Card(9, S)}, 10);
  sevens.cp.Rule7 = true;
  EXPECT_EQ(sevens.Choose(), Outcome(Pos{2, 4}, 2101));
  // The opponent is the last other seat still playing: finished seats do not count.
  Duel four({Card(4, S), Card(9, S), Joker()}, 0);
  four.g.Options.SeatCount = 4;
  four.g.Seat[1].Status = kFinished;
  four.g.Seat[3].Status = kFinished;
  four.SetHand(4, {Card(3, D, 0), Card(3, D, 1), Card(3, D, 2), Card(4, D, 0), Card(4, D, 1), Card(4, D, 2),
                   Card(5, D, 0), Card(5, D, 1), Card(5, D, 2), Card(6, D, 0)});
  EXPECT_EQ(four.Choose(), Outcome(Pos{3}, 2101));
}

TEST(DuelLead, OpponentNearTheLimit) {
  // Gap 1 (9 cards and our joker): the bold character leads the strongest card that
  // tops the opponent's best, never the joker.
  Duel bold({Card(4, S), Card(7, H), Card(13, S), Joker()}, 9, Card(12, D));
  EXPECT_EQ(bold.Choose([](ComputerPlayer& cp) { cp.TraitA = 5; }), Outcome(Pos{3}, 2102));
  // Neither a 7 nor a 5 is used for it; then the weakest group, if it is above 5.
  Duel low({Card(4, S), Card(5, H), Card(7, H)}, 10);  // the opponent's best is a 6
  EXPECT_EQ(low.Choose([](ComputerPlayer& cp) { cp.TraitA = 5; }), kNothing);
  Duel topped({Card(6, S), Card(6, H), Card(9, S)}, 10, Joker());
  EXPECT_EQ(topped.Choose([](ComputerPlayer& cp) { cp.TraitA = 5; }), Outcome(Pos{1, 2}, 2103));
  const std::vector<int> sixes = {Card(6, S), Card(6, H), Card(9, S)};
  Duel calm(sixes, 10);
  EXPECT_EQ(calm.Choose(), Outcome(Pos{1, 2}, 2103));
  Duel meek(sixes, 10);
  EXPECT_EQ(meek.Choose([](ComputerPlayer& cp) { cp.TraitB = 2; }), kNothing);
  Duel fours({Card(4, S), Card(6, H), Card(9, S)}, 10);
  EXPECT_EQ(fours.Choose(), kNothing);
  // Under a revolution the weakest group must be below 5.
  Duel rev({Card(4, S), Card(4, H), Card(9, S)}, 10);
  EXPECT_EQ(rev.Reversed().Choose(), Outcome(Pos{1, 2}, 2103));
  // A gap of 2 counts only for a character with TraitB 4 or more.
  Duel two(sixes, 9);
  EXPECT_EQ(two.Choose([](ComputerPlayer& cp) { cp.TraitB = 4; }), Outcome(Pos{1, 2}, 2103));
  Duel twoCalm(sixes, 9);
  EXPECT_EQ(twoCalm.Choose([](ComputerPlayer& cp) { cp.TraitB = 3; }), kNothing);
}

TEST(DuelLead, OpponentWithOneOrTwoCards) {
  const std::vector<int> groups = {Card(4, S), Card(6, S), Card(6, H), Card(9, S),
                                   Card(9, H), Card(9, D), Card(13, S)};
  // One card left: the smallest exact group of two or more, from the weak end.
  Duel one(groups, 1);
  EXPECT_EQ(one.Choose(), Outcome(Pos{2, 3}, 2104));
  // A kept pair is passed over; the group test looks forward only, so the last two 9s
  // of three make an exact pair.
  Duel kept(groups, 1);
  EXPECT_EQ(kept.Choose([](ComputerPlayer& cp) { cp.Kept[2] = true; }), Outcome(Pos{5, 6}, 2104));
  // Pairs of 2s are spared while TraitF2 is set; then a single from 9 upwards, strongest first.
  const std::vector<int> twos = {Card(4, S), Card(15, S), Card(15, H)};
  Duel spare(twos, 1);
  EXPECT_EQ(spare.Choose([](ComputerPlayer& cp) { cp.TraitF2 = 1; }), kNothing);
  Duel spend(twos, 1);
  EXPECT_EQ(spend.Choose([](ComputerPlayer& cp) { cp.TraitF2 = 0; }), Outcome(Pos{2, 3}, 2104));
  Duel single({Card(4, S), Card(7, S), Card(13, S)}, 1);
  EXPECT_EQ(single.Choose(), Outcome(Pos{3}, 2105));
  Duel eight({Card(4, S), Card(8, S)}, 1);
  EXPECT_EQ(eight.Choose(), kNothing);
  Duel noJoker({Card(4, S), Card(7, S), Card(15, S), Joker()}, 1);
  EXPECT_EQ(noJoker.Choose([](ComputerPlayer& cp) { cp.TraitF2 = 0; }), Outcome(Pos{3}, 2105));
  Duel noTwo({Card(4, S), Card(7, S), Card(15, S), Joker()}, 1);
  EXPECT_EQ(noTwo.Choose([](ComputerPlayer& cp) { cp.TraitF2 = 1; }), kNothing);
  // Two cards left: the largest exact group from 9 upwards, never Js.
  Duel two(
      {Card(4, S), Card(4, H), Card(9, S), Card(9, H), Card(9, D), Card(11, S), Card(11, H), Card(13, S)}, 2);
  EXPECT_EQ(two.Choose(), Outcome(Pos{3, 4, 5}, 2106));
  Duel jacks({Card(4, S), Card(11, S), Card(11, H), Card(13, S)}, 2);
  EXPECT_EQ(jacks.Choose(), Outcome(Pos{4}, 2106));
  Duel three({Card(4, S), Card(11, S), Card(11, H), Card(13, S)}, 3);
  EXPECT_EQ(three.Choose(), kNothing);
}

TEST(DuelAnswer, GroupsTheOpponentCannotAnswer) {
  // The opponent holds one card: a pair cannot be answered by it.
  const std::vector<int> pairs = {Card(4, S), Card(4, H), Card(7, S), Card(7, H), Card(13, S), Card(13, H)};
  Duel pair(pairs, 1);
  EXPECT_EQ(pair.Facing({Card(6, C, 0), Card(6, D)}).Choose(), Outcome(Pos{3, 4}, 2121));
  // Reversed, the window lies below the table's rank; kept cards are passed over.
  const std::vector<int> low = {Card(4, S), Card(4, H), Card(7, S), Card(7, H), Card(13, S)};
  Duel rev(low, 1);
  EXPECT_EQ(rev.Reversed().Facing({Card(9, C, 0), Card(9, D)}).Choose(), Outcome(Pos{1, 2}, 2121));
  Duel revKept(low, 1);
  EXPECT_EQ(revKept.Reversed().Facing({Card(9, C, 0), Card(9, D)}).Choose([](ComputerPlayer& cp) {
    cp.Kept[1] = true;
  }),
            Outcome(Pos{3, 4}, 2121));
  // With no exact pair, a single and the joker.
  Duel joker({Card(7, S), Card(13, S), Joker()}, 1);
  EXPECT_EQ(joker.Facing({Card(6, C, 0), Card(6, D)}).Choose(), Outcome(Pos{1, 3}, 2122));
  // A joker leading the table cannot be beaten by ordinary cards, in either order.
  Duel onJoker(low, 1);
  EXPECT_EQ(onJoker.Reversed().Facing({Joker(0), Joker(1)}).Choose(), kNothing);
  // A stair is answered by a stair only.
  const std::vector<int> nines = {Card(9, S), Card(9, H), Card(9, D), Card(9, C), Card(13, S)};
  Duel stair(nines, 1);
  stair.Facing({Card(4, D), Card(5, D), Card(6, D), Card(7, D)}).g.Table.StairKey = 4;
  EXPECT_EQ(stair.Choose(), kNothing);
  Duel set(nines, 1);
  EXPECT_EQ(set.Facing({Card(6, S), Card(6, H), Card(6, D), Card(6, C, 0)}).Choose(),
            Outcome(Pos{1, 2, 3, 4}, 2121));
  Duel locked(pairs, 1);
  locked.Facing({Card(6, C, 0), Card(6, D)}).g.Table.SuitLock = true;
  EXPECT_EQ(locked.Choose(), kNothing);
}

TEST(DuelAnswer, StrongLastCardLeavesTheTurnToTheCore) {
  const std::vector<int> hand = {Card(4, S), Card(13, S)};
  for (int last : {Card(9, H), Card(8, H), Joker(), Card(15, H)}) {
    Duel d(hand, 1, last);
    d.Facing({Card(6, C, 0)});
    EXPECT_EQ(d.Choose([](ComputerPlayer& cp) {
      cp.TraitA = 4;
      cp.Decided = true;
    }),
              kNothing);
    EXPECT_FALSE(d.cp.Decided);
  }
  // A timid character, an ordinary last card or a hand near the limit go on to rule 5.
  Duel timid(hand, 1, Card(9, H));
  EXPECT_EQ(timid.Facing({Card(6, C, 0)}).Choose(), Outcome(Pos{2}, 2127));
  Duel plain(hand, 1, Card(7, H));
  EXPECT_EQ(plain.Facing({Card(6, C, 0)}).Choose([](ComputerPlayer& cp) { cp.TraitA = 4; }),
            Outcome(Pos{2}, 2127));
  Duel full({Card(4, S), Card(4, H), Card(5, S), Card(7, S), Card(7, H), Card(10, H), Card(11, S),
             Card(11, H), Card(12, S), Card(13, S)},
            1, Card(9, H));
  EXPECT_EQ(full.Facing({Card(6, C, 0)}).Choose([](ComputerPlayer& cp) { cp.TraitA = 4; }),
            Outcome(Pos{10}, 2127));
}

TEST(DuelAnswer, OneRankLeftBesidesTheStrongCards) {
  // The 2s, 5s, 8s and jokers are set aside; the rest is one rank: play the strong ones now.
  Duel tops({Card(6, S), Card(6, H), Card(15, S), Card(15, H)}, 5);
  EXPECT_EQ(tops.Facing({Card(9, C), Card(9, D)}).Choose(), Outcome(Pos{3, 4}, 2123));
  Duel threes({Card(3, S), Card(3, H), Card(13, S), Card(13, H)}, 5);
  EXPECT_EQ(threes.Reversed().Facing({Card(10, H), Card(10, D)}).Choose(), Outcome(Pos{1, 2}, 2123));
  Duel fives({Card(5, S), Card(5, H), Card(9, S), Card(9, H)}, 5);
  fives.cp.Rule5 = true;
  EXPECT_EQ(fives.Facing({Card(4, D), Card(4, H)}).Choose(), Outcome(Pos{1, 2}, 2124));
  Duel eights({Card(8, S), Card(8, H), Card(13, S), Card(13, H)}, 5);
  eights.cp.Rule8 = true;
  EXPECT_EQ(eights.Facing({Card(6, D), Card(6, H)}).Choose(), Outcome(Pos{1, 2}, 2125));
  Duel jokers({Card(13, S), Card(13, H), Joker(0), Joker(1)}, 5);
  EXPECT_EQ(jokers.Facing({Card(12, D), Card(12, H)}).Choose(), Outcome(Pos{3, 4}, 2126));
  Duel oneJoker({Card(13, S), Card(13, H), Joker(0)}, 5);
  EXPECT_EQ(oneJoker.Facing({Card(12, D), Card(12, H)}).Choose(), kNothing);
  // Two ranks left over, or nothing left over: no choice.
  Duel mixed({Card(6, S), Card(13, S), Joker(0), Joker(1)}, 5);
  EXPECT_EQ(mixed.Facing({Card(4, D), Card(4, H)}).Choose(), kNothing);
  Duel allStrong({Card(15, S), Card(15, H), Joker()}, 5);
  EXPECT_EQ(allStrong.Facing({Card(4, D), Card(4, H)}).Choose(), kNothing);
}

TEST(DuelAnswer, LastCardOpponentFacesTheStrongestGroup) {
  Duel single({Card(4, S), Card(9, S), Card(13, S)}, 1);
  EXPECT_EQ(single.Facing({Card(6, C, 0)}).Choose(), Outcome(Pos{3}, 2127));
  // The scan runs from the strong end; the group test looks forward only.
  Duel triple({Card(4, S), Card(9, S), Card(13, S), Card(13, H), Card(13, D)}, 1);
  EXPECT_EQ(triple.Facing({Card(6, C, 0)}).Choose(), Outcome(Pos{5}, 2127));
  Duel rev({Card(4, S), Card(9, S), Card(13, S)}, 1);
  EXPECT_EQ(rev.Reversed().Facing({Card(10, H)}).Choose(), Outcome(Pos{1}, 2127));
  // In normal order a pair of jokers is within the window.
  Duel jokers({Card(4, S), Card(6, S), Joker(0), Joker(1)}, 1);
  EXPECT_EQ(jokers.Facing({Card(9, C), Card(9, D)}).Choose(), Outcome(Pos{3, 4}, 2127));
  // Nothing but a joker beats a joker, even under a revolution.
  Duel onJoker({Card(4, S), Card(9, S), Card(13, S)}, 1);
  EXPECT_EQ(onJoker.Reversed().Facing({Joker()}).Choose(), kNothing);
  Duel high({Card(4, S), Card(5, H)}, 1);
  EXPECT_EQ(high.Facing({Card(6, C, 0)}).Choose(), kNothing);
}

}  // namespace
}  // namespace tomaruk::testing

#include <gtest/gtest.h>

#include <utility>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

using Pos = std::vector<int>;
using Outcome = std::pair<Pos, int>;  // selected positions, decision code

constexpr int S = kSpade, H = kHeart, D = kDiamond, C = kClub;

// Seat 2 runs the closing patterns with this hand after the turn's counters;
// traitA < 0 keeps the character's own level.
// The draws are those the patterns take after the six of the traits.
Outcome Choose(AiScenario& sc, int traitA = -1, std::initializer_list<double> draws = {}) {
  sc.PrepareTurn();
  sc.g.Rng.Script(draws);
  if (traitA >= 0) sc.cp.TraitA = traitA;
  sc.cp.ChooseLeadPlay();
  return {sc.Selected(), sc.cp.DecisionCode};
}
Outcome Lead(std::vector<int> hand, int traitA = -1, int revolution = 1) {
  AiScenario sc;
  sc.g.Revolution = revolution;
  sc.SetHand(2, hand);
  return Choose(sc, traitA);
}
const Outcome kNothing{Pos{}, 0};

TEST(ClosingPatternsLead, OneRankSplitsOffTheWeakest) {
  const std::vector<int> five3 = {Card(3, S, 0), Card(3, S, 1), Card(3, S, 2), Card(3, H, 0), Card(3, H, 1)};
  EXPECT_EQ(Lead(five3, 2), Outcome(Pos{1, 2, 3}, 2001));
  EXPECT_EQ(Lead(five3, 1), Outcome(Pos{1, 2, 3, 4}, 2001));  // a revolution
  std::vector<int> six3 = five3;
  six3.push_back(Card(3, H, 2));
  EXPECT_EQ(Lead(six3, 3), Outcome(Pos{1, 2, 3, 4}, 2001));
  EXPECT_EQ(Lead({Card(3, S), Card(3, H), Card(3, D)}), Outcome(Pos{1, 2, 3}, 2001));
  EXPECT_EQ(Lead({Card(7, S), Card(7, H), Card(7, D), Card(7, C)}), Outcome(Pos{1, 2, 3, 4}, 2001));
  // Under a revolution the 2s are the weakest.
  const std::vector<int> four2 = {Card(15, S), Card(15, H), Card(15, D), Card(15, C)};
  EXPECT_EQ(Lead(four2, 3, -1), Outcome(Pos{1, 2, 3}, 2001));
  EXPECT_EQ(Lead(four2, 3, 1), Outcome(Pos{1, 2, 3, 4}, 2001));
}

TEST(ClosingPatternsLead, JokersAndOneRank) {
  // Six jokers go together.
  EXPECT_EQ(Lead({Card(4, S), Joker(0), Joker(1), Joker(2), Joker(3), Joker(4), Joker(5)}),
            Outcome(Pos{2, 3, 4, 5, 6, 7}, 2002));
  // One rank and jokers.
  EXPECT_EQ(Lead({Card(5, S), Card(5, H), Joker()}), Outcome(Pos{3}, 2003));
  EXPECT_EQ(Lead({Card(15, S), Card(15, H), Joker()}), Outcome(Pos{1}, 2003));
  EXPECT_EQ(Lead({Card(15, S), Card(15, H), Card(15, D), Joker(0), Joker(1)}),
            Outcome(Pos{2, 3, 4, 5}, 2003));
  EXPECT_EQ(Lead({Card(15, S), Joker(0), Joker(1), Joker(2), Joker(3)}), Outcome(Pos{1}, 2003));
  EXPECT_EQ(Lead({Card(15, S), Card(15, H), Card(15, D), Joker()}), Outcome(Pos{1}, 2003));
  // Reversed, the 3s are the strongest.
  EXPECT_EQ(Lead({Card(3, S), Card(3, H), Joker()}, -1, -1), Outcome(Pos{1}, 2003));
  EXPECT_EQ(Lead({Card(5, S), Card(5, H), Joker()}, -1, -1), Outcome(Pos{3}, 2003));
}

TEST(ClosingPatternsLead, TwoRanksWithTheStrongestOrEights) {
  EXPECT_EQ(Lead({Card(6, S), Card(6, H), Card(15, S), Card(15, H)}), Outcome(Pos{3, 4}, 2004));
  EXPECT_EQ(Lead({Card(3, S), Card(3, H), Card(9, S)}, -1, -1), Outcome(Pos{1, 2}, 2004));
  const auto withEights = [](std::vector<int> hand, int traitA, bool rule8) {
    AiScenario sc;
    sc.SetHand(2, hand);
    sc.cp.Rule8 = rule8;
    return Choose(sc, traitA);
  };
  EXPECT_EQ(withEights({Card(8, S), Card(8, H), Card(13, S)}, 3, true), Outcome(Pos{1, 2}, 2006));
  EXPECT_EQ(withEights({Card(4, S), Card(8, S), Card(8, H)}, 3, true), Outcome(Pos{2, 3}, 2006));
  // The 8s come before the timid character's stop, and the strongest rank before the 8s.
  EXPECT_EQ(withEights({Card(8, S), Card(8, H), Card(13, S)}, 1, true), Outcome(Pos{1, 2}, 2006));
  EXPECT_EQ(withEights({Card(8, S), Card(8, H), Card(13, S)}, 1, false), kNothing);
  EXPECT_EQ(withEights({Card(8, S), Card(8, H), Card(15, S)}, 3, true), Outcome(Pos{3}, 2004));
}

TEST(ClosingPatternsLead, JokersAndTwosLeaveTheFirstCardToTheReview) {
  AiScenario sc;
  sc.SetHand(2, {Card(5, S), Card(15, S), Joker()});
  EXPECT_EQ(Choose(sc), Outcome(Pos{}, 2005));
  EXPECT_TRUE(sc.cp.Decided);
  // Not under a revolution (a three-rank hand without 3s has no pattern there),
  // and not without the 2s.
  AiScenario rev;
  rev.g.Revolution = -1;
  rev.SetHand(2, {Card(5, S), Card(15, S), Joker()});
  EXPECT_EQ(Choose(rev), kNothing);
  EXPECT_FALSE(rev.cp.Decided);
  EXPECT_EQ(Lead({Card(5, S), Card(13, S), Joker()}), kNothing);
  EXPECT_EQ(Lead({Card(5, S), Card(14, S), Joker()}), kNothing);
}

TEST(ClosingPatternsLead, TwoCards) {
  EXPECT_EQ(Lead({Card(4, S), Card(11, S)}), Outcome(Pos{2}, 2008));
  EXPECT_EQ(Lead({Card(4, S), Card(11, H)}), Outcome(Pos{1}, 2008));
  EXPECT_EQ(Lead({Card(5, S), Card(11, S)}), Outcome(Pos{1}, 2008));
  EXPECT_EQ(Lead({Card(4, S), Card(11, S)}, -1, -1), Outcome(Pos{1}, 2008));
  AiScenario crowd(5);  // five seats still playing
  crowd.SetHand(2, {Card(4, S), Card(11, S)});
  EXPECT_EQ(Choose(crowd), Outcome(Pos{1}, 2008));
  const auto withNines = [](std::vector<int> hand, bool rule9) {
    AiScenario sc;
    sc.SetHand(2, hand);
    sc.cp.Rule9 = rule9;
    return Choose(sc);
  };
  EXPECT_EQ(withNines({Card(5, S), Card(9, S)}, true), Outcome(Pos{2}, 2008));
  EXPECT_EQ(withNines({Card(5, S), Card(9, S)}, false), Outcome(Pos{1}, 2008));
  EXPECT_EQ(withNines({Card(9, S), Card(13, S)}, true), Outcome(Pos{1}, 2008));
}

// Three seats; seat 2 holds the hand, seats 1 and 3 the given cards.
struct ThreeSeats : AiScenario {
  ThreeSeats(std::vector<int> hand, std::vector<int> seat1, std::vector<int> seat3) : AiScenario(3) {
    SetHand(2, hand);
    SetHand(1, seat1);
    SetHand(3, seat3);
  }
};

TEST(ClosingPatternsLead, ThreeCardsOfTwoRanks) {
  const auto withNines = [](std::vector<int> hand) {
    AiScenario sc;
    sc.SetHand(2, hand);
    sc.cp.Rule9 = true;
    return Choose(sc);
  };
  EXPECT_EQ(withNines({Card(9, S), Card(9, H), Card(13, S)}), Outcome(Pos{1, 2}, 2008));
  EXPECT_EQ(withNines({Card(9, S), Card(13, S), Card(13, H)}), Outcome(Pos{1}, 2008));
  EXPECT_EQ(withNines({Card(5, S), Card(9, S), Card(9, H)}), Outcome(Pos{2, 3}, 2008));

  // The pair at the strong end is led without a draw.
  AiScenario strong;
  strong.SetHand(2, {Card(4, S), Card(13, S), Card(13, H)});
  strong.PrepareTurn();
  const uint64_t draws = strong.g.Rng.Draws();
  strong.cp.ChooseLeadPlay();
  EXPECT_EQ(strong.Selected(), (Pos{2, 3}));
  EXPECT_EQ(strong.g.Rng.Draws(), draws);

  // Pair at the weak end, random test failed: three seats with 10 cards in all lead
  // the pair (10 < (0.4 + 3.2) x 3), with 11 the single.
  const std::vector<int> fours = {Card(4, S), Card(4, H), Card(13, S)};
  ThreeSeats ten(fours, {Card(5, D), Card(6, D), Card(7, D), Card(8, D)},
                 {Card(5, C), Card(6, C), Card(7, C)});
  EXPECT_EQ(Choose(ten, -1, {0.9}), Outcome(Pos{1, 2}, 2008));  // 1.8 + 3 fails
  EXPECT_EQ(ten.g.Rng.Draws(), 7u);
  ThreeSeats eleven(fours, {Card(5, D), Card(6, D), Card(7, D), Card(8, D)},
                    {Card(5, C), Card(6, C), Card(7, C), Card(8, C)});
  EXPECT_EQ(Choose(eleven, -1, {0.9}), Outcome(Pos{3}, 2008));

  // Random test passed (0.6 + 5 > 5.5): the single K is led when nobody's best card tops it.
  ThreeSeats bold(fours, {Card(5, D), Card(12, D)}, {Card(5, C), Card(13, C)});
  EXPECT_EQ(Choose(bold, 5, {0.3}), Outcome(Pos{3}, 2008));
  ThreeSeats justOver(fours, {Card(5, D), Card(12, D)}, {Card(5, C), Card(13, C)});
  EXPECT_EQ(Choose(justOver, 5, {0.26}), Outcome(Pos{3}, 2008));
  ThreeSeats exactly(fours, {Card(5, D), Card(12, D)}, {Card(5, C), Card(13, C)});
  EXPECT_EQ(Choose(exactly, 5, {0.25}), Outcome(Pos{1, 2}, 2008));  // 5.5 is not above 5.5
  ThreeSeats topped(fours, {Card(5, D), Card(12, D)}, {Card(5, C), Card(14, C)});
  EXPECT_EQ(Choose(topped, 5, {0.3}), Outcome(Pos{1, 2}, 2008));  // 7 cards in all: the pair

  // Reversed: the pair of Ks is the weak end; the 5 is led unless an opponent's
  // lowest card beats it or one of them holds a joker on top.
  const std::vector<int> kings = {Card(5, S), Card(13, S), Card(13, H)};
  ThreeSeats rev(kings, {Card(6, D), Card(8, D)}, {Card(7, C), Card(9, C)});
  rev.g.Revolution = -1;
  EXPECT_EQ(Choose(rev, 5, {0.3}), Outcome(Pos{1}, 2008));
  ThreeSeats revLow(kings, {Card(4, D), Card(8, D)}, {Card(7, C), Card(9, C)});
  revLow.g.Revolution = -1;
  EXPECT_EQ(Choose(revLow, 5, {0.3}), Outcome(Pos{2, 3}, 2008));  // a 4 beats the 5
  ThreeSeats revJoker(kings, {Card(6, D), Card(8, D)}, {Card(7, C), Joker()});
  revJoker.g.Revolution = -1;
  EXPECT_EQ(Choose(revJoker, 5, {0.3}), Outcome(Pos{2, 3}, 2008));  // 7 < (-1.3 + 4.2) x 3
}

TEST(ClosingPatternsLead, LongerHandsOfTwoRanks) {
  AiScenario nines;
  nines.cp.Rule9 = true;
  nines.SetHand(2, {Card(5, S), Card(5, H), Card(9, S), Card(9, H)});
  EXPECT_EQ(Choose(nines), Outcome(Pos{3, 4}, 2008));
  // Four of a kind at one end: the first rank is led, unless the other end is the weakest.
  EXPECT_EQ(Lead({Card(5, S), Card(5, H), Card(5, D), Card(5, C), Card(13, S)}),
            Outcome(Pos{1, 2, 3, 4}, 2008));
  EXPECT_EQ(Lead({Card(5, S), Card(13, S, 0), Card(13, S, 1), Card(13, H, 0), Card(13, H, 1)}),
            Outcome(Pos{1}, 2008));
  EXPECT_EQ(Lead({Card(3, S), Card(13, S, 0), Card(13, S, 1), Card(13, H, 0), Card(13, H, 1)}),
            Outcome(Pos{2, 3, 4, 5}, 2008));
  // Otherwise the middle card decides.
  EXPECT_EQ(Lead({Card(5, S), Card(5, H), Card(13, S), Card(13, H)}), Outcome(Pos{1, 2}, 2008));
  EXPECT_EQ(Lead({Card(5, S), Card(13, S), Card(13, H), Card(13, D)}), Outcome(Pos{2, 3, 4}, 2008));
  EXPECT_EQ(Lead({Card(5, S), Card(5, H), Card(13, S), Card(13, H), Card(13, D)}),
            Outcome(Pos{3, 4, 5}, 2008));
  EXPECT_EQ(Lead({Card(5, S), Card(5, H), Card(5, D), Card(13, S), Card(13, H), Card(13, D)}),
            Outcome(Pos{1, 2, 3}, 2008));
  // The timid character plays no two-rank pattern.
  EXPECT_EQ(Lead({Card(5, S), Card(5, H), Card(13, S), Card(13, H)}, 1), kNothing);
}

// Seat 2 with three opponents whose highest cards are given (each holds a 3♦ below it).
struct FourSeats : AiScenario {
  FourSeats(std::vector<int> hand, int top1, int top3, int top4, int revolution = 1) {
    g.Revolution = revolution;
    SetHand(2, hand);
    SetHand(1, {Card(3, D, 0), top1});
    SetHand(3, {Card(3, D, 1), top3});
    SetHand(4, {Card(3, D, 2), top4});
  }
};
Outcome ChooseIn(AiScenario&& sc, int traitA, std::initializer_list<double> draws) {
  return Choose(sc, traitA, draws);
}

TEST(ClosingPatternsLead, ThreeRanksInNormalOrder) {
  EXPECT_EQ(Lead({Card(5, S), Card(11, D), Card(15, S)}), Outcome(Pos{2}, 2009));
  EXPECT_EQ(Lead({Card(5, S), Card(9, D), Card(15, S)}), Outcome(Pos{1}, 2009));
  EXPECT_EQ(Lead({Card(5, H), Card(9, D), Card(15, S)}), Outcome(Pos{2}, 2009));
  EXPECT_EQ(Lead({Card(5, H), Card(7, D), Card(15, S)}), Outcome(Pos{1}, 2009));
  EXPECT_EQ(Lead({Card(5, H), Card(8, D), Card(15, S)}), Outcome(Pos{1}, 2009));
  // Two 2s in third place: only with an 8 in front.
  EXPECT_EQ(Lead({Card(8, S), Card(9, S), Card(15, S), Card(15, H)}), Outcome(Pos{3, 4}, 2009));
  EXPECT_EQ(Lead({Card(5, S), Card(9, S), Card(15, S), Card(15, H)}), kNothing);
  // A pair in the middle: the low single goes first when it is low enough and of the 2's suit.
  const std::vector<int> middle = {Card(4, S), Card(7, H), Card(7, D), Card(15, S)};
  AiScenario calm;
  calm.SetHand(2, middle);
  calm.PrepareTurn();
  calm.cp.TraitD = 3;
  calm.cp.ChooseLeadPlay();
  EXPECT_EQ(calm.Selected(), (Pos{1}));
  AiScenario keen;
  keen.SetHand(2, middle);
  keen.PrepareTurn();
  keen.cp.TraitD = 5;  // 4 < 9 - 5 fails
  keen.cp.ChooseLeadPlay();
  EXPECT_EQ(keen.Selected(), (Pos{2, 3}));
  EXPECT_EQ(Lead({Card(4, H), Card(7, H), Card(7, D), Card(15, S)}), Outcome(Pos{2, 3}, 2009));
  // Pair, single, 2: a random test, then the single if no opponent's top card beats it.
  const std::vector<int> pairSingle = {Card(5, S), Card(5, H), Card(9, S), Card(15, S)};
  EXPECT_EQ(ChooseIn(FourSeats(pairSingle, Card(9, C), Card(8, C), Card(6, C)), 3, {0.99}), kNothing);
  EXPECT_EQ(ChooseIn(FourSeats(pairSingle, Card(9, C), Card(8, C), Card(6, C)), 5, {0.3}),
            Outcome(Pos{3}, 2009));
  EXPECT_EQ(ChooseIn(FourSeats(pairSingle, Card(10, D), Card(8, C), Card(6, C)), 5, {0.3}),
            Outcome(Pos{1, 2}, 2009));
  // Jokers on top: a low rank with the jokers when four cards or more, the limit
  // rising to 9 while few cards are out.
  EXPECT_EQ(Lead({Card(4, S), Card(5, S), Joker(0), Joker(1), Joker(2), Joker(3), Joker(4)}),
            Outcome(Pos{1, 3, 4, 5, 6, 7}, 2009));
  const std::vector<int> sevens = {Card(7, S), Card(7, H), Card(7, D), Card(9, S), Joker()};
  EXPECT_EQ(Lead(sevens), Outcome(Pos{1, 2, 3, 5}, 2009));
  AiScenario crowded;  // 5 + 19 = 24 cards, not below 6 x 4
  crowded.SetHand(2, sevens);
  crowded.SetHand(1, {Card(3, C, 0), Card(4, C, 0), Card(5, C, 0), Card(6, C, 0), Card(7, C, 0),
                      Card(8, C, 0), Card(9, C, 0)});
  crowded.SetHand(3,
                  {Card(3, C, 1), Card(4, C, 1), Card(5, C, 1), Card(6, C, 1), Card(7, C, 1), Card(8, C, 1)});
  crowded.SetHand(4,
                  {Card(3, C, 2), Card(4, C, 2), Card(5, C, 2), Card(6, C, 2), Card(7, C, 2), Card(8, C, 2)});
  EXPECT_EQ(Choose(crowded), kNothing);
  EXPECT_EQ(Lead({Card(4, S), Card(4, H), Card(9, S), Joker()}), kNothing);  // three cards of the group only
  EXPECT_EQ(Lead({Card(4, S), Card(5, S), Card(6, S)}), kNothing);
}

TEST(ClosingPatternsLead, ThreeRanksReversedStartingWithThrees) {
  EXPECT_EQ(Lead({Card(3, S), Card(9, H), Card(11, D)}, -1, -1), Outcome(Pos{3}, 2010));
  EXPECT_EQ(Lead({Card(3, S), Card(5, H), Card(9, S)}, -1, -1), Outcome(Pos{3}, 2010));
  EXPECT_EQ(Lead({Card(3, S), Card(5, H), Card(9, D)}, -1, -1), Outcome(Pos{2}, 2010));
  EXPECT_EQ(Lead({Card(3, S), Card(9, H), Card(13, D)}, -1, -1), Outcome(Pos{3}, 2010));
  EXPECT_EQ(Lead({Card(3, S), Card(3, H), Card(8, S), Card(13, S)}, -1, -1), Outcome(Pos{1, 2}, 2010));
  EXPECT_EQ(Lead({Card(3, S), Card(3, H), Card(9, S), Card(13, S)}, -1, -1), kNothing);
  EXPECT_EQ(Lead({Card(3, S), Card(5, H), Card(5, D), Card(13, S)}, -1, -1), Outcome(Pos{4}, 2010));
  EXPECT_EQ(Lead({Card(3, S), Card(5, H), Card(5, D), Card(13, H)}, -1, -1), Outcome(Pos{2, 3}, 2010));
  EXPECT_EQ(Lead({Card(3, S), Card(10, H), Card(10, D), Card(13, S)}, -1, -1), Outcome(Pos{2, 3}, 2010));
  // 3, single, pair: the single when no opponent's top card is lower; a joker on top rules it out.
  const std::vector<int> hand = {Card(3, S), Card(5, H), Card(9, S), Card(9, H)};
  EXPECT_EQ(ChooseIn(FourSeats(hand, Card(12, C), Card(8, C), Card(10, D), -1), 5, {0.3}),
            Outcome(Pos{2}, 2010));
  EXPECT_EQ(ChooseIn(FourSeats(hand, Card(12, C), Card(5, C), Card(10, D), -1), 5, {0.3}),
            Outcome(Pos{2}, 2010));
  EXPECT_EQ(ChooseIn(FourSeats(hand, Card(12, C), Card(4, C), Card(10, D), -1), 5, {0.3}),
            Outcome(Pos{3, 4}, 2010));
  EXPECT_EQ(ChooseIn(FourSeats(hand, Card(12, C), Card(8, C), Joker(), -1), 5, {0.3}),
            Outcome(Pos{3, 4}, 2010));
  EXPECT_EQ(ChooseIn(FourSeats(hand, Card(12, C), Card(8, C), Card(10, D), -1), 3, {0.3}), kNothing);
  // Without a 3 first there is no pattern.
  EXPECT_EQ(Lead({Card(4, S), Card(5, H), Card(9, S)}, -1, -1), kNothing);
}

// Seat 2 answers the table played by seat 1.
struct Answer : AiScenario {
  Answer(std::vector<int> hand, std::vector<int> table) {
    SetHand(2, hand);
    SetTable(table, 1);
  }
};

TEST(ClosingPatternsAnswer, JokersOnTopOfOneRank) {
  Answer single({Card(7, S), Card(7, H), Joker()}, {Card(6, C)});
  EXPECT_EQ(Choose(single), Outcome(Pos{3}, 2021));
  EXPECT_TRUE(single.PlayIsLegal());
  Answer pair({Card(7, S), Joker(0), Joker(1)}, {Card(6, C), Card(6, D)});
  EXPECT_EQ(Choose(pair), Outcome(Pos{2, 3}, 2021));
  EXPECT_TRUE(pair.PlayIsLegal());
  // The rest must be one rank; no lock; no joker on the table; something must be left.
  Answer mixed({Card(7, S), Card(9, S), Joker()}, {Card(6, C)});
  EXPECT_EQ(Choose(mixed), kNothing);
  Answer locked({Card(7, S), Card(7, H), Joker()}, {Card(6, C)});
  locked.g.Table.SuitLock = true;
  EXPECT_EQ(Choose(locked), kNothing);
  Answer joker({Card(7, S), Card(7, H), Joker(1)}, {Joker(0)});
  EXPECT_EQ(Choose(joker), kNothing);
  Answer allJokers({Joker(0), Joker(1)}, {Card(6, C)});
  EXPECT_EQ(Choose(allJokers), kNothing);
  // The first turn of a deal answers the opening cards, even for the leading seat.
  Answer opening({Card(7, S), Card(7, H), Joker()}, {Card(6, C)});
  opening.g.LeadSeat = 2;
  opening.g.DealStart = true;
  EXPECT_EQ(Choose(opening), Outcome(Pos{3}, 2021));
  // A stair on the table takes a stair, never jokers.
  Answer stair({Card(8, S), Joker(0), Joker(1), Joker(2), Joker(3)},
               {Card(4, D), Card(5, D), Card(6, D), Card(7, D)});
  stair.g.Table.StairKey = 4;
  EXPECT_EQ(Choose(stair), kNothing);
}

TEST(ClosingPatternsAnswer, TwosOnTopOfOneRank) {
  Answer single({Card(4, S), Card(4, H), Card(15, S)}, {Card(6, C)});
  EXPECT_EQ(Choose(single), Outcome(Pos{3}, 2022));
  EXPECT_TRUE(single.PlayIsLegal());
  Answer pair({Card(5, S), Card(15, S), Joker()}, {Card(9, C), Card(9, D)});
  EXPECT_EQ(Choose(pair), Outcome(Pos{2, 3}, 2022));
  EXPECT_TRUE(pair.PlayIsLegal());
  Answer reversed({Card(4, S), Card(4, H), Card(15, S)}, {Card(6, C)});
  reversed.g.TempRevolution = -1;
  EXPECT_EQ(Choose(reversed), kNothing);
  Answer onATwo({Card(4, S), Card(4, H), Card(15, S)}, {Card(15, C)});
  EXPECT_EQ(Choose(onATwo), kNothing);
  Answer mixed({Card(4, S), Card(5, H), Card(15, S)}, {Card(6, C)});
  EXPECT_EQ(Choose(mixed), kNothing);
}

TEST(ClosingPatternsAnswer, EightsClearTheTable) {
  const auto run = [](Answer&& a, int revolution = 1, int temp = 1) {
    a.cp.Rule8 = true;
    a.g.Revolution = revolution;
    a.g.TempRevolution = temp;
    Outcome out = Choose(a);
    if (!out.first.empty()) {
      EXPECT_TRUE(a.PlayIsLegal());
    }
    return out;
  };
  const std::vector<int> eightsFirst = {Card(8, S), Card(8, H), Card(13, S), Card(13, H)};
  const std::vector<int> fives = {Card(5, C), Card(5, D)};
  EXPECT_EQ(run(Answer(eightsFirst, fives)), Outcome(Pos{1, 2}, 2023));
  // Under the suit lock a single is answered by the 8 of its suit.
  EXPECT_EQ(run(Answer({Card(8, S), Card(8, H), Card(13, S)}, {Card(6, H)})), Outcome(Pos{1}, 2023));
  Answer suited({Card(8, S), Card(8, H), Card(13, S)}, {Card(6, H)});
  suited.g.Table.SuitLock = true;
  EXPECT_EQ(run(std::move(suited)), Outcome(Pos{2}, 2023));
  Answer unsuited({Card(8, S), Card(8, H), Card(13, S)}, {Card(6, D)});
  unsuited.g.Table.SuitLock = true;
  EXPECT_EQ(run(std::move(unsuited)), kNothing);
  // 8s at the strong end, in normal and in reversed order.
  const std::vector<int> eightsLast = {Card(4, S), Card(4, H), Card(8, S), Card(8, H)};
  EXPECT_EQ(run(Answer(eightsLast, {Card(6, C), Card(6, D)})), Outcome(Pos{3, 4}, 2024));
  EXPECT_EQ(run(Answer(eightsLast, {Card(10, H), Card(10, D)}), -1), Outcome(Pos{3, 4}, 2024));
  // The rest must be one rank.
  EXPECT_EQ(run(Answer({Card(8, S), Card(8, H), Card(13, S), Card(14, S)}, fives)), kNothing);
  EXPECT_EQ(run(Answer({Card(4, S), Card(5, H), Card(8, S), Card(8, H)}, {Card(6, C), Card(6, D)})),
            kNothing);
  // Not on a 9 in normal order, not with more table cards than 8s, not without the rule.
  EXPECT_EQ(run(Answer(eightsFirst, {Card(9, C), Card(9, D)})), kNothing);
  EXPECT_EQ(run(Answer({Card(8, S), Card(8, H), Card(13, S), Card(13, H), Card(13, D)},
                       {Card(5, C), Card(5, D), Card(5, H)})),
            kNothing);
  Answer off(eightsFirst, fives);
  EXPECT_EQ(Choose(off), kNothing);
  // The even/odd lock admits an 8 only while there is no revolution, whatever a J
  // has done to the order.
  Answer even(eightsFirst, fives);
  even.g.Table.ParityLock = true;
  EXPECT_EQ(run(std::move(even)), Outcome(Pos{1, 2}, 2023));
  Answer odd(eightsLast, {Card(10, H), Card(10, D)});
  odd.g.Table.ParityLock = true;
  EXPECT_EQ(run(std::move(odd), -1), kNothing);
  Answer turnedBack(eightsFirst, fives);
  turnedBack.g.Table.ParityLock = true;
  EXPECT_EQ(run(std::move(turnedBack), -1, -1), kNothing);
}

}  // namespace
}  // namespace tomaruk::testing

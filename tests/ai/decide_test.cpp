#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

using Picks = std::vector<int>;
using Result = std::pair<int, Picks>;

// Seat Turn (2) of four, character 1, neutral traits; nothing kept back.
struct DecideTable : AiScenario {
  void Deal(const std::vector<int>& codes) {
    SetHand(g.Turn, codes);
    cp.TraitA = 3;
    cp.TraitB = 3;
    cp.TraitC = 3;
    cp.TraitD = 3;
    cp.TraitE = 1;
    cp.TraitG = 3;
    cp.TraitF1 = 0;
    cp.TraitF2 = 0;
    cp.OrderSign = g.TempRevolution * g.Revolution;
    cp.PlayersLeft = 0;
    for (int s = 1; s <= g.Options.SeatCount; ++s)
      if (g.Seat[s].Status == kPlaying) ++cp.PlayersLeft;
    cp.HoldMargin = g.Line - g.Seat[g.Turn].CardCount;
    cp.HoldThreshold = 3;
    cp.NextSeat = cp.NextSeatAfter(g.Turn);
    int ranks = g.Seat[g.Turn].CardCount > 0 ? 1 : 0;
    for (int i = 1; i < g.Seat[g.Turn].CardCount; ++i)
      if (g.RankOf(g.HandCard(g.Turn, i)) != g.RankOf(g.HandCard(g.Turn, i + 1))) ++ranks;
    cp.DistinctRanks = ranks;
    cp.Kept.fill(false);
    cp.Decided = false;
    cp.StairChosen = false;
    cp.NoFinishBlocker = false;
    cp.DecisionCode = 0;
  }
  // Every card not in a hand or on the table goes to the stock: the given ones
  // at the bottom, then the rest by code, then the given top cards.
  void StockUp(const std::vector<int>& bottom, const std::vector<int>& top = {}) {
    g.StockCount = 0;
    const auto put = [&](int c) {
      g.Stock[++g.StockCount] = static_cast<uint8_t>(c);
      g.CardPlace[c] = kInStock;
    };
    const auto listed = [&](int c) {
      return std::find(bottom.begin(), bottom.end(), c) != bottom.end() ||
             std::find(top.begin(), top.end(), c) != top.end();
    };
    for (int c : bottom) put(c);
    for (int c = 1; c <= kCardCount; ++c)
      if (g.CardPlace[c] == kInStock && !listed(c)) put(c);
    for (int c : top) put(c);
  }
  // Runs the decision core on these random draws; the settled code, 0 for none.
  int Run(std::vector<double> draws = {0.0}) {
    g.Rng.ClearScript();
    for (double d : draws) g.Rng.Script({d});
    cp.DecidePlay();
    return cp.Decided ? cp.DecisionCode : 0;
  }
  // The settled code and the chosen positions.
  Result Ran(std::vector<double> draws = {0.0}) {
    const int code = Run(draws);
    return {code, Selected()};
  }
};

const std::vector<int> kFourTens = {85, 86, 87, 88};
std::vector<int> With(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(DecideLead, ChoosersInTheirOrder) {
  DecideTable t;
  t.cp.Rule10 = true;
  t.cp.Rule8 = true;
  t.g.Line = 10;  // seven cards: margin 3
  const std::vector<int> tens = With(kFourTens, {Card(4, kClub), Card(6, kDiamond), Card(8, kSpade)});
  t.Deal(tens);
  EXPECT_EQ(t.Ran(), (Result{100, {4, 5, 6, 7}}));
  // The four 10s go before a stair that runs into them.
  const std::vector<int> run = With(kFourTens, {Card(7, kHeart), Card(8, kHeart), Card(9, kHeart)});
  t.Deal(run);
  EXPECT_EQ(t.Run(), 100);
  t.cp.Rule10 = false;
  t.Deal(run);
  EXPECT_EQ(t.Run(), 2201);
  EXPECT_TRUE(t.cp.StairChosen);
  EXPECT_EQ(t.Selected(), (Picks{1, 2, 3, 4}));
  EXPECT_EQ(t.g.Table.StairKey, 7);
  // Without the 10s rule the 8 goes, and the eights reset HoldThreshold.
  t.Deal(tens);
  t.cp.HoldThreshold = 9;
  EXPECT_EQ(t.Ran(), (Result{788, {3}}));
  EXPECT_EQ(t.cp.HoldThreshold, 3);
  EXPECT_FALSE(t.cp.StairChosen);
  // With room to spare the 8 waits and the lead rules lead the weakest card.
  t.g.Line = 11;
  t.Deal({Card(4, kClub), Card(6, kDiamond), Card(8, kSpade), Card(9, kHeart), Card(13, kSpade)});
  EXPECT_EQ(t.Ran(), (Result{750, {1}}));

  // The closing patterns come before the 10s: two ranks, 10s and Ks.
  t.cp.Rule10 = true;
  t.Deal(With(kFourTens, {Card(13, kSpade), Card(13, kHeart)}));
  EXPECT_NE(t.Run(), 100);
  // With two seats left the duel comes first: a 5 for an opponent at the line.
  t.cp.Rule5 = true;
  const std::vector<int> five = With(kFourTens, {Card(5, kSpade), Card(13, kSpade)});
  t.Deal(five);
  EXPECT_EQ(t.Run(), 100);
  t.g.Seat[1].Status = kFinished;
  t.g.Seat[4].Status = kFinished;
  t.g.Seat[3].CardCount = 10;
  t.Deal(five);
  EXPECT_EQ(t.Ran(), (Result{2101, {1}}));
}

TEST(DecideLead, CharacterEightSwapsInAJoker) {
  DecideTable t;
  t.g.Seat[2].Character = 8;
  const std::vector<int> hand = {Card(4, kClub), Card(6, kDiamond), Card(9, kSpade), Card(12, kHeart),
                                 Card(13, kSpade)};
  const std::vector<int> bottom = {Card(3, kHeart), Card(5, kDiamond), Joker(2)};
  const auto deal = [&] {
    t.Deal(hand);
    t.StockUp(bottom);
    t.cp.DealMemory.fill(false);
  };
  // One draw in twenty: 95 and above.
  deal();
  EXPECT_EQ(t.Run({0.94, 0.0}), 750);
  EXPECT_EQ(t.g.Seat[2].Hand[1], Card(4, kClub));
  EXPECT_FALSE(t.cp.DealMemory[2]);
  deal();
  const uint64_t before = t.g.Rng.Draws();
  EXPECT_EQ(t.Run({0.95}), 490);
  EXPECT_EQ(t.g.Rng.Draws() - before, 1u);
  // The first joker from the bottom of the stock takes the weakest card's place.
  EXPECT_EQ(t.g.Seat[2].Hand[1], Joker(2));
  EXPECT_EQ(t.g.Stock[3], Card(4, kClub));
  EXPECT_EQ(t.g.CardPlace[Joker(2)], 2);
  EXPECT_EQ(t.g.CardPlace[Card(4, kClub)], kInStock);
  EXPECT_EQ(t.Selected(), (Picks{1}));
  EXPECT_TRUE(t.cp.DealMemory[2]);
  EXPECT_EQ(t.g.Seat[2].CardCount, 5);
  EXPECT_EQ(t.g.Seat[2].Hand[2], Card(6, kDiamond));  // not re-sorted
  EXPECT_EQ(CheckConservation(t.g), "");
  // Once a deal.
  t.ClearSelection();
  t.cp.Decided = false;
  EXPECT_NE(t.Run({0.99, 0.0}), 490);

  // Nearly one in four when the next seat is within two cards of the line.
  t.g.Seat[3].CardCount = 9;
  deal();
  EXPECT_EQ(t.Run({0.78}), 490);
  deal();
  EXPECT_NE(t.Run({0.77, 0.0}), 490);
  t.g.Seat[3].CardCount = 8;
  deal();
  EXPECT_NE(t.Run({0.94, 0.0}), 490);
  t.g.Seat[3].CardCount = 0;

  // A kept weakest card stays: the next one goes.
  deal();
  t.cp.Kept[1] = true;
  EXPECT_EQ(t.Ran({0.99}), (Result{490, {2}}));
  EXPECT_EQ(t.g.Stock[3], Card(6, kDiamond));
  EXPECT_EQ(CheckConservation(t.g), "");
  // The strongest card is never given: everything else kept, no exchange.
  deal();
  for (int i = 1; i <= 4; ++i) t.cp.Kept[i] = true;
  EXPECT_NE(t.Run({0.99, 0.0}), 490);
  EXPECT_EQ(t.g.Stock[3], Joker(2));
  EXPECT_FALSE(t.cp.DealMemory[2]);
  // In reversed order the weakest card is the highest.
  t.g.Revolution = -1;
  deal();
  EXPECT_EQ(t.Ran({0.99}), (Result{490, {5}}));
  EXPECT_EQ(t.g.Seat[2].Hand[5], Joker(2));
  deal();
  for (int i = 2; i <= 5; ++i) t.cp.Kept[i] = true;
  EXPECT_NE(t.Run({0.99, 0.0}), 490);
  EXPECT_EQ(t.g.Seat[2].Hand[1], Card(4, kClub));
  t.g.Revolution = 1;

  // No draw at all with a joker on top of the hand, nor for a short hand.
  t.Deal(With(hand, {Joker(0)}));
  t.StockUp(bottom);
  uint64_t start = t.g.Rng.Draws();
  t.Run({0.99, 0.0});
  EXPECT_EQ(t.g.Rng.Draws() - start, 1u);  // the lead rules' black-7 draw only
  EXPECT_NE(t.cp.DecisionCode, 490);
  t.Deal({Card(4, kClub), Card(9, kSpade)});
  t.cp.TraitA = 1;  // the closing patterns leave a timid seat alone
  t.StockUp(bottom);
  start = t.g.Rng.Draws();
  t.Run({0.99, 0.0});
  EXPECT_EQ(t.g.Rng.Draws() - start, 1u);
  EXPECT_NE(t.cp.DecisionCode, 490);
  // No joker left in the stock: nothing to swap.
  t.SetHand(3, {Joker(0), Joker(1), Joker(2), Joker(3), Joker(4), Joker(5)});
  t.Deal(hand);
  t.StockUp({});
  EXPECT_NE(t.Run({0.99, 0.0}), 490);
  EXPECT_EQ(t.g.Seat[2].Hand[1], Card(4, kClub));
  EXPECT_EQ(CheckConservation(t.g), "");
}

TEST(DecideFixedPlays, FourTensEightsAndBlackSevens) {
  DecideTable t;
  t.Deal(With(kFourTens, {Card(4, kClub), Card(13, kSpade)}));
  t.cp.PlayFourTens();
  EXPECT_EQ(t.Selected(), (Picks{2, 3, 4, 5}));
  EXPECT_EQ(t.cp.DecisionCode, 100);
  t.Deal({Card(4, kClub), 85, 86, 87, Card(13, kSpade)});
  t.cp.PlayFourTens();
  EXPECT_FALSE(t.cp.Decided);

  // Three 8s and a joker lead four; two 8s and a joker lead the 8s only.
  t.cp.Rule8 = true;
  t.g.Line = 8;
  t.Deal({Card(8, kSpade), Card(8, kHeart), Card(8, kClub), Card(9, kSpade), Joker()});
  t.cp.PlayEights();
  EXPECT_EQ(t.Selected(), (Picks{1, 2, 3, 5}));
  EXPECT_EQ(t.cp.DecisionCode, 788);
  t.Deal({Card(8, kSpade), Card(8, kHeart), Card(9, kSpade), Card(13, kSpade), Joker()});
  t.cp.PlayEights();
  EXPECT_EQ(t.Selected(), (Picks{1, 2}));
  // A seat that holds its 8s while others are skipped, unless it is at the line.
  const std::vector<int> one = {Card(8, kSpade), Card(9, kSpade), Card(13, kSpade)};
  const std::tuple<int, bool, bool> cases[] = {{2, true, false}, {2, false, true}, {1, true, true}};
  for (auto [margin, skipped, plays] : cases) {
    t.Deal(one);
    t.cp.TraitF1 = 1;
    t.cp.AnySkipped = skipped;
    t.cp.HoldMargin = margin;
    t.cp.PlayEights();
    EXPECT_EQ(t.cp.Decided, plays) << margin << skipped;
  }
  t.cp.AnySkipped = false;
  // Characters whose raw Trait(3) + Trait(4) reach 9 never lead 8s this way.
  t.g.Seat[2].Character = 8;
  t.Deal({Card(8, kSpade), Card(9, kSpade), Card(13, kSpade)});
  t.cp.HoldMargin = 1;
  t.cp.PlayEights();
  EXPECT_FALSE(t.cp.Decided);
  t.g.Seat[2].Character = 1;
  // The threshold by TraitD, raised by jokers at this seat's count in other hands.
  t.g.Line = 9;  // five cards: margin 4
  const std::vector<int> eights = {Card(8, kSpade), Card(8, kHeart), Card(9, kSpade), Card(13, kSpade),
                                   Joker()};
  t.Deal(eights);
  t.cp.TraitD = 5;  // threshold 2
  t.cp.PlayEights();
  EXPECT_EQ(t.cp.HoldThreshold, 2);
  EXPECT_FALSE(t.cp.Decided);
  t.Deal(eights);
  t.cp.TraitA = 5;
  t.cp.PlayEights();
  EXPECT_EQ(t.cp.HoldThreshold, 3);  // one joker (its own) of four playing
  EXPECT_FALSE(t.cp.Decided);
  t.SetHand(3, {Card(3, kClub), Card(4, kClub), Card(5, kClub), Card(6, kClub), Joker(1)});
  t.Deal(eights);
  t.cp.TraitA = 5;
  t.cp.PlayEights();
  EXPECT_EQ(t.cp.HoldThreshold, 4);
  EXPECT_EQ(t.Selected(), (Picks{1, 2}));
  t.SetHand(4, {Card(3, kHeart), Card(4, kHeart), Card(5, kHeart), Card(6, kHeart), Joker(2)});
  t.Deal(eights);
  t.cp.TraitA = 5;
  t.cp.PlayEights();
  EXPECT_EQ(t.cp.HoldThreshold, 5);
  t.cp.Rule8 = false;
  t.Deal(eights);
  t.cp.PlayEights();
  EXPECT_FALSE(t.cp.Decided);

  // Black 7s counted in a group that starts with a 7, with the rule on.
  t.Deal({Card(7, kSpade), Card(7, kHeart), Card(7, kClub), Card(9, kClub)});
  EXPECT_EQ(t.cp.CountBlackSevens(1, 4), 0);
  t.cp.Rule7 = true;
  EXPECT_EQ(t.cp.CountBlackSevens(1, 4), 2);
  EXPECT_EQ(t.cp.CountBlackSevens(2, 2), 1);
  EXPECT_EQ(t.cp.CountBlackSevens(4, 1), 0);
  t.Deal({Card(3, kHeart), Card(7, kSpade), Card(7, kClub)});
  EXPECT_EQ(t.cp.CountBlackSevens(1, 3), 0);
  EXPECT_EQ(t.cp.CountBlackSevens(2, 2), 2);
}

TEST(DecideAnswer, TheTableDecidesWhoMayAnswer) {
  DecideTable t;
  t.cp.Rule10 = true;
  // The first turn of a deal answers the opening card, even for the lead seat.
  t.g.DealStart = true;
  t.SetTable({Card(4, kDiamond)}, 2);
  t.Deal(With(kFourTens, {Card(5, kSpade), Card(13, kSpade)}));
  EXPECT_NE(t.Run(), 100);
  EXPECT_EQ(t.cp.TableCount, 1);
  EXPECT_EQ(t.cp.TableRanks[1], 4);
  EXPECT_EQ(t.cp.TableSuits[1], kDiamond);
  // Leading, the copies stay empty.
  t.g.DealStart = false;
  t.g.Table = TableRecord{};
  t.Deal(With(kFourTens, {Card(5, kSpade), Card(13, kSpade)}));
  EXPECT_EQ(t.Run(), 100);
  EXPECT_EQ(t.cp.TableCount, 0);
  EXPECT_EQ(t.cp.TableRanks[1], 0);

  // A stair on the table is answered by a stair or not at all.
  t.SetTable({Card(5, kSpade), Card(6, kSpade), Card(7, kSpade), Card(8, kSpade)}, 1);
  t.g.Table.StairKey = 5;
  const std::vector<int> stair = {Card(3, kClub), Card(9, kHeart), 85, Card(11, kHeart), Card(12, kHeart)};
  t.Deal(stair);
  EXPECT_EQ(t.Run(), 199);
  EXPECT_TRUE(t.cp.StairChosen);
  EXPECT_EQ(t.Selected(), (Picks{2, 3, 4, 5}));
  EXPECT_EQ(t.g.Table.StairKey, 9);
  t.g.Table.StairKey = 5;
  t.Deal({Card(4, kHeart), Card(5, kHeart), Card(6, kHeart), Card(7, kHeart), Card(13, kSpade),
          Card(13, kHeart)});
  EXPECT_EQ(t.Run(), 0);
  EXPECT_TRUE(t.Selected().empty());
  EXPECT_EQ(t.cp.DecisionCode, 0);
  EXPECT_EQ(t.g.Table.StairKey, 5);
  // Nothing that could be a blocked last card: the seat passes.
  t.Deal(stair);
  t.cp.NoFinishBlocker = true;
  EXPECT_EQ(t.Run(), 0);
  EXPECT_EQ(t.cp.DecisionCode, 2311);
  EXPECT_TRUE(t.Selected().empty());
}

TEST(DecideAnswer, SpadeThreesAndTwosFlushAJoker) {
  DecideTable t;
  t.SetTable({Joker(0)}, 1);
  const std::vector<int> threes = {1, 2, 3, Card(9, kDiamond)};
  const std::vector<int> twos = {Card(4, kDiamond), 125, 126, 127};
  t.Deal(threes);
  EXPECT_EQ(t.Run(), 0);  // without the rule the joker stands
  EXPECT_TRUE(t.Selected().empty());
  t.cp.Rule3 = true;
  t.Deal(threes);
  EXPECT_EQ(t.Ran(), (Result{2301, {1, 2, 3}}));
  EXPECT_TRUE(t.PlayIsLegal());
  EXPECT_EQ(t.cp.TableRanks[1], 16);
  // The J's turn of the order does not change which cards flush.
  t.g.TempRevolution = -1;
  t.Deal(threes);
  EXPECT_EQ(t.Run(), 2301);
  t.Deal(twos);
  EXPECT_EQ(t.Run(), 0);
  for (int p = 2; p <= 4; ++p) t.g.Seat[2].Selected[p] = true;
  EXPECT_FALSE(t.PlayIsLegal());  // the 2s would not be taken
  t.g.Revolution = -1;
  t.Deal(threes);
  EXPECT_EQ(t.Run(), 0);
  for (int p = 1; p <= 3; ++p) t.g.Seat[2].Selected[p] = true;
  EXPECT_FALSE(t.PlayIsLegal());
  t.g.TempRevolution = 1;
  t.Deal(threes);
  EXPECT_EQ(t.Run(), 0);
  t.Deal(twos);
  EXPECT_EQ(t.Ran(), (Result{2302, {2, 3, 4}}));
  EXPECT_TRUE(t.PlayIsLegal());
  t.g.Revolution = 1;
  // Two cards with the joker first: the six spade 3s and 2s.
  t.SetTable({Joker(0), Joker(1)}, 1);
  t.Deal({1, 2, 3, Card(9, kDiamond), 125, 126, 127});
  EXPECT_EQ(t.Ran(), (Result{2303, {1, 2, 3, 5, 6, 7}}));
  EXPECT_TRUE(t.PlayIsLegal());
  t.Deal({1, 2, 3, Card(9, kDiamond), 125, 126});
  EXPECT_EQ(t.Run(), 0);
  // A single joker wants three cards at least.
  t.SetTable({Joker(0)}, 1);
  t.Deal({1, 2});
  EXPECT_EQ(t.Run(), 0);
}

TEST(DecideAnswer, CharacterEightPeeksAtTheStock) {
  DecideTable t;
  t.g.Seat[2].Character = 8;
  t.SetTable({Card(6, kSpade)}, 1);
  const std::vector<int> hand = {Card(4, kClub), Card(9, kDiamond), Card(13, kHeart)};
  const auto peek = [&](int margin, int top) {
    t.Deal(hand);
    t.StockUp({}, {top});
    t.cp.HoldMargin = margin;
    t.Run();
    return t.cp.DecisionCode == 2312;
  };
  // Four playing: the margin must exceed 4.
  EXPECT_TRUE(peek(6, Joker(0)));
  EXPECT_FALSE(t.cp.Decided);
  EXPECT_TRUE(t.Selected().empty());
  EXPECT_TRUE(peek(5, Joker(0)));
  EXPECT_FALSE(peek(4, Joker(0)));
  EXPECT_FALSE(peek(6, Card(3, kHeart)));
  // Three playing: 3.75.
  t.g.Seat[4].Status = kFinished;
  EXPECT_TRUE(peek(4, Joker(0)));
  EXPECT_FALSE(peek(3, Joker(0)));
  // Only character 8 peeks, and only at a stock that has cards.
  t.g.Seat[2].Character = 1;
  EXPECT_FALSE(peek(6, Joker(0)));
  t.g.Seat[2].Character = 8;
  t.Deal(hand);
  t.g.StockCount = 0;
  t.cp.HoldMargin = 6;
  t.Run();
  EXPECT_NE(t.cp.DecisionCode, 2312);
  // A joker on the table is answered before the stock is looked at.
  t.cp.Rule3 = true;
  t.SetTable({Joker(1)}, 1);
  t.Deal({1, 2, 3, Card(9, kDiamond)});
  t.StockUp({}, {Joker(0)});
  t.cp.HoldMargin = 6;
  EXPECT_EQ(t.Ran(), (Result{2301, {1, 2, 3}}));
}

}  // namespace
}  // namespace tomaruk::testing

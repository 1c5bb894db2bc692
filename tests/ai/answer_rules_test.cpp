#include <gtest/gtest.h>

#include <utility>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

using Picks = std::vector<int>;
using Result = std::pair<int, Picks>;
constexpr int S = kSpade, H = kHeart, D = kDiamond, C = kClub;

// Seat 2 answers what seat 1 played; every other seat holds five cards.
// Calm traits by default: the urgent gate lets the seat through only when the
// test makes it urgent (the seat on the table down to one card).
struct AnswerTable : AiScenario {
  void Deal(const std::vector<int>& hand, const std::vector<int>& table, int by = 1) {
    for (int s = 1; s <= g.Options.SeatCount; ++s) g.Seat[s].CardCount = 5;
    SetHand(2, hand);
    SetTable(table, by);
    g.Table.SuitLock = false;
    g.Table.ParityLock = false;
    g.Table.StairKey = 255;
    cp.TraitA = 3;
    cp.TraitB = 3;
    cp.TraitC = 1;
    cp.TraitD = 3;
    cp.TraitE = 1;
    cp.TraitG = 3;
    cp.TraitF1 = 0;
    cp.TraitF2 = 0;
    cp.PlayersLeft = g.Options.SeatCount;
    cp.HoldMargin = g.Line - g.Seat[2].CardCount;
    cp.HoldThreshold = 2;
    cp.NextSeat = 3;
    cp.AnySkipped = false;
    cp.Rule4 = false;
    cp.Rule8 = false;
    cp.Kept.fill(false);
    cp.PairMemo.fill(0);
    cp.Decided = false;
    cp.DecisionCode = 0;
  }
  void Urgent() { g.Seat[g.LeadSeat].CardCount = 1; }
  // The core's copy of the table, taken as the decision core takes it.
  void CopyTable() {
    cp.OrderSign = g.TempRevolution * g.Revolution;
    cp.TableRanks.fill(0);
    cp.TableSuits.fill(0);
    cp.TableCount = g.Table.Count;
    cp.SuitLock = g.Table.SuitLock;
    cp.ParityLock = g.Table.ParityLock;
    for (int i = 1; i <= g.Table.Count; ++i) {
      cp.TableRanks[i] = g.RankOf(g.Table.Cards[i]);
      cp.TableSuits[i] = g.SuitOf(g.Table.Cards[i]);
    }
  }
  // The settled code (the pass code when nothing is played) and the picks.
  Result Run(std::initializer_list<double> draws = {0.99, 0.5}) {
    CopyTable();
    g.Rng.ClearScript();
    g.Rng.Script(draws);
    cp.AnswerSection();
    return {cp.DecisionCode, Selected()};
  }
};

TEST(AnswerRules, NothingBeatsTheTable) {
  AnswerTable t;
  t.Deal({Card(4, S), Card(6, H), Card(7, C)}, {Card(9, H)});
  EXPECT_EQ(t.Run(), (Result{2501, {}}));
  EXPECT_FALSE(t.cp.Decided);
  // A joker is always worth a look; the lone groups are too few for a pair.
  t.Deal({Card(4, S), Card(13, H), Joker()}, {Card(9, H), Card(9, S)});
  EXPECT_EQ(t.Run().first, 2502);
  // More cards on the table than in the hand.
  t.Deal({Card(13, S), Joker()}, {Card(9, H), Card(9, S), Card(9, D)});
  EXPECT_EQ(t.Run().first, 2501);
}

TEST(AnswerRules, UrgentGateDrawsOnceAndLetsCoolCharactersThrough) {
  AnswerTable t;
  // A cool character goes straight to the ordinary answer: no draw at all.
  t.Deal({Card(4, S), Card(10, H), Card(15, H)}, {Card(9, H)});
  t.cp.TraitD = 5;
  t.cp.TraitE = 4;
  t.Urgent();
  t.cp.PlayersLeft = 5;
  const auto before = t.g.Rng.Draws();
  t.g.Rng.ClearScript();
  t.CopyTable();
  t.cp.AnswerSection();
  EXPECT_EQ(t.cp.DecisionCode, 171);
  EXPECT_EQ(t.g.Rng.Draws(), before);
  // The same seat with fewer players about takes the urgent 2 of the table's
  // suit.
  t.Deal({Card(4, S), Card(10, H), Card(15, H)}, {Card(9, H)});
  t.cp.TraitD = 5;
  t.cp.TraitE = 4;
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{24, {3}}));
  // A restless character (TraitE 5) enters on a low draw only.
  t.Deal({Card(4, S), Card(10, H), Card(15, H)}, {Card(9, H)});
  t.cp.TraitE = 5;
  EXPECT_EQ(t.Run({0.75}), (Result{24, {3}}));
  t.Deal({Card(4, S), Card(10, H), Card(15, H)}, {Card(9, H)});
  t.cp.TraitE = 5;
  t.cp.TraitB = 1;
  EXPECT_EQ(t.Run({0.80}), (Result{171, {2}}));
  // Close to the line is urgent as well.
  t.Deal({Card(4, S), Card(10, H), Card(15, H)}, {Card(9, H)});
  t.cp.HoldMargin = 2;
  const auto drawn = t.g.Rng.Draws();
  EXPECT_EQ(t.Run().first, 24);
  EXPECT_EQ(t.g.Rng.Draws() - drawn, 1u);
}

TEST(AnswerRules, EightsBranch) {
  AnswerTable t;
  // Code 11: an 8 clears a table below 8.
  t.Deal({Card(4, S), Card(7, H), Card(8, H), Card(13, C)}, {Card(5, S)});
  t.cp.Rule8 = true;
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{11, {3}}));
  // Without the 8 rule, or while skipped seats tempt a TraitF1 character, the
  // ordinary answer plays the 7.
  t.Deal({Card(4, S), Card(7, H), Card(8, H), Card(13, C)}, {Card(5, S)});
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{171, {2}}));
  t.Deal({Card(4, S), Card(7, H), Card(8, H), Card(13, C)}, {Card(5, S)});
  t.cp.Rule8 = true;
  t.cp.TraitF1 = 1;
  t.cp.AnySkipped = true;
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{171, {2}}));
  // Code 14: one 8 with the joker over a pair, when the hold margin is tight.
  t.Deal({Card(4, S), Card(8, H), Card(13, C), Joker()}, {Card(5, S), Card(5, H)});
  t.cp.Rule8 = true;
  t.cp.HoldThreshold = t.cp.HoldMargin;
  EXPECT_EQ(t.Run(), (Result{14, {2, 4}}));
  // ... but not for a character with TraitG 4.
  t.Deal({Card(4, S), Card(8, H), Card(13, C), Joker()}, {Card(5, S), Card(5, H)});
  t.cp.Rule8 = true;
  t.cp.HoldThreshold = t.cp.HoldMargin;
  t.cp.TraitG = 4;
  EXPECT_NE(t.Run().first, 14);
  // Code 17: one 8 with both jokers over a triple.
  t.Deal({Card(4, S), Card(8, H), Card(13, C), Joker(0), Joker(1)}, {Card(5, S), Card(5, H), Card(5, D)});
  t.cp.Rule8 = true;
  t.cp.HoldThreshold = t.cp.HoldMargin;
  t.cp.TraitG = 2;
  EXPECT_EQ(t.Run(), (Result{17, {2, 4, 5}}));
}

TEST(AnswerRules, EightsUnderTheSuitLock) {
  AnswerTable t;
  // Code 21: the 8s follow the locked suits position by position.
  t.Deal({Card(4, C), Card(8, S), Card(8, H), Card(8, D)}, {Card(5, S), Card(5, H)});
  t.g.Table.SuitLock = true;
  t.cp.Rule8 = true;
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{21, {2, 3}}));
  EXPECT_TRUE(t.PlayIsLegal());
  // Suits that do not fit: the walk lets go and the general layer, finding
  // nothing that follows, passes.
  t.Deal({Card(4, C), Card(8, S), Card(8, H), Card(8, C)}, {Card(5, S), Card(5, D)});
  t.g.Table.SuitLock = true;
  t.cp.Rule8 = true;
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
  EXPECT_EQ(t.cp.PairMemo[1], 0);
}

TEST(AnswerRules, HighBranchSingles) {
  AnswerTable t;
  // Code 24: the 2 of the table's suit.
  t.Deal({Card(4, S), Card(15, H), Card(15, C)}, {Card(9, H)});
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{24, {2}}));
  // Code 27: under the even/odd lock with a J turn the ace of the suit.
  t.Deal({Card(4, S), Card(14, H), Card(15, H)}, {Card(9, H)});
  t.g.Revolution = -1;
  t.g.TempRevolution = -1;
  t.g.Table.ParityLock = true;
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{27, {2}}));
  EXPECT_TRUE(t.PlayIsLegal());
  t.g.Revolution = 1;
  t.g.TempRevolution = 1;
  // Code 31: the joker over a high card while the jokers are not accounted for.
  t.Deal({Card(4, S), Card(7, H), Joker()}, {Card(12, S)});
  t.Urgent();
  t.g.StockCount = 99;
  EXPECT_EQ(t.Run(), (Result{31, {3}}));
  // With a thick stock the jokers seen (the seat's own) hold it back.
  t.Deal({Card(4, S), Card(7, H), Joker()}, {Card(12, S)});
  t.Urgent();
  t.g.StockCount = 100;
  EXPECT_EQ(t.Run().first, 2502);
  // A character that does not look (TraitA 2) counts none.
  t.Deal({Card(4, S), Card(7, H), Joker()}, {Card(12, S)});
  t.Urgent();
  t.cp.TraitA = 2;
  t.g.StockCount = 100;
  EXPECT_EQ(t.Run().first, 31);
  // Not over a J.
  t.Deal({Card(4, S), Card(7, H), Joker()}, {Card(11, S)});
  t.Urgent();
  EXPECT_EQ(t.Run().first, 2502);
  t.g.StockCount = 0;
  // Code 36: any 2.
  t.Deal({Card(4, S), Card(15, S)}, {Card(9, H)});
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{36, {2}}));
  // ... never onto a locked suit.
  t.Deal({Card(4, S), Card(15, S)}, {Card(9, H)});
  t.g.Table.SuitLock = true;
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
}

TEST(AnswerRules, HighBranchPairs) {
  AnswerTable t;
  const std::vector<int> nines = {Card(9, S), Card(9, H)};
  // Code 41: 2s of the table's suits.
  t.Deal({Card(4, S), Card(15, S), Card(15, H), Card(15, D)}, nines);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{41, {2, 3}}));
  // Code 51: both jokers, for a bold character while the limit is low.
  t.Deal({Card(4, S), Joker(0), Joker(1)}, nines);
  t.cp.TraitE = 5;
  EXPECT_EQ(t.Run({0.0}), (Result{51, {2, 3}}));
  // Code 61: a pair of 2s of other suits (the walk over the suits let go
  // first).
  t.Deal({Card(4, S), Card(13, S), Card(15, S), Card(15, D)}, nines);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{61, {3, 4}}));
  // Code 64: a 2 with the joker.
  t.Deal({Card(4, S), Card(15, D), Joker()}, nines);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{64, {2, 3}}));
  // Code 71: an ace with the joker.
  t.Deal({Card(4, S), Card(14, D), Joker()}, nines);
  t.Urgent();
  const auto drawn = t.g.Rng.Draws();
  EXPECT_EQ(t.Run(), (Result{71, {2, 3}}));
  EXPECT_EQ(t.g.Rng.Draws() - drawn, 2u);  // the gate's draw, then the ace's
  // Code 81: the strongest pair.
  t.Deal({Card(4, S), Card(13, S), Card(13, D)}, nines);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{81, {2, 3}}));
  // The ace stays with the joker when a pair beats the table and the table is
  // crowded, for a character whose draw makes it stingy (TraitA 1).
  t.g.Options.SeatCount = 8;
  t.Deal({Card(13, S), Card(13, D), Card(14, D), Joker()}, nines);
  t.cp.PlayersLeft = 4;
  t.cp.TraitA = 1;
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{81, {1, 2}}));
  t.Deal({Card(13, S), Card(13, D), Card(14, D), Joker()}, nines);
  t.cp.PlayersLeft = 5;
  t.cp.TraitA = 1;
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{71, {3, 4}}));
}

TEST(AnswerRules, HighBranchTriples) {
  AnswerTable t;
  const std::vector<int> queens = {Card(12, S), Card(12, H), Card(12, D)};
  // Code 91: the strongest triple.
  t.Deal({Card(4, S), Card(13, S), Card(13, H), Card(13, D), Card(14, S), Card(14, H), Card(14, D)}, queens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{91, {5, 6, 7}}));
  // Code 94: a pair with the joker.
  t.Deal({Card(4, S), Card(13, S), Card(13, H), Joker()}, queens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{94, {2, 3, 4}}));
  // Code 97: one strong card with both jokers.
  t.Deal({Card(4, S), Card(14, S), Joker(0), Joker(1)}, queens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{97, {2, 3, 4}}));
  // A planner (TraitD 4) keeps them; nothing else beats three Qs.
  t.Deal({Card(4, S), Card(14, S), Joker(0), Joker(1)}, queens);
  t.cp.TraitD = 4;
  t.Urgent();
  EXPECT_EQ(t.Run().first, 2502);
  // Nothing of the kind under the suit lock.
  t.Deal({Card(4, S), Card(13, S), Card(13, H), Card(13, C)}, queens);
  t.g.Table.SuitLock = true;
  t.Urgent();
  EXPECT_EQ(t.Run().first, 2502);
}

TEST(AnswerRules, HighBranchReversed) {
  AnswerTable t;
  t.g.Revolution = -1;
  const std::vector<int> seven = {Card(7, H)};
  const std::vector<int> sevens = {Card(7, S), Card(7, H)};
  // Code 111: the 3 of the table's suit.
  t.Deal({Card(3, S), Card(3, H), Card(9, S)}, seven);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{111, {2}}));
  // Code 114: a joker.
  t.Deal({Card(5, S), Card(9, S), Joker()}, seven);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{114, {3}}));
  // Code 117: any 3.
  t.Deal({Card(3, S), Card(9, S), Card(13, S)}, seven);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{117, {1}}));
  // Code 121: 3s of the table's suits.
  t.Deal({Card(3, S), Card(3, H), Card(9, S)}, sevens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{121, {1, 2}}));
  // Code 123: both jokers.
  t.Deal({Card(5, S), Joker(0), Joker(1)}, sevens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{123, {2, 3}}));
  // Code 125: a pair of 3s of other suits.
  t.Deal({Card(3, D), Card(3, C), Card(9, S)}, sevens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{125, {1, 2}}));
  // Code 127: a 3 with the joker.
  t.Deal({Card(3, D), Card(9, S), Joker()}, sevens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{127, {1, 3}}));
  // Code 131: the lowest card with the joker.
  t.Deal({Card(4, D), Card(9, S), Joker()}, sevens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{131, {1, 3}}));
  // A 5 is held back; without a pair nothing else is played here either.
  t.Deal({Card(5, D), Card(9, S), Joker()}, sevens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
  // Code 136: the lowest pair.
  t.Deal({Card(5, D), Card(5, C), Card(9, S)}, sevens);
  t.Urgent();
  EXPECT_EQ(t.Run(), (Result{136, {1, 2}}));
}

TEST(AnswerRules, ParityAnswer) {
  AnswerTable t;
  // Code 141: a 6 of the suit over a 4.
  t.Deal({Card(3, S), Card(6, H), Card(7, C)}, {Card(4, H)});
  t.cp.Rule4 = true;
  EXPECT_EQ(t.Run(), (Result{141, {2}}));
  // Code 146: a lone 6 of another suit.
  t.Deal({Card(3, S), Card(6, S), Card(7, C)}, {Card(4, H)});
  t.cp.Rule4 = true;
  EXPECT_EQ(t.Run(), (Result{146, {2}}));
  // ... not under the suit lock.
  t.Deal({Card(3, S), Card(6, S), Card(7, C)}, {Card(4, H)});
  t.g.Table.SuitLock = true;
  t.cp.Rule4 = true;
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
  // Reversed order: a K over an A, looking from the top.
  t.g.Revolution = -1;
  t.Deal({Card(3, S), Card(13, H), Card(13, S)}, {Card(14, H)});
  t.cp.Rule4 = true;
  EXPECT_EQ(t.Run(), (Result{141, {3}}));
  // A character with TraitB 2 does not bother.
  t.Deal({Card(3, S), Card(13, H), Card(13, S)}, {Card(14, H)});
  t.cp.Rule4 = true;
  t.cp.TraitB = 2;
  EXPECT_EQ(t.Run(), (Result{181, {3}}));
}

TEST(AnswerRules, PressureOnSeatsNearTheLine) {
  AnswerTable t;
  const auto pressing = [&](int traitA, int traitD) {
    t.cp.TraitA = traitA;
    t.cp.TraitB = 3;
    t.cp.TraitE = 4;
    t.cp.TraitD = traitD;
  };
  // Code 151: a card the next seat's best card cannot top.
  t.Deal({Card(10, H), Card(13, S), Card(14, S)}, {Card(9, H)});
  t.SetHand(3, {Card(4, S), Card(12, C)});
  pressing(5, 3);
  EXPECT_EQ(t.Run(), (Result{151, {2}}));
  // Code 154: an ace of the table's suit.
  t.Deal({Card(10, H), Card(14, H), Card(15, S)}, {Card(9, H)});
  pressing(3, 3);
  EXPECT_EQ(t.Run(), (Result{154, {2}}));
  // A planner does not split two aces for it.
  t.Deal({Card(10, H), Card(14, S), Card(14, H)}, {Card(9, H)});
  pressing(3, 4);
  EXPECT_EQ(t.Run(), (Result{171, {1}}));
  // Code 157: a 2 of another suit.
  t.Deal({Card(10, H), Card(15, S)}, {Card(9, H)});
  pressing(3, 3);
  EXPECT_EQ(t.Run(), (Result{157, {2}}));
  // A planner keeps a pair of 2s whole.
  t.Deal({Card(10, H), Card(15, S), Card(15, D)}, {Card(9, H)});
  pressing(3, 4);
  EXPECT_EQ(t.Run(), (Result{171, {1}}));
  // Never a 2 of another suit onto a locked single: it would not be admitted.
  t.Deal({Card(10, D), Card(15, S)}, {Card(9, H)});
  t.g.Table.SuitLock = true;
  pressing(3, 3);
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
  // Only when enough seats are near the line: with eight players a limit gap
  // of 2.
  t.g.Table.SuitLock = false;
  t.g.Options.SeatCount = 8;
  t.Deal({Card(10, H), Card(15, S)}, {Card(9, H)});
  pressing(3, 3);
  t.cp.PlayersLeft = 8;
  EXPECT_EQ(t.Run(), (Result{171, {1}}));
  t.Deal({Card(10, H), Card(15, S)}, {Card(9, H)});
  pressing(3, 3);
  t.cp.PlayersLeft = 8;
  for (int s : {4, 5, 6, 7}) t.g.Seat[s].CardCount = 9;
  EXPECT_EQ(t.Run(), (Result{157, {2}}));
}

TEST(AnswerRules, SuitFollowingAnswer) {
  AnswerTable t;
  const std::vector<int> nines = {Card(9, S), Card(9, H)};
  // Code 161: the weakest rank that follows the table's suits.
  t.Deal({Card(10, H), Card(10, D), Card(11, S), Card(11, H)}, nines);
  t.cp.TraitC = 3;
  EXPECT_EQ(t.Run(), (Result{161, {3, 4}}));
  EXPECT_TRUE(t.PlayIsLegal());
  // The 8s never follow suit here.
  t.Deal({Card(8, S), Card(8, H), Card(9, S), Card(9, H)}, {Card(7, S), Card(7, H)});
  t.cp.TraitC = 3;
  EXPECT_EQ(t.Run(), (Result{161, {3, 4}}));
  // A character with TraitC 2 follows suits only under the lock and for two
  // cards or more.
  t.Deal({Card(10, H), Card(10, D), Card(11, S), Card(11, H)}, nines);
  EXPECT_EQ(t.Run(), (Result{171, {1, 2}}));
  t.Deal({Card(10, H), Card(10, D), Card(11, S), Card(11, H)}, nines);
  t.g.Table.SuitLock = true;
  EXPECT_EQ(t.Run(), (Result{161, {3, 4}}));
  t.Deal({Card(4, S), Card(10, H), Card(11, H)}, {Card(9, H)});
  t.g.Table.SuitLock = true;
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
}

TEST(AnswerRules, JokerOverASingleTwo) {
  AnswerTable t;
  // Code 166: the next seat played the 2.
  t.Deal({Card(4, S), Card(9, H), Joker()}, {Card(15, S)}, 3);
  EXPECT_EQ(t.Run(), (Result{166, {3}}));
  // Another seat's 2 with room to spare: nothing.
  t.Deal({Card(4, S), Card(9, H), Joker()}, {Card(15, S)}, 4);
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
  // Close to the line it is played whoever played the 2.
  t.Deal({Card(4, S), Card(9, H), Joker()}, {Card(15, S)}, 4);
  t.cp.HoldThreshold = t.cp.HoldMargin + 1;
  t.g.StockCount = 130;  // the jokers seen keep the urgent joker back
  EXPECT_EQ(t.Run(), (Result{166, {3}}));
}

TEST(AnswerRules, OrdinaryAnswerNormalOrder) {
  AnswerTable t;
  // Code 171: the weakest exact pair.
  t.Deal({Card(10, H), Card(10, D), Card(11, S), Card(11, H), Card(12, S)}, {Card(9, S), Card(9, H)});
  EXPECT_EQ(t.Run(), (Result{171, {1, 2}}));
  // Under the even/odd lock the 10 follows a 7, never the 9.
  t.Deal({Card(9, S), Card(10, H)}, {Card(7, H)});
  t.g.Table.ParityLock = true;
  EXPECT_EQ(t.Run(), (Result{171, {2}}));
  t.g.Table.ParityLock = false;
  // A planner spares a pair of 8s for a pair, not a single 8 for a single.
  t.Deal({Card(8, S), Card(8, H), Card(13, S), Card(13, H)}, {Card(7, S), Card(7, H)});
  t.cp.TraitD = 4;
  EXPECT_EQ(t.Run(), (Result{171, {3, 4}}));
  t.Deal({Card(8, S), Card(13, S)}, {Card(7, S)});
  t.cp.TraitD = 4;
  EXPECT_EQ(t.Run(), (Result{171, {1}}));
  // A kept-back card is not an answer.
  t.Deal({Card(10, H), Card(13, S)}, {Card(9, S)});
  t.cp.Kept[1] = true;
  EXPECT_EQ(t.Run(), (Result{171, {2}}));
  // A lone joker only for characters with TraitF2 1.
  t.Deal({Card(4, S), Joker()}, {Card(13, S)});
  EXPECT_EQ(t.Run().first, 2502);
  t.Deal({Card(4, S), Joker()}, {Card(13, S)});
  t.cp.TraitF2 = 1;
  EXPECT_EQ(t.Run(), (Result{171, {2}}));
  // Code 176 would play part of a whole group with the joker, but the ordinary
  // answer takes every such group first: close to the line a group one card
  // short is not made up with the joker.
  t.Deal({Card(4, S), Card(10, H), Card(11, S), Joker()}, {Card(9, S), Card(9, H)});
  t.cp.HoldThreshold = t.cp.HoldMargin + 1;
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
  t.Deal({Card(4, S), Card(11, H), Card(11, S), Joker()}, {Card(9, S), Card(9, H), Card(9, D), Card(9, C)});
  t.cp.HoldThreshold = t.cp.HoldMargin + 1;
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
  // Under the suit lock the ordinary answers do not apply.
  t.Deal({Card(10, H), Card(10, D)}, {Card(9, S), Card(9, H)});
  t.g.Table.SuitLock = true;
  EXPECT_EQ(t.Run(), (Result{2502, {}}));
}

TEST(AnswerRules, OrdinaryAnswerReversedOrder) {
  AnswerTable t;
  t.g.Revolution = -1;
  // Code 181: the weakest group in reversed order is the highest below the
  // table.
  t.Deal({Card(4, S), Card(4, H), Card(6, S), Card(6, H), Card(9, S), Card(9, H)},
         {Card(10, H), Card(10, D)});
  EXPECT_EQ(t.Run(), (Result{181, {5, 6}}));
  EXPECT_TRUE(t.PlayIsLegal());
  // Code 186: under the even/odd lock with a J turn the 6s may not lead the
  // group alone, but one of them may go with the joker.
  t.g.Revolution = 1;
  t.g.TempRevolution = -1;
  t.Deal({Card(6, S), Card(6, H), Joker()}, {Card(13, S), Card(13, H)});
  t.g.Table.ParityLock = true;
  EXPECT_EQ(t.Run().first, 2502);
  t.Deal({Card(6, S), Card(6, H), Joker()}, {Card(13, S), Card(13, H)});
  t.g.Table.ParityLock = true;
  t.cp.HoldThreshold = t.cp.HoldMargin + 1;
  EXPECT_EQ(t.Run(), (Result{186, {1, 3}}));
  EXPECT_TRUE(t.PlayIsLegal());
}

}  // namespace
}  // namespace tomaruk::testing

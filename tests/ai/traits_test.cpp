#include <gtest/gtest.h>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

// A draw that VaryTrait reads as r = 0..254.
double R255(int r) { return (r + 0.5) / 255.0; }

TEST(VaryTrait, LevelRangesAndTheWildTurn) {
  AiScenario sc;
  ComputerPlayer& cp = sc.cp;
  const auto vary = [&](int level, int r) {
    sc.g.Rng.Script({R255(r)});
    return cp.VaryTrait(level);
  };
  EXPECT_EQ(vary(3, 0), 4);
  EXPECT_EQ(vary(3, 119), 4);
  EXPECT_EQ(vary(3, 120), 3);
  EXPECT_EQ(vary(3, 240), 3);
  EXPECT_EQ(vary(3, 241), 5);
  EXPECT_EQ(vary(3, 251), 5);
  EXPECT_EQ(vary(1, 19), 4);
  EXPECT_EQ(vary(1, 20), 1);
  EXPECT_EQ(vary(2, 59), 4);
  EXPECT_EQ(vary(2, 60), 2);
  EXPECT_EQ(vary(4, 59), 3);
  EXPECT_EQ(vary(4, 208), 4);
  EXPECT_EQ(vary(4, 209), 5);
  EXPECT_EQ(vary(5, 19), 3);
  EXPECT_EQ(vary(5, 230), 5);
  EXPECT_EQ(vary(5, 231), 4);
  EXPECT_EQ(vary(0, 10), 0);
  EXPECT_EQ(vary(6, 250), 6);
  // r 252..254 draws again for any level 1..5, even an out-of-table level.
  sc.g.Rng.Script({R255(252), 0.0});
  EXPECT_EQ(cp.VaryTrait(3), 1);
  sc.g.Rng.Script({R255(254), 0.99});
  EXPECT_EQ(cp.VaryTrait(3), 5);
  sc.g.Rng.Script({R255(253), 0.5});
  EXPECT_EQ(cp.VaryTrait(0), 3);
  // The second draw is taken only at 252 and above.
  sc.g.Rng.Script({R255(251), 0.0});
  EXPECT_EQ(cp.VaryTrait(2), 2);
  EXPECT_EQ(sc.g.Rng.Next(), 0.0);
}

TEST(NextSeatAfter, FollowsTheDirection) {
  AiScenario sc(5);
  EXPECT_EQ(sc.cp.NextSeatAfter(5), 1);
  sc.g.Direction = -1;
  EXPECT_EQ(sc.cp.NextSeatAfter(1), 5);
  EXPECT_EQ(sc.cp.NextSeatAfter(5), 4);
}

// Scripts the six draws of one turn: the factor, then B, C, D, E, G.
void ScriptTurn(AiScenario& sc, double factor, int b, int c, int d, int e, int gr) {
  sc.g.Rng.Script({factor, R255(b), R255(c), R255(d), R255(e), R255(gr)});
}

TEST(PrepareTurnTraits, TraitsInDrawOrder) {
  AiScenario sc;
  sc.g.Seat[2].Character = 1;  // 3 3 3 3 3 1 2
  sc.SetHand(2, {Card(3, kSpade), Card(3, kHeart), Card(7, kClub), Card(14, kSpade), Joker()});
  sc.g.Seat[2].Selected[1] = true;
  sc.g.Seat[2].Selected[5] = true;
  sc.g.Seat[4].Status = kFinished;
  sc.g.Line = 12;                              // margin 7
  ScriptTurn(sc, 0.25, 0, 200, 245, 130, 10);  // B 4, C 3, D 5, E 3, G 4
  sc.cp.PrepareTurnTraits();
  ComputerPlayer& cp = sc.cp;
  EXPECT_FLOAT_EQ(cp.TraitFactor, 1.0f);
  EXPECT_EQ(cp.TraitA, 3);
  EXPECT_EQ(cp.TraitB, 4);
  EXPECT_EQ(cp.TraitD, 5);
  EXPECT_EQ(cp.TraitE, 3);
  EXPECT_EQ(cp.TraitG, 4);
  EXPECT_EQ(cp.TraitC, 2);  // 3 x 1.0 = 3, then 15 / 7
  EXPECT_EQ(cp.TraitF1, 1);
  EXPECT_EQ(cp.TraitF2, 0);
  EXPECT_EQ(cp.HoldMargin, 7);
  EXPECT_EQ(cp.HoldThreshold, 2);
  EXPECT_EQ(cp.NextSeat, 3);
  EXPECT_EQ(cp.PlayersLeft, 3);
  EXPECT_EQ(cp.DistinctRanks, 4);
  EXPECT_EQ(cp.OrderSign, 1);
  EXPECT_TRUE(sc.Selected().empty());

  // Reversed order twice over is the normal order again.
  sc.g.Revolution = -1;
  sc.g.TempRevolution = -1;
  ScriptTurn(sc, 0.25, 200, 200, 200, 200, 200);
  cp.PrepareTurnTraits();
  EXPECT_EQ(cp.OrderSign, 1);
  sc.g.TempRevolution = 1;
  ScriptTurn(sc, 0.25, 200, 200, 200, 200, 200);
  cp.PrepareTurnTraits();
  EXPECT_EQ(cp.OrderSign, -1);
  EXPECT_EQ(cp.TraitD, 3);
  EXPECT_EQ(cp.HoldThreshold, 3);
}

TEST(PrepareTurnTraits, TraitCRoundingAndReductions) {
  AiScenario sc;
  sc.SetHand(2, {Card(5, kSpade), Card(6, kSpade)});
  const auto traitC = [&](int character, double factorDraw, int line, bool skippedBefore) {
    sc.g.Seat[2].Character = static_cast<uint8_t>(character);
    sc.g.Line = line;
    sc.cp.AnySkipped = skippedBefore;
    ScriptTurn(sc, factorDraw, 200, 200, 200, 200, 200);
    sc.cp.PrepareTurnTraits();
    return sc.cp.TraitC;
  };
  // Character 3 has a level-1 C: factor 0.6 gives 0.6, rounded to 1, then 0.
  EXPECT_EQ(traitC(3, 0.0, 9, false), 0);
  // Character 6 has a level-2 C. Factor 1.25: 2.5 rounds to 2 (even), then 10 / 7 = 1.
  EXPECT_EQ(traitC(6, 0.40625, 9, false), 1);
  // Factor 1.75: 3.5 rounds to 4; a margin of 6 adds 1: 25 / 7 = 3 (3 would give 2).
  EXPECT_EQ(traitC(6, 0.71875, 8, false), 3);
  // The same with a seat skipped on the previous computer turn: 4 - 1 + 1 = 4, 20 / 7 = 2.
  EXPECT_EQ(traitC(6, 0.71875, 8, true), 2);
  // Margin 0: 4 - 2 = 2 -> 1; margin 4: unchanged 4 -> 2.
  EXPECT_EQ(traitC(6, 0.71875, 2, false), 1);
  EXPECT_EQ(traitC(6, 0.71875, 6, false), 2);
  // Factor near 2.2 with a level-5 C (character 2): 11 -> 7 with margin 7 -> capped at 5.
  EXPECT_EQ(traitC(2, 0.9999, 9, false), 5);
  // Reductions never take C below 1 before the last step.
  EXPECT_EQ(traitC(3, 0.0, 2, true), 0);
  EXPECT_EQ(traitC(3, 0.0, 8, true), 1);  // 1 stays 1, a margin of 6 makes it 2, 10 / 7
}

TEST(PrepareTurnTraits, SkippedSeatsCarryOverToTheNextTurn) {
  AiScenario sc;
  sc.g.Seat[2].Character = 6;
  sc.SetHand(2, {Card(5, kSpade)});
  sc.g.Line = 7;  // margin 6 adds one
  sc.g.Seat[3].Status = kSkipped;
  ScriptTurn(sc, 0.71875, 200, 200, 200, 200, 200);  // C 3.5 -> 4
  sc.cp.PrepareTurnTraits();
  EXPECT_EQ(sc.cp.TraitC, 3);  // no skip seen yet: 4 + 1, 25 / 7
  EXPECT_TRUE(sc.cp.AnySkipped);
  sc.g.Seat[3].Status = kPlaying;
  ScriptTurn(sc, 0.71875, 200, 200, 200, 200, 200);
  sc.cp.PrepareTurnTraits();
  EXPECT_EQ(sc.cp.TraitC, 2);  // the skip of the last turn: 4 - 1 + 1, 20 / 7
  EXPECT_FALSE(sc.cp.AnySkipped);
  ScriptTurn(sc, 0.71875, 200, 200, 200, 200, 200);
  sc.cp.PrepareTurnTraits();
  EXPECT_EQ(sc.cp.TraitC, 3);
}

TEST(PrepareTurnTraits, TwoTableCardsClearTraitF2) {
  AiScenario sc;
  sc.SetHand(2, {Card(5, kSpade)});
  for (int character : {3, 4}) {  // Trait(5) = 3 and 2
    sc.g.Seat[2].Character = static_cast<uint8_t>(character);
    sc.SetTable({Card(4, kSpade)}, 1);
    ScriptTurn(sc, 0.5, 200, 200, 200, 200, 200);
    sc.cp.PrepareTurnTraits();
    EXPECT_EQ(sc.cp.TraitF2, 1);
    EXPECT_EQ(sc.cp.TraitF1, character == 3 ? 1 : 0);
    sc.SetTable({Card(4, kSpade), Card(4, kHeart)}, 1);
    ScriptTurn(sc, 0.5, 200, 200, 200, 200, 200);
    sc.cp.PrepareTurnTraits();
    EXPECT_EQ(sc.cp.TraitF2, 0);
  }
}

TEST(PrepareTurnTraits, JokerBonusOnlyForBoldCharacters) {
  AiScenario sc;
  // Seat 2 holds 3 cards; seats 2, 3 and 4 have a joker at position 3.
  sc.SetHand(2, {Card(4, kSpade), Card(6, kSpade), Joker(0)});
  sc.SetHand(3, {Card(4, kHeart), Card(6, kHeart), Joker(1), Joker(2)});
  sc.SetHand(4, {Card(4, kClub), Card(5, kClub), Joker(3)});
  sc.SetHand(1, {Card(4, kDiamond), Card(5, kDiamond), Card(9, kDiamond), Joker(4)});
  sc.g.Line = 11;
  const auto threshold = [&](int character) {
    sc.g.Seat[2].Character = static_cast<uint8_t>(character);
    ScriptTurn(sc, 0.5, 200, 200, 130, 200, 200);  // D stays at its level (4 or 5 -> 4 or 5)
    sc.cp.PrepareTurnTraits();
    return sc.cp.HoldThreshold;
  };
  // Character 8: TraitA 5, D 5 -> 2; three jokers >= 4 - 2 and >= 4 - 1: +2.
  EXPECT_EQ(threshold(8), 4);
  // Character 6: TraitA 3, D 4 -> 3 and no bonus, however many jokers.
  EXPECT_EQ(threshold(6), 3);
  // Character 5 (TraitA 4): two jokers seen only (seat 4 loses its joker position 3).
  sc.SetHand(4, {Card(4, kClub), Card(5, kClub), Card(6, kClub), Joker(3)});
  EXPECT_EQ(threshold(5), 3 + 1);  // D 2 -> 3, two jokers >= 2: +1 only
  sc.SetHand(3, {Card(4, kHeart), Card(6, kHeart), Card(7, kHeart), Joker(1)});
  EXPECT_EQ(threshold(5), 3);  // one joker: none
}

TEST(PrepareTurnTraits, AWildDrawShiftsTheLaterTraits) {
  AiScenario sc;
  sc.g.Seat[2].Character = 1;  // 3 3 3 3 3 1 2
  sc.SetHand(2, {Card(5, kSpade), Card(9, kHeart)});
  // Factor 1.4; B 4; C reads 253 and draws again (0.0: level 1); D 5; E 4; G stays 2.
  sc.g.Rng.Script({0.5, R255(0), R255(253), 0.0, R255(245), R255(0), R255(130)});
  sc.cp.PrepareTurnTraits();
  EXPECT_EQ(sc.g.Rng.Draws(), 7u);
  EXPECT_EQ(sc.cp.TraitB, 4);
  EXPECT_EQ(sc.cp.TraitC, 0);  // 1 x 1.4 = 1, then 5 / 7
  EXPECT_EQ(sc.cp.TraitD, 5);
  EXPECT_EQ(sc.cp.TraitE, 4);
  EXPECT_EQ(sc.cp.TraitG, 2);
  EXPECT_EQ(sc.cp.HoldThreshold, 2);
  // A wild D of 1 holds back the most.
  sc.g.Rng.Script({0.5, 0.5, 0.5, R255(252), 0.0, 0.5, 0.5});
  sc.cp.PrepareTurnTraits();
  EXPECT_EQ(sc.cp.TraitD, 1);
  EXPECT_EQ(sc.cp.HoldThreshold, 4);
  EXPECT_EQ(sc.cp.TraitE, 3);
  EXPECT_EQ(sc.cp.TraitG, 2);
  EXPECT_EQ(sc.g.Rng.Draws(), 14u);
}

TEST(PrepareTurnTraits, CountsOfTheHand) {
  AiScenario sc;
  sc.SetHand(2, {Card(5, kSpade)});
  sc.cp.PairMemo[1] = 7;
  ScriptTurn(sc, 0.5, 200, 200, 200, 200, 200);
  sc.cp.PrepareTurnTraits();
  EXPECT_EQ(sc.cp.DistinctRanks, 1);
  EXPECT_EQ(sc.cp.PairMemo[1], 0);
  sc.SetHand(2, {Card(5, kSpade), Card(5, kHeart), Card(9, kSpade), Card(15, kClub), Joker(0), Joker(1)});
  sc.cp.Decided = true;
  sc.cp.StairChosen = true;
  ScriptTurn(sc, 0.5, 200, 200, 200, 200, 200);
  sc.cp.PrepareTurnTraits();
  EXPECT_EQ(sc.cp.DistinctRanks, 4);  // jokers count as a rank
  EXPECT_FALSE(sc.cp.Decided);
  EXPECT_FALSE(sc.cp.StairChosen);
  EXPECT_EQ(sc.cp.HoldMargin, 5);
}

}  // namespace
}  // namespace tomaruk::testing

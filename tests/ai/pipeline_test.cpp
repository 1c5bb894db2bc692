#include <gtest/gtest.h>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

using Pos = std::vector<int>;
constexpr int S = kSpade, H = kHeart, D = kDiamond;

// A draw that VaryTrait reads as r = 0..254.
double R255(int r) { return (r + 0.5) / 255.0; }

TEST(InitCharacters, TheEightCharacters) {
  Game g;
  g.Characters[0].Trait = {9, 9, 9, 9, 9, 9, 9};
  InitCharacters(g);
  const std::array<uint8_t, 7> none{};
  EXPECT_EQ(g.Characters[0].Trait, none);
  const std::array<std::array<uint8_t, 7>, 9> traits = {{{},
                                                         {3, 3, 3, 3, 3, 1, 2},
                                                         {3, 5, 5, 2, 5, 1, 1},
                                                         {5, 5, 1, 3, 1, 3, 2},
                                                         {2, 2, 3, 5, 1, 2, 4},
                                                         {4, 2, 4, 2, 3, 2, 4},
                                                         {3, 5, 2, 4, 4, 3, 3},
                                                         {1, 5, 5, 2, 5, 3, 5},
                                                         {5, 5, 5, 5, 5, 3, 5}}};
  const char* names[9] = {"",         "石丸さん", "水城さん", "桐生さん", "早瀬さん",
                          "柚木さん", "真壁さん", "朝比さん", "白峰さん"};
  for (int i = 1; i <= 8; ++i) {
    EXPECT_EQ(g.Characters[i].Trait, traits[i]) << i;
    EXPECT_EQ(g.Characters[i].Name, names[i]) << i;
  }
}

TEST(ResetComputerRules, EachFlagReachesItsOwnCopy) {
  using Flag = uint8_t OptionRecord::*;
  using Copy = bool ComputerPlayer::*;
  const std::pair<Flag, Copy> pairs[12] = {
      {&OptionRecord::Flag3, &ComputerPlayer::Rule3}, {&OptionRecord::Flag4, &ComputerPlayer::Rule4},
      {&OptionRecord::Flag5, &ComputerPlayer::Rule5}, {&OptionRecord::Flag7, &ComputerPlayer::Rule7},
      {&OptionRecord::Flag8, &ComputerPlayer::Rule8}, {&OptionRecord::Flag8F, &ComputerPlayer::Rule8F},
      {&OptionRecord::Flag9, &ComputerPlayer::Rule9}, {&OptionRecord::Flag10, &ComputerPlayer::Rule10},
      {&OptionRecord::FlagJ, &ComputerPlayer::RuleJ}, {&OptionRecord::FlagQ, &ComputerPlayer::RuleQ},
      {&OptionRecord::FlagM, &ComputerPlayer::RuleM}, {&OptionRecord::FlagR, &ComputerPlayer::RuleR},
  };
  AiScenario sc;
  for (int on = 0; on < 12; ++on) {
    for (int k = 0; k < 12; ++k) sc.g.Options.*pairs[k].first = k == on ? 255 : 0;
    sc.cp.DealMemory[3] = true;
    sc.cp.ResetComputerRules();
    for (int k = 0; k < 12; ++k) EXPECT_EQ(sc.cp.*pairs[k].second, k == on) << on << " " << k;
    EXPECT_FALSE(sc.cp.DealMemory[3]);
  }
}

// Seat 2 answers a single joker with nothing that beats it: the pipeline runs
// every stage and the seat passes.
struct Pipeline : AiScenario {
  explicit Pipeline(std::vector<int> hand) {
    SetHand(2, hand);
    SetTable({Joker(5)}, 1);
  }
  // One turn with the given trait draws (factor, B, C, D, E, G).
  void Turn(std::initializer_list<double> draws = {0.5, 0.5, 0.5, 0.5, 0.5, 0.5}) {
    g.Rng.Script(draws);
    g.Seat[2].Selected[1] = true;
    cp.DecisionCode = 999;
    cp.ComputerTurn();
  }
};

TEST(ComputerTurn, RuleCopiesAreTakenOnADealsFirstComputerTurn) {
  Pipeline p({Card(4, S), Card(6, H), Card(9, D)});
  p.cp.DealMemory[3] = true;
  // Before any reset every copy is false, whatever the options say.
  p.Turn();
  EXPECT_FALSE(p.cp.Rule8);
  EXPECT_FALSE(p.cp.RuleM);
  EXPECT_TRUE(p.cp.DealMemory[3]);
  EXPECT_TRUE(p.Selected().empty());
  // The first turn of a deal takes the options and forgets the deal memory.
  p.g.DealStart = true;
  p.Turn();
  EXPECT_TRUE(p.cp.Rule8);
  EXPECT_TRUE(p.cp.RuleM);
  EXPECT_FALSE(p.cp.DealMemory[3]);
  EXPECT_TRUE(p.Selected().empty());
  EXPECT_EQ(p.cp.DecisionCode, 0);
  // Options changed later reach the copies only at the next deal's first turn.
  p.g.Options.Flag8 = 0;
  p.g.DealStart = false;
  p.cp.DealMemory[3] = true;
  p.Turn();
  EXPECT_TRUE(p.cp.Rule8);
  EXPECT_TRUE(p.cp.DealMemory[3]);
  p.g.DealStart = true;
  p.Turn();
  EXPECT_FALSE(p.cp.Rule8);
  EXPECT_FALSE(p.cp.DealMemory[3]);
}

TEST(ComputerTurn, TraitsThenMarksThenBansThenRelief) {
  const std::vector<int> jokers = {Card(4, S), Card(6, H), Joker(0), Joker(1)};
  // The marks follow this turn's traits: TraitD 5 keeps the top one of two jokers.
  Pipeline keen(jokers);
  keen.Turn({0.5, 0.5, 0.5, R255(245), 0.5, 0.5});
  EXPECT_EQ(keen.cp.TraitD, 5);
  EXPECT_EQ(keen.KeptPositions(), (Pos{4}));
  Pipeline calm(jokers);
  calm.Turn();
  EXPECT_EQ(calm.cp.TraitD, 3);
  EXPECT_EQ(calm.KeptPositions(), (Pos{}));
  // The finishing ban comes after them and replaces them.
  Pipeline banned(jokers);
  banned.cp.RuleM = true;
  banned.Turn({0.5, 0.5, 0.5, R255(245), 0.5, 0.5});
  EXPECT_EQ(banned.KeptPositions(), (Pos{3, 4}));
  // The relief comes last: a hand marked throughout is let go.
  Pipeline nines({Card(9, S), Card(9, H), Card(9, D)});
  nines.cp.RuleM = true;
  nines.Turn();
  EXPECT_EQ(nines.KeptPositions(), (Pos{}));
  EXPECT_TRUE(nines.Selected().empty());
  EXPECT_EQ(nines.cp.DecisionCode, 0);
}

}  // namespace
}  // namespace tomaruk::testing

#include <gtest/gtest.h>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

using Pos = std::vector<int>;
constexpr int S = kSpade, H = kHeart, D = kDiamond, C = kClub;

// Seat 2 (character 1 unless changed: A 3, B 3, D 3, E 3, F1 1; Sum 6) with four
// seats playing and a limit of 11.
struct KeepBack : AiScenario {
  explicit KeepBack(std::vector<int> hand, int seats = 4) : AiScenario(seats) { SetHand(2, hand); }
  // The turn's counters, then `tune`, then the three marking stages.
  template <class F>
  Pos Mark(F tune, bool all = false) {
    PrepareTurn();
    tune(cp);
    cp.MarkKeptCards();
    if (all) {
      cp.MarkFinishBlockers();
      cp.RelaxKeptCards();
    }
    return KeptPositions();
  }
  Pos Mark() {
    return Mark([](ComputerPlayer&) {});
  }
  Pos MarkAll() {
    return Mark([](ComputerPlayer&) {}, true);
  }
};

const auto kRule10 = [](ComputerPlayer& cp) { cp.Rule10 = true; };
const auto kRule3 = [](ComputerPlayer& cp) { cp.Rule3 = true; };

TEST(MarkKeptCards, NothingIsKeptTooCloseToTheLimit) {
  const std::vector<int> jokers = {Card(4, S), Joker(0), Joker(1), Joker(2)};
  KeepBack roomy(jokers);
  EXPECT_EQ(roomy.Mark(), (Pos{4}));  // three jokers: the top one is kept
  KeepBack level(jokers);
  level.g.Line = 7;  // margin 3 = threshold 3
  EXPECT_EQ(level.Mark(), (Pos{4}));
  KeepBack close(jokers);
  close.g.Line = 6;  // margin 2, one below the threshold
  EXPECT_EQ(close.Mark(), (Pos{}));
  // The finishing ban still marks, and a margin of 2 is not yet too close for it.
  KeepBack banned(jokers);
  banned.g.Line = 6;
  EXPECT_EQ(banned.Mark([](ComputerPlayer& cp) { cp.RuleM = true; }, true), (Pos{2, 3, 4}));
}

TEST(MarkKeptCards, TheFourTens) {
  const std::vector<int> tens = {Card(5, S), Card(10, H, 0), Card(10, H, 1)};
  KeepBack keep(tens);
  EXPECT_EQ(keep.Mark(kRule10), (Pos{2, 3}));
  KeepBack off(tens);
  EXPECT_EQ(off.Mark(), (Pos{}));
  // One of the four gone: only a character with Sum below 5 still hopes.
  KeepBack gone(tens);
  gone.g.CardPlace[Card(10, D, 1)] = kInDiscard;
  EXPECT_EQ(gone.Mark(kRule10), (Pos{}));
  KeepBack sum4(tens);
  sum4.g.Characters[1].Trait[3] = 1;  // Sum 4
  sum4.g.CardPlace[Card(10, D, 1)] = kInDiscard;
  EXPECT_EQ(sum4.Mark(kRule10), (Pos{2, 3}));
  KeepBack hopeful(tens);
  hopeful.g.Seat[2].Character = 7;  // Sum 3
  hopeful.g.CardPlace[Card(10, D, 1)] = kOnTable;
  EXPECT_EQ(hopeful.Mark(kRule10), (Pos{2, 3}));
  // A low limit: 11 - D / 2 must not exceed it.
  KeepBack lowLine(tens);
  lowLine.g.Line = 9;
  EXPECT_EQ(lowLine.Mark(kRule10), (Pos{}));  // 9.5 > 9
  KeepBack lowLineKeen(tens);
  lowLineKeen.g.Line = 9;
  EXPECT_EQ(lowLineKeen.Mark([](ComputerPlayer& cp) {
    cp.Rule10 = true;
    cp.TraitD = 4;
  }),
            (Pos{2, 3}));
  // Fewer than three seats playing.
  KeepBack few(tens);
  few.g.Seat[3].Status = kFinished;
  few.g.Seat[4].Status = kDroppedOut;
  EXPECT_EQ(few.Mark(kRule10), (Pos{}));
}

TEST(MarkKeptCards, SpadeThreesAndSpadeTwos) {
  const std::vector<int> both = {Card(3, S, 0), Card(3, S, 1), Card(9, H), Card(15, S, 0), Card(15, H)};
  KeepBack keep(both);
  EXPECT_EQ(keep.Mark(kRule3), (Pos{1, 2, 4}));
  // A spade 3 on the discard pile: Sum 6 gives up the 3s, not the 2s.
  KeepBack gone(both);
  gone.g.CardPlace[Card(3, S, 2)] = kInDiscard;
  EXPECT_EQ(gone.Mark(kRule3), (Pos{4}));
  KeepBack timid(both);
  EXPECT_EQ(timid.Mark([](ComputerPlayer& cp) {
    cp.Rule3 = true;
    cp.TraitA = 1;
  }),
            (Pos{}));
  // Under a revolution the 3s need Sum below 6: character 2 (Sum 5) keeps its one
  // spade 3 though another is gone, character 1 (Sum 6) does not.
  const std::vector<int> one3 = {Card(3, S, 0), Card(7, H), Card(9, H)};
  KeepBack low(one3);
  low.g.Revolution = -1;
  low.g.Seat[2].Character = 2;
  low.g.CardPlace[Card(3, S, 1)] = kInDiscard;
  EXPECT_EQ(low.Mark(kRule3), (Pos{1}));
  // Holding two of them, the hope goes once the third is gone.
  KeepBack two3({Card(3, S, 0), Card(3, S, 1), Card(9, H)});
  two3.g.Revolution = -1;
  two3.g.Seat[2].Character = 2;
  two3.g.CardPlace[Card(3, S, 2)] = kInDiscard;
  EXPECT_EQ(two3.Mark(kRule3), (Pos{}));
  KeepBack high(one3);
  high.g.Revolution = -1;
  high.g.CardPlace[Card(3, S, 1)] = kInDiscard;
  EXPECT_EQ(high.Mark(kRule3), (Pos{}));
  // In normal order the 2s need Sum below 6 in the same way.
  const std::vector<int> one2 = {Card(7, H), Card(9, H), Card(15, S, 0)};
  KeepBack low2(one2);
  low2.g.Seat[2].Character = 2;
  low2.g.CardPlace[Card(15, S, 1)] = kInDiscard;
  EXPECT_EQ(low2.Mark(kRule3), (Pos{3}));
  KeepBack high2(one2);
  high2.g.CardPlace[Card(15, S, 1)] = kInDiscard;
  EXPECT_EQ(high2.Mark(kRule3), (Pos{}));
}

const auto kStairKeeper = [](ComputerPlayer& cp) {
  cp.TraitA = 3;
  cp.TraitB = 3;
  cp.TraitD = 4;
  cp.TraitE = 3;
};

TEST(MarkKeptCards, StairsInTheMaking) {
  // Shortest stair 4: three of a suit within five ranks of the start card.
  KeepBack three({Card(5, H), Card(7, H), Card(9, H), Card(13, C)});
  EXPECT_EQ(three.Mark(kStairKeeper), (Pos{1, 2, 3}));
  KeepBack spread({Card(5, H), Card(7, H), Card(10, H), Card(13, C)});
  EXPECT_EQ(spread.Mark(kStairKeeper), (Pos{}));
  // Shortest stair 5: two within six ranks.
  KeepBack two({Card(3, C), Card(5, H), Card(8, D), Card(10, H), Card(12, S)});
  two.g.Options.MinStair = 5;
  EXPECT_EQ(two.Mark(kStairKeeper), (Pos{2, 4}));
  KeepBack apart({Card(3, C), Card(5, H), Card(8, D), Card(11, H), Card(12, S)});
  apart.g.Options.MinStair = 5;
  EXPECT_EQ(apart.Mark(kStairKeeper), (Pos{}));
  // Past the window the chain goes on while it finds cards.
  KeepBack longer({Card(3, C), Card(5, H), Card(9, H), Card(10, H)});
  EXPECT_EQ(longer.Mark(kStairKeeper), (Pos{2, 3, 4}));
  // A stair replaces the earlier marks, and the last start that qualifies wins.
  KeepBack tens({Card(3, S), Card(4, S), Card(5, S), Card(10, H, 0), Card(10, H, 1)});
  EXPECT_EQ(tens.Mark([](ComputerPlayer& cp) {
    kStairKeeper(cp);
    cp.Rule10 = true;
  }),
            (Pos{1, 2, 3}));
  KeepBack twoRuns({Card(3, S), Card(4, S), Card(5, S), Card(9, H), Card(10, H), Card(11, H)});
  EXPECT_EQ(twoRuns.Mark(kStairKeeper), (Pos{4, 5, 6}));
  // Characters that do not build stairs.
  KeepBack plain({Card(5, H), Card(7, H), Card(9, H), Card(13, C)});
  EXPECT_EQ(plain.Mark(), (Pos{}));  // TraitD 3
  KeepBack wild({Card(5, H), Card(7, H), Card(9, H), Card(13, C)});
  EXPECT_EQ(wild.Mark([](ComputerPlayer& cp) {
    kStairKeeper(cp);
    cp.TraitE = 5;
  }),
            (Pos{}));
}

TEST(MarkKeptCards, JokersParityFivesAndEights) {
  // Two jokers are enough for a character with TraitD above 3.
  KeepBack pair({Card(4, S), Joker(0), Joker(1)});
  EXPECT_EQ(pair.Mark([](ComputerPlayer& cp) { cp.TraitD = 4; }), (Pos{3}));
  KeepBack pairCalm({Card(4, S), Joker(0), Joker(1)});
  EXPECT_EQ(pairCalm.Mark(), (Pos{}));
  // Under the even/odd lock: jokers, odd ranks below the A, and 2s.
  const std::vector<int> mix = {Card(4, S),  Card(5, S),  Card(8, S),  Card(11, S),
                                Card(13, S), Card(14, S), Card(15, S), Joker()};
  KeepBack parity(mix);
  parity.g.Table.ParityLock = true;
  EXPECT_EQ(parity.Mark([](ComputerPlayer& cp) { cp.Rule4 = true; }), (Pos{2, 4, 5, 7, 8}));
  KeepBack noLock(mix);
  EXPECT_EQ(noLock.Mark([](ComputerPlayer& cp) { cp.Rule4 = true; }), (Pos{}));
  // 5s when the seat after next is within two cards of the limit.
  const std::vector<int> fives = {Card(5, S), Card(5, H), Card(9, S)};
  const auto rule5 = [](ComputerPlayer& cp) { cp.Rule5 = true; };
  std::vector<int> nine;
  for (int i = 0; i < 9; ++i) nine.push_back(Card(3 + i / 3, C, i % 3));
  KeepBack full(fives, 5);
  full.SetHand(4, nine);
  EXPECT_EQ(full.Mark(rule5), (Pos{1, 2}));
  KeepBack otherWay(fives, 5);  // reversed, the seat after next is seat 5
  otherWay.g.Direction = -1;
  otherWay.SetHand(4, nine);
  EXPECT_EQ(otherWay.Mark(rule5), (Pos{}));
  KeepBack eight(fives, 5);
  nine.pop_back();
  eight.SetHand(4, nine);
  EXPECT_EQ(eight.Mark(rule5), (Pos{}));
  // 8s while some seat is skipped, for a character with TraitF1.
  const std::vector<int> eights = {Card(8, S), Card(8, H), Card(13, S)};
  const auto rule8 = [](ComputerPlayer& cp) { cp.Rule8 = true; };
  KeepBack skipped(eights);
  skipped.g.Seat[3].Status = kSkipped;
  EXPECT_EQ(skipped.Mark(rule8), (Pos{1, 2}));
  KeepBack nobodySkipped(eights);
  EXPECT_EQ(nobodySkipped.Mark(rule8), (Pos{}));
  KeepBack noF1(eights);
  noF1.g.Seat[2].Character = 4;  // Trait(5) = 2
  noF1.g.Seat[3].Status = kSkipped;
  EXPECT_EQ(noF1.Mark(rule8), (Pos{}));
}

TEST(MarkFinishBlockers, OneBannedRankIsHeldBack) {
  const auto ruleM = [](ComputerPlayer& cp) {
    cp.RuleM = true;
    cp.Rule3 = true;
    cp.TraitD = 4;
  };
  // 8s and jokers: two blocker ranks, the earlier marks stay.
  KeepBack two({Card(8, S), Card(8, H), Joker(0), Joker(1)});
  EXPECT_EQ(two.Mark(ruleM, true), (Pos{4}));
  EXPECT_FALSE(two.cp.NoFinishBlocker);
  // Only 9s: every 9 is held and the spade 3's mark is dropped.
  KeepBack nines({Card(3, S), Card(9, S), Card(9, H), Card(13, S)});
  EXPECT_EQ(nines.Mark(ruleM, true), (Pos{2, 3}));
  // No blocker at all.
  KeepBack none({Card(4, S), Card(5, S), Card(13, S)});
  EXPECT_EQ(none.Mark(ruleM, true), (Pos{}));
  EXPECT_TRUE(none.cp.NoFinishBlocker);
  // Under a revolution the 3 is the strongest rank, and it blocks.
  KeepBack threes({Card(3, H), Card(4, S), Card(13, S)});
  threes.g.Revolution = -1;
  EXPECT_EQ(threes.Mark(ruleM, true), (Pos{1}));
  KeepBack off({Card(4, S), Card(5, S), Card(13, S)});
  EXPECT_EQ(off.MarkAll(), (Pos{}));
  EXPECT_FALSE(off.cp.NoFinishBlocker);
}

TEST(RelaxKeptCards, AllMarkedOrTooClose) {
  const std::vector<int> tens = {Card(10, H, 0), Card(10, H, 1), Card(10, D, 0), Card(10, D, 1)};
  // Every card kept: let them all go, unless the finishing ban found no blocker.
  KeepBack all(tens);
  EXPECT_EQ(all.Mark(kRule10, true), (Pos{}));
  KeepBack banned(tens);
  EXPECT_EQ(banned.Mark(
                [](ComputerPlayer& cp) {
                  cp.Rule10 = true;
                  cp.RuleM = true;
                },
                true),
            (Pos{1, 2, 3, 4}));
  // Close to the limit the marks go: margin 1 for TraitD 3 and up, margin 2 below.
  const auto nines = [](int line, int traitD) {
    KeepBack k({Card(4, S), Card(9, S), Card(9, H)});
    k.g.Line = line;
    return k.Mark(
        [traitD](ComputerPlayer& cp) {
          cp.RuleM = true;
          cp.TraitD = traitD;
        },
        true);
  };
  EXPECT_EQ(nines(5, 3), (Pos{2, 3}));
  EXPECT_EQ(nines(4, 3), (Pos{}));
  EXPECT_EQ(nines(5, 2), (Pos{}));
  EXPECT_EQ(nines(6, 2), (Pos{2, 3}));
}

TEST(IsExactGroup, GroupsWindowsMarksAndTheLock) {
  KeepBack k({Card(4, S), Card(6, S), Card(6, H), Card(6, D), Card(9, S), Card(9, H)});
  k.PrepareTurn();
  ComputerPlayer& cp = k.cp;
  EXPECT_TRUE(cp.IsExactGroup(1, 1, 3, 15, 1, 0));
  EXPECT_FALSE(cp.IsExactGroup(2, 2, 3, 15, 1, 0));  // part of a triple
  EXPECT_TRUE(cp.IsExactGroup(2, 3, 3, 15, 1, 0));
  EXPECT_TRUE(cp.IsExactGroup(3, 2, 3, 15, 1, 0));  // it looks forward only
  EXPECT_FALSE(cp.IsExactGroup(2, 4, 3, 15, 1, 0));
  // A group that ends the hand: the empty slot after it does not extend it.
  EXPECT_TRUE(cp.IsExactGroup(5, 2, 3, 15, 1, 0));
  EXPECT_TRUE(cp.IsExactGroup(6, 1, 3, 15, 1, 1));
  EXPECT_FALSE(cp.IsExactGroup(5, 2, 3, 8, 1, 0));
  EXPECT_FALSE(cp.IsExactGroup(5, 2, 10, 15, 1, 0));
  EXPECT_TRUE(cp.IsExactGroup(5, 2, 9, 9, -1, 0));
  cp.Kept[5] = true;
  EXPECT_FALSE(cp.IsExactGroup(5, 2, 3, 15, 1, 0));
  cp.Kept[5] = false;
  // The even/odd lock: even ranks or 2s in normal order, odd ranks under a
  // revolution; the A and the joker count odd, the 2 even, as the lock has it.
  KeepBack lock({Card(4, S), Card(9, S), Card(14, S), Card(15, S), Joker()});
  lock.PrepareTurn();
  lock.g.Table.ParityLock = true;
  const auto admits = [&](int pos) { return lock.cp.IsExactGroup(pos, 1, 3, 16, 1, 0); };
  EXPECT_EQ((std::vector<bool>{admits(1), admits(2), admits(3), admits(4), admits(5)}),
            (std::vector<bool>{true, false, false, true, false}));
  lock.g.Revolution = -1;
  EXPECT_EQ((std::vector<bool>{admits(1), admits(2), admits(3), admits(4), admits(5)}),
            (std::vector<bool>{false, true, false, false, false}));
  lock.g.Table.ParityLock = false;
  EXPECT_EQ((std::vector<bool>{admits(1), admits(2), admits(3), admits(4), admits(5)}),
            (std::vector<bool>{true, true, true, true, true}));
}

}  // namespace
}  // namespace tomaruk::testing

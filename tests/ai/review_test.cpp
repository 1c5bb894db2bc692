#include <gtest/gtest.h>

#include <utility>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

using Picks = std::vector<int>;
constexpr int S = kSpade, H = kHeart, D = kDiamond;

// Seat 2 after the decision core: the given picks, settled or not.
struct ReviewTable : AiScenario {
  void Core(const std::vector<int>& hand, const Picks& picks, bool decided, bool leading = true) {
    SetHand(2, hand);
    g.LeadSeat = leading ? 2 : 1;
    g.Table.SuitLock = false;
    g.Table.ParityLock = false;
    g.Table.StairKey = 255;
    for (int p : picks) g.Seat[2].Selected[p] = true;
    cp.Decided = decided;
    cp.StairChosen = false;
    cp.OrderSign = g.TempRevolution * g.Revolution;
    cp.HoldMargin = g.Line - g.Seat[2].CardCount;
    cp.DecisionCode = decided ? 171 : 0;
  }
  // Seat 2 follows seat 1's play.
  void Follow(const std::vector<int>& hand, const std::vector<int>& table, const Picks& picks,
              bool decided = true) {
    Core(hand, picks, decided, false);
    g.Table.Count = 0;
    SetTable(table, 1);
  }
  std::pair<int, Picks> Review() {
    cp.ReviewDecision();
    return {cp.Decided ? cp.DecisionCode : 0, Selected()};
  }
};
using Result = std::pair<int, Picks>;

TEST(ReviewDecision, LeadingSeatMustPlayAndLeadsWholeGroups) {
  ReviewTable t;
  // Nothing chosen: the weakest card with its whole rank.
  t.Core({Card(4, S), Card(4, H), Card(9, D)}, {}, false);
  EXPECT_EQ(t.Review(), (Result{2511, {1, 2}}));
  // A hand of jokers leads one of them.
  t.Core({Joker(0), Joker(1)}, {}, false);
  EXPECT_EQ(t.Review(), (Result{2511, {1}}));
  // A play settled without cards: the weakest card alone.
  t.Core({Card(4, S), Card(4, H), Card(9, D)}, {}, true);
  EXPECT_EQ(t.Review(), (Result{2512, {1}}));
  // A settled group is widened to its whole rank...
  t.Core({Card(4, S), Card(7, S), Card(7, H), Card(9, D)}, {3}, true);
  EXPECT_EQ(t.Review(), (Result{171, {2, 3}}));
  // ... but not the 5s, nor a stair.
  t.Core({Card(5, S), Card(5, H), Card(9, D)}, {1}, true);
  EXPECT_EQ(t.Review(), (Result{171, {1}}));
  t.Core({Card(4, S), Card(7, S), Card(7, H), Card(9, D)}, {2}, true);
  t.cp.StairChosen = true;
  EXPECT_EQ(t.Review(), (Result{171, {2}}));
  // 9s or jokers that would empty the hand go out one at a time.
  t.Core({Card(9, S), Card(9, H), Joker()}, {1, 3}, true);
  EXPECT_EQ(t.Review(), (Result{171, {1}}));
  t.Core({Card(9, S), Card(9, H), Card(13, S)}, {1}, true);
  EXPECT_EQ(t.Review(), (Result{171, {1, 2}}));
  t.Core({Joker(0), Joker(1), Joker(2)}, {1, 2, 3}, true);
  EXPECT_EQ(t.Review(), (Result{171, {1}}));
  // The first turn of a deal answers the opening cards: nothing is forced.
  t.Core({Card(4, S), Card(4, H), Card(9, D)}, {}, false);
  t.g.DealStart = true;
  EXPECT_EQ(t.Review(), (Result{0, {}}));
}

TEST(ReviewDecision, JokerFinishingBan) {
  ReviewTable t;
  t.cp.RuleR = true;
  // The joker goes in place of the 4.
  t.Follow({Card(4, S), Joker()}, {Card(3, H)}, {1});
  EXPECT_EQ(t.Review(), (Result{2521, {2}}));
  EXPECT_TRUE(t.PlayIsLegal());
  // Under a lock the seat passes.
  t.Follow({Card(4, S), Joker()}, {Card(3, S)}, {1});
  t.g.Table.SuitLock = true;
  EXPECT_EQ(t.Review(), (Result{0, {}}));
  EXPECT_EQ(t.cp.DecisionCode, 2522);
  // The whole hand already in the play: without the first card the jokers no
  // longer match the table, so the seat passes rather than finish with a joker.
  t.Follow({Card(4, S), Joker()}, {Card(3, S), Card(3, H)}, {1, 2});
  EXPECT_EQ(t.Review(), (Result{0, {}}));
  EXPECT_EQ(t.cp.DecisionCode, 2523);
  // ... and nothing after the ban picks a play up again, even one card from
  // the line.
  t.Follow({Card(4, S), Joker(0), Joker(1)}, {Card(3, S), Card(3, H), Card(3, D)}, {1, 2, 3});
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{0, {}}));
  EXPECT_EQ(t.cp.DecisionCode, 2523);
  // Without the ban, or with more than jokers left behind, nothing changes.
  t.Follow({Card(4, S), Card(6, H), Joker()}, {Card(3, H)}, {1});
  EXPECT_EQ(t.Review(), (Result{171, {1}}));
  t.cp.RuleR = false;
  t.Follow({Card(4, S), Joker()}, {Card(3, H)}, {1});
  EXPECT_EQ(t.Review(), (Result{171, {1}}));
}

TEST(ReviewDecision, EightFinishingBan) {
  ReviewTable t;
  t.cp.Rule8F = true;
  t.Follow({Card(8, S), Card(8, H), Card(13, S)}, {Card(5, S), Card(5, H)}, {1, 2});
  EXPECT_EQ(t.Review(), (Result{0, {}}));
  EXPECT_EQ(t.cp.DecisionCode, 2531);
  // One card from dropping out the 8s go.
  t.Follow({Card(8, S), Card(8, H), Card(13, S)}, {Card(5, S), Card(5, H)}, {1, 2});
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{171, {1, 2}}));
  // Other plays and a leading seat are left alone.
  t.Follow({Card(8, S), Card(13, S), Card(13, H)}, {Card(5, S), Card(5, H)}, {2, 3});
  EXPECT_EQ(t.Review(), (Result{171, {2, 3}}));
  t.Core({Card(8, S), Card(8, H), Card(13, S)}, {1, 2}, true);
  EXPECT_EQ(t.Review(), (Result{171, {1, 2}}));
}

TEST(ReviewDecision, OneCardFromDroppingOut) {
  ReviewTable t;
  // A joker over a single rather than another card.
  t.Follow({Card(4, S), Card(6, H), Joker()}, {Card(9, H)}, {}, false);
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{2541, {3}}));
  // A stray mark left by a pass does not swell the play.
  t.Follow({Card(4, S), Card(6, H), Joker()}, {Card(9, H)}, {1}, false);
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{2541, {3}}));
  // Not over a joker, nor under a lock, nor with room to spare.
  t.Follow({Card(4, S), Card(6, H), Joker(0)}, {Joker(1)}, {}, false);
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{0, {}}));
  t.Follow({Card(4, S), Card(6, H), Joker()}, {Card(9, H)}, {}, false);
  t.g.Table.ParityLock = true;
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{0, {}}));
  t.Follow({Card(4, S), Card(6, H), Joker()}, {Card(9, H)}, {}, false);
  t.cp.HoldMargin = 2;
  EXPECT_EQ(t.Review(), (Result{0, {}}));

  // A card with the jokers over a group: the 7 in normal order...
  const std::vector<int> sixes = {Card(6, S), Card(6, H)};
  t.Follow({Card(3, S), Card(7, H), Joker()}, sixes, {}, false);
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{2542, {2, 3}}));
  EXPECT_TRUE(t.PlayIsLegal());
  // ... the 3 in reversed order.
  t.g.Revolution = -1;
  t.Follow({Card(3, S), Card(7, H), Joker()}, sixes, {}, false);
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{2542, {1, 3}}));
  EXPECT_TRUE(t.PlayIsLegal());
  t.g.Revolution = 1;
  // Only when the candidate beats the table.
  t.Follow({Card(3, S), Card(5, H), Joker()}, sixes, {}, false);
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{0, {}}));
  // Not against a stair: a set never answers one.
  t.Follow({Card(3, S), Card(13, H), Joker(0), Joker(1), Joker(2)},
           {Card(4, D), Card(5, D), Card(6, D), Card(7, D)}, {}, false);
  t.g.Table.StairKey = 4;
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{0, {}}));
  t.g.Table.StairKey = 255;
  EXPECT_EQ(t.Review(), (Result{2542, {2, 3, 4, 5}}));
  // A pair of jokers cannot be beaten, not even by a 3 in reversed order.
  t.g.Revolution = -1;
  t.Follow({Card(3, S), Card(7, H), Joker(0)}, {Joker(1), Joker(2)}, {}, false);
  t.cp.HoldMargin = 1;
  EXPECT_EQ(t.Review(), (Result{0, {}}));
  t.g.Revolution = 1;
  // A hand one card short of the table cannot answer it, in either order.
  for (int revolution : {1, -1}) {
    t.g.Revolution = revolution;
    t.Follow({Joker(0), Joker(1)}, {Card(6, S), Card(6, H), Card(6, D)}, {}, false);
    t.cp.HoldMargin = 1;
    EXPECT_EQ(t.Review(), (Result{0, {}}));
  }
}

}  // namespace
}  // namespace tomaruk::testing

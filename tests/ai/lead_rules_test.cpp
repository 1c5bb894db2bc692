#include <gtest/gtest.h>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

using Picks = std::vector<int>;
using Result = std::pair<int, Picks>;

// Cards by rank, the suits taken in turn for each rank (spade, heart, diamond,
// club, then the next copy); 16 gives the jokers.
std::vector<int> Ranks(std::initializer_list<int> ranks) {
  std::array<int, 17> used{};
  std::vector<int> out;
  for (int r : ranks) {
    const int k = used[r]++;
    if (r == 16)
      out.push_back(Joker(k));
    else if (r == 10)
      out.push_back(Card(10, k % 2 ? kDiamond : kHeart, k / 2));
    else
      out.push_back(Card(r, k % 4 + 1, k / 4));
  }
  return out;
}

struct Traits {
  int a = 3, b = 3, d = 3, e = 1, g = 3, f2 = 0;
};

// Seat Turn (2) leads an empty table; with the default traits only the lead by shape
// (style 0) has a say.
struct LeadTable : AiScenario {
  void Deal(const std::vector<int>& codes, Traits t = {}) {
    SetHand(g.Turn, codes);
    cp.TraitA = t.a;
    cp.TraitB = t.b;
    cp.TraitC = 3;
    cp.TraitD = t.d;
    cp.TraitE = t.e;
    cp.TraitG = t.g;
    cp.TraitF1 = 0;
    cp.TraitF2 = t.f2;
    cp.OrderSign = g.TempRevolution * g.Revolution;
    cp.PlayersLeft = 0;
    for (int s = 1; s <= g.Options.SeatCount; ++s)
      if (g.Seat[s].Status == kPlaying) ++cp.PlayersLeft;
    cp.HoldMargin = g.Line - g.Seat[g.Turn].CardCount;
    cp.HoldThreshold = 3;
    cp.NextSeat = cp.NextSeatAfter(g.Turn);
    cp.Kept.fill(false);
    cp.Decided = false;
    cp.DecisionCode = 0;
  }
  // Runs the lead rules on these random draws (the first is the black-7 draw);
  // the code of the settled play, 0 for none.
  int Run(std::vector<double> draws = {0.0}) {
    g.Rng.ClearScript();
    for (double d : draws) g.Rng.Script({d});
    cp.LeadSection();
    return cp.Decided ? cp.DecisionCode : 0;
  }
  int Lead(const std::vector<int>& codes, Traits t = {}) {
    Deal(codes, t);
    return Run();
  }
  // The settled code and the chosen positions; a settled lead must be a play
  // the rules accept on the empty table.
  Result Play(const std::vector<int>& codes, Traits t = {}) {
    const int code = Lead(codes, t);
    if (code != 0) {
      EXPECT_TRUE(PlayIsLegal()) << code;
    }
    return {code, Selected()};
  }
  Result Ran(std::vector<double> draws = {0.0}) {
    const int code = Run(draws);
    if (code != 0) {
      EXPECT_TRUE(PlayIsLegal()) << code;
    }
    return {code, Selected()};
  }
};

TEST(LeadGroupSearch, SelectsTheFirstExactGroupAndReportsWhereItStopped) {
  LeadTable t;
  t.Deal(Ranks({4, 6, 6, 9, 9, 9}));
  // Downward: the largest group wins.
  EXPECT_EQ(t.cp.GroupSearch(4, 14, 6, 1, ComputerPlayer::kDownward, 1), 3);
  EXPECT_EQ(t.Selected(), (Picks{4, 5, 6}));
  EXPECT_TRUE(t.cp.Decided);
  // Upward from size 2: the pair of 6s comes first.
  t.Deal(Ranks({4, 6, 6, 9, 9, 9}));
  EXPECT_EQ(t.cp.GroupSearch(4, 14, 2, 6, ComputerPlayer::kUpward, 1), 2);
  EXPECT_EQ(t.Selected(), (Picks{2, 3}));
  // Ran out: one step past the last size tried.
  t.Deal(Ranks({3, 15, 15, 16}));
  EXPECT_EQ(t.cp.GroupSearch(4, 14, 4, 1, ComputerPlayer::kDownward, 1), 0);
  EXPECT_EQ(t.cp.GroupSearch(4, 14, 1, 4, ComputerPlayer::kUpward, 1), 5);
  EXPECT_FALSE(t.cp.Decided);
  EXPECT_TRUE(t.Selected().empty());
  // A hand smaller than the range tries no size: two 9s searched from 2 down
  // to 3 stay in the hand, and the search stops where it began.
  t.Deal(Ranks({9, 9}));
  EXPECT_EQ(t.cp.GroupSearch(9, 14, 2, 3, ComputerPlayer::kDownward, 1), 2);
  EXPECT_TRUE(t.Selected().empty());
  // A kept card cannot start a group; the window bounds the rank.
  t.Deal(Ranks({4, 6, 6, 9}));
  t.cp.Kept[2] = true;
  EXPECT_EQ(t.cp.GroupSearch(5, 14, 4, 1, ComputerPlayer::kDownward, 1), 1);
  EXPECT_EQ(t.Selected(), (Picks{3}));
  // A play settled before the search ends it after its first size.
  t.Deal(Ranks({6, 6, 9, 9}));
  t.cp.Decided = true;
  EXPECT_EQ(t.cp.GroupSearch(10, 14, 1, 4, ComputerPlayer::kUpward, 1), 1);
  EXPECT_TRUE(t.Selected().empty());
}

TEST(LeadShapes, NormalOrderStylesZeroAndOne) {
  LeadTable t;
  // Style 0: the largest ordinary group, topped up with jokers.
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 9, 13})), (Result{750, {2, 3}}));
  EXPECT_EQ(t.cp.LeadStyle, 0);
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 6, 16})), (Result{751, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 6, 16}), {.g = 4}), (Result{751, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 6, 16}), {.g = 5}), (Result{750, {2, 3, 4}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 16, 16}), {.g = 2}), (Result{753, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 16, 16}), {.g = 3}), (Result{750, {2, 3}}));
  // Nothing from 4 to A: every card of the third-strongest card's rank.
  EXPECT_EQ(t.Play(Ranks({3, 15, 15, 16})), (Result{756, {2, 3}}));
  // With two cards there is no third-strongest card: the lead is settled with
  // nothing chosen, and the review leads the weakest card.
  EXPECT_EQ(t.Lead(Ranks({3, 15})), 756);
  EXPECT_TRUE(t.Selected().empty());
  t.cp.ReviewDecision();
  EXPECT_EQ(t.Selected(), (Picks{1}));
  EXPECT_TRUE(t.PlayIsLegal());

  // Style 1: the weakest pair from 4 up, or else the weakest rank.
  EXPECT_EQ(t.Play(Ranks({3, 3, 5, 5, 9}), {.d = 4}), (Result{761, {3, 4}}));
  EXPECT_EQ(t.cp.LeadStyle, 1);
  EXPECT_EQ(t.Play(Ranks({3, 3, 3, 9, 15}), {.d = 4}), (Result{766, {1, 2, 3}}));
}

TEST(LeadShapes, NormalOrderStylesTwoAndThree) {
  LeadTable t;
  const Traits two{.b = 4};
  // A play found by the first search is recorded as 771, joker or not.
  EXPECT_EQ(t.Play(Ranks({4, 9, 9, 9, 11}), two), (Result{771, {2, 3, 4}}));
  EXPECT_EQ(t.cp.LeadStyle, 2);
  // The joker tops up a set of three whatever the character's TraitG.
  EXPECT_EQ(t.Play(Ranks({4, 9, 9, 9, 16}), {.b = 4, .g = 5}), (Result{771, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 7, 7, 11, 12}), two), (Result{780, {2, 3}}));
  EXPECT_EQ(t.Play(Ranks({4, 7, 7, 7, 16}), {.b = 4, .g = 5}), (Result{780, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 9, 12, 16}), two), (Result{782, {1}}));
  EXPECT_EQ(t.Play(Ranks({4, 5, 5, 5, 16}), two), (Result{784, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 5, 5, 5, 16}), {.b = 4, .g = 5}), (Result{782, {2, 3, 4}}));
  // Weaker characters let a pair of 2s go in the last search.
  EXPECT_EQ(t.Play(Ranks({3, 15, 15, 16}), {.a = 2, .b = 4}), (Result{782, {2, 3}}));
  EXPECT_EQ(t.Lead(Ranks({3, 15, 15, 16}), {.a = 3, .b = 4}), 0);
  // The two-joker top-up wants TraitB 3 or less, which styles 2 and 3 never have.
  EXPECT_EQ(t.Play(Ranks({4, 5, 5, 16, 16}), {.b = 4, .g = 1}), (Result{782, {2, 3}}));

  const Traits three{.b = 4, .d = 4};
  EXPECT_EQ(t.Play(Ranks({4, 6, 12, 13, 13}), three), (Result{791, {3}}));
  EXPECT_EQ(t.cp.LeadStyle, 3);
  // A lone joker counts as a high single only with TraitF2.
  EXPECT_EQ(t.Play(Ranks({4, 6, 16}), {.b = 4, .d = 4, .f2 = 1}), (Result{791, {3}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 16}), three), (Result{820, {1}}));
  t.Deal(Ranks({4, 6, 13, 13}), three);
  t.cp.Kept[4] = true;
  EXPECT_EQ(t.Ran(), (Result{810, {3, 4}}));
  t.Deal(Ranks({4, 13, 13, 13, 16}), three);
  t.cp.Kept[3] = t.cp.Kept[4] = true;
  EXPECT_EQ(t.Ran(), (Result{811, {2, 3, 4, 5}}));
  t.Deal(Ranks({5, 5, 5, 16}), three);
  t.cp.Kept[2] = t.cp.Kept[3] = true;
  EXPECT_EQ(t.Ran(), (Result{821, {1, 2, 3, 4}}));
  // Two cards: the search for high groups runs out one past size 2, at 3, so the
  // joker joins the single that the last search finds.
  EXPECT_EQ(t.Play(Ranks({9, 16}), three), (Result{820, {1, 2}}));
  EXPECT_EQ(t.Play(Ranks({9, 16}), {.b = 4, .d = 4, .g = 5}), (Result{820, {1}}));
}

TEST(LeadShapes, ReversedOrder) {
  LeadTable t;
  t.g.Revolution = -1;
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 9, 13})), (Result{830, {2, 3}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 6, 16})), (Result{831, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 16, 16}), {.g = 2}), (Result{834, {2, 3, 4, 5}}));

  // Style 1 scans for pairs from the top; a pair of 3s is a pair like any other.
  const Traits one{.d = 4};
  EXPECT_EQ(t.Play(Ranks({3, 3, 5, 5, 9}), one), (Result{841, {3, 4}}));
  EXPECT_EQ(t.Play(Ranks({3, 3, 16}), one), (Result{841, {1, 2}}));
  EXPECT_EQ(t.Play(Ranks({3, 6, 9, 16}), one), (Result{844, {3}}));
  EXPECT_EQ(t.Lead(Ranks({3, 16, 16}), one), 0);
  EXPECT_TRUE(t.Selected().empty());

  const Traits two{.b = 4};
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 6, 9}), two), (Result{850, {2, 3, 4}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 6, 16}), {.b = 4, .g = 5}), (Result{851, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 8, 8, 11}), two), (Result{855, {2, 3}}));
  EXPECT_EQ(t.Play(Ranks({4, 8, 8, 8, 16}), two), (Result{856, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({3, 3, 11, 12}), two), (Result{860, {1, 2}}));
  EXPECT_EQ(t.Play(Ranks({3, 3, 3, 16}), two), (Result{861, {1, 2, 3, 4}}));
  EXPECT_EQ(t.Play(Ranks({3, 3, 3, 16}), {.b = 4, .g = 5}), (Result{860, {1, 2, 3}}));

  const Traits three{.b = 4, .d = 4};
  EXPECT_EQ(t.Play(Ranks({5, 9, 13}), three), (Result{871, {1}}));
  t.Deal(Ranks({6, 6, 9, 13}), three);
  t.cp.Kept[2] = true;
  EXPECT_EQ(t.Ran(), (Result{880, {1, 2}}));
  t.Deal(Ranks({6, 6, 6, 16}), three);
  t.cp.Kept[2] = t.cp.Kept[3] = true;
  EXPECT_EQ(t.Ran(), (Result{881, {1, 2, 3, 4}}));
  EXPECT_EQ(t.Play(Ranks({9, 13}), three), (Result{890, {1}}));
  t.Deal(Ranks({9, 9, 9, 16}), three);
  t.cp.Kept[2] = t.cp.Kept[3] = true;
  EXPECT_EQ(t.Ran(), (Result{891, {1, 2, 3, 4}}));
}

TEST(LeadBlackSevens, NeedTheDrawTheRuleAndASevenAtTheBottom) {
  LeadTable t;
  t.cp.Rule7 = true;
  const std::vector<int> sevens = {Card(7, kSpade), Card(7, kHeart), Card(7, kClub), Card(9, kSpade),
                                   Card(13, kHeart)};
  const Traits pushy{.a = 4, .b = 4, .e = 2};  // 10 before the draw
  t.Deal(sevens, pushy);
  EXPECT_EQ(t.Ran({0.8}), (Result{707, {1, 2, 3}}));  // floor(0.8 x 2.5) = 2
  t.Deal(sevens, pushy);
  EXPECT_NE(t.Run({0.79}), 707);
  // TraitB 4 wants two black 7s; with TraitB 3 one will do.
  const std::vector<int> oneBlack = {Card(7, kSpade), Card(7, kHeart), Card(9, kSpade), Card(13, kHeart)};
  t.Deal(oneBlack, pushy);
  EXPECT_NE(t.Run({0.99}), 707);
  t.Deal(oneBlack, {.a = 5, .b = 3, .e = 2});
  EXPECT_EQ(t.Ran({0.99}), (Result{707, {1, 2}}));
  // The weakest card must be a 7, and the rule must be on.
  t.Deal({Card(3, kHeart), Card(7, kSpade), Card(7, kClub), Card(9, kSpade)}, pushy);
  EXPECT_NE(t.Run({0.99}), 707);
  t.cp.Rule7 = false;
  t.Deal(sevens, pushy);
  EXPECT_NE(t.Run({0.99}), 707);
}

TEST(LeadTightHand, ShedsTheLargestGroupButNotTheStrongestRank) {
  LeadTable t;
  t.g.Line = 8;  // five cards: margin 3, threshold 3
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 6, 9})), (Result{2401, {2, 3, 4}}));
  // A set of three and a joker: four cards, unless TraitD or TraitG is 5.
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 6, 16}), {.d = 4, .g = 3}), (Result{703, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 6, 16}), {.d = 5, .g = 3}), (Result{2401, {2, 3, 4}}));
  EXPECT_EQ(t.Lead(Ranks({4, 6, 6, 6, 16}), {.d = 4, .g = 5}), 2401);
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 16, 16}), {.b = 3, .g = 2}), (Result{704, {2, 3, 4, 5}}));
  EXPECT_EQ(t.Play(Ranks({4, 6, 6, 16, 16}), {.b = 3, .g = 3}), (Result{2401, {2, 3}}));
  // Only 2s and jokers: nothing, and the lead rules end here.
  EXPECT_EQ(t.Lead(Ranks({15, 15, 15, 16, 16})), 0);
  EXPECT_TRUE(t.Selected().empty());
  // One more card of margin and the tight hand rule is off.
  t.g.Line = 9;
  EXPECT_EQ(t.Lead(Ranks({4, 6, 6, 6, 9})), 750);

  // Two black 7s in one group are passed over; the pair with one black 7 goes.
  t.g.Line = 9;
  t.cp.Rule7 = true;
  t.Deal(
      {Card(7, kSpade), Card(7, kHeart), Card(7, kClub), Card(9, kSpade), Card(9, kHeart), Card(13, kClub)});
  EXPECT_EQ(t.Ran(), (Result{2401, {2, 3}}));
  // With three black 7s every 7 group holds two: the 9s go.
  t.Deal({Card(7, kSpade), Card(7, kSpade, 1), Card(7, kClub), Card(9, kSpade), Card(9, kHeart),
          Card(13, kClub)});
  EXPECT_EQ(t.Ran(), (Result{2401, {4, 5}}));
  // Without the black-7 rule the three go together.
  t.cp.Rule7 = false;
  t.Deal(
      {Card(7, kSpade), Card(7, kHeart), Card(7, kClub), Card(9, kSpade), Card(9, kHeart), Card(13, kClub)});
  EXPECT_EQ(t.Ran(), (Result{2401, {1, 2, 3}}));

  // Reversed order: the 3s are held back, the 2s may go.
  t.g.Revolution = -1;
  t.g.Line = 8;
  EXPECT_EQ(t.Play(Ranks({3, 3, 5, 15, 15})), (Result{2401, {4, 5}}));
}

TEST(LeadStrongTop, NormalOrder) {
  LeadTable t;
  // Seat 3 holds 8 cards of 11: close enough to the line to matter.
  t.g.Seat[3].CardCount = 8;
  const Traits top{.b = 2, .e = 5};
  // 2, 2, joker, joker: TopSum 62 against 64 - 2. One 2 goes, the jokers stay.
  EXPECT_EQ(t.Play(Ranks({4, 6, 9, 15, 15, 16, 16}), top), (Result{711, {5}}));
  EXPECT_EQ(t.cp.TopSum, 62);
  EXPECT_NE(t.Lead(Ranks({4, 6, 9, 14, 15, 16, 16}), top), 711);
  EXPECT_EQ(t.cp.TopSum, 61);
  // K, A, joker, joker: 59 is enough for TraitB 5; the K goes.
  const Traits five{.b = 5, .e = 5};
  EXPECT_EQ(t.Play(Ranks({4, 6, 9, 13, 14, 16, 16}), five), (Result{712, {4}}));
  // Never a J.
  EXPECT_NE(t.Lead(Ranks({4, 6, 9, 11, 16, 16, 16}), five), 712);
  // A kept 2 is not spent; the other 2 is, with the jokers above it.
  t.Deal(Ranks({4, 6, 9, 15, 15, 16, 16}), top);
  t.cp.Kept[5] = true;
  EXPECT_EQ(t.Ran(), (Result{712, {4}}));
  // Everybody else well short of the line: no strong-top lead.
  t.g.Seat[3].CardCount = 7;
  EXPECT_NE(t.Lead(Ranks({4, 6, 9, 15, 15, 16, 16}), top), 711);
  // ... unless the character does not look (TraitA below 3).
  EXPECT_EQ(t.Lead(Ranks({4, 6, 9, 15, 15, 16, 16}), {.a = 2, .b = 2, .e = 5}), 711);
  // Fewer than five cards never.
  t.g.Seat[3].CardCount = 8;
  EXPECT_NE(t.Lead(Ranks({15, 15, 16, 16}), top), 711);
}

TEST(LeadStrongTop, ReversedOrderCountsTheJokersFirst) {
  LeadTable t;
  t.g.Revolution = -1;
  t.g.Seat[3].CardCount = 8;
  const Traits top{.b = 5, .e = 5};  // TopSum at most 13
  EXPECT_EQ(t.Play(Ranks({3, 3, 3, 4, 9}), top), (Result{715, {3}}));
  EXPECT_EQ(t.cp.TopSum, 13);
  // Joker, 3, 3, 4: the third-strongest is the 3 at position 2.
  EXPECT_EQ(t.Play(Ranks({3, 3, 4, 9, 13, 16}), top), (Result{715, {2}}));
  EXPECT_EQ(t.cp.TopSum, 12);
  // Too weak a top for TraitB 3 (12 > 11).
  EXPECT_NE(t.Lead(Ranks({3, 3, 4, 9, 13, 16}), {.b = 3, .e = 5}), 715);
  // Two jokers and a 4: the fourth-strongest goes.
  EXPECT_EQ(t.Play(Ranks({4, 5, 9, 13, 16, 16}), top), (Result{716, {2}}));
  // One joker, then 3, 4, 4: neither a third-strongest 3 nor a second joker.
  const int code = t.Lead(Ranks({3, 4, 4, 9, 16}), top);
  EXPECT_NE(code, 715);
  EXPECT_NE(code, 716);
  // Three jokers: one of them.
  EXPECT_EQ(t.Play(Ranks({4, 5, 9, 16, 16, 16}), top), (Result{718, {4}}));
}

TEST(LeadPressure, OnTheNextSeat) {
  LeadTable t;
  t.cp.Rule5 = true;
  // A character that looks at its neighbour and pushes hard.
  const Traits push{.a = 5, .b = 5, .e = 3};
  EXPECT_EQ(t.Play(Ranks({5, 5, 9, 11, 13}), push), (Result{721, {1, 2}}));
  t.Deal(Ranks({5, 5, 9, 11, 13}), push);
  t.cp.Kept[1] = true;
  EXPECT_EQ(t.Ran(), (Result{721, {2}}));
  // TraitD 4: one of the 5s, each as likely.
  const std::vector<int> fives = Ranks({5, 5, 5, 9, 13});
  const Traits calm{.a = 5, .b = 5, .d = 4, .e = 3};
  const std::pair<double, int> draws[] = {{0.0, 1}, {0.33, 1}, {0.34, 2}, {0.66, 2}, {0.67, 3}, {0.999, 3}};
  for (auto [x, pick] : draws) {
    t.Deal(fives, calm);
    EXPECT_EQ(t.Run({0.0, x}), 723) << x;
    EXPECT_EQ(t.Selected(), (Picks{pick})) << x;
  }
  t.Deal(fives, calm);
  t.cp.Kept[2] = true;
  EXPECT_EQ(t.Ran({0.0, 0.6}), (Result{723, {3}}));

  // No 5s: a group the next seat's card at this seat's count cannot top.
  t.cp.Rule5 = false;
  // The next seat's sixth card, at this seat's count, is an 8.
  t.SetHand(
      3, {Card(3, kClub), Card(4, kClub), Card(4, kClub, 1), Card(6, kClub), Card(7, kClub), Card(8, kClub)});
  EXPECT_EQ(t.Play(Ranks({4, 6, 10, 11, 12, 12}), push), (Result{728, {5, 6}}));
  EXPECT_EQ(t.Play(Ranks({4, 8, 9, 13, 13, 14}), push), (Result{728, {2}}));  // an equal rank will do
  t.Deal(Ranks({4, 6, 9, 9, 13}), push);
  t.cp.Kept[3] = true;
  EXPECT_EQ(t.Ran(), (Result{728, {3, 4}}));  // the kept 9 does not start it, the whole rank goes
  // Beyond the next seat's count the card is rank 0: the weakest goes.
  t.SetHand(3, {Card(3, kClub), Card(4, kClub)});
  EXPECT_EQ(t.Play(Ranks({4, 6, 9, 13}), push), (Result{728, {1}}));
  // Not in reversed order, not for a character that does not look or push.
  t.g.Revolution = -1;
  EXPECT_NE(t.Lead(Ranks({4, 6, 9, 13}), push), 728);
  t.g.Revolution = 1;
  EXPECT_NE(t.Lead(Ranks({4, 6, 9, 13}), {.a = 4, .b = 5, .e = 3}), 728);
  EXPECT_NE(t.Lead(Ranks({4, 6, 9, 13}), {.a = 5, .b = 4, .e = 2}), 728);
  // Looking is not needed when the human sits next.
  t.g.Turn = t.g.LeadSeat = 4;
  EXPECT_EQ(t.Lead(Ranks({4, 6, 9, 13}), {.a = 4, .b = 4, .e = 3}), 728);
}

TEST(LeadPressure, NextSeatOneStepFromTheLine) {
  LeadTable t;
  t.cp.Rule5 = true;
  t.cp.RuleQ = true;
  t.g.Seat[3].CardCount = 8;  // Line - TraitB + 2 for TraitB 5
  const Traits near{.a = 4, .b = 5, .e = 3};
  EXPECT_EQ(t.Play(Ranks({5, 5, 9, 11, 13}), near), (Result{731, {1, 2}}));
  t.Deal(Ranks({5, 5, 9, 11, 13}), {.a = 4, .b = 5, .d = 4, .e = 3});
  EXPECT_EQ(t.Ran({0.0, 0.7}), (Result{2402, {2}}));
  // A Q turns the order away from the next seat.
  EXPECT_EQ(t.Play(Ranks({4, 6, 12, 12, 13}), near), (Result{738, {3}}));
  t.Deal(Ranks({4, 6, 12, 12, 13}), near);
  t.cp.Kept[3] = true;
  EXPECT_EQ(t.Ran(), (Result{738, {4}}));
  // Without a free Q the rule still settles the lead, with nothing chosen.
  t.Deal(Ranks({4, 6, 12, 13}), near);
  t.cp.Kept[3] = true;
  EXPECT_EQ(t.Ran(), (Result{738, {}}));
  t.cp.ReviewDecision();
  EXPECT_EQ(t.Selected(), (Picks{1}));
  // Not with only three playing.
  t.g.Seat[4].Status = kFinished;
  EXPECT_NE(t.Lead(Ranks({4, 6, 12, 12, 13}), near), 738);
  t.g.Seat[4].Status = kPlaying;
  // The next seat a card further from the line: nothing here.
  t.g.Seat[3].CardCount = 7;
  EXPECT_NE(t.Lead(Ranks({5, 5, 9, 11, 13}), near), 731);
  // Only a character that pushes (TraitE + TraitB at least 7) gets this far.
  t.g.Seat[3].CardCount = 9;  // Line - TraitB + 2 for TraitB 4
  EXPECT_EQ(t.Lead(Ranks({5, 5, 9, 11, 13}), {.a = 4, .b = 4, .e = 3}), 731);
  EXPECT_EQ(t.Play(Ranks({5, 5, 9, 11, 13}), {.a = 4, .b = 4, .e = 2}), (Result{782, {1, 2}}));
}

TEST(LeadRestless, FivesQueensAndSevens) {
  LeadTable t;
  t.cp.Rule5 = true;
  const Traits restless{.a = 3, .b = 4, .e = 3};
  EXPECT_EQ(t.Play(Ranks({5, 5, 9, 11, 13}), restless), (Result{741, {1, 2}}));
  t.Deal(Ranks({5, 5, 9, 11, 13}), {.a = 3, .b = 4, .d = 4, .e = 3});
  EXPECT_EQ(t.Ran({0.0, 0.2}), (Result{743, {1}}));
  // Qs need the rule and TraitB 4.
  EXPECT_EQ(t.Lead(Ranks({4, 12, 12, 13, 14}), restless), 780);
  t.cp.RuleQ = true;
  EXPECT_EQ(t.Play(Ranks({4, 12, 12, 13, 14}), restless), (Result{748, {2, 3}}));
  EXPECT_NE(t.Lead(Ranks({4, 12, 12, 13, 14}), {.a = 3, .b = 3, .e = 4}), 748);
  // A black 7 at hand sends out the first 7, whatever its suit.
  t.cp.Rule7 = true;
  const std::vector<int> sevens = {Card(4, kSpade), Card(7, kHeart), Card(7, kClub), Card(9, kSpade),
                                   Card(13, kHeart)};
  EXPECT_EQ(t.Play(sevens, restless), (Result{746, {2}}));
  t.Deal(sevens, restless);
  t.cp.Kept[3] = true;
  EXPECT_NE(t.Run(), 746);
  // A character of TraitA 4 is not restless.
  EXPECT_NE(t.Lead(sevens, {.a = 4, .b = 4, .e = 3}), 746);
}

}  // namespace
}  // namespace tomaruk::testing

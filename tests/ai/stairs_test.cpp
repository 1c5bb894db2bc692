#include <gtest/gtest.h>

#include <tuple>

#include "ai/ai_scenario.h"

namespace tomaruk::testing {
namespace {

using Pos = std::vector<int>;
using Outcome = std::tuple<Pos, int, int>;  // selected positions, decision code, Table.StairKey

constexpr int S = kSpade, H = kHeart, D = kDiamond, C = kClub;

// Seat 2 holds the hand; it leads unless a stair is put on the table.
struct Stairs : AiScenario {
  explicit Stairs(std::vector<int> hand) { SetHand(2, hand); }
  // Seat 1 has played this stair with the given key.
  Stairs& Facing(std::vector<int> table, int key) {
    SetTable(table, 1);
    g.Table.StairKey = key;
    return *this;
  }
  Outcome Choose() {
    PrepareTurn();
    cp.ChooseStairPlay();
    if (cp.Decided) {
      EXPECT_TRUE(PlayIsLegal());
    }
    return {Selected(), cp.DecisionCode, g.Table.StairKey};
  }
};
const Outcome kNoLead{Pos{}, 0, 255};

TEST(StairSearch, JokersFillGapsAndLengthenTheRun) {
  // The joker fills the 7.
  Stairs gap({Card(5, H), Card(6, H), Card(8, H), Card(13, C), Joker()});
  EXPECT_EQ(gap.Choose(), Outcome(Pos{1, 2, 3, 5}, 2201, 5));
  EXPECT_TRUE(gap.cp.Decided);
  EXPECT_EQ(gap.cp.JokersHeld, 1);
  // 5 6 7 8 and a joker: from start 5 the second hand position overwrites the run
  // of five with a run of four (the 5 lies behind it), so the longest run is the
  // one from start 4, with the joker standing for the 4.
  Stairs run({Card(5, H), Card(6, H), Card(7, H), Card(8, H), Joker()});
  EXPECT_EQ(run.Choose(), Outcome(Pos{1, 2, 3, 4, 5}, 2201, 4));
  // Two jokers at most, however many are held.
  Stairs three({Card(5, H), Joker(0), Joker(1), Joker(2)});
  EXPECT_EQ(three.Choose(), kNoLead);
  EXPECT_EQ(three.cp.JokersHeld, 3);
  EXPECT_FALSE(three.cp.Decided);
}

TEST(StairSearch, HighCardsAndTheLowIndexes) {
  // Without jokers only start index 1 is tried low, and A 2 alone is too short:
  // Q K A 2 is found from 12, and the 3 does not join it.
  Stairs high({Card(3, D), Card(12, D), Card(13, D), Card(14, D), Card(15, D)});
  EXPECT_EQ(high.Choose(), Outcome(Pos{2, 3, 4, 5}, 2201, 12));
  // With a joker, start 12 first reaches five and is then cut to four by the run
  // looked for from the K on; start 11 keeps five, with the joker as the J.
  Stairs joker({Card(12, D), Card(13, D), Card(14, D), Card(15, D), Joker()});
  EXPECT_EQ(joker.Choose(), Outcome(Pos{1, 2, 3, 4, 5}, 2201, 11));
  // A chain from a low index stays among Q, K, A, 2 and jokers: the 3 does not
  // follow the 2, so the K A 2 and joker are led from the high K.
  Stairs wrap({Card(3, H), Card(13, H), Card(14, H), Card(15, H), Joker()});
  EXPECT_EQ(wrap.Choose(), Outcome(Pos{2, 3, 4, 5}, 2201, 13));
  Stairs noWrap({Card(3, H), Card(13, H), Card(14, H), Card(15, H), Joker()});
  noWrap.g.Options.MinStair = 5;
  EXPECT_EQ(noWrap.Choose(), kNoLead);
  // Reversed, a stair of key 3 is answered only below it: A 2 and two jokers make
  // four cards from the low indexes -1, 0 and 1 only, and an answer needs a start
  // above 1. Nothing is chosen and the table keeps its key.
  const std::vector<int> table = {Card(3, D), Card(4, D), Card(5, D), Card(6, D)};
  const std::vector<int> hand = {Card(9, C), Card(14, H), Card(15, H), Joker(0), Joker(1)};
  Stairs low(hand);
  low.g.Revolution = -1;
  EXPECT_EQ(low.Facing(table, 3).Choose(), Outcome(Pos{}, 0, 3));
  EXPECT_FALSE(low.cp.Decided);
  EXPECT_EQ(low.cp.JokersHeld, 2);
  // In normal order the same hand answers from the top: A 2 and the jokers, key 14.
  Stairs normal(hand);
  EXPECT_EQ(normal.Facing(table, 3).Choose(), Outcome(Pos{2, 3, 4, 5}, 2202, 14));
}

TEST(StairSearch, LeadingTakesTheLongestThenTheHighestThenTheFirstSuit) {
  Stairs longest({Card(3, S), Card(4, S), Card(5, S), Card(6, S), Card(7, S), Card(9, H), Card(10, H),
                  Card(11, H), Card(12, H)});
  EXPECT_EQ(longest.Choose(), Outcome(Pos{1, 2, 3, 4, 5}, 2201, 3));
  Stairs highest(
      {Card(3, S), Card(4, S), Card(5, S), Card(6, S), Card(9, H), Card(10, H), Card(11, H), Card(12, H)});
  EXPECT_EQ(highest.Choose(), Outcome(Pos{5, 6, 7, 8}, 2201, 9));
  const std::vector<int> twoSuits = {Card(9, H),  Card(9, D),  Card(10, H), Card(10, D),
                                     Card(11, H), Card(11, D), Card(12, H), Card(12, D)};
  Stairs first(twoSuits);
  EXPECT_EQ(first.Choose(), Outcome(Pos{1, 3, 5, 7}, 2201, 9));
  // The shortest stair is the option's length.
  Stairs four({Card(5, H), Card(6, H), Card(7, H), Card(8, H), Card(13, C)});
  four.g.Options.MinStair = 5;
  EXPECT_EQ(four.Choose(), kNoLead);
  Stairs five({Card(5, H), Card(6, H), Card(7, H), Card(8, H), Card(9, H)});
  five.g.Options.MinStair = 5;
  EXPECT_EQ(five.Choose(), Outcome(Pos{1, 2, 3, 4, 5}, 2201, 5));
  // Fewer cards than the shortest stair: nothing is even counted.
  Stairs shortHand({Card(5, H), Card(6, H), Joker()});
  shortHand.cp.JokersHeld = 7;
  EXPECT_EQ(shortHand.Choose(), kNoLead);
  EXPECT_EQ(shortHand.cp.JokersHeld, 7);
}

TEST(StairSearch, AnsweringTakesTheTablesLengthAboveItsKey) {
  const std::vector<int> diamonds = {Card(7, D), Card(8, D), Card(9, D), Card(10, D)};
  // Length 5 from 8 and 4 from 9: the answer is 9 10 J Q.
  Stairs answer({Card(8, H), Card(9, H), Card(10, H), Card(11, H), Card(12, H)});
  EXPECT_EQ(answer.Facing(diamonds, 7).Choose(), Outcome(Pos{2, 3, 4, 5}, 2202, 9));
  EXPECT_TRUE(answer.cp.Decided);
  // Runs shorter than the table's do not overwrite a run of its length: from start
  // 5 the run 5 6 7 8 joker stays, though joker 6 7 8 is found from the 6.
  Stairs keep({Card(5, H), Card(6, H), Card(7, H), Card(8, H), Joker()});
  EXPECT_EQ(keep.Facing({Card(3, D), Card(4, D), Card(5, D), Card(6, D), Card(7, D)}, 3).Choose(),
            Outcome(Pos{1, 2, 3, 4, 5}, 2202, 5));
  // Starts at or below the key are refused.
  Stairs same({Card(9, H), Card(10, H), Card(11, H), Card(12, H)});
  EXPECT_EQ(same.Facing({Card(9, D), Card(10, D), Card(11, D), Card(12, D)}, 9).Choose(),
            Outcome(Pos{}, 0, 9));
  Stairs under({Card(6, H), Card(7, H), Card(8, H), Card(9, H)});
  EXPECT_EQ(under.Facing({Card(9, D), Card(10, D), Card(11, D), Card(12, D)}, 9).Choose(),
            Outcome(Pos{}, 0, 9));
  Stairs over({Card(10, H), Card(11, H), Card(12, H), Card(13, H)});
  EXPECT_EQ(over.Facing({Card(9, D), Card(10, D), Card(11, D), Card(12, D)}, 9).Choose(),
            Outcome(Pos{1, 2, 3, 4}, 2202, 10));
  // Reversed, below the key: the highest start of the table's length.
  Stairs rev({Card(4, S), Card(5, S), Card(6, S), Card(7, S), Card(8, S)});
  rev.g.Revolution = -1;
  EXPECT_EQ(rev.Facing({Card(9, D), Card(10, D), Card(11, D), Card(12, D)}, 9).Choose(),
            Outcome(Pos{2, 3, 4, 5}, 2202, 5));
  // Too short for the table.
  Stairs shortRun({Card(8, H), Card(9, H), Card(10, H), Card(11, H), Card(13, C)});
  EXPECT_EQ(shortRun.Facing({Card(3, D), Card(4, D), Card(5, D), Card(6, D), Card(7, D)}, 3).Choose(),
            Outcome(Pos{}, 0, 3));
  // Under the suit lock only the table's suit is searched.
  const std::vector<int> twoSuits = {Card(9, H),  Card(9, D),  Card(10, H), Card(10, D),
                                     Card(11, H), Card(11, D), Card(12, H), Card(12, D)};
  const std::vector<int> low = {Card(5, D), Card(6, D), Card(7, D), Card(8, D)};
  Stairs free(twoSuits);
  EXPECT_EQ(free.Facing(low, 5).Choose(), Outcome(Pos{1, 3, 5, 7}, 2202, 9));
  Stairs locked(twoSuits);
  locked.Facing(low, 5).g.Table.SuitLock = true;
  EXPECT_EQ(locked.Choose(), Outcome(Pos{2, 4, 6, 8}, 2202, 9));
}

TEST(StairSearch, AnswersTheTableWouldRefuseAreNotChosen) {
  // The table's stair was led joker first with key 4, but its first card is a 5:
  // a run from the 5 does not beat it, a run from the 6 does.
  const std::vector<int> jokerFirst = {Card(5, D), Card(6, D), Card(7, D), Card(8, D), Joker(5)};
  Stairs five({Card(5, H), Card(6, H), Card(7, H), Card(8, H), Card(9, H)});
  EXPECT_EQ(five.Facing(jokerFirst, 4).Choose(), Outcome(Pos{}, 0, 4));
  EXPECT_FALSE(five.cp.Decided);
  Stairs six({Card(6, H), Card(7, H), Card(8, H), Card(9, H), Card(10, H)});
  EXPECT_EQ(six.Facing(jokerFirst, 4).Choose(), Outcome(Pos{1, 2, 3, 4, 5}, 2202, 6));
  // Reversed, J Q K A with the joker as the J starts below the key 12, but its first
  // real card is a Q against the table's Q.
  Stairs rev({Card(4, C), Card(12, S), Card(13, S), Card(14, S), Joker()});
  rev.g.Revolution = -1;
  EXPECT_EQ(rev.Facing({Card(12, D), Card(14, D), Card(15, D), Joker(5)}, 12).Choose(),
            Outcome(Pos{}, 0, 12));
  // Under the suit lock a joker answers only a joker.
  const std::vector<int> plain = {Card(5, D), Card(6, D), Card(7, D), Card(8, D)};
  Stairs jokerAtEnd({Card(3, C), Card(6, D), Card(7, D), Card(8, D), Joker()});
  jokerAtEnd.Facing(plain, 5).g.Table.SuitLock = true;
  EXPECT_EQ(jokerAtEnd.Choose(), Outcome(Pos{}, 0, 5));
  Stairs realCards({Card(6, D), Card(7, D), Card(8, D), Card(9, D)});
  realCards.Facing(plain, 5).g.Table.SuitLock = true;
  EXPECT_EQ(realCards.Choose(), Outcome(Pos{1, 2, 3, 4}, 2202, 6));
  // Under the even/odd lock the first card must be even (face value) in normal order.
  const std::vector<int> fours = {Card(4, D), Card(5, D), Card(6, D), Card(7, D)};
  Stairs odd({Card(5, H), Card(6, H), Card(7, H), Card(8, H)});
  odd.Facing(fours, 4).g.Table.ParityLock = true;
  EXPECT_EQ(odd.Choose(), Outcome(Pos{}, 0, 4));
  Stairs even({Card(6, H), Card(7, H), Card(8, H), Card(9, H)});
  even.Facing(fours, 4).g.Table.ParityLock = true;
  EXPECT_EQ(even.Choose(), Outcome(Pos{1, 2, 3, 4}, 2202, 6));
  Stairs jokerForJoker({Card(3, C), Card(6, D), Card(7, D), Card(8, D), Joker()});
  jokerForJoker.Facing({Card(5, D), Card(6, D), Card(7, D), Joker(5)}, 5).g.Table.SuitLock = true;
  EXPECT_EQ(jokerForJoker.Choose(), Outcome(Pos{2, 3, 4, 5}, 2202, 6));
}

}  // namespace
}  // namespace tomaruk::testing

// The deck, the deal, the option record and the checks between turns.
#include <array>
#include <cmath>
#include <functional>
#include <tuple>
#include <vector>

#include "game/deal.h"
#include "game/invariants.h"
#include "support/scenario.h"

namespace tomaruk::testing {
namespace {

TEST(NewDeal, HandsAndOpeningCards) {
  Game g;
  BuildCardTable(g);
  int second = 0, jokerSecond = 0, jacks = 0, queens = 0, blackSevens = 0;
  for (int deal = 0; deal < 600; ++deal) {
    SCOPED_TRACE(deal);
    g.Options.SeatCount = static_cast<uint8_t>(2 + deal % 7);
    g.Options.InitialLine = static_cast<uint8_t>(7 + deal % 9);
    g.NextStarter = 1 + deal % g.Options.SeatCount;
    NewDeal(g);
    ASSERT_EQ(CheckInvariants(g), "");
    EXPECT_TRUE(g.Turn == 1 + deal % g.Options.SeatCount && g.LeadSeat == g.Turn && g.NextStarter == 0);
    for (int s = 1; s <= g.Options.SeatCount; ++s)
      EXPECT_EQ(g.Seat[s].CardCount, g.Options.InitialLine / 2 + (s == g.Turn));
    // 8s and 5s, which would clear or skip, and K, A, 2 and jokers never open.
    const int n = g.Table.Count, c1 = g.Table.Cards[1], c2 = g.Table.Cards[2], r1 = g.RankOf(c1);
    EXPECT_TRUE(r1 >= 3 && r1 <= 12 && r1 != 8 && r1 != 5 && (n == 1 || n == 2));
    const int sevens = (r1 == 7 && IsBlack(g, c1)) + (g.RankOf(c2) == 7 && IsBlack(g, c2));
    EXPECT_EQ(g.Line, g.Options.InitialLine - sevens);
    EXPECT_EQ(g.TempRevolution, r1 == 11 ? -1 : 1);
    EXPECT_EQ(g.Direction, r1 == 12 ? -1 : 1);
    // A joker or a card of the same rank on top of the stock joins the first.
    EXPECT_TRUE(n == 1 || (c1 < c2 && (IsJoker(c2) || g.RankOf(c2) == r1)));
    EXPECT_EQ(std::vector<int>({g.Table.X[1], g.Table.X[n], g.Table.Y[n]}),
              (n == 1 ? std::vector<int>{304, 304, 192} : std::vector<int>{296, 312, 192}));
    second += n == 2, jokerSecond += IsJoker(c2), blackSevens += sevens;
    jacks += r1 == 11, queens += r1 == 12;
  }
  EXPECT_TRUE(second && jokerSecond && jacks && queens && blackSevens);
}

// A shuffle takes its choices in pairs: the same choices, scripted ones first, as one by one, for
// every size of pile.
TEST(Random, ChoicePairsAreTheChoicesOneByOne) {
  for (const int n : {1, 2, 7, 142}) {
    SCOPED_TRACE(n);
    Random pairs(7), oneByOne(7);
    pairs.Script({0.5, 0.999, 0.25}), oneByOne.Script({0.5, 0.999, 0.25});
    std::vector<int> choices;
    pairs.ChoicePairs(n, 40, [&](int a, int b) { choices.insert(choices.end(), {a, b}); });
    ASSERT_EQ(choices.size(), 80u);
    for (const int c : choices) EXPECT_EQ(c, oneByOne.Choice(n));
    EXPECT_EQ(std::tuple(pairs.Draws(), pairs.Next()), std::tuple(oneByOne.Draws(), oneByOne.Next()));
  }
}

// Places land on their pixels as nearbyint rounds them: halves to the even neighbour, on both sides
// of zero, and the tiniest fractions and the widest places too.
TEST(RoundEven, RoundsAsNearbyint) {
  std::vector<double> values = {0.0,          -0.0,         0.49999999999999994, -0.49999999999999994,
                                1e-300,       -1e-300,      2147483647.0,        -2147483647.5,
                                1073741824.5, -1073741824.5};
  for (int k = -4000; k <= 4000; ++k) values.insert(values.end(), {k / 4.0, k / 10.0, k * 0.3 + 1e-9});
  for (const double v : values) EXPECT_EQ(RoundEven(v), static_cast<int>(std::nearbyint(v))) << v;
}

TEST(DrawFromStock, TheDiscardPileRefillsTheStock) {
  Scenario s(3);
  Game& g = s.g;
  s.Fill(2, 7);
  // Drawing the stock's last card refills it at once from the shuffled discards.
  for (int i = 2; i <= g.StockCount; ++i)
    g.CardPlace[g.DiscardPile[++g.DiscardCount] = g.Stock[i]] = kInDiscard;
  s.Restock();
  DrawFromStock(g, 2, false);
  EXPECT_EQ(std::vector<int>({g.StockCount, g.DiscardCount, g.Seat[2].CardCount}),
            std::vector<int>({kCardCount - 8, 0, 8}));
  ASSERT_EQ(CheckConservation(g), "");
  // With both piles empty there is nothing to draw.
  g.StockCount = 0;
  DrawFromStock(g, 2, false);
  EXPECT_EQ(g.Seat[2].CardCount, 8);
}

// 白峰さん's exchange: the joker nearest the bottom of the stock trades places with a card of the hand.
TEST(SwapJokerFromStock, TheLowestJokerTakesTheCardsPlace) {
  Scenario s;
  s.Hand(2, "4c 6d 9s");
  const int joker = s.Codes("X")[0], six = s.g.Seat[2].Hand[2];
  ASSERT_TRUE(SwapJokerFromStock(s.g, 2, 1));
  EXPECT_EQ(std::tuple(s.g.Seat[2].Hand[1], s.g.StockCount), std::tuple(joker, kCardCount - 3));
  EXPECT_EQ(CheckConservation(s.g), "");
  // With no joker left in the stock nothing changes.
  s.Discard("X X X X X");
  EXPECT_FALSE(SwapJokerFromStock(s.g, 2, 2));
  EXPECT_EQ(s.g.Seat[2].Hand[2], six);
}

std::vector<int> Encoded(const OptionRecord& o) {
  uint8_t out[kOptionBytes];
  EncodeOptions(o, out);
  return std::vector<int>(out, out + kOptionBytes);
}

std::vector<uint8_t> Hex(const std::string& hex) {
  std::vector<uint8_t> out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) out.push_back(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

TEST(OptionRecord, DecodingWhateverTheBytes) {
  // The bytes read and the record they make, in hex.
  const char* rows[][3] = {
      {"no file: every effect on", "", "0b0404000000ffffffffffffffffffffffff01020304050607"},
      {"limits and flags at their edges", "0f080600020101000000000000000000000701080108010801",
       "0f08060002ffff00000000000000000000ff01080108010801"},
      {"outside their ranges the defaults", "0609030703000000000000000000000000000009ff01080203",
       "0b0404ff000000000000000000000000000001020301080203"},
      {"limits at their lower edges", "070204", "07020400000000000000000000000000000001020304050607"},
      {"one byte: zeros beyond it", "09", "09040400000000000000000000000000000001020304050607"},
      {"a longer file's tail is ignored", "0808080808080808080808080808080808080808080808080808080808",
       "080804ff00ffffffffffffffffffffffffff08080808080808"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r[0]);
    const std::vector<uint8_t> bytes = Hex(r[1]);
    const std::vector<uint8_t> want = Hex(r[2]);
    EXPECT_EQ(Encoded(DecodeOptions(bytes.data(), bytes.size())), std::vector<int>(want.begin(), want.end()));
  }
  EXPECT_EQ(Encoded(DecodeOptions(nullptr, 0)), Encoded(OptionRecord{}));
}

TEST(Invariants, SoundStatesPassAndEachBreakIsNamed) {
  const struct {
    const char* what;
    std::function<void(Game&)> apply;
    bool cards;  // whether the card check fails too
  } breaks[] = {
      {"seen 2 times", [](Game& g) { g.Stock[++g.StockCount] = g.Seat[1].Hand[1]; }, true},
      {"seen 2 times", [](Game& g) { g.Stock[2] = g.Stock[1]; }, true},  // twice in one pile
      {"seen 0 times", [](Game& g) { g.Stock[g.StockCount--] = 0; }, true},
      {"slot 7 holds a stray card", [](Game& g) { g.Seat[1].Hand[7] = g.Stock[1]; }, true},
      {"CardPlace 11 but found in 1", [](Game& g) { g.CardPlace[g.Seat[1].Hand[1]] = kInStock; }, true},
      {"seat 1 has an empty slot", [](Game& g) { g.Seat[1].CardCount = 6; }, true},
      {"SeatsInPlay 3 but 4", [](Game& g) { g.SeatsInPlay = 3; }, false},
      {"still playing but has finish key 5", [](Game& g) { g.Seat[1].FinishKey = 5; }, false},
      {"finished with key 31", [](Game& g) { g.Seat[4].Status = kFinished, g.Seat[4].FinishKey = 31; }, true},
      {"fouled with key 0", [](Game& g) { g.Seat[4].Status = kFouled; }, true},
      {"fouled holding 3", [](Game& g) { g.Seat[4].Status = kFouled, g.Seat[4].FinishKey = 1000000; }, true},
      {"dropped out with key 999969",
       [](Game& g) { g.Seat[4].Status = kDroppedOut, g.Seat[4].FinishKey = 999969; }, true},
      {"unknown status 7", [](Game& g) { g.Seat[4].Status = 7; }, false},
      {"skipped on an empty table", [](Game& g) { ClearTable(g), g.Seat[4].Status = kSkipped; }, false},
      {"holds 6 cards at limit 6", [](Game& g) { g.Line = 6; }, false},
      {"limit 0 while the deal runs", [](Game& g) { g.Line = 0; }, false},
      {"turn 9", [](Game& g) { g.Turn = 9; }, false},
  };
  for (const auto& b : breaks) {
    SCOPED_TRACE(b.what);
    Scenario s;
    s.Fill(1, 5), s.Fill(2, 4), s.Fill(3, 6), s.Fill(4, 3), s.Lay("9h");
    s.g.TurnCounter = 30;
    bool cards = true;
    ASSERT_EQ(CheckInvariants(s.g, &cards), "");
    EXPECT_FALSE(cards);
    b.apply(s.g);
    const std::string err = CheckInvariants(s.g, &cards);
    EXPECT_NE(err.find(b.what), std::string::npos) << err;
    EXPECT_EQ(cards, b.cards);
  }
}

}  // namespace
}  // namespace tomaruk::testing

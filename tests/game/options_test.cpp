#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "game/deal.h"
#include "game/options.h"
#include "game/state.h"

using namespace tomaruk;

namespace {
std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
bool Playable(const OptionRecord& o) {
  return o.InitialLine >= 7 && o.InitialLine <= 15 && o.SeatCount >= 2 && o.SeatCount <= 8 && o.MinStair >= 4 &&
         o.MinStair <= 6 && o.ScoreGoalIndex <= 2;
}
}  // namespace

TEST(OptionFile, EveryLengthAndDamagedBytesLoadPlayable) {
  const std::string path = ::testing::TempDir() + "/option_len.dat";
  const uint8_t good[25] = {9, 5, 5, 255, 1, 0, 255, 0, 255, 0, 255, 255, 0, 255, 0, 255, 0, 255, 8, 7, 6, 5, 4, 3, 2};
  for (int len = 0; len <= 30; ++len) {
    std::vector<uint8_t> bytes(good, good + std::min(len, 25));
    while (static_cast<int>(bytes.size()) < len) bytes.push_back(0xAB);
    WriteFile(path, bytes);
    Game g;
    LoadOptions(g, path);
    EXPECT_TRUE(Playable(g.Options)) << len;
    if (len >= 25) {
      uint8_t out[25];
      EncodeOptions(g.Options, out);
      EXPECT_EQ(0, std::memcmp(out, good, 25)) << len;
    }
    if (len >= 2) {
      EXPECT_EQ(g.Options.SeatCount, 5);
    } else {
      EXPECT_EQ(g.Options.SeatCount, 4);  // short file: default seats
    }
  }
  // Out-of-range bytes take defaults; non-zero flags read as on and save as 255.
  const std::vector<uint8_t> bad = {0, 9, 3, 7, 3, 1, 1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 255, 1, 8, 2, 3};
  WriteFile(path, bad);
  Game g;
  LoadOptions(g, path);
  EXPECT_EQ(g.Options.InitialLine, 11);
  EXPECT_EQ(g.Options.SeatCount, 4);
  EXPECT_EQ(g.Options.MinStair, 4);
  EXPECT_EQ(g.Options.RandomOrder, 255);
  EXPECT_EQ(g.Options.ScoreGoalIndex, 0);
  EXPECT_EQ(g.Options.SkipWhenOut, 255);
  EXPECT_EQ(g.Options.Flag3, 255);
  EXPECT_EQ(g.Options.Flag4, 0);
  EXPECT_EQ(g.Options.Flag5, 255);
  EXPECT_EQ(g.Options.ComFor(2), 1);  // 0 = none chosen takes the default
  EXPECT_EQ(g.Options.ComFor(3), 2);
  EXPECT_EQ(g.Options.ComFor(4), 3);
  EXPECT_EQ(g.Options.ComFor(5), 1);
  EXPECT_EQ(g.Options.ComFor(6), 8);
  // A missing file gives the full defaults.
  std::remove(path.c_str());
  Game fresh;
  LoadOptions(fresh, path);
  EXPECT_EQ(fresh.Options.InitialLine, 11);
  EXPECT_EQ(fresh.Options.FlagR, 255);
  EXPECT_EQ(fresh.Options.RandomOrder, 0);
  EXPECT_EQ(WinningScore(fresh.Options), 200);
  fresh.Options.ScoreGoalIndex = 2;
  EXPECT_EQ(WinningScore(fresh.Options), 1000);
}

TEST(OptionFile, SaveWritesTwentyFiveBytesAndKeepsATail) {
  const std::string path = ::testing::TempDir() + "/option_tail.dat";
  std::vector<uint8_t> longer(30, 0x11);
  WriteFile(path, longer);
  Game g;
  g.Options.Flag9 = 0;
  ASSERT_TRUE(SaveOptions(g, path));
  auto bytes = ReadFile(path);
  ASSERT_EQ(bytes.size(), 30u);
  EXPECT_EQ(bytes[0], 11);
  EXPECT_EQ(bytes[12], 0);
  EXPECT_EQ(bytes[13], 255);
  for (int i = 25; i < 30; ++i) EXPECT_EQ(bytes[i], 0x11);
  std::remove(path.c_str());
  ASSERT_TRUE(SaveOptions(g, path));
  EXPECT_EQ(ReadFile(path).size(), 25u);
  EXPECT_FALSE(SaveOptions(g, "/nonexistent-dir/option.dat"));
}

TEST(SeatCharacters, ShuffleStaysInsideTheSeatsInPlay) {
  Game g;
  g.Rng.Seed(3);
  g.Options.SeatCount = 5;
  g.Options.RandomOrder = 255;
  bool moved = false;
  for (int run = 0; run < 20; ++run) {
    AssignSeatCharacters(g);
    std::vector<int> inPlay;
    for (int s = 2; s <= 5; ++s) inPlay.push_back(g.Seat[s].Character);
    std::sort(inPlay.begin(), inPlay.end());
    EXPECT_EQ(inPlay, (std::vector<int>{1, 2, 3, 4}));
    for (int s = 6; s <= 8; ++s) EXPECT_EQ(g.Seat[s].Character, s - 1);
    if (g.Seat[2].Character != 1) moved = true;
    EXPECT_EQ(g.Options.ComFor(2), 1);  // the record keeps the unshuffled choice
  }
  EXPECT_TRUE(moved);
  EXPECT_EQ(g.Seat[1].Character, 0);
  // Two seats: every draw gives seat 2, so nothing moves; 201 swaps = 402 draws.
  g.Options.SeatCount = 2;
  const auto before = g.Rng.Draws();
  AssignSeatCharacters(g);
  EXPECT_EQ(g.Seat[2].Character, 1);
  EXPECT_EQ(g.Rng.Draws() - before, 402u);
}

TEST(Deal, OpeningCardsAndReshuffle) {
  Game g;
  BuildCardTable(g);
  g.Options.SeatCount = 2;
  g.Options.InitialLine = 7;
  // Find seeds whose opening shows the interesting cases, by replaying deals.
  bool sawSecond = false, sawJokerSecond = false, sawJ = false, sawQ = false;
  for (uint64_t seed = 1; seed < 4000 && !(sawSecond && sawJokerSecond && sawJ && sawQ); ++seed) {
    g.Rng.Seed(seed);
    NewDeal(g);
    const int c1 = g.Table.Cards[1];
    const int r1 = g.RankOf(c1);
    int blackSevens = 0;
    for (int i = 1; i <= g.Table.Count; ++i)
      if (g.RankOf(g.Table.Cards[i]) == 7 && IsBlack(g, g.Table.Cards[i])) ++blackSevens;
    EXPECT_EQ(g.Line, 7 - blackSevens);
    if (g.Table.Count == 2) {
      sawSecond = true;
      EXPECT_LT(g.Table.Cards[1], g.Table.Cards[2]);
      if (IsJoker(g.Table.Cards[2])) sawJokerSecond = true;
      EXPECT_EQ(g.Table.X[1], 296);
      EXPECT_EQ(g.Table.X[2], 312);
    } else {
      EXPECT_EQ(g.Table.X[1], 304);
    }
    EXPECT_EQ(g.Table.Y[1], 192);
    if (r1 == 11) {
      sawJ = true;
      EXPECT_EQ(g.TempRevolution, -1);
    }
    if (r1 == 12) {
      sawQ = true;
      EXPECT_EQ(g.Direction, -1);
    }
    // Seats got 3 cards, the starting seat 4.
    for (int s = 1; s <= 2; ++s) EXPECT_EQ(g.Seat[s].CardCount, s == g.LeadSeat ? 4 : 3);
    ASSERT_EQ(CheckConservation(g), "");
  }
  EXPECT_TRUE(sawSecond && sawJokerSecond && sawJ && sawQ);

  // Drawing the stock dry reshuffles the discard pile into it; with both empty
  // the draw is skipped.
  g.Options.InitialLine = 15;
  g.Options.SeatCount = 2;
  NewDeal(g);
  while (g.StockCount > 0) {
    const int c = g.Stock[g.StockCount];
    g.Stock[g.StockCount--] = 0;
    g.DiscardPile[++g.DiscardCount] = static_cast<uint8_t>(c);
    g.CardPlace[c] = kInDiscard;
  }
  const int discards = g.DiscardCount;
  DrawFromStock(g, 1, false);
  EXPECT_EQ(g.StockCount, discards - 1);
  EXPECT_EQ(g.DiscardCount, 0);
  ASSERT_EQ(CheckConservation(g), "");
  while (g.StockCount > 0) {
    const int c = g.Stock[g.StockCount];
    g.Stock[g.StockCount--] = 0;
    g.DiscardPile[++g.DiscardCount] = static_cast<uint8_t>(c);
    g.CardPlace[c] = kInDiscard;
  }
  g.DiscardCount = 0;  // pretend both are empty: the cards are nowhere now
  const int before = g.Seat[1].CardCount;
  DrawFromStock(g, 1, false);
  EXPECT_EQ(g.Seat[1].CardCount, before);
}

TEST(Deal, NewDealNeverKeepsOldCards) {
  Game g;
  BuildCardTable(g);
  g.Rng.Seed(11);
  g.Options.SeatCount = 3;
  g.Options.InitialLine = 15;
  NewDeal(g);
  // A seat ends a deal with a big hand, then the limit drops for the next deal.
  for (int k = 0; k < 8; ++k) DrawFromStock(g, 2, true);
  g.Seat[2].Selected[12] = true;
  g.Options.InitialLine = 7;
  NewDeal(g);
  EXPECT_EQ(CheckConservation(g), "");
  for (int i = g.Seat[2].CardCount + 1; i < kHandSlots; ++i) EXPECT_EQ(g.Seat[2].Hand[i], 0);
  EXPECT_FALSE(g.Seat[2].Selected[12]);
}

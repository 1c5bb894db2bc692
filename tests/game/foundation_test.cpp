#include <gtest/gtest.h>

#include "game/deal.h"
#include "game/state.h"

using namespace tomaruk;

TEST(CardTable, CodesRanksAndSuits) {
  Game g;
  BuildCardTable(g);
  EXPECT_EQ(g.CardInfo[1].Suit, 1);
  EXPECT_EQ(g.CardInfo[1].Rank, 3);
  EXPECT_EQ(g.CardInfo[84].Suit, 4);
  EXPECT_EQ(g.CardInfo[84].Rank, 9);
  EXPECT_EQ(g.CardInfo[85].Suit, 2);
  EXPECT_EQ(g.CardInfo[88].Suit, 3);
  EXPECT_EQ(g.CardInfo[88].Rank, 10);
  EXPECT_EQ(g.CardInfo[89].Suit, 1);
  EXPECT_EQ(g.CardInfo[89].Rank, 11);
  EXPECT_EQ(g.CardInfo[112].Suit, 4);
  EXPECT_EQ(g.CardInfo[112].Rank, 13);
  EXPECT_EQ(g.CardInfo[113].Suit, 1);
  EXPECT_EQ(g.CardInfo[113].Rank, 14);
  EXPECT_EQ(g.CardInfo[136].Suit, 4);
  EXPECT_EQ(g.CardInfo[136].Rank, 15);
  std::array<int, 17> perRank{};
  for (int c = 1; c <= kCardCount; ++c) ++perRank[g.CardInfo[c].Rank];
  for (int r : {3, 4, 5, 6, 7, 8, 9, 14, 15}) EXPECT_EQ(perRank[r], 12) << r;
  for (int r : {11, 12, 13}) EXPECT_EQ(perRank[r], 8) << r;
  EXPECT_EQ(perRank[10], 4);
  EXPECT_EQ(perRank[16], 6);
  for (int c = 137; c <= 142; ++c) EXPECT_EQ(g.CardInfo[c].Suit, 0);
  for (int c = 2; c <= kCardCount; ++c) EXPECT_LE(g.CardInfo[c - 1].Rank, g.CardInfo[c].Rank);
}

TEST(Seats, SortHandAndNextSeat) {
  Game g;
  g.Options.InitialLine = 5;
  g.Seat[1].Hand = {};
  uint8_t h[] = {0, 0, 140, 5, 0, 1};
  for (int i = 1; i <= 5; ++i) g.Seat[1].Hand[i] = h[i];
  SortHand(g, 1);
  EXPECT_EQ(g.Seat[1].Hand[1], 1);
  EXPECT_EQ(g.Seat[1].Hand[2], 5);
  EXPECT_EQ(g.Seat[1].Hand[3], 140);
  EXPECT_EQ(g.Seat[1].Hand[4], 0);
  EXPECT_EQ(g.Seat[1].Hand[5], 0);
  g.Options.SeatCount = 4;
  g.Direction = -1;
  EXPECT_EQ(NextSeat(g, 1), 4);
  EXPECT_EQ(NextSeat(g, 4), 3);
  g.Direction = 1;
  EXPECT_EQ(NextSeat(g, 4), 1);
}

TEST(Deal, SizesOpeningAndConservationOverManyDeals) {
  Game g;
  BuildCardTable(g);
  g.Rng.Seed(7);
  g.Options.SeatCount = 8;
  g.Options.InitialLine = 15;
  NewDeal(g);
  int dealt = 0;
  for (int s = 1; s <= 8; ++s) dealt += g.Seat[s].CardCount;
  EXPECT_EQ(dealt, 57);
  EXPECT_EQ(CheckConservation(g), "");
  for (int round = 0; round < 300; ++round) {
    g.Options.SeatCount = static_cast<uint8_t>(2 + round % 7);
    g.Options.InitialLine = static_cast<uint8_t>(7 + round % 9);
    NewDeal(g);
    ASSERT_EQ(CheckConservation(g), "") << round;
    const int r1 = g.RankOf(g.Table.Cards[1]);
    EXPECT_TRUE(g.Table.Count == 1 || g.Table.Count == 2);
    EXPECT_LE(r1, 12);
    EXPECT_NE(r1, 8);
    EXPECT_NE(r1, 5);
    if (g.Table.Count == 2) {
      EXPECT_TRUE(IsJoker(g.Table.Cards[2]) || g.RankOf(g.Table.Cards[2]) == r1);
    }
    // Many draws: stock refills from the discard pile, nothing lost.
    for (int k = 0; k < 20; ++k) {
      DrawFromStock(g, 1 + k % g.Options.SeatCount, false);
      if (k % 7 == 6) {
        // Throw a seat's last card onto the table and clear it.
        SeatRecord& s = g.Seat[1];
        if (s.CardCount > 0) {
          const int c = s.Hand[s.CardCount];
          s.Hand[s.CardCount--] = 0;
          g.Table.Cards[++g.Table.Count] = static_cast<uint8_t>(c);
          g.CardPlace[c] = kOnTable;
        }
        ClearTable(g);
      }
    }
    for (int s = 1; s <= g.Options.SeatCount; ++s) SortHand(g, s);
    ASSERT_EQ(CheckConservation(g), "") << round;
  }
}

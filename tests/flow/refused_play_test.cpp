#include <gtest/gtest.h>

#include <algorithm>

#include "ai/computer_player.h"
#include "flow/flow.h"
#include "flow/headless.h"
#include "game/rules.h"

using namespace tomaruk;

// The first seat of a deal holds the lead, so its stair search picks the
// longest run: five spades over the opening four hearts, which the table
// refuses. The turn becomes a pass and the table keeps its own stair key.
TEST(RefusedComputerPlay, LeavesTheTableAsItWas) {
  Game g;
  BuildCardTable(g);
  InitCharacters(g);
  g.Options.FlagM = 0;  // no ban on finishing with the strongest card
  AssignSeatCharacters(g);
  // 3♠ 4♠ 5♠ 6♠ 7♠ Q♦ K♣ in hand; 5♥ 6♥ 7♥ 8♥ opened the deal as a stair.
  const std::vector<uint8_t> hand = {1, 13, 25, 37, 49, 101, 111}, table = {28, 40, 52, 64};
  for (int c = 1; c <= kCardCount; ++c)
    if (std::count(hand.begin(), hand.end(), c) + std::count(table.begin(), table.end(), c) == 0)
      g.CardPlace[g.Stock[++g.StockCount] = static_cast<uint8_t>(c)] = kInStock;
  for (std::size_t i = 0; i < hand.size(); ++i) g.CardPlace[g.Seat[2].Hand[i + 1] = hand[i]] = 2;
  for (std::size_t i = 0; i < table.size(); ++i) g.CardPlace[g.Table.Cards[i + 1] = table[i]] = kOnTable;
  g.Seat[2].CardCount = 7;
  g.Table.Count = 4;
  g.Table.StairKey = 5;
  g.SeatsInPlay = 4;
  g.Line = 11;
  g.Turn = g.LeadSeat = 2;
  g.DealStart = true;
  const TableRecord before = g.Table;

  HeadlessHost host;
  Pacer pacer(host);
  GameFlow flow(g, pacer);
  flow.PlayTurn();

  ASSERT_EQ(flow.lastTurn.refused.size(), 5u);  // the five spades were chosen and refused
  EXPECT_EQ(g.Seat[2].CardCount, 8);            // the pass drew a card
  EXPECT_EQ(g.Table.StairKey, before.StairKey);
  EXPECT_EQ(g.Table.Cards, before.Cards);
  EXPECT_EQ(CheckConservation(g), "");
}

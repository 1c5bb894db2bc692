#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "flow/flow.h"
#include "game/deal.h"
#include "game/rules.h"
#include "support/fake_host.h"

using namespace tomaruk;

namespace {
struct Table4 {
  Game g;
  FakeHost host;
  Pacer pacer{host};
  GameFlow flow{g, pacer};
  explicit Table4(uint64_t seed, int seats = 4) {
    BuildCardTable(g);
    InitCharacters(g);
    g.Characters[0].Name = "    ";
    g.Rng.Seed(seed);
    g.Options.SeatCount = static_cast<uint8_t>(seats);
    AssignSeatCharacters(g);
  }
  // Screen points of the human's controls.
  static constexpr int kPlayX = 288 + 168 + 10, kPlayY = 240 + 168 + 10, kPassY = 240 + 204 + 10;
  int SlotX(int slot) const { return 288 - (g.Options.InitialLine + 3) * 8 + (slot - 1) * 16 + 4; }
  static constexpr int kHandY = 240 + 132 + 40;
};

int CountSelected(const SeatRecord& s) {
  int n = 0;
  for (bool b : s.Selected) n += b ? 1 : 0;
  return n;
}
}  // namespace

TEST(TurnCycle, InvalidSelectionIsClearedAndTheHumanCanStillPass) {
  Table4 s(21);
  NewDeal(s.g);
  s.g.Turn = 1;
  s.g.LeadSeat = 1;
  s.g.DealStart = true;
  // Find two cards in the hand that can never be one play (different ranks, not adjacent, no joker).
  SeatRecord& me = s.g.Seat[1];
  int a = 0, b = 0;
  for (int i = 1; i <= me.CardCount && !b; ++i)
    for (int j = i + 1; j <= me.CardCount; ++j) {
      const int ri = s.g.RankOf(me.Hand[i]), rj = s.g.RankOf(me.Hand[j]);
      if (ri != 0 && rj != 0 && ri != rj && std::abs(ri - rj) > 1) {
        a = i;
        b = j;
        break;
      }
    }
  ASSERT_GT(b, 0);
  const int before = me.CardCount;
  s.host.ClickAt(s.SlotX(a), Table4::kHandY, 5);
  s.host.ClickAt(s.SlotX(b), Table4::kHandY, 40);
  s.host.ClickAt(Table4::kPlayX, Table4::kPlayY, 80);
  s.host.MoveTo(10, 10, 120);
  s.host.ClickAt(Table4::kPlayX, Table4::kPassY, 400);
  s.flow.PlayTurn();
  EXPECT_EQ(CountSelected(me), 0);
  EXPECT_EQ(me.CardCount, before + 1) << "the pass drew a card";
  EXPECT_EQ(s.g.Turn, NextSeat(s.g, 1));
  EXPECT_EQ(CheckConservation(s.g), "");
}

TEST(TurnCycle, SkippedSeatDrawsAndWaits) {
  Table4 s(22);
  s.flow.humanIsComputer = true;
  NewDeal(s.g);
  s.g.DealStart = false;
  s.g.LeadSeat = 3;
  s.g.Turn = 2;
  s.g.Seat[2].Status = kSkipped;
  const int before = s.g.Seat[2].CardCount;
  const uint32_t t0 = s.host.now;
  s.flow.PlayTurn();
  EXPECT_EQ(s.g.Seat[2].CardCount, before + 1);
  EXPECT_EQ(s.g.Seat[2].Status, kSkipped);
  EXPECT_EQ(s.g.Turn, NextSeat(s.g, 2));
  EXPECT_GE(s.host.now - t0, 300u) << "a skipped seat's turn waits like a computer's";
}

TEST(TurnCycle, RoundEndHandsTheLeadBack) {
  Table4 s(23);
  s.flow.humanIsComputer = true;
  NewDeal(s.g);
  s.g.DealStart = false;
  s.g.Turn = s.g.LeadSeat;
  s.g.Seat[NextSeat(s.g, s.g.Turn)].Status = kSkipped;
  const int leader = s.g.Turn;
  const int onTable = s.g.Table.Count;
  ASSERT_GT(onTable, 0);
  const int discardBefore = s.g.DiscardCount;
  s.flow.PlayTurn();
  // The table went to the discard pile before the leader chose; the skip mark is gone.
  EXPECT_GE(s.g.DiscardCount, discardBefore + onTable);
  EXPECT_EQ(s.g.LeadSeat, leader);
  for (int seat = 1; seat <= 4; ++seat) EXPECT_NE(s.g.Seat[seat].Status, kSkipped);
  EXPECT_EQ(CheckConservation(s.g), "");
}

TEST(TurnCycle, OutSeatsAreSkippedWithoutDrawing) {
  Table4 s(24);
  NewDeal(s.g);
  s.g.DealStart = true;
  s.g.Turn = 2;
  s.g.Seat[2].Status = kDroppedOut;
  const int stock = s.g.StockCount;
  s.flow.PlayTurn();
  EXPECT_EQ(s.g.StockCount, stock);
  EXPECT_EQ(s.g.Turn, 3);
  EXPECT_TRUE(s.g.DealStart) << "an out seat's turn does not end the deal's start";
}

TEST(TurnCycle, LineGuardEndsAndScoresTheDeal) {
  // After every turn no seat still playing holds Line cards, so the limit sits at 1 with two seats
  // in play only after a turn that changes nothing: an out seat's. Before the first turn the host
  // drops the starting seat out (its cards to the discard pile) and lowers the limit to 1.
  struct LoweringHost : FakeHost {
    Game* g = nullptr;
    bool done = false;
    void PumpMessages() override {
      FakeHost::PumpMessages();
      if (!g || done || g->TurnCounter != 0) return;
      done = true;
      SeatRecord& seat = g->Seat[g->Turn];
      for (int i = 1; i <= seat.CardCount; ++i) {
        g->DiscardPile[++g->DiscardCount] = seat.Hand[i];
        g->CardPlace[seat.Hand[i]] = kInDiscard;
        seat.Hand[i] = 0;
      }
      seat.Status = kDroppedOut;
      --g->SeatsInPlay;
      g->Line = 1;
    }
  };
  Game g;
  BuildCardTable(g);
  InitCharacters(g);
  g.Rng.Seed(25);
  g.Options.InitialLine = 7;
  LoweringHost host;
  host.g = &g;
  Pacer pacer{host};
  GameFlow flow{g, pacer};
  flow.humanIsComputer = true;
  flow.PlayDeal();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "ライン下げすぎっ");
  EXPECT_EQ(g.DealCount, 1);
  EXPECT_EQ(g.Seat[1].DealPoints.size(), 1u);
  EXPECT_GE(g.SeatsInPlay, 2);
  EXPECT_EQ(CheckConservation(g), "");
}

TEST(TurnCycle, NextGameStartsWithTheLastWinner) {
  Table4 s(26, 3);
  s.flow.humanIsComputer = true;
  s.g.Options.ScoreGoalIndex = 0;
  s.flow.PlayGame();
  ASSERT_TRUE(s.g.GameOver);
  const int winner = s.g.NextStarter;
  ASSERT_GE(winner, 1);
  ASSERT_LE(winner, 3);
  // A new game: the title resets the scores, and the first deal starts with last game's winner.
  s.host.ClickAt(100, 100, 50);
  s.flow.TitleScreen();
  EXPECT_EQ(s.g.DealCount, 0);
  EXPECT_FALSE(s.g.GameOver);
  for (int seat = 1; seat <= 3; ++seat) EXPECT_EQ(s.g.Seat[seat].Score, 0);
  NewDeal(s.g);
  EXPECT_EQ(s.g.Turn, winner);
  EXPECT_EQ(s.g.LeadSeat, winner);
  EXPECT_EQ(s.g.NextStarter, 0);
}

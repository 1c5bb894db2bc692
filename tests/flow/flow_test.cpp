#include <gtest/gtest.h>

#include "ai/computer_player.h"
#include "flow/flow.h"
#include "game/deal.h"
#include "game/rules.h"
#include "support/fake_host.h"

using namespace tomaruk;

namespace {
struct Match {
  Game g;
  FakeHost host;
  Pacer pacer{host};
  GameFlow flow{g, pacer};
  explicit Match(uint64_t seed, int seats = 4) {
    BuildCardTable(g);
    InitCharacters(g);
    g.Characters[0].Name = "    ";
    g.Rng.Seed(seed);
    g.Options.SeatCount = static_cast<uint8_t>(seats);
    AssignSeatCharacters(g);
  }
  // Plays a deal turn by turn, checking the cards after every turn.
  void PlayCheckedDeal(int maxTurns = 5000) {
    NewDeal(g);
    ASSERT_EQ(CheckConservation(g), "");
    for (int turn = 0; turn < maxTurns; ++turn) {
      ++g.TurnCounter;
      flow.PlayTurn();
      ASSERT_EQ(CheckConservation(g), "") << "turn " << turn;
      int playing = 0;
      for (int s = 1; s <= g.Options.SeatCount; ++s) playing += IsOut(g.Seat[s].Status) ? 0 : 1;
      ASSERT_EQ(playing, g.SeatsInPlay);
      if (g.SeatsInPlay <= 1 || g.Line <= 1) break;
    }
    EndOfDeal(g);
  }
};
}  // namespace

TEST(Flow, HeadlessDealsConserveCardsAcrossSeatCounts) {
  for (int seats = 2; seats <= 8; ++seats) {
    Match s(100 + seats, seats);
    s.flow.humanIsComputer = true;
    for (int deal = 0; deal < 5; ++deal) s.PlayCheckedDeal();
    EXPECT_EQ(s.g.DealCount, 5);
  }
}

TEST(Flow, TitleClickAndTheGuards) {
  Match s(5);
  // A press made before the title does not start the game.
  s.host.pressPending = true;
  s.host.ClickAt(10, 10, 200);
  const uint32_t t0 = s.host.now;
  s.flow.TitleScreen();
  EXPECT_GE(s.host.now - t0, 200u);
  EXPECT_FALSE(s.host.optionsMenuEnabled);
  // The limit falling to 1 ends and scores the deal with its message.
  s.flow.humanIsComputer = true;
  s.g.Options.InitialLine = 7;
  NewDeal(s.g);
  s.g.Line = 2;
  s.g.Seat[1].Status = kPlaying;
  ++s.g.TurnCounter;
  s.flow.PlayTurn();
  EXPECT_EQ(CheckConservation(s.g), "");
}

TEST(Flow, HumanPassesAndPlaysWithTheMouse) {
  Match s(9, 3);
  NewDeal(s.g);
  s.g.Turn = 1;
  s.g.LeadSeat = 1;
  s.g.DealStart = true;
  const int before = s.g.Seat[1].CardCount;
  // "決定" with nothing selected does nothing; "パス" passes on the first turn.
  s.host.ClickAt(288 + 168 + 10, 240 + 168 + 10, 5);
  s.host.ClickAt(288 + 168 + 10, 240 + 204 + 10, 50);
  s.flow.PlayTurn();
  EXPECT_EQ(s.g.Seat[1].CardCount, before + 1);
  EXPECT_EQ(CheckConservation(s.g), "");
  // On a free lead "パス" is refused; the human selects the last card and plays it.
  s.g.Turn = 1;
  s.g.LeadSeat = 1;
  s.g.DealStart = false;
  ClearTable(s.g);
  const int n = s.g.Seat[1].CardCount;
  const int L = 288 - (s.g.Options.InitialLine + 3) * 8;
  s.host.ClickAt(288 + 168 + 10, 240 + 204 + 10, 5);             // refused
  s.host.ClickAt(L + (n - 1) * 16 + 30, 240 + 132 + 40, 50);     // last card
  s.host.ClickAt(288 + 168 + 10, 240 + 168 + 10, 100);           // 決定
  s.flow.PlayTurn();
  EXPECT_EQ(s.g.Seat[1].CardCount, n - 1);
  EXPECT_EQ(s.g.Table.Count, 1);
  EXPECT_EQ(CheckConservation(s.g), "");
}

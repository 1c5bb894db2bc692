#include "game/invariants.h"

#include <gtest/gtest.h>

#include <functional>

#include "game/deal.h"
#include "game/rules.h"

using namespace tomaruk;

namespace {

// A freshly dealt four-seat deal on seed 3.
void Deal(Game& g) {
  BuildCardTable(g);
  g.Rng.Seed(3);
  g.Options.SeatCount = 4;
  g.Options.InitialLine = 11;
  g.NextStarter = 2;
  NewDeal(g);
}

}  // namespace

TEST(Invariants, SoundStatesPassAndEachBreakIsNamed) {
  Game g;
  Deal(g);
  bool cards = true;
  ASSERT_EQ(CheckInvariants(g, &cards), "");
  EXPECT_FALSE(cards);

  // Sound states of a running deal: a finish, a foul, a drop-out, a skip.
  g.TurnCounter = 30;
  SeatRecord& s3 = g.Seat[3];
  for (int i = 1; i <= s3.CardCount; ++i) {
    const int c = s3.Hand[i];
    g.DiscardPile[++g.DiscardCount] = static_cast<uint8_t>(c);
    g.CardPlace[c] = kInDiscard;
    s3.Hand[i] = 0;
  }
  s3.Status = kDroppedOut;  // its CardCount stays as it was
  s3.FinishKey = 1000000 - 30;
  g.SeatsInPlay = 3;
  g.Seat[4].Status = kSkipped;
  ASSERT_EQ(CheckInvariants(g), "");

  // Each break, applied to the sound state and undone again.
  struct Break {
    const char* what;
    std::function<void()> apply, undo;
    bool cards;
  };
  const int stray = g.Seat[1].Hand[1];
  const Break breaks[] = {
      {"seen 2 times", [&] { g.Stock[++g.StockCount] = static_cast<uint8_t>(stray); },
       [&] { --g.StockCount; }, true},
      {"CardPlace", [&] { g.CardPlace[stray] = kInStock; }, [&] { g.CardPlace[stray] = 1; }, true},
      {"SeatsInPlay", [&] { g.SeatsInPlay = 4; }, [&] { g.SeatsInPlay = 3; }, false},
      {"finish key", [&] { g.Seat[1].FinishKey = 5; }, [&] { g.Seat[1].FinishKey = 0; }, false},
      {"dropped out with key", [&] { s3.FinishKey = 900000; }, [&] { s3.FinishKey = 1000000 - 30; }, false},
      {"fouled with key", [&] { s3.Status = kFouled; }, [&] { s3.Status = kDroppedOut; }, false},
      // An unknown status is not out of the deal, so its emptied hand is wrong too.
      {"unknown status", [&] { s3.Status = 7; }, [&] { s3.Status = kDroppedOut; }, true},
      {"skipped on an empty table",
       [&] {
         ClearTable(g);
         g.Seat[4].Status = kSkipped;
       },
       [&] { g.Seat[4].Status = kPlaying; }, false},
  };
  for (const Break& b : breaks) {
    b.apply();
    cards = !b.cards;
    const std::string err = CheckInvariants(g, &cards);
    EXPECT_NE(err.find(b.what), std::string::npos) << b.what << ": " << err;
    EXPECT_EQ(cards, b.cards) << b.what;
    b.undo();
  }
  // After the last break the table was cleared: sound again.
  ASSERT_EQ(CheckInvariants(g), "");

  // A finished seat holds nothing and finished at a counted turn.
  SeatRecord& s2 = g.Seat[2];
  for (int i = 1; i <= s2.CardCount; ++i) {
    const int c = s2.Hand[i];
    g.DiscardPile[++g.DiscardCount] = static_cast<uint8_t>(c);
    g.CardPlace[c] = kInDiscard;
    s2.Hand[i] = 0;
  }
  s2.CardCount = 0;
  s2.Status = kFinished;
  s2.FinishKey = 31;
  g.SeatsInPlay = 2;
  EXPECT_NE(CheckInvariants(g).find("finished with key 31"), std::string::npos);
  s2.FinishKey = 30;
  EXPECT_EQ(CheckInvariants(g), "");

  // While two seats play, the limit stays above every playing hand.
  g.Line = g.Seat[1].CardCount;
  EXPECT_NE(CheckInvariants(g).find("at limit"), std::string::npos);
  g.Line = 0;
  EXPECT_NE(CheckInvariants(g).find("limit 0 while the deal runs"), std::string::npos);
  // Once at most one seat plays the deal is over and the limit may be anything.
  g.Seat[4].Status = kFouled;
  g.Seat[4].FinishKey = 1000000;
  for (int i = 1; i <= g.Seat[4].CardCount; ++i) {
    const int c = g.Seat[4].Hand[i];
    g.DiscardPile[++g.DiscardCount] = static_cast<uint8_t>(c);
    g.CardPlace[c] = kInDiscard;
    g.Seat[4].Hand[i] = 0;
  }
  g.Seat[4].CardCount = 0;
  g.SeatsInPlay = 1;
  EXPECT_EQ(CheckInvariants(g), "");
  g.Turn = 9;
  EXPECT_NE(CheckInvariants(g).find("turn 9"), std::string::npos);
}

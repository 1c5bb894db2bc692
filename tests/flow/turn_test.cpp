// Turns through the game's flow: the human's mouse loop, computer, skipped and out seats with their
// waits, the two guards, the title and the next game.
#include <gtest/gtest.h>

#include "flow/flow.h"
#include "flow/simulate.h"
#include "game/deal.h"
#include "support/fake_host.h"

namespace tomaruk {
namespace {

struct Match {
  Game g;
  FakeHost host;
  Pacer pacer{host};
  GameFlow flow{g, pacer};
  Match(uint64_t seed, int seats, bool humanIsComputer = true) {
    SimulationConfig cfg;
    cfg.seats = seats, cfg.seed = seed;
    PrepareSimulation(g, cfg);
    flow.humanIsComputer = humanIsComputer;
    NewDeal(g);
  }
};

// The human's clicks: a hand slot 1..15, or one of these.
enum Click { kPlay = -1, kPass = -2, kLastCardEdge = -3, kJustPastLastCard = -4 };

TEST(Turn, TheHumanPlaysWithTheMouse) {
  const std::vector<int> hand = {1, 13, 37, 76};  // 3, 4 and 6 of spades, 9 of hearts
  const struct {
    const char* name;
    bool freeLead;                          // else the deal's first turn, over a Q
    std::vector<int> hand, clicks, played;  // played empty: a pass
  } rows[] = {
      // clang-format off
      {"決定 with nothing selected does nothing; パス passes", false, hand, {kPlay, 2, kPass}, {}},
      {"a free lead refuses パス", true, hand, {kPass, 4, kPlay}, {76}},
      {"a second click takes a card back", true, hand, {1, 1, 2, kPlay}, {13}},
      {"a refused play is taken back whole", true, hand, {1, 4, kPlay, 3, kPlay}, {37}},
      {"the last card reaches its right edge", true, hand, {kJustPastLastCard, kPlay, kLastCardEdge, kPlay},
       {76}},
      {"a stair sets the stair key", true, {1, 13, 25, 37, 76}, {1, 2, 3, 4, kPlay}, {1, 13, 25, 37}},
      // clang-format on
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Match m(9, 3, false);
    SeatRecord& me = m.g.Seat[1];
    me.CardCount = static_cast<int>(r.hand.size());
    std::copy(r.hand.begin(), r.hand.end(), me.Hand.begin() + 1);
    m.g.Turn = m.g.LeadSeat = 1, m.g.DealStart = !r.freeLead;
    m.g.Table.Count = r.freeLead ? 0 : 1, m.g.Table.Cards[1] = 100;
    const int right = 176 + (me.CardCount - 1) * 16 + 64;  // the hand starts at 176 at limit 11
    for (std::size_t i = 0; i < r.clicks.size(); ++i) {
      const int c = r.clicks[i], x = c == kLastCardEdge ? right : c < 0 ? right + 1 : 176 + (c - 1) * 16 + 8;
      const int y = c == kPlay ? 418 : c == kPass ? 454 : 412;
      m.host.ClickAt(c == kPlay || c == kPass ? 466 : x, y, 30 * (i + 1));
    }
    m.host.quitAt = 5000;  // a turn that never ends fails instead of hanging
    m.flow.PlayTurn();
    EXPECT_EQ(m.flow.lastTurn.play.cards, Selection(r.played.begin(), r.played.end()));
    EXPECT_EQ(me.CardCount + r.played.size(), r.hand.size() + r.played.empty());
    EXPECT_EQ(std::count(me.Selected.begin(), me.Selected.end(), true), 0);
    EXPECT_EQ(m.g.Table.StairKey != kNoStair, r.played.size() == 4);
  }
}

TEST(Turn, ComputerSkippedAndOutSeats) {
  const struct {
    // Whose turn it is, its status, the human's, the option to hurry once the human is out, whether
    // the turn comes back to the seat that played last, and the wait after the choice.
    const char* name;
    int seat, status, human, hurry;
    bool roundEnd;
    uint32_t ms;
  } rows[] = {
      // clang-format off
      {"a computer seat waits 300 ms", 2, kPlaying, kPlaying, 0, false, 301},
      {"with the human out, in a hurry: 60 ms", 2, kPlaying, kFinished, 255, false, 61},
      {"the hurry waits for the human to be out", 2, kPlaying, kPlaying, 255, false, 301},
      {"a skipped human draws a card and waits", 1, kSkipped, kSkipped, 0, false, 301},
      {"an out seat is passed over at once", 2, kDroppedOut, kPlaying, 0, false, 0},
      {"the lead comes back: the table clears first", 2, kPlaying, kPlaying, 0, true, 301},
      // clang-format on
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Match m(22, 4, false);
    m.g.Turn = r.seat, m.g.LeadSeat = r.roundEnd ? r.seat : 3, m.g.DealStart = !r.roundEnd;
    m.g.Seat[1].Status = r.human, m.g.Seat[r.seat].Status = r.status, m.g.Options.SkipWhenOut = r.hurry;
    m.g.Seat[3].Status = r.roundEnd ? kSkipped : kPlaying;
    const int cards = m.g.Seat[r.seat].CardCount, opening = m.g.Table.Cards[1];
    m.flow.PlayTurn();
    EXPECT_EQ(m.host.now, r.ms);
    EXPECT_EQ(std::tuple(m.g.Seat[r.seat].Status, m.g.DealStart),
              std::tuple(r.status, r.status == kDroppedOut));
    if (r.status != kPlaying) {
      EXPECT_EQ(std::tuple(m.g.Seat[r.seat].CardCount, m.g.Turn),
                std::tuple(cards + (r.status == kSkipped), NextSeat(m.g, r.seat)));
    }
    if (r.roundEnd) {  // the table and its skip marks went before the seat led again
      EXPECT_EQ(std::tuple(m.g.CardPlace[opening], m.g.Seat[3].Status, m.g.LeadSeat),
                std::tuple(kInDiscard, kPlaying, r.seat));
    }
  }
}

// Both guards end the deal with their message, and it is scored as any other.
TEST(Turn, GuardsEndAndScoreTheDeal) {
  for (bool line : {false, true}) {
    SCOPED_TRACE(line ? "the limit falls to 1" : "500,000 turns");
    Match m(25, 4);
    int first = 0;
    m.host.onPump = [&] {
      if (m.g.TurnCounter != 0) return;
      if (!line) {
        m.g.TurnCounter = 499999;
        return;
      }
      // The starting seat has just finished, first, and the limit sits at 1.
      m.g.Seat[first = m.g.Turn].Status = kFinished, m.g.Seat[first].FinishKey = 1;
      --m.g.SeatsInPlay, m.g.Line = 1;
    };
    m.flow.PlayDeal();
    EXPECT_EQ(m.host.messages,
              std::vector<std::string>{line ? "ライン下げすぎっ" : "いつまでやっとんねん。"});
    EXPECT_EQ(m.g.DealCount, 1);
    // The seats still in share the next place, with 10 points more unless skipped.
    for (int s = 1; s <= 4; ++s)
      EXPECT_EQ(m.g.Seat[s].Score,
                s == first ? 40 : (line ? 20 : 30) + 10 * (m.g.Seat[s].Status == kPlaying));
  }
}

TEST(Turn, TitleAndTheNextGame) {
  Match m(26, 3);
  m.flow.PlayGame();
  ASSERT_TRUE(m.g.GameOver);
  const int winner = m.g.NextStarter;
  // Options no game can be played with keep the title waiting, its menu open.
  m.g.Options.SeatCount = 1;
  m.host.ClickAt(100, 100, 50);
  m.host.quitAt = m.host.now + 1000;
  EXPECT_THROW(m.flow.TitleScreen(), QuitRequested);
  EXPECT_TRUE(m.host.optionsMenuEnabled);
  // A press made before the title and a click outside the window start nothing.
  m.g.Options.SeatCount = 3, m.host.quitAt = 0xFFFFFFFFu, m.host.pressPending = true;
  m.host.ClickAt(577, 10, 100), m.host.ClickAt(576, 480, 300);
  const uint32_t t0 = m.host.now;
  m.flow.TitleScreen();
  EXPECT_GE(m.host.now - t0, 300u);
  EXPECT_FALSE(m.host.optionsMenuEnabled || m.g.GameOver || m.g.DealCount);
  for (int s = 1; s <= 3; ++s) EXPECT_EQ(m.g.Seat[s].Score + m.g.Seat[s].DealPoints.size(), 0u) << s;
  // The first deal of the new game starts with the last game's winner.
  NewDeal(m.g);
  EXPECT_EQ(std::tuple(m.g.Turn, m.g.LeadSeat), std::tuple(winner, winner));
}

}  // namespace
}  // namespace tomaruk

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

TEST(Turn, TheHumanPlaysWithTheMouse) {
  const std::vector<int> hand = {1, 13, 37, 76};  // 3, 4 and 6 of spades, 9 of hearts
  // Clicks inside a card's strip or a button; at limit 11 the hand starts at 176.
  const auto inside = [](Rect r) { return Point{r.x + 9, r.y + 9}; };
  const auto card = [&](int i) { return inside(HandSlot(OptionRecord{}, i)); };
  const Point play = inside(ButtonBox(kPlayButton)), pass = inside(ButtonBox(kPassButton));
  const struct {
    const char* name;
    bool freeLead;  // else the deal's first turn, over a Q
    std::vector<int> hand;
    std::vector<Point> clicks;
    std::vector<int> played;  // empty: a pass
  } rows[] = {
      // clang-format off
      {"決定 with nothing selected does nothing; パス passes", false, hand, {play, card(2), pass}, {}},
      {"a free lead refuses パス", true, hand, {pass, card(4), play}, {76}},
      {"a second click takes a card back", true, hand, {card(1), card(1), card(2), play}, {13}},
      {"a refused play is taken back whole", true, hand, {card(1), card(4), play, card(3), play}, {37}},
      {"strip edges; the last card and 決定 count a pixel past their edges", true, hand, {{175, 371}, {191, 468},
       {192, 400}, {207, 400}, {223, 400}, {224, 400}, {288, 400}, {289, 400}, {200, 370}, {200, 469}, {455, 407}}, {37}},
      {"a stair sets its key", true, {1, 13, 25, 37, 76}, {card(1), card(2), card(3), card(4), play}, {1, 13, 25, 37}},
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
    uint32_t after = 0;
    for (const Point p : r.clicks) m.host.ClickAt(p.x, p.y, after += 30);
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

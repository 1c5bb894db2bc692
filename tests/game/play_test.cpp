#include <gtest/gtest.h>

#include "game/deal.h"
#include "game/rules.h"
#include "game/state.h"

using namespace tomaruk;

namespace {
// A table of `seats` seats with every card in the stock; Give and Lay move
// cards out of it so that the cards stay conserved.
struct Table {
  Game g;
  explicit Table(int seats) {
    BuildCardTable(g);
    g.Options.SeatCount = static_cast<uint8_t>(seats);
    g.Options.InitialLine = 11;
    g.Line = 11;
    g.SeatsInPlay = seats;
    g.StockCount = 0;
    for (int c = 1; c <= kCardCount; ++c) {
      g.Stock[++g.StockCount] = static_cast<uint8_t>(c);
      g.CardPlace[c] = kInStock;
    }
    g.Turn = 2;
    g.LeadSeat = 1;
  }
  void Take(int code) {
    for (int i = 1; i <= g.StockCount; ++i)
      if (g.Stock[i] == code) {
        for (int j = i; j < g.StockCount; ++j) g.Stock[j] = g.Stock[j + 1];
        g.Stock[g.StockCount--] = 0;
        return;
      }
    FAIL() << "card " << code << " not in the stock";
  }
  void Give(int seat, std::initializer_list<int> codes) {
    for (int c : codes) {
      Take(c);
      SeatRecord& s = g.Seat[seat];
      s.Hand[++s.CardCount] = static_cast<uint8_t>(c);
      g.CardPlace[c] = static_cast<uint8_t>(seat);
    }
    SortHand(g, seat);
  }
  void Lay(std::initializer_list<int> codes) {
    for (int c : codes) {
      Take(c);
      g.Table.Cards[++g.Table.Count] = static_cast<uint8_t>(c);
      g.CardPlace[c] = kOnTable;
    }
  }
  // Seat Turn plays these hand codes.
  void Play(std::initializer_list<int> codes, int stairKey = 255) {
    SeatRecord& s = g.Seat[g.Turn];
    for (int c : codes)
      for (int i = 1; i <= s.CardCount; ++i)
        if (s.Hand[i] == c) s.Selected[i] = true;
    g.Table.StairKey = stairKey;
    ApplyPlay(g, Selection(codes.begin(), codes.end()));
    EXPECT_EQ(CheckConservation(g), "");
  }
};
}  // namespace

TEST(ApplyPlay, EffectsOfSetsAndStairs) {
  {  // An 8 clears the table and the same seat keeps the turn.
    Table t(3);
    t.Give(2, {64, 70});  // 8♥, 9♠
    t.Give(3, {1});
    t.Lay({40});
    t.Play({64});
    EXPECT_EQ(t.g.Table.Count, 0);
    EXPECT_EQ(t.g.Turn, 2);
    EXPECT_EQ(t.g.DiscardCount, 2);
  }
  {  // A 5 skips the next playing seat; 9♥ on 8♥ locks the suit.
    Table t(3);
    t.Give(2, {28, 70});  // 5♥
    t.Give(3, {1});
    t.Lay({16});          // 4♥
    t.Play({28});
    EXPECT_EQ(t.g.Seat[3].Status, kSkipped);
    EXPECT_TRUE(t.g.Table.SuitLock);
    EXPECT_EQ(t.g.Turn, 3);
    EXPECT_EQ(t.g.TrickCount, 1);
  }
  {  // A stair with a 5 and an 8: the table clears and nobody is skipped; four cards revolve.
    Table t(3);
    t.Give(2, {25, 37, 49, 61, 100});  // 5♠ 6♠ 7♠ 8♠ + a Q
    t.Give(3, {1});
    t.g.LeadSeat = 2;
    t.Play({25, 37, 49, 61}, 5);
    EXPECT_EQ(t.g.Seat[3].Status, kPlaying);
    EXPECT_EQ(t.g.Turn, 2);
    EXPECT_EQ(t.g.Revolution, -1);
    EXPECT_EQ(t.g.Line, 10);  // the black 7
  }
  {  // Four 10s skip everybody else; a Q reverses; a J turns the order.
    Table t(4);
    t.Give(2, {85, 86, 87, 88, 5});
    t.Give(3, {2});
    t.Give(4, {3});
    t.g.LeadSeat = 2;
    t.Play({85, 86, 87, 88});
    EXPECT_EQ(t.g.Seat[1].Status, kSkipped);
    EXPECT_EQ(t.g.Seat[3].Status, kSkipped);
    EXPECT_EQ(t.g.Seat[4].Status, kSkipped);
    EXPECT_EQ(t.g.Revolution, -1);
    Table q(2);
    q.Give(2, {97, 5});  // Q♠
    q.Give(1, {6});
    q.Lay({89});
    q.Play({97});
    EXPECT_EQ(q.g.Direction, -1);
    EXPECT_EQ(q.g.Turn, 1);
    Table j(2);
    j.Give(2, {90, 5});  // J♠
    j.Give(1, {6});
    j.Lay({70});
    j.g.Revolution = -1;
    j.Play({90});
    EXPECT_EQ(j.g.TempRevolution, -1);
  }
  {  // Three spade 3s flush a lone joker; with 8 clears the table clears twice and the seat keeps the turn.
    Table t(3);
    t.Give(2, {1, 2, 3, 50});
    t.Give(3, {60});
    t.Lay({137});
    t.Play({1, 2, 3});
    EXPECT_EQ(t.g.Table.Count, 0);
    EXPECT_EQ(t.g.Turn, 2);
    Table off(3);
    off.g.Options.Flag8 = 0;
    off.Give(2, {1, 2, 3, 50});
    off.Give(3, {60});
    off.Lay({137});
    off.Play({1, 2, 3});
    EXPECT_EQ(off.g.Table.Count, 0);
    EXPECT_EQ(off.g.Turn, 3);
  }
}

TEST(ApplyPlay, FinishingFoulsAndDropOuts) {
  {  // Finishing with a single 2 in normal order under the strongest-card ban is a foul.
    Table t(3);
    t.Give(2, {125});
    t.Give(3, {1});
    t.Give(1, {4});
    t.Lay({40});
    t.Play({125});
    EXPECT_EQ(t.g.Seat[2].Status, kFouled);
    EXPECT_EQ(t.g.Seat[2].FinishKey, 1000000);
    EXPECT_EQ(t.g.Line, 10);
    EXPECT_EQ(t.g.SeatsInPlay, 2);
    EXPECT_EQ(t.g.Turn, 3);
    EXPECT_EQ(t.g.LeadSeat, 3);
  }
  {  // A legal finish records the turn counter.
    Table t(3);
    t.g.TurnCounter = 17;
    t.Give(2, {40});
    t.Give(3, {1});
    t.Give(1, {4});
    t.Lay({30});
    t.Play({40});
    EXPECT_EQ(t.g.Seat[2].Status, kFinished);
    EXPECT_EQ(t.g.Seat[2].FinishKey, 17);
  }
  {  // A cascade: the first drop lowers the line, so the next seat drops in the next pass and places better.
    Table t(4);
    t.g.Line = 5;
    t.g.TurnCounter = 30;
    t.g.LeadSeat = 4;
    t.Give(2, {1, 4, 7, 10, 13});
    t.Give(3, {16, 19, 22, 25});
    t.Give(1, {40});
    t.Give(4, {50});
    CheckHandLimit(t.g);
    EXPECT_EQ(t.g.Seat[2].Status, kDroppedOut);
    EXPECT_EQ(t.g.Seat[3].Status, kDroppedOut);
    EXPECT_LT(t.g.Seat[3].FinishKey, t.g.Seat[2].FinishKey);
    EXPECT_EQ(t.g.Line, 3);
    EXPECT_EQ(t.g.Seat[4].Kills, 2);
    EXPECT_EQ(t.g.TurnCounter, 32);
    EXPECT_EQ(CheckConservation(t.g), "");
  }
}

namespace {
struct Recorder : Presenter {
  std::vector<ResultScreen> screens;
  void ShowResultScreen(const ResultScreen& s) override { screens.push_back(s); }
};
}  // namespace

TEST(EndOfDeal, PlacesPointsAndTheScoreTable) {
  Game g;
  BuildCardTable(g);
  Recorder rec;
  g.View = &rec;
  g.Options.SeatCount = 3;
  g.Characters[0].Name = "    ";
  g.Characters[1].Name = "石丸さん";
  g.Seat[2].Character = 1;
  g.Seat[3].Character = 1;
  // Seat 2 finished first, seat 3 dropped out, seat 1 remains; seat 1 knocked one out.
  g.TurnCounter = 40;
  g.Seat[2].Status = kFinished;
  g.Seat[2].FinishKey = 12;
  g.Seat[3].Status = kDroppedOut;
  g.Seat[3].FinishKey = 1000000 - 20;
  g.Seat[1].Status = kPlaying;
  g.Seat[1].Kills = 1;
  EndOfDeal(g);
  EXPECT_EQ(g.Seat[2].DealPoints[0], 40);
  EXPECT_EQ(g.Seat[1].DealPoints[0], 35);
  EXPECT_EQ(g.Seat[3].DealPoints[0], 0);
  EXPECT_EQ(g.NextStarter, 2);
  EXPECT_EQ(g.DealCount, 1);
  ASSERT_EQ(rec.screens.size(), 2u);
  const auto& first = rec.screens[0];
  EXPECT_EQ(first.texts[0].text, "1P   ");
  EXPECT_EQ(first.texts[5].text, "2P 石");  // cut to 5 bytes
  EXPECT_EQ(first.texts[0].x, 50);
  EXPECT_EQ(first.texts[5].x, 208);
  EXPECT_EQ(first.texts[8].text, "1位");
  EXPECT_EQ(first.texts[8].rgb, 0xFFFF00u);
  EXPECT_EQ(first.texts[9].text, "+40");
  EXPECT_EQ(first.texts[4].text, "+35");
  EXPECT_EQ(first.texts[14].text, "+ 0");
  // Two seats still playing on a guard-ended deal share a place and the bonus.
  for (int s = 1; s <= 3; ++s) {
    g.Seat[s].Status = kPlaying;
    g.Seat[s].FinishKey = 0;
    g.Seat[s].Kills = 0;
  }
  g.Seat[3].Status = kFouled;
  g.Seat[3].FinishKey = 1000000;
  g.Seat[3].Kills = 2;
  EndOfDeal(g);
  EXPECT_EQ(g.Seat[1].DealPoints[1], 40);
  EXPECT_EQ(g.Seat[2].DealPoints[1], 40);
  EXPECT_EQ(g.Seat[3].DealPoints[1], 0);
  EXPECT_FALSE(g.GameOver);
  // After nine deals the score table lists deals 2..9 and the total.
  while (g.DealCount < 9) EndOfDeal(g);
  const auto& table = rec.screens.back();
  int rowsForSeat1 = 0;
  for (const auto& t : table.texts)
    if (t.x == 50) ++rowsForSeat1;
  EXPECT_EQ(rowsForSeat1, 1 + 8 + 1);
  EXPECT_TRUE(g.GameOver);  // 40 a deal passes 200
  EXPECT_EQ(table.texts[0].rgb, 0xFFFF00u);
  EXPECT_EQ(table.lineY1, 240 - 144 + 9 * 30 - 6);
}

#include "game/deal.h"

#include <cmath>
#include <utility>

namespace tomaruk {

namespace {

// Shuffles pile[1..n] by 1000 swaps of two cards, each chosen at random in turn.
void ShufflePile(Random& rng, std::array<uint8_t, kCardCount + 1>& pile, int n) {
  rng.ChoicePairs(n, 1000, [&pile](int a, int b) { std::swap(pile[a], pile[b]); });
}

}  // namespace

void NewDeal(Game& g) {
  // Every pile, CardPlace and the table start empty.
  g.CardPlace.fill(0);
  g.Stock.fill(0);
  g.DiscardPile.fill(0);
  g.TrickPile.fill(0);
  g.TrickX.fill(0);
  g.TrickY.fill(0);
  g.DiscardCount = 0;
  g.TrickCount = 0;
  g.Table = TableRecord{};
  g.Table.StairKey = 0;
  g.SeatsInPlay = g.Options.SeatCount;
  g.Line = g.Options.InitialLine;
  if (g.NextStarter > 0) {
    g.Turn = g.NextStarter;
  } else {
    g.Turn = static_cast<int>(std::floor(g.Rng.Next() * g.Options.SeatCount + 1));
  }
  g.LeadSeat = g.Turn;
  g.NextStarter = 0;
  g.Revolution = 1;
  g.TempRevolution = 1;
  g.Direction = 1;
  g.TurnCounter = 0;
  g.DealStart = true;
  g.StockCount = kCardCount;
  for (int k = 1; k <= kCardCount; ++k) {
    g.Stock[k] = static_cast<uint8_t>(k);
    g.CardPlace[k] = kInStock;
  }
  ShufflePile(g.Rng, g.Stock, kCardCount);
  g.View->RenderTable(0, true, true);
  // A seat still playing at the end of the last deal must not carry its old
  // cards into this one: empty every slot and selection of every seat.
  for (int s = 1; s <= kMaxSeats; ++s) {
    SeatRecord& seat = g.Seat[s];
    seat.Hand.fill(0);
    seat.Selected.fill(false);
    if (s <= g.Options.SeatCount) {
      seat.CardCount = 0;
      seat.Kills = 0;
      seat.Status = kPlaying;
      seat.FinishKey = 0;
    }
  }
  for (int round = 0; round < g.Options.InitialLine / 2; ++round) {
    for (int s = 1; s <= g.Options.SeatCount; ++s) {
      DrawFromStock(g, s, true);
      g.View->DealtCard();
    }
  }
  DrawFromStock(g, g.LeadSeat, true);
  for (int s = 1; s <= g.Options.SeatCount; ++s) SortHand(g, s);
  g.Table.StairKey = kNoStair;
  g.Table.SuitLock = false;
  g.Table.ParityLock = false;
  // Opening card: 8s and 5s that would clear or skip, and K, A, 2 and jokers
  // never stay on the table.
  for (;;) {
    if (g.StockCount == 0) break;
    const int c = g.Stock[g.StockCount];
    g.Table.Cards[1] = static_cast<uint8_t>(c);
    g.CardPlace[c] = kOnTable;
    g.Stock[g.StockCount] = 0;
    --g.StockCount;
    g.Table.Count = 1;
    const int r = g.RankOf(c);
    if ((r == kRank8 && g.Options.EightClears()) || (r == kRank5 && g.Options.FiveSkips()) || r > kRankQ) {
      ClearTable(g);
      if (g.StockCount == 0) ReshuffleDiscard(g);
      continue;
    }
    break;
  }
  if (g.Table.Count == 1) {
    const int c = g.Table.Cards[1];
    const int r = g.RankOf(c);
    if (g.Options.BlackSevenLowersLine() && r == kRank7 && IsBlack(g, c)) --g.Line;
    if (g.Options.JackTurnsOrder() && r == kRankJ) g.TempRevolution = -g.TempRevolution;
    if (g.Options.QueenReverses() && r == kRankQ) g.Direction = -g.Direction;
    // A joker or a card of the same rank on top of the stock joins it.
    if (g.StockCount > 0) {
      const int c2 = g.Stock[g.StockCount];
      if (IsJoker(c2) || g.RankOf(c2) == r) {
        g.Table.Cards[2] = static_cast<uint8_t>(c2);
        g.Table.Count = 2;
        g.CardPlace[c2] = kOnTable;
        g.Stock[g.StockCount] = 0;
        --g.StockCount;
        if (g.Options.BlackSevenLowersLine() && g.RankOf(c2) == kRank7 && IsBlack(g, c2)) --g.Line;
        if (g.StockCount == 0) ReshuffleDiscard(g);
      }
    }
  }
  if (g.Table.Count == 2 && g.Table.Cards[2] < g.Table.Cards[1])
    std::swap(g.Table.Cards[1], g.Table.Cards[2]);
  const int n = g.Table.Count;
  for (int i = 1; i <= n; ++i) {
    const Point at = OpeningCardPlace(i, n);
    g.Table.X[i] = static_cast<int16_t>(at.x);
    g.Table.Y[i] = static_cast<int16_t>(at.y);
  }
}

void DrawFromStock(Game& g, int seat, bool dealing) {
  if (g.StockCount == 0) ReshuffleDiscard(g);
  if (g.StockCount == 0) return;  // nothing left anywhere to draw
  SeatRecord& rec = g.Seat[seat];
  if (rec.CardCount >= kHandSlots - 1) return;
  if (!dealing) g.View->AnimateDraw(seat);
  ++rec.CardCount;
  const int c = g.Stock[g.StockCount];
  rec.Hand[rec.CardCount] = static_cast<uint8_t>(c);
  g.CardPlace[c] = static_cast<uint8_t>(seat);
  g.Stock[g.StockCount] = 0;
  --g.StockCount;
  if (g.StockCount == 0) ReshuffleDiscard(g);
}

bool SwapJokerFromStock(Game& g, int seat, int slot) {
  if (slot < 1 || slot > g.Seat[seat].CardCount || slot >= kHandSlots) return false;
  int j = 1;
  while (j <= g.StockCount && !IsJoker(g.Stock[j])) ++j;
  if (j > g.StockCount) return false;
  uint8_t& card = g.Seat[seat].Hand[slot];
  std::swap(g.Stock[j], card);
  g.CardPlace[card] = static_cast<uint8_t>(seat);
  g.CardPlace[g.Stock[j]] = kInStock;
  return true;
}

void ReshuffleDiscard(Game& g) {
  const int n = g.DiscardCount;
  if (n == 0) return;
  ShufflePile(g.Rng, g.DiscardPile, n);
  for (int i = 1; i <= n; ++i) {
    g.Stock[i] = g.DiscardPile[i];
    g.CardPlace[g.Stock[i]] = kInStock;
    g.DiscardPile[i] = 0;
  }
  g.StockCount = n;
  g.DiscardCount = 0;
}

void ClearTable(Game& g) {
  for (int i = 1; i <= g.TrickCount; ++i) {
    const int c = g.TrickPile[i];
    g.DiscardPile[++g.DiscardCount] = static_cast<uint8_t>(c);
    g.CardPlace[c] = kInDiscard;
    g.TrickPile[i] = 0;
  }
  g.TrickCount = 0;
  for (int i = 1; i <= g.Table.Count; ++i) {
    const int c = g.Table.Cards[i];
    g.DiscardPile[++g.DiscardCount] = static_cast<uint8_t>(c);
    g.CardPlace[c] = kInDiscard;
    g.Table.Cards[i] = 0;
  }
  g.Table.Count = 0;
  g.Table.SuitLock = false;
  g.Table.ParityLock = false;
  g.Table.StairKey = kNoStair;
  for (int s = 1; s <= g.Options.SeatCount; ++s)
    if (g.Seat[s].Status == kSkipped) g.Seat[s].Status = kPlaying;
  g.TempRevolution = 1;
  g.View->RenderTable(0, true, true);
}

}  // namespace tomaruk

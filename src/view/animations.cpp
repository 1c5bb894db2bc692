// The blocking animations: a play flying to the table, a drawn card travelling to its seat, the
// hands of dropped-out seats sinking away, and the table sweeping off when a round ends. Every
// frame lasts at least the shortest frame time (flow/timing.h).
#include <cmath>
#include <vector>

#include "flow/timing.h"
#include "view/table_view.h"

namespace tomaruk {

namespace {
constexpr int W = kScreenWidth;
constexpr int H = kScreenHeight;
constexpr double kStraightDown = 1.570796326794895;
}  // namespace

void TableView::AnimatePlay() {
  // The human plays from the middle of the hand; a computer seat from its first back.
  const double a = g.Turn == 1 ? kStraightDown : SeatAngle(g.Turn);
  const int sx = RoundEven(std::cos(a) * 240 + W / 2 - 44);
  const int sy = RoundEven(std::sin(a) * 180 + H / 2 - 48);
  for (int f = 10; f <= 30; f += 10) {
    pacer.PacedFrame([&] {
      RenderTable(0, false, false);
      for (int i = 1; i <= g.Table.Count && i <= 15; ++i)
        DrawCard(RoundEven((g.Table.X[i] - sx) / 30.0 * f + sx),
                 RoundEven((g.Table.Y[i] - sy) / 30.0 * f + sy), g.Table.Cards[i]);
      frame.Present();
    });
  }
}

void TableView::AnimateDraw(int seat) {
  // The drawn card is the top of the pile; the pile and the hand do not change while it moves.
  if (g.StockCount < 1) return;
  const SeatRecord& rec = g.Seat[seat];
  const int n = rec.CardCount;
  if (seat > 1) {
    const double a = SeatAngle(seat);
    const int sx = 128, sy = 192 - 2 * (g.StockCount / 10);
    // The next place of the fan as it will be with one card more.
    const int tx = RoundEven(std::cos(a) * 240 + W / 2 + (30 / (n + 1)) * n - 44);
    const int ty = RoundEven(std::sin(a) * 180 + H / 2 - 48);
    for (int t = 0; t <= 120; t += 30) {
      pacer.PacedFrame([&] {
        RenderTable(0, false, true);
        frame.DrawCardBack(RoundEven((tx - sx) / 120.0 * t + sx), RoundEven((ty - sy) / 120.0 * t + sy),
                           kCardH);
        DrawSeatStatus(seat, a);
        frame.Present();
      });
    }
    return;
  }

  // The human's card drops into its sorted place; the cards to its right have already moved on.
  const int c = g.Stock[g.StockCount];
  std::vector<int> hand;
  for (int i = 1; i <= n && i < kHandSlots; ++i) hand.push_back(rec.Hand[i]);
  std::size_t p = 0;
  while (p < hand.size() && hand[p] <= c) ++p;
  hand.insert(hand.begin() + static_cast<std::ptrdiff_t>(p), c);
  const int L = HandLeft();
  for (int lift = 16; lift >= 0; lift -= 4) {
    pacer.PacedFrame([&] {
      frame.CopyBackground(144, 356, 288, 112);
      for (std::size_t i = 0; i < hand.size(); ++i)
        DrawCard(L + static_cast<int>(i) * kFanStep, i == p ? 372 - lift : 372, hand[i]);
      DrawSeatStatus(1, 0);
      frame.Present();
    });
  }
}

void TableView::AnimateDropOut(const std::array<bool, 9>& marked) {
  for (int t = 0; t <= kCardH; t += 8) {
    pacer.host().PumpMessages();
    pacer.PacedFrame([&] {
      if (marked[1]) DrawPlayerHand(t);
      for (int s = 2; s <= g.Options.SeatCount && s <= kMaxSeats; ++s) {
        if (!marked[static_cast<std::size_t>(s)]) continue;
        const double a = SeatAngle(s);
        const double cx = std::cos(a) * 240 + W / 2, cy = std::sin(a) * 180 + H / 2;
        frame.CopyBackground(RoundEven(cx - 44), RoundEven(cy - 48), 100, kCardH);
        // The backs slide down and lose their bottom rows, so they vanish into their lower edge.
        const int n = g.Seat[s].CardCount;
        for (int i = 1; i <= n && i < kHandSlots; ++i)
          frame.DrawCardBack(RoundEven(cx + (i - 1) * (30 / n) - 44), RoundEven(cy - 48 + t), kCardH - t);
        // The erased area may cut into the draw pile.
        frame.DrawCardBack(128, 192 - 2 * (g.StockCount / 10), kCardH);
      }
      frame.Present();
    });
  }
}

void TableView::ClearTableEffect() {
  RenderTable(0, true, true);
  pacer.ComputerPause(HurryOn(g));
  // The played cards sweep up and to the right, off the table.
  for (int phase = 0; phase <= 450; phase += 150) {
    pacer.host().PumpMessages();
    pacer.PacedFrame([&] { RenderTable(phase, true, true); });
  }
}

void TableView::DealtCard() {
  RenderTable(0, true, true);
  pacer.Wait(kDealtCardMs);
}

}  // namespace tomaruk

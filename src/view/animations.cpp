// The blocking animations: a play flying to the table, a drawn card travelling to its seat, the
// hands of dropped-out seats sinking away, and the table sweeping off when a round ends. Every
// frame lasts at least the shortest frame time (flow/timing.h).
#include <vector>

#include "flow/timing.h"
#include "view/table_view.h"

namespace tomaruk {

namespace {

// Marks the view busy with an animation while it lasts: its own redraws log nothing.
class Busy {
 public:
  explicit Busy(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~Busy() { flag_ = was_; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace

void TableView::AnimatePlay() {
  if (assist) {
    AddToLog("");
    pending_ = NoteBeforeEffects(g);
    clears_ = 0;
    lastWasPlay_ = true;
    refusal_.clear();
  }
  const Busy busy(busy_);
  // The human plays from the middle of the hand; a computer seat from its first back.
  const Point from = PlayFrom(g.Options, g.Turn);
  const int sx = from.x, sy = from.y;
  for (int f = 10; f <= 30; f += 10) {
    pacer.PacedFrame([&] {
      RenderTable(0, false, false);
      for (int i = 1; i <= g.Table.Count && i <= kMaxPlayCards; ++i)
        DrawCard(RoundEven((g.Table.X[i] - sx) / 30.0 * f + sx),
                 RoundEven((g.Table.Y[i] - sy) / 30.0 * f + sy), g.Table.Cards[i]);
      frame.Present();
    });
  }
}

void TableView::AnimateDraw(int seat) {
  if (assist) {
    AddToLog(LogName(g, seat) +
             (g.Seat[seat].Status == kSkipped ? ": スキップで1枚引く" : ": パスで1枚引く"));
    lastWasPlay_ = false;
    refusal_.clear();
  }
  const Busy busy(busy_);
  // The drawn card is the top of the pile; the pile and the hand do not change while it moves.
  if (g.StockCount < 1) return;
  const SeatRecord& rec = g.Seat[seat];
  const int n = rec.CardCount;
  if (seat > 1) {
    const double a = SeatAngle(g.Options, seat);
    const int sx = StockTop(g.StockCount).x, sy = StockTop(g.StockCount).y;
    // The next place of the fan as it will be with one card more.
    const Point target = SeatBack(a, n + 1, n + 1);
    const int tx = target.x, ty = target.y;
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
  for (int lift = kLiftedBy; lift >= 0; lift -= 4) {
    pacer.PacedFrame([&] {
      frame.CopyBackground(kHandArea.x, kHandArea.y, kHandArea.w, kHandArea.h);
      for (std::size_t i = 0; i < hand.size(); ++i) {
        const Rect slot = HandSlot(g.Options, static_cast<int>(i) + 1);
        DrawCard(slot.x, i == p ? slot.y - lift : slot.y, hand[i]);
      }
      DrawSeatStatus(1, 0);
      frame.Present();
    });
  }
}

void TableView::AnimateDropOut(const std::array<bool, 9>& marked) {
  for (int s = 1; assist && s <= g.Options.SeatCount && s <= kMaxSeats; ++s)
    if (marked[static_cast<std::size_t>(s)]) AddToLog(LogName(g, s) + ": " + CountText(g, s) + "で脱落");
  lastWasPlay_ = false;
  const Busy busy(busy_);
  for (int t = 0; t <= kCardH; t += 8) {
    pacer.host().PumpMessages();
    pacer.PacedFrame([&] {
      if (marked[1]) DrawPlayerHand(t);
      for (int s = 2; s <= g.Options.SeatCount && s <= kMaxSeats; ++s) {
        if (!marked[static_cast<std::size_t>(s)]) continue;
        const double a = SeatAngle(g.Options, s);
        const Rect fan = SeatFanArea(a);
        frame.CopyBackground(fan.x, fan.y, fan.w, fan.h);
        // The backs slide down and lose their bottom rows, so they vanish into their lower edge.
        const int n = g.Seat[s].CardCount;
        for (int i = 1; i <= n && i < kHandSlots; ++i) {
          const Point back = SeatBack(a, i, n, t);
          frame.DrawCardBack(back.x, back.y, kCardH - t);
        }
        // The erased area may cut into the draw pile.
        frame.DrawCardBack(StockTop(g.StockCount).x, StockTop(g.StockCount).y, kCardH);
      }
      frame.Present();
    });
  }
}

void TableView::ClearTableEffect() {
  if (pending_) {
    ++clears_;
  } else if (assist && !lastWasPlay_) {
    AddToLog("全員パスで場が流れる");
  }
  const Busy busy(busy_);
  RenderTable(0, true, true);
  pacer.ComputerPause(HurryOn(g));
  // The played cards sweep up and to the right, off the table.
  for (int phase = 0; phase <= 450; phase += 150) {
    pacer.host().PumpMessages();
    pacer.PacedFrame([&] { RenderTable(phase, true, true); });
  }
}

void TableView::DealtCard() {
  const Busy busy(busy_);
  RenderTable(0, true, true);
  pacer.Wait(kDealtCardMs);
}

}  // namespace tomaruk

#include "view/table_view.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tomaruk {

namespace {

constexpr int W = kScreenWidth;
constexpr int H = kScreenHeight;

// The status labels, eight half-width columns each; a seat still playing shows none.
const char* const kStatusText[] = {"", " 脱  落 ", "スキップ", " あがり ", "反則負け"};

bool HoldsCards(uint8_t status) { return status == kPlaying || status == kSkipped; }

// The source row of an icon: the top half for +1, the bottom half for -1.
int IconRow(int value) { return (1 - value) * 16; }

}  // namespace

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

double TableView::SeatAngle(int s) const {
  const int n = g.Options.SeatCount > 0 ? g.Options.SeatCount : 1;
  return ((s - 1) * (330 / n) + 105) * 0.017453292519943278;
}

std::string TableView::SeatLabel(int s) const {
  return std::to_string(s) + "P " + g.Characters[g.Seat[s].Character].Name;
}

void TableView::RenderTable(int clearPhase, bool present, bool showTable) {
  frame.SetFontSize(12);
  frame.CopyBackground(0, 0, W, H);
  const SeatRecord& me = g.Seat[1];
  if (HoldsCards(me.Status)) {
    DrawPlayerHand(0);
    DrawButtons(0);
  }
  DrawSeatStatus(1, 0);

  for (int s = 2; s <= g.Options.SeatCount && s <= kMaxSeats; ++s) {
    const double a = SeatAngle(s);
    const double cx = std::cos(a) * 240 + W / 2, cy = std::sin(a) * 180 + H / 2;
    const SeatRecord& seat = g.Seat[s];
    if (HoldsCards(seat.Status)) {
      // A fan of backs spread over at most 30 pixels.
      for (int i = 1; i <= seat.CardCount && i < kHandSlots; ++i)
        frame.DrawCardBack(RoundEven(cx + (i - 1) * (30 / seat.CardCount) - 44), RoundEven(cy - 48), kCardH);
    }
    QRgb colour = kWhiteRgb;
    if (s == g.LeadSeat) colour = kRedRgb;
    if (s == g.Turn) colour = kYellowRgb;
    frame.SetForeground(colour);
    frame.DrawText(RoundEven(cx - 30), RoundEven(cy + 50), SeatLabel(s));
    DrawSeatStatus(s, a);
  }

  // The draw pile: one back for every ten cards, each two pixels higher; an empty pile still shows one.
  for (int k = 0; k <= g.StockCount / 10; ++k) frame.DrawCardBack(128, 192 - 2 * k, kCardH);

  frame.SetForeground(kWhiteRgb);
  char line[16];
  // At least two digits after the sign, as the table shows every number: 07, -01.
  std::snprintf(line, sizeof line, g.Line < 0 ? "-%02d" : "%02d", std::abs(static_cast<int>(g.Line)));
  frame.DrawText(216, 135, std::string("制限枚数 ") + line);

  // The revolution arrow, the order of strength in force drawn over it, and the direction of play.
  frame.DrawSprite(frame.picGra, 32, 0, IconRow(g.Revolution), 296, 120, 32, 32);
  frame.DrawSprite(frame.picGra, 96, 64, IconRow(g.TempRevolution * g.Revolution), 296, 120, 32, 32);
  frame.DrawSprite(frame.picGra, 160, 128, IconRow(g.Direction), 336, 120, 32, 32);

  for (int i = 1; i <= g.TrickCount && i <= kCardCount; ++i)
    DrawCard(g.TrickX[i] + clearPhase, g.TrickY[i] - clearPhase, g.TrickPile[i]);
  if (showTable) {
    for (int i = 1; i <= g.Table.Count && i <= 15; ++i) {
      const int x = g.Table.X[i], y = g.Table.Y[i];
      DrawCard(x + clearPhase, y - clearPhase, g.Table.Cards[i]);
      if (clearPhase != 0) continue;
      // Each card's lock frames go on before the next card covers part of them.
      if (g.Table.SuitLock) {
        frame.SetForeground(kBlueRgb);
        frame.SetPenWidth(2);
        frame.FrameRoundRect(x, y, x + 64, y + 96, 6, 6);
      }
      if (g.Table.ParityLock) {
        frame.SetForeground(kRedRgb);
        frame.SetPenWidth(2);
        frame.FrameRoundRect(x - 2, y - 2, x + 66, y + 98, 6, 6);
      }
    }
  }
  if (present) frame.Present();
}

void TableView::DrawPlayerHand(int offset) {
  frame.CopyBackground(144, 356, 288, 112);
  const SeatRecord& me = g.Seat[1];
  const int L = HandLeft();
  for (int i = 1; i <= me.CardCount && i < kHandSlots; ++i)
    DrawCard(L + (i - 1) * kFanStep, 372 + offset - (me.Selected[i] ? 16 : 0), me.Hand[i]);
}

void TableView::DrawButtons(int highlight) {
  frame.SetPenWidth(1);
  // Drawn over themselves the buttons change no pixel: the input loop's redraw every poll is
  // skipped while nothing else was drawn since and the same button is lit.
  if (highlight == buttonsLit_ && frame.fontSize == buttonsFont_ && frame.Version() == buttonsVersion_) {
    frame.SetForeground(highlight == 2 ? kWhiteRgb : kGreyRgb);  // as drawing them leaves it
    return;
  }
  frame.SetForeground(highlight == 1 ? kWhiteRgb : kGreyRgb);
  frame.FrameRect(456, 408, 520, 432);
  frame.DrawText(476, 414, "決定");
  frame.SetForeground(highlight == 2 ? kWhiteRgb : kGreyRgb);
  frame.FrameRect(456, 444, 520, 468);
  frame.DrawText(476, 450, "パス");
  buttonsLit_ = highlight;
  buttonsFont_ = frame.fontSize;
  buttonsVersion_ = frame.Version();
}

void TableView::DrawSeatStatus(int seat, double angle) {
  const uint8_t status = g.Seat[seat].Status;
  if (status == kPlaying || status > kFouled) return;
  frame.SetForeground(kWhiteRgb);
  const std::string text = kStatusText[status];
  if (seat == 1) {
    frame.DimRect(256, 408, 64, 24);
    frame.DrawText(264, 414, text);
    return;
  }
  const double cx = std::cos(angle) * 240 + W / 2, cy = std::sin(angle) * 180 + H / 2;
  frame.DimRect(RoundEven(cx - 32), RoundEven(cy - 12), 64, 24);
  frame.DrawText(RoundEven(cx - 24), RoundEven(cy - 6), text);
}

}  // namespace tomaruk

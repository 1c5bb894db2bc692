#include "view/table_view.h"

#include <cstdio>
#include <cstdlib>

#include "game/rules.h"

namespace tomaruk {

namespace {

// The status labels, eight half-width columns each; a seat still playing shows none.
const char* const kStatusText[] = {"", " 脱  落 ", "スキップ", " あがり ", "反則負け"};

// The source row of an icon: the top half for +1, the bottom half for -1.
int IconRow(int value) { return (1 - value) * 16; }

}  // namespace

void TableView::RenderTable(int clearPhase, bool present, bool showTable) {
  // A play is logged once its effects are done; a finishing seat's, once it is out.
  if (assist && pending_ && !busy_) {
    const SeatRecord& player = g.Seat[pending_->seat];
    if (player.CardCount > 0 || IsOut(player.Status)) AddToLog("");
  }
  frame.SetFontSize(12);
  frame.CopyBackground(0, 0, kScreenWidth, kScreenHeight);
  const SeatRecord& me = g.Seat[1];
  if (HoldsCards(me.Status)) {
    DrawPlayerHand(0);
    DrawButtons(0);
  }
  DrawSeatStatus(1, 0);

  for (int s = 2; s <= g.Options.SeatCount && s <= kMaxSeats; ++s) {
    const double a = SeatAngle(g.Options, s);
    const SeatRecord& seat = g.Seat[s];
    if (HoldsCards(seat.Status)) {
      // Each back of the fan is drawn but for what the next one covers.
      const int n = std::min(seat.CardCount, kHandSlots - 1);
      for (int i = 1; i <= n; ++i) {
        const Point back = SeatBack(a, i, seat.CardCount);
        frame.DrawCardBack(back.x, back.y, kCardH,
                           i < n ? std::optional(SeatBack(a, i + 1, seat.CardCount)) : std::nullopt);
      }
    }
    QRgb colour = kWhiteRgb;
    if (s == g.LeadSeat) colour = kRedRgb;
    if (s == g.Turn) colour = kYellowRgb;
    frame.SetForeground(colour);
    frame.DrawText(SeatName(a).x, SeatName(a).y, SeatLabel(g, s));
    DrawSeatStatus(s, a);
  }

  // The draw pile: one back for every ten cards, each two pixels higher; an empty pile still shows one.
  const int stockBacks = g.StockCount / 10 + 1;
  for (int k = 0; k < stockBacks; ++k)
    frame.DrawCardBack(StockBack(k).x, StockBack(k).y, kCardH,
                       k + 1 < stockBacks ? std::optional(StockBack(k + 1)) : std::nullopt);

  frame.SetForeground(kWhiteRgb);
  char line[16];
  // At least two digits after the sign, as the table shows every number: 07, -01.
  std::snprintf(line, sizeof line, g.Line < 0 ? "-%02d" : "%02d", std::abs(static_cast<int>(g.Line)));
  frame.DrawText(kLimitText.x, kLimitText.y, std::string("制限枚数 ") + line);

  // The revolution arrow, the order of strength in force drawn over it, and the direction of play.
  const Point order = kOrderIcons, turn = kDirectionIcon;
  const int n = kIconSize;
  frame.DrawSprite(frame.picGra, 32, 0, IconRow(g.Revolution), order.x, order.y, n, n);
  frame.DrawSprite(frame.picGra, 96, 64, IconRow(g.TempRevolution * g.Revolution), order.x, order.y, n, n);
  frame.DrawSprite(frame.picGra, 160, 128, IconRow(g.Direction), turn.x, turn.y, n, n);

  const int tricks = std::min(g.TrickCount, kCardCount);
  const auto trickCard = [&](int i) { return Point{g.TrickX[i] + clearPhase, g.TrickY[i] - clearPhase}; };
  for (int i = 1; i <= tricks; ++i)
    DrawCard(trickCard(i).x, trickCard(i).y, g.TrickPile[i],
             i < tricks && Drawable(g.TrickPile[i + 1]) ? std::optional(trickCard(i + 1)) : std::nullopt);
  if (showTable) {
    const int count = std::min(g.Table.Count, kMaxPlayCards);
    for (int i = 1; i <= count; ++i) {
      const int x = g.Table.X[i], y = g.Table.Y[i];
      // A lock frame drawn in between lies under the next card all the same.
      const bool covered = i < count && Drawable(g.Table.Cards[i + 1]);
      DrawCard(x + clearPhase, y - clearPhase, g.Table.Cards[i],
               covered ? std::optional(Point{g.Table.X[i + 1] + clearPhase, g.Table.Y[i + 1] - clearPhase})
                       : std::nullopt);
      if (clearPhase != 0) continue;
      // Each card's lock frames go on before the next card covers part of them.
      if (g.Table.SuitLock) {
        frame.SetForeground(kBlueRgb);
        frame.SetPenWidth(2);
        frame.FrameRoundRect(x, y, x + kCardW, y + kCardH, 6, 6);
      }
      if (g.Table.ParityLock) {
        frame.SetForeground(kRedRgb);
        frame.SetPenWidth(2);
        frame.FrameRoundRect(x - 2, y - 2, x + kCardW + 2, y + kCardH + 2, 6, 6);
      }
    }
  }
  if (assist) DrawAssist();
  if (present) frame.Present();
}

void TableView::DrawPlayerHand(int offset) {
  frame.CopyBackground(kHandArea.x, kHandArea.y, kHandArea.w, kHandArea.h);
  const SeatRecord& me = g.Seat[1];
  const int n = std::min(me.CardCount, kHandSlots - 1);
  const auto place = [&](int i) {
    const Rect slot = HandSlot(g.Options, i);
    return Point{slot.x, slot.y + offset - (me.Selected[i] ? kLiftedBy : 0)};
  };
  for (int i = 1; i <= n; ++i)
    DrawCard(place(i).x, place(i).y, me.Hand[i],
             i < n && Drawable(me.Hand[i + 1]) ? std::optional(place(i + 1)) : std::nullopt);
}

void TableView::DrawButtons(int highlight) {
  frame.SetPenWidth(1);
  // With the assist layer a button the player can use now is drawn live, the one under the
  // cursor yellow, and a refused play's reason shows below them for a moment.
  const SeatRecord& me = g.Seat[1];
  bool live[3] = {false, false, false};
  std::string refusal;
  if (assist && g.Turn == 1 && me.Status == kPlaying && !busy_) {
    for (int i = 1; i < kHandSlots; ++i) live[kPlayButton] = live[kPlayButton] || me.Selected[i];
    live[kPassButton] = PassAllowed(g);
    refusal = FreshRefusal();
  }
  const std::string assistKey = assist ? std::string{char('0' + live[1]), char('0' + live[2])} + refusal : "";
  // Drawn over themselves the buttons change no pixel: the input loop's redraw every poll is
  // skipped while nothing else was drawn since and the same button is lit.
  if (highlight == buttonsLit_ && frame.fontSize == buttonsFont_ && frame.Version() == buttonsVersion_ &&
      assistKey == buttonsAssist_) {
    frame.SetForeground(highlight == kPassButton ? kWhiteRgb : kGreyRgb);  // as drawing them leaves it
    return;
  }
  if (assist) {
    const Rect below{kScreenWidth / 2 + 144, ButtonColumn().Bottom(), kScreenWidth / 2 - 144,
                     kScreenHeight - ButtonColumn().Bottom()};
    frame.CopyBackground(below.x, below.y, below.w, below.h);
    if (const std::optional<AssistLabel> l = RefusalLabel(g, refusal)) {
      frame.SetForeground(l->colour);
      frame.DrawText(l->box.x, l->box.y, l->text);
    }
  }
  for (const TableButton b : {kPlayButton, kPassButton}) {
    const Rect box = ButtonBox(b);
    frame.SetForeground(highlight == b ? (assist ? kYellowRgb : kWhiteRgb) : live[b] ? kWhiteRgb : kGreyRgb);
    frame.FrameRect(box.x, box.y, box.Right(), box.Bottom());
    frame.DrawText(ButtonCaption(b).x, ButtonCaption(b).y, b == kPlayButton ? "決定" : "パス");
  }
  buttonsLit_ = highlight;
  buttonsAssist_ = assistKey;
  buttonsFont_ = frame.fontSize;
  buttonsVersion_ = frame.Version();
}

void TableView::DrawSeatStatus(int seat, double angle) {
  const uint8_t status = g.Seat[seat].Status;
  if (status == kPlaying || status > kFouled) return;
  frame.SetForeground(kWhiteRgb);
  const std::string text = kStatusText[status];
  const Rect box = StatusBox(seat, angle);
  frame.DimRect(box.x, box.y, box.w, box.h);
  frame.DrawText(StatusText(seat, angle).x, StatusText(seat, angle).y, text);
}

}  // namespace tomaruk

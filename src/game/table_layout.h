#pragma once
// Where everything lies on the table, in pixels of the window's client area (x to the right, y
// down): the player's hand and its slots, the two buttons, the computer seats on their ellipse with
// their fans of backs, names and status boxes, the draw pile, the limit and the state icons, and
// where a played card comes to lie. The input loop hit-tests with it, the table view and its
// animations draw with it, and the tests aim their clicks with it: a place is written here once.
//
// Beside the places drawn today it names the anchors of anything drawn next to them: a seat's
// name label (for its card count), the player's hand area (for a cue beside it) and the column
// of the two buttons (for a word beside them).
#include "game/options.h"
#include "game/rounding.h"

namespace tomaruk {

constexpr int kScreenWidth = 576;
constexpr int kScreenHeight = 480;
// A card as drawn, in pixels.
constexpr int kCardW = 64;
constexpr int kCardH = 96;
// How far each card of a fanned row (the player's hand, a play on the table) lies to the right of
// the one before: all but the last card show a strip this wide.
constexpr int kFanStep = 16;
// A selected card of the hand sits this much higher than the others.
constexpr int kLiftedBy = 16;

// A pixel of the window, or the cursor.
struct Point {
  int x = 0, y = 0;
};

// Whether rectangle 1 touches rectangle 2 (edges inclusive).
constexpr bool RectHit(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
  return x1 + w1 >= x2 && x1 <= x2 + w2 && y1 <= y2 + h2 && y1 + h1 >= y2;
}

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  constexpr int Right() const { return x + w; }  // the first column past it
  constexpr int Bottom() const { return y + h; }
  // The cursor is a 1 x 1 rectangle touching this one: it still counts a pixel beyond each edge.
  constexpr bool UnderCursor(Point p) const { return RectHit(p.x, p.y, 1, 1, x, y, w, h); }
};

// ---- The player's hand, face up at the bottom.

// The top of the hand's cards when none is lifted.
constexpr int kHandTop = kScreenHeight / 2 + 132;
// The hand starts further left the more cards it may come to hold: 208 at limit 7, 144 at 15.
inline int HandLeft(const OptionRecord& o) { return kScreenWidth / 2 - (o.InitialLine + 3) * 8; }
// Card i (1..) of the hand, not lifted.
inline Rect HandSlot(const OptionRecord& o, int i) {
  return {HandLeft(o) + (i - 1) * kFanStep, kHandTop, kCardW, kCardH};
}
// The hand slot 1..n under the cursor, 0 for none. The overlapped cards are hit by their strips,
// the last card whole; like every area, each counts a pixel beyond its edges.
int HandSlotAt(const OptionRecord& o, int n, Point p);
// Erased before the hand is drawn: from the longest hand's left edge to as far right of the
// centre, from a lifted card's top down to the cards' foot.
constexpr Rect kHandArea{kScreenWidth / 2 - 144, kHandTop - kLiftedBy, 288, kCardH + kLiftedBy};

// ---- The two buttons right of the hand, one above the other.

enum TableButton : int { kNoButton = 0, kPlayButton = 1, kPassButton = 2 };
// "決定" above, "パス" below.
inline Rect ButtonBox(TableButton b) {
  return {kScreenWidth / 2 + 168, kScreenHeight / 2 + (b == kPassButton ? 204 : 168), 64, 24};
}
// A button's four-column caption, centred in its box.
inline Point ButtonCaption(TableButton b) { return {ButtonBox(b).x + 20, ButtonBox(b).y + 6}; }
// The button under the cursor (they do not overlap).
inline TableButton ButtonAt(Point p) {
  if (ButtonBox(kPlayButton).UnderCursor(p)) return kPlayButton;
  if (ButtonBox(kPassButton).UnderCursor(p)) return kPassButton;
  return kNoButton;
}
// Both buttons together.
inline Rect ButtonColumn() {
  const Rect play = ButtonBox(kPlayButton);
  return {play.x, play.y, play.w, ButtonBox(kPassButton).Bottom() - play.y};
}

// ---- The seats. The player sits at the bottom; every computer seat on an ellipse around the
// centre of the table, clockwise on screen from just left of straight below.

// A computer seat's angle in radians (clockwise on screen, 90 degrees straight below the centre).
double SeatAngle(const OptionRecord& o, int seat);
// A seat's place on the ellipse, in real numbers: everything of the seat is worked out from it
// and only then rounded.
struct SeatCentre {
  double x = 0, y = 0;
};
SeatCentre SeatCentreAt(double angle);
// A computer hand is a fan of backs spread over at most this many pixels.
constexpr int kSeatFanWidth = 30;
// Back i (1..n) of a fan of n cards at the seat, sunk by `sink` pixels.
Point SeatBack(double angle, int i, int n, int sink = 0);
// Erased under a sinking fan.
Rect SeatFanArea(double angle);
// The seat's name label: eleven half-width columns of the 12-pixel font, below the fan.
Rect SeatName(double angle);
// The box of a status label ("スキップ", "あがり", …) and its text, eight half-width columns
// centred in it. The player's sits in the middle of the hand area; the angle is then unused.
Rect StatusBox(int seat, double angle);
Point StatusText(int seat, double angle);
// Where a play flies from: a computer seat's first back; the player's, from straight below.
Point PlayFrom(const OptionRecord& o, int seat);

// ---- The middle of the table.

// Back k (0..) of the draw pile, each two pixels above the one before; one back for every ten
// cards, and an empty pile still shows one.
inline Point StockBack(int k) { return {kScreenWidth / 2 - 160, kScreenHeight / 2 - 48 - 2 * k}; }
inline Point StockTop(int stockCount) { return StockBack(stockCount / 10); }
// The limit text "制限枚数 07", the two order arrows (one over the other) and the direction icon.
constexpr Point kLimitText{216, 135};
constexpr Point kOrderIcons{296, 120};
constexpr Point kDirectionIcon{336, 120};
constexpr int kIconSize = 32;
// Card i of the n opening cards turned up at the deal, centred on the table.
Point OpeningCardPlace(int i, int n);
// Card k of a play of n cards by `seat`: a little towards the seat's side of the table, moved by
// (dx, dy) so that plays do not lie exactly on top of each other.
Point PlayedCardPlace(const OptionRecord& o, int seat, int k, int n, int dx, int dy);

}  // namespace tomaruk

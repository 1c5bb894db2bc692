#include "game/table_layout.h"

#include <array>
#include <cmath>

#include "game/state.h"

namespace tomaruk {

namespace {
constexpr double kRadiansPerDegree = 0.017453292519943278;
// The ellipse the computer seats sit on, around the centre of the table.
constexpr int kSeatRadiusX = 240;
constexpr int kSeatRadiusY = 180;
// The player's side of the table, straight below the centre.
constexpr double kStraightDown = 1.570796326794895;
}  // namespace

int HandSlotAt(const OptionRecord& o, int n, Point p) {
  const int left = HandLeft(o);
  if (n > 1 && Rect{left, kHandTop, (n - 1) * kFanStep, kCardH}.UnderCursor(p))
    return (p.x - left) / kFanStep + 1;
  if (n >= 1 && HandSlot(o, n).UnderCursor(p)) return n;
  return 0;
}

double SeatAngle(const OptionRecord& o, int seat) {
  const int n = o.SeatCount > 0 ? o.SeatCount : 1;
  return ((seat - 1) * (330 / n) + 105) * kRadiansPerDegree;
}

SeatCentre SeatCentreAt(double angle) {
  return {std::cos(angle) * kSeatRadiusX + kScreenWidth / 2,
          std::sin(angle) * kSeatRadiusY + kScreenHeight / 2};
}

Point SeatBack(double angle, int i, int n, int sink) {
  const SeatCentre c = SeatCentreAt(angle);
  return {RoundEven(c.x + (i - 1) * (kSeatFanWidth / n) - 44), RoundEven(c.y - 48 + sink)};
}

Rect SeatFanArea(double angle) {
  const SeatCentre c = SeatCentreAt(angle);
  return {RoundEven(c.x - 44), RoundEven(c.y - 48), 100, kCardH};
}

Rect SeatName(double angle) {
  const SeatCentre c = SeatCentreAt(angle);
  return {RoundEven(c.x - 30), RoundEven(c.y + 50), 11 * 6, 12};
}

Rect StatusBox(int seat, double angle) {
  if (seat == 1) return {kScreenWidth / 2 - 32, kScreenHeight / 2 + 168, 64, 24};
  const SeatCentre c = SeatCentreAt(angle);
  return {RoundEven(c.x - 32), RoundEven(c.y - 12), 64, 24};
}

Point StatusText(int seat, double angle) {
  if (seat == 1) return {StatusBox(1, 0).x + 8, StatusBox(1, 0).y + 6};
  const SeatCentre c = SeatCentreAt(angle);
  return {RoundEven(c.x - 24), RoundEven(c.y - 6)};
}

Point PlayFrom(const OptionRecord& o, int seat) {
  return SeatBack(seat == 1 ? kStraightDown : SeatAngle(o, seat), 1, 1);
}

Point OpeningCardPlace(int i, int n) {
  return {RoundEven((i - (n + 1) / 2.0) * kFanStep + kScreenWidth / 2 + 16), kScreenHeight / 2 - 48};
}

namespace {
// The direction from the table's centre in which a seat's plays land: the cosine and sine of its
// angle.
struct PlayDirection {
  double cos = 0, sin = 0;
};
PlayDirection PlayDirectionOf(int seats, int seat) {
  const double a = ((seat - 1) * (360 / seats) + 90) * kRadiansPerDegree;
  return {std::cos(a), std::sin(a)};
}
// Every seat's direction at every seat count, worked out once: each card of each play asks.
const PlayDirection& CachedPlayDirection(int seats, int seat) {
  static const auto kDirections = [] {
    std::array<std::array<PlayDirection, kMaxSeats + 1>, kMaxSeats + 1> d{};
    for (int n = 1; n <= kMaxSeats; ++n)
      for (int s = 1; s <= kMaxSeats; ++s) d[n][s] = PlayDirectionOf(n, s);
    return d;
  }();
  return kDirections[seats][seat];
}
}  // namespace

Point PlayedCardPlace(const OptionRecord& o, int seat, int k, int n, int dx, int dy) {
  const int seats = o.SeatCount;
  const PlayDirection d = seats >= 1 && seats <= kMaxSeats && seat >= 1 && seat <= kMaxSeats
                              ? CachedPlayDirection(seats, seat)
                              : PlayDirectionOf(seats, seat);
  return {RoundEven(d.cos * 48 + kScreenWidth / 2 + dx + 16 + (k - (n + 1) / 2.0) * kFanStep),
          RoundEven(d.sin * 36 + kScreenHeight / 2 + dy - 48)};
}

}  // namespace tomaruk

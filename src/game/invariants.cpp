#include "game/invariants.h"

namespace tomaruk {

namespace {
constexpr int32_t kLastPlace = 1000000;
}  // namespace

std::string CheckInvariants(const Game& g, bool* cardsFailed) {
  std::string err = CheckConservation(g);
  if (cardsFailed != nullptr) *cardsFailed = !err.empty();
  const int n = g.Options.SeatCount;
  if (n < 2 || n > kMaxSeats) return err + "seat count " + std::to_string(n) + " out of range; ";
  auto fail = [&](int seat, const std::string& what) {
    err += (seat > 0 ? "seat " + std::to_string(seat) + ": " : std::string()) + what + "; ";
  };

  int playing = 0;
  for (int s = 1; s <= n; ++s) {
    const SeatRecord& seat = g.Seat[s];
    const int32_t key = seat.FinishKey;
    switch (seat.Status) {
      case kPlaying:
      case kSkipped:
        ++playing;
        if (key != 0) fail(s, "still playing but has finish key " + std::to_string(key));
        break;
      case kFinished:
        // Finished at a turn that has already been counted.
        if (key < 1 || key > g.TurnCounter) fail(s, "finished with key " + std::to_string(key));
        if (seat.CardCount != 0) fail(s, "finished holding " + std::to_string(seat.CardCount) + " cards");
        break;
      case kFouled:
        if (key != kLastPlace) fail(s, "fouled with key " + std::to_string(key));
        if (seat.CardCount != 0) fail(s, "fouled holding " + std::to_string(seat.CardCount) + " cards");
        break;
      case kDroppedOut:
        // A later drop-out places better: 1,000,000 less the turn of the drop.
        if (key > kLastPlace || key < kLastPlace - g.TurnCounter)
          fail(s, "dropped out with key " + std::to_string(key));
        break;
      default:
        fail(s, "unknown status " + std::to_string(seat.Status));
    }
    if (seat.CardCount < 0 || seat.CardCount >= kHandSlots)
      fail(s, "card count " + std::to_string(seat.CardCount));
    if (seat.Status == kSkipped && g.Table.Count == 0) fail(s, "skipped on an empty table");
  }
  if (playing != g.SeatsInPlay)
    fail(0,
         "SeatsInPlay " + std::to_string(g.SeatsInPlay) + " but " + std::to_string(playing) + " seats play");

  if (g.Turn < 1 || g.Turn > n) fail(0, "turn " + std::to_string(g.Turn));
  if (g.LeadSeat < 1 || g.LeadSeat > n) fail(0, "lead seat " + std::to_string(g.LeadSeat));
  if (g.Direction != 1 && g.Direction != -1) fail(0, "direction " + std::to_string(g.Direction));
  if (g.Revolution != 1 && g.Revolution != -1) fail(0, "revolution " + std::to_string(g.Revolution));
  if (g.TempRevolution != 1 && g.TempRevolution != -1)
    fail(0, "J revolution " + std::to_string(g.TempRevolution));
  if (g.Table.Count == 0 && (g.Table.StairKey != kNoStair || g.Table.SuitLock || g.Table.ParityLock))
    fail(0, "an empty table keeps a stair key or a lock");
  if (g.Table.Count == 0 && g.TrickCount != 0) fail(0, "trick pile without a table");

  // While the deal runs every playing seat holds at least one card (an empty
  // hand finishes) and fewer than the limit (it would have dropped out), so
  // the limit is at least 2.
  if (g.SeatsInPlay > 1) {
    if (g.Line < 1) fail(0, "limit " + std::to_string(g.Line) + " while the deal runs");
    for (int s = 1; s <= n; ++s) {
      const SeatRecord& seat = g.Seat[s];
      if (IsOut(seat.Status)) continue;
      if (seat.CardCount >= g.Line)
        fail(s, "holds " + std::to_string(seat.CardCount) + " cards at limit " + std::to_string(g.Line));
      if (seat.CardCount < 1) fail(s, "plays on with an empty hand");
    }
  }
  return err;
}

}  // namespace tomaruk

#include <algorithm>

#include "game/rules.h"

namespace tomaruk {

namespace {

int PlacePoints(int place) {
  static constexpr int kPoints[] = {0, 30, 20, 15, 10, 6, 3, 1};
  return place >= 1 && place <= 7 ? kPoints[place] : 0;
}

}  // namespace

DealResult EndOfDeal(Game& g) {
  const int n = g.Options.SeatCount;
  std::array<int32_t, kMaxSeats + 1> key{};
  std::array<int, kMaxSeats + 1> order{};
  for (int s = 1; s <= n; ++s) {
    key[s] = g.Seat[s].FinishKey != 0 ? g.Seat[s].FinishKey : g.TurnCounter + 1;
    order[s] = s;
  }
  // Selection sort by key; equal keys keep the lower seat first.
  for (int i = 1; i <= n; ++i) {
    int best = i;
    for (int j = i + 1; j <= n; ++j)
      if (key[order[j]] < key[order[best]]) best = j;
    std::swap(order[i], order[best]);
  }
  DealResult r;
  r.Seats = n;
  r.Deal = g.DealCount;
  r.FirstListed = r.Deal >= kListedDeals ? r.Deal - (kListedDeals - 1) : 0;
  for (int k = 1; k <= n; ++k) {
    const int s = order[k];
    // Ties share the better place.
    r.Seat[s].Place = (k > 1 && key[s] == key[order[k - 1]]) ? r.Seat[order[k - 1]].Place : k;
  }
  const int win = WinningScore(g.Options);
  for (int s = 1; s <= n; ++s) {
    SeatRecord& seat = g.Seat[s];
    SeatResult& out = r.Seat[s];
    int pts = 0;
    if (seat.Status != kFouled) {
      // The last place scores nothing; seats still in get 10 more, and every kill 5.
      if (out.Place < n) pts = PlacePoints(out.Place);
      if (seat.Status == kPlaying || seat.Status == kFinished) pts += 10;
      pts += 5 * seat.Kills;
    }
    seat.DealPoints.resize(static_cast<size_t>(r.Deal) + 1, 0);
    seat.DealPoints[static_cast<size_t>(r.Deal)] = pts;
    seat.Score += pts;
    out.Status = seat.Status;
    out.Kills = seat.Kills;
    out.Points = pts;
    out.Score = seat.Score;
    out.ReachedGoal = seat.Score >= win;
    std::copy(seat.DealPoints.begin() + r.FirstListed, seat.DealPoints.end(), out.Recent.begin());
    r.GameOver = r.GameOver || out.ReachedGoal;
  }
  r.NextStarter = order[1];

  if (r.GameOver) g.GameOver = true;
  g.View->ShowDealResult(r);
  g.NextStarter = r.NextStarter;
  ++g.DealCount;
  return r;
}

}  // namespace tomaruk

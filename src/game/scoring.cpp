#include <string>

#include "game/rules.h"

namespace tomaruk {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kYellow = 0xFFFF00;

int PlacePoints(int place) {
  static constexpr int kPoints[] = {0, 30, 20, 15, 10, 6, 3, 1};
  return place >= 1 && place <= 7 ? kPoints[place] : 0;
}

int Column(const Game& g, int i) { return ((kScreenWidth - 100) / g.Options.SeatCount) * (i - 1) + 50; }

// The seat number, "P " and the character's name, cut to 5 bytes.
std::string SeatLabel(const Game& g, int i) {
  return SjisLeft(std::to_string(i) + "P " + g.Characters[g.Seat[i].Character].Name, 5);
}

// A number in a field of three characters; totals of four digits keep their
// digits and simply run one column wider.
std::string Field3(int v) {
  const std::string s = std::to_string(v);
  return s.size() >= 3 ? s : std::string(3 - s.size(), ' ') + s;
}

}  // namespace

void EndOfDeal(Game& g) {
  const int n = g.Options.SeatCount;
  std::array<int32_t, kMaxSeats + 1> key{};
  std::array<int, kMaxSeats + 1> order{};
  std::array<int, kMaxSeats + 1> place{};
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
  for (int k = 1; k <= n; ++k) {
    const int s = order[k];
    place[s] = (k > 1 && key[s] == key[order[k - 1]]) ? place[order[k - 1]] : k;
  }
  const int d = g.DealCount;
  for (int s = 1; s <= n; ++s) {
    SeatRecord& seat = g.Seat[s];
    seat.DealPoints.resize(static_cast<size_t>(d) + 1, 0);
    int pts = 0;
    if (seat.Status != kFouled) {
      if (place[s] < n) pts = PlacePoints(place[s]);
      if (seat.Status == kPlaying || seat.Status == kFinished) pts += 10;
      pts += 5 * seat.Kills;
    }
    seat.DealPoints[static_cast<size_t>(d)] = pts;
    seat.Score += pts;
  }

  const int h2 = kScreenHeight / 2;
  ResultScreen first;
  first.bandY = h2 - 81;
  first.bandH = 162;
  static const char* kStatus[] = {"残留  ", "脱落  ", "すっき", "あがり", "反則  "};
  for (int i = 1; i <= n; ++i) {
    const int x = Column(g, i);
    const SeatRecord& seat = g.Seat[i];
    first.texts.push_back({x, h2 - 69, SeatLabel(g, i), kWhite});
    first.texts.push_back({x, h2 - 39, SjisLeft(kStatus[seat.Status <= 4 ? seat.Status : 0], 6), kWhite});
    first.texts.push_back({x, h2 - 9, SjisLeft(std::to_string(seat.Kills) + "人斬", 5), kWhite});
    first.texts.push_back(
        {x, h2 + 21, SjisLeft(std::to_string(place[i]) + "位", 3), place[i] == 1 ? kYellow : kWhite});
    first.texts.push_back({x, h2 + 51,
                           "+" + SjisRight(" " + std::to_string(seat.DealPoints[static_cast<size_t>(d)]), 2),
                           kWhite});
  }
  g.View->ShowResultScreen(first);

  ResultScreen second;
  second.redrawTable = true;
  second.bandY = h2 - 156;
  second.bandH = 312;
  const int win = WinningScore(g.Options);
  const int f = d > 7 ? d - 7 : 0;
  const int yTotal = h2 - 144 + (d - f + 2) * 30;
  for (int i = 1; i <= n; ++i) {
    const int x = Column(g, i);
    const SeatRecord& seat = g.Seat[i];
    const bool reached = seat.Score >= win;
    if (reached) g.GameOver = true;
    second.texts.push_back({x, h2 - 144, SeatLabel(g, i), reached ? kYellow : kWhite});
    for (int k = f; k <= d; ++k)
      second.texts.push_back(
          {x, h2 - 144 + (k - f + 1) * 30, Field3(seat.DealPoints[static_cast<size_t>(k)]), kWhite});
    second.texts.push_back({x, yTotal, Field3(seat.Score), kWhite});
  }
  second.hasLine = true;
  second.lineX1 = 40;
  second.lineY1 = yTotal - 6;
  second.lineX2 = kScreenWidth - 40;
  second.lineY2 = yTotal - 6;
  g.View->ShowResultScreen(second);

  g.NextStarter = order[1];
  ++g.DealCount;
}

}  // namespace tomaruk

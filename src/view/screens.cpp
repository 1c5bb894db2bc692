// The title frame and the two result screens of a deal.
#include <algorithm>

#include "flow/timing.h"
#include "game/deal_result.h"
#include "view/table_view.h"

namespace tomaruk {

namespace {

constexpr int W = kScreenWidth;
constexpr int H = kScreenHeight;

// How a seat left the deal, six bytes each.
const char* const kLeftAs[] = {"残留  ", "脱落  ", "すっき", "あがり", "反則  "};

// A number right-aligned in a field of `width` characters; a wider number keeps all its digits.
std::string Field(int v, std::size_t width) {
  std::string s = std::to_string(v);
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

// Seat i's column when n seats play.
int Column(int n, int i) { return ((W - 100) / n) * (i - 1) + 50; }

}  // namespace

void TableView::DrawTitle() {
  frame.CopyBackground(0, 0, W, H);
  frame.SetForeground(kWhiteRgb);
  frame.SetFontSize(20);
  frame.DrawText((W - 170) / 2, H / 2, "Click to Start...");
  frame.Present();
}

void TableView::ShowDealResult(const DealResult& r) {
  if (assist) AddToLog("");
  const int n = r.Seats;
  const auto say = [this](int x, int y, const std::string& text, bool yellow = false) {
    frame.SetForeground(yellow ? kYellowRgb : kWhiteRgb);
    frame.DrawText(x, y, text);
  };
  const auto showAndWait = [this] {
    frame.Present();
    WaitForClick();
    frame.SetFontSize(12);
  };

  // The deal, over the table as it stands: per seat its label, how it left, its kills, its place
  // (the winner's in yellow) and its points.
  frame.DimRect(32, H / 2 - 81, W - 64, 162);
  frame.SetFontSize(18);
  for (int i = 1; i <= n; ++i) {
    const SeatResult& seat = r.Seat[i];
    const int x = Column(n, i), y = H / 2 - 69;
    const std::string points = Field(seat.Points, 2);
    say(x, y, CutToCells(SeatLabel(g, i), 5));
    say(x, y + 30, CutToCells(kLeftAs[seat.Status <= kFouled ? seat.Status : 0], 6));
    say(x, y + 60, CutToCells(std::to_string(seat.Kills) + "人斬", 5));
    say(x, y + 90, CutToCells(std::to_string(seat.Place) + "位", 3), seat.Place == 1);
    say(x, y + 120, std::string("+").append(points, points.size() - 2));
  }
  showAndWait();

  // The game so far: per seat its label (yellow once it reached the winning score), the points of
  // the listed deals and, below a line, its total.
  RenderTable(0, false, true);
  frame.DimRect(32, H / 2 - 156, W - 64, 312);
  frame.SetFontSize(18);
  const int y = H / 2 - 144, yTotal = y + (r.Deal - r.FirstListed + 2) * 30;
  for (int i = 1; i <= n; ++i) {
    const SeatResult& seat = r.Seat[i];
    const int x = Column(n, i);
    say(x, y, CutToCells(SeatLabel(g, i), 5), seat.ReachedGoal);
    for (int d = r.FirstListed; d <= r.Deal; ++d)
      say(x, y + (d - r.FirstListed + 1) * 30,
          Field(seat.Recent[static_cast<std::size_t>(d - r.FirstListed)], 3));
    say(x, yTotal, Field(seat.Score, 3));
  }
  frame.SetForeground(kWhiteRgb);
  frame.SetPenWidth(1);
  frame.DrawLine(40, yTotal - 6, W - 40, yTotal - 6);
  // With the assist layer the game's winner is named in full above the table: the highest score
  // among those that reached the winning score.
  if (assist && r.GameOver) {
    int best = 0;
    for (int i = 1; i <= n; ++i)
      if (r.Seat[i].ReachedGoal) best = std::max(best, r.Seat[i].Score);
    std::string winners;
    for (int i = 1; i <= n; ++i)
      if (r.Seat[i].ReachedGoal && r.Seat[i].Score == best)
        winners += (winners.empty() ? "" : "・") + LogName(g, i);
    frame.DimRect(32, H / 2 - 186, W - 64, 30);
    say(44, H / 2 - 180, "優勝 " + winners + " " + std::to_string(best) + "点", true);
  }
  showAndWait();
  log_.clear();
  pending_.reset();
}

void TableView::WaitForClick() {
  pacer.DiscardPendingPress();
  Host& host = pacer.host();
  for (;;) {
    host.PumpMessages();
    const Point c = host.Cursor();
    if (RectHit(c.x, c.y, 1, 1, 0, 0, W, H) && pacer.KeyPressed(1)) return;
    pacer.Wait(kClickPollMs);
  }
}

}  // namespace tomaruk

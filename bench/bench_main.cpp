// Speed of the headless game, the computer player and (with the view) the table drawing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "ai/computer_player.h"
#include "flow/flow.h"
#include "flow/headless.h"
#include "flow/simulate.h"
#include "game/deal.h"
#include "game/invariants.h"
#include "game/options.h"
#include "game/rules.h"

#ifdef TOMARUK_BENCH_VIEW
#include <QGuiApplication>

#include "view/frame.h"
#include "view/table_view.h"
#endif

using namespace tomaruk;

namespace {

std::unique_ptr<Game> NewGame(uint64_t seed, int seats) {
  auto g = std::make_unique<Game>();
  SimulationConfig cfg;
  cfg.seed = seed;
  cfg.seats = seats;
  PrepareSimulation(*g, cfg);
  return g;
}

// Everything ComputerTurn may read, copied from one game into another.
void CopyState(const Game& from, Game& to) {
  to.CardInfo = from.CardInfo;
  to.CardPlace = from.CardPlace;
  to.Stock = from.Stock;
  to.StockCount = from.StockCount;
  to.DiscardPile = from.DiscardPile;
  to.DiscardCount = from.DiscardCount;
  to.TrickPile = from.TrickPile;
  to.TrickX = from.TrickX;
  to.TrickY = from.TrickY;
  to.TrickCount = from.TrickCount;
  to.Table = from.Table;
  to.Seat = from.Seat;
  to.Turn = from.Turn;
  to.Direction = from.Direction;
  to.LeadSeat = from.LeadSeat;
  to.NextStarter = from.NextStarter;
  to.Line = from.Line;
  to.Revolution = from.Revolution;
  to.TempRevolution = from.TempRevolution;
  to.DealStart = from.DealStart;
  to.SeatsInPlay = from.SeatsInPlay;
  to.TurnCounter = from.TurnCounter;
  to.DealCount = from.DealCount;
  to.GameOver = from.GameOver;
  to.Options = from.Options;
  to.Characters = from.Characters;
  to.Rng = from.Rng;
}

// A computer seat about to choose, as PlayTurn hands it over, with the
// computer player's memory of the deal.
struct Position {
  std::unique_ptr<Game> g = std::make_unique<Game>();
  std::array<bool, 13> rules{};
  std::array<bool, kMaxSeats + 1> dealMemory{};
  bool anySkipped = false;
};

void SaveMemory(const ComputerPlayer& ai, Position& p) {
  const bool* r[] = {&ai.Rule3, &ai.Rule4,  &ai.Rule5, &ai.Rule7, &ai.Rule8, &ai.Rule8F,
                     &ai.Rule9, &ai.Rule10, &ai.RuleJ, &ai.RuleQ, &ai.RuleM, &ai.RuleR};
  for (int i = 0; i < 12; ++i) p.rules[i] = *r[i];
  p.dealMemory = ai.DealMemory;
  p.anySkipped = ai.AnySkipped;
}

void LoadMemory(const Position& p, ComputerPlayer& ai) {
  bool* r[] = {&ai.Rule3, &ai.Rule4,  &ai.Rule5, &ai.Rule7, &ai.Rule8, &ai.Rule8F,
               &ai.Rule9, &ai.Rule10, &ai.RuleJ, &ai.RuleQ, &ai.RuleM, &ai.RuleR};
  for (int i = 0; i < 12; ++i) *r[i] = p.rules[i];
  ai.DealMemory = p.dealMemory;
  ai.AnySkipped = p.anySkipped;
}

// Positions drawn from real deals of one seat count.
std::vector<Position> CollectPositions(int seats, std::size_t wanted) {
  std::vector<Position> out;
  for (uint64_t seed = 1; out.size() < wanted && seed < 1000; ++seed) {
    auto g = NewGame(seed, seats);
    HeadlessHost host;
    Pacer pacer(host);
    GameFlow flow(*g, pacer);
    flow.humanIsComputer = true;
    flow.afterTurn = [&] {
      Game& s = *g;
      if (out.size() >= wanted || s.SeatsInPlay <= 1 || s.Line <= 1) return;
      if (IsOut(s.Seat[s.Turn].Status) || s.Seat[s.Turn].Status == kSkipped) return;
      Position p;
      CopyState(s, *p.g);
      // What the next PlayTurn does before the computer chooses.
      if (s.Turn == s.LeadSeat && !s.DealStart && s.Table.Count > 0) ClearTable(*p.g);
      if (p.g->Table.Count == 0) p.g->LeadSeat = p.g->Turn;
      SaveMemory(flow.ai, p);
      out.push_back(std::move(p));
    };
    flow.StartGame();
    for (int d = 0; d < 20 && out.size() < wanted; ++d) {
      flow.PlayDeal();
      if (g->GameOver) flow.StartGame();
    }
  }
  return out;
}

}  // namespace

// Whole deals with four computer seats and no window: the turn loop, the rules and four computer
// players, with checked:1 every invariant checked after every turn as --simulate does (goal:
// 30,000 deals a second on one core with the checks).
static void HeadlessDeals(benchmark::State& state) {
  auto g = NewGame(2024, 4);
  HeadlessHost host;
  Pacer pacer(host);
  GameFlow flow(*g, pacer);
  flow.humanIsComputer = true;
  const bool checked = state.range(0) != 0;
  long failures = 0;
  if (checked) flow.afterTurn = [&] { failures += CheckInvariants(*g).empty() ? 0 : 1; };
  flow.StartGame();
  long turns = 0;
  for (auto _ : state) {
    flow.PlayDeal();
    turns += g->TurnCounter;
    if (g->GameOver) flow.StartGame();
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["deals_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["turns_per_deal"] = static_cast<double>(turns) / static_cast<double>(state.iterations());
  if (checked) state.counters["invariant_failures"] = static_cast<double>(failures);
}
BENCHMARK(HeadlessDeals)->Arg(0)->Arg(1)->ArgName("checked");

// One ComputerTurn, each call timed alone right after its position was restored, over positions
// taken from real deals: Arg(N) those of N seats, Arg(0) those of every seat count 2 to 8 alike
// (kPositionsPerSeatCount each, goal: p99 2.5 us or less). median_us, mean_us and p99_us are over
// all the calls timed and include one clock reading each; clock_us is an empty call's time.
static void ComputerTurnOverRealPositions(benchmark::State& state) {
  constexpr std::size_t kPositionsPerSeatCount = 600;
  static const auto bySeats = [] {
    std::array<std::vector<Position>, kMaxSeats + 1> collected;
    for (int seats = 2; seats <= kMaxSeats; ++seats)
      collected[seats] = CollectPositions(seats, kPositionsPerSeatCount);
    return collected;
  }();
  std::vector<const Position*> positions;
  for (int seats = 2; seats <= kMaxSeats; ++seats)
    if (state.range(0) == 0 || state.range(0) == seats)
      for (const Position& p : bySeats[seats]) positions.push_back(&p);
  std::vector<double> clock(1001);
  for (double& s : clock) {
    const auto t0 = std::chrono::steady_clock::now();
    s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  std::nth_element(clock.begin(), clock.begin() + 500, clock.end());
  Game work;
  ComputerPlayer ai(work);
  std::vector<double> times;
  times.reserve(1 << 20);
  std::size_t next = 0;
  for (auto _ : state) {
    const Position& p = *positions[next];
    next = (next + 1) % positions.size();
    CopyState(*p.g, work);
    LoadMemory(p, ai);
    const auto t0 = std::chrono::steady_clock::now();
    const Decision decision = ai.ComputerTurn();
    const auto t1 = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(decision);
    const double s = std::chrono::duration<double>(t1 - t0).count();
    state.SetIterationTime(s);
    if (times.size() < times.capacity()) times.push_back(s);
  }
  if (!times.empty()) {
    double sum = 0;
    for (double t : times) sum += t;
    std::sort(times.begin(), times.end());
    state.counters["median_us"] = times[times.size() / 2] * 1e6;
    state.counters["mean_us"] = sum / static_cast<double>(times.size()) * 1e6;
    state.counters["p99_us"] = times[times.size() * 99 / 100] * 1e6;
  }
  state.counters["clock_us"] = clock[500] * 1e6;
  state.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(ComputerTurnOverRealPositions)->UseManualTime()->Arg(0)->DenseRange(2, kMaxSeats)->ArgName("seats");

#ifdef TOMARUK_BENCH_VIEW
// The whole table of eight seats drawn into the frame at its busiest (goal: 0.15 ms or less): at
// limit 15, of the first 200 deals of seed 88 the moment with the fullest trick pile while all eight
// seats play and two or more cards lie on the table, with both lock frames (suits and even/odd) put
// around those cards. With brimful:1 the trick pile is filled as if nobody had passed since the deal
// began: every card in no hand and not on the table, laid in plays of one to four cards from each
// seat in turn (those cards also stay where they were, so the draw pile keeps its height; only the
// drawing reads this table).
static void RenderFullTable(benchmark::State& state) {
  auto g = NewGame(88, 8);
  g->Options.InitialLine = 15;
  HeadlessHost host;
  Pacer pacer(host);
  GameFlow flow(*g, pacer);
  flow.humanIsComputer = true;
  Game busy;
  flow.afterTurn = [&] {
    if (g->SeatsInPlay == kMaxSeats && g->Table.Count >= 2 && g->TrickCount > busy.TrickCount)
      CopyState(*g, busy);
  };
  flow.StartGame();
  for (int d = 0; d < 200; ++d) {
    flow.PlayDeal();
    if (g->GameOver) flow.StartGame();
  }
  busy.Table.SuitLock = busy.Table.ParityLock = true;
  Random jitter(88);
  if (state.range(0) != 0) busy.TrickCount = 0;
  for (int c = 1, play = 0; state.range(0) != 0 && c <= kCardCount; ++play) {
    const int n = 1 + play % 4, seat = 1 + play % kMaxSeats;
    // Each play lands where the game lays it, shifted a little at random as the game does.
    const int dx = RoundEven(jitter.Next() * 10 - 5), dy = RoundEven(jitter.Next() * 10 - 5);
    for (int k = 1; k <= n && c <= kCardCount; ++c) {
      if (busy.CardPlace[c] == kOnTable || busy.CardPlace[c] <= kMaxSeats) continue;
      const Point p = PlayedCardPlace(busy.Options, seat, k, n, dx, dy);
      busy.TrickPile[++busy.TrickCount] = static_cast<uint8_t>(c);
      busy.TrickX[busy.TrickCount] = static_cast<int16_t>(p.x);
      busy.TrickY[busy.TrickCount] = static_cast<int16_t>(p.y);
      ++k;
    }
  }
  Frame frame;
  frame.InitSurfaces();
  TableView view(busy, pacer, frame);
  for (auto _ : state) {
    view.RenderTable(0, false, true);
    benchmark::ClobberMemory();
  }
  int hands = 0;
  for (int s = 1; s <= kMaxSeats; ++s) hands += busy.Seat[s].CardCount;
  state.counters["hand_cards"] = hands;
  state.counters["table_cards"] = busy.Table.Count;
  state.counters["trick_cards"] = busy.TrickCount;
  state.counters["stock_cards"] = busy.StockCount;
}
BENCHMARK(RenderFullTable)->Arg(0)->Arg(1)->ArgName("brimful")->Unit(benchmark::kMicrosecond);
#endif

int main(int argc, char** argv) {
#ifdef TOMARUK_BENCH_VIEW
  // Text needs a GUI application; no window is shown.
  static char platform[] = "QT_QPA_PLATFORM=offscreen";
  putenv(platform);
  QGuiApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

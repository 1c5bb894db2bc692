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

// Positions drawn from real deals of every seat count.
std::vector<Position> CollectPositions(std::size_t wanted) {
  std::vector<Position> out;
  for (uint64_t seed = 1; out.size() < wanted && seed < 1000; ++seed) {
    const int seats = 2 + static_cast<int>(seed % 7);
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

// Whole deals with four computer seats and no window: the turn loop, the
// rules and four computer players (goal: 10,000 deals a second on one core).
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

// One ComputerTurn over positions taken from real deals of 2 to 8 seats
// (goal: a median of 5 us or less). Each call is timed alone, after its
// position has been restored; median_us is over all calls.
static void ComputerTurnOverRealPositions(benchmark::State& state) {
  static const std::vector<Position> positions = CollectPositions(4000);
  Game work;
  ComputerPlayer ai(work);
  std::vector<double> times;
  times.reserve(1 << 20);
  std::size_t next = 0;
  for (auto _ : state) {
    const Position& p = positions[next];
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
    std::sort(times.begin(), times.end());
    state.counters["median_us"] = times[times.size() / 2] * 1e6;
    state.counters["p99_us"] = times[times.size() * 99 / 100] * 1e6;
  }
  state.counters["positions"] = static_cast<double>(positions.size());
}
BENCHMARK(ComputerTurnOverRealPositions)->UseManualTime();

#ifdef TOMARUK_BENCH_VIEW
// The whole table of eight seats drawn into the frame (goal: 0.3 ms or less).
static void RenderFullTable(benchmark::State& state) {
  auto g = NewGame(88, 8);
  g->Options.InitialLine = 15;
  // Play into a deal until the table holds cards and every seat several.
  HeadlessHost host;
  Pacer pacer(host);
  GameFlow flow(*g, pacer);
  flow.humanIsComputer = true;
  NewDeal(*g);
  for (int i = 0; i < 12 && g->SeatsInPlay > 1; ++i) {
    ++g->TurnCounter;
    flow.PlayTurn();
  }
  Frame frame;
  frame.InitSurfaces();
  TableView view(*g, pacer, frame);
  for (auto _ : state) {
    view.RenderTable(0, false, true);
    benchmark::ClobberMemory();
  }
  state.counters["table_cards"] = g->Table.Count;
  state.counters["seats_in_play"] = g->SeatsInPlay;
}
BENCHMARK(RenderFullTable)->Unit(benchmark::kMicrosecond);
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

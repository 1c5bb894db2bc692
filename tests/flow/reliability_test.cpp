#include <gtest/gtest.h>

#include <cstdlib>

#include "ai/computer_player.h"
#include "flow/flow.h"
#include "flow/simulate.h"
#include "game/invariants.h"
#include "game/options.h"
#include "support/fake_host.h"

using namespace tomaruk;

namespace {

// TOMARUK_QUICK=1 (for sanitizer builds) plays a tenth of the deals.
int Scaled(int n) {
  const char* quick = std::getenv("TOMARUK_QUICK");
  return quick != nullptr && *quick != '\0' && *quick != '0' ? (n + 9) / 10 : n;
}

uint8_t RandomFlag(Random& r) { return r.Next() < 0.5 ? 0 : 255; }

}  // namespace

TEST(Reliability, ThousandsOfDealsOverRandomOptionRecords) {
  Random pick(20240607);
  long deals = 0, games = 0, illegal = 0, freeLeadPasses = 0, lineGuards = 0;
  std::map<int, long> illegalBySeats;
  // Every seat count, limit and shortest stair, each with random flags,
  // score goal and characters; a few deals each.
  const int dealsEach = Scaled(32);
  for (int seats = 2; seats <= 8; ++seats) {
    for (int line = 7; line <= 15; ++line) {
      for (int stair = 4; stair <= 6; ++stair) {
        Game g;
        SimulationConfig cfg;
        cfg.seed = static_cast<uint64_t>(seats * 1000 + line * 10 + stair);
        cfg.humanAs = pick.Choice(8);
        PrepareSimulation(g, cfg);
        OptionRecord& o = g.Options;
        o.SeatCount = static_cast<uint8_t>(seats);
        o.InitialLine = static_cast<uint8_t>(line);
        o.MinStair = static_cast<uint8_t>(stair);
        o.ScoreGoalIndex = static_cast<uint8_t>(pick.Choice(3) - 1);
        o.RandomOrder = RandomFlag(pick);
        o.SkipWhenOut = RandomFlag(pick);
        for (uint8_t* f : {&o.Flag3, &o.Flag4, &o.Flag5, &o.Flag7, &o.Flag8, &o.Flag8F, &o.Flag9, &o.Flag10,
                           &o.FlagJ, &o.FlagQ, &o.FlagM, &o.FlagR})
          *f = RandomFlag(pick);
        for (int s = 2; s <= 8; ++s) o.ComFor(s) = static_cast<uint8_t>(pick.Choice(8));
        AssignSeatCharacters(g);

        const SimulationResult r = Simulate(g, dealsEach);
        const std::string where = "seats " + std::to_string(seats) + " limit " + std::to_string(line) +
                                  " stair " + std::to_string(stair);
        ASSERT_EQ(r.invariantFailures, 0) << where << ": " << r.failures.front();
        ASSERT_EQ(r.turnGuards, 0) << where;
        ASSERT_EQ(r.deals, dealsEach);
        deals += r.deals;
        games += r.games;
        illegal += r.illegalComputerPlays;
        illegalBySeats[seats] += r.illegalComputerPlays;
        freeLeadPasses += r.freeLeadPasses;
        lineGuards += r.lineGuards;
      }
    }
  }
  EXPECT_EQ(deals, 7L * 9 * 3 * dealsEach);
  // The limit never falls to 1 while two seats still play: every playing hand
  // holds a card and stays below it.
  EXPECT_EQ(lineGuards, 0);
  RecordProperty("deals", static_cast<int>(deals));
  RecordProperty("games", static_cast<int>(games));
  RecordProperty("illegal_ai_plays", static_cast<int>(illegal));
  RecordProperty("free_lead_passes", static_cast<int>(freeLeadPasses));
}

TEST(Reliability, MonkeyClicksThroughManyDealsWithTheHumanInPlay) {
  for (int seats : {2, 4, 8}) {
    Game g;
    SimulationConfig cfg;
    cfg.seed = static_cast<uint64_t>(seats) * 7919;
    cfg.seats = seats;
    PrepareSimulation(g, cfg);
    g.Seat[1].Character = 0;  // seat 1 is the human again
    FakeHost host;
    Pacer pacer(host);
    GameFlow flow(g, pacer);

    // Random moves and left clicks: some on the buttons, some on the hand,
    // the rest anywhere in or just outside the window.
    Random monkey(cfg.seed + 1);
    constexpr int W = kScreenWidth, H = kScreenHeight;
    uint32_t t = 0;
    const int events = Scaled(60000);
    for (int i = 0; i < events; ++i) {
      t += 5 + static_cast<uint32_t>(monkey.Next() * 150);
      const double where = monkey.Next();
      int x = 0, y = 0;
      if (where < 0.25) {
        x = W / 2 + 160 + static_cast<int>(monkey.Next() * 80);
        y = H / 2 + 160 + static_cast<int>(monkey.Next() * 76);
      } else if (where < 0.6) {
        x = W / 2 - 144 + static_cast<int>(monkey.Next() * 300);
        y = H / 2 + 128 + static_cast<int>(monkey.Next() * 104);
      } else {
        x = static_cast<int>(monkey.Next() * (W + 40)) - 20;
        y = static_cast<int>(monkey.Next() * (H + 40)) - 20;
      }
      host.events.push_back({t, {x, y}, monkey.Next() < 0.6});
    }
    host.quitAt = t + 1;

    long deals = 0, turns = 0, failures = 0, humanTurns = 0;
    std::string firstFailure;
    uint32_t lastDealEnd = 0, longestDeal = 0;
    flow.afterTurn = [&] {
      ++turns;
      if (flow.lastTurn.acted && !flow.lastTurn.computer && flow.lastTurn.seat == 1) ++humanTurns;
      const std::string bad = CheckInvariants(g);
      if (!bad.empty() && failures++ == 0) firstFailure = bad;
    };
    try {
      for (;;) {
        flow.TitleScreen();
        do {
          flow.PlayDeal();
          ++deals;
          longestDeal = std::max(longestDeal, host.now - lastDealEnd);
          lastDealEnd = host.now;
        } while (!g.GameOver);
      }
    } catch (const QuitRequested&) {
    }
    const std::string where = std::to_string(seats) + " seats";
    EXPECT_EQ(failures, 0) << where << ": " << firstFailure;
    EXPECT_EQ(CheckConservation(g), "") << where;
    // No stall: deals keep ending until the clicks run out.
    EXPECT_GE(deals, Scaled(30)) << where;
    EXPECT_LT(t - lastDealEnd, 20u * 60 * 1000) << where;
    EXPECT_LT(longestDeal, 20u * 60 * 1000) << where;
    EXPECT_GT(humanTurns, deals) << where;
    EXPECT_TRUE(host.messages.empty()) << where << ": " << host.messages.front();
  }
}

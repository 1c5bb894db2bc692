// Long seeded runs: random option records at every seat count, limit and shortest stair, and a
// monkey at the mouse. No computer play is refused, no invariant fails, no deal stalls.
#include <gtest/gtest.h>

#include <cstdlib>

#include "flow/flow.h"
#include "flow/simulate.h"
#include "support/fake_host.h"

namespace tomaruk {
namespace {

// TOMARUK_QUICK=1 (for sanitizer builds) plays a tenth of the deals.
int Scaled(int n) {
  const char* quick = std::getenv("TOMARUK_QUICK");
  return quick != nullptr && *quick != '\0' && *quick != '0' ? (n + 9) / 10 : n;
}

TEST(Reliability, RandomOptionRecordsAtEverySeatCountLimitAndStair) {
  Random pick(20240607);
  for (int seats = 2; seats <= 8; ++seats)
    for (int line = 7; line <= 15; ++line)
      for (int stair = 4; stair <= 6; ++stair) {
        Game g;
        SimulationConfig cfg;
        cfg.seed = static_cast<uint64_t>(seats * 1000 + line * 10 + stair), cfg.humanAs = pick.Choice(8);
        PrepareSimulation(g, cfg);
        // The record's other bytes as a damaged file could hold them.
        uint8_t bytes[kOptionBytes];
        for (uint8_t& b : bytes) b = static_cast<uint8_t>(pick.Choice(256) - 1);
        bytes[0] = static_cast<uint8_t>(line), bytes[1] = static_cast<uint8_t>(seats),
        bytes[2] = static_cast<uint8_t>(stair);
        g.Options = DecodeOptions(bytes, kOptionBytes);
        AssignSeatCharacters(g);
        const SimulationResult r = Simulate(g, Scaled(32));
        // A playing hand holds a card below the limit, so it never falls to 1 while two seats play.
        ASSERT_EQ(
            std::tuple(r.deals, r.invariantFailures, r.illegalComputerPlays, r.turnGuards, r.lineGuards),
            std::tuple(long{Scaled(32)}, 0L, 0L, 0L, 0L))
            << seats << " seats, limit " << line << ", stair " << stair << ": "
            << (r.failures.empty() ? "" : r.failures.front());
      }
}

TEST(Reliability, MonkeyClicksThroughManyDealsWithTheHumanInPlay) {
  for (int seats : {2, 4, 8}) {
    Game g;
    SimulationConfig cfg;
    cfg.seed = static_cast<uint64_t>(seats) * 7919, cfg.seats = seats;
    PrepareSimulation(g, cfg);
    g.Seat[1].Character = 0;  // seat 1 is the human again
    FakeHost host;
    Pacer pacer(host);
    GameFlow flow(g, pacer);
    // Moves and clicks: a quarter on the buttons, a third on the hand, the rest in or near the window.
    Random monkey(cfg.seed + 1);
    const auto in = [&](int from, int span) { return from + static_cast<int>(monkey.Next() * span); };
    for (int i = 0; i < Scaled(60000); ++i) {
      host.now += 5 + static_cast<uint32_t>(monkey.Next() * 150);
      const double where = monkey.Next();
      const Point p = where < 0.25  ? Point{in(448, 80), in(400, 76)}
                      : where < 0.6 ? Point{in(144, 300), in(368, 104)}
                                    : Point{in(-20, 616), in(-20, 520)};
      host.events.push_back({host.now, p, monkey.Next() < 0.6});
    }
    host.quitAt = host.now + 1, host.now = 0;
    long deals = 0, humanTurns = 0;
    std::string failure;
    flow.afterTurn = [&] {
      humanTurns += flow.lastTurn.acted && flow.lastTurn.seat == 1;
      if (failure.empty()) failure = CheckInvariants(g);
    };
    try {
      for (;;)
        for (flow.TitleScreen(); !g.GameOver; ++deals) flow.PlayDeal();
    } catch (const QuitRequested&) {
    }
    // Deals keep ending until the clicks run out, and the human plays in them.
    EXPECT_EQ(std::tuple(failure, flow.stats.illegalComputerPlays, host.messages.size()),
              std::tuple("", 0L, 0u))
        << seats << " seats";
    EXPECT_GE(deals, Scaled(30)) << seats << " seats";
    EXPECT_GT(humanTurns, deals) << seats << " seats";
  }
}

}  // namespace
}  // namespace tomaruk

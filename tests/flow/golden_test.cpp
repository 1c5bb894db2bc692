// Seeded whole games replayed against their committed traces: every turn's
// cards and decision code and every deal's places and points. A difference
// means a rule or a computer player changed; `make golden` rewrites the traces
// when that change is intended.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "flow/simulate.h"

namespace tomaruk {
namespace {

constexpr long kGoldenDeals = 25;

// The trace is <name>.trace and the option record <name>.dat; seats 0 plays as the record says, and
// without an option file the built-in defaults are played.
struct GoldenCase {
  std::string name;
  int seats;
  bool optionFile;
  uint64_t seed;
};

std::string GoldenPath(const std::string& file) { return std::string(TOMARUK_GOLDEN_DIR) + "/" + file; }

std::string Replay(const GoldenCase& c) {
  SimulationConfig cfg;
  cfg.deals = kGoldenDeals, cfg.seats = c.seats, cfg.seeded = true, cfg.seed = c.seed;
  if (c.optionFile) cfg.optionsPath = GoldenPath(c.name + ".dat");
  auto g = std::make_unique<Game>();
  EXPECT_EQ(PrepareSimulation(*g, cfg), "");
  std::ostringstream trace;
  trace << "seed " << c.seed << " seats " << static_cast<int>(g->Options.SeatCount) << " deals " << cfg.deals
        << '\n';
  const SimulationResult r = Simulate(*g, cfg.deals, &trace);
  EXPECT_EQ(std::tuple(r.invariantFailures, r.illegalComputerPlays), std::tuple(0L, 0L)) << c.name;
  return trace.str();
}

// The first line that differs, with the lines just before it; "" when the traces agree.
std::string FirstDifference(const std::string& want, const std::string& got) {
  std::istringstream a(want), b(got);
  std::string x, y, context;
  for (bool moreA = true, moreB = true; moreA || moreB; context += "    " + x + "\n") {
    moreA = static_cast<bool>(std::getline(a, x)), moreB = static_cast<bool>(std::getline(b, y));
    if (moreA != moreB || x != y)
      return context.substr(context.size() > 400 ? context.size() - 400 : 0) + "  - " +
             (moreA ? x : "(end)") + "\n  + " + (moreB ? y : "(end)") + "\n";
  }
  return "";
}

TEST(GoldenTraces, ReplayTurnByTurn) {
  std::vector<GoldenCase> cases;
  for (int seats = 2; seats <= 8; ++seats)
    cases.push_back({"default-" + std::to_string(seats) + "-seats", seats, false, 1000u + seats});
  for (const char* name :
       {"limit7-no-effects", "limit7-stair5-random", "limit9-half-effects", "limit13-parity-and-bans",
        "limit15-stair5-random", "limit15-stair6-duel", "stair6-random-skip"})
    cases.push_back({name, 0, true, 2024});
  const bool write = std::getenv("TOMARUK_WRITE_GOLDEN") != nullptr;
  for (const GoldenCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string got = Replay(c);
    const std::string path = GoldenPath(c.name + ".trace");
    if (write) {
      std::ofstream(path, std::ios::binary) << got;
      continue;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path << " (make golden writes it)";
    std::ostringstream want;
    want << in.rdbuf();
    EXPECT_EQ(FirstDifference(want.str(), got), "") << c.name;
  }
}

}  // namespace
}  // namespace tomaruk

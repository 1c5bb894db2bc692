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

struct GoldenCase {
  std::string name;     // the trace is <name>.trace, the option record <name>.dat
  int seats;            // 0 = as the option record says
  bool optionFile;      // false = the built-in defaults
  uint64_t seed;
};

std::vector<GoldenCase> Cases() {
  std::vector<GoldenCase> cases;
  for (int seats = 2; seats <= 8; ++seats)
    cases.push_back({"default-" + std::to_string(seats) + "-seats", seats, false, 1000u + seats});
  for (const char* name : {"limit7-no-effects", "limit7-stair5-random", "limit9-half-effects",
                           "limit13-parity-and-bans", "limit15-stair5-random", "limit15-stair6-duel",
                           "stair6-random-skip"})
    cases.push_back({name, 0, true, 2024});
  return cases;
}

std::string GoldenPath(const std::string& file) { return std::string(TOMARUK_GOLDEN_DIR) + "/" + file; }

std::string Replay(const GoldenCase& c) {
  SimulationConfig cfg;
  cfg.deals = kGoldenDeals;
  cfg.seats = c.seats;
  cfg.seeded = true;
  cfg.seed = c.seed;
  if (c.optionFile) cfg.optionsPath = GoldenPath(c.name + ".dat");
  auto g = std::make_unique<Game>();
  const std::string bad = PrepareSimulation(*g, cfg);
  EXPECT_EQ(bad, "");
  std::ostringstream trace;
  trace << "seed " << c.seed << " seats " << static_cast<int>(g->Options.SeatCount) << " deals " << cfg.deals
        << '\n';
  const SimulationResult r = Simulate(*g, cfg.deals, &trace);
  EXPECT_EQ(r.invariantFailures, 0) << c.name;
  EXPECT_EQ(r.illegalComputerPlays, 0) << c.name;
  return trace.str();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first differing line with a few lines of context, or "" when equal.
std::string FirstDifference(const std::string& want, const std::string& got) {
  const std::vector<std::string> a = Lines(want), b = Lines(got);
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  if (i == a.size() && i == b.size()) return "";
  std::ostringstream out;
  out << "first difference at line " << i + 1 << ":\n";
  for (std::size_t k = i >= 3 ? i - 3 : 0; k < i; ++k) out << "    " << a[k] << '\n';
  out << "  - " << (i < a.size() ? a[i] : "(end of the golden trace)") << '\n';
  out << "  + " << (i < b.size() ? b[i] : "(end of the replay)") << '\n';
  return out.str();
}

TEST(GoldenTraces, ReplayTurnByTurn) {
  const bool write = std::getenv("TOMARUK_WRITE_GOLDEN") != nullptr;
  for (const GoldenCase& c : Cases()) {
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
    const std::string diff = FirstDifference(want.str(), got);
    EXPECT_EQ(diff, "") << c.name << ": " << diff;
  }
}

}  // namespace
}  // namespace tomaruk

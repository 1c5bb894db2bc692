// libFuzzer target: whatever bytes option.dat holds, the game loads playable
// options and a deal on them plays to its end with every invariant holding.
#include <cstdio>
#include <cstdlib>

#include "ai/computer_player.h"
#include "flow/simulate.h"
#include "game/options.h"

using namespace tomaruk;

namespace {
void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "option file fuzz: %s\n", what);
  std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  Game g;
  BuildCardTable(g);
  InitCharacters(g);
  g.Rng.Seed(size);
  g.Options = DecodeOptions(data, size);
  const OptionRecord& o = g.Options;
  Require(o.InitialLine >= 7 && o.InitialLine <= 15, "limit out of range");
  Require(o.SeatCount >= 2 && o.SeatCount <= 8, "seat count out of range");
  Require(o.MinStair >= 4 && o.MinStair <= 6, "shortest stair out of range");
  Require(o.ScoreGoalIndex <= 2, "score goal out of range");
  for (int s = 2; s <= 8; ++s) Require(o.ComFor(s) >= 1 && o.ComFor(s) <= 8, "character out of range");
  AssignSeatCharacters(g);
  g.Seat[1].Character = static_cast<uint8_t>(1 + size % 8);
  const SimulationResult r = Simulate(g, 1);
  if (r.invariantFailures != 0) std::fprintf(stderr, "%s\n", r.failures.front().c_str());
  Require(r.invariantFailures == 0, "an invariant failed");
  Require(r.turnGuards == 0, "the deal did not end");
  return 0;
}

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "ai/computer_player.h"
#include "flow/simulate.h"
#include "game/options.h"
#include "game/state.h"

using namespace tomaruk;

namespace {

// Random bytes, often near the fields' ranges so that every field is hit both
// in and out of range.
std::vector<uint8_t> RandomBytes(Random& r) {
  const int n = static_cast<int>(r.Next() * 64);
  std::vector<uint8_t> bytes(static_cast<std::size_t>(n));
  for (auto& b : bytes) {
    const double kind = r.Next();
    b = static_cast<uint8_t>(kind < 0.4   ? r.Next() * 256
                             : kind < 0.8 ? r.Next() * 17
                                          : (kind < 0.9 ? 0 : 255));
  }
  return bytes;
}

void ExpectPlayable(const OptionRecord& o, const std::string& where) {
  EXPECT_GE(o.InitialLine, 7) << where;
  EXPECT_LE(o.InitialLine, 15) << where;
  EXPECT_GE(o.SeatCount, 2) << where;
  EXPECT_LE(o.SeatCount, 8) << where;
  EXPECT_GE(o.MinStair, 4) << where;
  EXPECT_LE(o.MinStair, 6) << where;
  EXPECT_LE(o.ScoreGoalIndex, 2) << where;
  for (uint8_t f : {o.RandomOrder, o.SkipWhenOut, o.Flag3, o.Flag4, o.Flag5, o.Flag7, o.Flag8, o.Flag8F,
                    o.Flag9, o.Flag10, o.FlagJ, o.FlagQ, o.FlagM, o.FlagR})
    EXPECT_TRUE(f == 0 || f == 255) << where;
  for (int s = 2; s <= 8; ++s) {
    EXPECT_GE(o.ComFor(s), 1) << where;
    EXPECT_LE(o.ComFor(s), 8) << where;
  }
}

}  // namespace

TEST(OptionsFuzz, RandomFilesAlwaysLoadToAPlayableGame) {
  const char* quick = std::getenv("TOMARUK_QUICK");
  const int files = quick != nullptr && *quick != '\0' && *quick != '0' ? 300 : 3000;
  const std::string path = ::testing::TempDir() + "fuzz_option.dat";
  Random r(4242);
  long dealsPlayed = 0;
  for (int i = 0; i < files; ++i) {
    const std::vector<uint8_t> bytes = RandomBytes(r);
    {
      std::ofstream f(path, std::ios::binary | std::ios::trunc);
      f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    const std::string where = "file " + std::to_string(i) + " of " + std::to_string(bytes.size()) + " bytes";
    Game g;
    BuildCardTable(g);
    InitCharacters(g);
    g.Rng.Seed(static_cast<uint64_t>(i));
    LoadOptions(g, path);
    ExpectPlayable(g.Options, where);
    // Bytes in their range are kept as the file holds them.
    if (bytes.size() >= 2 && bytes[1] >= 2 && bytes[1] <= 8) {
      EXPECT_EQ(g.Options.SeatCount, bytes[1]) << where;
    }
    if (!bytes.empty() && bytes[0] >= 7 && bytes[0] <= 15) {
      EXPECT_EQ(g.Options.InitialLine, bytes[0]) << where;
    }
    for (int s = 2; s <= 8; ++s) {
      EXPECT_GE(g.Seat[s].Character, 1) << where;
      EXPECT_LE(g.Seat[s].Character, 8) << where;
    }
    // What loads saves and loads again unchanged.
    const OptionRecord first = g.Options;
    ASSERT_TRUE(SaveOptions(g, path));
    LoadOptions(g, path);
    uint8_t a[kOptionBytes], b[kOptionBytes];
    EncodeOptions(first, a);
    EncodeOptions(g.Options, b);
    EXPECT_EQ(std::vector<uint8_t>(a, a + kOptionBytes), std::vector<uint8_t>(b, b + kOptionBytes)) << where;

    // Every tenth record is played for a deal with every seat a computer.
    if (i % 10 == 0) {
      g.Seat[1].Character = static_cast<uint8_t>(1 + i % 8);
      const SimulationResult res = Simulate(g, 1);
      ASSERT_EQ(res.deals, 1) << where;
      EXPECT_EQ(res.invariantFailures, 0)
          << where << ": " << (res.failures.empty() ? "" : res.failures.front());
      EXPECT_EQ(res.turnGuards, 0) << where;
      ++dealsPlayed;
    }
  }
  EXPECT_EQ(dealsPlayed, files / 10);

  // Straight from memory: any length, any bytes, a null buffer.
  ExpectPlayable(DecodeOptions(nullptr, 0), "null");
  for (int i = 0; i < 20000; ++i) {
    const std::vector<uint8_t> bytes = RandomBytes(r);
    ExpectPlayable(DecodeOptions(bytes.data(), bytes.size()), "buffer " + std::to_string(i));
  }
}

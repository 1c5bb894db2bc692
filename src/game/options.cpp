#include "game/options.h"

#include <cstring>
#include <fstream>
#include <vector>

#include "game/state.h"

namespace tomaruk {

namespace {
uint8_t InRange(uint8_t v, int lo, int hi, uint8_t fallback) { return v >= lo && v <= hi ? v : fallback; }
uint8_t Flag(uint8_t v) { return v != 0 ? 255 : 0; }
}  // namespace

OptionRecord DecodeOptions(const uint8_t* bytes, std::size_t n) {
  uint8_t b[kOptionBytes] = {};
  if (bytes != nullptr) std::memcpy(b, bytes, n < kOptionBytes ? n : kOptionBytes);
  const OptionRecord def;
  OptionRecord o;
  o.InitialLine = InRange(b[0], 7, 15, def.InitialLine);
  o.SeatCount = InRange(b[1], 2, 8, def.SeatCount);
  o.MinStair = InRange(b[2], 4, 6, def.MinStair);
  o.RandomOrder = Flag(b[3]);
  o.ScoreGoalIndex = InRange(b[4], 0, 2, def.ScoreGoalIndex);
  o.SkipWhenOut = Flag(b[5]);
  // An empty or missing file leaves every effect on, as the dialog starts.
  const bool fresh = n == 0;
  uint8_t* flags[] = {&o.Flag3, &o.Flag4, &o.Flag5, &o.Flag7, &o.Flag8, &o.Flag8F,
                      &o.Flag9, &o.Flag10, &o.FlagJ, &o.FlagQ, &o.FlagM, &o.FlagR};
  for (int i = 0; i < 12; ++i) *flags[i] = fresh ? 255 : Flag(b[6 + i]);
  for (int s = 2; s <= 8; ++s) o.ComFor(s) = InRange(b[16 + s], 1, 8, def.ComFor(s));
  return o;
}

void EncodeOptions(const OptionRecord& o, uint8_t out[kOptionBytes]) { std::memcpy(out, &o, kOptionBytes); }

void LoadOptions(Game& g, const std::string& path) {
  std::vector<uint8_t> bytes;
  std::ifstream in(path, std::ios::binary);
  if (in) {
    char buf[kOptionBytes];
    in.read(buf, kOptionBytes);
    bytes.assign(buf, buf + in.gcount());
  }
  g.Options = DecodeOptions(bytes.data(), bytes.size());
  AssignSeatCharacters(g);
}

bool SaveOptions(const Game& g, const std::string& path) {
  uint8_t out[kOptionBytes];
  EncodeOptions(g.Options, out);
  // Open for update so that a longer file keeps its tail; create when absent.
  std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
  if (!f) {
    f.clear();
    f.open(path, std::ios::binary | std::ios::out | std::ios::trunc);
    if (!f) return false;
  }
  f.seekp(0);
  f.write(reinterpret_cast<const char*>(out), kOptionBytes);
  f.flush();
  return static_cast<bool>(f);
}

void AssignSeatCharacters(Game& g) {
  for (int n = 2; n <= 8; ++n) g.Seat[n].Character = g.Options.ComFor(n);
  if (g.Options.ShuffleCharacters()) {
    const int span = g.Options.SeatCount - 1;
    for (int i = 0; i < 201; ++i) {
      const int a = static_cast<int>(g.Rng.Next() * span) + 2;
      const int b = static_cast<int>(g.Rng.Next() * span) + 2;
      std::swap(g.Seat[a].Character, g.Seat[b].Character);
    }
  }
}

int WinningScore(const OptionRecord& o) {
  switch (o.ScoreGoalIndex) {
    case 1:
      return 500;
    case 2:
      return 1000;
    default:
      return 200;
  }
}

}  // namespace tomaruk

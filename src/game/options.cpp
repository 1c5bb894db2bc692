#include "game/options.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
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
  uint8_t* flags[] = {&o.Flag3, &o.Flag4,  &o.Flag5, &o.Flag7, &o.Flag8, &o.Flag8F,
                      &o.Flag9, &o.Flag10, &o.FlagJ, &o.FlagQ, &o.FlagM, &o.FlagR};
  for (int i = 0; i < 12; ++i) *flags[i] = fresh ? 255 : Flag(b[6 + i]);
  for (int s = 2; s <= 8; ++s) o.ComFor(s) = InRange(b[16 + s], 1, 8, def.ComFor(s));
  return o;
}

void EncodeOptions(const OptionRecord& o, uint8_t out[kOptionBytes]) { std::memcpy(out, &o, kOptionBytes); }

OptionRecord ReadOptionFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::error_code ec;
  if (std::filesystem::is_regular_file(path, ec)) {
    std::ifstream in(path, std::ios::binary);
    char buf[kOptionBytes];
    in.read(buf, kOptionBytes);
    bytes.assign(buf, buf + in.gcount());
  }
  return DecodeOptions(bytes.data(), bytes.size());
}

void LoadOptions(Game& g, const std::string& path) {
  g.Options = ReadOptionFile(path);
  AssignSeatCharacters(g);
}

bool SaveOptions(const Game& g, const std::string& path, std::string* why) {
  namespace fs = std::filesystem;
  const auto fail = [why](const std::string& reason) {
    if (why != nullptr) *why = reason;
    return false;
  };
  const auto systemReason = [](int err) { return std::generic_category().message(err); };
  const fs::path file(path);
  std::error_code ec;
  const fs::file_status own = fs::symlink_status(file, ec);
  const fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  switch (own.type()) {
    case fs::file_type::not_found:
    case fs::file_type::symlink:
      break;
    case fs::file_type::regular:
      // The player made it read-only: keep it so, whoever runs the game.
      if ((own.permissions() & anyWrite) == fs::perms::none) return fail(systemReason(EACCES));
      break;
    case fs::file_type::directory:
      return fail(systemReason(EISDIR));
    case fs::file_type::none:
      return fail(ec.message());
    default:
      return fail("not a regular file");
  }

  // The old contents, for the tail after our 25 bytes (through a link too).
  std::vector<uint8_t> bytes;
  if (fs::is_regular_file(file, ec)) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return fail(systemReason(errno));
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return fail(systemReason(errno));
  }
  if (bytes.size() < kOptionBytes) bytes.resize(kOptionBytes);
  EncodeOptions(g.Options, bytes.data());

  // A fresh file beside the old one ("x": never an existing name, never through a link).
  fs::path temp;
  std::FILE* out = nullptr;
  for (int n = 0; n < 100 && out == nullptr; ++n) {
    temp = file;
    temp += ".new" + std::to_string(n);
    out = std::fopen(temp.c_str(), "wbx");
    if (out == nullptr && errno != EEXIST) return fail(systemReason(errno));
  }
  if (out == nullptr) return fail(systemReason(EEXIST));
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
  int err = errno;
  if (std::fclose(out) != 0 && written) {
    written = false;
    err = errno;
  }
  if (written && own.type() == fs::file_type::regular) fs::permissions(temp, own.permissions(), ec);
  if (written) fs::rename(temp, file, ec);
  if (!written || ec) {
    const std::string reason = written ? ec.message() : systemReason(err);
    fs::remove(temp, ec);
    return fail(reason);
  }
  return true;
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

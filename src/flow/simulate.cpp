#include "flow/simulate.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>

#include "ai/computer_player.h"
#include "flow/flow.h"
#include "flow/headless.h"
#include "game/options.h"

// Set by Ctrl-C during a headless run.
static volatile std::sig_atomic_t simulationInterrupted = 0;

extern "C" {
static void OnSimulationInterrupt(int) {
  simulationInterrupted = 1;
  std::signal(SIGINT, SIG_DFL);
}
}

namespace tomaruk {

namespace {

#define TOMARUK_SIMULATE_SYNOPSIS \
  "tomaruk --simulate DEALS [--seats N] [--seed S] [--options FILE] [--human-as C] [--trace]"
constexpr const char* kUsage = "usage: " TOMARUK_SIMULATE_SYNOPSIS;
constexpr std::size_t kKeptFailures = 5;

// A whole decimal number with nothing else around it.
bool ParseWhole(const std::string& text, unsigned long long& v) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  errno = 0;
  v = std::strtoull(text.c_str(), &end, 10);
  return errno == 0 && end != nullptr && *end == '\0';
}

bool ParseInRange(const std::string& text, long lo, long hi, long& v) {
  unsigned long long u = 0;
  if (!ParseWhole(text, u) || u < static_cast<unsigned long long>(lo) ||
      u > static_cast<unsigned long long>(hi))
    return false;
  v = static_cast<long>(u);
  return true;
}

void AppendCards(std::ostream& out, const std::vector<uint8_t>& cards) {
  for (std::size_t i = 0; i < cards.size(); ++i) {
    if (i > 0) out << ',';
    out << static_cast<int>(cards[i]);
  }
}

std::string Fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

}  // namespace

const char* SimulationHelp() {
  return "Usage: " TOMARUK_SIMULATE_SYNOPSIS
         "\n"
         "\n"
         "Plays DEALS deals (1 to 2000000000) without a window, every seat played by a computer\n"
         "character, checks the rules after every turn and prints a table per character, the use\n"
         "of the rules and a summary line.\n"
         "\n"
         "  --seats N       seats in play, 2 to 8 (default: as the options say)\n"
         "  --seed S        random seed, a non-negative whole number (default: from the clock)\n"
         "  --options FILE  play by this 25-byte option file (default: the built-in options)\n"
         "  --human-as C    the computer character, 1 to 8, that plays seat 1 (default: 1)\n"
         "  --trace         print a line for every turn and for every deal's end\n"
         "  -h, --help      show this help and exit\n"
         "\n"
         "Exit status: 0 done, 1 a rule check failed, 2 a bad argument or options file,\n"
         "3 the report could not be written, 130 stopped by Ctrl-C (the report so far is printed).\n";
}

std::string ParseSimulationArgs(const std::vector<std::string>& args, SimulationConfig& cfg) {
  cfg = SimulationConfig{};
  if (args.size() < 3) return std::string("tomaruk: --simulate needs the number of deals; ") + kUsage;
  long v = 0;
  if (!ParseInRange(args[2], 1, 2000000000L, v))
    return "tomaruk: the number of deals must be a whole number from 1 to 2000000000, not '" + args[2] + "'";
  cfg.deals = v;
  for (std::size_t i = 3; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--trace") {
      cfg.trace = true;
    } else if (a == "--seats" || a == "--seed" || a == "--options" || a == "--human-as") {
      if (!hasValue) return "tomaruk: " + a + " needs a value";
      const std::string& value = args[++i];
      if (a == "--seats") {
        if (!ParseInRange(value, 2, kMaxSeats, v))
          return "tomaruk: --seats must be 2 to 8, not '" + value + "'";
        cfg.seats = static_cast<int>(v);
      } else if (a == "--human-as") {
        if (!ParseInRange(value, 1, 8, v))
          return "tomaruk: --human-as must be a character 1 to 8, not '" + value + "'";
        cfg.humanAs = static_cast<int>(v);
      } else if (a == "--seed") {
        unsigned long long u = 0;
        if (!ParseWhole(value, u))
          return "tomaruk: --seed needs a non-negative whole number, not '" + value + "'";
        cfg.seeded = true;
        cfg.seed = u;
      } else {
        if (value.empty()) return "tomaruk: --options needs a file name";
        cfg.optionsPath = value;
      }
    } else {
      return "tomaruk: unknown argument '" + a + "'; " + kUsage;
    }
  }
  return "";
}

std::string PrepareSimulation(Game& g, const SimulationConfig& cfg) {
  OptionRecord options;
  std::vector<uint8_t> bytes;
  if (!cfg.optionsPath.empty()) {
    std::error_code ec;
    if (std::filesystem::is_directory(cfg.optionsPath, ec))
      return "tomaruk: --options needs a file, but '" + cfg.optionsPath + "' is a directory";
    std::ifstream in(cfg.optionsPath, std::ios::binary);
    if (!in) return "tomaruk: cannot read the options file '" + cfg.optionsPath + "'";
    char buf[kOptionBytes];
    in.read(buf, kOptionBytes);
    bytes.assign(buf, buf + in.gcount());
    options = DecodeOptions(bytes.data(), bytes.size());
  }
  if (cfg.seats != 0) options.SeatCount = static_cast<uint8_t>(cfg.seats);
  PrepareGame(g, options, cfg.seed);
  g.Seat[1].Character = static_cast<uint8_t>(cfg.humanAs);
  return "";
}

SimulationResult Simulate(Game& g, long deals, std::ostream* trace, const std::function<void(long)>& progress,
                          const std::function<bool()>& stop) {
  SimulationResult r;
  HeadlessHost host;
  Pacer pacer(host);
  GameFlow flow(g, pacer);
  flow.humanIsComputer = true;
  long deal = 0;
  flow.afterTurn = [&] {
    ++r.turns;
    bool cardsFailed = false;
    const std::string bad = CheckInvariants(g, &cardsFailed);
    if (!bad.empty()) {
      ++r.invariantFailures;
      if (cardsFailed) ++r.conservationFailures;
      if (r.failures.size() < kKeptFailures)
        r.failures.push_back("deal " + std::to_string(deal) + " turn " + std::to_string(r.turns) + ": " +
                             bad);
    }
    const TurnRecord& t = flow.lastTurn;
    if (t.computer && t.code != 0) ++r.codes[t.code];
    if (t.computer && t.acted && t.play.cards.empty() && !t.mayPass) ++r.freeLeadPasses;
    if (trace == nullptr || !t.acted) return;
    std::ostream& out = *trace;
    out << "T " << r.turns << " seat " << t.seat;
    if (!t.play.cards.empty()) {
      out << " play ";
      AppendCards(out, t.play.cards);
      out << " code " << t.code;
    } else {
      out << " pass";
      if (t.code != 0) out << " code " << t.code;
      if (!t.refused.empty()) {
        out << " refused ";
        AppendCards(out, t.refused);
      }
    }
    out << '\n';
  };

  const auto start = std::chrono::steady_clock::now();
  flow.StartGame();
  r.games = 1;
  for (deal = 1; deal <= deals; ++deal) {
    const DealResult end = flow.PlayDeal();
    const int n = end.Seats;
    for (int s = 1; s <= n; ++s) {
      const SeatResult& seat = end.Seat[s];
      const uint8_t character = g.Seat[s].Character;
      CharacterTally& c = r.byCharacter[character <= 8 ? character : 0];
      ++c.seats;
      c.placeSum += seat.Place;
      c.points += seat.Points;
      c.finishes += seat.Status == kFinished;
      c.dropOuts += seat.Status == kDroppedOut;
      c.fouls += seat.Status == kFouled;
      c.kills += seat.Kills;
      c.won += seat.Place == 1;
    }
    if (trace != nullptr) {
      std::ostream& out = *trace;
      out << "deal " << deal << " end places";
      for (int s = 1; s <= n; ++s) out << ' ' << end.Seat[s].Place;
      out << " points";
      for (int s = 1; s <= n; ++s) out << ' ' << end.Seat[s].Points;
      out << '\n';
    }
    r.deals = deal;
    if (progress) progress(deal);
    if (stop && stop()) break;
    // A seat reached the winning score: the next deal opens a new game.
    if (g.GameOver && deal < deals) {
      flow.StartGame();
      ++r.games;
    }
  }
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  r.illegalComputerPlays = flow.stats.illegalComputerPlays;
  r.refusedByCode = flow.stats.illegalByCode;
  r.turnGuards = host.turnGuards;
  r.lineGuards = host.lineGuards;
  flow.afterTurn = nullptr;
  return r;
}

void PrintSimulationReport(const Game& g, const SimulationResult& r, std::ostream& out) {
  out << "characters\n";
  for (int c = 0; c <= 8; ++c) {
    const CharacterTally& t = r.byCharacter[c];
    if (t.seats == 0) continue;
    const double seats = static_cast<double>(t.seats);
    out << "char " << c << " seats=" << t.seats << " avg_place=" << Fixed(t.placeSum / seats, 3)
        << " points_per_deal=" << Fixed(t.points / seats, 2) << " finishes=" << t.finishes
        << " drop_outs=" << t.dropOuts << " fouls=" << t.fouls << " kills=" << t.kills
        << " won=" << Fixed(t.won / seats, 3) << " name=" << g.Characters[c].Name << '\n';
  }
  out << "rule usage\n";
  for (const auto& [code, count] : r.codes) out << "code " << code << ' ' << count << '\n';
  for (const auto& [code, count] : r.refusedByCode) out << "refused code " << code << ' ' << count << '\n';
  out << "guards turn_limit=" << r.turnGuards << " line_limit=" << r.lineGuards << " games=" << r.games
      << " invariant_failures=" << r.invariantFailures << " free_lead_passes=" << r.freeLeadPasses << '\n';
  const double rate = r.seconds > 0 ? r.deals / r.seconds : 0;
  out << "summary deals=" << r.deals << " turns=" << r.turns << " seconds=" << Fixed(r.seconds, 3)
      << " deals_per_s=" << Fixed(rate, 0) << " conservation_failures=" << r.conservationFailures
      << " illegal_ai_plays=" << r.illegalComputerPlays << '\n';
}

int RunSimulation(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SimulationConfig cfg;
  const std::string bad = ParseSimulationArgs(args, cfg);
  if (!bad.empty()) {
    err << bad << '\n';
    return 2;
  }
  if (!cfg.seeded)
    cfg.seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  auto game = std::make_unique<Game>();
  const std::string unreadable = PrepareSimulation(*game, cfg);
  if (!unreadable.empty()) {
    err << unreadable << '\n';
    return 2;
  }
  // Ctrl-C ends the run after the deal in hand and still reports; a second one ends it at once.
  simulationInterrupted = 0;
  const auto previous = std::signal(SIGINT, OnSimulationInterrupt);
  out << "seed " << cfg.seed << " seats " << static_cast<int>(game->Options.SeatCount) << " deals "
      << cfg.deals << '\n';

  // A progress line every second of wall time for long runs.
  const auto start = std::chrono::steady_clock::now();
  auto last = start;
  const auto progress = [&](long done) {
    const auto now = std::chrono::steady_clock::now();
    if (now - last < std::chrono::seconds(1)) return;
    last = now;
    const double s = std::chrono::duration<double>(now - start).count();
    err << "simulate: " << done << "/" << cfg.deals << " deals, " << Fixed(done / s, 0) << " deals/s\n";
  };
  const auto stop = [&out] { return simulationInterrupted != 0 || !out; };
  const SimulationResult r = Simulate(*game, cfg.deals, cfg.trace ? &out : nullptr, progress, stop);
  for (const std::string& f : r.failures) err << "tomaruk: invariant failed: " << f << '\n';
  if (simulationInterrupted != 0) err << "tomaruk: interrupted after " << r.deals << " deals\n";
  PrintSimulationReport(*game, r, out);
  errno = 0;
  out.flush();
  const int writeError = errno;
  const bool interrupted = simulationInterrupted != 0;
  std::signal(SIGINT, previous == SIG_ERR ? SIG_DFL : previous);
  if (interrupted) return 130;
  if (!out) {
    err << "tomaruk: the report could not be written";
    if (writeError != 0) err << ": " << std::strerror(writeError);
    err << '\n';
    return 3;
  }
  return r.invariantFailures > 0 ? 1 : 0;
}

}  // namespace tomaruk

#include "flow/simulate.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>

#include "ai/computer_player.h"
#include "flow/flow.h"
#include "flow/headless.h"
#include "game/options.h"

// Set by Ctrl-C during a headless run; the streams read it between deals.
static std::atomic<int> simulationInterrupted{0};
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

extern "C" {
static void OnSimulationInterrupt(int) {
  simulationInterrupted = 1;
  std::signal(SIGINT, SIG_DFL);
}
}

namespace tomaruk {

namespace {

// The synopsis in two halves: one line in a complaint, two in the help.
#define TOMARUK_SIMULATE_SYNOPSIS \
  "tomaruk --simulate DEALS [--seats N] [--seed S] [--options FILE] [--human-as C]"
#define TOMARUK_SIMULATE_SYNOPSIS_MORE "[--trace] [--jobs N] [--format F] [--stats]"
constexpr const char* kUsage = "usage: " TOMARUK_SIMULATE_SYNOPSIS " " TOMARUK_SIMULATE_SYNOPSIS_MORE;
constexpr std::size_t kKeptFailures = 5;
constexpr long kMaxJobs = 256;

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

void AppendCards(std::ostream& out, const Selection& cards) {
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

// A mean or a rate with its 95 % interval.
struct Interval {
  double mean = 0, low = 0, high = 0;
};

// The mean of n values from their sum and sum of squares, mean +- 1.96 s / sqrt(n) (no width below two).
Interval MeanInterval(long sum, long squares, long n) {
  Interval i;
  if (n <= 0) return i;
  const double count = static_cast<double>(n);
  i.mean = i.low = i.high = static_cast<double>(sum) / count;
  if (n < 2) return i;
  const double variance =
      std::max(0.0, (static_cast<double>(squares) - static_cast<double>(sum) * i.mean) / (count - 1));
  const double half = 1.96 * std::sqrt(variance / count);
  i.low = i.mean - half;
  i.high = i.mean + half;
  return i;
}

// A rate of k in n with the Wilson score interval, which stays inside 0..1 and keeps a width for
// rates at or near 0, as fouls are.
Interval RateInterval(long k, long n) {
  Interval i;
  if (n <= 0) return i;
  const double count = static_cast<double>(n), z = 1.96, zz = z * z;
  i.mean = static_cast<double>(k) / count;
  const double d = 1 + zz / count;
  const double centre = (i.mean + zz / (2 * count)) / d;
  const double half = z * std::sqrt(i.mean * (1 - i.mean) / count + zz / (4 * count * count)) / d;
  i.low = std::max(0.0, centre - half);
  i.high = std::min(1.0, centre + half);
  return i;
}

// The six figures of a character that carry an interval, in report order.
struct CharacterFigures {
  Interval place, points, finishes, dropOuts, fouls, won;
};

CharacterFigures FiguresOf(const CharacterTally& t) {
  return {MeanInterval(t.placeSum, t.placeSquares, t.seats),
          MeanInterval(t.points, t.pointSquares, t.seats),
          RateInterval(t.finishes, t.seats),
          RateInterval(t.dropOuts, t.seats),
          RateInterval(t.fouls, t.seats),
          RateInterval(t.won, t.seats)};
}

std::string Bracket(const Interval& i, int decimals) {
  return Fixed(i.mean, decimals) + " [" + Fixed(i.low, decimals) + "," + Fixed(i.high, decimals) + "]";
}

std::string JsonString(const std::string& text) {
  std::string q = "\"";
  for (const char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      q += '\\';
      q += ch;
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      q += buf;
    } else {
      q += ch;
    }
  }
  return q + '"';
}

std::string JsonInterval(const Interval& i) {
  return "{\"mean\": " + Fixed(i.mean, 6) + ", \"low\": " + Fixed(i.low, 6) +
         ", \"high\": " + Fixed(i.high, 6) + "}";
}

std::string JsonRate(long count, const Interval& i) {
  return "{\"count\": " + std::to_string(count) + ", \"rate\": " + Fixed(i.mean, 6) +
         ", \"low\": " + Fixed(i.low, 6) + ", \"high\": " + Fixed(i.high, 6) + "}";
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
  std::string q = "\"";
  for (const char c : text) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + '"';
}

// The progress line of a long run on a terminal: rewritten in place once a second with the
// deals done, the rate and the time left, and wiped before the report.
class ProgressLine {
 public:
  ProgressLine(std::ostream& err, long deals, bool shown) : err_(err), deals_(deals), shown_(shown) {}
  ~ProgressLine() { Clear(); }

  void Update(long done) {
    if (!shown_) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - last_ < std::chrono::seconds(1)) return;
    last_ = now;
    const double s = std::chrono::duration<double>(now - start_).count();
    const double rate = s > 0 ? done / s : 0;
    std::string line = "simulate: " + std::to_string(done) + "/" + std::to_string(deals_) + " deals, " +
                       Fixed(rate, 0) + " deals/s";
    if (rate > 0) line += ", " + TimeLeft(static_cast<double>(deals_ - done) / rate) + " left";
    const std::size_t width = line.size();
    if (width < width_) line.append(width_ - width, ' ');
    width_ = width;
    err_ << '\r' << line << std::flush;
  }

  void Clear() {
    if (width_ == 0) return;
    err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
    width_ = 0;
  }

 private:
  static std::string TimeLeft(double s) {
    const long whole = std::lround(std::ceil(s));
    if (whole < 120) return std::to_string(whole) + " s";
    if (whole < 7200) return std::to_string((whole + 30) / 60) + " min";
    return std::to_string(whole / 3600) + " h " + std::to_string(whole % 3600 / 60) + " min";
  }

  std::ostream& err_;
  const long deals_;
  const bool shown_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point last_ = start_;
  std::size_t width_ = 0;
};

// The streams of a run when --jobs is not given: one for a seeded or traced run, so that a seed
// names the same report on every machine, else the machine's cores.
int DefaultJobs(const SimulationConfig& cfg) {
  if (cfg.seeded || cfg.trace) return 1;
  return static_cast<int>(std::clamp<unsigned>(std::thread::hardware_concurrency(), 1, kMaxJobs));
}

// Stream k (1..jobs) of a run seeded with seed: stream 1 plays the seed itself (so one stream is
// the plain run), stream k > 1 the (k-1)th number of splitmix64 started at the seed.
uint64_t StreamSeed(uint64_t seed, int stream) {
  if (stream <= 1) return seed;
  uint64_t x = seed;
  uint64_t number = 0;
  for (int k = 1; k < stream; ++k) number = SplitMix(x);
  return number;
}

// The deals of stream k: the deals shared out in stream order, the first (deals mod jobs) streams
// playing one more.
long StreamDeals(long deals, int jobs, int stream) { return deals / jobs + (stream <= deals % jobs ? 1 : 0); }

// Plays the streams of a run at once, one thread and one game each, and merges their results in
// stream order; the run's seconds are its wall time.
SimulationResult SimulateStreams(const std::vector<std::unique_ptr<Game>>& games, long deals, int jobs,
                                 ProgressLine& progress) {
  const int streams = static_cast<int>(games.size());
  std::vector<SimulationResult> results(games.size());
  std::atomic<long> done{0};
  std::mutex m;
  std::condition_variable finished;
  int running = streams;
  const auto start = std::chrono::steady_clock::now();
  {
    std::vector<std::jthread> threads;
    for (int k = 0; k < streams; ++k)
      threads.emplace_back([&, k] {
        results[k] = Simulate(
            *games[k], StreamDeals(deals, jobs, k + 1), nullptr,
            [&](long) { done.fetch_add(1, std::memory_order_relaxed); },
            [] { return simulationInterrupted.load(std::memory_order_relaxed) != 0; });
        std::lock_guard<std::mutex> lock(m);
        --running;
        finished.notify_one();
      });
    std::unique_lock<std::mutex> lock(m);
    while (running > 0) {
      finished.wait_for(lock, std::chrono::milliseconds(200));
      progress.Update(done.load(std::memory_order_relaxed));
    }
  }
  SimulationResult r;
  for (int k = 0; k < streams; ++k) MergeSimulation(r, results[k], k + 1);
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return r;
}

}  // namespace

const char* SimulationHelp() {
  return "Usage: " TOMARUK_SIMULATE_SYNOPSIS
         "\n"
         "                                " TOMARUK_SIMULATE_SYNOPSIS_MORE
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
         "  --trace         print a line for every turn and for every deal's end (one stream)\n"
         "  --jobs N        play N streams of deals at once, 1 to 256 (default: one stream when\n"
         "                  --seed or --trace is given, else one per core of the machine)\n"
         "  --format F      the report as text (the default), json or csv\n"
         "  --stats         add each character's 95% confidence intervals to the text report\n"
         "  -h, --help      show this help and exit\n"
         "\n"
         "Streams: stream 1 plays with the seed S itself, so --jobs 1 is the plain single-stream run;\n"
         "stream k > 1 plays with the (k-1)th number of splitmix64 started at S, that is\n"
         "mix(S + (k-1) * 0x9E3779B97F4A7C15). The deals are shared out in stream order, the first\n"
         "DEALS mod N streams playing one more, and the streams' counts are added up. With more than\n"
         "one stream the first line names the jobs: --seed S --jobs N repeats the run on any machine.\n"
         "\n"
         "Intervals (--stats, json, csv) are over the seats each character played, one per deal:\n"
         "mean place and points per deal as mean +- 1.96 s/sqrt(n), the rates of finishes, drop-outs,\n"
         "fouls and firsts as Wilson score intervals. The json and csv fields are listed in the README.\n"
         "A progress line with the rate and the time left is shown on stderr when it is a terminal.\n"
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
    } else if (a == "--stats") {
      cfg.stats = true;
    } else if (a == "--seats" || a == "--seed" || a == "--options" || a == "--human-as" || a == "--jobs" ||
               a == "--format") {
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
      } else if (a == "--jobs") {
        if (!ParseInRange(value, 1, kMaxJobs, v))
          return "tomaruk: --jobs must be 1 to " + std::to_string(kMaxJobs) + ", not '" + value + "'";
        cfg.jobs = static_cast<int>(v);
      } else if (a == "--format") {
        if (value == "text") {
          cfg.format = SimulationConfig::Format::kText;
        } else if (value == "json") {
          cfg.format = SimulationConfig::Format::kJson;
        } else if (value == "csv") {
          cfg.format = SimulationConfig::Format::kCsv;
        } else {
          return "tomaruk: --format must be text, json or csv, not '" + value + "'";
        }
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
  if (cfg.trace && cfg.jobs > 1)
    return "tomaruk: --trace follows one stream of deals; leave out --jobs or give 1";
  if (cfg.trace && cfg.format != SimulationConfig::Format::kText)
    return "tomaruk: --trace prints text lines and cannot go with --format json or csv";
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
  // The decision codes are counted by code in a table while the deals run and go into the
  // report's map at the end: a map lookup after every turn would cost more than the turn's checks.
  constexpr int kCodeTable = 4096;
  std::vector<long> codeCounts(kCodeTable, 0);
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
    if (t.computer && t.code > 0 && t.code < kCodeTable) {
      ++codeCounts[t.code];
    } else if (t.computer && t.code != 0) {
      ++r.codes[t.code];
    }
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
      c.placeSquares += seat.Place * seat.Place;
      const long points = seat.Points;
      c.points += points;
      c.pointSquares += points * points;
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
  for (int code = 1; code < kCodeTable; ++code)
    if (codeCounts[code] != 0) r.codes[code] += codeCounts[code];
  r.illegalComputerPlays = flow.stats.illegalComputerPlays;
  r.refusedByCode = flow.stats.illegalByCode;
  r.turnGuards = host.turnGuards;
  r.lineGuards = host.lineGuards;
  flow.afterTurn = nullptr;
  return r;
}

void MergeSimulation(SimulationResult& into, const SimulationResult& stream, int k) {
  into.deals += stream.deals;
  into.turns += stream.turns;
  into.games += stream.games;
  into.conservationFailures += stream.conservationFailures;
  into.invariantFailures += stream.invariantFailures;
  into.illegalComputerPlays += stream.illegalComputerPlays;
  into.freeLeadPasses += stream.freeLeadPasses;
  into.turnGuards += stream.turnGuards;
  into.lineGuards += stream.lineGuards;
  for (std::size_t c = 0; c < into.byCharacter.size(); ++c) {
    CharacterTally& a = into.byCharacter[c];
    const CharacterTally& b = stream.byCharacter[c];
    a.seats += b.seats;
    a.placeSum += b.placeSum;
    a.points += b.points;
    a.placeSquares += b.placeSquares;
    a.pointSquares += b.pointSquares;
    a.finishes += b.finishes;
    a.dropOuts += b.dropOuts;
    a.fouls += b.fouls;
    a.kills += b.kills;
    a.won += b.won;
  }
  for (const auto& [code, count] : stream.codes) into.codes[code] += count;
  for (const auto& [code, count] : stream.refusedByCode) into.refusedByCode[code] += count;
  for (const std::string& f : stream.failures)
    if (into.failures.size() < kKeptFailures)
      into.failures.push_back("stream " + std::to_string(k) + " " + f);
}

void PrintSimulationReport(const Game& g, const SimulationResult& r, std::ostream& out, bool stats) {
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
  if (stats) {
    out << "intervals 95% (over the seats played: means +- 1.96 s/sqrt(n), rates by Wilson)\n";
    for (int c = 0; c <= 8; ++c) {
      const CharacterTally& t = r.byCharacter[c];
      if (t.seats == 0) continue;
      const CharacterFigures f = FiguresOf(t);
      out << "ci char " << c << " n=" << t.seats << " avg_place=" << Bracket(f.place, 3)
          << " points_per_deal=" << Bracket(f.points, 2) << " finishes=" << Bracket(f.finishes, 3)
          << " drop_outs=" << Bracket(f.dropOuts, 3) << " fouls=" << Bracket(f.fouls, 3)
          << " won=" << Bracket(f.won, 3) << '\n';
    }
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

void PrintSimulationJson(const Game& g, const SimulationConfig& cfg, const SimulationResult& r,
                         bool interrupted, std::ostream& out) {
  out << "{\n  \"seed\": \"" << cfg.seed << "\", \"seats\": " << static_cast<int>(g.Options.SeatCount)
      << ", \"deals_asked\": " << cfg.deals << ", \"deals\": " << r.deals << ", \"jobs\": " << cfg.jobs
      << ", \"interrupted\": " << (interrupted ? "true" : "false") << ",\n  \"characters\": [";
  const char* sep = "\n";
  for (int c = 0; c <= 8; ++c) {
    const CharacterTally& t = r.byCharacter[c];
    if (t.seats == 0) continue;
    const CharacterFigures f = FiguresOf(t);
    out << sep << "    {\"character\": " << c << ", \"name\": " << JsonString(g.Characters[c].Name)
        << ", \"seats\": " << t.seats << ", \"place\": " << JsonInterval(f.place)
        << ", \"points_per_deal\": " << JsonInterval(f.points) << ", \"points\": " << t.points
        << ", \"finishes\": " << JsonRate(t.finishes, f.finishes)
        << ", \"drop_outs\": " << JsonRate(t.dropOuts, f.dropOuts)
        << ", \"fouls\": " << JsonRate(t.fouls, f.fouls) << ", \"won\": " << JsonRate(t.won, f.won)
        << ", \"kills\": " << t.kills << "}";
    sep = ",\n";
  }
  const auto codes = [&out](const std::map<int, long>& m) {
    const char* comma = "";
    out << '{';
    for (const auto& [code, count] : m) out << comma << '"' << code << "\": " << count, comma = ", ";
    out << '}';
  };
  out << "\n  ],\n  \"codes\": ";
  codes(r.codes);
  out << ",\n  \"refused_codes\": ";
  codes(r.refusedByCode);
  const double rate = r.seconds > 0 ? r.deals / r.seconds : 0;
  out << ",\n  \"games\": " << r.games << ", \"turns\": " << r.turns
      << ", \"turn_limit_guards\": " << r.turnGuards << ", \"line_limit_guards\": " << r.lineGuards
      << ", \"invariant_failures\": " << r.invariantFailures
      << ", \"conservation_failures\": " << r.conservationFailures
      << ", \"illegal_ai_plays\": " << r.illegalComputerPlays
      << ", \"free_lead_passes\": " << r.freeLeadPasses << ",\n  \"seconds\": " << Fixed(r.seconds, 3)
      << ", \"deals_per_s\": " << Fixed(rate, 0) << "\n}\n";
}

void PrintSimulationCsv(const Game& g, const SimulationConfig& cfg, const SimulationResult& r,
                        std::ostream& out) {
  out << "seed,table_seats,deals,jobs,character,name,seats,place_mean,place_low,place_high,points_per_deal,"
         "points_low,points_high,finishes,finish_rate,finish_low,finish_high,drop_outs,drop_out_rate,"
         "drop_out_low,drop_out_high,fouls,foul_rate,foul_low,foul_high,won,won_rate,won_low,won_high,"
         "kills\n";
  for (int c = 0; c <= 8; ++c) {
    const CharacterTally& t = r.byCharacter[c];
    if (t.seats == 0) continue;
    const CharacterFigures f = FiguresOf(t);
    const auto interval = [&out](const Interval& i) {
      out << ',' << Fixed(i.mean, 6) << ',' << Fixed(i.low, 6) << ',' << Fixed(i.high, 6);
    };
    out << cfg.seed << ',' << static_cast<int>(g.Options.SeatCount) << ',' << r.deals << ',' << cfg.jobs
        << ',' << c << ',' << CsvField(g.Characters[c].Name) << ',' << t.seats;
    interval(f.place);
    interval(f.points);
    out << ',' << t.finishes;
    interval(f.finishes);
    out << ',' << t.dropOuts;
    interval(f.dropOuts);
    out << ',' << t.fouls;
    interval(f.fouls);
    out << ',' << t.won;
    interval(f.won);
    out << ',' << t.kills << '\n';
  }
}

int RunSimulation(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SimulationConfig cfg;
  const std::string bad = ParseSimulationArgs(args, cfg);
  if (!bad.empty()) {
    err << bad << '\n';
    return 2;
  }
  if (cfg.jobs == 0) cfg.jobs = DefaultJobs(cfg);
  if (!cfg.seeded)
    cfg.seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  // One game for each stream that has deals to play.
  std::vector<std::unique_ptr<Game>> games;
  for (int k = 1; k <= cfg.jobs && k <= cfg.deals; ++k) {
    SimulationConfig stream = cfg;
    stream.seed = StreamSeed(cfg.seed, k);
    games.push_back(std::make_unique<Game>());
    const std::string unreadable = PrepareSimulation(*games.back(), stream);
    if (!unreadable.empty()) {
      err << unreadable << '\n';
      return 2;
    }
  }
  const Game& game = *games.front();
  const bool text = cfg.format == SimulationConfig::Format::kText;
  // Ctrl-C ends the run after the deal in hand (in every stream) and still reports; a second one
  // ends it at once.
  simulationInterrupted = 0;
  const auto previous = std::signal(SIGINT, OnSimulationInterrupt);
  if (text) {
    out << "seed " << cfg.seed << " seats " << static_cast<int>(game.Options.SeatCount) << " deals "
        << cfg.deals;
    if (cfg.jobs > 1) out << " jobs " << cfg.jobs;
    out << '\n';
  }

  SimulationResult r;
  {
    // The progress line goes only to the program's own stderr, and only when that is a terminal.
    ProgressLine progress(err, cfg.deals, &err == &std::cerr && isatty(STDERR_FILENO) == 1);
    if (games.size() == 1) {
      const auto stop = [&out] { return simulationInterrupted != 0 || !out; };
      r = Simulate(
          *games.front(), cfg.deals, cfg.trace ? &out : nullptr,
          [&progress](long done) { progress.Update(done); }, stop);
    } else {
      r = SimulateStreams(games, cfg.deals, cfg.jobs, progress);
    }
  }
  const bool interrupted = simulationInterrupted != 0;
  for (const std::string& f : r.failures) err << "tomaruk: invariant failed: " << f << '\n';
  if (interrupted) err << "tomaruk: interrupted after " << r.deals << " deals\n";
  if (text) {
    PrintSimulationReport(game, r, out, cfg.stats);
  } else if (cfg.format == SimulationConfig::Format::kJson) {
    PrintSimulationJson(game, cfg, r, interrupted, out);
  } else {
    PrintSimulationCsv(game, cfg, r, out);
  }
  errno = 0;
  out.flush();
  const int writeError = errno;
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

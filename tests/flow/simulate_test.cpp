#include "flow/simulate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "game/options.h"

using namespace tomaruk;

namespace {

struct CommandRun {
  int rc = 0;
  std::string out, err;
};

CommandRun RunCommand(std::vector<std::string> extra) {
  std::vector<std::string> args = {"tomaruk", "--simulate"};
  args.insert(args.end(), extra.begin(), extra.end());
  std::ostringstream out, err;
  CommandRun r;
  r.rc = RunSimulation(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool AllDigits(const std::string& s, const std::string& also = "") {
  if (s.empty()) return false;
  for (char c : s)
    if ((c < '0' || c > '9') && also.find(c) == std::string::npos) return false;
  return true;
}

// One word against a pattern word: "#" a whole number, "#.#" a decimal, "#,"
// card codes joined by commas, "*" anything, "key=..." a key and its value;
// anything else must be equal.
bool WordMatches(const std::string& w, const std::string& p) {
  if (p == "#") return AllDigits(w);
  if (p == "#.#") return AllDigits(w, ".") && w.front() != '.' && w.back() != '.';
  if (p == "#,")
    return AllDigits(w, ",") && w.front() != ',' && w.back() != ',' && w.find(",,") == std::string::npos;
  if (p == "*") return true;
  const std::size_t eq = p.find('=');
  if (eq != std::string::npos && eq + 1 < p.size() && (p[eq + 1] == '#' || p[eq + 1] == '*'))
    return w.compare(0, eq + 1, p, 0, eq + 1) == 0 && WordMatches(w.substr(eq + 1), p.substr(eq + 1));
  return w == p;
}

bool LineMatches(const std::string& line, const std::string& pattern) {
  const std::vector<std::string> w = Words(line), p = Words(pattern);
  if (w.size() != p.size() || line.find("  ") != std::string::npos) return false;
  for (std::size_t i = 0; i < w.size(); ++i)
    if (!WordMatches(w[i], p[i])) return false;
  return true;
}

// The output with the two timing figures of the summary blanked.
std::string WithoutTiming(const std::string& text) {
  std::string out;
  for (const std::string& line : Lines(text)) {
    if (line.rfind("summary ", 0) != 0) {
      out += line + "\n";
      continue;
    }
    for (const std::string& w : Words(line))
      out += (w.rfind("seconds=", 0) == 0 || w.rfind("deals_per_s=", 0) == 0 ? w.substr(0, w.find('=')) : w) +
             " ";
    out += "\n";
  }
  return out;
}

std::string TempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace

TEST(Simulate, BadArgumentsGiveOneLineAndExitCodeTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"ten"},
      {"0"},
      {"-5"},
      {"12x"},
      {"10", "--seats"},
      {"10", "--seats", "1"},
      {"10", "--seats", "9"},
      {"10", "--seed", "-3"},
      {"10", "--seed", "abc"},
      {"10", "--human-as", "0"},
      {"10", "--human-as", "9"},
      {"10", "--options", ""},
      {"10", "--options", ::testing::TempDir() + "no/such/option.dat"},
      {"10", "--fast"},
  };
  for (const auto& args : bad) {
    const CommandRun r = RunCommand(args);
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    EXPECT_EQ(r.rc, 2) << joined;
    EXPECT_EQ(r.out, "") << joined;
    ASSERT_EQ(Lines(r.err).size(), 1u) << joined << r.err;
    EXPECT_EQ(r.err.rfind("tomaruk: ", 0), 0u) << joined;
  }

  SimulationConfig cfg;
  ASSERT_EQ(ParseSimulationArgs({"tomaruk", "--simulate", "25", "--seats", "6", "--seed",
                                 "18446744073709551615", "--human-as", "8", "--trace", "--options", "x.dat"},
                                cfg),
            "");
  EXPECT_EQ(cfg.deals, 25);
  EXPECT_EQ(cfg.seats, 6);
  EXPECT_TRUE(cfg.seeded);
  EXPECT_EQ(cfg.seed, 18446744073709551615ull);
  EXPECT_EQ(cfg.humanAs, 8);
  EXPECT_TRUE(cfg.trace);
  EXPECT_EQ(cfg.optionsPath, "x.dat");
}

TEST(Simulate, SeededRunsRepeatAndTheReportHasItsShape) {
  const CommandRun a = RunCommand({"40", "--seed", "77", "--seats", "5", "--trace"});
  const CommandRun b = RunCommand({"40", "--seed", "77", "--seats", "5", "--trace"});
  ASSERT_EQ(a.rc, 0) << a.err;
  EXPECT_EQ(WithoutTiming(a.out), WithoutTiming(b.out));
  EXPECT_NE(WithoutTiming(a.out),
            WithoutTiming(RunCommand({"40", "--seed", "78", "--seats", "5", "--trace"}).out));

  const std::vector<std::string> lines = Lines(a.out);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines.front(), "seed 77 seats 5 deals 40");
  const std::string& summary = lines.back();
  ASSERT_TRUE(LineMatches(
      summary,
      "summary deals=40 turns=# seconds=#.# deals_per_s=# conservation_failures=0 illegal_ai_plays=#"))
      << summary;
  const long turns = std::stol(Words(summary)[2].substr(6));

  long dealEnds = 0, lastTurn = 0, seatsPlayed = 0, plays = 0, passes = 0;
  bool inCodes = false, seenCharacters = false;
  for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
    const std::string& l = lines[i];
    const bool turn = LineMatches(l, "T # seat # play #, code #") || LineMatches(l, "T # seat # pass") ||
                      LineMatches(l, "T # seat # pass code #") ||
                      LineMatches(l, "T # seat # pass code # refused #,");
    if (l.rfind("deal " + std::to_string(dealEnds + 1) + " end places ", 0) == 0) {
      ++dealEnds;
    } else if (turn) {
      // Turn numbers climb through the run; every trace line comes before the tables.
      const long n = std::stol(Words(l)[1]);
      EXPECT_GT(n, lastTurn) << l;
      EXPECT_FALSE(seenCharacters) << l;
      const int seat = std::stoi(Words(l)[3]);
      EXPECT_TRUE(seat >= 1 && seat <= 5) << l;
      lastTurn = n;
      (Words(l)[4] == "play" ? plays : passes) += 1;
    } else if (l == "characters") {
      seenCharacters = true;
    } else if (LineMatches(l,
                           "char # seats=# avg_place=#.# points_per_deal=#.# finishes=# drop_outs=# fouls=# "
                           "kills=# won=#.# name=*")) {
      seatsPlayed += std::stol(Words(l)[2].substr(6));
    } else if (l == "rule usage") {
      inCodes = true;
    } else if (inCodes && (LineMatches(l, "code # #") || LineMatches(l, "refused code # #"))) {
    } else {
      EXPECT_TRUE(
          LineMatches(l, "guards turn_limit=# line_limit=# games=# invariant_failures=0 free_lead_passes=#"))
          << l;
    }
  }
  EXPECT_EQ(dealEnds, 40);
  EXPECT_GT(plays, 40);
  EXPECT_GT(passes, 40);
  EXPECT_LE(lastTurn, turns);
  // One seat of a character per seat and deal.
  EXPECT_EQ(seatsPlayed, 40 * 5);

  // Without --trace only the tables are printed, with the same figures.
  const CommandRun quiet = RunCommand({"40", "--seed", "77", "--seats", "5"});
  EXPECT_EQ(quiet.out.find("\nT "), std::string::npos);
  EXPECT_EQ(quiet.out.find(" end\n"), std::string::npos);
  EXPECT_EQ(WithoutTiming(quiet.out).substr(WithoutTiming(quiet.out).find("characters")),
            WithoutTiming(a.out).substr(WithoutTiming(a.out).find("characters")));
}

TEST(Simulate, OptionsFileSeatsAndTheHumansCharacter) {
  // A damaged file: seat count 200, limit 3, no shuffle, stray flag bytes, bad characters.
  const std::string path = TempFile("sim_damaged.dat", {3, 200, 9, 0, 9, 1, 0,   255, 17, 0, 0, 0, 1, 2,
                                                        3, 4,   5, 6, 0, 9, 200, 3,   4,  5, 6, 7, 8, 9});
  Game g;
  SimulationConfig cfg;
  cfg.optionsPath = path;
  cfg.humanAs = 6;
  ASSERT_EQ(PrepareSimulation(g, cfg), "");
  EXPECT_EQ(g.Options.InitialLine, 11);
  EXPECT_EQ(g.Options.SeatCount, 4);
  EXPECT_EQ(g.Options.MinStair, 4);
  EXPECT_EQ(g.Options.Flag3, 0);
  EXPECT_EQ(g.Options.Flag4, 255);
  EXPECT_EQ(g.Seat[1].Character, 6);
  EXPECT_EQ(g.Seat[2].Character, 1);  // 0 is no character: the default
  EXPECT_EQ(g.Seat[3].Character, 2);  // 9 is out of range
  EXPECT_EQ(g.Seat[4].Character, 3);

  const CommandRun r =
      RunCommand({"30", "--seed", "3", "--options", path, "--seats", "7", "--human-as", "4"});
  ASSERT_EQ(r.rc, 0) << r.err;
  EXPECT_NE(r.out.find("seed 3 seats 7 deals 30\n"), std::string::npos);
  // Seat 1 plays character 4 next to the file's character 4 at seat 6.
  EXPECT_NE(r.out.find("char 4 seats=60 "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("conservation_failures=0"), std::string::npos);

  // An empty file loads as the defaults with every effect on.
  const CommandRun empty = RunCommand({"5", "--seed", "3", "--options", TempFile("sim_empty.dat", {})});
  EXPECT_EQ(empty.rc, 0) << empty.err;
  EXPECT_NE(empty.out.find("seed 3 seats 4 deals 5\n"), std::string::npos);
}

TEST(Simulate, GamesFollowEachOtherAndPlacesRankAsTheDealScores) {
  Game g;
  SimulationConfig cfg;
  cfg.seed = 11;
  cfg.seats = 3;
  ASSERT_EQ(PrepareSimulation(g, cfg), "");
  const SimulationResult r = Simulate(g, 120);
  EXPECT_EQ(r.deals, 120);
  EXPECT_EQ(r.invariantFailures, 0) << (r.failures.empty() ? "" : r.failures.front());
  EXPECT_EQ(r.conservationFailures, 0);
  // 200 points are reached within far fewer than 120 deals, so games restart.
  EXPECT_GT(r.games, 2);
  long seats = 0, won = 0, placeSum = 0;
  for (const CharacterTally& t : r.byCharacter) {
    seats += t.seats;
    won += t.won;
    placeSum += t.placeSum;
  }
  EXPECT_EQ(seats, 360);
  EXPECT_GE(won, 120);
  EXPECT_GE(placeSum, 120 * (1 + 2 + 3) - 3 * 120);
  EXPECT_LE(placeSum, 120 * (1 + 2 + 3));
  // Scores of the running game are consistent with its deals.
  for (int s = 1; s <= 3; ++s) {
    long sum = 0;
    for (int p : g.Seat[s].DealPoints) sum += p;
    EXPECT_EQ(sum, g.Seat[s].Score);
    EXPECT_EQ(static_cast<int>(g.Seat[s].DealPoints.size()), g.DealCount);
  }

  // Places: seat 2 finished, seat 4 dropped out late, seat 3 early, seat 1 and 5 still play.
  g.Options.SeatCount = 5;
  g.TurnCounter = 40;
  g.Seat[1].FinishKey = 0;
  g.Seat[2].FinishKey = 12;
  g.Seat[3].FinishKey = 1000000 - 10;
  g.Seat[4].FinishKey = 1000000 - 30;
  g.Seat[5].FinishKey = 0;
  const auto place = DealPlaces(g);
  EXPECT_EQ(place[2], 1);
  EXPECT_EQ(place[1], 2);
  EXPECT_EQ(place[5], 2);  // ties share the better place
  EXPECT_EQ(place[4], 4);
  EXPECT_EQ(place[3], 5);
}

#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "game/invariants.h"
#include "game/state.h"

namespace tomaruk {

// `tomaruk --simulate DEALS [--seats N] [--seed S] [--options FILE] [--human-as C] [--trace]
//  [--jobs N] [--format text|json|csv] [--stats]`
struct SimulationConfig {
  enum class Format { kText, kJson, kCsv };
  long deals = 0;
  int seats = 0;  // 0 = as the options say
  bool seeded = false;
  uint64_t seed = 0;
  std::string optionsPath;  // "" = the built-in defaults
  int humanAs = 1;          // computer character playing seat 1
  bool trace = false;
  int jobs = 0;  // streams played at once; 0 = not given: one for a seeded or traced run, else the cores
  Format format = Format::kText;
  bool stats = false;  // the text report adds each character's 95 % intervals
};

// The headless mode's --help text: its synopsis, options and exit statuses.
const char* SimulationHelp();

// Reads the arguments after "--simulate" (args[0] is the program, args[1]
// "--simulate"). Returns "" when they are usable, else a one-line complaint.
std::string ParseSimulationArgs(const std::vector<std::string>& args, SimulationConfig& cfg);

// Builds a game ready for headless play: card table, characters, the random
// source seeded, options loaded (a damaged file loads sanely) with the seat
// count overridden, characters in their seats and seat 1 given to a computer
// character. Returns "" or why the options file could not be read.
std::string PrepareSimulation(Game& g, const SimulationConfig& cfg);

// One character's record over a run.
struct CharacterTally {
  long seats = 0;     // seats played, one per deal
  long placeSum = 0;  // sum of places
  long points = 0;
  long placeSquares = 0, pointSquares = 0;  // sums of squares, for the intervals
  long finishes = 0, dropOuts = 0, fouls = 0, kills = 0;
  long won = 0;  // deals placed first (shared firsts count for each)
};

struct SimulationResult {
  long deals = 0;
  long turns = 0;                 // calls of PlayTurn, out seats included
  long games = 0;                 // games started
  long conservationFailures = 0;  // turns after which the cards did not add up
  long invariantFailures = 0;     // turns after which any invariant failed
  long illegalComputerPlays = 0;
  long freeLeadPasses = 0;  // computer passes on a table the seat led freely
  long turnGuards = 0, lineGuards = 0;
  std::array<CharacterTally, 9> byCharacter{};
  std::map<int, long> codes;          // computer turns settled by each decision code (0 left out)
  std::map<int, long> refusedByCode;  // computer plays the rules refused, by decision code
  std::vector<std::string> failures;  // the first few invariant failures, with where they happened
  double seconds = 0;
};

// Plays deals one after another as the program does (games end at the winning
// score and the next one starts with the last winner), every seat played by
// the computer, checking the invariants after every turn. trace, when given,
// receives one line per turn played and one per deal end; progress is called
// after every deal with the number of deals done; stop, when it answers true
// after a deal, ends the run there.
SimulationResult Simulate(Game& g, long deals, std::ostream* trace = nullptr,
                          const std::function<void(long)>& progress = {},
                          const std::function<bool()>& stop = {});

// Adds stream k's result to the run's (streams are merged in order; seconds are left alone).
void MergeSimulation(SimulationResult& into, const SimulationResult& stream, int k);

// Prints the character table, the rule-usage table and the summary line; with stats, each
// character's 95 % intervals after the table.
void PrintSimulationReport(const Game& g, const SimulationResult& r, std::ostream& out, bool stats = false);
// The same report as one JSON object, or as CSV with one row per character (fields in the README).
void PrintSimulationJson(const Game& g, const SimulationConfig& cfg, const SimulationResult& r,
                         bool interrupted, std::ostream& out);
void PrintSimulationCsv(const Game& g, const SimulationConfig& cfg, const SimulationResult& r,
                        std::ostream& out);

// The whole command: returns the exit code (0 done, 1 an invariant failed,
// 2 bad arguments or an unreadable options file, 3 the report could not be
// written, 130 interrupted by Ctrl-C after reporting the deals done so far).
int RunSimulation(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tomaruk

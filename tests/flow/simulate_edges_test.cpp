#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <regex>
#include <sstream>

#include "flow/simulate.h"
#include "support/temp_dir.h"

using namespace tomaruk;

namespace {
// Output that presses Ctrl-C once its first line is written.
struct CtrlCAfterFirstLine : std::streambuf {
  std::string text;
  int_type overflow(int_type c) override {
    text += static_cast<char>(c);
    if (c == '\n' && std::count(text.begin(), text.end(), '\n') == 1) std::raise(SIGINT);
    return c;
  }
};
}  // namespace

TEST(SimulateEdges, UnwritableOutputCtrlCAndAFolderAsOptions) {
  tomaruk::testing::TempDir dir;
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  std::ofstream full("/dev/full"), closedPipe("/proc/self/fd/" + std::to_string(fds[1]));
  close(fds[0]), close(fds[1]);
  CtrlCAfterFirstLine ctrlC, ctrlC2;
  std::ostream interrupted(&ctrlC), interrupted2(&ctrlC2);
  std::ostringstream report;
  const struct {
    std::ostream& out;
    std::vector<std::string> more;
    int code;
    const char* says;
  } rows[] = {
      {full, {"--trace"}, 3, "the report could not be written"},
      {closedPipe, {"--trace"}, 3, "the report could not be written"},
      {interrupted, {"--trace"}, 130, "interrupted after 1 deals"},
      {interrupted2, {"--jobs", "2"}, 130, "interrupted after 2 deals"},  // each stream ends its deal
      {report, {"--options", dir.path()}, 2, "is a directory"},
      {report, {"--jobs", "0"}, 2, "--jobs must be 1 to 256, not '0'"},
      {report, {"--format", "xml"}, 2, "--format must be text, json or csv, not 'xml'"},
  };
  const auto oldPipe = std::signal(SIGPIPE, SIG_IGN);
  for (const auto& row : rows) {
    std::vector<std::string> args = {"tomaruk", "--simulate", "100000", "--seed", "7"};
    args.insert(args.end(), row.more.begin(), row.more.end());
    std::ostringstream err;
    EXPECT_EQ(RunSimulation(args, row.out, err), row.code) << row.says;
    EXPECT_NE(err.str().find(row.says), std::string::npos) << err.str();
  }
  closedPipe.close();  // its last buffer meets the closed pipe here
  std::signal(SIGPIPE, oldPipe);
  EXPECT_NE(ctrlC.text.find("\nsummary deals=1 "), std::string::npos);  // the deal done is reported
}

// The report of a 41-deal run of five seats, its timing zeroed (a complaint would show in it).
std::string Report(std::vector<std::string> args) {
  args.insert(args.begin(), {"tomaruk", "--simulate", "41", "--seed", "7", "--seats", "5"});
  std::ostringstream out;
  RunSimulation(args, out, out);
  return std::regex_replace(out.str(), std::regex("=[.0-9]+ deals_per_s=\\d+"), "=0.000 deals_per_s=0");
}

// Each character's seats, finishes, drop-outs and fouls as the pattern finds them in a report.
std::string Counts(const std::string& r, const char* p) {
  return std::regex_replace(r, std::regex(p), "$1 $2 $3 $4 $5\n", std::regex_constants::format_no_copy);
}

TEST(SimulateStreams, TwoStreamsAddUpInEveryFormat) {
  // Stream 1 plays 21 deals with the seed itself, stream 2 20 deals with the first splitmix64 number after
  // it; the second stream's result comes first here, so that the merge must add, not copy.
  Game g[2];
  SimulationConfig cfg;
  cfg.seats = 5, cfg.seed = 7191089600892374487u;
  PrepareSimulation(g[1], cfg);
  SimulationResult sum = Simulate(g[1], 20);
  cfg.seed = 7, sum.seconds = 0;  // the report compared has its timing zeroed
  PrepareSimulation(g[0], cfg);
  MergeSimulation(sum, Simulate(g[0], 21), 1);
  std::ostringstream want;
  PrintSimulationReport(g[0], sum, want, true);
  EXPECT_EQ(Report({"--jobs", "2", "--stats"}), "seed 7 seats 5 deals 41 jobs 2\n" + want.str());
  EXPECT_EQ(Report({"--jobs", "1"}), Report({}));
  // The intervals as worked out by hand from the two traces; the formats' counts as the text's.
  const auto n = Counts(want.str(), "char (\\d+) seats=(\\d+).*s=(\\d+) drop_outs=(\\d+) fouls=(\\d+)");
  // clang-format off
  EXPECT_NE(want.str().find("\nci char 1 n=82 avg_place=3.073 [2.769,3.377] points_per_deal=19.76 [16.09,23.42] finishes=0.110 [0.059,0.196] drop_outs=0.720 [0.614,0.805] fouls=0.024 [0.007,0.085] won=0.183 [0.114,0.280]\n"), std::string::npos);
  const char* formats[][2] = {
      {"csv", "\n7,5,41,2,(\\d+),[^,\n]+,(\\d+)(?:,[-.0-9]+){6},(\\d+)(?:,[.0-9]+){3},(\\d+)(?:,[.0-9]+){3},(\\d+)(?:,[.0-9]+){3},\\d+(?:,[.0-9]+){3},\\d+(?=\n)"},
      {"json", "\"character\": (\\d+), .*\"seats\": (\\d+), .*\"finishes\": \\{\"count\": (\\d+), .*\"drop_outs\": \\{\"count\": (\\d+), .*\"fouls\": \\{\"count\": (\\d+), .*\\}"},
  };
  // clang-format on
  for (const auto& [format, row] : formats)
    EXPECT_EQ(Counts(Report({"--jobs", "2", "--format", format}), row), n) << format;
}

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
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
  CtrlCAfterFirstLine ctrlC;
  std::ostream interrupted(&ctrlC);
  std::ostringstream report;
  const struct {
    std::ostream& out;
    std::vector<std::string> more;
    int code;
    const char* says;
  } rows[] = {
      {full, {}, 3, "the report could not be written"},
      {closedPipe, {}, 3, "the report could not be written"},
      {interrupted, {}, 130, "interrupted after 1 deals"},
      {report, {"--options", dir.path()}, 2, "is a directory"},
  };
  const auto oldPipe = std::signal(SIGPIPE, SIG_IGN);
  for (const auto& row : rows) {
    std::vector<std::string> args = {"tomaruk", "--simulate", "100000", "--seed", "7", "--trace"};
    args.insert(args.end(), row.more.begin(), row.more.end());
    std::ostringstream err;
    EXPECT_EQ(RunSimulation(args, row.out, err), row.code) << row.says;
    EXPECT_NE(err.str().find(row.says), std::string::npos) << err.str();
  }
  closedPipe.close();  // its last buffer meets the closed pipe here
  std::signal(SIGPIPE, oldPipe);
  EXPECT_NE(ctrlC.text.find("\nsummary deals=1 "), std::string::npos);  // the deal done is reported
}

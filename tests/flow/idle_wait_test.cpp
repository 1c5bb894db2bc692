#include <gtest/gtest.h>

#include <vector>

#include "flow/host.h"
#include "support/fake_host.h"

using namespace tomaruk;

namespace {
// A host that sleeps as long as it is asked, or less when a window event comes first.
class SleepyHost : public FakeHost {
 public:
  void PumpMessages() override { ++pumps; }
  void Idle(uint32_t ms) override {
    asked.push_back(ms);
    now += eventEvery > 0 && eventEvery < ms ? eventEvery : ms;
  }
  uint32_t eventEvery = 0;  // 0: no window events
  std::vector<uint32_t> asked;
};
}  // namespace

// A wait sleeps in one piece until just past its time; window events wake it early, and it
// pumps them and sleeps on for what is left.
TEST(IdleWait, SleepsUntilThePassedDeadlineOrTheNextEvent) {
  struct Row {
    int32_t ms;
    uint32_t eventEvery, elapsed;
    std::vector<uint32_t> asked;
  } rows[] = {
      {10, 0, 11, {11}}, {0, 0, 1, {1}}, {-5, 0, 1, {1}}, {300, 0, 301, {301}}, {30, 12, 31, {31, 19, 7}},
  };
  for (const Row& row : rows) {
    SleepyHost host;
    host.now = 5000;
    host.eventEvery = row.eventEvery;
    Pacer pacer(host);
    pacer.Wait(row.ms);
    EXPECT_EQ(host.now - 5000, row.elapsed) << row.ms;
    EXPECT_EQ(host.asked, row.asked) << row.ms;
    EXPECT_EQ(host.pumps, static_cast<long>(row.asked.size())) << row.ms;
  }
}

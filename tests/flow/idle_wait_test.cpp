#include <gtest/gtest.h>

#include <vector>

#include "support/fake_host.h"

using namespace tomaruk;

// A wait sleeps in one piece until just past its time; a window event wakes it early, and it
// pumps and sleeps on for what is left.
TEST(IdleWait, SleepsUntilThePassedDeadlineOrTheNextEvent) {
  struct SleepyHost : FakeHost {
    void Idle(uint32_t ms) override {
      asked.push_back(ms);
      now += std::min(ms, eventEvery);
    }
    void PumpMessages() override {
      ++pumps;
      FakeHost::PumpMessages();
    }
    uint32_t eventEvery = 1000;  // ms between window events
    std::vector<uint32_t> asked;
    long pumps = 0;
  };
  struct Row {
    int32_t ms;
    uint32_t eventEvery;
    std::vector<uint32_t> asked;
  } rows[] = {{10, 1000, {11}}, {0, 1000, {1}}, {-5, 1000, {1}}, {30, 12, {31, 19, 7}}};
  for (const Row& row : rows) {
    SleepyHost host;
    host.eventEvery = row.eventEvery;
    Pacer(host).Wait(row.ms);
    EXPECT_EQ(host.asked, row.asked) << row.ms;
    EXPECT_EQ(host.now, std::max(row.ms, 0) + 1u) << row.ms;
    EXPECT_EQ(host.pumps, static_cast<long>(row.asked.size())) << row.ms;
  }
}

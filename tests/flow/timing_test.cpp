#include <gtest/gtest.h>

#include "flow/host.h"
#include "support/fake_host.h"

using namespace tomaruk;

TEST(Timing, ButtonLatchRectHitAndWait) {
  FakeHost host;
  Pacer pacer(host);
  // Held down through several polls: one press.
  host.buttonDown = true;
  EXPECT_TRUE(pacer.KeyPressed(1));
  EXPECT_FALSE(pacer.KeyPressed(1));
  EXPECT_FALSE(pacer.KeyPressed(1));
  // Released, then pressed again: a second press.
  host.buttonDown = false;
  EXPECT_FALSE(pacer.KeyPressed(1));
  host.buttonDown = true;
  EXPECT_TRUE(pacer.KeyPressed(1));
  host.buttonDown = false;
  EXPECT_FALSE(pacer.KeyPressed(1));
  // A press made before a loop begins is discarded.
  host.pressPending = true;
  pacer.DiscardPendingPress();
  EXPECT_FALSE(pacer.KeyPressed(1));

  EXPECT_TRUE(RectHit(0, 0, 1, 1, 0, 0, 576, 480));
  EXPECT_TRUE(RectHit(-1, 0, 1, 1, 0, 0, 576, 480));
  EXPECT_TRUE(RectHit(576, 480, 1, 1, 0, 0, 576, 480));
  EXPECT_FALSE(RectHit(-2, 0, 1, 1, 0, 0, 576, 480));
  EXPECT_FALSE(RectHit(577, 0, 1, 1, 0, 0, 576, 480));

  const uint32_t t0 = host.now;
  pacer.Wait(10);
  EXPECT_EQ(host.now - t0, 11u);
  const uint32_t t1 = host.now;
  pacer.Wait(0);
  EXPECT_EQ(host.now - t1, 1u);
  // A frame that took 15 ms waits out the rest of 40 (and one more tick).
  const uint32_t t2 = host.now;
  pacer.PacedFrame([&] { host.now += 15; });
  EXPECT_EQ(host.now - t2, 41u);
  const uint32_t t3 = host.now;
  pacer.PacedFrame([&] { host.now += 50; });
  EXPECT_EQ(host.now - t3, 50u);
}

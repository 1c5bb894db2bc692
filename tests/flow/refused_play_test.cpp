#include "flow/flow.h"
#include "flow/headless.h"
#include "support/scenario.h"

namespace tomaruk::testing {
namespace {

// The first seat of a deal holds the lead, so its stair search picks the
// longest run: five spades over the opening four hearts, which the table
// refuses. The turn becomes a pass and the table keeps its own stair key.
TEST(RefusedComputerPlay, LeavesTheTableAsItWas) {
  Scenario s;
  s.Set("3s 4s 5s 6s 7s Qd Kc", "5h 6h 7h 8h", "3333312", "3 4 5 7 8 8F 9 10 J Q R key=5");
  s.g.LeadSeat = 2, s.g.DealStart = true;
  const TableRecord before = s.g.Table;
  HeadlessHost host;
  Pacer pacer(host);
  GameFlow flow(s.g, pacer);
  flow.PlayTurn();
  ASSERT_EQ(flow.lastTurn.refused.size(), 5u);  // the five spades were chosen and refused
  EXPECT_EQ(std::tuple(s.g.Seat[2].CardCount, s.g.Table.StairKey, s.g.Table.Cards),
            std::tuple(8, before.StairKey, before.Cards));  // the pass drew a card
  EXPECT_EQ(CheckConservation(s.g), "");
}

}  // namespace
}  // namespace tomaruk::testing

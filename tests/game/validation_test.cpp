#include <gtest/gtest.h>

#include "game/rules.h"
#include "game/state.h"

using namespace tomaruk;

namespace {
// Card code of a rank and suit (the first copy).
uint8_t C(int rank, int suit) {
  int c = 0;
  if (rank <= 9) {
    c = (rank - 3) * 12 + (suit - 1) * 3 + 1;
  } else if (rank == 10) {
    c = suit == 2 ? 85 : 87;
  } else if (rank <= 13) {
    c = 89 + (rank - 11) * 8 + (suit - 1) * 2;
  } else {
    c = 113 + (rank - 14) * 12 + (suit - 1) * 3;
  }
  return static_cast<uint8_t>(c);
}
constexpr uint8_t kJoker = 137;

struct Fixture {
  Game g;
  Fixture() {
    BuildCardTable(g);
    g.Options.MinStair = 4;
    g.Turn = 2;
    g.LeadSeat = 3;  // answering
  }
  void TableOf(std::initializer_list<int> codes, int stairKey = 255) {
    g.Table.Count = 0;
    for (int c : codes) g.Table.Cards[++g.Table.Count] = static_cast<uint8_t>(c);
    g.Table.StairKey = stairKey;
  }
  bool Check(Selection sel, int* key = nullptr) {
    int k = 0;
    const bool ok = ValidatePlay(g, sel, k);
    if (key) *key = k;
    return ok;
  }
};
}  // namespace

TEST(Validation, SetsAndStairsOnAFreeLead) {
  Fixture f;
  f.g.LeadSeat = 2;  // the seat leads freely
  int key = 0;
  EXPECT_TRUE(f.Check({C(7, 2), C(7, 4), kJoker}, &key));
  EXPECT_EQ(key, 255);
  EXPECT_TRUE(f.Check({kJoker, static_cast<uint8_t>(kJoker + 1)}));
  EXPECT_TRUE(f.Check({C(5, 1), C(6, 1), C(8, 1), kJoker}, &key));
  EXPECT_EQ(key, 5);
  EXPECT_FALSE(f.Check({C(5, 1), C(6, 1), C(8, 1), C(9, 1)}));      // a gap, no joker
  EXPECT_FALSE(f.Check({C(5, 1), C(6, 1), static_cast<uint8_t>(C(6, 1) + 1), C(7, 1)}));  // repeated rank
  EXPECT_FALSE(f.Check({C(5, 1), C(6, 1), C(7, 2), C(8, 1)}));      // suit
  EXPECT_FALSE(f.Check({C(5, 1), C(6, 1), kJoker}));                // too short for a stair
  EXPECT_TRUE(f.Check({C(12, 3), C(13, 3), C(14, 3), C(15, 3)}, &key));
  EXPECT_EQ(key, 12);
  // A-2-3-4 wraps; its cards go on the table in rank-mod-13 order.
  Selection wrap = {C(3, 3), C(4, 3), C(14, 3), C(15, 3)};
  ASSERT_TRUE(ValidatePlay(f.g, wrap, key));
  EXPECT_EQ(key, 14);
  EXPECT_EQ(wrap, (Selection{C(14, 3), C(15, 3), C(3, 3), C(4, 3)}));
  f.g.Revolution = -1;
  wrap = {C(3, 3), C(4, 3), C(14, 3), C(15, 3)};
  ASSERT_TRUE(ValidatePlay(f.g, wrap, key));
  EXPECT_EQ(key, 4);
  f.g.Revolution = 1;
  EXPECT_FALSE(f.Check({C(3, 3), C(12, 3), C(13, 3), C(14, 3), C(15, 3)}));  // Q-K-A-2-3 is no stair
}

TEST(Validation, AgainstTheTable) {
  Fixture f;
  f.TableOf({C(6, 1), C(6, 2), C(6, 3)});
  EXPECT_TRUE(f.Check({C(7, 2), C(7, 4), kJoker}));
  f.TableOf({C(7, 1), C(7, 3)});
  EXPECT_FALSE(f.Check({C(7, 2), C(7, 4), kJoker}));  // count
  // A set never answers a stair, nor a stair a set.
  f.TableOf({C(4, 2), C(5, 2), C(6, 2), C(7, 2)}, 4);
  EXPECT_FALSE(f.Check({C(9, 1), C(9, 2), C(9, 3), C(9, 4)}));
  EXPECT_TRUE(f.Check({C(5, 1), C(6, 1), C(7, 1), C(8, 1)}));
  f.TableOf({C(8, 1), C(8, 2), C(8, 3), C(8, 4)});
  EXPECT_FALSE(f.Check({C(9, 1), C(10, 2), C(11, 1), C(12, 1)}));

  // Strength under every order.
  f.TableOf({C(5, 1)});
  EXPECT_TRUE(f.Check({C(6, 1)}));
  EXPECT_FALSE(f.Check({C(4, 1)}));
  f.g.Revolution = -1;
  EXPECT_TRUE(f.Check({C(4, 1)}));
  EXPECT_FALSE(f.Check({C(6, 1)}));
  EXPECT_TRUE(f.Check({kJoker}));  // a joker beats everything either way
  f.TableOf({kJoker});
  EXPECT_FALSE(f.Check({C(3, 1)}));
  f.g.TempRevolution = -1;  // revolution and a J: normal order again
  f.TableOf({C(5, 1)});
  EXPECT_TRUE(f.Check({C(6, 1)}));
  f.g.Revolution = 1;  // a J alone reverses
  EXPECT_TRUE(f.Check({C(4, 1)}));
  f.g.TempRevolution = 1;

  // Suit lock: position by position, in code order.
  f.TableOf({C(8, 1), C(8, 2)});
  f.g.Table.SuitLock = true;
  EXPECT_TRUE(f.Check({C(9, 1), C(9, 2)}));
  EXPECT_FALSE(f.Check({C(9, 2), C(9, 3)}));
  EXPECT_FALSE(f.Check({C(9, 1), kJoker}));
  f.g.Table.SuitLock = false;

  // Even/odd lock uses Revolution alone.
  f.TableOf({C(6, 1)});
  f.g.Table.ParityLock = true;
  EXPECT_TRUE(f.Check({C(8, 1)}));
  EXPECT_FALSE(f.Check({C(7, 1)}));
  f.g.Options.Flag4 = 0;
  EXPECT_TRUE(f.Check({C(7, 1)}));
  f.g.Options.Flag4 = 255;
  f.g.Table.ParityLock = false;
}

TEST(Validation, SpadeThreesFlushAJokerAndPassing) {
  Fixture f;
  f.TableOf({kJoker});
  EXPECT_TRUE(f.Check({1, 2, 3}));
  EXPECT_FALSE(f.Check({125, 126, 127}));
  f.g.Revolution = -1;
  EXPECT_TRUE(f.Check({125, 126, 127}));
  EXPECT_FALSE(f.Check({1, 2, 3}));
  f.g.Options.Flag3 = 0;
  EXPECT_FALSE(f.Check({125, 126, 127}));
  f.g.Options.Flag3 = 255;
  // The six-card form is neither a set nor a stair, yet flushes a joker-led pair.
  f.TableOf({C(9, 1), kJoker});
  f.g.Table.Cards[1] = kJoker;
  f.g.Table.Cards[2] = static_cast<uint8_t>(kJoker + 1);
  EXPECT_TRUE(f.Check({1, 2, 3, 125, 126, 127}));

  // Passing: refused only on a free lead; the first turn of a deal may pass.
  f.g.Turn = f.g.LeadSeat = 2;
  f.g.DealStart = false;
  EXPECT_FALSE(PassAllowed(f.g));
  f.g.DealStart = true;
  EXPECT_TRUE(PassAllowed(f.g));
  f.g.DealStart = false;
  f.g.LeadSeat = 4;
  EXPECT_TRUE(PassAllowed(f.g));
}

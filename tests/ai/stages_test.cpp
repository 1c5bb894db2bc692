// The keep-back marks a computer turn makes, in situations the seeded traces
// seldom reach; the traces cover this turn's traits and the group search.
#include <functional>

#include "support/scenario.h"

namespace tomaruk::testing {
namespace {

struct KeepRow {
  const char *name, *hand, *traits, *words;  // words as Scenario::Set
  Picks kept;
  std::function<void(Scenario&)> more = nullptr;
};

TEST(KeepBack, MarksBansAndRelief) {
  const char* stairs = "3334312";
  // clang-format off
  const KeepRow rows[] = {
      {"three jokers keep the top one", "4s X X X", "3333312", "", {4}},
      {"at the hold threshold still", "4s X X X", "3333312", "line=7", {4}},
      {"below it nothing", "4s X X X", "3333312", "line=6", {}},
      {"the 10s", "5s Th Th", "3333312", "10", {2, 3}},
      {"one 10 gone: given up", "5s Th Th", "3333312", "10", {}, [](Scenario& s) { s.Discard("Td"); }},
      {"not when the limit is below 11 - D / 2", "5s Th Th", "3333312", "10 line=9", {}},
      {"not with two seats", "5s Th Th", "3333312", "10 two", {}},
      {"spade 3s and 2s", "3s 3s 9h 2s 2h", "3333312", "3", {1, 2, 4}},
      {"one gone: 2s only", "3s 3s 9h 2s 2h", "3333312", "3", {4}, [](Scenario& s) { s.Discard("3s"); }},
      {"in revolution a lone spade 3 with A + D 5", "3s 7h 9h", "3332312", "3 rev", {1},
       [](Scenario& s) { s.Discard("3s"); }},
      {"three of a suit within five ranks", "5h 7h 9h Kc", stairs, "", {1, 2, 3}},
      {"stairs of five: two within six", "3c 5h 8d Th Qs", stairs, "", {2, 4},
       [](Scenario& s) { s.g.Options.MinStair = 5; }},
      {"the even/odd lock: jokers, odd ranks below A, 2s", "4s 5s 8s Js Ks As 2s X", "3333312", "4 parity",
       {2, 4, 5, 7, 8}, [](Scenario& s) { s.Lay("3h"); }},
      {"5s with the seat after next near the limit", "5s 5h 9s", "3333312", "5 s4=9", {1, 2}},
      {"not a card further", "5s 5h 9s", "3333312", "5 s4=8", {}},
      {"8s while a seat is skipped", "8s 8h Ks", "3333312", "8", {1, 2},
       [](Scenario& s) { s.g.Seat[3].Status = kSkipped; }},
      {"the strongest-card ban: one blocker rank held alone", "3s 9s 9h Ks", "3334312", "3 M", {2, 3}},
      {"in revolution the 3 blocks", "3h 4s Ks", "3334312", "M rev", {1}},
      {"every card kept: all let go", "Th Th Td Td", "3333312", "10", {}},
      {"unless no card could block a finish", "Th Th Td Td", "3333312", "10 M", {1, 2, 3, 4}},
      {"close to the limit: let go", "4s 9s 9h", "3333312", "M line=4", {}},
      {"a margin of 2 keeps them for D 3", "4s 9s 9h", "3333312", "M line=5", {2, 3}},
  };
  // clang-format on
  for (const KeepRow& r : rows) {
    SCOPED_TRACE(r.name);
    Scenario s;
    s.Set(r.hand, "", r.traits, r.words);
    if (r.more) r.more(s);
    s.Turn();
    Picks kept;
    for (int i = 1; i <= s.g.Seat[2].CardCount; ++i)
      if (s.cp.KeptMarks()[i]) kept.push_back(i);
    EXPECT_EQ(kept, r.kept);
  }
}

}  // namespace
}  // namespace tomaruk::testing

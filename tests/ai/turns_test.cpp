// Whole computer turns in situations the seeded traces do not reach: each row a
// hand, a table and a character, and the rule that settles the turn with the
// cards it chooses. The chosen play must always be one the table admits.
#include "support/scenario.h"

namespace tomaruk::testing {
namespace {

// Seat 2's hand, seat 1's table ("" = seat 2 leads), seat 2's traits and the
// rest of the situation (as Scenario::Set); the code and cards it settles on,
// and the stair key it gives them.
struct TurnRow {
  const char *name, *hand, *table, *traits, *words;
  int code;
  Picks picks;
  int key = kNoStair;
};

void Play(const TurnRow& r) {
  SCOPED_TRACE(r.name);
  Scenario s;
  s.Set(r.hand, r.table, r.traits, r.words);
  const int tableKey = s.g.Table.StairKey;
  const Decision d = s.Turn();
  EXPECT_EQ(std::tuple(d.code, s.Positions(d.play), d.play.stairKey), std::tuple(r.code, r.picks, r.key));
  EXPECT_EQ(s.g.Table.StairKey, tableKey);  // the table is the turn cycle's to change
  EXPECT_TRUE(ComputerPlayIsLegal(s.g, d.play));
}

constexpr const char* kPlain = "3333312";  // character 1's levels

TEST(ComputerTurn, RowsTheTracesDoNotReach) {
  // clang-format off
  const TurnRow rows[] = {
      // Four 10s, 8s, answers to a joker and the swap
      {"100 the four 10s lead", "4c 6d 9s Th Th Td Td", "", kPlain, "10", 100, {4, 5, 6, 7}},
      {"2301 spade 3s flush a joker", "3s 3s 3s 9d", "X", kPlain, "3", 2301, {1, 2, 3}},
      {"2301 a J's turn does not count", "3s 3s 3s 9d", "X", kPlain, "3 j", 2301, {1, 2, 3}},
      {"2302 spade 2s in revolution", "4d 2s 2s 2s", "X", kPlain, "3 rev", 2302, {2, 3, 4}},
      {"spade 3s do not in revolution", "3s 3s 3s 9d", "X", kPlain, "3 rev", 0, {}},
      {"2303 the six flush a joker pair", "3s 3s 3s 2s 2s 2s", "X X", kPlain, "3", 2303, {1, 2, 3, 4, 5, 6}},
      {"five of the six do not", "3s 3s 3s 9d 2s 2s", "X X", kPlain, "3", 0, {}},
      {"490 character 8 swaps a joker in", "4c 6d 9s Qh Ks", "", "5555535", "who=8 draw=0.95", 490, {1}},
      {"one time in twenty", "4c 6d 9s Qh Ks", "", "5555535", "who=8 draw=0.94", 728, {1}},
      {"490 nearly one in four, the next seat close to the limit", "4c 6d 9s Qh Ks", "", "5555535",
       "who=8 draw=0.78 s3=9", 490, {1}},
      {"the strongest card is never given away", "5h 7h 9h Kc", "", "5554435", "who=8 draw=0.95", 728, {4}},
      {"no 2312 wait so near the limit", "4c 9d Kh", "6s", "5555535", "who=8 top=X line=7", 151, {2}},
      // Urgent and ordinary answers
      {"2501 nothing beats the table", "4s 7h 9s", "7s 7d", kPlain, "", 2501, {}},
      {"2501 an equal rank does not beat it", "4s 7h", "7s", kPlain, "", 2501, {}},
      {"17 one 8 with both jokers over a triple, close to the limit", "4s 8h Kc X X", "5s 5h 5d", kPlain,
       "8 line=8", 17, {2, 4, 5}},
      {"not for a character of G 3", "4s 8h Kc X X", "5s 5h 5d", "3333313", "8 line=8", 2502, {}},
      {"27 under the even/odd lock and a J's turn, the ace of the suit", "4s Ah Ac 2h", "9h", kPlain,
       "4 rev j parity urgent", 27, {2}},
      {"91 the strongest triple", "4s Ks Kh Kd As Ah Ad", "Qs Qh Qd", kPlain, "urgent", 91, {5, 6, 7}},
      {"94 a pair with the joker", "4s Ks Kh X", "Qs Qh Qd", kPlain, "urgent", 94, {2, 3, 4}},
      {"97 one card with both jokers", "4s As X X", "Qs Qh Qd", kPlain, "urgent", 97, {2, 3, 4}},
      {"a planner keeps them", "4s As X X", "Qs Qh Qd", "3334312", "urgent", 2502, {}},
      {"121 3s of the table's suits in revolution", "3s 3h 9s", "7s 7h", kPlain, "rev urgent", 121, {1, 2}},
      {"123 both jokers in revolution", "5s 9d X X", "7s 7h", kPlain, "rev urgent", 123, {3, 4}},
      {"not under the suit lock", "5s 9d X X", "7s 7h", kPlain, "rev urgent suit", 2502, {}},
      {"94 not over Js", "4s Ks Kh X", "Js Jh Jd", kPlain, "urgent", 2502, {}},
      {"no A reversed under the even/odd lock; the 9 kept", "4s 9h Ah", "2s", kPlain, "4 rev parity", 2502,
       {}},
      {"176 cannot fire: a group one card short is not made up with the joker", "4s Th Js X", "9s 9h", kPlain,
       "line=6", 2502, {}},
      {"186 in reversed order a 6 with the joker under the even/odd lock", "6s 6h X", "Ks Kh", kPlain,
       "4 j parity line=5", 186, {1, 3}},
      // Leads: a strong top, pressure, shapes
      {"711 a strong top spends a 2", "4s 6h 9d 2s 2h X X", "", "3233512", "s3=8", 711, {4, 5}},
      {"nobody near the limit: no", "4s 6h 9d 2s 2h X X", "", "3233512", "s3=7", 750, {1}},
      {"a top one short of it: no", "4s 6h 9d As 2h X X", "", "3233512", "s3=8", 750, {1}},
      {"715 in revolution a 3", "3s 3h 3d 4s 9s", "", "3533512", "rev s3=8", 715, {1, 2, 3}},
      {"716 in revolution the card after two jokers", "4s 5h 9d Ks X X", "", "3533512", "rev s3=8", 716, {2}},
      {"718 in revolution one of three jokers", "4s 5h 9d X X X", "", "3533512", "rev s3=8", 718, {4}},
      {"731 the next seat one step from the limit: its 5s", "5s 5h 9s Jh Ks", "", "4533312", "5 s3=8", 731,
       {1, 2}},
      {"a card further: no", "5s 5h 9s Jh Ks", "", "4533312", "5 s3=7", 782, {1, 2}},
      {"738 a Q turns the order away from it", "4s 6h Qs Qh Ks", "", "4533312", "Q s3=8", 738, {3, 4}},
      {"738 settles the lead without a Q: the weakest card", "4s 6h 9d Ks Kh", "", "4533312", "Q s3=8", 2512,
       {1}},
      {"753 a pair topped with both jokers", "4d 6s 6h X X", "", kPlain, "", 753, {2, 3, 4, 5}},
      {"756 nothing from 4 to A: the third-strongest", "3h 3d Th Td 2h 2d", "", kPlain, "10", 756, {3, 4}},
      {"756 with two cards there is none: the weakest card", "3h Th", "", "1333312", "10", 2512, {1}},
      {"831 reversed: a triple and the joker", "4s 6s 6h 6d X", "", kPlain, "rev", 831, {2, 3, 4, 5}},
      {"834 reversed: a pair and both jokers", "4d 6s 6h X X", "", kPlain, "rev", 834, {2, 3, 4, 5}},
      {"850 reversed: three or more from 4 to 7", "4s 6s 6h 6d 9c", "", "3433312", "rev", 850, {2, 3, 4}},
      {"851 with the joker", "4s 6s 6h 6d X", "", "3433312", "rev", 851, {2, 3, 4, 5}},
      {"856 three from 8 to 9 with the joker", "4s 8s 8h 8d X", "", "3433312", "rev", 856, {2, 3, 4, 5}},
      {"861 any three with the joker", "3s 3h 3d Jc X", "", "3433312", "rev", 861, {1, 2, 3, 5}},
      {"880 reversed: the pair before the kept stair", "6h 6d 7d 8d Kc", "", "3434312", "rev", 880, {1, 2}},
      // Closing patterns, the duel and stairs
      {"2002 six jokers", "4s X X X X X X", "", kPlain, "", 2002, {2, 3, 4, 5, 6, 7}},
      {"2005 jokers, 2s and a rank: the review leads the weakest", "5s 2s X", "", kPlain, "", 2512, {1}},
      {"2023 8s at the weak end clear the table", "8s 8h Ks Kh", "6c 6d", kPlain, "8", 2023, {1, 2}},
      {"2023 under the suit lock the 8 of the suit", "8s 8h Ks", "6h", kPlain, "8 suit", 2023, {2}},
      {"2024 8s at the strong end", "4s 4h 8s 8h", "6c 6d", kPlain, "8", 2024, {3, 4}},
      {"2024 in revolution", "4s 4h 8s 8h", "Th Td", kPlain, "8 rev", 2024, {3, 4}},
      {"not under the even/odd lock reversed", "4s 4h 8s 8h", "Th Td", kPlain, "8 4 rev parity", 2502, {}},
      {"2021 not under a lock", "7s 7h X", "6c", kPlain, "suit", 2502, {}},
      {"2104 duel: the smallest group against a last card", "4s 6s 6h 9s 9h 9d Ks", "", kPlain, "two s1=1",
       2104, {2, 3}},
      {"2105 duel: a single from 9 up", "4s 7s Ks", "", kPlain, "two s1=1", 2105, {3}},
      {"not an 8", "4s 8s", "", kPlain, "two s1=1", 2008, {1}},
      {"2102 never a 7 to push the opponent", "3s 7h X", "", "5533312", "two s1=9", 728, {1}},
      {"2103 not at B 3", "6s 6h 9s", "", kPlain, "two s1=9", 2008, {3}},
      {"2121 duel: a pair a last card cannot answer", "4s 4h 7s 7h Ks Kh", "6c 6d", kPlain, "two s1=1", 2121,
       {3, 4}},
      {"two cards can answer it", "4s 4h 7s 7h Ks Kh", "6c 6d", kPlain, "two s1=2", 171, {3, 4}},
      {"2125 duel: one rank left, the 8s", "8s 8h Ks Kh", "6d 6h", kPlain, "8 two s1=5", 2125, {1, 2}},
      {"not on 8s", "8s 8h Ks Kh", "8d 8c", kPlain, "8 two s1=5", 171, {3, 4}},
      {"199 the highest start of the table's length", "8h 9h Th Jh Qh", "7d 8d 9d Td", kPlain, "key=7", 199,
       {2, 3, 4, 5}, 9},
      {"a lead of two runs alike: the first suit", "3c 4s 4h 5s 5h 6s 6h 7s 7h", "", kPlain, "", 2201,
       {2, 4, 6, 8}, 4},
      {"199 a run of five stands over a shorter one", "5h 6h 7h 8h X", "3d 4d 5d 6d 7d", kPlain, "key=3", 199,
       {1, 2, 3, 4, 5}, 5},
      {"the same start does not answer", "9h Th Jh Qh", "9d Td Jd Qd", kPlain, "key=9", 0, {}},
      {"199 reversed, below", "4s 5s 6s 7s 8s", "9d Td Jd Qd", kPlain, "rev key=9", 199, {2, 3, 4, 5}, 5},
      {"199 the suit lock's suit", "9h 9d Th Td Jh Jd Qh Qd", "5d 6d 7d 8d", kPlain, "suit key=5", 199,
       {2, 4, 6, 8}, 9},
      {"a run from a joker-led table's first card", "5h 6h 7h 8h 9h", "5d 6d 7d 8d X", kPlain, "key=4", 0, {}},
      {"199 one from above it", "6h 7h 8h 9h Th", "5d 6d 7d 8d X", kPlain, "key=4", 199, {1, 2, 3, 4, 5}, 6},
      {"not from an odd card, locked", "5h 6h 7h 8h", "4d 5d 6d 7d", kPlain, "4 parity key=4", 0, {}},
      {"199 A 2 and jokers on top", "9c Ah 2h X X", "3d 4d 5d 6d", kPlain, "key=3", 199, {2, 3, 4, 5}, 14},
      {"in revolution they are too low", "9c Ah 2h X X", "3d 4d 5d 6d", kPlain, "rev key=3", 0, {}},
      // The review: bans and last chances
      {"2522 the joker ban: under a lock the seat passes", "4s X", "3s", "3343312", "R suit", 2522, {}},
      {"2523 the whole hand was the play: pass", "As X", "9s 9h", kPlain, "R urgent", 2523, {}},
      {"the 8 ban lifts a card from out", "8s 8h Ks", "5s 5h", kPlain, "8F line=4", 171, {1, 2}},
      {"2541 one card from the limit: a joker", "4s 6h X", "9h", kPlain, "line=4", 2541, {3}},
      {"not over a joker", "4s 6h X", "X", kPlain, "line=4", 0, {}},
      {"2542 a card with the jokers over a group", "3s 7h X", "6s 6h", kPlain, "line=4", 2542, {2, 3}},
      {"2542 in revolution", "5s 9h X", "6s 6h", kPlain, "rev line=4", 2542, {1, 3}},
      {"not against a stair", "3s Kh X X X", "4d 5d 6d 7d", kPlain, "line=6 key=4", 0, {}},
  };
  // clang-format on
  for (const TurnRow& r : rows) Play(r);
}

}  // namespace
}  // namespace tomaruk::testing

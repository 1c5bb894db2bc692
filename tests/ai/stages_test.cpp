// The first stages of a computer turn on their own: this turn's traits, the
// keep-back marks, and the group search the lead rules share.
#include <functional>

#include "support/scenario.h"

namespace tomaruk::testing {
namespace {

// A draw that VaryTrait reads as r = 0..254.
double R255(int r) { return (r + 0.5) / 255.0; }

TEST(VaryTrait, EveryLevelsBoundariesAndTheWildTurn) {
  // "level r result": r < 252 keeps to the level's table.
  const char* cells =
      "1 19 4  1 20 1  2 59 4  2 60 2  3 119 4  3 120 3  3 240 3  3 241 5  4 59 3  4 60 4  4 208 4  4 209 5 "
      " 5 19 3  5 20 5  5 230 5  5 231 4  0 10 0  6 250 6";
  std::istringstream in(cells);
  Scenario s;
  for (int level, r, want; in >> level >> r >> want;) {
    s.g.Rng.Script({R255(r)});
    EXPECT_EQ(s.cp.VaryTrait(level), want) << level << " " << r;
  }
  // From 252 on a second draw picks any level, whatever the first.
  const double wild[][3] = {{252, 0.0, 1}, {254, 0.99, 5}, {253, 0.5, 3}};
  for (const auto& w : wild) {
    s.g.Rng.Script({R255(static_cast<int>(w[0])), w[1], 0.0});
    EXPECT_EQ(s.cp.VaryTrait(0), w[2]) << w[0];
    EXPECT_EQ(s.g.Rng.Next(), 0.0);  // exactly two draws taken
  }
}

std::string Counters(const ComputerPlayer& cp) {
  std::ostringstream o;
  o << "A" << cp.TraitA << " B" << cp.TraitB << " C" << cp.TraitC << " D" << cp.TraitD << " E" << cp.TraitE
    << " G" << cp.TraitG << " F" << cp.TraitF1 << cp.TraitF2 << " margin " << cp.HoldMargin << " threshold "
    << cp.HoldThreshold << " next " << cp.NextSeat << " left " << cp.PlayersLeft << " ranks "
    << cp.DistinctRanks << " order " << cp.OrderSign << (cp.AnySkipped ? " skipped" : "");
  return o.str();
}

TEST(PrepareTurnTraits, TraitsAndCountersOfTheTurn) {
  // The draws: the factor, then B, C, D, E and G (the rest read the middle).
  const struct {
    const char *name, *hand, *traits, *words;
    std::vector<double> draws;
    const char* want;
    std::function<void(Scenario&)> more = nullptr;
  } rows[] = {
      {"levels in draw order", "3s 3h 7c As X", "3333312", "line=12 s4=1",
       {0.25, R255(0), R255(200), R255(245), R255(130), R255(10)},
       "A3 B4 C2 D5 E3 G4 F10 margin 7 threshold 2 next 3 left 4 ranks 4 order 1"},
      {"a wild C draws again and shifts the rest", "5s 9h", "3333312", "",
       {0.5, R255(0), R255(253), 0.0, R255(245), R255(0), R255(130)},
       "A3 B4 C0 D5 E4 G2 F10 margin 9 threshold 2 next 3 left 4 ranks 2 order 1"},
      {"two table cards clear F2; a skipped seat is seen", "5s", "3333332", "rev j", {},
       "A3 B3 C2 D3 E3 G2 F10 margin 10 threshold 3 next 3 left 3 ranks 1 order 1 skipped",
       [](Scenario& s) { s.Lay("4s 4h"), s.g.Seat[4].Status = kSkipped; }},
      {"bold characters hold more while jokers top the hands", "4s 6s X", "5555535", "", {},
       "A5 B5 C5 D5 E5 G5 F11 margin 8 threshold 4 next 3 left 4 ranks 3 order 1",
       [](Scenario& s) { s.Hand(3, "4h 6h X X"), s.Hand(4, "4c 5c X"); }},
      {"one joker short: one more", "4s 6s X", "5555535", "", {},
       "A5 B5 C5 D5 E5 G5 F11 margin 8 threshold 3 next 3 left 4 ranks 3 order 1",
       [](Scenario& s) { s.Hand(3, "4h 6h 7h X"), s.Hand(4, "4c 5c X"); }},
      {"A 4 is bold enough", "4s 6s X", "4555535", "", {},
       "A4 B5 C5 D5 E5 G5 F11 margin 8 threshold 4 next 3 left 4 ranks 3 order 1",
       [](Scenario& s) { s.Hand(3, "4h 6h X X"), s.Hand(4, "4c 5c X"); }},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Scenario s;
    s.Set(r.hand, "", r.traits, r.words);
    if (r.more) r.more(s);
    s.g.Seat[s.g.Turn].Selected[1] = true;
    s.g.Rng.ClearScript();
    for (double d : r.draws) s.g.Rng.Script({d});
    s.g.Rng.Script({0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
    s.cp.PrepareTurnTraits();
    EXPECT_EQ(Counters(s.cp), r.want);
    EXPECT_FALSE(s.g.Seat[s.g.Turn].Selected[1]);
  }
}

struct KeepRow {
  const char *name, *hand, *traits, *words;  // words as Scenario::Set
  Picks kept;
  std::function<void(Scenario&)> more = nullptr;
};

TEST(KeepBack, MarksBansAndRelief) {
  const char* stairs = "3334312";
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
  for (const KeepRow& r : rows) {
    SCOPED_TRACE(r.name);
    Scenario s;
    s.Set(r.hand, "", r.traits, r.words);
    if (r.more) r.more(s);
    s.ScriptDraws();
    s.cp.PrepareTurnTraits();
    s.cp.MarkKeptCards();
    s.cp.MarkFinishBlockers();
    s.cp.RelaxKeptCards();
    Picks kept;
    for (int i = 1; i <= s.g.Seat[2].CardCount; ++i)
      if (s.cp.Kept[i]) kept.push_back(i);
    EXPECT_EQ(kept, r.kept);
  }
}

TEST(GroupSearch, SizesRunInTheStatedDirection) {
  const struct {
    const char* hand;
    int lo, hi, from, to, step, last;
    Picks picks;
  } rows[] = {
      {"4s 6s 6h 9s 9h 9d", 4, 14, 6, 1, ComputerPlayer::kDownward, 3, {4, 5, 6}},
      {"4s 6s 6h 9s 9h 9d", 4, 14, 2, 6, ComputerPlayer::kUpward, 2, {2, 3}},
      {"3s 2s 2h X", 4, 14, 4, 1, ComputerPlayer::kDownward, 0, {}},
      // A hand smaller than the range tries no size at all.
      {"9s 9h", 9, 14, 2, 3, ComputerPlayer::kDownward, 2, {}},
      {"9s 9h", 9, 14, 3, 2, ComputerPlayer::kUpward, 3, {}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::string(r.hand) + " from " + std::to_string(r.from) + " step " + std::to_string(r.step));
    Scenario s;
    s.Hand(2, r.hand);
    EXPECT_EQ(s.cp.GroupSearch(r.lo, r.hi, r.from, r.to, r.step, 1), r.last);
    EXPECT_EQ(s.Chosen(), r.picks);
    EXPECT_EQ(s.cp.Decided, !r.picks.empty());
  }
}

}  // namespace
}  // namespace tomaruk::testing

// The rules the seeded traces seldom or never reach: what a play must beat, what
// it does to the table, how seats leave a deal and what the deal scores.
#include <cstring>
#include <functional>

#include "support/scenario.h"

namespace tomaruk::testing {
namespace {

// Plays against one situation: "cards:result | ...", the result "+" for a valid set,
// "-" refused, a stair's key, or "c" valid only as a computer player's play.
// The state: as Scenario::Set, and no3, no4 (that effect off), min5 (stairs of
// five).
struct ValidationRow {
  const char *name, *table, *state, *plays;
};

TEST(ValidatePlay, SetsStairsTheTableAndPassing) {
  const ValidationRow rows[] = {
      {"free lead", "", "",
       "7h 7c X:+ | X X:+ | 5s 6s 8s X:5 | 5s 6s X X:5 | 5s 6s 8s 9s:- | 5s 6s 6s 7s:- | 5s 6s 7h 8s:- "
       "| 5s 6s X:- "
       "| Qd Kd Ad 2d:12 | Jd Kd Ad 2d X:11 | 3d 4d Ad 2d:14 | 3d Qd Kd Ad 2d:-"},
      {"free lead in revolution", "", "rev", "3d 4d Ad 2d:4 | 5s 6s 7s 8s:8 | 5s 6s 7s X:7"},
      {"a computer's own stair, leading", "", "key=5", "5s 6s 7s:- | 5s 6s 7s 9s:c"},
      {"free lead, stairs of five", "", "min5", "5s 6s 7s 8s:- | 5s 6s 7s 8s X:5"},
      {"a single", "5s", "", "6s:+ | 4s:- | 5h:- | X:+ | 6s 6h:-"},
      {"a single in revolution", "5s", "rev", "4s:+ | 6s:- | 5h:- | X:+"},
      {"a J's turn", "5s", "j", "4s:+ | 6s:-"},
      {"a joker", "X", "", "2s:- | X:- | 3s 3s 3s:+ | 3h 3h 3h:- | 2s 2s 2s:- | 3s 3s 3s 2s 2s 2s:c"},
      {"a joker in revolution", "X", "rev", "3s:- | 2s 2s 2s:+ | 3s 3s 3s:-"},
      {"a joker, no flush", "X", "no3", "3s 3s 3s:-"},
      {"a pair of jokers", "X X", "", "3s 3s 3s:- | 3s 3s 3s 2s 2s 2s:c"},
      {"a stair led by a joker", "X 6d 7d 8d", "key=5", "3s 3s 3s 2s 2s 2s:c"},
      {"three 6s", "6s 6h 6d", "", "7h 7c X:+ | 7h 7c:- | 6c 6c X:- | 8s 8h 8d 8c:-"},
      {"a stair", "4h 5h 6h 7h", "key=5",
       "5s 6s 7s 8s:5 | 4s 5s 6s 7s:- | 9s 9h 9d 9c:- | 9h Th Qh Kh:c | 6h 7h 8s 9h:-"},
      {"a stair of five", "5d 6d 7d 8d 9d", "key=5", "6h 7h 8h 9h:- | 6h 7h 8h 9h Th:6"},
      {"a set of four", "8s 8h 8d 8c", "", "9h Th Jh Qh:- | 9s 9h 9d 9c:+"},
      {"the suit lock", "8s 8h", "suit", "9s 9h:+ | 9h 9d:- | 9s X:-"},
      {"the even/odd lock", "6s", "parity", "8s:+ | 7s:- | 2s:+ | As:- | X:-"},
      {"the lock in revolution", "6s", "parity rev", "5s:+ | 4s:- | 3s:+"},
      {"the lock under a J's turn", "6s", "parity j", "4s:+ | 5s:-"},
  };
  for (const ValidationRow& r : rows) {
    std::istringstream plays(r.plays);
    for (std::string cell; std::getline(plays, cell, '|');) {
      const std::string cards = cell.substr(0, cell.find(':')), want = cell.substr(cell.find(':') + 1);
      SCOPED_TRACE(std::string(r.name) + ": " + cell);
      Scenario s;
      const std::string effects = Has(r.state, "no3") ? "4 " : Has(r.state, "no4") ? "3 " : "3 4 ";
      s.Set("", r.table, "3333312", effects + r.state);
      s.g.Options.MinStair = Has(r.state, "min5") ? 5 : 4;
      // A computer's play carries the key of "key="; an empty table holds none.
      const Play computer{s.Sel(cards), s.g.Table.StairKey};
      if (!*r.table) s.g.Table.StairKey = kNoStair;
      const std::optional<Play> play = ValidatePlay(s.g, s.Sel(cards));
      const std::string got = !play ? "-" : play->stairKey == kNoStair ? "+" : std::to_string(play->stairKey);
      // "c": a play only a computer player may lay, never the human.
      EXPECT_EQ(got, want[0] == 'c' ? "-" : want.substr(0, want.find(' ')));
      EXPECT_EQ(ComputerPlayIsLegal(s.g, computer), want[0] != '-');
    }
  }
  // A wrapping stair goes on the table in its own order.
  Scenario s;
  const std::optional<Play> wrap = ValidatePlay(s.g, s.Sel("3d 4d Ad 2d"));
  ASSERT_TRUE(wrap);
  EXPECT_EQ(std::vector<int>(wrap->cards.begin(), wrap->cards.end()), s.Codes("Ad 2d 3d 4d"));
  // "パス" is refused only to a seat that leads freely; the first turn must beat the opening cards or pass.
  EXPECT_FALSE(PassAllowed(s.g));
  s.g.DealStart = true;
  EXPECT_TRUE(PassAllowed(s.g));
  s.g.DealStart = false, s.Lay("5s");
  EXPECT_TRUE(PassAllowed(s.g));
}

// Turn, lead, table and locks, the orders, direction and limit when not as they
// started, and every seat: P playing, S skipped, F and the turn it finished at,
// X fouled, D and the turn it dropped out at; +kills. "in N!" flags a wrong count
// of seats in play.
std::string State(const Game& g) {
  std::ostringstream o;
  o << "turn " << g.Turn << " lead " << g.LeadSeat << " table " << g.Table.Count
    << (g.Table.SuitLock ? " suit" : "") << (g.Table.ParityLock ? " parity" : "");
  if (g.Revolution != 1) o << " rev " << g.Revolution;
  if (g.TempRevolution != 1) o << " j " << g.TempRevolution;
  if (g.Direction != 1) o << " dir " << g.Direction;
  if (g.Line != 11) o << " line " << g.Line;
  int in = 0;
  for (int s = 1; s <= g.Options.SeatCount; ++s) in += !IsOut(g.Seat[s].Status);
  if (in != g.SeatsInPlay) o << " in " << g.SeatsInPlay << "!";
  o << ":";
  for (int s = 1; s <= g.Options.SeatCount; ++s) {
    const SeatRecord& r = g.Seat[s];
    o << ' ' << "PDSFX"[r.Status];
    if (r.Status == kFinished) o << r.FinishKey;
    if (r.Status == kDroppedOut) o << 1000000 - r.FinishKey;
    if (r.Status == kFouled && r.FinishKey != 1000000) o << '?';
    if (r.Kills != 0) o << '+' << r.Kills;
  }
  return o.str();
}

// Seat 2 plays from `hand` on `table` (played by seat 1; "" = it leads); `words`
// as Scenario::Set; `key` is a stair's.
struct PlayRow {
  const char *name, *words, *hand, *table, *play, *state;
  int key = kNoStair;
  std::function<void(Scenario&)> more = nullptr;
};

TEST(ApplyPlay, EffectsFinishesFoulsAndDropOuts) {
  const auto finished3 = [](Scenario& s) { s.g.Seat[3].Status = kFinished; };
  const PlayRow rows[] = {
      {"a stair with a 5 skips", "5", "3h 4h 5h 6h 9c", "", "3h 4h 5h 6h",
       "turn 3 lead 2 table 4 rev -1: P P S P", 3},
      {"a stair with a 5, an 8 and a black 7", "5 7 8", "5s 6s 7s 8s Qh", "", "5s 6s 7s 8s",
       "turn 2 lead 2 table 0 rev -1 line 10: P P P P", 5},
      {"four 10s skip every other seat playing", "10", "Th Th Td Td 3s", "", "Th Th Td Td",
       "turn 3 lead 2 table 4 rev -1: S P F0 S", 255, finished3},
      {"a K on an A in revolution", "4 rev", "Kh 3s", "As", "Kh",
       "turn 3 lead 2 table 1 parity rev -1: P P P P"},
      {"not a 6 on a 4 then", "4 rev", "6h 3s", "4s", "6h", "turn 3 lead 2 table 1 rev -1: P P P P"},
      {"a joker never locks the suit", "", "9h X 3c", "8h X", "9h X", "turn 3 lead 2 table 2: P P P P"},
      {"spade 3s flush a joker; the 8 effect keeps the lead", "3 8", "3s 3s 3s 9c", "X", "3s 3s 3s",
       "turn 2 lead 2 table 0: P P P P"},
      {"no 8 effect: the turn passes", "3", "3s 3s 3s 9c", "X", "3s 3s 3s", "turn 3 lead 2 table 0: P P P P"},
      {"spade 2s: not in normal order", "3", "2s 2s 2s 9c", "X", "2s 2s 2s",
       "turn 3 lead 2 table 3: P P P P"},
      {"spade 2s in revolution", "3 rev", "2s 2s 2s 9c", "X", "2s 2s 2s",
       "turn 3 lead 2 table 0 rev -1: P P P P"},
      {"the six flush a joker-led pair", "3", "3s 3s 3s 2s 2s 2s 9c", "X X", "3s 3s 3s 2s 2s 2s",
       "turn 3 lead 2 table 0 rev -1: P P P P"},
      {"the six flush a lone joker", "3", "3s 3s 3s 2s 2s 2s 9c", "X", "3s 3s 3s 2s 2s 2s",
       "turn 3 lead 2 table 0 rev -1: P P P P"},
      {"a finishing 5 or black 7 does nothing more", "5 7", "5s 7s", "4s 4h", "5s 7s",
       "turn 3 lead 3 table 0 line 10: P F0 P P"},
      {"in revolution a 3 fouls", "M rev", "3s", "4s", "3s", "turn 3 lead 3 table 0 rev -1 line 10: P X P P"},
      {"a stair 3 4 5 6 revolves, then fouls", "M", "3h 4h 5h 6h", "", "3h 4h 5h 6h",
       "turn 3 lead 3 table 0 rev -1 line 10: P X P P", 3},
      {"a stair K A 2 3 keyed from its K fouls", "M", "Kh Ah 2h 3h", "", "Kh Ah 2h 3h",
       "turn 3 lead 3 table 0 rev -1 line 10: P X P P", 0},
      {"a finish lowers the limit onto a seat: a kill", "line=5 s3=4", "9s", "", "9s",
       "turn 4 lead 4 table 0 line 3: P F10+1 D10 P", 255, [](Scenario& s) { s.g.TurnCounter = 10; }},
      {"nobody left: the turn stays", "two line=3 s1=2", "9s", "", "9s",
       "turn 2 lead 2 table 0 line 1: D0 F0+1"},
      {"a black 7 drops a seat, the lower limit the next", "7 line=6 s3=5 s4=4", "7s 9c", "", "7s",
       "turn 3 lead 2 table 1 line 3: P P+2 D30 D31", 255, [](Scenario& s) { s.g.TurnCounter = 30; }},
  };
  for (const PlayRow& r : rows) {
    SCOPED_TRACE(r.name);
    Scenario s;
    s.Set(r.hand, r.table, "3333312", r.words);
    if (r.more) r.more(s);
    s.g.SeatsInPlay = 0;
    for (int i = 1; i <= s.g.Options.SeatCount; ++i) s.g.SeatsInPlay += !IsOut(s.g.Seat[i].Status);
    ApplyPlay(s.g, {s.Sel(r.play, s.g.Turn), r.key});
    EXPECT_EQ(State(s.g), r.state);
    EXPECT_EQ(CheckConservation(s.g), "");
  }
}

TEST(ApplyPlay, CardsLieOnTheSeatsSideMovedByTwoDraws) {
  Scenario s;
  s.Set("5s 5h 9c", "4s 4h", "3333312", "");
  s.g.Table.X[1] = 7, s.g.Table.Y[1] = 9;
  s.g.Rng.Script({0.5, 0.9999});
  ApplyPlay(s.g, {s.Sel("5s 5h", 2)});
  EXPECT_EQ(std::vector<int>({s.g.Table.X[1], s.g.Table.X[2], s.g.Table.Y[1], s.g.TrickX[1], s.g.TrickY[1]}),
            std::vector<int>({248, 264, 197, 7, 9}));
}

// Per seat: P playing, F finished, D dropped out or X fouled, the turn it left
// at, and +kills.
void LeaveAsSaid(Game& g, const std::string& how) {
  std::istringstream in(how);
  std::string t;
  for (int i = 1; in >> t; ++i) {
    SeatRecord& seat = g.Seat[i];
    seat.Status = static_cast<uint8_t>(std::string("PD?FX").find(t[0]));
    const int turn = std::atoi(t.c_str() + 1);
    seat.FinishKey = t[0] == 'F' ? turn : t[0] == 'D' ? 1000000 - turn : t[0] == 'X' ? 1000000 : 0;
    if (t.find('+') != std::string::npos) seat.Kills = std::atoi(t.c_str() + t.find('+') + 1);
  }
  g.TurnCounter = 40;
}

TEST(EndOfDeal, PlacesTiesAndPoints) {
  // Per seat in the result: its place, how it left (as above) and its points.
  const struct {
    const char *name, *how, *result;
    int starter;
  } rows[] = {
      {"finished, left playing, dropped out; kills", "P+1 F12 D20+1", "2P35 1F40 3D5", 2},
      {"fouls score nothing even with kills, come last and tie", "X+2 X F5 P", "3X0 3X0 1F40 2P30", 3},
      {"seats still playing share a place and the bonus", "P P D5", "1P40 1P40 3D0", 1},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const int seats = static_cast<int>(std::count(r.result, r.result + std::strlen(r.result), ' ')) + 1;
    Scenario s(seats);
    LeaveAsSaid(s.g, r.how);
    const DealResult result = EndOfDeal(s.g);
    std::string got;
    for (int i = 1; i <= seats; ++i) {
      const SeatResult& seat = result.Seat[i];
      got += std::to_string(seat.Place) + "PD?FX"[seat.Status] + std::to_string(seat.Points) + ' ';
      EXPECT_EQ(s.g.Seat[i].DealPoints, std::vector<int>{seat.Score});
    }
    EXPECT_EQ(got, r.result + std::string(" "));
    EXPECT_EQ(std::vector<int>({result.NextStarter, s.g.NextStarter, s.g.DealCount}),
              std::vector<int>({r.starter, r.starter, 1}));
  }
}

TEST(EndOfDeal, TheLastEightDealsAndTheEndOfTheGame) {
  Scenario s(3);
  LeaveAsSaid(s.g, "P F12 D20");
  // Seat 1 scores 30 and 5 a kill in each deal, so deal d brings it 30 + 5d; it and seat 2 (40 a deal)
  // reach the winning score of 200 exactly in deal 4, and the game is over.
  DealResult r;
  while (s.g.DealCount < 9) {
    s.g.Seat[1].Kills = s.g.DealCount, r = EndOfDeal(s.g);
    const bool over = r.Deal >= 4;
    EXPECT_TRUE(r.Seat[1].ReachedGoal == over && r.Seat[2].ReachedGoal == over && !r.Seat[3].ReachedGoal &&
                r.GameOver == over && s.g.GameOver == over)
        << r.Deal;
  }
  EXPECT_EQ(std::vector<int>({r.Deal, r.FirstListed, r.Seat[1].Kills, r.Seat[1].Score, r.Seat[2].Score}),
            std::vector<int>({8, 1, 8, 450, 360}));
  EXPECT_EQ(r.Seat[1].Recent, (std::array<int, 8>{35, 40, 45, 50, 55, 60, 65, 70}));
}

}  // namespace
}  // namespace tomaruk::testing

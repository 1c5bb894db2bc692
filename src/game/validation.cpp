#include <algorithm>
#include <utility>

#include "game/card_facts.h"
#include "game/rules.h"

namespace tomaruk {

namespace {

// The stair test over Sel(1..m) with the given rank key per card; jokers (J of
// them) fill the gaps and may lengthen the run.
bool StairTest(const Game& g, const Selection& sel, int m, int jokers, bool wrapped) {
  const int suit = g.SuitOf(sel[0]);
  int gaps = 0;
  for (int k = 1; k < m; ++k) {
    if (g.SuitOf(sel[k]) != suit) return false;
    const int r0 = g.RankOf(sel[k - 1]);
    const int r1 = g.RankOf(sel[k]);
    if (r1 == r0) return false;
    const int a = wrapped ? r0 % 13 : r0;
    const int b = wrapped ? r1 % 13 : r1;
    if (b <= a) return false;
    gaps += b - a - 1;
  }
  return jokers >= gaps;
}

bool IsSet(const Game& g, const Selection& sel) {
  for (size_t k = 0; k + 1 < sel.size(); ++k)
    if (!IsJoker(sel[k + 1]) && g.RankOf(sel[k + 1]) != g.RankOf(sel[k])) return false;
  return true;
}

}  // namespace

std::optional<Play> SetOrStair(const Game& g, Selection picked) {
  Play play{std::move(picked)};
  Selection& sel = play.cards;
  const int n = static_cast<int>(sel.size());
  if (n == 0) return std::nullopt;
  int jokers = 0;
  for (int c : sel) jokers += IsJoker(c) ? 1 : 0;
  const int m = n - jokers;

  // The kind of the selection: a set, a straight stair, or a stair that wraps
  // from K over A and 2 to 3.
  if (IsSet(g, sel)) return play;
  if (n < g.Options.MinStair || m < 1) return std::nullopt;
  bool stair = StairTest(g, sel, m, jokers, false);
  if (!stair) {
    // A run through K, A and 2: order the real cards by rank mod 13 (K = 0, A = 1, 2 = 2).
    // Cards alike in that order are of one rank, which no stair holds twice, so how they are
    // ordered among themselves never matters.
    Selection wrapped(sel.begin(), sel.begin() + m);
    std::sort(wrapped.begin(), wrapped.end(),
              [&](int a, int b) { return g.RankOf(a) % 13 < g.RankOf(b) % 13; });
    if (StairTest(g, wrapped, m, jokers, true)) {
      std::copy(wrapped.begin(), wrapped.end(), sel.begin());
      stair = true;
    }
  }
  if (!stair) return std::nullopt;
  play.stairKey = g.Revolution > 0 ? g.RankOf(sel[0]) : g.RankOf(sel[m - 1]);
  return play;
}

Refusal AgainstTable(const Game& g, const Play& play) {
  if (g.Turn == g.LeadSeat && !g.DealStart) return Refusal::kNone;
  const TableRecord& t = g.Table;
  const Selection& sel = play.cards;
  const int first = g.RankOf(sel[0]);
  if (static_cast<int>(sel.size()) != t.Count) return Refusal::kCount;
  if ((t.StairKey == kNoStair) != (play.stairKey == kNoStair)) return Refusal::kKind;
  if (t.SuitLock && !FollowsTableSuits(g, sel)) return Refusal::kSuitLock;
  if (g.Options.EvenOddLock() && t.ParityLock && !FollowsParityLock(g, first)) return Refusal::kParityLock;
  if (!BeatsTable(g, first)) return Refusal::kTooWeak;
  return Refusal::kNone;
}

bool FlushesTableJoker(const Game& g, const Selection& cards) {
  // The six are neither a set nor a stair, so only a computer player can lay them.
  const TableRecord& t = g.Table;
  if (!g.Options.SpadeThreesFlushJoker() || t.Count < 1 || !IsJoker(t.Cards[1])) return false;
  return (t.Count == 1 && FlushesLoneJoker(g, cards)) || FlushesJokerGroup(cards);
}

std::optional<Play> ValidatePlay(const Game& g, Selection picked) {
  std::optional<Play> play = SetOrStair(g, std::move(picked));
  if (!play || (AgainstTable(g, *play) != Refusal::kNone && !FlushesTableJoker(g, play->cards)))
    return std::nullopt;
  return play;
}

}  // namespace tomaruk

namespace tomaruk {

bool ComputerPlayIsLegal(const Game& g, const Play& play) {
  const Selection& sel = play.cards;
  if (sel.empty()) return true;
  if (ValidatePlay(g, sel)) return true;
  // All six spade 3s and 2s, which are no set, flush any combination led by a joker.
  if (FlushesTableJoker(g, sel)) return true;
  const TableRecord& t = g.Table;
  // A computer stair carries its own key (possibly a low index for runs
  // through K, A and 2), and a play over a stair is judged as one: its suit
  // and length, then the table checks.
  if (play.stairKey == kNoStair && t.StairKey == kNoStair) return false;
  const int n = static_cast<int>(sel.size());
  if (n < g.Options.MinStair) return false;
  int suit = 0;
  for (int c : sel) {
    if (IsJoker(c)) continue;
    if (suit == 0) suit = g.SuitOf(c);
    if (g.SuitOf(c) != suit) return false;
  }
  if (g.Turn == g.LeadSeat && !g.DealStart) return true;
  if (n != t.Count) return false;
  if (t.SuitLock && !FollowsTableSuits(g, sel)) return false;
  return BeatsTable(g, g.RankOf(sel[0]));
}

}  // namespace tomaruk

#include <algorithm>
#include <array>

#include "game/card_facts.h"
#include "game/deal.h"
#include "game/rounding.h"
#include "game/rules.h"

namespace tomaruk {

namespace {

struct PlayFlags {
  bool three = false, five = false, eight = false, nine = false, jack = false, queen = false, two = false;
};

void FlagByRank(PlayFlags& f, int rank, bool withThree) {
  if (withThree && rank == kRank3) f.three = true;
  if (rank == kRank5) f.five = true;
  if (rank == kRank8) f.eight = true;
  if (rank == kRank9) f.nine = true;
  if (rank == kRankJ) f.jack = true;
  if (rank == kRankQ) f.queen = true;
  if (rank == kRank2) f.two = true;
}

// The first seat after Turn in the direction of play whose Status is 0, or 0.
int NextPlayingSeat(const Game& g) {
  int s = g.Turn;
  for (int step = 1; step < g.Options.SeatCount; ++step) {
    s = NextSeat(g, s);
    if (g.Seat[s].Status == kPlaying) return s;
  }
  return 0;
}

// A seat emptied its hand: it finishes, or fouls when its last play was banned.
void FinishSeat(Game& g, const PlayFlags& f, bool hadJoker) {
  --g.Line;
  --g.SeatsInPlay;
  g.View->ClearTableEffect();
  ClearTable(g);
  const OptionRecord& o = g.Options;
  // The bans look at Revolution after the finishing play's own revolution: the
  // strongest cards are the 2s in normal order, the 3s under a revolution.
  const bool strongest = (g.Revolution < 0 && f.three) || (g.Revolution > 0 && f.two);
  const bool foul = (o.NoFinishOnStrongest() && strongest) || (o.NoFinishOnNine() && f.nine) ||
                    (o.NoFinishOnEight() && f.eight) || (o.NoFinishOnJoker() && hadJoker);
  SeatRecord& seat = g.Seat[g.Turn];
  if (foul) {
    seat.FinishKey = 1000000;
    seat.Status = kFouled;
  } else {
    seat.FinishKey = g.TurnCounter;
    seat.Status = kFinished;
  }
  CheckHandLimit(g);
  const int next = NextPlayingSeat(g);
  if (next != 0) {
    g.Turn = next;
    g.LeadSeat = next;
  }
}

}  // namespace

void ApplyPlay(Game& g, const Play& play) {
  const Selection& sel = play.cards;
  const int n = std::min<int>(static_cast<int>(sel.size()), kMaxPlayCards);
  if (n == 0) return;
  TableRecord& t = g.Table;
  g.LeadSeat = g.Turn;
  // Joker marker of the old table.
  int marker = 0;
  if (t.Count == 1 && IsJoker(t.Cards[1])) marker = 1;
  if (t.Count > 1 && IsJoker(t.Cards[1])) marker = 2;
  // The old combination joins the trick pile.
  for (int i = 1; i <= t.Count && g.TrickCount < kCardCount; ++i) {
    ++g.TrickCount;
    g.TrickPile[g.TrickCount] = t.Cards[i];
    g.TrickX[g.TrickCount] = t.X[i];
    g.TrickY[g.TrickCount] = t.Y[i];
  }
  const int dx = RoundEven(g.Rng.Next() * 10 - 5);
  const int dy = RoundEven(g.Rng.Next() * 10 - 5);
  // Even/odd lock: a 6 on a 4, or under revolution a K on an A.
  if (g.Options.EvenOddLock()) {
    const int oldRank = g.RankOf(t.Cards[1]);
    const int newRank = g.RankOf(sel[0]);
    if ((g.Revolution > 0 && newRank == kRank6 && oldRank == kRank4) ||
        (g.Revolution <= 0 && newRank == kRankK && oldRank == kRankA))
      t.ParityLock = true;
  }
  // The play locks the suits when it follows the old table's suits card by
  // card with no joker in it (an empty old table never locks).
  bool suitFollowed = FollowsTableSuits(g, n, [&](int k) { return g.SuitOf(sel[k - 1]); });
  for (int k = 0; k < n; ++k)
    if (IsJoker(sel[k])) suitFollowed = false;
  for (int k = 1; k <= n; ++k) {
    const int c = sel[k - 1];
    t.Cards[k] = static_cast<uint8_t>(c);
    g.CardPlace[c] = kOnTable;
    const Point at = PlayedCardPlace(g.Options, g.Turn, k, n, dx, dy);
    t.X[k] = static_cast<int16_t>(at.x);
    t.Y[k] = static_cast<int16_t>(at.y);
  }
  for (int k = n + 1; k <= kMaxPlayCards; ++k) t.Cards[k] = 0;
  t.Count = n;
  if (suitFollowed) t.SuitLock = true;
  // A stair lies on the table under its key. Any other play keeps the table's
  // key: a set only answers a set or leads on an empty table, and a computer's
  // play over a stair is taken as one.
  if (play.stairKey != kNoStair) t.StairKey = play.stairKey;
  // Effect flags.
  PlayFlags f;
  if (t.StairKey == kNoStair) {
    FlagByRank(f, g.RankOf(sel[0]), true);
  } else {
    const int s = t.StairKey;
    if (4 - n <= s && s <= 3) f.three = true;
    for (int k = 0; k < n; ++k) FlagByRank(f, g.RankOf(sel[k]), false);
  }
  bool hadJoker = false;
  for (int k = 0; k < n; ++k) hadJoker = hadJoker || IsJoker(sel[k]);
  // The played cards leave the hand: those of its cards that now lie on the
  // table. Nothing stays picked.
  SeatRecord& seat = g.Seat[g.Turn];
  const int slots = std::min<int>(std::max<int>(g.Options.InitialLine, seat.CardCount), kHandSlots - 1);
  for (int i = 1; i <= slots; ++i) {
    if (seat.Hand[i] != 0 && g.CardPlace[seat.Hand[i]] == kOnTable) {
      seat.Hand[i] = 0;
      --seat.CardCount;
    }
  }
  seat.Selected.fill(false);
  SortHand(g, g.Turn);
  g.View->AnimatePlay();
  // Four or more cards make a revolution, even when they finish the hand.
  if (n >= 4) g.Revolution = -g.Revolution;
  if (seat.CardCount == 0) {
    FinishSeat(g, f, hadJoker);
    return;
  }
  const OptionRecord& o = g.Options;
  // A 5 skips the next playing seat, unless an 8 clears the table anyway.
  if (f.five && o.FiveSkips() && !(o.EightClears() && f.eight)) {
    const int s = NextPlayingSeat(g);
    if (s != 0) g.Seat[s].Status = kSkipped;
  }
  // A black 7 lowers the limit.
  if (o.BlackSevenLowersLine())
    for (int k = 0; k < n; ++k)
      if (g.RankOf(sel[k]) == kRank7 && IsBlack(g, sel[k])) --g.Line;
  // Four 10s: nobody can answer the revolution they make.
  if (o.FourTensStopAll() && IsFourTens(sel))
    for (int s = 1; s <= o.SeatCount; ++s)
      if (s != g.Turn && g.Seat[s].Status == kPlaying) g.Seat[s].Status = kSkipped;
  if (f.jack && o.JackTurnsOrder()) g.TempRevolution = -g.TempRevolution;
  if (f.queen && o.QueenReverses()) g.Direction = -g.Direction;
  // Joker flush: three spade 3s (spade 2s under revolution) on a lone joker, or all six.
  if (o.SpadeThreesFlushJoker()) {
    if (marker == 1 && FlushesLoneJoker(g, sel)) {
      g.View->ClearTableEffect();
      ClearTable(g);
      f.eight = true;
    }
    if ((marker == 1 || marker == 2) && FlushesJokerGroup(sel)) {
      g.View->ClearTableEffect();
      ClearTable(g);
      f.eight = true;
    }
  }
  // An 8 clears the table and the same seat leads again.
  if (o.EightClears() && f.eight) {
    g.View->ClearTableEffect();
    ClearTable(g);
  } else {
    g.Turn = NextSeat(g, g.Turn);
  }
  CheckHandLimit(g);
}

void CheckHandLimit(Game& g) {
  for (;;) {
    g.View->RenderTable(0, true, true);
    std::array<bool, 9> marked{};
    bool any = false;
    for (int s = 1; s <= g.Options.SeatCount; ++s) {
      SeatRecord& seat = g.Seat[s];
      if (HoldsCards(seat.Status) && seat.CardCount >= g.Line) {
        seat.Status = kDroppedOut;
        marked[s] = true;
        any = true;
      }
    }
    if (!any) return;
    g.View->AnimateDropOut(marked);
    for (int s = 1; s <= g.Options.SeatCount; ++s) {
      if (!marked[s]) continue;
      SeatRecord& seat = g.Seat[s];
      --g.Line;
      --g.SeatsInPlay;
      if (g.LeadSeat >= 1 && g.LeadSeat <= kMaxSeats) ++g.Seat[g.LeadSeat].Kills;
      seat.FinishKey = 1000000 - g.TurnCounter;
      for (int i = 1; i <= seat.CardCount && i < kHandSlots; ++i) {
        const int c = seat.Hand[i];
        if (c == 0) continue;
        g.DiscardPile[++g.DiscardCount] = static_cast<uint8_t>(c);
        g.CardPlace[c] = kInDiscard;
        seat.Hand[i] = 0;
      }
    }
    ++g.TurnCounter;
  }
}

}  // namespace tomaruk

// The decision core: tells leading from answering, offers the turn to the
// dedicated choosers in a fixed order and then runs its own rule cascade, the
// lead rules or the answer rules.
//
// Decision codes:
//   100   lead: the four 10s
//   199   answer: a stair answered by the stair search
//   490   lead: character 8 swaps a joker in from the stock and leads it
//   788   lead: every 8 (with the joker when there are three)
//   2301  answer: the three spade 3s flush a single joker
//   2302  answer: the three spade 2s flush a single joker (reversed order)
//   2303  answer: the spade 3s and spade 2s together flush a joker group
//   2311  answer: pass - nothing in the hand could be a blocked last card
//   2312  answer: pass - character 8 waits for the joker on top of the stock
#include <algorithm>

#include "ai/computer_player.h"
#include "game/deal.h"

namespace tomaruk {

void ComputerPlayer::DecidePlay() {
  TableRanks.fill(0);
  TableSuits.fill(0);
  TableCount = 0;
  SuitLock = false;
  ParityLock = false;
  const SeatRecord& rec = g.Seat[g.Turn];

  if (g.LeadSeat == g.Turn && !g.DealStart) {
    if (PlayersLeft == 2) {
      ChooseDuelPlay();
      if (Decided) return;
    }
    ChooseLeadPlay();
    if (Decided) return;
    if (Rule10) {
      PlayFourTens();
      if (Decided) return;
    }
    if (rec.CardCount >= g.Options.MinStair) {
      ChooseStairPlay();
      if (Decided) {
        StairChosen = true;
        return;
      }
    }
    if (Rule8) {
      PlayEights();
      if (Decided) return;
    }
    // Character 8 now and then swaps a joker in from the stock: one time in
    // twenty, nearly one in four when the next seat is close to the line.
    if (rec.Character == 8 && !IsJoker(Hand(rec.CardCount)) && rec.CardCount > 2 && !DealMemory[g.Turn]) {
      int r = DrawWhole(100);
      if (g.Line - g.Seat[NextSeat].CardCount <= 2) r += 17;
      if (r >= 95) {
        SwapInJoker();
        if (Decided) return;
      }
    }
    LeadSection();
    return;
  }

  if (PlayersLeft == 2) {
    ChooseDuelPlay();
    if (Decided) return;
  }
  ChooseLeadPlay();
  if (Decided) return;

  TableCount = g.Table.Count;
  SuitLock = g.Table.SuitLock;
  ParityLock = g.Table.ParityLock;
  for (int i = 1; i <= TableCount && i <= kMaxPlayCards; ++i) {
    TableRanks[i] = g.RankOf(g.Table.Cards[i]);
    TableSuits[i] = g.SuitOf(g.Table.Cards[i]);
  }

  if (NoFinishBlocker) return Pass(2311);
  // A stair is only ever answered by a stair.
  if (g.Table.StairKey != kNoStair) {
    ChooseStairPlay();
    if (Decided) {
      StairChosen = true;
      DecisionCode = 199;
    }
    return;
  }
  if (TableRanks[1] == kRankJoker) {
    AnswerJoker();
    return;
  }
  // Character 8 peeks at the stock: a joker on top is worth a pass while the
  // hand can still afford the card.
  if (rec.Character == 8 && g.StockCount > 0 && IsJoker(g.Stock[g.StockCount]) &&
      HoldMargin > PlayersLeft / 4.0 + 3)
    return Pass(2312);
  AnswerSection();
}

void ComputerPlayer::PlayFourTens() {
  // Only four 10s exist, so a sorted hand holds them side by side.
  const int cc = CC();
  if (cc < 4) return;
  for (int i = 1; i <= cc - 3; ++i) {
    if (Hand(i) == kFourTens.front() && Hand(i + 3) == kFourTens.back()) {
      for (int p = i; p <= i + 3; ++p) Select(p);
      return Decide(100);
    }
  }
}

void ComputerPlayer::PlayEights() {
  if (!Rule8) return;
  if (TraitF1 == 1 && HoldMargin > 1 && AnySkipped) return;
  static constexpr int kThreshold[6] = {0, 4, 3, 3, 3, 2};
  HoldThreshold = kThreshold[std::clamp(TraitD, 1, 5)];
  const int cc = CC();
  if (TraitA == 5) {
    // Jokers at this seat's own count in every hand: a crowd of strong hands
    // raises the threshold, and the 8s go out sooner.
    int jokers = 0;
    for (int s = 1; s <= g.Options.SeatCount; ++s)
      if (IsJoker(g.HandCard(s, cc))) ++jokers;
    if (jokers >= PlayersLeft - 2) ++HoldThreshold;
    if (jokers >= PlayersLeft - 1) ++HoldThreshold;
  }
  const CharacterRecord& ch = g.Characters[g.Seat[g.Turn].Character];
  if (ch.Trait[3] + ch.Trait[4] >= 9) return;
  if (HoldMargin > HoldThreshold) return;
  int eights = 0;
  for (int i = 1; i <= cc; ++i) {
    if (Rank(i) == kRank8) {
      Select(i);
      ++eights;
      Decide(788);
    }
  }
  // Three 8s and a joker make four: a revolution as well.
  if (IsJoker(Hand(cc)) && eights == 3) Select(cc);
}

void ComputerPlayer::AnswerJoker() {
  if (!Rule3) return;
  const int cc = CC();
  if (TableRanks[1] == kRankJoker && TableCount == 1 && cc >= 3) {
    // The three spade 3s flush a joker in normal order, the three spade 2s
    // under a revolution (the J's turn of the order does not count).
    if (g.Revolution > 0) {
      if (Hand(3) == kSpadeThrees.back()) {
        for (int p = 1; p <= 3; ++p) Select(p);
        return Decide(2301);
      }
    } else {
      for (int i = 1; i <= cc - 2; ++i) {
        if (Hand(i) == kSpadeTwos.front() && Hand(i + 2) == kSpadeTwos.back()) {
          for (int p = i; p <= i + 2; ++p) Select(p);
          return Decide(2302);
        }
      }
    }
    return;
  }
  if (TableCount >= 2 && TableRanks[1] == kRankJoker && cc >= 6 && Hand(3) == kSpadeThrees.back()) {
    for (int i = 4; i <= cc - 2; ++i) {
      if (Hand(i) == kSpadeTwos.front() && Hand(i + 2) == kSpadeTwos.back()) {
        for (int p = 1; p <= 3; ++p) Select(p);
        for (int p = i; p <= i + 2; ++p) Select(p);
        return Decide(2303);
      }
    }
  }
}

void ComputerPlayer::SwapInJoker() {
  // Give away the weakest card that is not kept back; never the strongest.
  const int cc = CC();
  int i = 0;
  if (OrderSign > 0) {
    for (int p = 1; p <= cc - 1 && i == 0; ++p)
      if (!IsKept(p)) i = p;
  } else {
    for (int p = cc; p >= 2 && i == 0; --p)
      if (!IsKept(p)) i = p;
  }
  if (i == 0) {
    Decided = false;
    return;
  }
  // The joker takes that card's place in the hand, which stays unsorted until
  // the play is laid, and leads alone.
  if (!SwapJokerFromStock(g, g.Turn, i)) return;
  Index.Build(g, g.Turn);
  Select(i);
  Decide(490);
  DealMemory[g.Turn] = true;
}

int ComputerPlayer::CountBlackSevens(int pos, int n) {
  if (!Rule7 || Rank(pos) != kRank7) return 0;
  int count = 0;
  for (int p = pos; p <= pos + n - 1; ++p)
    if (Rank(p) == kRank7 && IsBlack(g, Hand(p))) ++count;
  return count;
}

}  // namespace tomaruk

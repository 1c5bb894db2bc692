// Keep-back marks: cards of the hand the computer would rather hold for a strong
// play later (the four 10s, spade 3s and spade 2s, a stair, jokers, cards that
// suit the even/odd lock, 5s, 8s), and the cards that must not be left last when
// finishing on them is banned. Kept(i) true = hand position i is not offered to
// the ordinary plays. IsExactGroup is the group test of the decision rules.
#include "ai/computer_player.h"
#include "game/card_facts.h"

namespace tomaruk {

namespace {
// Discard pile or table: the card cannot come back this round.
bool OutOfPlay(const Game& g, int code) { return g.CardPlace[code] >= kInDiscard; }
}  // namespace

void ComputerPlayer::MarkKeptCards() {
  const SeatRecord& rec = g.Seat[g.Turn];
  const int cc = rec.CardCount;
  const CharacterRecord& ch = g.Characters[rec.Character];
  const int sum = ch.Trait[3] + ch.Trait[0];
  const auto markRank = [&](int rank) {
    for (int i = 1; i <= cc; ++i)
      if (Rank(i) == rank) Kept[i] = true;
  };

  Kept.fill(false);
  // Too close to the limit to hold anything back.
  if (HoldMargin < HoldThreshold) return;

  // The four 10s, which make everybody else skip, while none of them is gone;
  // a character whose raw levels A and D add up to less than 5 keeps them anyway.
  if (Rule10 && !(11 - TraitD / 2.0 > g.Line || PlayersLeft < 3)) {
    bool gone = false;
    for (int code : kFourTens)
      if (OutOfPlay(g, code)) gone = true;
    if (!(sum >= 5 && gone)) markRank(kRank10);
  }

  // Three spade 3s (or spade 2s) flush a joker.
  if (Rule3 && !(TraitA <= 1 || TraitD <= 1 || 10 - TraitD / 2.0 > g.Line || PlayersLeft < 3)) {
    const auto worthKeeping = [&](const auto& codes, int sumLimit) {
      int own = 0;
      bool gone = false;
      for (int code : codes) {
        if (g.CardPlace[code] == g.Turn) ++own;
        if (OutOfPlay(g, code)) gone = true;
      }
      if (sum < sumLimit && own < 2) return true;
      return !gone;
    };
    // The spade 3s sort first: only positions 1..3 can hold them.
    if (worthKeeping(kSpadeThrees, 5 - g.Revolution))
      for (int i = 1; i <= 3 && i <= cc; ++i)
        if (IsSpadeThree(Hand(i))) Kept[i] = true;
    // The spade 2s.
    if (worthKeeping(kSpadeTwos, 5 + g.Revolution))
      for (int i = 1; i <= cc; ++i)
        if (IsSpadeTwo(Hand(i))) Kept[i] = true;
  }

  // Stairs in the making: the last start position whose run of one suit holds
  // enough cards replaces every mark made so far.
  const int minStair = g.Options.MinStair;
  if (!(1.8 * minStair > g.Line || TraitB <= 2 || TraitD <= 3 || TraitA <= 2 || TraitE == 5 ||
        cc < minStair)) {
    const int need = minStair >= 5 ? minStair - 3 : minStair - 1;
    std::array<bool, kHandSlots> work{};
    for (int i = 1; i <= cc - need + 1; ++i) {
      int count = 0;
      int r = Rank(i);
      const int first = r;
      const int s = Suit(i);
      bool found = false;
      do {
        const int p = Index.FindFrom(i, s, r);
        found = p != 0;
        if (found) {
          work[p] = true;
          ++count;
        }
        ++r;
      } while (r - first <= minStair || found);
      if (count >= need) {
        for (int p = 1; p <= cc; ++p) Kept[p] = work[p];
      }
      work.fill(false);
    }
  }

  // Jokers: the top one is kept once there are enough of them.
  if (Index.Jokers >= (TraitD > 3 ? 2 : 3)) Kept[cc] = true;

  // Under the even/odd lock: jokers, the odd faces below the ace, and 2s.
  if (Rule4 && g.Table.ParityLock) {
    for (int i = 1; i <= cc; ++i) {
      const int r = Rank(i);
      if (IsJoker(Hand(i)) || (!IsEvenFace(r) && r < kRankA) || r == kRank2) Kept[i] = true;
    }
  }

  // 5s, when the seat after next is close to the limit.
  if (Rule5 && g.SeatsInPlay > 2) {
    const int t = NextSeatAfter(NextSeatAfter(g.Turn));
    if (g.Seat[t].CardCount >= g.Line - 2 && TraitA >= 3) markRank(kRank5);
  }

  // 8s, while some seat is skipped.
  if (Rule8 && TraitF1 == 1 && HoldMargin > 2) {
    bool skipped = false;
    for (int seat = 1; seat <= g.Options.SeatCount; ++seat)
      if (g.Seat[seat].Status == kSkipped) skipped = true;
    if (skipped) markRank(kRank8);
  }
}

void ComputerPlayer::MarkFinishBlockers() {
  NoFinishBlocker = false;
  if (!RuleM) return;
  const int cc = CC();
  // The ranks no seat may finish on: the strongest (2s, or 3s under a revolution), jokers, 8s, 9s.
  const int strongest = g.Revolution > 0 ? kRank2 : kRank3;
  int banned = 0, rank = 0;
  for (const int r : {strongest, kRankJoker, kRank8, kRank9})
    if (Index.HoldsRank(r)) {
      ++banned;
      rank = r;
    }
  if (banned > 1) return;
  if (banned == 0) {
    NoFinishBlocker = true;
    return;
  }
  // One banned rank only: hold all of it back, nothing else.
  for (int i = 1; i <= cc; ++i) Kept[i] = Rank(i) == rank;
}

void ComputerPlayer::RelaxKeptCards() {
  const int cc = CC();
  bool all = true;
  for (int i = 1; i <= cc; ++i)
    if (!Kept[i]) all = false;
  if (!NoFinishBlocker && all) Kept.fill(false);
  const int limit = TraitD >= 3 ? 1 : 2;
  if (HoldMargin <= limit) Kept.fill(false);
}

bool ComputerPlayer::IsExactGroup(int pos, int n, int lo, int hi, int /*spare*/, int /*hint*/) {
  const int r = Rank(pos);
  if (g.Table.ParityLock) {
    // The lock goes by face value: the ace and the joker count odd and the 2
    // even, so neither an ace nor a joker follows it in normal order, nor a 2
    // under a revolution.
    if (!FollowsParityLock(g, r)) return false;
    // Under a revolution the computer also reads the bare rank number and holds
    // back the ace and the joker: odd faces, but even numbers.
    if (g.Revolution < 0 && r % 2 == 0) return false;
  }
  if (IsKept(pos) || Rank(pos + n - 1) != r || Rank(pos + n) == r) return false;
  if (r < lo || r > hi) return false;
  return true;
}

}  // namespace tomaruk

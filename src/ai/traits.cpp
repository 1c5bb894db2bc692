// Turn traits and counters: the first stage of every computer turn. The seat's
// character becomes this turn's effective trait levels, varied at random, and the
// counts about the table that the later stages share are taken.
//
// Random draws, in order: TraitFactor, then VaryTrait for B, C, D, E and G (each
// one draw, plus a second one when the first reads 252 or more).
#include <array>
#include <cstdint>
#include <iterator>

#include "ai/computer_player.h"
#include "game/rounding.h"

namespace tomaruk {

int ComputerPlayer::NextSeatAfter(int seat) const {
  const int n = g.Options.SeatCount;
  return (seat - 1 + g.Direction + n) % n + 1;
}

int ComputerPlayer::VaryTrait(int level) {
  // How each level varies with a reading r of 0..254: below `low` it reads as `ifLow`, above
  // `high` as `ifHigh`, and in between as itself. Other levels stay as they are.
  struct Variation {
    int low, ifLow, high, ifHigh;
  };
  static constexpr Variation kVariation[] = {
      {},                // no level
      {20, 4, 254, 0},   // 1
      {60, 4, 254, 0},   // 2
      {120, 4, 240, 5},  // 3
      {60, 3, 208, 5},   // 4
      {20, 3, 230, 4},   // 5
  };
  // The level every reading gives, looked up rather than compared: the readings are random, so a
  // branch on them would guess wrong often.
  static constexpr auto kVaried = [] {
    std::array<std::array<uint8_t, 255>, std::size(kVariation)> varied{};
    for (int level = 1; level < static_cast<int>(varied.size()); ++level) {
      const Variation& v = kVariation[level];
      for (int r = 0; r < 255; ++r)
        varied[level][r] = static_cast<uint8_t>(r < v.low ? v.ifLow : r > v.high ? v.ifHigh : level);
    }
    return varied;
  }();
  const int r = DrawWhole(255);
  int result = level >= 1 && level <= 5 ? kVaried[level][r] : level;
  // A rare wild turn: any level at all.
  if (r >= 252) result = DrawWhole(5) + 1;
  return result;
}

void ComputerPlayer::PrepareTurnTraits() {
  const SeatRecord& rec = g.Seat[g.Turn];
  const int n = g.Options.SeatCount;

  Index.Build(g, g.Turn);
  NextSeat = NextSeatAfter(g.Turn);
  OrderSign = g.TempRevolution * g.Revolution;
  TraitFactor = static_cast<float>(Draw() * 1.6 + 0.6);
  for (int k = 0; k <= 6; ++k) BaseTrait[k] = g.Characters[rec.Character].Trait[k];
  TraitA = BaseTrait[0];
  TraitB = VaryTrait(BaseTrait[1]);
  const float c = static_cast<float>(VaryTrait(BaseTrait[2])) * TraitFactor;
  TraitC = RoundEven(c);  // halves go to the even neighbour
  TraitD = VaryTrait(BaseTrait[3]);
  TraitE = VaryTrait(BaseTrait[4]);
  TraitG = VaryTrait(BaseTrait[6]);
  TraitF1 = BaseTrait[5] & 1;
  TraitF2 = (BaseTrait[5] & 2) / 2;
  if (g.Table.Count >= 2) TraitF2 = 0;

  // A skipped seat last turn makes the computer a little less greedy.
  const int s = AnySkipped ? 1 : 0;
  TraitC = TraitC > s ? TraitC - s : 1;

  HoldMargin = g.Line - rec.CardCount;
  if (HoldMargin <= 6) {
    // floor(2.5 - HoldMargin / 2), in whole numbers: the shift halves rounding down, below zero too.
    const int k = (5 - HoldMargin) >> 1;
    TraitC = TraitC > k ? TraitC - k : 1;
  }
  // TraitC is at least 1 here, so the division rounds down.
  TraitC = TraitC * 5 / 7;
  if (TraitC > 5) TraitC = 5;

  // The seats still playing, and whether any is skipped (kept for the next turn, below).
  PlayersLeft = 0;
  bool anySkipped = false;
  for (int seat = 1; seat <= n; ++seat) {
    PlayersLeft += g.Seat[seat].Status == kPlaying;
    anySkipped = anySkipped || g.Seat[seat].Status == kSkipped;
  }

  Decided = false;
  StairChosen = false;
  Chosen.fill(false);
  DecisionCode = 0;
  ChosenStairKey = kNoStair;
  PairMemo.fill(0);

  static constexpr int kThreshold[6] = {4, 4, 3, 3, 3, 2};
  HoldThreshold = kThreshold[TraitD >= 1 && TraitD <= 5 ? TraitD : 0];
  if (TraitA > 3) {
    // Jokers held as the top card at the deciding seat's count, over every seat.
    int jokers = 0;
    for (int seat = 1; seat <= n; ++seat)
      if (IsJoker(g.HandCard(seat, rec.CardCount))) ++jokers;
    if (jokers >= PlayersLeft - 2) {
      ++HoldThreshold;
      if (jokers >= PlayersLeft - 1) ++HoldThreshold;
    }
  }

  AnySkipped = anySkipped;

  DistinctRanks = 1 + Index.RankChanges;
}

}  // namespace tomaruk

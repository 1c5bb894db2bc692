#pragma once
// The hand index: where each kind of card lies in the deciding seat's hand.
#include <array>
#include <bit>
#include <cstdint>

#include "game/cards.h"
#include "game/state.h"

namespace tomaruk {

// For every suit and rank, the hand positions holding such a card (the deck has up to three
// of each), and the jokers held. The stages of a computer turn that look for particular cards
// (the stair search, the stairs in the making among the keep-back marks) ask it instead of
// walking the hand for every card they want. It is taken from the hand as the turn begins and
// again after the joker swap, the one change to the hand during a turn.
class HandIndex {
 public:
  void Build(const Game& g, int seat) {
    positions_ = {};
    Jokers = 0;
    const SeatRecord& rec = g.Seat[seat];
    for (int p = 1; p <= rec.CardCount && p < kHandSlots; ++p) {
      const int code = rec.Hand[p];
      positions_[g.SuitOf(code)][g.RankOf(code)] |= uint32_t{1} << p;
      if (IsJoker(code)) ++Jokers;
    }
  }
  // The first position from `from` on holding a card of the suit and rank (a joker is rank
  // kRankJoker of no suit); 0 when there is none.
  int FindFrom(int from, int suit, int rank) const {
    if (suit < kNoSuit || suit > kClubs || rank < 0 || rank > kRankJoker || from >= kHandSlots) return 0;
    if (from < 1) from = 1;
    const uint32_t held = positions_[suit][rank] >> from << from;
    return held == 0 ? 0 : std::countr_zero(held);
  }
  bool Holds(int suit, int rank) const { return FindFrom(1, suit, rank) != 0; }

  int Jokers = 0;

 private:
  // positions_[suit][rank]: bit p set when hand position p holds such a card.
  std::array<std::array<uint32_t, kRankJoker + 1>, kClubs + 1> positions_{};
};

}  // namespace tomaruk

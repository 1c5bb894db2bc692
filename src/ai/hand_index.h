#pragma once
// The hand index: where each kind of card lies in the deciding seat's hand.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "game/cards.h"
#include "game/state.h"

namespace tomaruk {

// The rank and suit of every hand position and, for every suit and rank, the positions holding
// such a card (the deck has up to three of each), and the jokers held. The stages of a computer
// turn read the hand through it: the ranks and suits without looking each card up again, and the
// stages that look for particular cards (the stair search, the stairs in the making among the
// keep-back marks) without walking the hand for every card they want. It is taken from the hand
// as the turn begins and again after the joker swap, the one change to the hand during a turn.
class HandIndex {
 public:
  void Build(const Game& g, int seat) {
    // Forget the last hand: only its own cards were marked.
    for (int p = 1; p <= count_; ++p) positions_[suits_[p]][ranks_[p]] = 0;
    const int lastCount = count_;
    const SeatRecord& rec = g.Seat[seat];
    count_ = std::clamp(rec.CardCount, 0, kHandSlots - 1);
    int jokers = 0, changes = 0;
    uint32_t ranksHeld = 0;
    for (int p = 1; p <= count_; ++p) {
      const int code = rec.Hand[p];
      const CardInfoEntry& card = g.CardInfo[code <= kCardCount ? code : 0];
      ranks_[p] = card.Rank;
      suits_[p] = card.Suit;
      positions_[card.Suit][card.Rank] |= uint32_t{1} << p;
      ranksHeld |= uint32_t{1} << card.Rank;
      jokers += IsJoker(code);
      changes += p > 1 && card.Rank != ranks_[p - 1];
    }
    for (int p = count_ + 1; p <= lastCount; ++p) ranks_[p] = suits_[p] = 0;
    Jokers = jokers;
    RankChanges = changes;
    ranksHeld_ = ranksHeld;
  }
  // The rank and suit of the card at a hand position; 0 for a position outside the hand.
  int RankAt(int p) const { return p >= 1 && p < kHandSlots ? ranks_[p] : 0; }
  int SuitAt(int p) const { return p >= 1 && p < kHandSlots ? suits_[p] : 0; }
  // The first position from `from` on, up to the hand's count, holding a card of the suit and
  // rank (a joker is rank kRankJoker of no suit); 0 when there is none.
  int FindFrom(int from, int suit, int rank) const {
    if (suit < kNoSuit || suit > kClubs || rank < 0 || rank > kRankJoker || from >= kHandSlots) return 0;
    if (from < 1) from = 1;
    const uint32_t held = positions_[suit][rank] >> from << from;
    return held == 0 ? 0 : std::countr_zero(held);
  }
  // The different ranks of the suit the hand holds.
  int RanksOf(int suit) const {
    int n = 0;
    for (const uint32_t held : positions_[suit]) n += held != 0;
    return n;
  }
  // Whether the hand holds a card of the rank, of any suit.
  bool HoldsRank(int rank) const { return rank >= 0 && rank <= kRankJoker && (ranksHeld_ >> rank & 1) != 0; }

  int Jokers = 0;
  // How often the rank changes from one position to the next along the hand.
  int RankChanges = 0;

 private:
  int count_ = 0;           // the hand's count when the index was taken
  uint32_t ranksHeld_ = 0;  // bit r set when the hand holds a card of rank r
  std::array<uint8_t, kHandSlots> ranks_{};
  std::array<uint8_t, kHandSlots> suits_{};
  // positions_[suit][rank]: bit p set when hand position p holds such a card.
  std::array<std::array<uint32_t, kRankJoker + 1>, kClubs + 1> positions_{};
};

}  // namespace tomaruk

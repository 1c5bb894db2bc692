#pragma once
// The deck's named facts: ranks, suits and the card codes the rules single out.
#include <array>
#include <cstdint>

namespace tomaruk {

constexpr int kCardCount = 142;

// Ranks in playing order, weakest first: 3 .. 10, J, Q, K, A, the 2, and the
// joker above them all. Ascending card code is ascending rank. Rank 0 is no card.
constexpr int kRank3 = 3, kRank4 = 4, kRank5 = 5, kRank6 = 6, kRank7 = 7, kRank8 = 8, kRank9 = 9,
              kRank10 = 10;
constexpr int kRankJ = 11, kRankQ = 12, kRankK = 13, kRankA = 14, kRank2 = 15, kRankJoker = 16;

// Suits; a joker has none.
constexpr int kNoSuit = 0, kSpades = 1, kHearts = 2, kDiamonds = 3, kClubs = 4;

// The only four 10s of the deck, all red, side by side in a sorted hand.
constexpr std::array<uint8_t, 4> kFourTens = {85, 86, 87, 88};
// The three spade 3s are the deck's first codes; the three spade 2s open the 2s.
constexpr std::array<uint8_t, 3> kSpadeThrees = {1, 2, 3};
constexpr std::array<uint8_t, 3> kSpadeTwos = {125, 126, 127};
// The spade 3s and 2s together: the six cards that flush any joker-led table.
constexpr std::array<uint8_t, 6> kSpadeThreesAndTwos = {1, 2, 3, 125, 126, 127};
// The six jokers sort last.
constexpr std::array<uint8_t, 6> kJokers = {137, 138, 139, 140, 141, 142};

constexpr bool IsJoker(int code) { return code >= kJokers.front() && code <= kJokers.back(); }
constexpr bool IsSpadeThree(int code) { return code >= kSpadeThrees.front() && code <= kSpadeThrees.back(); }
constexpr bool IsSpadeTwo(int code) { return code >= kSpadeTwos.front() && code <= kSpadeTwos.back(); }

// The even faces are 4, 6, 8, 10, Q and the 2; 3, 5, 7, 9, J, K, the ace (a 1)
// and the joker count odd. The even/odd lock and the computer players go by it.
constexpr bool IsEvenFace(int rank) { return rank == kRank2 || (rank <= kRankK && rank % 2 == 0); }

}  // namespace tomaruk

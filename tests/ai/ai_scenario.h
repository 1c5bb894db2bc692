#pragma once
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "ai/computer_player.h"
#include "game/rules.h"
#include "game/state.h"

namespace tomaruk::testing {

enum : int { kSpade = 1, kHeart = 2, kDiamond = 3, kClub = 4 };

// The code of a card: rank 3..15 (J 11, Q 12, K 13, A 14, 2 15), suit 1..4, and
// which copy of that card (0, 1, 2). Rank 16 gives the jokers (copy 0..5).
inline int Card(int rank, int suit, int copy = 0) {
  if (rank == 16) return 137 + copy;
  if (rank <= 9) return (rank - 3) * 12 + (suit - 1) * 3 + 1 + copy;
  if (rank == 10) return suit == kHeart ? 85 + copy : 87 + copy;
  if (rank <= 13) return 89 + (rank - 11) * 8 + (suit - 1) * 2 + copy;
  return 113 + (rank - 14) * 12 + (suit - 1) * 3 + copy;
}
inline int Joker(int copy = 0) { return 137 + copy; }

// A small table for the computer players: four seats, seat 2 to move and leading
// an empty table, every seat playing, limit 11.
struct AiScenario {
  Game g;
  ComputerPlayer cp{g};

  explicit AiScenario(int seats = 4) {
    BuildCardTable(g);
    InitCharacters(g);
    g.Options.SeatCount = static_cast<uint8_t>(seats);
    g.Options.MinStair = 4;
    g.Line = 11;
    g.Turn = 2;
    g.LeadSeat = 2;
    g.DealStart = false;
    g.SeatsInPlay = seats;
    for (int s = 1; s <= kMaxSeats; ++s) g.Seat[s].Character = static_cast<uint8_t>(s <= 8 && s > 1 ? s - 1 : 0);
    for (int c = 1; c <= kCardCount; ++c) g.CardPlace[c] = kInStock;
  }

  // Gives the seat exactly these cards (sorted by code).
  void SetHand(int seat, std::vector<int> codes) {
    std::sort(codes.begin(), codes.end());
    SeatRecord& rec = g.Seat[seat];
    for (int i = 1; i <= rec.CardCount; ++i) g.CardPlace[rec.Hand[i]] = kInStock;
    rec.Hand.fill(0);
    rec.Selected.fill(false);
    rec.CardCount = static_cast<int>(codes.size());
    for (int i = 0; i < rec.CardCount; ++i) {
      rec.Hand[i + 1] = static_cast<uint8_t>(codes[i]);
      g.CardPlace[codes[i]] = static_cast<uint8_t>(seat);
    }
  }
  // Puts these cards on the table, played by the given seat.
  void SetTable(std::vector<int> codes, int by = 1) {
    g.Table.Count = static_cast<int>(codes.size());
    for (int i = 0; i < g.Table.Count; ++i) {
      g.Table.Cards[i + 1] = static_cast<uint8_t>(codes[i]);
      g.CardPlace[codes[i]] = kOnTable;
    }
    g.LeadSeat = by;
  }
  // The hand positions seat Turn has selected.
  std::vector<int> Selected() const {
    std::vector<int> out;
    for (int i = 1; i <= g.Seat[g.Turn].CardCount; ++i)
      if (g.Seat[g.Turn].Selected[i]) out.push_back(i);
    return out;
  }
  // The kept hand positions.
  std::vector<int> KeptPositions() const {
    std::vector<int> out;
    for (int i = 1; i <= g.Seat[g.Turn].CardCount; ++i)
      if (cp.Kept[i]) out.push_back(i);
    return out;
  }
  void ClearSelection() { g.Seat[g.Turn].Selected.fill(false); }
  // Runs the turn's traits and counters with draws that leave every trait at its
  // character's level (and a factor of 1.4).
  void PrepareTurn() {
    g.Rng.Script({0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
    cp.PrepareTurnTraits();
  }
  // Whether seat Turn's selection is a play the table admits.
  bool PlayIsLegal() const { return ComputerPlayIsLegal(g, SelectedCards(g, g.Turn)); }
};

}  // namespace tomaruk::testing

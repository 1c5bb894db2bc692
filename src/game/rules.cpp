#include "game/rules.h"

namespace tomaruk {
bool PassAllowed(const Game& g) { return g.Turn != g.LeadSeat || g.DealStart; }
Selection SelectedCards(const Game& g, int seat) {
  Selection s;
  for (int i = 1; i <= g.Seat[seat].CardCount && i < kHandSlots; ++i)
    if (g.Seat[seat].Selected[i]) s.push_back(g.Seat[seat].Hand[i]);
  return s;
}
}  // namespace tomaruk

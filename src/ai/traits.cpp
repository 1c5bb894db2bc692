#include "ai/computer_player.h"

namespace tomaruk {
// Stub: filled in by the turn-traits work.
void ComputerPlayer::PrepareTurnTraits() {
  Decided = false;
  StairChosen = false;
  for (int i = 1; i < kHandSlots; ++i) {
    g.Seat[g.Turn].Selected[i] = false;
    PairMemo[i] = 0;
  }
}
int ComputerPlayer::VaryTrait(int level) { return level; }
int ComputerPlayer::NextSeatAfter(int seat) const { return tomaruk::NextSeat(g, seat); }
}  // namespace tomaruk

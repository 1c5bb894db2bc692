#include "ai/computer_player.h"

namespace tomaruk {
// Stub.
void ComputerPlayer::LeadSection() {}
int ComputerPlayer::GroupSearch(int, int, int, int, int, bool) { return 0; }
}  // namespace tomaruk

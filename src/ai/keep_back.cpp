#include "ai/computer_player.h"

namespace tomaruk {
// Stub.
void ComputerPlayer::MarkKeptCards() { Kept.fill(false); }
void ComputerPlayer::MarkFinishBlockers() { NoFinishBlocker = false; }
void ComputerPlayer::RelaxKeptCards() {}
bool ComputerPlayer::IsExactGroup(int, int, int, int, int, int) { return false; }
}  // namespace tomaruk

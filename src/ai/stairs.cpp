#include "ai/computer_player.h"

namespace tomaruk {
// Stub.
void ComputerPlayer::ChooseStairPlay() {}
}  // namespace tomaruk

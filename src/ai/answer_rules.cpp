#include "ai/computer_player.h"

namespace tomaruk {
// Stub.
void ComputerPlayer::AnswerSection() {}
}  // namespace tomaruk

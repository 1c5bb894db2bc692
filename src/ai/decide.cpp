#include "ai/computer_player.h"

namespace tomaruk {
// Stub: the decision core; passes for now.
void ComputerPlayer::DecidePlay() {}
void ComputerPlayer::PlayFourTens() {}
void ComputerPlayer::PlayEights() {}
void ComputerPlayer::AnswerJoker() {}
void ComputerPlayer::SwapInJoker() {}
int ComputerPlayer::CountBlackSevens(int, int) { return 0; }
}  // namespace tomaruk

#include "ai/computer_player.h"

#include <utility>

namespace tomaruk {

void InitCharacters(Game& g) {
  struct Row {
    const char* name;
    std::array<uint8_t, 7> trait;
  };
  static constexpr Row kCharacters[8] = {
      {"石丸さん", {3, 3, 3, 3, 3, 1, 2}}, {"水城さん", {3, 5, 5, 2, 5, 1, 1}},
      {"桐生さん", {5, 5, 1, 3, 1, 3, 2}}, {"早瀬さん", {2, 2, 3, 5, 1, 2, 4}},
      {"柚木さん", {4, 2, 4, 2, 3, 2, 4}}, {"真壁さん", {3, 5, 2, 4, 4, 3, 3}},
      {"朝比さん", {1, 5, 5, 2, 5, 3, 5}}, {"白峰さん", {5, 5, 5, 5, 5, 3, 5}},
  };
  g.Characters[0] = CharacterRecord{};
  for (int i = 1; i <= 8; ++i) {
    g.Characters[i].Trait = kCharacters[i - 1].trait;
    g.Characters[i].Name = kCharacters[i - 1].name;
  }
}

void ComputerPlayer::ResetComputerRules() {
  // The rule copies are the computer players' memory of the effects, read from
  // the options only here, at a deal whose first turn is a computer seat's: a
  // deal that seat 1 opens keeps the copies of the deal before.
  using P = ComputerPlayer;
  using O = OptionRecord;
  static constexpr std::pair<bool P::*, bool (O::*)() const> kCopies[] = {
      {&P::Rule3, &O::SpadeThreesFlushJoker},
      {&P::Rule4, &O::EvenOddLock},
      {&P::Rule5, &O::FiveSkips},
      {&P::Rule7, &O::BlackSevenLowersLine},
      {&P::Rule8, &O::EightClears},
      {&P::Rule8F, &O::NoFinishOnEight},
      {&P::Rule9, &O::NoFinishOnNine},
      {&P::Rule10, &O::FourTensStopAll},
      {&P::RuleJ, &O::JackTurnsOrder},
      {&P::RuleQ, &O::QueenReverses},
      {&P::RuleM, &O::NoFinishOnStrongest},
      {&P::RuleR, &O::NoFinishOnJoker},
  };
  for (const auto& [copy, reading] : kCopies) this->*copy = (g.Options.*reading)();
  DealMemory.fill(false);
}

Decision ComputerPlayer::ComputerTurn() {
  if (g.DealStart) ResetComputerRules();
  PrepareTurnTraits();
  MarkKeptCards();
  MarkFinishBlockers();
  RelaxKeptCards();
  DecidePlay();
  ReviewDecision();
  return TheDecision();
}

Decision ComputerPlayer::TheDecision() const {
  Decision d{{}, DecisionCode};
  for (int p = 1; p <= CC() && p < kHandSlots; ++p)
    if (Chosen[p]) d.play.cards.push_back(static_cast<uint8_t>(Hand(p)));
  if (!d.play.cards.empty()) d.play.stairKey = ChosenStairKey;
  return d;
}

}  // namespace tomaruk

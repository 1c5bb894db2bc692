#include "ai/computer_player.h"

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
  const OptionRecord& o = g.Options;
  Rule3 = On(o.Flag3);
  Rule4 = On(o.Flag4);
  Rule5 = On(o.Flag5);
  Rule7 = On(o.Flag7);
  Rule8 = On(o.Flag8);
  Rule8F = On(o.Flag8F);
  Rule9 = On(o.Flag9);
  Rule10 = On(o.Flag10);
  RuleJ = On(o.FlagJ);
  RuleQ = On(o.FlagQ);
  RuleM = On(o.FlagM);
  RuleR = On(o.FlagR);
  DealMemory.fill(false);
}

void ComputerPlayer::ComputerTurn() {
  DecisionCode = 0;
  if (g.DealStart) ResetComputerRules();
  PrepareTurnTraits();
  MarkKeptCards();
  MarkFinishBlockers();
  RelaxKeptCards();
  DecidePlay();
  ReviewDecision();
}

}  // namespace tomaruk

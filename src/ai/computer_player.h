#pragma once
#include <array>
#include <cstdint>

#include "game/state.h"

namespace tomaruk {

// Fills Characters(1..8) with the eight computer characters; character 0 keeps
// all traits 0 (start-up names it four spaces).
void InitCharacters(Game& g);

// The computer players. One object per game: it keeps the rule copies,
// DealMemory and AnySkipped between turns; every other member is a per-turn
// working value rebuilt by each ComputerTurn. Each stage is in a file of its own.
class ComputerPlayer {
 public:
  explicit ComputerPlayer(Game& game) : g(game) {}

  // Marks the play of seat Turn in its Selected flags (none = pass).
  void ComputerTurn();

  // --- memory kept across turns (rules.cpp) ---
  void ResetComputerRules();
  bool Rule3 = false, Rule4 = false, Rule5 = false, Rule7 = false, Rule8 = false, Rule8F = false,
       Rule9 = false, Rule10 = false, RuleJ = false, RuleQ = false, RuleM = false, RuleR = false;
  std::array<bool, kMaxSeats + 1> DealMemory{};
  bool AnySkipped = false;

  // --- per-turn values (traits.cpp) ---
  void PrepareTurnTraits();
  int VaryTrait(int level);
  int NextSeatAfter(int seat) const;
  std::array<int, 7> BaseTrait{};
  int TraitA = 0, TraitB = 0, TraitC = 0, TraitD = 0, TraitE = 0, TraitG = 0;
  int TraitF1 = 0, TraitF2 = 0;
  float TraitFactor = 0;
  int HoldMargin = 0;
  int HoldThreshold = 0;
  int NextSeat = 0;
  int OrderSign = 1;
  int PlayersLeft = 0;
  int DistinctRanks = 0;
  bool Decided = false;
  bool StairChosen = false;
  std::array<bool, kHandSlots> Kept{};      // 1..15
  std::array<int, kHandSlots> PairMemo{};   // 1..15
  int JokersHeld = 0;
  bool NoFinishBlocker = false;
  int LeadStyle = 0;
  int TopSum = 0;

  // --- keep-back marks (keep_back.cpp) ---
  void MarkKeptCards();
  void MarkFinishBlockers();
  void RelaxKeptCards();
  bool IsExactGroup(int pos, int n, int lo, int hi, int spare, int hint);

  // --- choosers ---
  void ChooseStairPlay();  // stairs.cpp
  void ChooseLeadPlay();   // closing_patterns.cpp
  void ChooseDuelPlay();   // duel.cpp

  // --- decision core (decide.cpp) ---
  void DecidePlay();
  void PlayFourTens();
  void PlayEights();
  void AnswerJoker();
  void SwapInJoker();
  int CountBlackSevens(int pos, int n);
  // The decision core's copies of the table, filled when answering.
  std::array<int, 17> TableRanks{};
  std::array<int, 17> TableSuits{};
  int TableCount = 0;
  bool SuitLock = false;
  bool ParityLock = false;

  // --- lead rules (lead_rules.cpp) ---
  void LeadSection();
  // Group sizes are tried downward from the whole hand or upward to it.
  static constexpr int kDownward = -1, kUpward = 1;
  // Where the lead rules and patterns place a joker when the order is reversed
  // and the 3 is the strongest rank: one beyond the 3, above every card.
  static constexpr int kJokerInReversedOrder = 2;
  int GroupSearch(int lo, int hi, int fromSize, int toSize, int sizeStep, int order,
                  bool skipBlackSevenPairs = false);
  // --- answer rules (answer_rules.cpp) ---
  void AnswerSection();
  // --- review (review.cpp) ---
  void ReviewDecision();

  // The rule that settled the last play (a decision code such as 171, 199, 490
  // or 788; 0 when none did). Read by tests and statistics; decides nothing.
  int DecisionCode = 0;

  // Helpers over seat Turn's hand; positions outside the hand read an empty
  // card (code 0, rank 0, suit 0).
  int CC() const { return g.Seat[g.Turn].CardCount; }
  int Hand(int p) const { return g.HandCard(g.Turn, p); }
  int Rank(int p) const { return g.RankOf(Hand(p)); }
  int Suit(int p) const { return g.SuitOf(Hand(p)); }
  bool IsKept(int p) const { return p >= 1 && p < kHandSlots && Kept[p]; }
  void Select(int p) {
    if (p >= 1 && p < kHandSlots) g.Seat[g.Turn].Selected[p] = true;
  }
  void Unselect(int p) {
    if (p >= 1 && p < kHandSlots) g.Seat[g.Turn].Selected[p] = false;
  }
  bool IsSelected(int p) const { return p >= 1 && p < kHandSlots && g.Seat[g.Turn].Selected[p]; }
  void UnselectAll() { g.Seat[g.Turn].Selected.fill(false); }
  // Selects count positions from the given one upwards.
  void SelectRun(int from, int count) {
    for (int p = from; p < from + count; ++p) Select(p);
  }
  // Selects every card of the rank; false when the hand holds none.
  bool SelectRank(int rank) {
    bool any = false;
    for (int p = 1; p <= CC(); ++p)
      if (Rank(p) == rank) {
        Select(p);
        any = true;
      }
    return any;
  }
  // Marks the play settled by the given rule.
  void Decide(int code) {
    Decided = true;
    DecisionCode = code;
  }
  // Settles a pass by the given rule: nothing selected, nothing decided.
  void Pass(int code) {
    UnselectAll();
    Decided = false;
    DecisionCode = code;
  }
  double Draw() { return g.Rng.Next(); }

  Game& g;
};

}  // namespace tomaruk

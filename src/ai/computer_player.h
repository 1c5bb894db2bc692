#pragma once
#include <array>
#include <cstdint>

#include "ai/hand_index.h"
#include "game/rules.h"
#include "game/state.h"

namespace tomaruk {

// Fills Characters(1..8) with the eight computer characters; character 0 keeps
// all traits 0 (start-up names it four spaces).
void InitCharacters(Game& g);

// What a computer seat does with its turn: the play (no cards = pass; the cards
// in hand order, which is the order they go on the table, and a stair's key)
// and the rule that settled it.
struct Decision {
  Play play;
  // The decision code, such as 171, 199, 490 or 788; 0 when no rule named the
  // choice. Read by traces and statistics; decides nothing.
  int code = 0;
};

// The computer players. One object per game: it keeps the rule copies,
// DealMemory and AnySkipped between turns; every other member is a private
// working value of one turn, rebuilt by each ComputerTurn. Each stage is in a
// file of its own.
//
// Every stage works on seat Turn's hand. What a stage reads and what it may
// change is said with it below; "the play" means the chosen hand positions
// (Chosen), Decided, DecisionCode and ChosenStairKey. A stage that uses the
// group test also reads what the test reads. No stage changes anything of the
// game but the random numbers it draws, unless its block says so.
class ComputerPlayer {
 public:
  explicit ComputerPlayer(Game& game) : g(game) {}

  // The decision of seat Turn: the stages below, in the order memory, traits,
  // keep-back marks, decision core, review. Besides its random draws, the only
  // change it makes to the game is character 8's joker swap (hand, stock and
  // CardPlace); the turn cycle lays the play.
  Decision ComputerTurn();

  // --- Memory kept across turns and deals (computer_player.cpp) ---
  // ResetComputerRules runs at a computer turn that is a deal's first. It reads
  // the option flags and changes the rule copies and DealMemory only. The rule
  // copies are the computer players' own knowledge of the card effects, and it
  // lags behind the options: a deal that seat 1 opens is played with the copies
  // of the deal before (the first deals of a run, before any copy was taken, as
  // if every effect were off). So the stages read the copies, never the
  // options. DealMemory is the joker swap's once-a-deal mark; AnySkipped is the
  // one turn value that carries over to the next turn.
  void ResetComputerRules();
  bool Rule3 = false, Rule4 = false, Rule5 = false, Rule7 = false, Rule8 = false, Rule8F = false,
       Rule9 = false, Rule10 = false, RuleJ = false, RuleQ = false, RuleM = false, RuleR = false;
  std::array<bool, kMaxSeats + 1> DealMemory{};
  bool AnySkipped = false;

  // The keep-back marks the last turn made, by hand position (for tests).
  const std::array<bool, kHandSlots>& KeptMarks() const { return Kept; }

 private:
  // The rule cascades, one run each over a turn (rule_run.h and the stage files).
  struct RuleRun;
  struct ClosingPatterns;
  struct DuelPlay;
  struct LeadRules;
  struct AnswerRules;

  // --- Turn traits and counters (traits.cpp) ---
  // PrepareTurnTraits reads the seat's character, the seats' statuses, counts
  // and hands, the table's count, Line, Direction, both revolutions and
  // AnySkipped as the last computer turn left it, and draws random numbers. It
  // changes every value of this block, the hand index and AnySkipped, and
  // clears the play and PairMemo.
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
  // A list of hand positions the lead and answer rules keep while they work
  // (1..15).
  std::array<int, kHandSlots> PairMemo{};
  // The hand's ranks and suits and where each kind of card lies in it
  // (hand_index.h), read by every stage.
  HandIndex Index;

  // --- Keep-back marks and the group test (keep_back.cpp) ---
  // The three marking stages read the hand and its index, the traits (and the character's
  // raw levels), the rule copies, HoldMargin, HoldThreshold, PlayersLeft,
  // SeatsInPlay, Line, Revolution, CardPlace, the seats' statuses and counts
  // and the table's even/odd lock; they change Kept and NoFinishBlocker only.
  // IsExactGroup reads the hand, Kept, the even/odd lock and Revolution, and
  // changes nothing.
  void MarkKeptCards();
  void MarkFinishBlockers();
  void RelaxKeptCards();
  bool IsExactGroup(int pos, int n, int lo, int hi, int spare, int hint);
  std::array<bool, kHandSlots> Kept{};  // by hand position, 1..15
  bool NoFinishBlocker = false;

  // --- The choosers the decision core offers the turn to ---
  // The stair search (stairs.cpp) reads the hand and its index, MinStair, LeadSeat,
  // OrderSign, both revolutions and the table with its stair key and locks. It
  // changes, when it finds a stair, the play with its key.
  void ChooseStairPlay();
  // The lead and closing patterns (closing_patterns.cpp) read the hand,
  // DistinctRanks, TraitA, TraitD, PlayersLeft, Rule8, Rule9, Revolution,
  // OrderSign, SeatsInPlay, the table and every seat's status, count and hand,
  // and draw random numbers. They change the play only.
  void ChooseLeadPlay();
  // The two-player play (duel.cpp) reads the hand, Kept, the opponent's count
  // and hand, Line, Revolution, OrderSign, LeadSeat, DealStart, the table,
  // TraitA, TraitB, TraitF2, Rule5, Rule7 and Rule8. It changes the play only.
  void ChooseDuelPlay();

  // --- Decision core (decide.cpp) ---
  // DecidePlay reads all of the above, tells leading from answering and offers
  // the turn to the choosers, then to the lead rules or the answer rules. It
  // fills the table copy below when answering and sets StairChosen. PlayEights
  // overwrites HoldThreshold; SwapInJoker changes DealMemory[Turn] and, through
  // the rules' exchange with the stock, the hand (and its index), the stock and
  // CardPlace.
  // Every other part changes the play only.
  void DecidePlay();
  void PlayFourTens();
  void PlayEights();
  void AnswerJoker();
  void SwapInJoker();
  int CountBlackSevens(int pos, int n);
  // The decision core's copy of the table (ranks, suits, count, locks), taken
  // when it answers and zero while it leads. Nothing changes the table during a
  // turn, so while answering the copy is the table itself, its ranks and suits
  // looked up once: the core's answers and the answer rules read the table
  // through it.
  std::array<int, 17> TableRanks{};
  std::array<int, 17> TableSuits{};
  int TableCount = 0;
  bool SuitLock = false;
  bool ParityLock = false;

  // --- Lead rules (lead_rules.cpp) ---
  // LeadSection reads the hand, Kept, the traits, HoldMargin, HoldThreshold,
  // NextSeat and that seat's count and hand, OrderSign, PlayersLeft, Line, the
  // seats' statuses and counts, Rule5, Rule7 and RuleQ, and draws random
  // numbers. It changes the play, LeadStyle, TopSum and PairMemo (scratch).
  void LeadSection();
  // Group sizes are tried downward from the whole hand or upward to it.
  static constexpr int kDownward = -1, kUpward = 1;
  // Where the lead rules and patterns place a joker when the order is reversed
  // and the 3 is the strongest rank: one beyond the 3, above every card.
  static constexpr int kJokerInReversedOrder = 2;
  int GroupSearch(int lo, int hi, int fromSize, int toSize, int sizeStep, int order,
                  bool skipBlackSevenPairs = false);
  int LeadStyle = 0;
  int TopSum = 0;

  // --- Answer rules (answer_rules.cpp) ---
  // AnswerSection reads the hand, Kept, the table copy, the traits, HoldMargin,
  // HoldThreshold, AnySkipped, PlayersLeft, NextSeat and its hand, the seats'
  // counts, StockCount, where the jokers are, TempRevolution, Line, Rule4 and
  // Rule8, and draws random numbers; with two seats left it asks the
  // two-player play first. It changes the play and PairMemo (scratch).
  void AnswerSection();

  // --- Review (review.cpp) ---
  // ReviewDecision reads the hand, the play, StairChosen, HoldMargin, OrderSign,
  // LeadSeat, DealStart, the table, RuleR and Rule8F. It changes the play only.
  void ReviewDecision();

  // --- The play ---
  // PrepareTurnTraits clears it, the stages above choose it, and ComputerTurn
  // returns it as the decision. The hand positions chosen (1..15):
  std::array<bool, kHandSlots> Chosen{};
  // A stage has settled the play (cards chosen, or a pass); later stages leave
  // the hand alone.
  bool Decided = false;
  // The stair search settled the play.
  bool StairChosen = false;
  // The rule that settled the play (0 when none did).
  int DecisionCode = 0;
  // The key of the stair the stair search chose; kNoStair for any other play.
  int ChosenStairKey = kNoStair;
  // The play as the turn cycle lays it: the chosen cards in hand order.
  Decision TheDecision() const;

  // Helpers over seat Turn's hand; positions outside the hand read an empty
  // card (code 0, rank 0, suit 0).
  int CC() const { return g.Seat[g.Turn].CardCount; }
  int Hand(int p) const { return g.HandCard(g.Turn, p); }
  int Rank(int p) const { return Index.RankAt(p); }
  int Suit(int p) const { return Index.SuitAt(p); }
  bool IsKept(int p) const { return p >= 1 && p < kHandSlots && Kept[p]; }
  void Select(int p) {
    if (p >= 1 && p < kHandSlots) Chosen[p] = true;
  }
  void Unselect(int p) {
    if (p >= 1 && p < kHandSlots) Chosen[p] = false;
  }
  bool IsSelected(int p) const { return p >= 1 && p < kHandSlots && Chosen[p]; }
  void UnselectAll() { Chosen.fill(false); }
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
  // The whole part of a draw times scale: floor(draw x scale), a draw never being negative.
  int DrawWhole(double scale) { return static_cast<int>(Draw() * scale); }

  Game& g;
};

}  // namespace tomaruk

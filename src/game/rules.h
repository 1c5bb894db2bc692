#pragma once
#include <optional>

#include "game/deal_result.h"
#include "game/selection.h"
#include "game/state.h"

namespace tomaruk {

// A play as it goes on the table: the cards in table order and, for a stair,
// its key (a rank, or for a computer player's run through K, A and 2 a lower
// index); kNoStair for anything else. No cards is a pass.
struct Play {
  Selection cards;
  int stairKey = kNoStair;
};

// Why the rules refuse a play or a pass.
enum class Refusal {
  kNone,           // the rules take it
  kMustPlay,       // パス while leading freely
  kNoCombination,  // neither a set nor a stair
  kCount,          // not as many cards as the table
  kKind,           // a set against a stair, or a stair against a set
  kSuitLock,       // the suits do not follow the locked table
  kParityLock,     // the even/odd lock asks for the other faces
  kTooWeak,        // does not beat the table in the order in force
};

// Classifies the cards picked (in hand order) as a set or a stair and checks
// them against the table: the play they make (a wrapping stair in its own
// order), or nothing when the rules refuse them.
std::optional<Play> ValidatePlay(const Game& g, Selection picked);
// The same cards as a set or a stair on an empty table, or nothing when they are neither.
std::optional<Play> SetOrStair(const Game& g, Selection picked);
// The first of the table's checks, in the order the rules make them, that a set or stair fails:
// as many cards, the same kind, the suit lock, the even/odd lock, a first card that beats the
// table's. kNone when it passes them all, or when the seat leads freely.
Refusal AgainstTable(const Game& g, const Play& play);
// The spade-3 exception: three spade 3s (spade 2s under revolution) flush a lone joker; all six
// flush any combination led by a joker, whatever the table's checks say.
bool FlushesTableJoker(const Game& g, const Selection& cards);
// "パス" is accepted only when the seat does not lead freely.
bool PassAllowed(const Game& g);
// The cards a seat's Selected flags mark, in hand order.
Selection SelectedCards(const Game& g, int seat);
// A computer's play judged as the rules judge a human play, except that its
// own stair key and the six-card spade play over a joker are accepted where
// the rules accept them.
bool ComputerPlayIsLegal(const Game& g, const Play& play);

// Seat Turn lays the play: its cards leave the hand and go on the table, a
// stair's key with them (any other play leaves the table's key as it is), and
// the effects follow; runs the finishing of a seat whose hand empties and
// CheckHandLimit. The cards must be in the seat's hand.
void ApplyPlay(Game& g, const Play& play);
// Drops every seat at the limit, cascading.
void CheckHandLimit(Game& g);
// Ranks the seats, adds the deal's points to the scores, shows the result and sets GameOver,
// NextStarter and the next deal's number.
DealResult EndOfDeal(Game& g);

}  // namespace tomaruk

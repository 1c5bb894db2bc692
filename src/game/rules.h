#pragma once
#include <vector>

#include "game/state.h"

namespace tomaruk {

using Selection = std::vector<uint8_t>;  // card codes, in the order they go on the table

// Classifies a selection (in hand order) as a set or a stair and checks it
// against the table. A wrapping stair is reordered in place. selKey receives
// 255 for a set, else the stair's key rank.
bool ValidatePlay(const Game& g, Selection& sel, int& selKey);
// "パス" is accepted only when the seat does not lead freely.
bool PassAllowed(const Game& g);
// The cards a seat's Selected flags mark, in hand order.
Selection SelectedCards(const Game& g, int seat);
// A computer's final choice judged as the rules judge a human play, except
// that its own stair key (Table.StairKey already set) and the six-card spade
// play over a joker are accepted where the rules accept them.
bool ComputerPlayIsLegal(const Game& g, const Selection& sel);

// Puts the play of seat Turn on the table and applies its effects; runs the
// finishing of a seat whose hand empties and CheckHandLimit. For a stair,
// Table.StairKey must already hold its key.
void ApplyPlay(Game& g, const Selection& sel);
// Drops every seat at the limit, cascading.
void CheckHandLimit(Game& g);
// Keys, places, points, the two result screens, GameOver, NextStarter.
void EndOfDeal(Game& g);

}  // namespace tomaruk

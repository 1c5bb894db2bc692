#pragma once
#include "game/state.h"

namespace tomaruk {

// Sets up a deal: empties every hand, shuffles the stock, deals, chooses the
// starting seat and turns the opening cards.
void NewDeal(Game& g);
// Moves the top stock card into the seat's hand (animated unless dealing). An
// empty stock is refilled from the discard pile first; with both empty the
// draw is skipped. The caller sorts the hand.
void DrawFromStock(Game& g, int seat, bool dealing);
// Trick pile and table to the discard pile; ends the round's locks and skips.
void ClearTable(Game& g);
// The shuffled discard pile becomes the stock.
void ReshuffleDiscard(Game& g);

}  // namespace tomaruk

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
// 白峰さん's secret exchange with the stock: the joker nearest the bottom of
// the stock trades places with the card in the seat's hand slot. The hand is
// not sorted again, and the stock keeps its size and order. False, with
// nothing changed, when the stock holds no joker.
bool SwapJokerFromStock(Game& g, int seat, int slot);
// Trick pile and table to the discard pile; ends the round's locks and skips.
void ClearTable(Game& g);
// The shuffled discard pile becomes the stock.
void ReshuffleDiscard(Game& g);

}  // namespace tomaruk

#include "ai/computer_player.h"
#include "game/state.h"

// Placeholder entry: builds the game state and exits (the window comes with the view).
int main() {
  tomaruk::Game g;
  tomaruk::BuildCardTable(g);
  tomaruk::InitCharacters(g);
  return 0;
}

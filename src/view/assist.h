#pragma once
// The assist layer a player may turn on: whose turn it is, how many cards each seat holds against
// the limit, why 決定 was refused, what just happened, and the winner named in full. Everything is
// read from the game state and from what the view is shown; the rules do not know about it, and
// nothing of it lies on a card.
#include <QRgb>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/refusal.h"
#include "game/state.h"

namespace tomaruk {

// What the layer writes, and where.
struct AssistLabel {
  Rect box;
  std::string text;
  QRgb colour;
};

// Every card drawn on the table in play: the player's hand (lifted cards where they are), the
// computer seats' fans, the draw pile, the cards of the round and the combination on the table.
std::vector<Rect> CardRects(const Game& g);

// The width of a text in the table's 12-pixel font: half-width cells for ASCII, whole for the rest.
int TextWidth(const std::string& utf8);

// The labels shown at all times: the player's "1P" (yellow on the player's turn) with its count,
// each computer seat's count beside its name and the last action along the top. A label is put in
// the first of its places that covers no card and no other label, or left out.
std::vector<AssistLabel> AssistLabels(const Game& g, const std::string& lastAction);
// A refusal, below the buttons where it covers no card; nothing for no refusal or no room. It is
// drawn with the buttons.
std::optional<AssistLabel> RefusalLabel(const Game& g, const std::string& refusal);

// "12/15": the cards a seat holds and the limit.
std::string CountText(const Game& g, int seat);
// A seat as the log names it: "2P たまねこ", the player "1P".
std::string LogName(const Game& g, int seat);
// A seat as the table and the result screens name it: "2P たまねこ".
std::string SeatLabel(const Game& g, int seat);
// A play as the log names it: "7×2", "JK×1", "階段 5〜8".
std::string PlayText(const Game& g, const std::vector<uint8_t>& cards, int stairKey);
// The reason 決定 or パス was refused, in a few words.
std::string RefusalText(const Game& g, Refusal r);

// The game as it stood when a play reached the table, before its effects.
struct BeforeEffects {
  int seat = 0, revolution = 1, order = 1, direction = 1, line = 0;
  std::array<uint8_t, kMaxSeats + 1> status{};
  std::vector<uint8_t> cards;
  int stairKey = kNoStair;
};
BeforeEffects NoteBeforeEffects(const Game& g);
// The log line of that play once its effects are done: who played what, then every effect that
// fired (clears = how often the table was swept off since).
std::string PlayLogLine(const Game& g, const BeforeEffects& before, int clears);

}  // namespace tomaruk

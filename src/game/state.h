#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/cards.h"
#include "game/options.h"
#include "game/presenter.h"
#include "game/random.h"
#include "game/selection.h"
#include "game/table_layout.h"

namespace tomaruk {

constexpr int kMaxSeats = 8;
// A play, and so the table, holds at most 15 cards.
constexpr int kMaxPlayCards = 15;
// Hand slots 1..16 are real; the array is longer so that reading one or two
// positions past a hand gives an empty card (code 0) instead of garbage.
constexpr int kHandSlots = 20;
static_assert(Selection::kCapacity == kHandSlots - 1, "a selection holds a whole hand");

// Card places.
constexpr uint8_t kInStock = 11;
constexpr uint8_t kInDiscard = 12;
constexpr uint8_t kOnTable = 13;

// Seat statuses.
enum : uint8_t { kPlaying = 0, kDroppedOut = 1, kSkipped = 2, kFinished = 3, kFouled = 4 };

struct CardInfoEntry {
  uint8_t Suit = 0;  // kNoSuit for a joker, else kSpades, kHearts, kDiamonds or kClubs
  uint8_t Rank = 0;  // kRank3 .. kRank2, kRankJoker; 0 no card
};

// The stair key of a table that holds no stair.
constexpr int kNoStair = 255;

struct TableRecord {
  std::array<uint8_t, 17> Cards{};  // 1..15 used
  std::array<int16_t, 17> X{};
  std::array<int16_t, 17> Y{};
  int Count = 0;
  bool SuitLock = false;
  bool ParityLock = false;
  int StairKey = kNoStair;  // the key of the stair on the table
};

struct SeatRecord {
  uint8_t Status = kPlaying;
  int CardCount = 0;
  std::array<uint8_t, kHandSlots> Hand{};  // 1..CardCount, sorted by code
  uint8_t Character = 0;
  std::array<bool, kHandSlots> Selected{};  // the player's cards picked by clicking
  int Kills = 0;
  std::vector<int> DealPoints;  // 0..DealCount
  int Score = 0;
  int32_t FinishKey = 0;
};

struct CharacterRecord {
  std::array<uint8_t, 7> Trait{};
  std::string Name;
};

// The whole game state. Two games can live side by side.
struct Game {
  std::array<CardInfoEntry, kCardCount + 1> CardInfo{};
  std::array<uint8_t, kCardCount + 1> CardPlace{};
  std::array<uint8_t, kCardCount + 1> Stock{};
  int StockCount = 0;
  std::array<uint8_t, kCardCount + 1> DiscardPile{};
  int DiscardCount = 0;
  std::array<uint8_t, kCardCount + 1> TrickPile{};
  std::array<int16_t, kCardCount + 1> TrickX{};
  std::array<int16_t, kCardCount + 1> TrickY{};
  int TrickCount = 0;
  TableRecord Table;
  std::array<SeatRecord, kMaxSeats + 1> Seat{};  // 1..8

  int Turn = 0;
  int Direction = 1;
  int LeadSeat = 0;
  int NextStarter = 0;
  int Line = 0;
  int Revolution = 1;
  int TempRevolution = 1;
  bool DealStart = false;
  int SeatsInPlay = 0;
  int32_t TurnCounter = 0;
  int DealCount = 0;
  bool GameOver = false;

  OptionRecord Options;
  std::array<CharacterRecord, kMaxSeats + 1> Characters{};  // 0..8
  Random Rng;

  // Where the rules show what happens; never null.
  Presenter* View = &nullView;

  Game() = default;
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  int RankOf(int code) const { return code >= 0 && code <= kCardCount ? CardInfo[code].Rank : 0; }
  int SuitOf(int code) const { return code >= 0 && code <= kCardCount ? CardInfo[code].Suit : 0; }
  // The card in a hand slot; 0 outside slots 1..kHandSlots-1.
  int HandCard(int seat, int pos) const { return pos >= 1 && pos < kHandSlots ? Seat[seat].Hand[pos] : 0; }

 private:
  Presenter nullView;
};

// Fills CardInfo by the table of codes (three of each suit for 3..9, A and 2;
// two for J, Q, K; four red 10s; six jokers).
void BuildCardTable(Game& g);
inline bool IsBlack(const Game& g, int code) { return g.SuitOf(code) == kSpades || g.SuitOf(code) == kClubs; }
// Sorts slots 1..Options.InitialLine by code with empty slots last.
void SortHand(Game& g, int seat);
// The next seat in the direction of play (callers test Status themselves).
int NextSeat(const Game& g, int s);
inline bool IsOut(uint8_t status) {
  return status == kDroppedOut || status == kFinished || status == kFouled;
}
// A seat still in the deal holds cards: playing, or skipped this round.
inline bool HoldsCards(uint8_t status) { return status == kPlaying || status == kSkipped; }
// The player is out of the deal and the options say to hurry on: the computer
// turns and the table's sweep take a fifth of their pause.
inline bool HurryOn(const Game& g) { return g.Options.FastWhenHumanOut() && IsOut(g.Seat[1].Status); }

// Checks that the 142 cards are conserved: each code in exactly one place,
// agreeing with CardPlace and the counts. Returns "" when sound, else what is wrong.
std::string CheckConservation(const Game& g);

}  // namespace tomaruk

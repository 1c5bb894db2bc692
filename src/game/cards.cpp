#include <set>

#include "game/state.h"

namespace tomaruk {

void BuildCardTable(Game& g) {
  g.CardInfo[0] = {0, 0};
  for (int c = 1; c <= kCardCount; ++c) {
    CardInfoEntry& e = g.CardInfo[c];
    if (c < kFourTens.front()) {
      e.Rank = static_cast<uint8_t>(kRank3 + (c - 1) / 12);
      e.Suit = static_cast<uint8_t>(kSpades + ((c - 1) / 3) % 4);
    } else if (c <= kFourTens.back()) {
      e.Rank = kRank10;
      e.Suit = c <= 86 ? kHearts : kDiamonds;  // only red 10s
    } else if (c <= 112) {
      e.Rank = static_cast<uint8_t>(kRankJ + (c - 89) / 8);
      e.Suit = static_cast<uint8_t>(kSpades + ((c - 89) / 2) % 4);
    } else if (c < kJokers.front()) {
      e.Rank = static_cast<uint8_t>(kRankA + (c - 113) / 12);
      e.Suit = static_cast<uint8_t>(kSpades + ((c - 113) / 3) % 4);
    } else {
      e.Rank = kRankJoker;
      e.Suit = kNoSuit;
    }
  }
}

void SortHand(Game& g, int seat) {
  auto& hand = g.Seat[seat].Hand;
  const int n = std::min<int>(g.Options.InitialLine, kHandSlots - 1);
  for (int i = 1; i <= n; ++i)
    if (hand[i] == 0) hand[i] = 255;
  for (int i = 1; i <= n; ++i) {
    int best = i;
    for (int j = i + 1; j <= n; ++j)
      if (hand[j] < hand[best]) best = j;
    std::swap(hand[i], hand[best]);
  }
  for (int i = 1; i <= n; ++i)
    if (hand[i] == 255) hand[i] = 0;
}

int NextSeat(const Game& g, int s) {
  const int n = g.Options.SeatCount;
  return ((s - 1 + g.Direction + n) % n + n) % n + 1;
}

std::string CheckConservation(const Game& g) {
  std::array<int, kCardCount + 1> seen{};
  std::array<uint8_t, kCardCount + 1> where{};
  std::string err;
  auto note = [&](int code, uint8_t place, const char* pile) {
    if (code < 1 || code > kCardCount) {
      err += std::string("bad code in ") + pile + "; ";
      return;
    }
    ++seen[code];
    where[code] = place;
  };
  for (int s = 1; s <= kMaxSeats; ++s) {
    const SeatRecord& seat = g.Seat[s];
    const bool holds = s <= g.Options.SeatCount && !IsOut(seat.Status);
    for (int i = 1; i < kHandSlots; ++i) {
      const int c = seat.Hand[i];
      if (c == 0) continue;
      if (!holds || i > seat.CardCount) {
        err += "seat " + std::to_string(s) + " slot " + std::to_string(i) + " holds a stray card; ";
        continue;
      }
      note(c, static_cast<uint8_t>(s), "hand");
    }
    if (holds)
      for (int i = 1; i <= seat.CardCount && i < kHandSlots; ++i)
        if (seat.Hand[i] == 0) err += "seat " + std::to_string(s) + " has an empty slot in its hand; ";
  }
  if (g.StockCount < 0 || g.StockCount > kCardCount || g.DiscardCount < 0 || g.DiscardCount > kCardCount ||
      g.TrickCount < 0 || g.TrickCount > kCardCount || g.Table.Count < 0 || g.Table.Count > kMaxPlayCards)
    return "pile count out of range";
  for (int i = 1; i <= g.StockCount; ++i) note(g.Stock[i], kInStock, "stock");
  for (int i = 1; i <= g.DiscardCount; ++i) note(g.DiscardPile[i], kInDiscard, "discard pile");
  for (int i = 1; i <= g.TrickCount; ++i) note(g.TrickPile[i], kOnTable, "trick pile");
  for (int i = 1; i <= g.Table.Count; ++i) note(g.Table.Cards[i], kOnTable, "table");
  for (int c = 1; c <= kCardCount; ++c) {
    if (seen[c] != 1) {
      err += "card " + std::to_string(c) + " seen " + std::to_string(seen[c]) + " times; ";
    } else if (g.CardPlace[c] != where[c]) {
      err += "card " + std::to_string(c) + " CardPlace " + std::to_string(g.CardPlace[c]) + " but found in " +
             std::to_string(where[c]) + "; ";
    }
  }
  return err;
}

}  // namespace tomaruk

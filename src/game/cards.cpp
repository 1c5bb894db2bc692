#include <algorithm>
#include <array>
#include <string>

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
  // A hand is sorted after every change but the last. The gaps a play leaves close up, the
  // cards keeping their order: each slot is emptied and its card goes to the next place
  // filled...
  int count = 0;
  for (int i = 1; i <= n; ++i) {
    const uint8_t card = hand[i];
    hand[i] = 0;
    hand[count + 1] = card;
    count += card != 0;
  }
  // ... and a card out of its place (one drawn, or swapped in) moves down to it.
  for (int i = 2; i <= count; ++i) {
    const uint8_t card = hand[i];
    int j = i;
    for (; j > 1 && hand[j - 1] > card; --j) hand[j] = hand[j - 1];
    hand[j] = card;
  }
}

int NextSeat(const Game& g, int s) {
  const int n = g.Options.SeatCount;
  return ((s - 1 + g.Direction + n) % n + n) % n + 1;
}

namespace {

// The quick test after every turn: each card of the hands and piles is met where CardPlace says
// and only once, every hand slot up to the hand's count holds a card and none after it does, and
// 142 cards are met in all, so that each card lies in exactly one place.
bool CardsConserved(const Game& g) {
  if (g.StockCount < 0 || g.StockCount > kCardCount || g.DiscardCount < 0 || g.DiscardCount > kCardCount ||
      g.TrickCount < 0 || g.TrickCount > kCardCount || g.Table.Count < 0 || g.Table.Count > kMaxPlayCards)
    return false;
  // Where each card is still expected: where CardPlace says, and an empty slot's 0 nowhere. The
  // table runs on past the deck to every code a byte can hold, all expected nowhere, so a code
  // beyond the deck needs no test of its own. A card met is crossed off, so it is expected nowhere
  // the second time.
  constexpr uint8_t kNowhere = 0;
  alignas(64) std::array<uint8_t, 256> expected;
  for (int c = 0; c <= kCardCount; ++c) expected[c] = g.CardPlace[c];  // a few wide moves, no call
  std::fill(expected.begin() + kCardCount + 1, expected.end(), kNowhere);
  expected[0] = kNowhere;
  const auto meet = [&](uint8_t code, uint8_t place) {
    if (expected[code] != place) return false;
    expected[code] = kNowhere;
    return true;
  };
  int met = 0;
  for (int s = 1; s <= kMaxSeats; ++s) {
    const SeatRecord& seat = g.Seat[s];
    const int n = s <= g.Options.SeatCount && !IsOut(seat.Status) ? seat.CardCount : 0;
    if (n < 0 || n >= kHandSlots) return false;
    for (int i = 1; i <= n; ++i)
      if (!meet(seat.Hand[i], static_cast<uint8_t>(s))) return false;
    uint8_t filled = 0;  // counted in bytes, sixteen slots at a time
    for (int i = 1; i < kHandSlots; ++i) filled += seat.Hand[i] != 0;
    if (filled != n) return false;
    met += n;
  }
  for (int i = 1; i <= g.StockCount; ++i)
    if (!meet(g.Stock[i], kInStock)) return false;
  for (int i = 1; i <= g.DiscardCount; ++i)
    if (!meet(g.DiscardPile[i], kInDiscard)) return false;
  for (int i = 1; i <= g.TrickCount; ++i)
    if (!meet(g.TrickPile[i], kOnTable)) return false;
  for (int i = 1; i <= g.Table.Count; ++i)
    if (!meet(g.Table.Cards[i], kOnTable)) return false;
  return met + g.StockCount + g.DiscardCount + g.TrickCount + g.Table.Count == kCardCount;
}

// What is wrong with the cards, one complaint after another; "" when nothing is.
std::string DescribeCards(const Game& g) {
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

}  // namespace

std::string CheckConservation(const Game& g) {
  // The check runs after every turn of a headless run: what is wrong is written out only once the
  // quick test has failed.
  if (CardsConserved(g)) return "";
  return DescribeCards(g);
}

}  // namespace tomaruk

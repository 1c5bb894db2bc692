#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "game/rules.h"

namespace tomaruk::testing {

using Picks = std::vector<int>;  // hand positions, 1-based

// Whether a list of words holds this one.
inline bool Has(const std::string& words, const std::string& w) {
  return (" " + words + " ").find(" " + w + " ") != std::string::npos;
}

// A table set for one turn: four seats, every card in the stock, seat 2 to move
// on an empty table, limit 11, every card effect off, shortest stair 4.
// Cards are written "9h Ts X": rank 3..9, T, J, Q, K, A or 2 and suit s, h, d or
// c; X is a joker. Each card written takes the first copy still in the stock, so
// "7s 7s" is two different spade 7s.
struct Scenario {
  Game g;
  ComputerPlayer cp{g};
  std::vector<double> draws;  // the turn's draws after its six trait draws
  std::vector<int> top;       // cards on top of the stock, the last one topmost

  explicit Scenario(int seats = 4) {
    BuildCardTable(g);
    InitCharacters(g);
    std::fill(g.CardPlace.begin() + 1, g.CardPlace.end(), kInStock);
    Restock();
    for (int s = 2; s <= kMaxSeats; ++s) g.Seat[s].Character = static_cast<uint8_t>(s - 1);
    g.Options.MinStair = 4;
    g.Options.InitialLine = 11;
    g.Line = 11;
    g.Turn = g.LeadSeat = 2;
    Seats(seats);
    Rules("");
  }
  void Seats(int n) {
    g.Options.SeatCount = static_cast<uint8_t>(n);
    g.SeatsInPlay = n;
  }
  // Exactly these card effects on: any of "3 4 5 7 8 8F 9 10 J Q M R".
  void Rules(const std::string& on) {
    uint8_t bytes[kOptionBytes];
    EncodeOptions(g.Options, bytes);
    const char* flags[] = {"3", "4", "5", "7", "8", "8F", "9", "10", "J", "Q", "M", "R"};
    for (int k = 0; k < 12; ++k) bytes[6 + k] = Has(on, flags[k]) ? 255 : 0;
    g.Options = DecodeOptions(bytes, kOptionBytes);
    cp.ResetComputerRules();
  }
  // The seat's character's seven trait levels, "ABCDEFG".
  void Traits(const char* levels, int character = 0) {
    if (character != 0) g.Seat[g.Turn].Character = static_cast<uint8_t>(character);
    auto& trait = g.Characters[g.Seat[g.Turn].Character].Trait;
    for (int k = 0; k < 7; ++k) trait[k] = static_cast<uint8_t>(levels[k] - '0');
  }

  // The codes of these cards among those in `place` (the stock unless given).
  std::vector<int> Codes(const std::string& cards, int place = kInStock) const {
    std::vector<int> out;
    std::istringstream in(cards);
    for (std::string t; in >> t;) {
      const int rank = t[0] == 'X' ? 16 : 3 + static_cast<int>(std::string("3456789TJQKA2").find(t[0]));
      const int suit = t[0] == 'X' ? 0 : 1 + static_cast<int>(std::string("shdc").find(t[1]));
      int c = 1;
      while (c <= kCardCount && (g.RankOf(c) != rank || g.SuitOf(c) != suit || g.CardPlace[c] != place ||
                                 std::count(out.begin(), out.end(), c) > 0))
        ++c;
      EXPECT_LE(c, kCardCount) << "no " << t << " left";
      out.push_back(c);
    }
    return out;
  }
  // Sorted codes, as a hand holds them.
  Selection Sel(const std::string& cards, int place = kInStock) const {
    std::vector<int> c = Codes(cards, place);
    std::sort(c.begin(), c.end());
    return Selection(c.begin(), c.end());
  }
  // The stock: every card still in it by code, then `top`.
  void Restock() {
    g.StockCount = 0;
    for (int c = 1; c <= kCardCount; ++c)
      if (g.CardPlace[c] == kInStock && std::count(top.begin(), top.end(), c) == 0)
        g.Stock[++g.StockCount] = static_cast<uint8_t>(c);
    for (int c : top) g.Stock[++g.StockCount] = static_cast<uint8_t>(c);
    std::fill(g.Stock.begin() + g.StockCount + 1, g.Stock.end(), 0);
  }
  // Gives the seat exactly these cards.
  void Hand(int seat, const std::string& cards) { Give(seat, Sel(cards)); }
  void Give(int seat, const Selection& codes) {
    SeatRecord& rec = g.Seat[seat];
    for (int i = 1; i <= rec.CardCount; ++i) g.CardPlace[rec.Hand[i]] = kInStock;
    rec.Hand.fill(0);
    rec.Selected.fill(false);
    rec.CardCount = static_cast<int>(codes.size());
    std::copy(codes.begin(), codes.end(), rec.Hand.begin() + 1);
    for (int c : codes) g.CardPlace[c] = static_cast<uint8_t>(seat);
    Restock();
  }
  // Gives the seat the n lowest diamonds and clubs left in the stock.
  void Fill(int seat, int n) {
    Selection codes;
    for (int c = 1; c <= kCardCount && static_cast<int>(codes.size()) < n; ++c)
      if (g.SuitOf(c) >= 3 && g.CardPlace[c] == kInStock) codes.push_back(static_cast<uint8_t>(c));
    Give(seat, codes);
  }
  // These cards lie on the table in this order, played by seat `by`.
  void Lay(const std::string& cards, int by = 1, int stairKey = kNoStair) {
    for (int i = 1; i <= g.Table.Count; ++i) g.CardPlace[g.Table.Cards[i]] = kInStock;
    const std::vector<int> codes = Codes(cards);
    g.Table.Count = static_cast<int>(codes.size());
    std::copy(codes.begin(), codes.end(), g.Table.Cards.begin() + 1);
    for (int c : codes) g.CardPlace[c] = kOnTable;
    g.LeadSeat = by;
    g.Table.StairKey = stairKey;
    Restock();
  }
  // These cards are out of play, on the discard pile.
  void Discard(const std::string& cards) {
    for (int c : Codes(cards)) {
      g.CardPlace[c] = kInDiscard;
      g.DiscardPile[++g.DiscardCount] = static_cast<uint8_t>(c);
    }
    Restock();
  }
  void StockTop(const std::string& cards) {
    top = Codes(cards);
    Restock();
  }

  // Seat 2 holds `hand` and its character the trait levels "ABCDEFG"; seat 1
  // has played `table` ("" = seat 2 leads). `words`: the effects on (as Rules),
  // and rev, j (a J's turn), suit, parity, two (two seats), urgent (seat 1 holds
  // one card), line=N, sK=N (seat K holds N low cards), key=N (the table is a
  // stair of that key), who=N (seat 2 plays character N), draw=U (the turn's
  // next draw after the traits'), top=C (card C tops the stock).
  void Set(const char* hand, const char* table, const char* traits, const std::string& words) {
    if (Has(words, "two")) Seats(2);
    Rules(words);
    g.Revolution = Has(words, "rev") ? -1 : 1;
    g.TempRevolution = Has(words, "j") ? -1 : 1;
    Traits(traits);
    Hand(2, hand);
    if (*table) Lay(table);
    g.Table.SuitLock = Has(words, "suit");
    g.Table.ParityLock = Has(words, "parity");
    if (Has(words, "urgent")) Fill(1, 1);
    std::istringstream in(words);
    for (std::string w; in >> w;) {
      if (w.rfind("line=", 0) == 0) g.Line = std::stoi(w.substr(5));
      if (w.rfind("key=", 0) == 0) g.Table.StairKey = std::stoi(w.substr(4));
      if (w.rfind("who=", 0) == 0) Traits(traits, std::stoi(w.substr(4)));
      if (w.rfind("draw=", 0) == 0) draws.push_back(std::stod(w.substr(5)));
      if (w.rfind("top=", 0) == 0) StockTop(w.substr(4));
      if (w[0] == 's' && w.size() > 3 && w[2] == '=') Fill(w[1] - '0', std::stoi(w.substr(3)));
    }
  }
  // The turn's traits at the character's levels (every trait draw reads the
  // middle), then `draws`, then zeros.
  void ScriptDraws() {
    g.Rng.ClearScript();
    g.Rng.Script({0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
    for (double d : draws) g.Rng.Script({d});
    g.Rng.Script({0, 0, 0, 0, 0, 0});
  }
  // One computer turn of seat Turn.
  Decision Turn() {
    ScriptDraws();
    return cp.ComputerTurn();
  }
  // The hand positions of the play's cards.
  Picks Positions(const Play& play) const {
    Picks out;
    for (int i = 1; i <= g.Seat[g.Turn].CardCount; ++i)
      if (std::count(play.cards.begin(), play.cards.end(), g.Seat[g.Turn].Hand[i]) > 0) out.push_back(i);
    return out;
  }
};

}  // namespace tomaruk::testing

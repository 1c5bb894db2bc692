#include "view/assist.h"

#include "game/card_facts.h"
#include "view/frame.h"

namespace tomaruk {

namespace {

// A half-width cell of the table's 12-pixel font.
constexpr int kHalfCell = 6;

// Right and bottom exclusive: rectangles that only touch do not overlap.
bool Overlap(const Rect& a, const Rect& b) {
  return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

std::string RankName(int rank) {
  static const char* const kNames[] = {"J", "Q", "K", "A", "2", "JK"};
  return rank >= kRankJ ? kNames[rank - kRankJ] : std::to_string(rank);
}

// Puts the text at the first of the places where it stays on the screen and covers no card and no
// label placed before it.
void Place(std::vector<AssistLabel>& labels, const std::vector<Rect>& cards, const std::string& text,
           QRgb colour, std::initializer_list<Point> places) {
  const int w = TextWidth(text);
  for (const Point p : places) {
    const Rect box{p.x, p.y, w, 12};
    bool free = box.x >= 0 && box.y >= 0 && box.Right() <= kScreenWidth && box.Bottom() <= kScreenHeight;
    for (const Rect& c : cards) free = free && !Overlap(box, c);
    for (const AssistLabel& l : labels) free = free && !Overlap(box, l.box);
    if (free) {
      labels.push_back({box, text, colour});
      return;
    }
  }
}

// What a label must not cover: the cards and, while the player holds some, the area the hand is
// redrawn in, which would cut a label short.
std::vector<Rect> LabelObstacles(const Game& g) {
  std::vector<Rect> cards = CardRects(g);
  if (HoldsCards(g.Seat[1].Status)) cards.push_back(kHandArea);
  return cards;
}

}  // namespace

int TextWidth(const std::string& utf8) { return kHalfCell * Cells(utf8); }

std::vector<Rect> CardRects(const Game& g) {
  std::vector<Rect> cards;
  const SeatRecord& me = g.Seat[1];
  if (HoldsCards(me.Status)) {
    for (int i = 1; i <= me.CardCount && i < kHandSlots; ++i) {
      Rect slot = HandSlot(g.Options, i);
      if (me.Selected[i]) slot.y -= kLiftedBy;
      cards.push_back(slot);
    }
  }
  for (int s = 2; s <= g.Options.SeatCount && s <= kMaxSeats; ++s) {
    if (!HoldsCards(g.Seat[s].Status)) continue;
    const double a = SeatAngle(g.Options, s);
    for (int i = 1; i <= g.Seat[s].CardCount && i < kHandSlots; ++i) {
      const Point back = SeatBack(a, i, g.Seat[s].CardCount);
      cards.push_back({back.x, back.y, kCardW, kCardH});
    }
  }
  for (int k = 0; k <= g.StockCount / 10; ++k)
    cards.push_back({StockBack(k).x, StockBack(k).y, kCardW, kCardH});
  for (int i = 1; i <= g.TrickCount && i <= kCardCount; ++i)
    cards.push_back({g.TrickX[i], g.TrickY[i], kCardW, kCardH});
  for (int i = 1; i <= g.Table.Count && i <= kMaxPlayCards; ++i)
    cards.push_back({g.Table.X[i], g.Table.Y[i], kCardW, kCardH});
  return cards;
}

std::string CountText(const Game& g, int seat) {
  return std::to_string(g.Seat[seat].CardCount) + "/" + std::to_string(g.Line);
}

std::string SeatLabel(const Game& g, int seat) {
  return std::to_string(seat) + "P " + g.Characters[g.Seat[seat].Character].Name;
}

std::string LogName(const Game& g, int seat) { return seat == 1 ? "1P" : SeatLabel(g, seat); }

std::optional<AssistLabel> RefusalLabel(const Game& g, const std::string& refusal) {
  if (refusal.empty()) return std::nullopt;
  std::vector<AssistLabel> labels;
  const Rect buttons = ButtonColumn();
  Place(labels, LabelObstacles(g), refusal, kYellowRgb,
        {{buttons.x, buttons.Bottom()}, {kScreenWidth - 4 - TextWidth(refusal), buttons.Bottom()}});
  return labels.empty() ? std::nullopt : std::optional(labels.front());
}

std::vector<AssistLabel> AssistLabels(const Game& g, const std::string& lastAction) {
  const std::vector<Rect> cards = LabelObstacles(g);
  std::vector<AssistLabel> labels;
  const auto seatColour = [&](int s) {
    return s == g.Turn ? kYellowRgb : s == g.LeadSeat ? kRedRgb : kWhiteRgb;
  };
  // Along the top, above every fan.
  if (!lastAction.empty())
    Place(labels, cards, CutToCells(lastAction, (kScreenWidth - 8) / kHalfCell), kWhiteRgb, {{4, 0}});
  // The player's cue and count, left of the area the hand is redrawn in.
  if (HoldsCards(g.Seat[1].Status)) {
    const int x = kHandArea.x - 44, y = kHandTop + 36;
    Place(labels, cards, "1P", seatColour(1), {{x, y}, {x, y - 16}});
    Place(labels, cards, CountText(g, 1), kWhiteRgb, {{x, y + 16}, {x, y + 32}});
  }
  // A computer seat's count right of its name, else left of it, else below, else below at the
  // screen's right edge.
  for (int s = 2; s <= g.Options.SeatCount && s <= kMaxSeats; ++s) {
    if (!HoldsCards(g.Seat[s].Status)) continue;
    const Rect name = SeatName(SeatAngle(g.Options, s));
    const std::string count = CountText(g, s);
    Place(labels, cards, count, seatColour(s),
          {{name.Right() + 4, name.y},
           {name.x - 4 - TextWidth(count), name.y},
           {name.x, name.Bottom() + 2},
           {kScreenWidth - 2 - TextWidth(count), name.Bottom() + 2}});
  }
  return labels;
}

std::string PlayText(const Game& g, const std::vector<uint8_t>& cards, int stairKey) {
  int jokers = 0;
  std::vector<int> ranks;
  for (int c : cards) IsJoker(c) ? ++jokers : (ranks.push_back(g.RankOf(c)), 0);
  const std::string n = std::to_string(cards.size());
  if (ranks.empty()) return "JK×" + n;
  if (stairKey == kNoStair) return RankName(ranks.front()) + "×" + n;
  return "階段 " + RankName(ranks.front()) + "〜" + RankName(ranks.back()) + " (" + n + "枚)";
}

std::string RefusalText(const Game& g, Refusal r) {
  switch (r) {
    case Refusal::kNone:
      return "";
    case Refusal::kMustPlay:
      return "親はパスできない";
    case Refusal::kNoCombination:
      return "組になっていない";
    case Refusal::kCount:
      return "枚数が違う";
    case Refusal::kKind:
      return g.Table.StairKey == kNoStair ? "階段は出せない" : "階段には階段を";
    case Refusal::kSuitLock:
      return "マークしばり中";
    case Refusal::kParityLock:
      return g.Revolution > 0 ? "偶数しばり中" : "奇数しばり中";
    case Refusal::kTooWeak:
      return "場より弱い";
  }
  return "";
}

BeforeEffects NoteBeforeEffects(const Game& g) {
  BeforeEffects b{g.Turn, g.Revolution, g.TempRevolution, g.Direction, g.Line, {}, {}, g.Table.StairKey};
  for (int s = 1; s <= kMaxSeats; ++s) b.status[static_cast<std::size_t>(s)] = g.Seat[s].Status;
  b.cards.assign(g.Table.Cards.begin() + 1,
                 g.Table.Cards.begin() + 1 + std::min(g.Table.Count, kMaxPlayCards));
  return b;
}

std::string PlayLogLine(const Game& g, const BeforeEffects& b, int clears) {
  std::string line = LogName(g, b.seat) + ": " + PlayText(g, b.cards, b.stairKey);
  const auto add = [&line](const std::string& effect) { line += " " + effect; };
  const uint8_t status = g.Seat[b.seat].Status;
  if (g.Revolution != b.revolution) add(g.Revolution < 0 ? "革命" : "革命返し");
  if (status == kFinished) add("あがり");
  if (status == kFouled) add("反則あがり");
  if (IsOut(status)) return line;
  bool eight = false;
  for (int c : b.cards) eight = eight || g.RankOf(c) == kRank8;
  if (clears > 0) add(eight ? "8切り" : "ジョーカー返し");
  int skipped = 0;
  std::string skips;
  for (int s = 1; s <= g.Options.SeatCount && s <= kMaxSeats; ++s) {
    if (g.Seat[s].Status != kSkipped || b.status[static_cast<std::size_t>(s)] == kSkipped) continue;
    ++skipped;
    skips += std::to_string(s) + "P";
  }
  const bool fourTens = IsFourTens(b.cards);
  if (skipped > 0) add(fourTens ? "10四枚で全員スキップ" : skips + "スキップ");
  if (g.Line < b.line) add("黒7で制限" + std::to_string(g.Line));
  if (clears == 0 && g.TempRevolution != b.order) add("Jバック");  // a clear turns it back
  if (g.Direction != b.direction) add("Qリバース");
  return line;
}

}  // namespace tomaruk

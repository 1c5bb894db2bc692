// The primitives, the table view and its animations, checked on the frame by probes. A probe draws
// what should be at a place onto a copy of the frame: where the frame already shows it, nothing changes.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <functional>

#include "game/deal.h"
#include "game/deal_result.h"
#include "game/rules.h"
#include "support/fake_host.h"
#include "view/table_view.h"

namespace tomaruk {
namespace {

struct Probe {
  std::function<void(Frame&)> draw;
  QRect area;
  bool present = true;
  bool clean = false;       // drawn on the empty table instead of over the frame
  std::size_t frame = ~0u;  // which frame shown: the last unless set
};
Probe No(Probe p) { return p.present = false, p; }
Probe At(std::size_t frame, Probe p) { return p.frame = frame, p; }
Probe Back(int x, int y, int h = 96, int w = 64) {
  return {[=](Frame& f) { f.DrawCardBack(x, y, h); }, {x, y, w, h}};
}
Probe Bg(int x, int y, int w, int h) {
  return {[=](Frame& f) { f.CopyBackground(x, y, w, h); }, {x, y, w, h}};
}
// Only the top rows of a dimmed box are compared: its label lies 6 pixels below.
Probe Dim(int x, int y) {
  return {[=](Frame& f) { f.DimRect(x, y, 64, 24); }, {x, y, 64, 5}};
}
Probe Text(int x, int y, const char* text, QRgb rgb = kWhiteRgb, int size = 12) {
  return {[=](Frame& f) { f.SetFontSize(size), f.SetForeground(rgb), f.DrawText(x, y, text); },
          {x - 2, y, 240, size}};
}
// An outline of pen 1 (a button), or a rounded one of pen 2 (a lock frame).
Probe Box(int l, int t, int r, int b, QRgb rgb, int pen = 1) {
  return {[=](Frame& f) {
            f.SetForeground(rgb), f.SetPenWidth(pen);
            pen == 1 ? f.FrameRect(l, t, r, b) : f.FrameRoundRect(l, t, r, b, 6, 6);
          },
          {l - 1, t - 1, r - l + 2, b - t + 2}};
}
// The revolution arrow, the order in force over it, the direction: +1 the top half of a cell, -1 the bottom.
Probe Icons(int revolution, int order, int direction) {
  const int row[] = {(1 - revolution) * 16, (1 - order) * 16, (1 - direction) * 16};
  return {[=](Frame& f) {
            for (int k : {0, 1, 2})
              f.DrawSprite(f.picGra, 64 * k + 32, 64 * k, row[k], 296 + k / 2 * 40, 120, 32, 32);
          },
          {296, 120, 72, 32},
          true,
          true};
}

// A seat's hand (codes) and status; the human's second card lifted.
struct Scene {
  int seats = 4, turn = 1, lead = 1, stock = 0, line = 11, initialLine = 11, revolution = 1, jack = 1,
      dir = 1;
  std::vector<std::vector<int>> hands = {};  // seats 1, 2, ...
  std::vector<uint8_t> status = {};          // seats 1, 2, ...
  bool lifted = false, hurry = false;
  bool table = false;  // one card on the table instead, none in the trick pile
};

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int argc = 1;
    static char arg0[] = "view_tests", *argv[] = {arg0, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (QCoreApplication::instance() == nullptr) new QGuiApplication(argc, argv);  // kept for the whole run
    frame.InitSurfaces();
    BuildCardTable(g);
    for (auto& c : g.Characters) c.Name = "たまねこ";
    host.quitAt = 100000;  // a wait that never ends fails instead of hanging
    frame.presentHook = [this](const QImage& img) { shown.push_back({img, host.now}); };
  }
  // Two cards on the table with both locks, over one in the trick pile, unless the scene says otherwise.
  void Set(const Scene& s) {
    g.Options = OptionRecord{};
    g.Options.SeatCount = static_cast<uint8_t>(s.seats),
    g.Options.InitialLine = static_cast<uint8_t>(s.initialLine);
    for (auto& seat : g.Seat) seat = SeatRecord{};
    for (std::size_t i = 0; i < s.hands.size(); ++i) {
      g.Seat[i + 1].CardCount = static_cast<int>(s.hands[i].size());
      std::copy(s.hands[i].begin(), s.hands[i].end(), g.Seat[i + 1].Hand.begin() + 1);
    }
    for (std::size_t i = 0; i < s.status.size(); ++i) g.Seat[i + 1].Status = s.status[i];
    g.Seat[1].Selected[2] = s.lifted;
    g.Options.SkipWhenOut = s.hurry ? 255 : 0;
    g.Turn = s.turn, g.LeadSeat = s.lead, g.StockCount = s.stock, g.Line = s.line;
    g.Revolution = s.revolution, g.TempRevolution = s.jack, g.Direction = s.dir;
    g.Table = {{0, 30, 31}, {0, 296, 312}, {0, 192, 192}, 2, true, true};
    g.TrickCount = 1, g.TrickPile[1] = 10, g.TrickX[1] = 200, g.TrickY[1] = 250;
    if (s.table) g.Table = {{0, 100}, {0, 304}, {0, 192}, 1}, g.TrickCount = 0;
    g.Stock[35] = 25, g.Stock[36] = 140;
    shown.clear();
    frame.CopyBackground(0, 0, 576, 480);
  }
  void Check(const QImage& img, const std::vector<Probe>& probes) {
    for (const Probe& p : probes) {
      Frame probe(frame);
      probe.picMain = p.clean ? frame.picBack.copy() : img.copy();
      p.draw(probe);
      EXPECT_EQ(probe.picMain.copy(p.area) == img.copy(p.area), p.present) << p.area.x() << "," << p.area.y();
    }
  }
  Probe Card(int x, int y, int code, int w = 64) {
    return {[=, this](Frame& f) { f.DrawCard(x, y, code, g.SuitOf(code), g.RankOf(code)); }, {x, y, w, 96}};
  }
  Game g;
  FakeHost host;
  Pacer pacer{host};
  Frame frame;
  TableView view{g, pacer, frame};
  std::vector<std::pair<QImage, uint32_t>> shown;
};

TEST_F(ViewTest, CardsKeepTheBackgroundInTheirTwelveCornerPixelsOnly) {
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 576; ++x) frame.picMain.setPixel(x, y, qRgb(x % 251, 60 + y % 7, (x * y) % 253));
  const QImage before = frame.picMain.copy();
  // code, where, and its cell in the sheet: jokers 137..139 show the first picture, 140..142 the second
  const struct {
    int code, x, y, cellX, cellY;
  } cards[] = {{1, 100, 50, 0, 0},        {84, 10, 300, 384, 288},   {85, 200, 10, 448, 96},
               {112, 300, 200, 640, 288}, {136, 400, 350, 768, 288}, {137, 440, 150, 0, 384},
               {139, 20, 150, 0, 384},    {140, 100, 200, 64, 384},  {142, 540, -20, 64, 384}};
  for (const auto& c : cards) {
    frame.DrawCard(c.x, c.y, c.code, g.SuitOf(c.code), g.RankOf(c.code));
    for (int dy = -1; dy <= 96; ++dy)
      for (int dx = -1; dx <= 64; ++dx) {
        const int x = c.x + dx, y = c.y + dy, ex = std::min(dx, 63 - dx), ey = std::min(dy, 95 - dy);
        if (!frame.picMain.rect().contains(x, y)) continue;
        const QRgb want = ex < 0 || ey < 0 || ex + ey <= 1 ? before.pixel(x, y)
                                                           : frame.picCard.pixel(c.cellX + dx, c.cellY + dy);
        ASSERT_EQ(frame.picMain.pixel(x, y), want) << c.code << " at " << dx << "," << dy;
      }
  }
  // Dimming keeps the even columns of the odd rows, counted from its corner.
  frame.DimRect(31, 17, 64, 24);
  for (int y = 16; y <= 41; ++y)
    for (int x = 30; x <= 95; ++x) {
      const bool dark = x >= 31 && x < 95 && y >= 17 && y < 41 && ((x - 31) % 2 || (y - 17) % 2 == 0);
      EXPECT_EQ(frame.picMain.pixel(x, y), dark ? 0xFF000000u : before.pixel(x, y)) << x << "," << y;
    }
}

// Each row sets a scene, draws it or runs an animation, and probes the frames shown: the last one unless
// a probe names its frame.
TEST_F(ViewTest, TableAndAnimations) {
  const auto table = [&] { view.RenderTable(0, true, true); };
  const auto sweep = [&] { view.RenderTable(150, true, true); };
  const auto passLit = [&] { view.RenderTable(0, false, true), view.DrawButtons(2), view.Present(); };
  const auto play = [&] { view.AnimatePlay(); };
  const auto draw2 = [&] { view.AnimateDraw(2); };
  const auto draw1 = [&] { view.AnimateDraw(1); };
  const auto dropOut = [&] { view.RenderTable(0, false, true), view.AnimateDropOut({false, true, true}); };
  const auto clear = [&] { view.ClearTableEffect(); };
  const auto title = [&] { view.DrawTitle(); };
  // Three seats after their tenth deal: the score table lists deals 2..9 (from 0). Seat 1 is "Tama".
  DealResult deal{.Seats = 3, .Deal = 9, .FirstListed = 2};
  deal.Seat[1] = {kPlaying, 1, 2, 35, 95, false, {0, 0, 0, 0, 0, 0, 0, 35}};
  deal.Seat[2] = {kFinished, 0, 1, 5, 230, true, {10, 20, 30, 40, 50, 60, 70, 5}};
  deal.Seat[3] = {kDroppedOut, 0, 3, 105, 1005, true, {}};
  const auto result = [&] {
    g.Characters[1].Name = "Tama", g.Seat[1].Character = 1;
    host.ClickAt(100, 100, 1000), view.ShowDealResult(deal);
  };
  const auto t18 = [](int x, int y, const char* text, QRgb rgb = kWhiteRgb) {
    return Text(x, y, text, rgb, 18);
  };
  const Probe line = {
      [](Frame& f) { f.SetForeground(kWhiteRgb), f.SetPenWidth(1), f.DrawLine(40, 360, 536, 360); },
      {39, 359, 499, 3}};
  const std::vector<int> three = {1, 20, 40}, hand = {10, 20, 30};
  const QRgb grey = kGreyRgb, red = kRedRgb, blue = kBlueRgb, yellow = kYellowRgb;
  const struct {
    const char* name;
    Scene scene;
    std::function<void()> run;
    std::size_t frames;
    std::vector<Probe> probes;
    uint32_t gapMin = 40, gapMax = 99;  // between the first two frames
    uint32_t minMs = 0;                 // the whole run
  } rows[] = {
      // clang-format off
      {"two seats: seat 2 straight above", {.seats = 2, .hands = {{}, {5}}}, table, 1,
       {Back(244, 12), Text(258, 110, "2P たまねこ"), No(Dim(256, 48))}},
      {"a fan, a skipped seat, an out seat; the turn yellow, the lead red",
       {.turn = 4, .lead = 2, .hands = {{}, {1, 2, 3}, {5}, {4}}, .status = {0, kSkipped, kDroppedOut}},
       table, 1, {Back(6, 170, 96, 10), Back(26, 170, 36), Dim(18, 206), Text(26, 212, "スキップ"),
       No(Back(240, 12)), Dim(252, 48), Text(260, 54, " 脱  落 "), Back(481, 164),
       Text(20, 268, "2P たまねこ", red), Text(254, 110, "3P たまねこ"),
       Text(495, 262, "4P たまねこ", yellow)}},
      {"the turn stays yellow on the seat that led", {.turn = 3, .lead = 3}, table, 1,
       {Text(254, 110, "3P たまねこ", yellow), Text(20, 268, "2P たまねこ")}},
      {"stock 10: two backs; limit 7; revolution, reverse",
       {.seats = 3, .stock = 10, .line = 7, .revolution = -1, .dir = -1}, table, 1,
       {Back(128, 190), No(Back(128, 188)), Text(216, 135, "制限枚数 07"), Icons(-1, -1, -1)}},
      {"a limit below zero keeps two digits", {.line = -1}, table, 1,
       {Text(270, 135, "-01"), No(Text(270, 135, "-1"))}},
      {"limit 0", {.line = 0}, table, 1, {Text(270, 135, "00")}},
      {"limit -12", {.line = -12}, table, 1, {Text(270, 135, "-12")}},
      {"a full stock; a J under revolution", {.seats = 3, .stock = 142, .revolution = -1, .jack = -1},
       table, 1, {Back(128, 164), No(Back(128, 162)), Icons(-1, 1, 1)}},
      {"the hand from 208 at limit 7, a lifted card", {.initialLine = 7, .hands = {three}, .lifted = true},
       table, 1, {Card(208, 372, 1, 16), Card(224, 356, 20, 16), No(Card(224, 372, 20, 16)),
       Card(240, 372, 40), Box(456, 408, 520, 432, grey), Text(476, 414, "決定", grey)}},
      {"the hand from 144 at limit 15; パス lit", {.initialLine = 15, .hands = {three}}, passLit, 1,
       {Card(144, 372, 1, 16), Box(456, 444, 520, 468, kWhiteRgb), Text(476, 450, "パス"),
       Box(456, 408, 520, 432, grey)}},
      {"the human out: no hand, no buttons, its label", {.hands = {three}, .status = {kFinished}}, table, 1,
       {Bg(144, 356, 288, 52), No(Box(456, 408, 520, 432, grey)), Dim(256, 408), Text(264, 414, " あがり ")}},
      {"the table with both locks, over the trick pile", {}, table, 1,
       {Card(200, 250, 10), Probe{Card(312, 192, 31).draw, {318, 198, 52, 84}},
       Box(312, 192, 376, 288, blue, 2), Box(310, 190, 378, 290, red, 2)}},
      {"sweeping away: the cards move, their frames go", {}, sweep, 1,
       {Card(350, 100, 10), Card(462, 42, 31), No(Box(462, 42, 526, 138, blue, 2)),
       No(Box(312, 192, 376, 288, blue, 2))}},
      {"the human's play flies in three frames, the table left to it", {.table = true}, play, 3,
       {At(0, Card(264, 312, 100)), At(0, No(Card(304, 192, 100))), At(1, Card(284, 252, 100)),
       Card(304, 192, 100)}},
      {"a drawn card flies to the fan's next place", {.stock = 35, .hands = {{}, {1, 2, 3}}}, draw2, 5,
       {At(0, Back(128, 186)), At(2, Back(78, 178)), Back(27, 170)}},
      {"a drawn card drops into its place", {.stock = 35, .hands = {hand}}, draw1, 5,
       {At(0, Card(208, 356, 25, 16)), At(0, Card(224, 372, 30)), Card(208, 372, 25, 16)}},
      {"the highest card drops last", {.stock = 36, .hands = {hand}}, draw1, 5,
       {At(0, Card(224, 356, 140)), Card(224, 372, 140)}},
      {"dropped hands sink together", {.seats = 7, .stock = 40, .hands = {hand, {1, 2, 3, 4}, {}, {5}}},
       dropOut, 13, {At(0, Card(208, 372, 30)), At(6, Back(53, 325, 48)), At(6, Bg(32, 373, 14, 40)),
       Bg(32, 277, 96, 96), Back(146, 28), Bg(144, 356, 288, 112), Back(128, 184)}},
      {"the table sweeps away after a pause", {.table = true}, clear, 5,
       {At(1, Card(304, 192, 100)), At(2, Card(454, 42, 100)), Bg(304, 192, 64, 96)}, 301, 400},
      {"a shorter pause with the human out, in a hurry", {.status = {kDroppedOut}, .hurry = true}, clear, 5,
       {}, 61},
      {"the title", {}, title, 1, {Text(203, 240, "Click to Start...", kWhiteRgb, 20)}},
      {"the deal's result over the table as it stands, then the score table over a fresh one: each waits "
       "for a new click in the window", {.seats = 3}, result, 2,
       {At(0, Dim(32, 159)), At(0, No(Dim(32, 157))), At(0, No(Box(456, 408, 520, 432, grey))),
       At(0, t18(50, 171, "1P Ta")), At(0, No(t18(50, 171, "1P Tam"))), At(0, No(t18(208, 171, "2P たま"))),
       At(0, t18(50, 201, "残留  ")), At(0, t18(208, 201, "あがり")), At(0, t18(366, 201, "脱落  ")),
       At(0, t18(50, 231, "1人斬")), At(0, t18(50, 261, "2位")), At(0, t18(208, 261, "1位", yellow)),
       At(0, t18(50, 291, "+35")), At(0, t18(208, 291, "+ 5")), At(0, t18(366, 291, "+05")),
       Box(456, 408, 520, 432, grey), Dim(32, 84), No(Dim(32, 82)), t18(50, 96, "1P Ta"),
       t18(208, 96, "2P た", yellow), t18(208, 126, " 10"), t18(208, 336, "  5"), t18(50, 336, " 35"),
       t18(50, 366, " 95"), t18(366, 366, "1005"), line, No(At(0, line))}, 500, 599, 1000},
      // clang-format on
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    Set(r.scene);
    const uint32_t start = host.now;
    // A click outside the window, then one inside; a press from before the screen does not count.
    host.pressPending = true, host.ClickAt(600, 10, 100), host.ClickAt(100, 100, 500);
    r.run();
    host.events.clear();
    ASSERT_EQ(shown.size(), r.frames);
    EXPECT_GE(host.now - start, r.minMs);
    for (std::size_t i = 1; i < shown.size(); ++i) {
      const uint32_t gap = shown[i].second - shown[i - 1].second;
      EXPECT_TRUE(i == 1 ? gap >= r.gapMin && gap <= r.gapMax : gap >= 40) << "frame " << i << ": " << gap;
    }
    for (const Probe& p : r.probes) Check(shown[std::min(p.frame, shown.size() - 1)].first, {p});
  }
}

// With presentChangesOnly the window gets a frame exactly when its pixels differ from the last one.
TEST_F(ViewTest, PresentsOnlyChangedPixels) {
  Frame frame;
  frame.InitSurfaces(true);
  frame.presentChangesOnly = true;
  std::vector<QImage> shown;
  frame.presentHook = [&](const QImage& img) { shown.push_back(img); };
  const QImage first = frame.picMain.copy();
  const auto outline = [&] { frame.FrameRect(456, 408, 520, 432); };
  const std::pair<std::function<void()>, bool> rows[] = {
      {[] {}, true},  // the first frame
      {[] {}, false},
      {[&] { frame.CopyBackground(0, 0, 576, 480); }, false},
      {[&] { frame.SetForeground(kGreyRgb), outline(); }, true},
      {outline, false},
      {[&] { frame.DrawText(570, 470, "パス"); }, true},
      {[&] { frame.picMain.setPixel(3, 300, 0xFF123456u), outline(); }, true},  // drawn from outside
      {[&] { frame.picMain = shown.back().copy(); }, false},
      {[&] { frame.picMain = first.copy(); }, true},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const std::size_t before = shown.size();
    rows[i].first();
    frame.Present();
    EXPECT_EQ(shown.size() - before, rows[i].second ? 1u : 0u) << "row " << i;
    EXPECT_EQ(shown.back(), frame.picMain) << "row " << i;
  }
}

// The assist layer's words: a refused 決定 or パス on the table of 5♥ 5♦ (both locks), and the log
// line of a play or a pass once the rules are done with it.
TEST_F(ViewTest, AssistTexts) {
  view.assist = true, g.View = &view;
  // clang-format off
  const auto refused = [&](Selection picked) { return [=, this] { return RefusalText(g, RefusalReason(g, picked)); }; };
  const auto played = [&](Selection cards) { return [=, this] { return ApplyPlay(g, {cards}), view.Log().back(); }; };
  const auto passed = [&] { return DrawFromStock(g, g.Turn, false), view.Log().back(); };
  // clang-format on
  const std::vector<int> eights = {64, 67, 100}, sevens = {49, 50, 51, 52, 100};
  const struct {
    Scene scene;
    std::function<std::string()> run;
    std::string text;
  } rows[] = {
      // clang-format off
      {{.lead = 2}, refused({1}), "枚数が違う"},
      {{.lead = 2}, refused({1, 13}), "組になっていない"},
      {{.lead = 2}, refused({37, 40}), "マークしばり中"},
      {{.lead = 2}, refused({52, 55}), "偶数しばり中"},
      {{.lead = 2}, refused({16, 19}), "場より弱い"},
      {{.lead = 1}, refused({}), "親はパスできない"},
      {{.lead = 2, .hands = {eights}}, played({64, 67}), "1P: 8×2 8切り"},
      {{.lead = 2, .hands = {sevens}}, played({49, 50, 51, 52}), "1P: 7×4 革命 黒7で制限8"},
      {{.lead = 2, .hands = {{25, 100}, {1}}}, played({25}), "1P: 5×1 2Pスキップ"},
      {{.turn = 2, .hands = {{1}, {97, 98}}}, played({97}), "2P たまねこ: Q×1 Qリバース"},
      {{.lead = 2, .hands = {{100}, {1}, {2}}}, played({100}), "1P: Q×1 あがり"},
      {{.turn = 3, .stock = 36, .hands = {{1}, {2}, {3}}}, passed, "3P たまねこ: パスで1枚引く"},
      // clang-format on
  };
  for (const auto& row : rows) {
    Set(row.scene), g.SeatsInPlay = g.Options.SeatCount;
    EXPECT_EQ(row.run(), row.text);
  }
}

// On a busy table at every number of seats the assist's labels all find a place, and none lies on a card.
TEST_F(ViewTest, AssistCoversNoCard) {
  for (int seats = 2; seats <= 8; ++seats) {
    Scene busy{.seats = seats, .stock = 120, .line = 15, .initialLine = 15, .lifted = true};
    for (int s = 1; s <= seats; ++s) busy.hands.push_back(std::vector<int>(14, 1));
    Set(busy);
    for (int s = 1, k = 1; s <= seats; ++s)  // both ends of an eight-card play from every seat
      for (const Point p :
           {PlayedCardPlace(g.Options, s, k, 8, -5, -5), PlayedCardPlace(g.Options, s, 9 - k, 8, 5, 5)})
        g.TrickX[++g.TrickCount] = static_cast<int16_t>(p.x),
        g.TrickY[g.TrickCount] = static_cast<int16_t>(p.y);
    std::vector<AssistLabel> labels = AssistLabels(g, std::string(100, 'x'));
    if (const auto refusal = RefusalLabel(g, "組になっていない")) labels.push_back(*refusal);
    EXPECT_EQ(labels.size(), static_cast<std::size_t>(seats + 3)) << seats << " seats";
    for (const AssistLabel& l : labels)
      for (const Rect& c : CardRects(g))
        EXPECT_FALSE(l.box.x < c.Right() && c.x < l.box.Right() && l.box.y < c.Bottom() &&
                     c.y < l.box.Bottom())
            << seats << " seats: " << l.text << " on a card at " << c.x << "," << c.y;
  }
}

// Text set from cached glyph pixels is what the painter draws, at any place and size.
TEST_F(ViewTest, CachedGlyphsDrawAsThePainterDoes) {
  Frame frame;
  frame.InitSurfaces(true);
  const QString text = "制限枚数 -01 Click ♠2";
  for (int size : {12, 18, 20})
    for (QPoint at : {QPoint(216, 135), QPoint(-5, 3), QPoint(571, 470)}) {
      frame.SetFontSize(size);
      frame.CopyBackground(0, 0, 576, 480);
      QImage painted = frame.picMain.copy();
      QPainter p(&painted);
      p.setFont(frame.font);
      p.setPen(QColor::fromRgb(kYellowRgb));
      for (int i = 0, x = at.x(); i < text.size(); x += text[i++].unicode() < 0x80 ? size / 2 : size)
        p.drawText(x, at.y() + QFontMetrics(frame.font).ascent(), text.mid(i, 1));
      p.end();
      frame.SetForeground(kYellowRgb);
      frame.DrawText(at.x(), at.y(), text.toStdString());
      EXPECT_EQ(frame.picMain, painted) << size << " at " << at.x() << "," << at.y();
    }
}

// Outlines set from cached pixels are what the painter draws, clipped at the frame's edges alike.
TEST_F(ViewTest, CachedOutlinesDrawAsThePainterDoes) {
  // clang-format off
  const struct { bool round; int left, top, right, bottom, pen; QRgb colour; } rows[] = {
      {false, 420, 380, 484, 404, 1, kWhiteRgb}, {false, 420, 410, 484, 434, 1, kGreyRgb},
      {true, 296, 192, 360, 288, 2, kBlueRgb},   {true, 294, 190, 362, 290, 2, kRedRgb},
      {true, -30, -40, 34, 56, 2, kBlueRgb},     {true, 540, 400, 604, 496, 2, kRedRgb},
      {false, 560, -5, 600, 10, 3, kYellowRgb},  {true, 100, 100, 60, 50, 1, kWhiteRgb},
      {false, 420, 380, 484, 410, 1, kWhiteRgb}, {true, 296, 192, 360, 288, 1, kBlueRgb},
  };
  // clang-format on
  for (const auto& r : rows)
    for (int twice = 0; twice < 2; ++twice) {
      frame.CopyBackground(0, 0, 576, 480);
      QImage painted = frame.picMain.copy();
      {
        QPainter p(&painted);
        const double half = r.pen / 2.0;
        if (r.round) {
          p.setPen(QPen(QColor::fromRgb(r.colour), r.pen));
          p.drawRoundedRect(
              QRectF(r.left + half, r.top + half, r.right - r.left - r.pen, r.bottom - r.top - r.pen), 3, 3);
        } else {
          p.setPen(QPen(QColor::fromRgb(r.colour), r.pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
          p.drawRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
        }
      }
      frame.SetForeground(r.colour), frame.SetPenWidth(r.pen);
      r.round ? frame.FrameRoundRect(r.left, r.top, r.right, r.bottom, 6, 6)
              : frame.FrameRect(r.left, r.top, r.right, r.bottom);
      EXPECT_EQ(frame.picMain, painted) << r.left << "," << r.top << (twice ? " again" : "");
    }
}

// A card told which card comes next leaves out what that one covers, and the picture is the same
// as with every card drawn whole: fans, the draw pile's steps, a lifted card, the frame's edges.
TEST_F(ViewTest, CoveredCardsDrawAsIfDrawnWhole) {
  struct Place {
    int x, y, code;  // code 0: a back
  };
  // clang-format off
  const std::vector<std::vector<Place>> rows = {
      {{100, 50, 0}, {104, 50, 0}, {108, 50, 0}, {112, 50, 0}},      // an eight-seat fan
      {{200, 300, 0}, {200, 298, 0}, {200, 296, 0}},                  // the draw pile
      {{50, 380, 1}, {66, 364, 40}, {82, 380, 137}, {98, 380, 136}},  // a hand, the second card lifted
      {{-40, -30, 5}, {-24, -30, 6}, {-8, -60, 0}, {8, -50, 142}},    // over the top-left corner
      {{530, 420, 7}, {546, 422, 0}, {562, 400, 90}},                 // over the bottom-right corner
      {{300, 200, 12}, {380, 200, 13}, {300, 310, 14}, {301, 211, 15}},  // apart, then one just beside
  };
  // clang-format on
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 576; ++x) frame.picMain.setPixel(x, y, qRgb(x % 251, 60 + y % 7, (x * y) % 253));
    const QImage before = frame.picMain.copy();
    const auto draw = [&](const Place& p, std::optional<Point> next) {
      p.code == 0 ? frame.DrawCardBack(p.x, p.y, 96, next)
                  : frame.DrawCard(p.x, p.y, p.code, g.SuitOf(p.code), g.RankOf(p.code), next);
    };
    const std::vector<Place>& cards = rows[row];
    for (const Place& p : cards) draw(p, std::nullopt);
    const QImage whole = frame.picMain.copy();
    frame.picMain = before.copy();
    for (std::size_t i = 0; i < cards.size(); ++i)
      draw(cards[i],
           i + 1 < cards.size() ? std::optional(Point{cards[i + 1].x, cards[i + 1].y}) : std::nullopt);
    EXPECT_EQ(frame.picMain, whole) << "row " << row;
  }
}

}  // namespace
}  // namespace tomaruk

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "support/fake_host.h"
#include "view/table_view.h"
#include "view_env.h"

namespace tomaruk {
namespace {

bool IsGreen(QRgb c) { return c == kTableGreen; }

class AnimationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    frame.InitSurfaces(true);
    SetUpTable(g, 4);
    host.now = 1000;
    host.quitAt = 100000;  // a wait that never ends fails instead of hanging
    frame.presentHook = [this](const QImage& img) {
      shown.push_back(img);
      times.push_back(host.now);
    };
  }
  void Deal(int seat, std::initializer_list<int> codes) {
    SeatRecord& s = g.Seat[seat];
    s.CardCount = 0;
    for (int c : codes) s.Hand[++s.CardCount] = static_cast<uint8_t>(c);
  }
  // Every frame is shown at least 40 ms after the one before.
  void ExpectPaced() const {
    for (std::size_t i = 1; i < times.size(); ++i) EXPECT_GE(times[i] - times[i - 1], 40u) << "frame " << i;
  }
  // The face of the card covers the frame there, except for its corners.
  bool CardAt(const QImage& img, int x, int y, int code) const {
    Frame probe;
    probe.InitSurfaces(true);
    probe.picMain = img.copy();
    probe.DrawCard(x, y, code, g.SuitOf(code), g.RankOf(code));
    return SameArea(probe.picMain, img,
                    QRect(std::max(x, 0), std::max(y, 0), 64, 96).intersected(img.rect()));
  }
  bool BackAt(const QImage& img, int x, int y) const {
    Frame probe;
    probe.InitSurfaces(true);
    probe.picMain = img.copy();
    probe.DrawCardBack(x, y, 96);
    return SameArea(probe.picMain, img, QRect(x, y, 64, 96).intersected(img.rect()));
  }

  Game g;
  Frame frame;
  FakeHost host;
  Pacer pacer{host};
  TableView view{g, pacer, frame};
  std::vector<QImage> shown;
  std::vector<uint32_t> times;
};

TEST_F(AnimationTest, PlayFliesInThreeFrames) {
  g.Turn = 1;
  g.Table.Count = 1;
  g.Table.Cards[1] = 100;
  g.Table.X[1] = 304;
  g.Table.Y[1] = 192;
  view.AnimatePlay();
  ASSERT_EQ(shown.size(), 3u);
  ExpectPaced();
  EXPECT_GE(host.now - 1000, 120u);
  // From the middle of the hand (244, 372), a third of the way each frame.
  EXPECT_TRUE(CardAt(shown[0], 264, 312, 100));
  EXPECT_TRUE(CardAt(shown[1], 284, 252, 100));
  EXPECT_TRUE(CardAt(shown[2], 304, 192, 100));
  EXPECT_FALSE(CardAt(shown[0], 304, 192, 100));

  // Eight cards from a computer seat still take three frames, starting at its first back.
  shown.clear();
  times.clear();
  g.Turn = 3;
  g.Table.Count = 8;
  for (int i = 1; i <= 8; ++i) {
    g.Table.Cards[i] = static_cast<uint8_t>(10 + i);
    g.Table.X[i] = static_cast<int16_t>(240 + 16 * i);
    g.Table.Y[i] = 192;
  }
  view.AnimatePlay();
  ASSERT_EQ(shown.size(), 3u);
  ExpectPaced();
  const double a = view.SeatAngle(3);
  const int sx = RoundEven(std::cos(a) * 240 + 288 - 44), sy = RoundEven(std::sin(a) * 180 + 240 - 48);
  EXPECT_TRUE(
      CardAt(shown[0], RoundEven((368 - sx) / 30.0 * 10 + sx), RoundEven((192 - sy) / 30.0 * 10 + sy), 18));
  EXPECT_TRUE(
      CardAt(shown[1], RoundEven((368 - sx) / 30.0 * 20 + sx), RoundEven((192 - sy) / 30.0 * 20 + sy), 18));
  EXPECT_TRUE(CardAt(shown[2], 240 + 16 * 8, 192, 18));
}

TEST_F(AnimationTest, DrawToAComputerSeat) {
  g.StockCount = 35;
  g.Stock[35] = 70;
  Deal(2, {1, 2, 3});
  view.AnimateDraw(2);
  ASSERT_EQ(shown.size(), 5u);
  ExpectPaced();
  EXPECT_GE(host.now - 1000, 200u);
  // From the top of the pile to the fourth place of the fan.
  EXPECT_TRUE(BackAt(shown[0], 128, 186));
  const double a = view.SeatAngle(2);
  const int tx = RoundEven(std::cos(a) * 240 + 288 + (30 / 4) * 3 - 44);
  const int ty = RoundEven(std::sin(a) * 180 + 240 - 48);
  EXPECT_TRUE(BackAt(shown[4], tx, ty));
  EXPECT_TRUE(BackAt(shown[2], RoundEven((tx - 128) / 2.0 + 128), RoundEven((ty - 186) / 2.0 + 186)));
  // Nothing moved in the game.
  EXPECT_EQ(g.StockCount, 35);
  EXPECT_EQ(g.Seat[2].CardCount, 3);
}

TEST_F(AnimationTest, DrawIntoTheHumanHand) {
  g.Options.InitialLine = 11;  // the hand starts at 176
  Deal(1, {10, 20, 30});
  g.StockCount = 5;
  g.Stock[5] = 25;
  view.RenderTable(0, false, true);
  frame.picMain.setPixel(5, 5, qRgb(1, 2, 3));  // outside the hand area: must survive
  view.AnimateDraw(1);
  ASSERT_EQ(shown.size(), 5u);
  ExpectPaced();
  for (const QImage& img : shown) EXPECT_EQ(img.pixel(5, 5), qRgb(1, 2, 3));
  // The new card drops from 16 pixels up into the third place; 30 has moved on already.
  EXPECT_TRUE(CardAt(shown[0], 176 + 48, 372, 30));
  EXPECT_FALSE(IsGreen(shown[0].pixel(176 + 32 + 8, 372 - 14)));
  EXPECT_FALSE(IsGreen(shown[3].pixel(176 + 32 + 8, 372 - 3)));
  EXPECT_TRUE(IsGreen(shown[4].pixel(176 + 32 + 8, 372 - 3)));

  // A card lower than every card goes first and pushes the whole hand right.
  shown.clear();
  times.clear();
  g.Stock[5] = 2;
  view.AnimateDraw(1);
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_FALSE(IsGreen(shown[0].pixel(176 + 8, 372 - 14)));
  EXPECT_TRUE(CardAt(shown[0], 176 + 48, 372, 30));
  // And one higher than every card goes last.
  shown.clear();
  g.Stock[5] = 140;
  view.AnimateDraw(1);
  EXPECT_TRUE(CardAt(shown[4], 176 + 48, 372, 140));
}

TEST_F(AnimationTest, DroppedHandsSinkTogether) {
  Deal(1, {10, 20, 30});
  Deal(2, {1, 2, 3, 4});
  Deal(3, {5, 6});
  Deal(4, {7, 8});
  g.StockCount = 40;
  view.RenderTable(0, false, true);
  std::array<bool, 9> marked{};
  marked[1] = marked[2] = marked[4] = true;
  view.AnimateDropOut(marked);
  ASSERT_EQ(shown.size(), 13u);
  ExpectPaced();
  EXPECT_GE(host.now - 1000, 13u * 40);
  auto fan = [&](int s) {
    const double a = view.SeatAngle(s);
    return QPoint(RoundEven(std::cos(a) * 240 + 288 - 44), RoundEven(std::sin(a) * 180 + 240 - 48));
  };
  // Halfway the backs have moved down 48 rows and lost as many at the bottom.
  const QPoint p2 = fan(2), p3 = fan(3), p4 = fan(4);
  EXPECT_TRUE(IsGreen(shown[6].pixel(p2.x() + 10, p2.y() + 20)));
  EXPECT_FALSE(IsGreen(shown[6].pixel(p2.x() + 10, p2.y() + 60)));
  // At the end nothing is left of them, while seat 3 keeps its cards.
  const QImage& last = shown.back();
  for (const QPoint& p : {p2, p4})
    EXPECT_TRUE(InkBox(last, QRect(p.x(), p.y(), 94, 96), [](QRgb c) { return c != kTableGreen; }).isEmpty());
  EXPECT_FALSE(IsGreen(last.pixel(p3.x() + 10, p3.y() + 60)));
  // The human hand slid 96 pixels down, off the hand area.
  EXPECT_TRUE(IsGreen(last.pixel(176 + 8, 400)));
  EXPECT_FALSE(IsGreen(shown[0].pixel(176 + 8, 400)));
  // The draw pile's top back is whole again.
  EXPECT_TRUE(BackAt(last, 128, 192 - 8));
}

TEST_F(AnimationTest, TableSweepsAwayAfterAPause) {
  g.Table.Count = 1;
  g.Table.Cards[1] = 60;
  g.Table.X[1] = 304;
  g.Table.Y[1] = 192;
  view.ClearTableEffect();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_GE(times[1] - times[0], 300u);
  ExpectPaced();
  EXPECT_TRUE(CardAt(shown[0], 304, 192, 60));
  EXPECT_TRUE(CardAt(shown[1], 304, 192, 60));
  EXPECT_TRUE(CardAt(shown[2], 454, 42, 60));
  EXPECT_TRUE(IsGreen(shown[4].pixel(340, 240)));
  // With the human out and the hurry option on, the pause is 60 ms.
  shown.clear();
  times.clear();
  g.Options.SkipWhenOut = 255;
  g.Seat[1].Status = kDroppedOut;
  view.ClearTableEffect();
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_GE(times[1] - times[0], 60u);
  EXPECT_LT(times[1] - times[0], 100u);

  // Each dealt card is a shown frame and a 20 ms wait.
  shown.clear();
  const uint32_t before = host.now;
  view.DealtCard();
  EXPECT_EQ(shown.size(), 1u);
  EXPECT_GT(host.now - before, 20u);
}

}  // namespace
}  // namespace tomaruk

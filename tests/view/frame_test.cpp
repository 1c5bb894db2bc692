#include "view/frame.h"

#include <gtest/gtest.h>

#include "view_env.h"

namespace tomaruk {
namespace {

// Fills the frame with a pattern no sheet contains, so every change shows.
void Scribble(Frame& f) {
  for (int y = 0; y < f.picMain.height(); ++y)
    for (int x = 0; x < f.picMain.width(); ++x)
      f.picMain.setPixel(x, y, qRgb(x % 251, 60 + y % 7, (x * y) % 253));
}

bool IsCorner(int dx, int dy) {
  const int ex = dx < 32 ? dx : 63 - dx, ey = dy < 48 ? dy : 95 - dy;
  return (ex == 0 && ey <= 1) || (ex == 1 && ey == 0);
}

class FrameTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    BuildCardTable(g);
    frame.InitSurfaces(GetParam());
  }
  void Card(int x, int y, int code) { frame.DrawCard(x, y, code, g.SuitOf(code), g.RankOf(code)); }
  Game g;
  Frame frame;
};

TEST_P(FrameTest, SurfacesAreReady) {
  // The built-in pictures load; the painted ones stand in only when asked for (or missing).
  EXPECT_EQ(frame.sheetsLoaded, !GetParam());
  EXPECT_EQ(frame.picCard.size(), QSize(832, 480));
  EXPECT_EQ(frame.picGra.size(), QSize(224, 64));
  EXPECT_EQ(frame.picMain.size(), QSize(576, 480));
  EXPECT_EQ(frame.picMain.format(), QImage::Format_RGB32);
  EXPECT_EQ(frame.picBack.pixel(0, 0), kTableGreen);
  EXPECT_EQ(frame.picBack.pixel(575, 479), kTableGreen);
  // The dimming mask repeats the checker tile: white only at even x, odd y.
  for (int y = 0; y < 480; y += 37)
    for (int x = 0; x < 576; x += 29)
      EXPECT_EQ(frame.picEffect.pixel(x, y), (x % 2 == 0 && y % 2 == 1) ? kWhiteRgb : 0xFF000000u)
          << x << "," << y;
}

TEST_P(FrameTest, CardKeepsTheBackgroundOnlyInItsCorners) {
  for (int code : {1, 84, 85, 112, 136, 137, 142}) {
    Scribble(frame);
    const QImage before = frame.picMain.copy();
    const int x = 100 + code % 7, y = 50 + code % 5;
    Card(x, y, code);
    const int suit = g.SuitOf(code);
    const int cellX = suit == 0 ? 64 * ((code - 137) / 3) : 64 * (g.RankOf(code) - 3);
    const int cellY = suit == 0 ? 384 : 96 * (suit - 1);
    int corners = 0;
    for (int dy = 0; dy < 96; ++dy)
      for (int dx = 0; dx < 64; ++dx) {
        const QRgb got = frame.picMain.pixel(x + dx, y + dy);
        if (IsCorner(dx, dy)) {
          ++corners;
          ASSERT_EQ(got, before.pixel(x + dx, y + dy)) << code << " corner " << dx << "," << dy;
        } else {
          ASSERT_EQ(got, frame.picCard.pixel(cellX + dx, cellY + dy)) << code << " at " << dx << "," << dy;
        }
      }
    EXPECT_EQ(corners, 12);
    // Nothing outside the card changes.
    EXPECT_TRUE(SameArea(frame.picMain, before, QRect(x - 2, y - 2, 1, 100)));
    EXPECT_TRUE(SameArea(frame.picMain, before, QRect(x + 64, y, 2, 96)));
    EXPECT_TRUE(SameArea(frame.picMain, before, QRect(x, y + 96, 64, 2)));
  }
  // A card half off the frame draws its visible part in place.
  Scribble(frame);
  Card(540, -20, 50);
  const int cellX = 64 * (g.RankOf(50) - 3), cellY = 96 * (g.SuitOf(50) - 1);
  EXPECT_EQ(frame.picMain.pixel(545, 0), frame.picCard.pixel(cellX + 5, cellY + 20));
  EXPECT_EQ(frame.picMain.pixel(575, 75), frame.picCard.pixel(cellX + 35, cellY + 95));
}

TEST_P(FrameTest, BackHeights) {
  Scribble(frame);
  const QImage before = frame.picMain.copy();
  frame.DrawCardBack(200, 100, 0);
  EXPECT_EQ(frame.picMain, before);

  frame.DrawCardBack(200, 100, 96);
  const QImage full = frame.picMain.copy();
  frame.picMain = before.copy();
  frame.DrawSprite(frame.picCard, 192, 128, 384, 200, 100, 64, 96);
  EXPECT_EQ(frame.picMain, full);
  EXPECT_FALSE(SameArea(full, before, QRect(210, 150, 40, 1)));

  // A part of a back: its top rows, nothing below.
  frame.picMain = before.copy();
  frame.DrawCardBack(200, 100, 40);
  EXPECT_TRUE(SameArea(frame.picMain, full, QRect(200, 100, 64, 40)));
  EXPECT_TRUE(SameArea(frame.picMain, before, QRect(200, 140, 64, 56)));
}

TEST_P(FrameTest, DimmingTwiceIsDimmingOnce) {
  Scribble(frame);
  const QImage before = frame.picMain.copy();
  frame.DimRect(31, 17, 64, 24);
  const QImage once = frame.picMain.copy();
  frame.DimRect(31, 17, 64, 24);
  EXPECT_EQ(frame.picMain, once);
  // Counted from the area's corner: even columns of odd rows keep their colour.
  EXPECT_EQ(once.pixel(31, 18), before.pixel(31, 18));
  EXPECT_EQ(once.pixel(33, 40), before.pixel(33, 40));
  EXPECT_EQ(once.pixel(31, 17), 0xFF000000u);
  EXPECT_EQ(once.pixel(32, 18), 0xFF000000u);
  EXPECT_EQ(once.pixel(94, 40), 0xFF000000u);
  EXPECT_EQ(once.pixel(95, 18), before.pixel(95, 18));
  EXPECT_EQ(once.pixel(31, 41), before.pixel(31, 41));
}

TEST_P(FrameTest, TwoJokerPictures) {
  auto picture = [&](int code) {
    frame.CopyBackground(0, 0, 576, 480);
    Card(10, 10, code);
    return frame.picMain.copy(10, 10, 64, 96);
  };
  const QImage first = picture(137), second = picture(140);
  EXPECT_NE(first, second);
  EXPECT_EQ(picture(138), first);
  EXPECT_EQ(picture(139), first);
  EXPECT_EQ(picture(141), second);
  EXPECT_EQ(picture(142), second);
  EXPECT_NE(picture(136), first);
}

TEST_P(FrameTest, TextGoesCellByCell) {
  frame.SetFontSize(12);
  frame.SetForeground(kWhiteRgb);
  auto white = [](QRgb c) { return c == kWhiteRgb; };
  frame.CopyBackground(0, 0, 576, 480);
  frame.DrawText(100, 50, "決定");
  const QRect box = InkBox(frame.picMain, QRect(80, 40, 60, 30), white);
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GE(box.left(), 100);
  EXPECT_LE(box.right(), 123);
  EXPECT_GE(box.top(), 50);
  EXPECT_LE(box.bottom(), 62);
  // A full-width character moves the next one on by 12 pixels, a half-width one by 6.
  const QImage pair = frame.picMain.copy();
  frame.CopyBackground(0, 0, 576, 480);
  frame.DrawText(112, 50, "定");
  EXPECT_TRUE(SameArea(frame.picMain, pair, QRect(112, 45, 12, 20)));
  frame.CopyBackground(0, 0, 576, 480);
  frame.DrawText(100, 80, "2P");
  const QImage ascii = frame.picMain.copy();
  frame.CopyBackground(0, 0, 576, 480);
  frame.DrawText(106, 80, "P");
  EXPECT_TRUE(SameArea(frame.picMain, ascii, QRect(106, 75, 6, 20)));
  // Colours follow the foreground.
  frame.SetForeground(kYellowRgb);
  frame.DrawText(200, 200, "制限");
  EXPECT_FALSE(
      InkBox(frame.picMain, QRect(200, 200, 24, 13), [](QRgb c) { return c == kYellowRgb; }).isEmpty());
}

TEST_P(FrameTest, OutlinesAndPresent) {
  frame.CopyBackground(0, 0, 576, 480);
  frame.SetForeground(kGreyRgb);
  frame.SetPenWidth(1);
  frame.FrameRect(456, 408, 520, 432);
  auto grey = [](QRgb c) { return c == kGreyRgb; };
  EXPECT_EQ(InkBox(frame.picMain, QRect(440, 400, 100, 40), grey), QRect(456, 408, 64, 24));

  QImage shown;
  frame.presentHook = [&](const QImage& img) { shown = img; };
  frame.Present();
  EXPECT_EQ(frame.presentCount, 1);
  // Drawing the next frame does not reach what the window shows.
  frame.DrawCardBack(0, 0, 96);
  EXPECT_EQ(shown.pixel(10, 10), kTableGreen);
  EXPECT_NE(frame.picMain.pixel(10, 10), kTableGreen);
}

INSTANTIATE_TEST_SUITE_P(Sheets, FrameTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("Painted") : std::string("Loaded");
                         });

}  // namespace
}  // namespace tomaruk

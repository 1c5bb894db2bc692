#include "view/table_view.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"
#include "view_env.h"

namespace tomaruk {
namespace {

class TableViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    frame.InitSurfaces(true);
  }
  // The empty table as the frame starts it.
  QImage Clean() {
    frame.CopyBackground(0, 0, 576, 480);
    return frame.picMain.copy();
  }
  QImage Render() {
    view.RenderTable(0, false, true);
    return frame.picMain.copy();
  }
  void GiveHand(int seat, std::initializer_list<int> cards) {
    int i = 0;
    for (int c : cards) g.Seat[seat].Hand[++i] = static_cast<uint8_t>(c);
    g.Seat[seat].CardCount = static_cast<uint8_t>(i);
  }
  Game g;
  FakeHost host;
  Pacer pacer{host};
  Frame frame;
  TableView view{g, pacer, frame};
};

bool Is(QRgb want, QRgb got) { return want == got; }

TEST_F(TableViewTest, SeatAnglesFollowTheSeatCount) {
  SetUpTable(g, 2);
  EXPECT_DOUBLE_EQ(view.SeatAngle(2), 270 * 0.017453292519943278);
  SetUpTable(g, 5);
  EXPECT_DOUBLE_EQ(view.SeatAngle(5), 369 * 0.017453292519943278);
  SetUpTable(g, 8);
  EXPECT_DOUBLE_EQ(view.SeatAngle(2), 146 * 0.017453292519943278);
  EXPECT_DOUBLE_EQ(view.SeatAngle(8), 392 * 0.017453292519943278);
}

TEST_F(TableViewTest, TwoSeatsPutSeatTwoStraightAbove) {
  SetUpTable(g, 2);
  GiveHand(2, {5});
  const QImage shown = Render();

  // Its one back at (244, 12).
  frame.picMain = Clean();
  frame.DrawCardBack(244, 12, 96);
  EXPECT_TRUE(SameArea(shown, frame.picMain, QRect(236, 4, 80, 104)));

  // Its label at (258, 110), white: neither its turn nor its lead.
  frame.picMain = Clean();
  frame.SetForeground(kWhiteRgb);
  frame.DrawText(258, 110, "2P ひよこ　");
  EXPECT_TRUE(SameArea(shown, frame.picMain, QRect(250, 108, 90, 12)));
  const QRect label = InkBox(shown, QRect(240, 109, 120, 14), [](QRgb c) { return c == kWhiteRgb; });
  EXPECT_GE(label.left(), 258);
  EXPECT_GE(label.top(), 110);

  // Out of the deal: no backs, a dimmed box at (256, 48) with the label in it.
  g.Seat[2].Status = kDroppedOut;
  const QImage out = Render();
  EXPECT_EQ(out.pixel(256, 48), 0xFF000000u);
  EXPECT_EQ(out.pixel(256, 49), kTableGreen);
  EXPECT_EQ(out.pixel(257, 49), 0xFF000000u);
  EXPECT_EQ(out.pixel(318, 71), kTableGreen);
  EXPECT_EQ(out.pixel(319, 71), 0xFF000000u);
  EXPECT_EQ(out.pixel(255, 48), kTableGreen);
  EXPECT_EQ(out.pixel(320, 48), kTableGreen);
  EXPECT_EQ(out.pixel(256, 72), kTableGreen);
  EXPECT_EQ(out.pixel(250, 30), kTableGreen);  // where the back was
  const QRect text = InkBox(out, QRect(240, 40, 100, 40), [](QRgb c) { return c == kWhiteRgb; });
  ASSERT_FALSE(text.isEmpty());
  EXPECT_GE(text.left(), 264);
  EXPECT_LE(text.right(), 311);
  EXPECT_GE(text.top(), 54);
  EXPECT_LE(text.bottom(), 66);

  // Skipped: the backs stay and the label goes over them.
  g.Seat[2].Status = kSkipped;
  const QImage skipped = Render();
  EXPECT_NE(skipped.pixel(250, 30), kTableGreen);
  EXPECT_EQ(skipped.pixel(256, 48), 0xFF000000u);
}

TEST_F(TableViewTest, LabelColours) {
  SetUpTable(g, 4);
  auto count = [](const QImage& img, QRgb colour) {
    return InkBox(img, QRect(0, 0, 576, 356), [&](QRgb c) { return Is(colour, c); });
  };
  g.Turn = 3;
  g.LeadSeat = 3;
  // The seat whose turn it is shows yellow even when it made the last play.
  QImage img = Render();
  EXPECT_FALSE(count(img, kYellowRgb).isEmpty());
  EXPECT_TRUE(count(img, kRedRgb).isEmpty());
  g.Turn = 1;
  img = Render();
  EXPECT_TRUE(count(img, kYellowRgb).isEmpty());
  EXPECT_FALSE(count(img, kRedRgb).isEmpty());
}

TEST_F(TableViewTest, LimitTextHasTwoDigits) {
  SetUpTable(g, 3);
  auto digits = [&](const char* text) {
    frame.picMain = Clean();
    frame.SetForeground(kWhiteRgb);
    frame.DrawText(270, 135, text);
    return frame.picMain.copy();
  };
  g.Line = 7;
  QImage img = Render();
  EXPECT_TRUE(SameArea(img, digits("07"), QRect(270, 133, 12, 16)));
  frame.picMain = Clean();
  frame.DrawText(216, 135, "制限枚数");
  EXPECT_TRUE(SameArea(img, frame.picMain, QRect(214, 133, 54, 16)));
  g.Line = 12;
  img = Render();
  EXPECT_TRUE(SameArea(img, digits("12"), QRect(270, 133, 12, 16)));
}

TEST_F(TableViewTest, DrawPileShowsOneBackForEveryTenCards) {
  SetUpTable(g, 2);
  // The highest back's top edge: non-green at its top row, green just above it.
  auto topRow = [&](int stock) {
    g.StockCount = stock;
    const QImage img = Render();
    for (int y = 150; y < 200; ++y)
      if (img.pixel(160, y) != kTableGreen) return y;
    return -1;
  };
  EXPECT_EQ(topRow(0), 192);
  EXPECT_EQ(topRow(9), 192);
  EXPECT_EQ(topRow(10), 190);
  EXPECT_EQ(topRow(19), 190);
  EXPECT_EQ(topRow(20), 188);
  EXPECT_EQ(topRow(142), 164);
}

TEST_F(TableViewTest, HumanHandAndButtons) {
  // The left edge: 208 for a limit of 7, 144 for 15; each card shows a 16-pixel strip.
  for (auto [line, left] : {std::pair{7, 208}, std::pair{15, 144}}) {
    SetUpTable(g, 2, line);
    GiveHand(1, {1, 20, 40});
    const QImage img = Render();
    const QRect hand = InkBox(img, QRect(130, 356, 320, 112), [](QRgb c) { return c != kTableGreen; });
    EXPECT_EQ(hand.left(), left) << line;
    EXPECT_EQ(hand.right(), left + 2 * 16 + 63) << line;
    EXPECT_EQ(hand.top(), 372) << line;
    EXPECT_EQ(view.HandLeft(), left);
  }
  // A selected card sits 16 pixels higher.
  g.Seat[1].Selected[2] = true;
  QImage img = Render();
  EXPECT_EQ(img.pixel(144 + 8, 360), kTableGreen);
  EXPECT_NE(img.pixel(144 + 16 + 8, 360), kTableGreen);

  // Grey outlines with their captions, white when highlighted.
  auto grey = [](QRgb c) { return c == kGreyRgb; };
  EXPECT_EQ(InkBox(img, QRect(440, 400, 100, 40), grey), QRect(456, 408, 64, 24));
  EXPECT_EQ(InkBox(img, QRect(440, 440, 100, 40), grey), QRect(456, 444, 64, 24));
  view.DrawButtons(2);
  img = frame.picMain.copy();
  EXPECT_EQ(InkBox(img, QRect(440, 440, 100, 40), [](QRgb c) { return c == kWhiteRgb; }),
            QRect(456, 444, 64, 24));
  const QRect caption = InkBox(img, QRect(460, 410, 56, 20), grey);
  EXPECT_GE(caption.left(), 476);
  EXPECT_LE(caption.right(), 499);

  // Out of the deal: no hand, no buttons, the label in the middle of the hand area.
  g.Seat[1].Status = kFinished;
  img = Render();
  EXPECT_TRUE(InkBox(img, QRect(440, 400, 100, 80), [](QRgb c) { return c != kTableGreen; }).isEmpty());
  EXPECT_EQ(InkBox(img, QRect(130, 356, 320, 112), [](QRgb c) { return c == 0xFF000000u; }),
            QRect(256, 408, 64, 24));
  const QRect text = InkBox(img, QRect(256, 408, 64, 24), [](QRgb c) { return c == kWhiteRgb; });
  EXPECT_GE(text.left(), 264);
  EXPECT_LE(text.right(), 311);
}

TEST_F(TableViewTest, TableCardsLocksAndTheClearingSweep) {
  SetUpTable(g, 3);
  g.Table.Count = 2;
  g.Table.Cards[1] = 30;
  g.Table.Cards[2] = 31;
  g.Table.X[1] = 296;
  g.Table.X[2] = 312;
  g.Table.Y[1] = g.Table.Y[2] = 192;
  g.TrickCount = 1;
  g.TrickPile[1] = 10;
  g.TrickX[1] = 200;
  g.TrickY[1] = 250;

  const QImage plain = Render();
  // The table combination is left out on request.
  view.RenderTable(0, false, false);
  EXPECT_NE(frame.picMain.pixel(340, 250), plain.pixel(340, 250));
  EXPECT_TRUE(SameArea(frame.picMain, plain, QRect(200, 250, 64, 96)));

  g.Table.SuitLock = true;
  g.Table.ParityLock = true;
  QImage img = Render();
  auto blue = [](QRgb c) { return c == kBlueRgb; };
  auto red = [](QRgb c) { return c == kRedRgb; };
  // The last card's frames lie on top; the first card's are partly covered by the second card.
  EXPECT_FALSE(InkBox(img, QRect(312, 192, 64, 96), blue).isEmpty());
  const QRect parity = InkBox(img, QRect(280, 180, 110, 130), red);
  EXPECT_EQ(parity.left(), 294);
  EXPECT_EQ(parity.right(), 377);
  EXPECT_EQ(parity.top(), 190);
  EXPECT_EQ(parity.bottom(), 289);

  // Sweeping: the cards move up and right together, without their frames.
  view.RenderTable(150, false, true);
  img = frame.picMain.copy();
  EXPECT_TRUE(InkBox(img, QRect(0, 0, 576, 480), red).isEmpty());
  g.Table.SuitLock = false;
  g.Table.ParityLock = false;
  view.RenderTable(150, false, true);
  EXPECT_EQ(frame.picMain, img);
  frame.picMain = Clean();
  view.DrawCard(350, 100, 10);
  EXPECT_TRUE(SameArea(img, frame.picMain, QRect(350, 100, 64, 96)));
  EXPECT_EQ(img.pixel(340, 300), kTableGreen);
  view.RenderTable(450, false, true);
  EXPECT_EQ(frame.picMain.pixel(340, 300), kTableGreen);
  EXPECT_EQ(frame.picMain.pixel(230, 300), kTableGreen);
}

TEST_F(TableViewTest, IconsFollowTheOrderAndTheDirection) {
  SetUpTable(g, 3);
  const QImage normal = Render();
  g.Direction = -1;
  const QImage reversed = Render();
  EXPECT_FALSE(SameArea(normal, reversed, QRect(336, 120, 32, 32)));
  EXPECT_TRUE(SameArea(normal, reversed, QRect(296, 120, 32, 32)));
  g.Revolution = -1;
  const QImage revolution = Render();
  EXPECT_FALSE(SameArea(reversed, revolution, QRect(296, 120, 32, 32)));
  // The cyan revolution arrow shows under the outline of the order in force.
  EXPECT_FALSE(
      InkBox(revolution, QRect(296, 120, 32, 32), [](QRgb c) { return c == 0xFF00FFFFu; }).isEmpty());
  // A J under revolution turns the order back: the outline arrow changes, the cyan one stays.
  g.TempRevolution = -1;
  const QImage both = Render();
  EXPECT_FALSE(SameArea(both, revolution, QRect(296, 120, 32, 32)));
}

TEST_F(TableViewTest, TitleAndResultScreens) {
  SetUpTable(g, 3);
  int shown = 0;
  frame.presentHook = [&](const QImage&) { ++shown; };
  view.DrawTitle();
  EXPECT_EQ(shown, 1);
  const QRect title = InkBox(frame.picMain, QRect(0, 0, 576, 480), [](QRgb c) { return c == kWhiteRgb; });
  EXPECT_GE(title.left(), 203);
  EXPECT_LE(title.right(), 203 + 170);
  EXPECT_GE(title.top(), 240);
  EXPECT_LE(title.bottom(), 260);

  ResultScreen first;
  first.bandY = 159;
  first.bandH = 162;
  first.texts.push_back({50, 171, "1P   ", 0xFFFFFF});
  first.texts.push_back({50, 261, "1位", 0xFFFF00});
  Render();
  // A click made before the screen is up does not count.
  host.pressPending = true;
  host.ClickAt(600, 10, 100);  // outside the window
  host.ClickAt(100, 100, 500);
  const uint32_t start = host.now;
  view.ShowResultScreen(first);
  EXPECT_GE(host.now, start + 500);
  EXPECT_EQ(shown, 2);
  QImage img = frame.picMain.copy();
  EXPECT_EQ(img.pixel(32, 159), 0xFF000000u);
  EXPECT_EQ(img.pixel(32, 160), kTableGreen);
  EXPECT_EQ(img.pixel(31, 160), kTableGreen);
  EXPECT_EQ(img.pixel(544, 160), kTableGreen);
  EXPECT_EQ(img.pixel(32, 322), kTableGreen);
  const QRect yellow = InkBox(img, QRect(0, 0, 576, 480), [](QRgb c) { return c == kYellowRgb; });
  EXPECT_GE(yellow.left(), 50);
  EXPECT_GE(yellow.top(), 261);
  EXPECT_LE(yellow.bottom(), 261 + 18);
  // Full-width cells of 18 pixels: "1位" ends within 9 + 18 pixels.
  EXPECT_LE(yellow.right(), 50 + 27);

  ResultScreen second;
  second.redrawTable = true;
  second.bandY = 84;
  second.bandH = 312;
  second.hasLine = true;
  second.lineX1 = 40;
  second.lineX2 = 536;
  second.lineY1 = second.lineY2 = 180;
  host.ClickAt(10, 10, 30);
  view.ShowResultScreen(second);
  img = frame.picMain.copy();
  EXPECT_EQ(img.pixel(50, 261), kTableGreen);  // the first screen is gone under the redraw
  EXPECT_EQ(InkBox(img, QRect(0, 170, 576, 16), [](QRgb c) { return c == kWhiteRgb; }),
            QRect(40, 180, 496, 1));
  // The table goes back to its own font.
  EXPECT_EQ(frame.fontSize, 12);
}

}  // namespace
}  // namespace tomaruk

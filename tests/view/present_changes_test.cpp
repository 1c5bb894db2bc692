#include <gtest/gtest.h>

#include <QPainter>

#include "support/fake_host.h"
#include "view/table_view.h"
#include <QGuiApplication>

namespace tomaruk {
namespace {

void EnsureGuiApplication() {
  static int argc = 1;
  static char arg0[] = "view_tests", *argv[] = {arg0, nullptr};
  if (QCoreApplication::instance() == nullptr) new QGuiApplication(argc, argv);  // kept for the whole run
}

bool SameArea(const QImage& a, const QImage& b, QRect area) {
  return a.copy(area) == b.copy(area);
}

// With presentChangesOnly the window gets a frame exactly when its pixels differ from the last one.
TEST(FrameOnScreen, PresentsOnlyChangedPixels) {
  EnsureGuiApplication();
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

// Text set from cached glyph pixels is what the painter draws, at any place and size.
TEST(FrameOnScreen, CachedGlyphsDrawAsThePainterDoes) {
  EnsureGuiApplication();
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

// A limit below zero keeps two digits after its sign, as every number on the table does.
TEST(FrameOnScreen, LimitBelowZeroShowsTwoDigits) {
  EnsureGuiApplication();
  Game g;
  BuildCardTable(g);
  g.Options.SeatCount = 3;
  for (int s = 1; s <= 3; ++s) g.Seat[s].Character = static_cast<uint8_t>(s - 1);
  g.Turn = g.LeadSeat = 1;
  Frame frame;
  frame.InitSurfaces(true);
  FakeHost host;
  Pacer pacer(host);
  TableView view(g, pacer, frame);
  for (auto [line, text] : {std::pair{7, "07"}, {0, "00"}, {-1, "-01"}, {-12, "-12"}}) {
    g.Line = line;
    view.RenderTable(0, false, true);
    const QImage img = frame.picMain.copy();
    frame.CopyBackground(200, 120, 90, 30);
    frame.SetForeground(kWhiteRgb);
    frame.DrawText(270, 135, text);
    EXPECT_TRUE(SameArea(img, frame.picMain, QRect(266, 130, 24, 20))) << line;
  }
}

}  // namespace
}  // namespace tomaruk

#include <gtest/gtest.h>

#include <QPainter>

#include "support/fake_host.h"
#include "view/table_view.h"
#include "view_env.h"

namespace tomaruk {
namespace {

// With presentChangesOnly the window gets a frame exactly when its pixels differ from the last one.
TEST(PresentChangesOnly, ShowsAFrameOnlyWhenItsPixelsChanged) {
  EnsureGuiApplication();
  Frame frame;
  frame.InitSurfaces(true);
  frame.presentChangesOnly = true;
  std::vector<QImage> shown;
  frame.presentHook = [&](const QImage& img) { shown.push_back(img); };
  const QImage first = frame.picMain.copy();
  struct Row {
    const char* what;
    std::function<void()> act;
    bool shows;
  } rows[] = {
      {"the first frame", [] {}, true},
      {"nothing drawn", [] {}, false},
      {"the background over itself", [&] { frame.CopyBackground(0, 0, 576, 480); }, false},
      {"a grey outline", [&] { frame.SetForeground(kGreyRgb), frame.FrameRect(456, 408, 520, 432); }, true},
      {"the same outline again", [&] { frame.FrameRect(456, 408, 520, 432); }, false},
      {"text in a corner", [&] { frame.DrawText(570, 470, "パス"); }, true},
      {"a pixel set from outside, then the same outline",
       [&] { frame.picMain.setPixel(3, 300, 0xFF123456u), frame.FrameRect(456, 408, 520, 432); }, true},
      {"a new image with the same pixels", [&] { frame.picMain = shown.back().copy(); }, false},
      {"a new image with other pixels", [&] { frame.picMain = first.copy(); }, true},
  };
  for (const Row& row : rows) {
    const std::size_t before = shown.size();
    row.act();
    frame.Present();
    EXPECT_EQ(shown.size() - before, row.shows ? 1u : 0u) << row.what;
    EXPECT_EQ(shown.back(), frame.picMain) << row.what;
  }
}

// Text set from cached glyph pixels is what the painter draws, at any place and size.
TEST(PresentChangesOnly, CachedGlyphsDrawAsThePainterDoes) {
  EnsureGuiApplication();
  Frame frame;
  frame.InitSurfaces(true);
  for (int size : {12, 18, 20}) {
    frame.SetFontSize(size);
    for (QPoint at : {QPoint(216, 135), QPoint(-5, 3), QPoint(571, 470)}) {
      const char* text = "制限枚数 -01 Click ♠2";
      frame.CopyBackground(0, 0, 576, 480);
      QImage painted = frame.picMain.copy();
      QPainter p(&painted);
      p.setFont(frame.font);
      p.setPen(QColor::fromRgb(kYellowRgb));
      int x = at.x();
      for (QChar c : QString::fromUtf8(text)) {
        p.drawText(x, at.y() + QFontMetrics(frame.font).ascent(), QString(c));
        x += c.unicode() < 0x80 ? size / 2 : size;
      }
      p.end();
      frame.SetForeground(kYellowRgb);
      frame.DrawText(at.x(), at.y(), text);
      EXPECT_EQ(frame.picMain, painted) << size << " at " << at.x() << "," << at.y();
    }
  }
}

// A limit below zero keeps two digits after its sign, as every number on the table does.
TEST(PresentChangesOnly, LimitBelowZeroShowsTwoDigits) {
  EnsureGuiApplication();
  Game g;
  SetUpTable(g, 3);
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

// The title frame and the two result screens of a deal.
#include "flow/timing.h"
#include "view/table_view.h"

namespace tomaruk {

void TableView::DrawTitle() {
  frame.CopyBackground(0, 0, kScreenWidth, kScreenHeight);
  frame.SetForeground(kWhiteRgb);
  frame.SetFontSize(20);
  frame.DrawText((kScreenWidth - 170) / 2, kScreenHeight / 2, "Click to Start...");
  frame.Present();
}

void TableView::ShowResultScreen(const ResultScreen& screen) {
  // The first screen goes over the table as it stands; the score table redraws it first.
  if (screen.redrawTable) RenderTable(0, false, true);
  frame.DimRect(screen.bandX, screen.bandY, screen.bandW, screen.bandH);
  frame.SetFontSize(18);
  for (const ScreenText& t : screen.texts) {
    frame.SetForeground(0xFF000000u | t.rgb);
    frame.DrawText(t.x, t.y, t.text);
  }
  if (screen.hasLine) {
    frame.SetForeground(kWhiteRgb);
    frame.SetPenWidth(1);
    frame.DrawLine(screen.lineX1, screen.lineY1, screen.lineX2, screen.lineY2);
  }
  frame.Present();
  WaitForClick();
  frame.SetFontSize(12);
}

void TableView::WaitForClick() {
  pacer.DiscardPendingPress();
  Host& host = pacer.host();
  for (;;) {
    host.PumpMessages();
    const Point c = host.Cursor();
    if (RectHit(c.x, c.y, 1, 1, 0, 0, kScreenWidth, kScreenHeight) && pacer.KeyPressed(1)) return;
    pacer.Wait(kClickPollMs);
  }
}

}  // namespace tomaruk

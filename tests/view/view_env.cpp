#include "view_env.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace tomaruk {

void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char arg0[] = "view_tests";
  static char* argv[] = {arg0, nullptr};
  // Kept for the whole run.
  new QGuiApplication(argc, argv);
}

QRect InkBox(const QImage& img, QRect area, const std::function<bool(QRgb)>& pick) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (img.valid(x, y) && pick(img.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

bool SameArea(const QImage& a, const QImage& b, QRect area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

void SetUpTable(Game& g, int seats, int initialLine) {
  BuildCardTable(g);
  g.Options.SeatCount = static_cast<uint8_t>(seats);
  g.Options.InitialLine = static_cast<uint8_t>(initialLine);
  g.Characters[0].Name = "    ";
  const char* names[] = {"", "ひよこ", "ぶんた", "しのぶ", "ごろう", "みさき", "たまお", "ぎんじ", "くろえ"};
  for (int c = 1; c <= 8; ++c) g.Characters[c].Name = std::string(names[c]) + "　";
  for (int s = 1; s <= kMaxSeats; ++s) {
    g.Seat[s] = SeatRecord{};
    g.Seat[s].Character = static_cast<uint8_t>(s == 1 ? 0 : s - 1);
  }
  g.Turn = 1;
  g.LeadSeat = 1;
  g.Line = initialLine;
  g.StockCount = 0;
  g.Table.Count = 0;
  g.TrickCount = 0;
}

}  // namespace tomaruk

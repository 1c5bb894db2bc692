// Plain sheets painted in code, used when the built-in pictures cannot be loaded. They keep the
// cells, the white backgrounds and the masks of the real sheets, so every drawing rule holds.
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <cmath>

#include "view/frame.h"

namespace tomaruk {

namespace {

const char* const kRankText[] = {"3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A", "2"};

void SetPixel(QImage& img, int x, int y, QRgb c) {
  if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, c);
}

// The corner pixels outside a card's rounded border, relative to the cell.
template <class F>
void ForCorners(F f) {
  const int xs[] = {0, 1, 0}, ys[] = {0, 0, 1};
  for (int k = 0; k < 3; ++k) {
    f(xs[k], ys[k]);
    f(kCardW - 1 - xs[k], ys[k]);
    f(xs[k], kCardH - 1 - ys[k]);
    f(kCardW - 1 - xs[k], kCardH - 1 - ys[k]);
  }
}

// A 1-pixel dark border cut at the corners, and the corners themselves white.
void FinishCell(QImage& img, int cx, int cy) {
  const QRgb dark = qRgb(40, 40, 40);
  for (int x = 2; x <= kCardW - 3; ++x) {
    SetPixel(img, cx + x, cy, dark);
    SetPixel(img, cx + x, cy + kCardH - 1, dark);
  }
  for (int y = 2; y <= kCardH - 3; ++y) {
    SetPixel(img, cx, cy + y, dark);
    SetPixel(img, cx + kCardW - 1, cy + y, dark);
  }
  SetPixel(img, cx + 1, cy + 1, dark);
  SetPixel(img, cx + kCardW - 2, cy + 1, dark);
  SetPixel(img, cx + 1, cy + kCardH - 2, dark);
  SetPixel(img, cx + kCardW - 2, cy + kCardH - 2, dark);
  ForCorners([&](int x, int y) { SetPixel(img, cx + x, cy + y, qRgb(255, 255, 255)); });
}

QPainterPath SuitShape(int suit, QRectF r) {
  QPainterPath path;
  const double x = r.x(), y = r.y(), w = r.width(), h = r.height();
  switch (suit) {
    case 1:  // spade: a heart upside down on a stem
      path.moveTo(x + w / 2, y);
      path.cubicTo(x + w * 0.1, y + h * 0.35, x - w * 0.05, y + h * 0.65, x + w * 0.25, y + h * 0.72);
      path.cubicTo(x + w * 0.4, y + h * 0.75, x + w * 0.47, y + h * 0.65, x + w / 2, y + h * 0.6);
      path.cubicTo(x + w * 0.53, y + h * 0.65, x + w * 0.6, y + h * 0.75, x + w * 0.75, y + h * 0.72);
      path.cubicTo(x + w * 1.05, y + h * 0.65, x + w * 0.9, y + h * 0.35, x + w / 2, y);
      path.addPolygon(QPolygonF(
          {QPointF(x + w / 2, y + h * 0.6), QPointF(x + w * 0.3, y + h), QPointF(x + w * 0.7, y + h)}));
      break;
    case 2:  // heart
      path.moveTo(x + w / 2, y + h);
      path.cubicTo(x + w * 0.1, y + h * 0.65, x - w * 0.05, y + h * 0.3, x + w * 0.25, y + h * 0.1);
      path.cubicTo(x + w * 0.4, y, x + w * 0.48, y + h * 0.12, x + w / 2, y + h * 0.22);
      path.cubicTo(x + w * 0.52, y + h * 0.12, x + w * 0.6, y, x + w * 0.75, y + h * 0.1);
      path.cubicTo(x + w * 1.05, y + h * 0.3, x + w * 0.9, y + h * 0.65, x + w / 2, y + h);
      break;
    case 3:  // diamond
      path.addPolygon(
          QPolygonF({QPointF(x + w / 2, y), QPointF(x + w * 0.9, y + h / 2), QPointF(x + w / 2, y + h),
                     QPointF(x + w * 0.1, y + h / 2), QPointF(x + w / 2, y)}));
      break;
    default:  // club: three leaves on a stem
      path.addEllipse(QRectF(x + w * 0.3, y, w * 0.4, h * 0.4));
      path.addEllipse(QRectF(x + w * 0.02, y + h * 0.33, w * 0.4, h * 0.4));
      path.addEllipse(QRectF(x + w * 0.58, y + h * 0.33, w * 0.4, h * 0.4));
      path.addPolygon(QPolygonF(
          {QPointF(x + w / 2, y + h * 0.35), QPointF(x + w * 0.3, y + h), QPointF(x + w * 0.7, y + h)}));
      path.setFillRule(Qt::WindingFill);
      break;
  }
  return path;
}

void PaintFace(QPainter& p, int cx, int cy, int suit, int column) {
  const QColor ink = (suit == 2 || suit == 3) ? QColor(200, 0, 0) : QColor(20, 20, 20);
  p.setPen(ink);
  QFont f("DejaVu Sans");
  f.setPixelSize(13);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(cx + 3, cy + 3, 16, 14), Qt::AlignCenter, kRankText[column]);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(SuitShape(suit, QRectF(cx + 5, cy + 18, 10, 11)));
  // The big pip in the middle; court cards get a frame around it.
  if (column >= 8 && column <= 10) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 60, 170), 1));
    p.drawRect(cx + 14, cy + 14, 36, 68);
    p.setPen(ink);
    f.setPixelSize(26);
    p.setFont(f);
    p.drawText(QRect(cx + 14, cy + 50, 36, 30), Qt::AlignCenter, kRankText[column]);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 170, 40));
    p.drawPolygon(QPolygonF({QPointF(cx + 22, cy + 42), QPointF(cx + 22, cy + 28), QPointF(cx + 27, cy + 35),
                             QPointF(cx + 32, cy + 24), QPointF(cx + 37, cy + 35), QPointF(cx + 42, cy + 28),
                             QPointF(cx + 42, cy + 42)}));
  } else {
    p.drawPath(SuitShape(suit, QRectF(cx + 20, cy + 34, 24, 28)));
  }
}

void PaintJoker(QPainter& p, int cx, int cy, QColor ink) {
  p.setPen(ink);
  QFont f("DejaVu Sans");
  f.setPixelSize(11);
  f.setBold(true);
  p.setFont(f);
  const char* letters = "JOKER";
  for (int i = 0; i < 5; ++i)
    p.drawText(QRect(cx + 3, cy + 4 + 12 * i, 10, 12), Qt::AlignCenter, QString(letters[i]));
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  QPolygonF star;
  for (int k = 0; k < 10; ++k) {
    const double r = (k % 2 == 0) ? 18 : 8, a = -1.5707963 + k * 0.6283185;
    star << QPointF(cx + 36 + r * std::cos(a), cy + 52 + r * std::sin(a));
  }
  p.drawPolygon(star);
}

void PaintBack(QPainter& p, int cx, int cy) {
  p.fillRect(cx + 4, cy + 4, 56, 88, QColor(30, 50, 140));
  p.save();
  p.setClipRect(cx + 4, cy + 4, 56, 88);
  p.setPen(QPen(QColor(120, 150, 230), 1));
  for (int k = -88; k < 56; k += 8) {
    p.drawLine(cx + 4 + k, cy + 4, cx + 4 + k + 88, cy + 92);
    p.drawLine(cx + 4 + k + 88, cy + 4, cx + 4 + k, cy + 92);
  }
  p.restore();
}

// An arrow pointing up, filling a 32 x 32 cell.
QPolygon ArrowUp() {
  return QPolygon({QPoint(16, 3), QPoint(28, 15), QPoint(21, 15), QPoint(21, 28), QPoint(11, 28),
                   QPoint(11, 15), QPoint(4, 15)});
}

QPolygon Flipped(const QPolygon& poly) {
  QPolygon out;
  for (const QPoint& pt : poly) out << QPoint(pt.x(), 31 - pt.y());
  return out;
}

// Each mask cell is white exactly where its image cell is not white.
void MakeMask(QImage& sheet, int imageX, int maskX) {
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 32; ++x)
      sheet.setPixel(
          maskX + x, y,
          (sheet.pixel(imageX + x, y) & 0xFFFFFF) == 0xFFFFFF ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
}

}  // namespace

QImage PaintCardSheet() {
  QImage sheet(832, 480, QImage::Format_RGB32);
  sheet.fill(kWhiteRgb);
  {
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (int suit = 1; suit <= 4; ++suit)
      for (int column = 0; column < 13; ++column)
        PaintFace(p, column * kCardW, (suit - 1) * kCardH, suit, column);
    PaintJoker(p, 0, kJokerRowY, QColor(200, 30, 120));
    PaintJoker(p, kCardW, kJokerRowY, QColor(30, 30, 30));
    PaintBack(p, kBackX, kJokerRowY);
  }
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 13; ++column)
      if (row < 4 || column < 3) FinishCell(sheet, column * kCardW, row * kCardH);
  ForCorners([&](int x, int y) { sheet.setPixel(kMaskX + x, kJokerRowY + y, qRgb(0, 0, 0)); });
  return sheet;
}

QImage PaintIconSheet() {
  QImage sheet(224, 64, QImage::Format_RGB32);
  sheet.fill(kWhiteRgb);
  {
    QPainter p(&sheet);
    // No antialiasing: the masks must match the pictures pixel for pixel.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 255, 255));
    p.drawPolygon(ArrowUp());
    p.drawPolygon(Flipped(ArrowUp()).translated(0, 32));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(245, 245, 245), 1));
    p.drawPolygon(ArrowUp().translated(64, 0));
    p.drawPolygon(Flipped(ArrowUp()).translated(64, 32));
    // Circling arrows: clockwise above, the other way below.
    p.setPen(QPen(QColor(0, 0, 255), 3, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRect(128 + 7, 7, 18, 18), 120 * 16, -270 * 16);
    p.drawArc(QRect(128 + 7, 32 + 7, 18, 18), 60 * 16, 270 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    p.drawPolygon(QPolygon({QPoint(128 + 6, 3), QPoint(128 + 16, 6), QPoint(128 + 8, 13)}));
    p.drawPolygon(QPolygon({QPoint(128 + 26, 32 + 3), QPoint(128 + 16, 32 + 6), QPoint(128 + 24, 32 + 13)}));
  }
  for (int k = 0; k < 3; ++k) MakeMask(sheet, 64 * k, 64 * k + 32);
  // The dimming tile: only even columns of odd rows are white in the top half.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      sheet.setPixel(kCheckerX + x, y, (x % 2 == 0 && y % 2 == 1) ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
  return sheet;
}

}  // namespace tomaruk

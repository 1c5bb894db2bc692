// Draws the two picture sheets of the game, the card faces (cards.png, 832 x 480) and the icons
// (icons.png, 224 x 64), into the directory given on the command line:
//   QT_QPA_PLATFORM=offscreen make_sheets assets
// Card cells are 64 x 96: rows spades, hearts, diamonds, clubs with the ranks 3..K, A, 2 across,
// then a row with the two jokers, the back, the card mask and white. Icon cells are 32 x 64.
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kW = 64;  // card cell
constexpr int kH = 96;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kCyan = 0xFF00FFFF;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kNearWhite = 0xFFF5F5F5;
constexpr QRgb kBorder = 0xFF282828;

const QColor kRedInk(200, 16, 24);
const QColor kBlackInk(24, 24, 28);
const QColor kGold(222, 170, 40);
const QColor kGoldDark(150, 105, 20);
const QColor kRoyalBlue(36, 72, 190);
const QColor kSkin(252, 218, 178);
const QColor kPaper(255, 250, 232);

bool IsRed(int suit) { return suit == 2 || suit == 3; }
QColor SuitInk(int suit) { return IsRed(suit) ? kRedInk : kBlackInk; }

// The suit shapes in a unit box, scaled into r by the caller.
QPainterPath UnitSuit(int suit) {
  QPainterPath p;
  switch (suit) {
    case 1: {  // spade: an upside-down heart on a flared stem
      p.moveTo(0.5, 0.0);
      p.cubicTo(0.38, 0.2, 0.0, 0.36, 0.0, 0.6);
      p.cubicTo(0.0, 0.8, 0.3, 0.86, 0.47, 0.68);
      p.lineTo(0.53, 0.68);
      p.cubicTo(0.7, 0.86, 1.0, 0.8, 1.0, 0.6);
      p.cubicTo(1.0, 0.36, 0.62, 0.2, 0.5, 0.0);
      p.closeSubpath();
      QPainterPath stem;
      stem.moveTo(0.46, 0.6);
      stem.quadTo(0.44, 0.9, 0.26, 1.0);
      stem.lineTo(0.74, 1.0);
      stem.quadTo(0.56, 0.9, 0.54, 0.6);
      stem.closeSubpath();
      p = p.united(stem);
      break;
    }
    case 2:  // heart
      p.moveTo(0.5, 1.0);
      p.cubicTo(0.36, 0.8, 0.0, 0.6, 0.0, 0.3);
      p.cubicTo(0.0, 0.04, 0.34, -0.04, 0.5, 0.24);
      p.cubicTo(0.66, -0.04, 1.0, 0.04, 1.0, 0.3);
      p.cubicTo(1.0, 0.6, 0.64, 0.8, 0.5, 1.0);
      p.closeSubpath();
      break;
    case 3:  // diamond, the sides slightly drawn in
      p.moveTo(0.5, 0.0);
      p.quadTo(0.66, 0.3, 0.94, 0.5);
      p.quadTo(0.66, 0.7, 0.5, 1.0);
      p.quadTo(0.34, 0.7, 0.06, 0.5);
      p.quadTo(0.34, 0.3, 0.5, 0.0);
      p.closeSubpath();
      break;
    default: {  // club: three leaves and a stem
      const double r = 0.235;
      p.addEllipse(QPointF(0.5, 0.25), r, r);
      p.addEllipse(QPointF(0.24, 0.58), r, r);
      p.addEllipse(QPointF(0.76, 0.58), r, r);
      p.addEllipse(QPointF(0.5, 0.52), 0.12, 0.12);
      p.setFillRule(Qt::WindingFill);
      QPainterPath stem;
      stem.moveTo(0.45, 0.5);
      stem.quadTo(0.44, 0.9, 0.26, 1.0);
      stem.lineTo(0.74, 1.0);
      stem.quadTo(0.56, 0.9, 0.55, 0.5);
      stem.closeSubpath();
      p = p.simplified().united(stem);
      break;
    }
  }
  return p;
}

QPainterPath SuitPath(int suit, const QRectF& r) {
  QTransform t;
  t.translate(r.x(), r.y());
  t.scale(r.width(), r.height());
  return t.map(UnitSuit(suit));
}

void FillSuit(QPainter& p, int suit, const QRectF& r, const QColor& c) { p.fillPath(SuitPath(suit, r), c); }

// A suit symbol centred on (cx, cy), turned upside down when flip is set (the lower half of a card).
void Pip(QPainter& p, int suit, double cx, double cy, double w, double h, bool flip) {
  p.save();
  p.translate(cx, cy);
  if (flip) p.rotate(180);
  FillSuit(p, suit, QRectF(-w / 2, -h / 2, w, h), SuitInk(suit));
  p.restore();
}

QFont IndexFont(int px, bool condensed) {
  QFont f(condensed ? "DejaVu Sans Condensed" : "DejaVu Sans");
  f.setPixelSize(px);
  f.setBold(true);
  if (condensed) f.setStretch(QFont::Condensed);
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

const char* const kRankText[13] = {"3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A", "2"};

// Rank and small suit in the top-left corner; the caller turns the card for the bottom-right one.
void CornerIndex(QPainter& p, int col, int suit) {
  const bool ten = col == 7;
  p.setPen(SuitInk(suit));
  QFont f = IndexFont(ten ? 11 : 12, false);
  if (ten) f.setLetterSpacing(QFont::AbsoluteSpacing, -1.2);  // "10" has to fit the 16-pixel strip
  p.setFont(f);
  p.drawText(QRectF(ten ? 0.5 : 1, 2, 15, 13), Qt::AlignHCenter | Qt::AlignVCenter, kRankText[col]);
  FillSuit(p, suit, QRectF(4, 16, 8, 9), SuitInk(suit));
}

void BothCorners(QPainter& p, int col, int suit) {
  CornerIndex(p, col, suit);
  p.save();
  p.translate(kW, kH);
  p.rotate(180);
  CornerIndex(p, col, suit);
  p.restore();
}

// Pip positions of the number cards: three columns, rows from top to bottom of the pip field.
void NumberPips(QPainter& p, int rank, int suit) {
  const double xl = 21.5, xc = 32, xr = 42.5;
  const double top = 18, bottom = 78, mid = 48;
  const double q1 = top + (bottom - top) / 3, q2 = top + 2 * (bottom - top) / 3;
  const double pw = 10.5, ph = 11.5;
  struct P {
    double x, y;
  };
  std::vector<P> at;
  auto sides = [&](std::initializer_list<double> ys) {
    for (double y : ys) at.push_back({xl, y}), at.push_back({xr, y});
  };
  switch (rank) {
    case 2:
      at = {{xc, top}, {xc, bottom}};
      break;
    case 3:
      at = {{xc, top}, {xc, mid}, {xc, bottom}};
      break;
    case 4:
      sides({top, bottom});
      break;
    case 5:
      sides({top, bottom});
      at.push_back({xc, mid});
      break;
    case 6:
      sides({top, mid, bottom});
      break;
    case 7:
      sides({top, mid, bottom});
      at.push_back({xc, (top + mid) / 2});
      break;
    case 8:
      sides({top, mid, bottom});
      at.push_back({xc, (top + mid) / 2}), at.push_back({xc, (mid + bottom) / 2});
      break;
    case 9:
      sides({top, q1, q2, bottom});
      at.push_back({xc, mid});
      break;
    case 10:
      sides({top, q1, q2, bottom});
      at.push_back({xc, (top + q1) / 2}), at.push_back({xc, (q2 + bottom) / 2});
      break;
    default:
      break;
  }
  for (const P& pt : at) Pip(p, suit, pt.x, pt.y, pw, ph, pt.y > mid + 0.5);
}

void AceFace(QPainter& p, int suit) {
  if (suit == 1) {
    // The ace of spades carries the ornate pip: a ring of gold behind a large spade.
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(32, 48), 19, 19);
    p.setPen(QPen(kRoyalBlue, 1));
    p.drawEllipse(QPointF(32, 48), 16.5, 16.5);
    Pip(p, suit, 32, 48, 24, 27, false);
  } else {
    Pip(p, suit, 32, 48, 26, 30, false);
  }
}

// One half of a court picture, the head at the top; the card is turned to draw the other half.
void CourtHalf(QPainter& p, int rank, int suit) {
  const QColor ink = SuitInk(suit);
  const QColor robe = IsRed(suit) ? QColor(205, 28, 36) : QColor(34, 34, 40);
  const QColor outline(40, 30, 20);

  // Robe over the shoulders, with a gold hem and a blue collar.
  QPainterPath body;
  body.moveTo(15, 48.5);
  body.lineTo(16, 41);
  body.quadTo(18, 36, 25, 35);
  body.lineTo(39, 35);
  body.quadTo(46, 36, 48, 41);
  body.lineTo(49, 48.5);
  body.closeSubpath();
  p.setPen(QPen(outline, 0.8));
  p.setBrush(robe);
  p.drawPath(body);
  // Sleeve trim and a gold band down the front.
  p.setPen(QPen(kGold, 1.6));
  p.drawLine(QPointF(32, 38), QPointF(32, 48));
  p.setPen(QPen(kGold, 1.2));
  p.drawLine(QPointF(19, 40), QPointF(21, 48));
  p.drawLine(QPointF(45, 40), QPointF(43, 48));
  QPainterPath collar;
  collar.moveTo(24, 35);
  collar.lineTo(40, 35);
  collar.lineTo(32, 41);
  collar.closeSubpath();
  p.setPen(QPen(outline, 0.6));
  p.setBrush(kRoyalBlue);
  p.drawPath(collar);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawEllipse(QPointF(32, 43), 1.2, 1.2);
  p.drawEllipse(QPointF(32, 46.5), 1.2, 1.2);
  if (rank == 13) {
    // Ermine over the king's shoulders.
    p.setPen(QPen(outline, 0.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(16.5, 40, 9, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(38.5, 40, 9, 4), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    for (double x : {19.0, 23.0, 41.0, 45.0}) p.drawRect(QRectF(x, 41.5, 1, 1));
  } else if (rank == 12) {
    // The queen's pearls.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 250));
    for (int k = 0; k <= 6; ++k) {
      const double a = M_PI * k / 6;
      p.drawEllipse(QPointF(32 - 8 * std::cos(a), 36 + 5 * std::sin(a)), 1, 1);
    }
  } else {
    // A sash across the jack's tunic.
    p.setPen(QPen(kRoyalBlue, 2.4));
    p.drawLine(QPointF(19, 39.5), QPointF(45, 48));
  }

  // Hair behind the head.
  const QColor hair = rank == 13   ? QColor(226, 228, 234)
                      : rank == 12 ? QColor(214, 150, 40)
                                   : QColor(120, 70, 30);
  p.setBrush(hair);
  p.setPen(QPen(outline, 0.6));
  if (rank == 12)  // the queen's long hair falls to the shoulders
    p.drawRoundedRect(QRectF(24, 22, 16, 16), 5, 5);
  else
    p.drawEllipse(QPointF(32, 27), 7.5, 7);

  // Face.
  p.setBrush(kSkin);
  p.drawEllipse(QPointF(32, 28.5), 5.5, 6.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 40));
  p.drawEllipse(QPointF(29.8, 27.6), 0.8, 0.9);
  p.drawEllipse(QPointF(34.2, 27.6), 0.8, 0.9);
  p.setPen(QPen(QColor(190, 40, 40), 0.9));
  p.drawLine(QPointF(30.8, 31.6), QPointF(33.2, 31.6));

  if (rank == 13) {
    // The king: a white beard, a tall crown with jewels, and a sceptre.
    QPainterPath beard;
    beard.moveTo(26.6, 30);
    beard.quadTo(27, 37.5, 32, 38.5);
    beard.quadTo(37, 37.5, 37.4, 30);
    beard.quadTo(35, 33.5, 32, 33);
    beard.quadTo(29, 33.5, 26.6, 30);
    p.setPen(QPen(outline, 0.5));
    p.setBrush(QColor(240, 240, 244));
    p.drawPath(beard);
    QPolygonF crown({QPointF(25.5, 23.5), QPointF(25, 15), QPointF(28.3, 19), QPointF(32, 12.5),
                     QPointF(35.7, 19), QPointF(39, 15), QPointF(38.5, 23.5)});
    p.setPen(QPen(kGoldDark, 0.7));
    p.setBrush(kGold);
    p.drawPolygon(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(IsRed(suit) ? kRoyalBlue : QColor(210, 30, 40));
    p.drawEllipse(QPointF(32, 20.5), 1.4, 1.4);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(25, 15), 0.9, 0.9);
    p.drawEllipse(QPointF(32, 12.5), 0.9, 0.9);
    p.drawEllipse(QPointF(39, 15), 0.9, 0.9);
    // Sceptre at the left.
    p.setPen(QPen(kGoldDark, 1.4));
    p.drawLine(QPointF(18.5, 17), QPointF(18.5, 39));
    p.setPen(QPen(kGoldDark, 0.6));
    p.setBrush(kGold);
    p.drawEllipse(QPointF(18.5, 15.5), 2.3, 2.3);
  } else if (rank == 12) {
    // The queen: a low tiara and a flower in her hand.
    QPainterPath tiara;
    tiara.moveTo(26, 23);
    tiara.quadTo(27.5, 19, 29, 21);
    tiara.quadTo(32, 15, 35, 21);
    tiara.quadTo(36.5, 19, 38, 23);
    tiara.closeSubpath();
    p.setPen(QPen(kGoldDark, 0.7));
    p.setBrush(kGold);
    p.drawPath(tiara);
    p.setPen(Qt::NoPen);
    p.setBrush(kRoyalBlue);
    p.drawEllipse(QPointF(32, 19.8), 1.2, 1.2);
    // Flower on a stem at the right.
    p.setPen(QPen(QColor(40, 130, 50), 1.1));
    p.drawLine(QPointF(44.5, 22), QPointF(42.5, 38));
    p.setPen(Qt::NoPen);
    p.setBrush(IsRed(suit) ? kRoyalBlue : QColor(210, 30, 40));
    for (int k = 0; k < 5; ++k) {
      const double a = k * 2 * M_PI / 5;
      p.drawEllipse(QPointF(44.5 + 2.4 * std::cos(a), 19.5 + 2.4 * std::sin(a)), 1.6, 1.6);
    }
    p.setBrush(kGold);
    p.drawEllipse(QPointF(44.5, 19.5), 1.2, 1.2);
  } else {
    // The jack: a blue cap with a feather, and a halberd at the right.
    QPainterPath cap;
    cap.moveTo(23.5, 24.5);
    cap.quadTo(24, 16.5, 32, 17);
    cap.quadTo(40, 16.5, 40.5, 24.5);
    cap.quadTo(32, 21.5, 23.5, 24.5);
    p.setPen(QPen(outline, 0.6));
    p.setBrush(kRoyalBlue);
    p.drawPath(cap);
    p.setPen(QPen(kGold, 1.2));
    p.drawLine(QPointF(24.5, 23.3), QPointF(39.5, 23.3));
    QPainterPath feather;
    feather.moveTo(36, 19);
    feather.quadTo(42, 11, 47, 12);
    feather.quadTo(43, 16, 38, 20.5);
    feather.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(IsRed(suit) ? QColor(240, 200, 40) : QColor(210, 30, 40));
    p.drawPath(feather);
    p.setPen(QPen(QColor(110, 80, 40), 1.2));
    p.drawLine(QPointF(46, 18), QPointF(46, 48));
    QPolygonF blade({QPointF(46, 14), QPointF(49.5, 19), QPointF(46, 22.5), QPointF(42.5, 19)});
    p.setPen(QPen(QColor(90, 90, 100), 0.6));
    p.setBrush(QColor(205, 210, 220));
    p.drawPolygon(blade);
  }
  // The suit beside the head.
  FillSuit(p, suit, QRectF(16.5, 23.5, 5.5, 6.5), ink);
}

void CourtFace(QPainter& p, int rank, int suit) {
  const QRectF frame(13.5, 9.5, 37, 77);
  p.setPen(Qt::NoPen);
  p.setBrush(kPaper);
  p.drawRect(frame);
  for (int half = 0; half < 2; ++half) {
    p.save();
    if (half == 1) {
      p.translate(kW, kH);
      p.rotate(180);
    }
    p.setClipRect(QRectF(14, 10, 36, 38));
    CourtHalf(p, rank, suit);
    p.restore();
  }
  // Gold frame with a blue inner line, and the line between the two heads.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGoldDark, 1));
  p.drawRect(frame);
  p.setPen(QPen(kRoyalBlue, 1));
  p.drawRect(frame.adjusted(2, 2, -2, -2));
  p.setPen(QPen(kGold, 1));
  p.drawLine(QPointF(15, 48), QPointF(49, 48));
}

// A jester's head: the picture of the jokers, in colour or in black and grey.
void JokerFace(QPainter& p, bool colour) {
  const QColor outline = colour ? QColor(40, 30, 20) : QColor(20, 20, 20);
  const QColor prong[3] = {colour ? QColor(215, 30, 40) : QColor(30, 30, 32),
                           colour ? QColor(36, 80, 200) : QColor(120, 120, 126),
                           colour ? QColor(30, 150, 70) : QColor(30, 30, 32)};
  const QColor bell = colour ? kGold : QColor(200, 200, 204);
  const double cx = 33;

  // Ruff collar: a ring of points, two colours in turn.
  for (int k = 0; k < 9; ++k) {
    const double x0 = 16 + k * 4.0;
    QPolygonF pt({QPointF(x0 - 1, 66), QPointF(x0 + 2, 76), QPointF(x0 + 5, 66)});
    p.setPen(QPen(outline, 0.6));
    p.setBrush(k % 2 ? (colour ? kGold : QColor(235, 235, 238))
                     : (colour ? QColor(215, 30, 40) : QColor(40, 40, 44)));
    p.drawPolygon(pt);
  }
  // Shoulders.
  QPainterPath body;
  body.moveTo(15, 88);
  body.quadTo(16, 74, 33, 72);
  body.quadTo(50, 74, 51, 88);
  body.closeSubpath();
  p.setBrush(colour ? QColor(130, 40, 160) : QColor(70, 70, 76));
  p.drawPath(body);
  p.setPen(QPen(bell, 1.2));
  p.drawLine(QPointF(33, 76), QPointF(33, 88));

  // Face.
  p.setPen(QPen(outline, 0.8));
  p.setBrush(colour ? kSkin : QColor(250, 250, 250));
  p.drawEllipse(QPointF(cx, 57), 9, 10);
  // Eyes, cheeks and a wide grin.
  p.setPen(Qt::NoPen);
  p.setBrush(outline);
  p.drawEllipse(QPointF(cx - 3.3, 55), 1.1, 1.4);
  p.drawEllipse(QPointF(cx + 3.3, 55), 1.1, 1.4);
  p.setBrush(colour ? QColor(240, 120, 120) : QColor(190, 190, 194));
  p.drawEllipse(QPointF(cx - 5.5, 59.5), 1.8, 1.3);
  p.drawEllipse(QPointF(cx + 5.5, 59.5), 1.8, 1.3);
  QPainterPath grin;
  grin.moveTo(cx - 4.5, 60.5);
  grin.quadTo(cx, 66.5, cx + 4.5, 60.5);
  grin.quadTo(cx, 63, cx - 4.5, 60.5);
  p.setBrush(colour ? QColor(190, 30, 40) : QColor(30, 30, 32));
  p.drawPath(grin);
  if (!colour) {
    // The black joker wears a domino mask.
    QPainterPath mask;
    mask.addEllipse(QPointF(cx - 3.3, 55), 3, 2.3);
    mask.addEllipse(QPointF(cx + 3.3, 55), 3, 2.3);
    p.setPen(QPen(QColor(20, 20, 20), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mask);
  }

  // The three-pronged cap, each prong ending in a bell.
  const QPointF tips[3] = {QPointF(15, 33), QPointF(cx, 19), QPointF(51, 33)};
  const QPointF bends[3] = {QPointF(20, 40), QPointF(cx - 6, 30), QPointF(46, 40)};
  for (int k = 0; k < 3; ++k) {
    QPainterPath pr;
    pr.moveTo(cx - 8.5 + k * 5.5, 50);
    pr.quadTo(bends[k] - QPointF(3, 0), tips[k]);
    pr.quadTo(bends[k] + QPointF(4, 3), QPointF(cx - 3 + k * 5.5, 50));
    pr.closeSubpath();
    p.setPen(QPen(outline, 0.7));
    p.setBrush(prong[k]);
    p.drawPath(pr);
  }
  // Band of the cap.
  p.setBrush(bell);
  p.drawRoundedRect(QRectF(cx - 10, 47, 20, 4), 1.5, 1.5);
  for (int k = 0; k < 3; ++k) {
    p.setPen(QPen(colour ? kGoldDark : QColor(90, 90, 96), 0.6));
    p.setBrush(bell);
    p.drawEllipse(tips[k], 2.6, 2.6);
  }
  if (!colour) {
    // A star over the black joker's cap.
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
      const double a = -M_PI / 2 + k * M_PI / 5, r = k % 2 ? 2 : 5;
      star << QPointF(cx + r * std::cos(a), 11 + r * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 32));
    p.drawPolygon(star);
  } else {
    // Two small suits beside the colour joker's cap.
    FillSuit(p, 2, QRectF(43, 15, 6, 7), kRedInk);
    FillSuit(p, 1, QRectF(17, 15, 6, 7), kBlackInk);
  }
}

// "JOKER" down the left edge; the card is turned for the copy at the bottom right.
void JokerLetters(QPainter& p, bool colour) {
  const char* const letters = "JOKER";
  p.setFont(IndexFont(9, false));
  p.setPen(colour ? kRedInk : kBlackInk);
  for (int k = 0; k < 5; ++k)
    p.drawText(QRectF(1, 3 + k * 9, 11, 10), Qt::AlignHCenter | Qt::AlignVCenter, QString(QChar(letters[k])));
}

void Joker(QPainter& p, bool colour) {
  JokerFace(p, colour);
  JokerLetters(p, colour);
  p.save();
  p.translate(kW, kH);
  p.rotate(180);
  JokerLetters(p, colour);
  p.restore();
}

// The back: a dark red lattice inside a white margin and gold frame, with a medallion in the middle.
void CardBack(QPainter& p) {
  const QRectF field(4, 4, 56, 88);
  const QColor deep(128, 16, 28), light(196, 64, 64);
  p.setPen(Qt::NoPen);
  p.setBrush(deep);
  p.drawRoundedRect(field, 3, 3);
  p.save();
  p.setClipRect(field.adjusted(1, 1, -1, -1));
  p.setPen(QPen(light, 1));
  for (int k = -100; k < 120; k += 6) {
    p.drawLine(QPointF(k, 0), QPointF(k + 96, 96));
    p.drawLine(QPointF(k + 96, 0), QPointF(k, 96));
  }
  // Small gold dots where the lattice crosses.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(232, 180, 80));
  for (int y = 0; y < 96; y += 6)
    for (int x = (y / 6) % 2 ? 3 : 0; x < 64; x += 6) p.drawEllipse(QPointF(x + 0.5, y + 0.5 + 3), 0.7, 0.7);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kGold, 1.2));
  p.drawRoundedRect(field.adjusted(2, 2, -2, -2), 2, 2);
  // Medallion.
  p.setPen(QPen(kGold, 1.5));
  p.setBrush(deep);
  p.drawEllipse(QPointF(32, 48), 12, 15);
  p.setPen(QPen(QColor(250, 230, 190), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(32, 48), 9.5, 12.5);
  for (int k = 0; k < 4; ++k) {
    const int suit = k + 1;
    const double a = -M_PI / 2 + k * M_PI / 2;
    const double x = 32 + 5 * std::cos(a), y = 48 + 6.5 * std::sin(a);
    FillSuit(p, suit, QRectF(x - 2.6, y - 3, 5.2, 6), QColor(240, 200, 110));
  }
}

// The 1-pixel dark border, cut round at the corners, and the three corner pixels outside it white.
void FinishCard(QImage& img, int cx, int cy) {
  auto put = [&](int x, int y, QRgb c) { img.setPixel(cx + x, cy + y, c); };
  for (int x = 2; x <= kW - 3; ++x) put(x, 0, kBorder), put(x, kH - 1, kBorder);
  for (int y = 2; y <= kH - 3; ++y) put(0, y, kBorder), put(kW - 1, y, kBorder);
  put(1, 1, kBorder), put(kW - 2, 1, kBorder), put(1, kH - 2, kBorder), put(kW - 2, kH - 2, kBorder);
  const int xs[] = {0, 1, 0}, ys[] = {0, 0, 1};
  for (int k = 0; k < 3; ++k) {
    put(xs[k], ys[k], kWhite);
    put(kW - 1 - xs[k], ys[k], kWhite);
    put(xs[k], kH - 1 - ys[k], kWhite);
    put(kW - 1 - xs[k], kH - 1 - ys[k], kWhite);
  }
}

template <class Draw>
void PaintCell(QImage& sheet, int col, int row, Draw draw) {
  QImage cell(kW, kH, QImage::Format_RGB32);
  cell.fill(kWhite);
  {
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p);
  }
  FinishCard(cell, 0, 0);
  QPainter s(&sheet);
  s.drawImage(64 * col, 96 * row, cell);
}

QImage CardSheet() {
  QImage sheet(13 * kW, 5 * kH, QImage::Format_RGB32);
  sheet.fill(kWhite);
  for (int suit = 1; suit <= 4; ++suit)
    for (int col = 0; col < 13; ++col) {
      const int rank = col + 3;
      PaintCell(sheet, col, suit - 1, [&](QPainter& p) {
        if (rank <= 10 || rank == 15)
          NumberPips(p, rank == 15 ? 2 : rank, suit);
        else if (rank <= 13)
          CourtFace(p, rank, suit);
        else
          AceFace(p, suit);
        BothCorners(p, col, suit);
      });
    }
  PaintCell(sheet, 0, 4, [](QPainter& p) { Joker(p, true); });
  PaintCell(sheet, 1, 4, [](QPainter& p) { Joker(p, false); });
  PaintCell(sheet, 2, 4, [](QPainter& p) { CardBack(p); });
  // The card mask: white except the corner pixels outside the border.
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const int dx = std::min(x, kW - 1 - x), dy = std::min(y, kH - 1 - y);
      sheet.setPixel(192 + x, 384 + y, dx + dy <= 1 ? kBlack : kWhite);
    }
  return sheet;
}

// Which pixels of a 32 x 32 icon a shape covers: drawn 8 times larger with antialiasing and kept
// where it covers at least half of a pixel, so the icon has clean single-colour edges.
std::vector<bool> Coverage(const QPainterPath& fill, const QPainterPath& stroke, double penWidth) {
  constexpr int k = 8;
  QImage big(32 * k, 32 * k, QImage::Format_Grayscale8);
  big.fill(0);
  {
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    p.fillPath(fill, Qt::white);
    if (!stroke.isEmpty()) {
      QPen pen(Qt::white, penWidth);
      pen.setJoinStyle(Qt::MiterJoin);
      p.strokePath(stroke, pen);
    }
  }
  std::vector<bool> on(32 * 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      int sum = 0;
      for (int j = 0; j < k; ++j) {
        const uchar* line = big.constScanLine(y * k + j);
        for (int i = 0; i < k; ++i) sum += line[x * k + i];
      }
      on[y * 32 + x] = sum >= 255 * k * k / 2;
    }
  return on;
}

QPainterPath UpArrow() {
  QPainterPath a;
  a.moveTo(16, 2);
  a.lineTo(29, 15);
  a.lineTo(21.5, 15);
  a.lineTo(21.5, 29.5);
  a.lineTo(10.5, 29.5);
  a.lineTo(10.5, 15);
  a.lineTo(3, 15);
  a.closeSubpath();
  return a;
}

// Two arcs round the centre, each ending in an arrowhead, turning clockwise on screen
// (or counter-clockwise when mirrored by the caller).
QPainterPath CirclingArrows(bool clockwise) {
  QPainterPath out;
  const QPointF c(16, 16);
  const double rOut = 12, rIn = 8, span = 105;
  for (int k = 0; k < 2; ++k) {
    const double start = 195 + 180 * k;  // degrees, growing clockwise on screen (y down)
    auto at = [&](double deg, double r) {
      const double a = deg * M_PI / 180;
      return QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    };
    QPainterPath arc;
    arc.moveTo(at(start, rOut));
    for (double d = start; d <= start + span; d += 5) arc.lineTo(at(d, rOut));
    for (double d = start + span; d >= start; d -= 5) arc.lineTo(at(d, rIn));
    arc.closeSubpath();
    // The head at the far end, pointing along the turn.
    const double end = start + span, mid = (rOut + rIn) / 2;
    QPainterPath head;
    head.moveTo(at(end - 1, mid + 6.2));
    head.lineTo(at(end + 50, mid - 0.5));
    head.lineTo(at(end - 1, mid - 6.2));
    head.closeSubpath();
    out = out.united(arc).united(head);
  }
  if (!clockwise) out = QTransform(-1, 0, 0, 1, 32, 0).map(out);
  return out;
}

QImage IconSheet() {
  QImage sheet(224, 64, QImage::Format_RGB32);
  sheet.fill(kWhite);
  auto paint = [&](int cell, int half, const std::vector<bool>& on, QRgb colour) {
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (on[y * 32 + x]) sheet.setPixel(32 * cell + x, 32 * half + y, colour);
  };
  const QTransform flip(1, 0, 0, -1, 0, 32);
  const QPainterPath up = UpArrow(), down = flip.map(up);
  // Revolution arrow: cyan, filled.
  paint(0, 0, Coverage(up, {}, 0), kCyan);
  paint(0, 1, Coverage(down, {}, 0), kCyan);
  // Effective-order arrow: the same outline in near-white, to lie over the revolution arrow.
  paint(2, 0, Coverage({}, up, 2.2), kNearWhite);
  paint(2, 1, Coverage({}, down, 2.2), kNearWhite);
  // Direction of play: clockwise on top (seats counted up), counter-clockwise below.
  paint(4, 0, Coverage(CirclingArrows(true), {}, 0), kBlue);
  paint(4, 1, Coverage(CirclingArrows(false), {}, 0), kBlue);
  // Masks: white wherever the picture beside them is not white.
  for (int cell = 0; cell < 6; cell += 2)
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 32; ++x)
        sheet.setPixel(32 * (cell + 1) + x, y, sheet.pixel(32 * cell + x, y) != kWhite ? kWhite : kBlack);
  // The dimming tile: only pixels with even x and odd y are white in the top half.
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) sheet.setPixel(192 + x, y, (x % 2 == 0 && y % 2 == 1) ? kWhite : kBlack);
  return sheet;
}

// Eight bits a pixel. The palette starts with the exact colours the game relies on; then, one at a
// time, it takes the colour that the palette so far renders worst (its error weighted by how many
// pixels have it), so rare but distinct hues keep their own entry. Every pixel goes to its nearest
// entry, which leaves the exact colours exact.
QImage ToIndexed(const QImage& img) {
  QHash<QRgb, int> count;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) ++count[img.pixel(x, y)];
  struct Entry {
    QRgb c;
    int n;
    long best;
    int index;
  };
  std::vector<Entry> colours;
  for (auto it = count.cbegin(); it != count.cend(); ++it) colours.push_back({it.key(), it.value(), -1, 0});
  std::sort(colours.begin(), colours.end(), [](const Entry& a, const Entry& b) { return a.c < b.c; });
  auto dist = [](QRgb a, QRgb b) {
    const long dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
  };
  QList<QRgb> table;
  auto add = [&](QRgb c) {
    const int index = table.size();
    table.push_back(c);
    for (Entry& e : colours) {
      const long d = dist(e.c, c);
      if (e.best < 0 || d < e.best) e.best = d, e.index = index;
    }
  };
  for (QRgb c : {kWhite, kBlack, kCyan, kBlue, kNearWhite, kBorder}) add(c);
  while (table.size() < 256) {
    const Entry* worst = nullptr;
    for (const Entry& e : colours)
      if (e.best > 0 && (!worst || e.best * e.n > worst->best * worst->n)) worst = &e;
    if (!worst) break;
    add(worst->c);
  }
  QHash<QRgb, int> indexOf;
  for (const Entry& e : colours) indexOf.insert(e.c, e.index);
  QImage out(img.size(), QImage::Format_Indexed8);
  out.setColorTable(table);
  for (int y = 0; y < img.height(); ++y) {
    uchar* line = out.scanLine(y);
    for (int x = 0; x < img.width(); ++x) line[x] = uchar(indexOf.value(img.pixel(x, y)));
  }
  return out;
}

bool Save(const QImage& img, const QString& path) {
  if (!ToIndexed(img).save(path, "PNG")) {
    std::fprintf(stderr, "make_sheets: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sheets <output directory>\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const bool ok = Save(CardSheet(), dir + "/cards.png") && Save(IconSheet(), dir + "/icons.png");
  return ok ? 0 : 1;
}

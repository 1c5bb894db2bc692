#include "view/frame.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstring>
#include <optional>

#include "game/state.h"

// The sheets are compiled into the view library; their initialiser must be named at global scope.
static void InitSheetResources() { Q_INIT_RESOURCE(assets); }

namespace tomaruk {

QString PickJapaneseFamily(const QStringList& japanese,
                           const std::function<bool(const QString&)>& halfWidthCells) {
  if (japanese.contains("IPAGothic")) return "IPAGothic";
  for (const QString& family : japanese)
    if (halfWidthCells(family)) return family;
  return japanese.isEmpty() ? QString() : japanese.front();
}

QString JapaneseFontFamily() {
  static const QString family =
      PickJapaneseFamily(QFontDatabase::families(QFontDatabase::Japanese), [](const QString& f) {
        QFont font(f);
        font.setPixelSize(12);
        const QFontMetrics m(font);
        return m.horizontalAdvance('i') == 6 && m.horizontalAdvance('W') == 6;
      });
  return family;
}

// Notes the area a primitive is about to draw on. picMain is also a public image that anybody may
// draw on or replace; its cache key changes whenever that happens, and then all of it counts.
class Frame::Drawing {
 public:
  Drawing(Frame& f, const QRect& area) : f_(f) {
    f_.NoticeOtherDrawing();
    f_.drawn_ |= area;
  }
  ~Drawing() {
    ++f_.version_;
    f_.drawnKey_ = f_.picMain.cacheKey();
  }
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

 private:
  Frame& f_;
};

QString TextFontFamily() {
  static const QString family = [] {
    const QString japanese = JapaneseFontFamily();
    return japanese.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family() : japanese;
  }();
  return family;
}

Frame::Frame()
    : picMain(kScreenWidth, kScreenHeight, QImage::Format_RGB32),
      picBack(kScreenWidth, kScreenHeight, QImage::Format_RGB32),
      picEffect(kScreenWidth, kScreenHeight, QImage::Format_RGB32) {
  picMain.fill(kTableGreen);
  picBack.fill(kTableGreen);
  picEffect.fill(kWhiteRgb);
}

void Frame::InitSurfaces(bool builtInSheets) {
  picMain = QImage(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
  picMain.fill(kTableGreen);
  SetFontSize(12);
  picBack = QImage(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
  picBack.fill(kTableGreen);

  sheetsLoaded = false;
  if (!builtInSheets) {
    InitSheetResources();
    QImage cards(":/sheets/cards.png");
    QImage icons(":/sheets/icons.png");
    if (cards.size() == QSize(832, 480) && icons.size() == QSize(224, 64)) {
      picCard = cards.convertToFormat(QImage::Format_RGB32);
      picGra = icons.convertToFormat(QImage::Format_RGB32);
      sheetsLoaded = true;
    }
  }
  if (!sheetsLoaded) {
    picCard = PaintCardSheet();
    picGra = PaintIconSheet();
  }

  // The dimming mask: the 32 x 32 checker tile repeated over the whole frame.
  picEffect = QImage(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
  picEffect.fill(kWhiteRgb);
  for (int j = 0; j < kScreenHeight / 32; ++j)
    for (int i = 0; i < kScreenWidth / 32; ++i)
      for (int y = 0; y < 32; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(picGra.constScanLine(y)) + kCheckerX;
        QRgb* dst = reinterpret_cast<QRgb*>(picEffect.scanLine(32 * j + y)) + 32 * i;
        std::copy(src, src + 32, dst);
      }
}

namespace {

// Both sides are opaque, so the alpha byte stays 0xFF under OR and AND alike.
void OrRow(QRgb* __restrict d, const QRgb* __restrict s, int w) {
  for (int i = 0; i < w; ++i) d[i] |= s[i];
}

void AndRow(QRgb* __restrict d, const QRgb* __restrict s, int w) {
  for (int i = 0; i < w; ++i) d[i] &= s[i];
}

// A row of pixels as they stand: a plain loop, as a sprite's rows are short.
void CopyRow(QRgb* __restrict d, const QRgb* __restrict s, int w) {
  for (int i = 0; i < w; ++i) d[i] = s[i];
}

// (d | mask) & image, the two raster operations of a sprite fused.
void MaskRow(QRgb* __restrict d, const QRgb* __restrict m, const QRgb* __restrict s, int w) {
  for (int i = 0; i < w; ++i) d[i] = (d[i] | m[i]) & s[i];
}

}  // namespace

void Frame::MaskedBlit(const QImage& sheet, int mx, int my, int ix, int iy, int x, int y, int w, int h) {
  // Cut off what lies outside the frame, moving both source cells alike.
  if (x < 0) {
    mx -= x;
    ix -= x;
    w += x;
    x = 0;
  }
  if (y < 0) {
    my -= y;
    iy -= y;
    h += y;
    y = 0;
  }
  if (mx < 0 || ix < 0 || my < 0 || iy < 0) {
    Blit(sheet, mx, my, x, y, w, h, Op::Or);
    Blit(sheet, ix, iy, x, y, w, h, Op::And);
    return;
  }
  w = std::min({w, picMain.width() - x, sheet.width() - mx, sheet.width() - ix});
  h = std::min({h, picMain.height() - y, sheet.height() - my, sheet.height() - iy});
  if (w <= 0 || h <= 0) return;
  const Drawing drawing(*this, QRect(x, y, w, h));
  const qsizetype srcStride = sheet.bytesPerLine(), dstStride = picMain.bytesPerLine();
  const uchar* bits = sheet.constBits();
  uchar* dstBits = picMain.bits() + static_cast<qsizetype>(y) * dstStride;
  for (int row = 0; row < h; ++row) {
    const QRgb* m = reinterpret_cast<const QRgb*>(bits + (my + row) * srcStride) + mx;
    const QRgb* s = reinterpret_cast<const QRgb*>(bits + (iy + row) * srcStride) + ix;
    MaskRow(reinterpret_cast<QRgb*>(dstBits + row * dstStride) + x, m, s, w);
  }
}

void Frame::Blit(const QImage& src, int sx, int sy, int x, int y, int w, int h, Op op) {
  // Clip against the frame and the source together so the cell stays aligned.
  if (x < 0) {
    sx -= x;
    w += x;
    x = 0;
  }
  if (y < 0) {
    sy -= y;
    h += y;
    y = 0;
  }
  if (sx < 0) {
    x -= sx;
    w += sx;
    sx = 0;
  }
  if (sy < 0) {
    y -= sy;
    h += sy;
    sy = 0;
  }
  w = std::min({w, picMain.width() - x, src.width() - sx});
  h = std::min({h, picMain.height() - y, src.height() - sy});
  if (w <= 0 || h <= 0) return;
  const Drawing drawing(*this, QRect(x, y, w, h));
  // The sheets and the frame are separate images, so a row of one never overlaps a row of the other.
  const uchar* srcBits = src.constBits() + static_cast<qsizetype>(sy) * src.bytesPerLine();
  uchar* dstBits = picMain.bits() + static_cast<qsizetype>(y) * picMain.bytesPerLine();
  const qsizetype srcStride = src.bytesPerLine(), dstStride = picMain.bytesPerLine();
  for (int row = 0; row < h; ++row) {
    const QRgb* s = reinterpret_cast<const QRgb*>(srcBits + row * srcStride) + sx;
    QRgb* d = reinterpret_cast<QRgb*>(dstBits + row * dstStride) + x;
    switch (op) {
      case Op::Copy:
        std::copy(s, s + w, d);
        break;
      case Op::Or:
        OrRow(d, s, w);
        break;
      case Op::And:
        AndRow(d, s, w);
        break;
    }
  }
}

void Frame::CopyBackground(int x, int y, int w, int h) { Blit(picBack, 0, 0, x, y, w, h, Op::Copy); }

void Frame::DrawSprite(const QImage& sheet, int maskX, int imageX, int srcY, int x, int y, int w, int h) {
  MaskedBlit(sheet, maskX, srcY, imageX, srcY, x, y, w, h);
}

void Frame::DrawCard(int x, int y, int card, int suit, int rank, std::optional<Point> coveredBy) {
  if (!IsDrawableCard(card, suit, rank)) return;
  // The mask lies in the bottom row of the sheet, the faces above it.
  if (suit != kNoSuit) {
    CardBlit(kCardW * (rank - kRank3), kCardH * (suit - 1), x, y, kCardH, coveredBy);
  } else {
    // Codes 137..139 show the first joker picture, 140..142 the second.
    CardBlit(kCardW * ((card - 137) / 3), kJokerRowY, x, y, kCardH, coveredBy);
  }
}

void Frame::DrawCardBack(int x, int y, int height, std::optional<Point> coveredBy) {
  CardBlit(kBackX, kJokerRowY, x, y, std::clamp(height, 0, kCardH), coveredBy);
}

void Frame::FindSolidRuns() {
  solidKey_ = picCard.cacheKey();
  for (int r = 0; r < kCardH; ++r) {
    // The longest run of white on the row.
    SolidRun best;
    const QRgb* m = reinterpret_cast<const QRgb*>(picCard.constScanLine(kJokerRowY + r)) + kMaskX;
    for (int from = 0; from < kCardW;) {
      int to = from;
      while (to < kCardW && m[to] == 0xFFFFFFFFu) ++to;
      if (to - from > best.to - best.from) best = {from, to};
      from = to + 1;
    }
    solid_[r] = best;
  }
}

void Frame::CardBlit(int ix, int iy, int x, int y, int h, std::optional<Point> coveredBy) {
  if (picCard.format() != QImage::Format_RGB32 || ix < 0 || iy < 0 || ix + kCardW > picCard.width() ||
      iy + h > picCard.height() || kMaskX + kCardW > picCard.width() || kJokerRowY + h > picCard.height()) {
    MaskedBlit(picCard, kMaskX, kJokerRowY, ix, iy, x, y, kCardW, h);
    return;
  }
  if (picCard.cacheKey() != solidKey_) FindSolidRuns();
  // The rows and columns of the cell that lie in the frame.
  const int top = std::max(0, -y), bottom = std::min(h, picMain.height() - y);
  const int left = std::max(0, -x), right = std::min(kCardW, picMain.width() - x);
  if (top >= bottom || left >= right) return;
  const Drawing drawing(*this, QRect(x + left, y + top, right - left, bottom - top));
  const qsizetype srcStride = picCard.bytesPerLine(), dstStride = picMain.bytesPerLine();
  const uchar* bits = picCard.constBits();
  uchar* dstBits = picMain.bits();
  for (int r = top; r < bottom; ++r) {
    const QRgb* m = reinterpret_cast<const QRgb*>(bits + (kJokerRowY + r) * srcStride) + kMaskX;
    const QRgb* s = reinterpret_cast<const QRgb*>(bits + (iy + r) * srcStride) + ix;
    QRgb* d = reinterpret_cast<QRgb*>(dstBits + (y + r) * dstStride) + x;
    // Columns a..b of the row: copied where the mask is solid, through the mask elsewhere.
    const SolidRun own = solid_[r];
    const auto draw = [&](int a, int b) {
      if (a >= b) return;
      if (own.from <= a && b <= own.to) {
        CopyRow(d + a, s + a, b - a);
        return;
      }
      const int from = std::clamp(own.from, a, b), to = std::clamp(own.to, from, b);
      MaskRow(d + a, m + a, s + a, from - a);
      CopyRow(d + from, s + from, to - from);
      MaskRow(d + to, m + to, s + to, b - to);
    };
    // What the next card covers of the row, in this card's columns.
    int coverFrom = right, coverTo = right;
    if (coveredBy) {
      const int nextRow = y + r - coveredBy->y;
      if (nextRow >= 0 && nextRow < kCardH) {
        coverFrom = std::clamp(coveredBy->x + solid_[nextRow].from - x, left, right);
        coverTo = std::clamp(coveredBy->x + solid_[nextRow].to - x, coverFrom, right);
      }
    }
    draw(left, coverFrom);
    draw(coverTo, right);
  }
}

void Frame::DimRect(int x, int y, int w, int h) { Blit(picEffect, 0, 0, x, y, w, h, Op::And); }

namespace {
// What an outline or a line from (left, top) to (right, bottom) can touch with its pen.
QRect OutlineArea(int left, int top, int right, int bottom, int pen) {
  return QRect(QPoint(left, top), QPoint(right, bottom)).normalized().adjusted(-pen, -pen, pen, pen);
}
}  // namespace

namespace {
// The bytes of the UTF-8 character at `at`, never past the text's end.
std::size_t CharBytes(const std::string& utf8, std::size_t at) {
  const unsigned char c = static_cast<unsigned char>(utf8[at]);
  const std::size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
  return std::min(len, utf8.size() - at);
}
}  // namespace

int Cells(const std::string& utf8) {
  int cells = 0;
  for (std::size_t at = 0; at < utf8.size(); at += CharBytes(utf8, at))
    cells += CharBytes(utf8, at) == 1 ? 1 : 2;
  return cells;
}

std::string CutToCells(const std::string& utf8, int cells) {
  std::size_t end = 0;
  for (int used = 0; end < utf8.size(); end += CharBytes(utf8, end)) {
    used += CharBytes(utf8, end) == 1 ? 1 : 2;
    if (used > cells) break;
  }
  return utf8.substr(0, end);
}

void Frame::SetFontSize(int px) {
  // The table view sets its size on every redraw; building the font once is enough.
  if (fontReady && px == fontSize) return;
  fontReady = true;
  fontSize = px;
  font = QFont(TextFontFamily());
  font.setPixelSize(px);
  font.setStyleStrategy(QFont::NoAntialias);
}

void Frame::DrawText(int x, int y, const std::string& utf8) {
  const QString text = QString::fromStdString(utf8);
  // A glyph may reach a little beyond its cell: a cell's size on every side is room enough.
  const Drawing drawing(*this, QRect(x - fontSize, y - fontSize, (text.size() + 2) * fontSize, 3 * fontSize));
  if (!(font == glyphFont_) || glyphFont_.pixelSize() != font.pixelSize()) {
    glyphs_.clear();
    glyphFont_ = font;
  }
  std::optional<QPainter> painter;  // only for a character that blends
  int cx = x;
  for (int i = 0; i < text.size(); ++i) {
    QString ch = text.mid(i, 1);
    if (text.at(i).isHighSurrogate() && i + 1 < text.size()) ch = text.mid(i++, 2);
    const Stamp& glyph = GlyphFor(ch);
    if (glyph.exact) {
      SetPixels(glyph.pixels, cx, y);
    } else {
      if (!painter) {
        painter.emplace(&picMain);
        painter->setFont(font);
        painter->setPen(QColor::fromRgb(foreground));
      }
      painter->drawText(cx, y + QFontMetrics(font).ascent(), ch);
    }
    // Half-width cells for the one-byte characters (ASCII and half-width kana), full-width for the rest.
    const char16_t u = ch.at(0).unicode();
    cx += (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) ? fontSize / 2 : fontSize;
  }
}

// The font draws without antialiasing, so a character sets whole pixels to the pen's colour and
// leaves the rest alone: the pixels can be taken once and set again wherever the character goes.
Frame::Stamp Frame::TakeStamp(const QImage& cell, QPoint origin) {
  Stamp stamp;
  stamp.exact = true;
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x) {
      const QRgb c = cell.pixel(x, y) & 0xFFFFFFu;
      if (c == 0xFFFFFFu) stamp.pixels.emplace_back(x - origin.x(), y - origin.y());
      // A pixel touched only in part, or a drawing reaching the cell's edge: paint it as it comes.
      if ((c != 0 && c != 0xFFFFFFu) ||
          (c != 0 && (x == 0 || y == 0 || x == cell.width() - 1 || y == cell.height() - 1)))
        stamp.exact = false;
    }
  return stamp;
}

const Frame::Stamp& Frame::GlyphFor(const QString& ch) {
  auto it = glyphs_.find(ch);
  if (it != glyphs_.end()) return it->second;
  const int size = glyphFont_.pixelSize() > 0 ? glyphFont_.pixelSize() : fontSize;
  QImage cell(3 * size, 3 * size, QImage::Format_RGB32);
  cell.fill(0xFF000000u);
  {
    QPainter p(&cell);
    p.setFont(glyphFont_);
    p.setPen(Qt::white);
    p.drawText(size, size + QFontMetrics(glyphFont_).ascent(), ch);
  }
  return glyphs_.emplace(ch, TakeStamp(cell, QPoint(size, size))).first->second;
}

void Frame::FrameRect(int left, int top, int right, int bottom) {
  const Drawing drawing(*this, OutlineArea(left, top, right, bottom, penWidth));
  DrawOutline({false, right - left, bottom - top, penWidth, 0, 0}, left, top);
}

void Frame::FrameRoundRect(int left, int top, int right, int bottom, int ellipseW, int ellipseH) {
  const Drawing drawing(*this, OutlineArea(left, top, right, bottom, penWidth));
  DrawOutline({true, right - left, bottom - top, penWidth, ellipseW, ellipseH}, left, top);
}

void Frame::PaintOutline(QPainter& p, const OutlineShape& shape, int left, int top, QRgb colour) {
  p.setBrush(Qt::NoBrush);
  if (!shape.round) {
    p.setPen(QPen(QColor::fromRgb(colour), shape.pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(left, top, shape.width - 1, shape.height - 1);
    return;
  }
  p.setPen(QPen(QColor::fromRgb(colour), shape.pen));
  // The pen stays inside the rectangle, however wide it is.
  const double half = shape.pen / 2.0;
  p.drawRoundedRect(QRectF(left + half, top + half, shape.width - shape.pen, shape.height - shape.pen),
                    shape.ellipseW / 2.0, shape.ellipseH / 2.0);
}

void Frame::DrawOutline(const OutlineShape& shape, int left, int top) {
  auto it = outlines_.find(shape);
  // Only sizes a frame could show are kept, and only so many of them.
  constexpr int kMostOutlines = 64;
  const bool keep = std::abs(shape.width) <= kScreenWidth && std::abs(shape.height) <= kScreenHeight &&
                    shape.pen >= 0 && shape.pen <= 16 && outlines_.size() < kMostOutlines;
  if (it == outlines_.end() && keep) {
    // Painted white on black with room all round, so that one reaching the cell's edge is a
    // sign of something drawn in part.
    const int pad = shape.pen + 2;
    const int x0 = std::min(0, shape.width) - pad, y0 = std::min(0, shape.height) - pad;
    QImage cell(std::abs(shape.width) + 2 * pad, std::abs(shape.height) + 2 * pad, QImage::Format_RGB32);
    cell.fill(0xFF000000u);
    {
      QPainter p(&cell);
      PaintOutline(p, shape, -x0, -y0, kWhiteRgb);
    }
    it = outlines_.emplace(shape, TakeStamp(cell, QPoint(-x0, -y0))).first;
  }
  if (it == outlines_.end() || !it->second.exact) {
    QPainter p(&picMain);
    PaintOutline(p, shape, left, top, foreground);
    return;
  }
  SetPixels(it->second.pixels, left, top);
}

void Frame::SetPixels(const std::vector<QPoint>& offsets, int x, int y) {
  const QRgb pen = 0xFF000000u | foreground;
  uchar* bits = picMain.bits();
  const qsizetype stride = picMain.bytesPerLine();
  const int width = picMain.width(), height = picMain.height();
  for (const QPoint& d : offsets) {
    const int px = x + d.x(), py = y + d.y();
    if (px >= 0 && py >= 0 && px < width && py < height)
      reinterpret_cast<QRgb*>(bits + py * stride)[px] = pen;
  }
}

void Frame::DrawLine(int x1, int y1, int x2, int y2) {
  const Drawing drawing(*this, OutlineArea(x1, y1, x2, y2, penWidth));
  QPainter p(&picMain);
  p.setPen(QPen(QColor::fromRgb(foreground), penWidth));
  // Like an outline's right and bottom edges, a line stops one pixel short of its end point.
  const int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
  if (dx == 0 && dy == 0) return;
  p.drawLine(x1, y1, x2 - dx, y2 - dy);
}

void Frame::NoticeOtherDrawing() {
  if (picMain.cacheKey() == drawnKey_) return;
  drawn_ = picMain.rect();
  ++version_;
  drawnKey_ = picMain.cacheKey();
}

uint64_t Frame::Version() {
  NoticeOtherDrawing();
  return version_;
}

bool Frame::ChangedSinceShown() {
  NoticeOtherDrawing();
  const QRect area = drawn_.intersected(picMain.rect());
  drawn_ = QRect();
  if (shown_.size() != picMain.size() || shown_.format() != picMain.format() || picMain.depth() != 32)
    return true;
  const qsizetype offset = qsizetype{area.left()} * 4, bytes = qsizetype{area.width()} * 4;
  for (int y = area.top(); y <= area.bottom(); ++y)
    if (std::memcmp(picMain.constScanLine(y) + offset, shown_.constScanLine(y) + offset, bytes) != 0)
      return true;
  return false;
}

void Frame::Present() {
  ++presentCount;
  if (!presentHook) return;
  if (presentChangesOnly && !ChangedSinceShown()) return;
  // The window keeps its own copy: drawing the next frame never shows through.
  shown_ = picMain.copy();
  presentHook(shown_);
}

}  // namespace tomaruk

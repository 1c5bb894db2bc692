// The two built-in picture sheets: their cells, the white card corners, the masks and the dimming tile.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <utility>
#include <vector>

// The sheets are compiled into the view library; their initialiser is named at global scope.
static void LoadSheetResources() { Q_INIT_RESOURCE(assets); }

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

struct Sheets {
  QImage cards, icons;
};

const Sheets& Loaded() {
  static const Sheets sheets = [] {
    LoadSheetResources();
    return Sheets{QImage(":/sheets/cards.png").convertToFormat(QImage::Format_RGB32),
                  QImage(":/sheets/icons.png").convertToFormat(QImage::Format_RGB32)};
  }();
  return sheets;
}

QImage Cell(int col, int row) { return Loaded().cards.copy(64 * col, 96 * row, 64, 96); }

// The twelve pixels outside a card's rounded border: three at each corner.
bool IsCornerPixel(int x, int y) { return std::min(x, 63 - x) + std::min(y, 95 - y) <= 1; }

bool IsRedInk(QRgb c) { return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90; }

bool AnyPixel(const QImage& img, bool (*pick)(QRgb)) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (pick(img.pixel(x, y))) return true;
  return false;
}

TEST(SheetsTest, SizesOfTheSheets) {
  ASSERT_FALSE(Loaded().cards.isNull());
  ASSERT_FALSE(Loaded().icons.isNull());
  EXPECT_EQ(Loaded().cards.size(), QSize(832, 480));
  EXPECT_EQ(Loaded().icons.size(), QSize(224, 64));
}

TEST(SheetsTest, CardMaskIsBlackOnlyOutsideTheCorners) {
  const QImage mask = Cell(3, 4);
  int black = 0;
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 64; ++x) {
      const QRgb c = mask.pixel(x, y);
      EXPECT_EQ(c, IsCornerPixel(x, y) ? kBlack : kWhite) << x << "," << y;
      black += c == kBlack;
    }
  EXPECT_EQ(black, 12);
  EXPECT_EQ(mask.pixel(0, 0), kBlack);
  EXPECT_EQ(mask.pixel(62, 95), kBlack);
  EXPECT_EQ(mask.pixel(1, 1), kWhite);
}

TEST(SheetsTest, FacesAndBackHaveWhiteCornersAndABorder) {
  std::vector<std::pair<int, int>> cells;
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 13; ++col) cells.push_back({col, row});
  cells.push_back({0, 4});
  cells.push_back({1, 4});
  cells.push_back({2, 4});
  for (auto [col, row] : cells) {
    const QImage cell = Cell(col, row);
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 64; ++x)
        if (IsCornerPixel(x, y)) {
          EXPECT_EQ(cell.pixel(x, y), kWhite) << col << "/" << row << " at " << x << "," << y;
        }
    // Just inside the corner the border is dark, so a card stands out on any table.
    for (auto [x, y] : {std::pair{1, 1}, {62, 1}, {1, 94}, {62, 94}, {32, 0}, {0, 48}})
      EXPECT_LT(qGray(cell.pixel(x, y)), 100) << col << "/" << row << " at " << x << "," << y;
  }
  // The cells after the mask are plain white.
  for (int col = 4; col < 13; ++col) {
    const QImage cell = Cell(col, 4);
    QImage white(cell.size(), cell.format());
    white.fill(kWhite);
    EXPECT_EQ(cell, white) << col;
  }
}

TEST(SheetsTest, EveryPictureIsDistinct) {
  std::vector<QImage> faces;
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 13; ++col) faces.push_back(Cell(col, row));
  faces.push_back(Cell(0, 4));
  faces.push_back(Cell(1, 4));
  faces.push_back(Cell(2, 4));
  for (size_t i = 0; i < faces.size(); ++i)
    for (size_t j = i + 1; j < faces.size(); ++j) EXPECT_NE(faces[i], faces[j]) << i << " and " << j;
  EXPECT_NE(Cell(0, 4), Cell(1, 4));

  // Hearts and diamonds are printed in red, spades and clubs without it (the court pictures carry
  // coloured accents in every suit, so only the number cards and aces are looked at).
  for (int col : {0, 1, 2, 3, 4, 5, 6, 7, 11, 12}) {
    EXPECT_FALSE(AnyPixel(Cell(col, 0), IsRedInk)) << "spades " << col;
    EXPECT_TRUE(AnyPixel(Cell(col, 1), IsRedInk)) << "hearts " << col;
    EXPECT_TRUE(AnyPixel(Cell(col, 2), IsRedInk)) << "diamonds " << col;
    EXPECT_FALSE(AnyPixel(Cell(col, 3), IsRedInk)) << "clubs " << col;
  }
}

// The separate blots of ink in the middle strip of a card, between the two corner indices: on a
// number card, its pips.
int PipCount(const QImage& cell) {
  constexpr int x0 = 17, x1 = 47, y0 = 2, y1 = 94;
  auto ink = [&](int x, int y) { return qGray(cell.pixel(x, y)) < 200; };
  std::vector<bool> seen((x1 - x0) * (y1 - y0));
  int blots = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      if (!ink(x, y) || seen[(y - y0) * (x1 - x0) + x - x0]) continue;
      ++blots;
      std::vector<std::pair<int, int>> todo{{x, y}};
      seen[(y - y0) * (x1 - x0) + x - x0] = true;
      while (!todo.empty()) {
        const auto [px, py] = todo.back();
        todo.pop_back();
        for (auto [nx, ny] : {std::pair{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}}) {
          if (nx < x0 || nx >= x1 || ny < y0 || ny >= y1 || !ink(nx, ny)) continue;
          if (seen[(ny - y0) * (x1 - x0) + nx - x0]) continue;
          seen[(ny - y0) * (x1 - x0) + nx - x0] = true;
          todo.push_back({nx, ny});
        }
      }
    }
  return blots;
}

TEST(SheetsTest, NumberCardsShowTheirPips) {
  // Columns 0..7 are the ranks 3..10, column 11 the ace with its single large pip, 12 the 2.
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col <= 7; ++col) EXPECT_EQ(PipCount(Cell(col, row)), col + 3) << col << "/" << row;
    EXPECT_EQ(PipCount(Cell(12, row)), 2) << row;
    // The ace of spades keeps its rings round the pip; the other aces show the pip alone.
    if (row > 0) {
      EXPECT_EQ(PipCount(Cell(11, row)), 1) << row;
    }
  }
}

// Counts the ink of one 32 x 32 icon picture: pixels that are not white.
int Ink(const QImage& icons, int cell, int half, int rowFrom = 0, int rowTo = 32) {
  int n = 0;
  for (int y = rowFrom; y < rowTo; ++y)
    for (int x = 0; x < 32; ++x) n += icons.pixel(32 * cell + x, 32 * half + y) != kWhite;
  return n;
}

TEST(SheetsTest, IconMasksCoverExactlyTheirPictures) {
  const QImage& icons = Loaded().icons;
  const QRgb colour[3] = {0xFF00FFFF, 0xFFF5F5F5, 0xFF0000FF};  // cyan, near-white, blue
  for (int k = 0; k < 3; ++k) {
    const int image = 2 * k, mask = 2 * k + 1;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 32; ++x) {
        const QRgb i = icons.pixel(32 * image + x, y), m = icons.pixel(32 * mask + x, y);
        ASSERT_TRUE(m == kWhite || m == kBlack) << "mask " << mask << " at " << x << "," << y;
        EXPECT_EQ(m == kWhite, i != kWhite) << "cell " << image << " at " << x << "," << y;
        if (i != kWhite) {
          EXPECT_EQ(i, colour[k]) << "cell " << image << " at " << x << "," << y;
        }
      }
    EXPECT_GT(Ink(icons, image, 0), 40) << image;
    EXPECT_GT(Ink(icons, image, 1), 40) << image;
  }
  // The arrows point up in the top half and down in the bottom half: the head, wider than the
  // shaft, holds most of the ink of its end.
  for (int cell : {0, 2}) {
    EXPECT_GT(Ink(icons, cell, 0, 0, 16), Ink(icons, cell, 0, 16, 32)) << cell;
    EXPECT_LT(Ink(icons, cell, 1, 0, 16), Ink(icons, cell, 1, 16, 32)) << cell;
  }
  // The two senses of the circling arrows are different pictures.
  EXPECT_NE(icons.copy(128, 0, 32, 32), icons.copy(128, 32, 32, 32));
}

TEST(SheetsTest, CheckerTileKeepsEvenColumnsOfOddRows) {
  const QImage& icons = Loaded().icons;
  int white = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const QRgb c = icons.pixel(192 + x, y);
      EXPECT_EQ(c, (x % 2 == 0 && y % 2 == 1) ? kWhite : kBlack) << x << "," << y;
      white += c == kWhite;
    }
  EXPECT_EQ(white, 256);
  for (int y = 32; y < 64; ++y)
    for (int x = 0; x < 32; ++x) EXPECT_EQ(icons.pixel(192 + x, y), kWhite) << x << "," << y;
}

}  // namespace

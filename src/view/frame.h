#pragma once
#include <QFont>
#include <QImage>
#include <QRect>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "game/state.h"

class QPainter;

namespace tomaruk {

// The colours of the table view.
constexpr QRgb kTableGreen = 0xFF007F00;
constexpr QRgb kWhiteRgb = 0xFFFFFFFF;
constexpr QRgb kRedRgb = 0xFFFF0000;
constexpr QRgb kYellowRgb = 0xFFFFFF00;
constexpr QRgb kBlueRgb = 0xFF0000FF;
constexpr QRgb kGreyRgb = 0xFFAAAAAA;

// Where the cells of the card sheet are, one card (kCardW x kCardH) each: row 4 holds the
// jokers, the back and the mask.
constexpr int kJokerRowY = 384;
constexpr int kBackX = 128;
constexpr int kMaskX = 192;
// The icon sheet: the dimming tile sits in cell 6.
constexpr int kCheckerX = 192;

// The surfaces of the main window and the few primitives every picture of the game is made of.
// picMain is the frame: nothing drawn into it is seen before Present.
class Frame {
 public:
  Frame();
  // Fills the background and the dimming mask and loads the two sheets. With builtInSheets, or
  // when a sheet cannot be loaded, sheets painted here with the same cells are used instead.
  void InitSurfaces(bool builtInSheets = false);

  void CopyBackground(int x, int y, int w, int h);
  // OR the mask cell into the frame, then AND the image cell over it.
  void DrawSprite(const QImage& sheet, int maskX, int imageX, int srcY, int x, int y, int w, int h);
  // The face of a card whose suit (0 = joker) and rank are given. With `coveredBy`, the top-left
  // corner of a whole card drawn next, the part that card will cover is left alone.
  void DrawCard(int x, int y, int card, int suit, int rank, std::optional<Point> coveredBy = {});
  // The top `height` rows (0..96) of a card back.
  void DrawCardBack(int x, int y, int height, std::optional<Point> coveredBy = {});
  // AND with the checker mask: only pixels at an even column and odd row offset keep their colour.
  void DimRect(int x, int y, int w, int h);
  // Text in the frame's font and colour, top-left at (x, y), placed cell by cell: a half-width
  // character takes half the font's pixel size, a full-width one the whole size.
  void DrawText(int x, int y, const std::string& utf8);
  // Outlines; right and bottom are exclusive.
  void FrameRect(int left, int top, int right, int bottom);
  void FrameRoundRect(int left, int top, int right, int bottom, int ellipseW, int ellipseH);
  void DrawLine(int x1, int y1, int x2, int y2);
  void SetForeground(QRgb colour) { foreground = colour; }
  void SetPenWidth(int n) { penWidth = n; }
  // The font's cell height in pixels: 12 on the table, 20 on the title, 18 on the result screens.
  void SetFontSize(int px);
  // Hands a copy of the finished frame to the window (with presentChangesOnly, only when its
  // pixels differ from the frame handed over last).
  void Present();

  QImage picMain, picBack, picEffect, picCard, picGra;
  std::function<void(const QImage&)> presentHook;
  int presentCount = 0;
  // An unchanged picture is not shown again: the window and the display then sleep while the
  // game polls the mouse.
  bool presentChangesOnly = false;
  // Changes whenever picMain is drawn on, through the primitives or otherwise.
  uint64_t Version();
  // True when both sheets came from the built-in pictures.
  bool sheetsLoaded = false;
  QRgb foreground = kWhiteRgb;
  int penWidth = 1;
  int fontSize = 12;
  QFont font;
  bool fontReady = false;

 private:
  enum class Op { Copy, Or, And };
  class Drawing;
  // The pixels a character or an outline sets, relative to the point it is drawn at; exact is
  // false when it cannot be drawn that way (it blends into the frame) and is painted instead.
  struct Stamp {
    bool exact = false;
    std::vector<QPoint> pixels;
  };
  // The stamp of what the painter drew white on the black cell, relative to `origin` in the cell.
  static Stamp TakeStamp(const QImage& cell, QPoint origin);
  const Stamp& GlyphFor(const QString& ch);
  // An outline is drawn without antialiasing as well, and the same size and pen set the same
  // pixels wherever it goes: they are taken once, relative to the outline's top-left corner.
  struct OutlineShape {
    bool round = false;
    int width = 0, height = 0, pen = 0, ellipseW = 0, ellipseH = 0;
    auto Key() const { return std::tie(round, width, height, pen, ellipseW, ellipseH); }
    bool operator<(const OutlineShape& o) const { return Key() < o.Key(); }
  };
  static void PaintOutline(QPainter& p, const OutlineShape& shape, int left, int top, QRgb colour);
  void DrawOutline(const OutlineShape& shape, int left, int top);
  // Sets the pixels at the offsets from (x, y) that lie in the frame to the foreground colour.
  void SetPixels(const std::vector<QPoint>& offsets, int x, int y);
  std::map<OutlineShape, Stamp> outlines_;
  // Whether picMain differs from the frame shown last, looked for only where it was drawn on.
  bool ChangedSinceShown();
  // Counts a change of picMain made outside the primitives as a drawing over all of it.
  void NoticeOtherDrawing();
  void Blit(const QImage& src, int sx, int sy, int x, int y, int w, int h, Op op);
  // The OR with the mask cell and the AND with the image cell in one pass over the frame.
  void MaskedBlit(const QImage& sheet, int mx, int my, int ix, int iy, int x, int y, int w, int h);
  // The top h rows of the card cell at (ix, iy) of the card sheet, through the card mask.
  void CardBlit(int ix, int iy, int x, int y, int h, std::optional<Point> coveredBy);
  // Where the card mask is solid white on each of its rows, the columns [from, to): there a card
  // shows its own picture whatever lies below, so it is copied, and a card drawn over it covers it.
  struct SolidRun {
    int from = 0, to = 0;
  };
  void FindSolidRuns();
  std::array<SolidRun, kCardH> solid_{};
  qint64 solidKey_ = 0;  // picCard's cache key when the runs were found

  QImage shown_;         // the frame handed over last
  QRect drawn_;          // where picMain was drawn on since then
  qint64 drawnKey_ = 0;  // picMain's cache key after our last drawing
  uint64_t version_ = 0;
  QFont glyphFont_;  // the font the glyphs below were taken from
  std::map<QString, Stamp> glyphs_;
};

// Text counted in half-width cells, as the labels are laid out: an ASCII character takes one cell
// (one byte of the Japanese ANSI code page), any other two. The cells a text takes, and the
// longest beginning of it that fits in the given cells.
int Cells(const std::string& utf8);
std::string CutToCells(const std::string& utf8, int cells);

// Whether the sheet has a picture for the card: a code of the deck with a rank of the cells, or a
// joker.
inline bool IsDrawableCard(int card, int suit, int rank) {
  return card >= 1 && card <= kCardCount && (suit == kNoSuit || (rank >= kRank3 && rank <= kRank2));
}

// Sheets painted in code, with the cells of the built-in pictures.
QImage PaintCardSheet();
QImage PaintIconSheet();
// The font the table's text is drawn in: JapaneseFontFamily, else (no font
// covers Japanese) the system's fixed-pitch font.
QString TextFontFamily();
// An installed font that covers Japanese: IPAGothic, whose 6 / 12 px cells the
// labels are laid out for, else the first with half-width Latin cells, else
// the first of any; empty when none is installed.
QString JapaneseFontFamily();
// The choice above among the given families; halfWidthCells tells whether a
// family's Latin letters are all half of its pixel size wide.
QString PickJapaneseFamily(const QStringList& japanese,
                           const std::function<bool(const QString&)>& halfWidthCells);

}  // namespace tomaruk

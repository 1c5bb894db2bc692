#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tomaruk {

// One text of a result screen, already cut to its byte length.
struct ScreenText {
  int x = 0, y = 0;
  std::string text;  // UTF-8
  uint32_t rgb = 0xFFFFFF;
};

// What a result screen shows: the table view (optionally redrawn first), a
// darkened band, texts in the 18 px font and an optional 1 px line.
struct ResultScreen {
  bool redrawTable = false;
  int bandX = 32, bandY = 0, bandW = 512, bandH = 0;
  std::vector<ScreenText> texts;
  bool hasLine = false;
  int lineX1 = 0, lineY1 = 0, lineX2 = 0, lineY2 = 0;
};

// What the player sees. The rules call these at exactly the points where the
// game redraws or animates; the default does nothing, so tests and headless
// runs pass straight through. The window's view implements them with frames,
// waits and clicks.
class Presenter {
 public:
  virtual ~Presenter() = default;
  virtual void RenderTable(int /*clearPhase*/, bool /*present*/, bool /*showTable*/) {}
  virtual void AnimatePlay() {}
  virtual void AnimateDraw(int /*seat*/) {}
  virtual void AnimateDropOut(const std::array<bool, 9>& /*marked*/) {}
  // The pause and the four sweeping frames before the table clears in play.
  virtual void ClearTableEffect() {}
  // Each dealt card: a redraw and a short wait.
  virtual void DealtCard() {}
  // Shows a result screen and waits for a click.
  virtual void ShowResultScreen(const ResultScreen& /*screen*/) {}
  // Partial redraws used by the human's input loop; Present shows the frame.
  virtual void DrawPlayerHand(int /*offset*/) {}
  virtual void DrawButtons(int /*highlight*/) {}
  virtual void Present() {}
  // The title frame with "Click to Start...".
  virtual void DrawTitle() {}
};

}  // namespace tomaruk

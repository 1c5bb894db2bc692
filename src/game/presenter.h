#pragma once
#include <array>
#include <cstdint>

#include "game/selection.h"

namespace tomaruk {

struct DealResult;

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
  // The deal's two result screens, each waiting for a click.
  virtual void ShowDealResult(const DealResult& /*result*/) {}
  // Partial redraws used by the human's input loop; Present shows the frame.
  virtual void DrawPlayerHand(int /*offset*/) {}
  virtual void DrawButtons(int /*highlight*/) {}
  // The rules refused the player's 決定 on these cards (in hand order), or its パス (no cards).
  virtual void PlayRefused(const Selection& /*picked*/) {}
  virtual void Present() {}
  // The title frame with "Click to Start...".
  virtual void DrawTitle() {}
};

}  // namespace tomaruk

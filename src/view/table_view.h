#pragma once
#include <array>
#include <string>

#include "flow/host.h"
#include "game/presenter.h"
#include "game/state.h"
#include "view/frame.h"

namespace tomaruk {

// The picture of the game: the table in play, its animations, the title and the result screens,
// all drawn from the game state into the frame. It never changes the game state.
class TableView : public Presenter {
 public:
  TableView(Game& g, Pacer& pacer, Frame& frame) : g(g), pacer(pacer), frame(frame) {}

  void RenderTable(int clearPhase, bool present, bool showTable) override;
  void DrawPlayerHand(int offset) override;
  void DrawButtons(int highlight) override;
  void DrawSeatStatus(int seat, double angle);
  void Present() override { frame.Present(); }

  void AnimatePlay() override;
  void AnimateDraw(int seat) override;
  void AnimateDropOut(const std::array<bool, 9>& marked) override;
  void ClearTableEffect() override;
  void DealtCard() override;

  void DrawTitle() override;
  void ShowDealResult(const DealResult& result) override;

  void DrawCard(int x, int y, int card) { frame.DrawCard(x, y, card, g.SuitOf(card), g.RankOf(card)); }
  std::string SeatLabel(int s) const;

 private:
  void WaitForClick();
  Game& g;
  Pacer& pacer;
  Frame& frame;
  // The buttons as last drawn, and the frame's version right after.
  int buttonsLit_ = -1, buttonsFont_ = 0;
  uint64_t buttonsVersion_ = 0;
};

}  // namespace tomaruk

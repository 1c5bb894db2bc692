#pragma once
#include <array>
#include <deque>
#include <optional>
#include <string>

#include "flow/host.h"
#include "game/presenter.h"
#include "game/state.h"
#include "view/assist.h"
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
  void PlayRefused(const Selection& picked) override;

  // The assist layer, drawn over the table only when the player turned it on.
  bool assist = false;
  // The deal's log, oldest first: the last few actions.
  const std::deque<std::string>& Log() const { return log_; }
  // The picture shown with the log's last lines over it, while the player asks for them.
  QImage WithLog(const QImage& shown);

  // With `coveredBy`, the place of the card drawn next: what it covers is not drawn twice.
  void DrawCard(int x, int y, int card, std::optional<Point> coveredBy = {}) {
    frame.DrawCard(x, y, card, g.SuitOf(card), g.RankOf(card), coveredBy);
  }
  // Whether DrawCard draws the card at all.
  bool Drawable(int card) const { return IsDrawableCard(card, g.SuitOf(card), g.RankOf(card)); }

 private:
  void WaitForClick();
  void DrawAssist();
  void AddToLog(std::string line);
  // The last action: the play on its way with what it did so far, else the log's last line.
  std::string LastAction() const;
  // The refusal shown under the buttons, if still fresh.
  std::string FreshRefusal();
  // The play that reached the table and is not logged yet: the log names its effects once done.
  std::optional<BeforeEffects> pending_;
  int clears_ = 0;
  bool busy_ = false;  // inside an animation: its own redraws log nothing
  bool lastWasPlay_ = false;
  std::deque<std::string> log_;
  std::string refusal_;
  uint32_t refusalAt_ = 0;
  std::optional<Frame> logFrame_;
  Game& g;
  Pacer& pacer;
  Frame& frame;
  // The buttons as last drawn, and the frame's version right after.
  int buttonsLit_ = -1, buttonsFont_ = 0;
  std::string buttonsAssist_;  // with the assist layer: which buttons were live, and the refusal
  uint64_t buttonsVersion_ = 0;
};

}  // namespace tomaruk

#include "flow/flow.h"

#include <optional>
#include <utility>

#include "flow/timing.h"
#include "game/deal.h"
#include "game/rules.h"

namespace tomaruk {

void PrepareGame(Game& g, const OptionRecord& options, uint64_t seed) {
  BuildCardTable(g);
  InitCharacters(g);
  g.Characters[0].Name = "    ";
  g.Rng.Seed(seed);
  g.Options = options;
  AssignSeatCharacters(g);
}

void GameFlow::TitleScreen() {
  Host& host = pacer.host();
  for (;;) {
    host.SetOptionsMenuEnabled(true);
    pacer.DiscardPendingPress();
    g.View->DrawTitle();
    for (;;) {
      host.PumpMessages();
      const Point p = host.Cursor();
      if (RectHit(p.x, p.y, 1, 1, 0, 0, kScreenWidth, kScreenHeight) && pacer.KeyPressed(1)) break;
      pacer.Wait(kTitlePollMs);
    }
    // Never start a game with unusable options.
    if (g.Options.SeatCount >= 2 && g.Options.InitialLine > 0) break;
  }
  StartGame();
}

void GameFlow::StartGame() {
  pacer.host().SetOptionsMenuEnabled(false);
  for (int s = 1; s <= g.Options.SeatCount; ++s) g.Seat[s].Score = 0;
  for (int s = 1; s <= kMaxSeats; ++s) g.Seat[s].DealPoints.clear();
  g.DealCount = 0;
  g.GameOver = false;
}

DealResult GameFlow::PlayDeal() {
  Host& host = pacer.host();
  NewDeal(g);
  for (;;) {
    host.PumpMessages();
    ++g.TurnCounter;
    PlayTurn();
    if (afterTurn) afterTurn();
    if (g.SeatsInPlay <= 1) break;
    if (g.TurnCounter >= 500000) {
      host.MessageBox("いつまでやっとんねん。");
      break;
    }
    if (g.Line <= 1) {
      host.MessageBox("ライン下げすぎっ");
      break;
    }
  }
  return EndOfDeal(g);
}

void GameFlow::PlayGame() {
  do PlayDeal();
  while (!g.GameOver);
}

void GameFlow::RunForever() {
  for (;;) {
    TitleScreen();
    PlayGame();
  }
}

// The human's choice (no cards = pass).
Play GameFlow::HumanInput() {
  Host& host = pacer.host();
  SeatRecord& me = g.Seat[1];
  me.Selected.fill(false);
  int count = 0;
  pacer.DiscardPendingPress();
  for (;;) {
    host.PumpMessages();
    const Point p = host.Cursor();
    const bool onPlay = ButtonAt(p) == kPlayButton, onPass = ButtonAt(p) == kPassButton;
    if (onPlay && count > 0) {
      g.View->DrawButtons(kPlayButton);
    } else if (onPass && PassAllowed(g)) {
      g.View->DrawButtons(kPassButton);
    } else {
      g.View->DrawButtons(kNoButton);
    }
    g.View->Present();
    if (pacer.KeyPressed(1)) {
      const int slot = HandSlotAt(g.Options, me.CardCount, p);
      if (slot >= 1) {
        me.Selected[slot] = !me.Selected[slot];
        count += me.Selected[slot] ? 1 : -1;
        g.View->DrawPlayerHand(0);
      }
      if (onPlay && count > 0) {
        const Selection picked = SelectedCards(g, 1);
        if (std::optional<Play> play = ValidatePlay(g, picked)) return *play;
        // An illegal play is simply taken back.
        g.View->PlayRefused(picked);
        me.Selected.fill(false);
        count = 0;
        g.View->DrawPlayerHand(0);
      } else if (onPass && PassAllowed(g)) {
        return {};
      } else if (onPass) {
        g.View->PlayRefused({});
      }
    }
    pacer.Wait(kClickPollMs);
  }
}

void GameFlow::PlayTurn() {
  if (g.Turn == g.LeadSeat && !g.DealStart && g.Table.Count > 0) {
    // Everybody else passed since the last play: the round ends.
    g.View->ClearTableEffect();
    ClearTable(g);
  }
  if (g.Table.Count == 0) g.LeadSeat = g.Turn;
  SeatRecord& seat = g.Seat[g.Turn];
  lastTurn.seat = g.Turn;
  lastTurn.acted = false;
  lastTurn.computer = false;
  lastTurn.play.cards.clear();
  lastTurn.play.stairKey = kNoStair;
  lastTurn.refused.clear();
  lastTurn.code = 0;
  if (IsOut(seat.Status)) {
    g.Turn = NextSeat(g, g.Turn);
    return;
  }
  lastTurn.acted = true;
  lastTurn.mayPass = PassAllowed(g);
  g.View->RenderTable(0, true, true);
  Play play;
  const bool computer = g.Turn != 1 || humanIsComputer;
  if (seat.Status == kSkipped) {
    // A skipped seat draws instead of playing.
  } else if (!computer) {
    play = HumanInput();
  } else {
    Decision decision = ai.ComputerTurn();
    lastTurn.computer = true;
    lastTurn.code = decision.code;
    // Computer plays skip validation, so a play the rules would refuse
    // becomes a pass instead of breaking the table, which stays as it was.
    if (decision.play.cards.empty() || ComputerPlayIsLegal(g, decision.play)) {
      play = std::move(decision.play);
    } else {
      ++stats.illegalComputerPlays;
      ++stats.illegalByCode[decision.code];
      lastTurn.refused = std::move(decision.play.cards);
    }
  }
  lastTurn.play = play;
  if (seat.Status == kSkipped || computer) {
    pacer.ComputerPause(HurryOn(g));
  }
  if (play.cards.empty()) {
    seat.Selected.fill(false);
    DrawFromStock(g, g.Turn, false);
    SortHand(g, g.Turn);
    CheckHandLimit(g);
    g.Turn = NextSeat(g, g.Turn);
  } else {
    ApplyPlay(g, play);
  }
  g.DealStart = false;
}

}  // namespace tomaruk

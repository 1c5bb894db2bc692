// The assist layer on the table view: its labels, the deal's log and the refusal's reason.
#include <QPainter>

#include "game/refusal.h"
#include "view/table_view.h"

namespace tomaruk {

namespace {

// How long a refusal's reason stays below the buttons.
constexpr uint32_t kRefusalShownMs = 2000;
// The log keeps this many lines; WithLog shows them all.
constexpr std::size_t kLogLines = 10;

}  // namespace

void TableView::AddToLog(std::string line) {
  // A play still waiting for its effects goes first, whatever they came to.
  if (pending_) {
    log_.push_back(PlayLogLine(g, *pending_, clears_));
    pending_.reset();
  }
  if (!line.empty()) log_.push_back(std::move(line));
  while (log_.size() > kLogLines) log_.pop_front();
}

std::string TableView::LastAction() const {
  if (pending_) return PlayLogLine(g, *pending_, clears_);
  return log_.empty() ? "" : log_.back();
}

std::string TableView::FreshRefusal() {
  if (!refusal_.empty() && pacer.host().Millis() - refusalAt_ > kRefusalShownMs) refusal_.clear();
  return refusal_;
}

void TableView::PlayRefused(const Selection& picked) {
  if (!assist) return;
  refusal_ = RefusalText(g, RefusalReason(g, picked));
  refusalAt_ = pacer.host().Millis();
}

void TableView::DrawAssist() {
  for (const AssistLabel& l : AssistLabels(g, LastAction())) {
    frame.SetForeground(l.colour);
    frame.DrawText(l.box.x, l.box.y, l.text);
  }
}

QImage TableView::WithLog(const QImage& shown) {
  if (!logFrame_) {
    logFrame_.emplace();
    logFrame_->InitSurfaces();
  }
  Frame& f = *logFrame_;
  f.picMain = shown.copy();
  std::deque<std::string> lines = log_;
  if (pending_) lines.push_back(LastAction());
  if (lines.empty()) lines.push_back("(まだ何もない)");
  const int h = static_cast<int>(lines.size()) * 16 + 12;
  QPainter(&f.picMain).fillRect(40, 64, kScreenWidth - 80, h, Qt::black);
  f.SetFontSize(12);
  f.SetForeground(kWhiteRgb);
  int y = 70;
  for (const std::string& line : lines) {
    f.DrawText(48, y, line);
    y += 16;
  }
  return f.picMain;
}

}  // namespace tomaruk

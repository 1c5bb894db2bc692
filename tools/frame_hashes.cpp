// Plays one seeded deal with the real table view and a scripted player, and
// prints every frame handed to the window: its virtual time and a hash of its
// pixels. Two builds that show the same pictures print the same lines once
// repeated frames are folded:
//
//   frame_hashes [SEED] | awk '$2 != last { print; last = $2 }'
//
// The player clicks the title, leads its first card, passes otherwise and
// clicks through the result screens; its clock is virtual, so a deal takes a
// second whatever its animations.
//
// A speed (slow, normal, fast) paces the deal as the window's --speed does; with
// --wall the clock is the real one and the deal's wall time is printed last:
//
//   frame_hashes 7 fast --wall | tail -1
//
// --seats N plays the deal at N seats (2..8) instead of the default four.
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "flow/flow.h"
#include "game/options.h"
#include "view/frame.h"
#include "view/table_view.h"

namespace {

using namespace tomaruk;

class ScriptedPlayer : public Host {
 public:
  ScriptedPlayer(const Game& g, bool wall) : g_(g), wall_(wall) { clock_.start(); }
  void PumpMessages() override {
    if (Millis() > 3600000) throw QuitRequested{};  // an hour of game time: something hangs
  }
  uint32_t Millis() override { return wall_ ? static_cast<uint32_t>(clock_.elapsed()) : now_; }
  void Sleep1() override { wall_ ? QThread::msleep(1) : void(++now_); }
  // The button is down for 15 ms of every 100, long enough for a 10 ms poll to
  // see it.
  bool LeftButtonState() override { return Millis() % 100 >= 60 && Millis() % 100 < 75; }
  Point Cursor() override {
    const SeatRecord& me = g_.Seat[1];
    if (g_.Turn != 1 || me.Status != kPlaying) return {300, 200};
    bool chosen = false;
    for (int i = 1; i <= me.CardCount; ++i) chosen = chosen || me.Selected[i];
    const Rect play = ButtonBox(kPlayButton), pass = ButtonBox(kPassButton), first = HandSlot(g_.Options, 1);
    if (chosen) return {play.x + 24, play.y + 12};                // "決定"
    if (g_.Table.Count == 0) return {first.x + 4, first.y + 48};  // the first card
    return {pass.x + 24, pass.y + 12};                            // "パス"
  }
  void MessageBox(const std::string& text) override { std::printf("message %s\n", text.c_str()); }
  void SetOptionsMenuEnabled(bool) override {}

 private:
  const Game& g_;
  bool wall_;
  QElapsedTimer clock_;
  uint32_t now_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const uint64_t seed = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 7;
  Speed speed = Speed::kNormal;
  bool wall = false;
  int seats = 0;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seats") == 0 && i + 1 < argc) seats = std::atoi(argv[++i]);
    if (std::strcmp(argv[i], "slow") == 0) speed = Speed::kSlow;
    if (std::strcmp(argv[i], "fast") == 0) speed = Speed::kFast;
    if (std::strcmp(argv[i], "--wall") == 0) wall = true;
  }

  Game g;
  g.Rng.Seed(seed);
  g.Options = DecodeOptions(nullptr, 0);
  if (seats >= 2 && seats <= kMaxSeats) g.Options.SeatCount = seats;
  AssignSeatCharacters(g);
  BuildCardTable(g);
  InitCharacters(g);
  g.Characters[0].Name = "    ";

  ScriptedPlayer host(g, wall);
  Pacer pacer(host);
  pacer.speed = speed;
  Frame frame;
  frame.InitSurfaces();
  frame.presentChangesOnly = true;  // as the game's window does
  frame.presentHook = [&host](const QImage& picture) {
    const QByteArray bytes(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    std::printf("%u %s\n", host.Millis(),
                QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().data());
  };
  TableView view(g, pacer, frame);
  g.View = &view;

  GameFlow flow(g, pacer);
  try {
    flow.TitleScreen();
    flow.PlayDeal();
    if (wall) std::printf("wall %u ms\n", host.Millis());
  } catch (const QuitRequested&) {
    std::fprintf(stderr, "frame_hashes: the deal did not end\n");
    return 1;
  }
  return 0;
}

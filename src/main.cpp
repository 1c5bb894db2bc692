// Tomaruk: builds the window and the host, then runs the game until the window closes.
#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ai/computer_player.h"
#include "flow/flow.h"
#include "flow/host.h"
#include "game/options.h"
#include "game/state.h"
#include "settings/frm_main.h"
#include "settings/frm_option.h"
#include "settings/paths.h"
#include "settings/qt_host.h"
// The table view draws every frame; a build without it still runs the game unseen.
#if __has_include("view/table_view.h") && __has_include("view/frame.h")
#include "view/frame.h"
#include "view/table_view.h"
#define TOMARUK_HAS_VIEW 1
#endif
#if __has_include("flow/simulate.h")
#include "flow/simulate.h"
#define TOMARUK_HAS_SIMULATE 1
#endif

namespace {

bool ParseSeed(const std::string& text, uint64_t& seed) {
  if (text.empty() || text[0] == '-') return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long v = std::strtoull(text.c_str(), &end, 10);
  if (errno != 0 || end == nullptr || *end != '\0') return false;
  seed = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tomaruk;
  const std::vector<std::string> args(argv, argv + argc);
  // Headless games: no window at all.
  if (args.size() > 1 && args[1] == "--simulate") {
#ifdef TOMARUK_HAS_SIMULATE
    return RunSimulation(args, std::cout, std::cerr);
#else
    std::cerr << "tomaruk: --simulate is not available in this build\n";
    return 2;
#endif
  }

  bool seeded = false;
  uint64_t seed = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--seed") {
      if (i + 1 >= args.size() || !ParseSeed(args[i + 1], seed)) {
        std::cerr << "tomaruk: --seed needs a non-negative whole number\n";
        return 2;
      }
      seeded = true;
      ++i;
    }
  }

  auto game = std::make_unique<Game>();
  Game& g = *game;
  // The frame is 576 x 480 real pixels whatever the screen's DPI.
  PrepareQtEnvironment();
  QApplication app(argc, argv);
  QApplication::setApplicationName("tomaruk");

  FrmMain window;
  window.show();
  if (!seeded) seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  g.Rng.Seed(seed);

  const std::string optionPath = OptionFilePath();
  LoadOptions(g, optionPath);
  BuildCardTable(g);
  InitCharacters(g);
  g.Characters[0].Name = "    ";  // seat 1, the player

  // The labels are laid out for IPAGothic's 6 / 12 px cells; another font still plays.
  QFont font("IPAGothic");
  font.setPixelSize(12);
  if (QFontInfo(font).family() != "IPAGothic")
    std::cerr << "tomaruk: IPAGothic not found, using " << QFontInfo(font).family().toStdString() << "\n";

  QtHost host(window);
  Pacer pacer(host);
#ifdef TOMARUK_HAS_VIEW
  Frame frame;
  frame.InitSurfaces();
  frame.presentChangesOnly = true;
  frame.presentHook = [&window](const QImage& picture) { window.frame()->ShowFrame(picture); };
  TableView view(g, pacer, frame);
  g.View = &view;
#endif
  window.onOptions = [&] {
    FrmOption dialog(g, optionPath, &host, &window);
    dialog.exec();
  };

  try {
    GameFlow(g, pacer).RunForever();
  } catch (const QuitRequested&) {
  }
  // Nothing is saved on the way out.
  window.onOptions = nullptr;
  return 0;
}

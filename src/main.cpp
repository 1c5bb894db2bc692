// Tomaruk: builds the window and the host, then runs the game until the window closes.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "flow/flow.h"
#include "flow/host.h"
#include "game/options.h"
#include "game/state.h"
#include "settings/extras.h"
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

constexpr const char* kUsage =
    "Usage: tomaruk [--seed N] [--scale N|auto] [--speed slow|normal|fast] [--assist]\n"
    "       tomaruk --simulate DEALS [--seats N] [--seed S] [--options FILE] [--human-as C] [--trace]\n"
    "                               [--jobs N] [--format F] [--stats]\n"
    "       tomaruk --help | --version\n"
    "\n"
    "Tomaruk is a climbing and shedding card game against one to seven computer players.\n"
    "Without --simulate it opens the game's window: play with the mouse; Escape quits.\n"
    "\n"
    "  --seed N      deal from a fixed random seed (a repeatable game)\n"
    "  --scale N     show each pixel of the game as N x N pixels, N from 1 to 4; 'auto' takes\n"
    "                the largest that leaves about a fifth of the screen free\n"
    "  --speed S     slow, normal or fast: computer turns, the table's sweep and the animations\n"
    "                take 1.5, 1 or 0.5 times their normal time\n"
    "  --assist      show whose turn it is, every seat's cards against the limit, why a play is\n"
    "                refused and what just happened; hold the right button or L for the last lines\n"
    "  --simulate    play DEALS deals without a window, every seat by the computer, and print\n"
    "                statistics; 'tomaruk --simulate --help' lists its options\n"
    "  -h, --help    show this help and exit\n"
    "  --version     show the version and exit\n"
    "\n"
    "The file ~/.config/tomaruk/tomaruk.conf (or under $XDG_CONFIG_HOME) may hold the same\n"
    "settings as lines such as 'scale = 2', 'speed = fast' and 'assist = on'; the command line\n"
    "wins over it.\n"
    "\n"
    "Exit status: 0 when the window was closed, 1 when no window can be opened,\n"
    "2 for a wrong argument.\n";

constexpr const char* kNoDisplay =
    "tomaruk: cannot open the game's window: a graphical session is needed (DISPLAY or "
    "WAYLAND_DISPLAY); 'tomaruk --simulate DEALS' plays without one\n";

bool ParseSeed(const std::string& text, uint64_t& seed) {
  if (text.empty() || text[0] == '-') return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long v = std::strtoull(text.c_str(), &end, 10);
  if (errno != 0 || end == nullptr || *end != '\0') return false;
  seed = v;
  return true;
}

bool IsHelp(const std::string& a) { return a == "--help" || a == "-h"; }

// Whether "--simulate ..." asks for its help (the value of an option is not a request).
bool AsksSimulateHelp(const std::vector<std::string>& args) {
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (IsHelp(args[i])) return true;
    if (args[i] == "--seats" || args[i] == "--seed" || args[i] == "--options" || args[i] == "--human-as") ++i;
  }
  return false;
}

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr ? v : "";
}

// Whether Qt can hope to open a window: a platform that needs no display server, or the
// display server's address for one that does. Without it Qt would abort.
bool GraphicalSessionAvailable() {
  const std::string platform = Env("QT_QPA_PLATFORM");
  for (const char* headless : {"offscreen", "minimal", "vnc", "eglfs", "linuxfb", "vkkhrdisplay"})
    if (platform.rfind(headless, 0) == 0) return true;
  return !Env("DISPLAY").empty() || !Env("WAYLAND_DISPLAY").empty();
}

// While the application starts, Qt's complaints about the display are kept back, and a fatal one
// (a display that does not answer) ends the program with one line instead of an abort.
std::vector<std::string> startupMessages;
void StartupMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(kNoDisplay, stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  startupMessages.push_back(text.toStdString());
}

// The window's scale: 1 unless asked for; "auto" is measured on the screen the window opens on.
int WindowScale(const tomaruk::Extras& extras) {
  if (!extras.scale) return 1;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen != nullptr ? screen->availableSize() * screen->devicePixelRatio() : QSize();
  return tomaruk::ChooseScale(*extras.scale, size.width(), size.height());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tomaruk;
  const std::vector<std::string> args(argv, argv + argc);
  // Headless games: no window at all.
  if (args.size() > 1 && args[1] == "--simulate") {
    if (AsksSimulateHelp(args)) {
      std::cout << SimulationHelp();
      return 0;
    }
#ifdef TOMARUK_HAS_SIMULATE
    return RunSimulation(args, std::cout, std::cerr);
#else
    std::cerr << "tomaruk: --simulate is not available in this build\n";
    return 2;
#endif
  }

  bool seeded = false;
  uint64_t seed = 0;
  Extras asked;  // on the command line
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (IsHelp(a)) {
      std::cout << kUsage;
      return 0;
    }
    if (a == "--version") {
      std::cout << "tomaruk " << TOMARUK_VERSION << "\n";
      return 0;
    }
    if (a == "--seed") {
      if (i + 1 >= args.size() || !ParseSeed(args[i + 1], seed)) {
        std::cerr << "tomaruk: --seed needs a non-negative whole number\n";
        return 2;
      }
      seeded = true;
      ++i;
    } else if (a == "--scale" || a == "--speed") {
      if (i + 1 >= args.size() || !SetExtra(asked, a.substr(2), args[i + 1])) {
        std::cerr << "tomaruk: " << a << " needs " << ExtraValues(a.substr(2)) << "\n";
        return 2;
      }
      ++i;
    } else if (a == "--assist") {
      asked.assist = true;
    } else if (a == "--simulate") {
      std::cerr << "tomaruk: --simulate must come first: tomaruk --simulate DEALS [options]\n";
      return 2;
    } else if (!a.empty() && a[0] == '-') {
      std::cerr << "tomaruk: unknown option '" << a << "' (tomaruk --help lists the options)\n";
      return 2;
    } else {
      std::cerr << "tomaruk: unexpected argument '" << a << "' (tomaruk --help lists the options)\n";
      return 2;
    }
  }
  if (!GraphicalSessionAvailable()) {
    std::cerr << kNoDisplay;
    return 1;
  }

  auto game = std::make_unique<Game>();
  Game& g = *game;
  // The frame is 576 x 480 real pixels whatever the screen's DPI.
  PrepareQtEnvironment();
  const QtMessageHandler qtMessages = qInstallMessageHandler(StartupMessage);
  QApplication app(argc, argv);
  qInstallMessageHandler(qtMessages);
  for (const std::string& m : startupMessages) std::cerr << m << '\n';
  QApplication::setApplicationName("tomaruk");
  QGuiApplication::setDesktopFileName("tomaruk");
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addFile(QString(":/icon/tomaruk-%1.png").arg(size));
  QApplication::setWindowIcon(icon);

  // The configuration file, then the command line over it.
  Extras extras = ReadExtrasFile(ExtrasFilePath(), std::cerr);
  if (asked.scale) extras.scale = asked.scale;
  if (asked.speed) extras.speed = asked.speed;
  if (asked.assist) extras.assist = asked.assist;
  const int scale = WindowScale(extras);
  ScaleControls(scale);

  FrmMain window(scale);
  window.show();
  if (!seeded) seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());

  const std::string optionPath = OptionFilePath();
  PrepareGame(g, ReadOptionFile(optionPath), seed);

  // The labels are laid out in 6 / 12 px cells; without any Japanese font the
  // player is told once which package to install.
  TellWhenNoJapaneseFont(&window);

  QtHost host(window);
  Pacer pacer(host);
  pacer.speed = extras.speed.value_or(Speed::kNormal);
#ifdef TOMARUK_HAS_VIEW
  Frame frame;
  frame.InitSurfaces();
  frame.presentChangesOnly = true;
  // tools/measure_startup.sh times the start-up: with TOMARUK_QUIT_AT_TITLE set, the program ends as
  // soon as the first frame, the title, is on the window.
  const bool quitAtTitle = !Env("TOMARUK_QUIT_AT_TITLE").empty();
  TableView view(g, pacer, frame);
  view.assist = extras.assist.value_or(false);
  g.View = &view;
  // With the assist layer the deal's log is shown over the picture while the player holds the
  // right button or L.
  QImage lastPicture;
  bool logHeld = false;
  frame.presentHook = [&](const QImage& picture) {
    lastPicture = picture;
    window.frame()->ShowFrame(logHeld ? view.WithLog(picture) : picture);
    if (quitAtTitle) std::_Exit(0);
  };
  if (view.assist) {
    window.onLogKey = [&](bool held) {
      logHeld = held;
      if (!lastPicture.isNull()) window.frame()->ShowFrame(held ? view.WithLog(lastPicture) : lastPicture);
    };
  }
#endif
  window.onOptions = [&] {
    FrmOption dialog(g, optionPath, &host, &window, scale);
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

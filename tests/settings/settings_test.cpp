// The main window, the options dialog and the option file, the help window and the command line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ai/computer_player.h"
#include "flow/flow.h"
#include "game/options.h"
#include "settings/extras.h"
#include "settings/frm_main.h"
#include "settings/frm_option.h"
#include "settings/help_window.h"
#include "settings/paths.h"
#include "settings/qt_host.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"
#include "view/frame.h"
#include "view/table_view.h"

// Exported by QtGui for synchronous test input.
void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global, Qt::MouseButtons state,
                         Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers mods,
                         int timestamp);

namespace tomaruk {
namespace {

using testing::ReadBytes, testing::TempDir, testing::WriteBytes;

// One offscreen application for every test, on a fake screen of 192 dots per inch, where Qt
// would count two real pixels to one: the frame must still be 576 x 480 real pixels.
void EnsureApplication() {
  static TempDir dir;
  static char arg0[] = "settings_tests";
  static char* argv[] = {arg0, nullptr};
  static int argc = 1;
  if (QApplication::instance() != nullptr) return;
  std::ofstream(dir.File("screen.json"))
      << R"({"screens":[{"name":"fake","width":1280,"height":1024,"logicalDpi":192}]})";
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QByteArray::fromStdString(dir.File("screen.json")));
  PrepareQtEnvironment();
  new QApplication(argc, argv);  // kept for the whole run: it must outlive every widget
}

// A mouse event through the window system, as a real click would come; Click is a press and its release.
void SendMouse(QWindow* window, QPoint local, QEvent::Type type, Qt::MouseButtons buttons) {
  static int timestamp = 0;
  timestamp += 5000;  // far apart: no double clicks
  qt_handleMouseEvent(window, QPointF(local), window->mapToGlobal(QPointF(local)), buttons, Qt::LeftButton,
                      type, Qt::NoModifier, timestamp);
}
void Click(QWindow* window, QPoint local) {
  SendMouse(window, local, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(window, local, QEvent::MouseButtonRelease, Qt::NoButton);
}

void Key(QObject* to, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(to, &press);
}

// Answers every message box that opens while it lives, keeping "title|text".
struct Boxes : QTimer {
  QStringList seen;
  Boxes() {
    connect(this, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        seen << box->windowTitle() + "|" + box->text(), box->accept();
    });
    start(5);
  }
};

// The record's bytes, as the file holds them.
std::vector<uint8_t> Bytes(const OptionRecord& o) { return {&o.InitialLine, &o.InitialLine + kOptionBytes}; }

// Limit 9, six seats, stairs of 5, random order on, 500 points, the hurry on, 8 off but 8F on,
// characters 8 down to 2.
const std::vector<uint8_t> kStored = {9, 6,   5, 255, 1,   255, 255, 0, 255, 0, 0, 255, 255,
                                      0, 255, 0, 0,   255, 8,   7,   6, 5,   4, 3, 2};

struct Loaded {
  TempDir dir;
  std::string path = dir.File("option.dat");
  Game g;
  Loaded() {
    EnsureApplication();
    WriteBytes(path, kStored);
    BuildCardTable(g);
    InitCharacters(g);
    LoadOptions(g, path);
  }
  std::vector<int> Seats() const {
    return {g.Seat[2].Character, g.Seat[3].Character, g.Seat[4].Character, g.Seat[5].Character,
            g.Seat[6].Character, g.Seat[7].Character, g.Seat[8].Character};
  }
};

// A list's items joined by commas, a frame's title, or any other control's text.
QString Caption(QWidget* w) {
  auto* list = qobject_cast<QComboBox*>(w);
  QStringList items;
  for (int i = 0; list != nullptr && i < list->count(); ++i) items << list->itemText(i);
  return list ? items.join(',') : w->property(qobject_cast<QGroupBox*>(w) ? "title" : "text").toString();
}

TEST(OptionDialog, Layout) {
  Loaded l;
  // At scale 2 every place and size doubles, and the font with them.
  FrmOption d(l.g, l.path, nullptr), big(l.g, l.path, nullptr, nullptr, 2);
  EXPECT_EQ(std::tuple(d.windowTitle(), d.size(), big.size(), big.font().pixelSize()),
            std::tuple("オプション", QSize(526, 438), QSize(1052, 876), 24));
  EXPECT_FALSE(d.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
  QStringList names;
  for (int c = 1; c <= 8; ++c) names << QString::fromStdString(l.g.Characters[c].Name);
  std::vector<std::tuple<QString, QString, QRect, QString>> rows = {
      // clang-format off
      {"lblLimit", "frmOption", {16, 16, 81, 21}, "初期制限枚数"},
      {"cmbLimit", "frmOption", {112, 16, 57, 20}, "7,8,9,10,11,12,13,14,15"},
      {"lblStair", "frmOption", {16, 48, 89, 21}, "階段の最小枚数"},
      {"cmbStair", "frmOption", {112, 48, 57, 20}, "4,5,6"},
      {"lblScrMax", "frmOption", {192, 16, 57, 17}, "アガリ点数"},
      {"cmbScrMax", "frmOption", {256, 16, 65, 20}, "200,500,1000"},
      {"chkSkip", "frmOption", {192, 48, 193, 17}, "プレイヤーあがり・脱落時スキップ"},
      {"freFlag", "frmOption", {8, 80, 273, 321}, "カードの効果"},
      {"frePlayer", "frmOption", {296, 80, 217, 321}, "プレイヤー"},
      {"cmdOK", "frmOption", {328, 408, 89, 21}, "OK"},
      {"cmdCancel", "frmOption", {424, 408, 89, 21}, "キャンセル"},
      {"chkFlag3", "freFlag", {16, 24, 209, 21}, "スペードの3(2)×3でジョーカー流す"},
      {"chkFlag4", "freFlag", {16, 48, 73, 21}, "偶奇縛り"},
      {"chkFlag5", "freFlag", {16, 72, 89, 21}, "5でスキップ"},
      {"chkFlag7", "freFlag", {16, 96, 121, 21}, "黒7でラインダウン"},
      {"chkFlag8", "freFlag", {16, 120, 57, 21}, "8流し"},
      {"chkFlag8F", "freFlag", {32, 144, 89, 21}, "8でアガリ禁"},
      {"chkFlag9", "freFlag", {16, 168, 89, 21}, "9でアガリ禁"},
      {"chkFlag10", "freFlag", {16, 192, 137, 21}, "10×4で革命返し不可"},
      {"chkFlagJ", "freFlag", {16, 216, 129, 21}, "Jでインスタント革命"},
      {"chkFlagQ", "freFlag", {16, 240, 89, 21}, "Qでリバース"},
      {"chkFlagM", "freFlag", {16, 264, 97, 21}, "最強アガリ禁"},
      {"chkFlagR", "freFlag", {16, 288, 105, 21}, "Jokerアガリ禁"},
      {"lblMan", "frePlayer", {16, 24, 57, 21}, "人数"},
      {"cmbMan", "frePlayer", {80, 24, 57, 20}, "2,3,4,5,6,7,8"},
      {"chkJunJo", "frePlayer", {16, 56, 177, 21}, "順序をランダムに並べ替える"},
      // clang-format on
  };
  for (int k = 0; k < 7; ++k) {  // the computer rows, 32 pixels apart
    rows.push_back(
        {QString("lblCom%1").arg(k), "frePlayer", {16, 96 + 32 * k, 57, 17}, QString("Com%1").arg(k + 1)});
    rows.push_back({QString("cmbCom%1").arg(k), "frePlayer", {80, 96 + 32 * k, 105, 20}, names.join(',')});
  }
  for (const auto& [name, parent, at, caption] : rows) {
    auto* w = d.findChild<QWidget*>(name);
    ASSERT_NE(w, nullptr) << name.toStdString();
    EXPECT_EQ(std::tuple(w->parentWidget()->objectName(), w->geometry(), Caption(w),
                         big.findChild<QWidget*>(name)->geometry()),
              std::tuple(parent, at, caption, QRect(at.topLeft() * 2, at.size() * 2)));
  }
  // Tab order: the buttons, the effects with 8F after Q, stair, limit, the player frame, score, the hurry.
  QStringList chain;
  for (QWidget* w = d.cmdOK; chain.size() < 27; w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
  EXPECT_EQ(chain.join(' '),
            "cmdOK cmdCancel chkFlag3 chkFlag4 chkFlag5 chkFlag7 chkFlag8 chkFlag9 chkFlag10 chkFlagJ "
            "chkFlagQ chkFlag8F chkFlagM chkFlagR cmbStair cmbLimit cmbCom0 cmbCom1 cmbCom2 cmbCom3 "
            "cmbCom4 cmbCom5 cmbCom6 cmbMan chkJunJo cmbScrMax chkSkip");
  // Neither Enter nor Escape closes it.
  d.show();
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) Key(d.cmdOK, key);
  EXPECT_TRUE(d.isVisible());
}

TEST(OptionDialog, ShowsTheRecordAndOkStoresWhatItShows) {
  Loaded l;
  {
    FrmOption d(l.g, l.path, nullptr);
    EXPECT_TRUE(d.chkJunJo->isChecked() && d.chkSkip->isChecked() && d.chkFlag8F->isChecked());
    EXPECT_FALSE(d.chkFlag8->isChecked() || d.chkFlag8F->isEnabled() || d.chkFlag4->isChecked());
    // OK without changes stores what the dialog shows: the same file. The characters are shuffled
    // again (201 swaps).
    const uint64_t draws = l.g.Rng.Draws();
    d.cmdOK->click();
    EXPECT_EQ(std::tuple(ReadBytes(l.path), l.g.Rng.Draws() - draws), std::tuple(kStored, 402u));
  }
  FrmOption d(l.g, l.path, nullptr);
  // The rows of seats 2..n are open; 8F is offered only with 8 and keeps its mark meanwhile.
  for (int n = 8; n >= 2; --n) {
    d.cmbMan->setCurrentText(QString::number(n));
    for (int k = 0; k < 7; ++k)
      EXPECT_EQ((std::pair{d.lblCom[k]->isEnabled(), d.cmbCom[k]->isEnabled()}),
                std::pair(k < n - 1, k < n - 1));
  }
  for (bool mark : {false, true}) {
    d.chkFlag8->setChecked(true);
    EXPECT_TRUE(d.chkFlag8F->isEnabled());
    d.chkFlag8F->setChecked(mark);
    d.chkFlag8->setChecked(false);
    EXPECT_EQ((std::pair{d.chkFlag8F->isEnabled(), d.chkFlag8F->isChecked()}), std::pair(false, mark));
  }
  d.cmbMan->setCurrentText("5");
  d.cmbCom[5]->setCurrentIndex(0);  // a closed row keeps its choice
  d.cmbCom[6]->setCurrentIndex(4);
  d.chkJunJo->setChecked(false);
  d.chkFlag4->setChecked(true);
  d.cmdOK->click();
  EXPECT_EQ(ReadBytes(l.path), (std::vector<uint8_t>{9, 5,   5, 0, 1,   255, 255, 255, 255, 0, 0, 255, 255,
                                                     0, 255, 0, 0, 255, 8,   7,   6,   5,   4, 1, 5}));
  EXPECT_EQ(l.Seats(), (std::vector<int>{8, 7, 6, 5, 4, 1, 5}));
}

TEST(OptionDialog, CancelClosingAFailedSaveAndValuesOutOfRange) {
  Loaded l;
  const std::vector<int> seats = l.Seats();
  for (bool cancel : {true, false}) {
    FrmOption d(l.g, l.path, nullptr);
    d.show();
    for (QComboBox* c : d.findChildren<QComboBox*>()) c->setCurrentIndex(0);
    for (QCheckBox* c : d.findChildren<QCheckBox*>()) c->setChecked(!c->isChecked());
    cancel ? d.cmdCancel->click() : (void)d.close();
    EXPECT_EQ(std::tuple(Bytes(l.g.Options), l.Seats(), ReadBytes(l.path)),
              std::tuple(kStored, seats, kStored));
  }
  // A failed save is told, and the new options hold all the same.
  FrmOption failing(l.g, l.dir.path(), nullptr);  // a folder where the file should be
  failing.cmbLimit->setCurrentIndex(8);
  Boxes boxes;
  failing.ClickOK();
  EXPECT_EQ(std::tuple(l.g.Options.InitialLine, failing.result()), std::tuple(15, int{QDialog::Accepted}));
  EXPECT_TRUE(boxes.seen.size() == 1 && boxes.seen[0].startsWith("Tomaruk|") &&
              boxes.seen[0].contains(l.dir.path().c_str()));
  // A record out of every range opens with the defaults, so OK stores them.
  l.g.Options = {0, 1, 9, 0, 3};
  for (int s = 2; s <= 8; ++s) l.g.Options.ComFor(s) = s % 2 == 0 ? 0 : 9;
  FrmOption(l.g, l.path, nullptr).cmdOK->click();
  EXPECT_EQ(ReadBytes(l.path), Bytes(OptionRecord{}));
}

TEST(MainWindow, ClientAreaMenuMouseKeysAndClosing) {
  Loaded l;
  FrmMain w;
  w.show();
  QtHost host(w);
  Pacer pacer(host);
  // 576 x 480 real pixels under the menu bar, on a 192 DPI screen too.
  EXPECT_EQ(std::tuple(w.windowTitle(), w.frame()->size(), w.frame()->devicePixelRatio(), w.frame()->y()),
            std::tuple("Tomaruk", QSize(576, 480), 1.0, w.menuBar()->height()));
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  host.SetOptionsMenuEnabled(false);
  QStringList menu;
  for (QAction* a : w.menuBar()->actions()) menu << a->text() + (a->isEnabled() ? "" : " (off)");
  EXPECT_EQ(menu.join('|'), "オプション(&O)... (off)|ヘルプ(&H)...");
  // A click between two queries is seen once, a held button until it is released, none on the menu bar.
  const QPoint at = w.frame()->mapTo(&w, QPoint(100, 50));
  Click(w.windowHandle(), at);
  EXPECT_EQ((std::pair{host.LeftButtonState(), host.LeftButtonState()}), std::pair(true, false));
  SendMouse(w.windowHandle(), at, QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_EQ((std::pair{host.LeftButtonState(), host.LeftButtonState()}), std::pair(true, true));
  SendMouse(w.windowHandle(), at, QEvent::MouseButtonRelease, Qt::NoButton);
  Click(w.windowHandle(), w.menuBar()->mapTo(&w, QPoint(300, 5)));
  EXPECT_FALSE(host.LeftButtonState());
  // The click that closes the options dialog does not reach the game, nor one pending from before.
  for (bool ok : {true, false}) {
    Click(w.windowHandle(), at);
    FrmOption d(l.g, l.path, &host, &w);
    d.show();
    QCoreApplication::processEvents();
    QPushButton* button = ok ? d.cmdOK : d.cmdCancel;
    Click(d.windowHandle(), button->mapTo(&d, button->rect().center()));
    EXPECT_EQ(std::pair(d.result(), pacer.KeyPressed(1)),
              std::pair(ok ? int{QDialog::Accepted} : int{QDialog::Rejected}, false));
  }
  // Return dismisses a message box; Escape ends the program, in a box or in the window, at the next pump.
  const auto keyInBox = [](int key) {
    QTimer::singleShot(0, [key] {
      QWidget* box = QApplication::activeModalWidget();
      Key(box->focusWidget() != nullptr ? box->focusWidget() : box, key);
    });
  };
  keyInBox(Qt::Key_Return);
  host.MessageBox("ライン下げすぎっ");
  keyInBox(Qt::Key_Escape);
  EXPECT_THROW(host.MessageBox("いつまでやっとんねん。"), QuitRequested);
  FrmMain other;
  QtHost otherHost(other);
  Key(&other, Qt::Key_A);
  otherHost.PumpMessages();
  Key(&other, Qt::Key_Escape);
  EXPECT_THROW(otherHost.PumpMessages(), QuitRequested);
}

// Plays seat 1 of a seeded deal as tools/frame_hashes does: it leads its first card, plays what it
// chose, passes otherwise and clicks through the screens, pressing for 15 ms of every 100.
struct ScriptedPlayer : FakeHost {
  explicit ScriptedPlayer(const Game& game) : g(&game) {}
  const Game* g;
  bool LeftButtonState() override { return now % 100 >= 60 && now % 100 < 75; }
  Point Cursor() override {
    const SeatRecord& me = g->Seat[1];
    if (g->Turn != 1 || me.Status != kPlaying) return {300, 200};
    const Rect play = ButtonBox(kPlayButton), pass = ButtonBox(kPassButton), first = HandSlot(g->Options, 1);
    if (std::count(me.Selected.begin(), me.Selected.end(), true)) return {play.x + 24, play.y + 12};
    return g->Table.Count ? Point{pass.x + 24, pass.y + 12} : Point{first.x + 4, first.y + 48};
  }
};

// With no extra a seeded deal shows in the window the very frames, at the very times, it always
// has: the digest is that of the lines `frame_hashes 7` printed before the extras. At scale 2 on
// the 192 DPI screen the frame is 1152 x 960 real pixels, each frame pixel a 2 x 2 block; a click
// anywhere in a block reads as its pixel.
TEST(MainWindow, FramesAsEverWithNoExtraAndTwoByTwoBlocksAtScaleTwo) {
  Loaded l;
  PrepareGame(l.g, OptionRecord{}, 7);
  ScriptedPlayer host(l.g);
  Pacer pacer(host);
  FrmMain w, big(2);
  Frame frame;
  frame.InitSurfaces();
  frame.presentChangesOnly = true;
  const auto md5 = [](QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
  };
  QByteArray lines;  // "time md5" of each frame shown
  frame.presentHook = [&](const QImage& picture) {
    w.frame()->ShowFrame(picture);
    const QImage shown = w.frame()->grab().toImage().convertToFormat(picture.format());
    lines += QByteArray::number(host.now) + ' ' + md5({shown.constBits(), shown.sizeInBytes()}) + '\n';
  };
  TableView view(l.g, pacer, frame);
  l.g.View = &view;
  GameFlow(l.g, pacer).TitleScreen();
  GameFlow(l.g, pacer).PlayDeal();
  EXPECT_EQ(md5(lines), "9cd0f1e46d8984eef5c6b3ded9d4ee18");
  big.show();
  big.frame()->ShowFrame(w.frame()->Shown());
  const QImage shown = big.frame()->grab().toImage(), picture = w.frame()->Shown();
  int unlike = 0;
  for (int y = 0; y < 960; ++y)
    for (int x = 0; x < 1152; ++x) unlike += shown.pixel(x, y) != picture.pixel(x / 2, y / 2);
  QtHost bigHost(big);
  Click(big.windowHandle(), big.frame()->mapTo(&big, QPoint(1151, 959)));
  // clang-format off
  EXPECT_EQ(std::tuple(shown.size(), big.frame()->devicePixelRatio(), unlike, bigHost.LeftButtonState(), bigHost.Cursor().x, bigHost.Cursor().y),
            std::tuple(QSize(1152, 960), 1.0, 0, true, 575, 479));
  // clang-format on
}

// The configuration file: comments, a section, a byte-order mark and spaces are fine; each line it
// cannot use is told once and takes the default; a missing file says nothing. "auto" takes the
// largest scale that leaves about a fifth of the screen free.
TEST(Extras, TheFileAndTheAutomaticScale) {
  TempDir dir;
  const std::string path = dir.File("tomaruk.conf"), at = "tomaruk: " + path + ", line ";
  // clang-format off
  std::ofstream(path) << "\xEF\xBB\xBF# mine\n[tomaruk]\nscale = 3\r\n speed=fast \nspeed = warp\nsi\x1b" "ze = 2\njunk\n; end\nassist = on";
  std::ostringstream warnings;
  const Extras e = ReadExtrasFile(path, warnings), none = ReadExtrasFile(dir.File("missing"), warnings);
  ReadExtrasFile(dir.path(), warnings);  // a folder in the file's place
  EXPECT_EQ(std::tuple(e.scale, e.speed, e.assist, none.scale, none.assist), std::tuple(std::optional(3), std::optional<Speed>(), std::optional(true), std::nullopt, std::nullopt));
  EXPECT_EQ(warnings.str(), at + "5: speed takes slow, normal or fast, not 'warp'; the default is used\n" +
                            at + "6: there is no setting 'si?ze'; the line is ignored\n" +
                            at + "7: 'junk' is not a 'key = value' line; it is ignored\n" +
                            "tomaruk: " + dir.path() + " cannot be read; it is ignored\n");
  for (auto [asked, width, height, scale] : {std::tuple{0, 1920, 1080, 1}, {0, 2560, 1440, 2}, {0, 3840, 2160, 3}, {0, 8000, 8000, 4}, {0, 1280, 2000, 1}, {0, 640, 480, 1}, {1, 8000, 8000, 1}, {3, 640, 480, 3}})
    EXPECT_EQ(ChooseScale(asked, width, height), scale) << width << " x " << height;
  // clang-format on
}

TEST(JapaneseFont, FallsBackToAnyJapaneseFontAndElseSaysWhatToInstall) {
  EnsureApplication();
  const auto halfWidth = [](const QString& f) { return f.endsWith("Mono"); };
  EXPECT_EQ(PickJapaneseFamily({"Droid Sans Fallback", "IPAGothic", "VL Mono"}, halfWidth), "IPAGothic");
  EXPECT_EQ(PickJapaneseFamily({"Droid Sans Fallback", "VL Mono"}, halfWidth), "VL Mono");
  EXPECT_EQ(PickJapaneseFamily({}, halfWidth), "");
  Boxes boxes;
  TellWhenNoJapaneseFont(nullptr, "IPAGothic");
  const bool quiet = boxes.seen.empty();
  TellWhenNoJapaneseFont(nullptr, "");
  TellWhenNoJapaneseFont(nullptr, "");  // once per run
  EXPECT_TRUE(quiet && boxes.seen.size() == 1 && boxes.seen[0].startsWith("Tomaruk|") &&
              boxes.seen[0].contains("fonts-ipafont-gothic"));
}

TEST(OptionFile, SavingNeverLosesNorFollowsAndLoadingReadsOnlyAFile) {
  TempDir dir;
  Game g;
  g.Options.InitialLine = 9;
  std::vector<uint8_t> old = Bytes(g.Options);
  const std::vector<uint8_t> old25 = old, tail = {7, 7, 7}, none, defaults = Bytes(OptionRecord{});
  old.insert(old.end(), tail.begin(), tail.end());
  g.Options.InitialLine = 13;
  const std::vector<uint8_t> mine = Bytes(g.Options);
  // Where the file is, whether a save works, the record read back and the bytes kept after it.
  const std::tuple<const char*, char, bool, const std::vector<uint8_t>&, const std::vector<uint8_t>&> rows[] =
      {
          {"a longer file", 'f', true, mine, tail},    {"a read-only file", 'r', false, old25, tail},
          {"a folder", 'd', false, defaults, none},    {"a FIFO holding bytes", 'p', false, defaults, none},
          {"a link to a file", 'l', true, mine, tail}, {"a dangling link", 'x', true, mine, none},
          {"a full disk", 'F', false, old25, tail},
      };
  for (const auto& [name, kind, saves, loads, kept] : rows) {
    SCOPED_TRACE(name);
    const std::string folder = dir.File(name), p = folder + "/option.dat", target = p + "t";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    if (strchr("frlF", kind)) WriteBytes(kind == 'l' ? target : p, old);
    if (kind == 'r') chmod(p.c_str(), 0444);
    if (kind == 'd') mkdir(p.c_str(), 0700);
    if (kind == 'l' || kind == 'x') symlink(target.c_str(), p.c_str());
    const int fifo = kind == 'p' && mkfifo(p.c_str(), 0600) == 0 ? open(p.c_str(), O_RDWR | O_NONBLOCK) : -1;
    EXPECT_TRUE(kind != 'p' || (fifo >= 0 && write(fifo, old.data(), old.size()) == ssize_t(old.size())));
    rlimit keep{};
    getrlimit(RLIMIT_FSIZE, &keep);
    const rlimit tenBytes{10, keep.rlim_max};
    const auto oldXfsz = std::signal(SIGXFSZ, SIG_IGN);
    if (kind == 'F') setrlimit(RLIMIT_FSIZE, &tenBytes);  // the disk fills after 10 bytes
    std::string why;
    EXPECT_EQ(SaveOptions(g, p, &why), saves);
    setrlimit(RLIMIT_FSIZE, &keep), std::signal(SIGXFSZ, oldXfsz);
    EXPECT_EQ(why.empty(), saves);
    Game loaded;
    LoadOptions(loaded, p);  // never waits on the FIFO
    EXPECT_EQ(Bytes(loaded.Options), loads);
    struct stat st {};
    ASSERT_EQ(lstat(p.c_str(), &st), 0);
    EXPECT_TRUE(!saves || S_ISREG(st.st_mode)) << "a file in the link's place";
    const std::vector<uint8_t> bytes = S_ISREG(st.st_mode) ? ReadBytes(p) : old25;
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 25, bytes.end()), kept);
    EXPECT_TRUE(!std::filesystem::exists(target) || ReadBytes(target) == old) << "target touched";
    if (fifo >= 0) close(fifo);
    for (const auto& e : std::filesystem::directory_iterator(folder))
      EXPECT_EQ(e.path().filename().string().find("option.dat.new"), std::string::npos);
  }
}

TEST(OptionFile, WhereItLives) {
  EnsureApplication();
  TempDir dir;
  const std::string app = "/" + QCoreApplication::applicationName().toStdString(), xdg = dir.File("xdg");
  const passwd* pw = getpwuid(getuid());
  const std::string account = pw != nullptr && std::string(pw->pw_dir) != "/" ? pw->pw_dir : "";
  const QByteArray keepXdg = qgetenv("XDG_CONFIG_HOME"), keepHome = qgetenv("HOME");
  const auto setEnv = [](const char* name, const char* value) {
    value ? setenv(name, value, 1) : unsetenv(name);
  };
  const std::tuple<const char*, const char*, std::string> rows[] = {
      // $XDG_CONFIG_HOME, $HOME, the folder
      {xdg.c_str(), "/h", xdg + app},
      {"relative", "/h", "/h/.config" + app},
      {nullptr, "/", "/.config" + app},
      {nullptr, nullptr, account + "/.config" + app},
  };
  for (const auto& [xdgVar, home, folder] : rows) {
    setEnv("XDG_CONFIG_HOME", xdgVar), setEnv("HOME", home);
    EXPECT_EQ(ConfigFolder(), folder) << (xdgVar ? xdgVar : "-") << " " << (home ? home : "-");
  }
  // A writable program folder is used whatever its name's bytes.
  const std::string odd = dir.File("\xff\xfe");
  ASSERT_EQ(mkdir(odd.c_str(), 0700), 0);
  EXPECT_EQ(OptionFilePath(odd), odd + "/option.dat");
  // Else the configuration folder, made only by the save that needs it.
  setEnv("XDG_CONFIG_HOME", xdg.c_str());
  const std::string fallback = OptionFilePath(dir.File("missing"));
  EXPECT_EQ(fallback, xdg + app + "/option.dat");
  struct stat st {};
  EXPECT_NE(stat((xdg + app).c_str(), &st), 0);
  std::string why;
  EXPECT_TRUE(SaveOptionFile(Game(), fallback, &why)) << why;
  ASSERT_EQ(stat((xdg + app).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  setEnv("XDG_CONFIG_HOME", keepXdg.isEmpty() ? nullptr : keepXdg.constData());
  setEnv("HOME", keepHome.isEmpty() ? nullptr : keepHome.constData());
}

// The program's command line, run as a user would run it, with no display at all.
TEST(CommandLine, HelpVersionWrongArgumentsAndNoDisplay) {
  EnsureApplication();
  // The arguments, the display (nullptr: none), the exit status, what the standard output holds and
  // the one line on standard error ("" none).
  const std::tuple<QStringList, const char*, int, const char*, const char*> rows[] = {
      // clang-format off
      {{"--help"}, nullptr, 0, "tomaruk --simulate DEALS", ""},
      {{"-h"}, nullptr, 0, "--seed N", ""},
      {{"--version"}, nullptr, 0, "tomaruk " TOMARUK_VERSION "\n", ""},
      {{"--simulate", "--help"}, nullptr, 0, "--human-as C", ""},
      {{"--simulate", "5", "--seed", "2", "-h"}, nullptr, 0, "--options FILE", ""},
      {{"--bogus"}, nullptr, 2, "", "unknown option '--bogus'"},
      {{"--seed", "3", "stray"}, nullptr, 2, "", "unexpected argument 'stray'"},
      {{"--seed", "-3"}, nullptr, 2, "", "--seed needs a non-negative whole number"},
      {{"--scale", "5"}, nullptr, 2, "", "--scale needs 1, 2, 3, 4 or auto"},
      {{"--scale", "auto", "--speed"}, nullptr, 2, "", "--speed needs slow, normal or fast"},
      {{}, nullptr, 1, "", "--simulate"},
      {{"--seed", "3", "--scale", "2", "--speed", "fast", "--assist"}, nullptr, 1, "", "a graphical session is needed"},
      {{}, ":4711", 1, "", "a graphical session is needed"},  // a display that does not answer: not an abort
      // clang-format on
  };
  for (const auto& [args, display, status, wantOut, wantErr] : rows) {
    SCOPED_TRACE(args.join(' ').toStdString());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    if (display != nullptr) env.insert("DISPLAY", display);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(TOMARUK_BINARY, args);
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString out = p.readAllStandardOutput(), err = p.readAllStandardError();
    EXPECT_EQ(std::pair(p.exitStatus(), p.exitCode()), std::pair(QProcess::NormalExit, status));
    EXPECT_TRUE(*wantOut ? out.contains(wantOut) : out.isEmpty()) << out.toStdString();
    EXPECT_TRUE(*wantErr ? err.contains(wantErr) && err.count('\n') == 1 : err.isEmpty())
        << err.toStdString();
  }
}

// The help page opens in a window of the game's own exactly when the desktop's opener fails.
TEST(HelpWindow, OpensWhenNothingElseCanShowThePage) {
  EnsureApplication();
  TempDir dir;
  std::ofstream(dir.File("help.htm"))
      << "<html><head><title>Tomaruk help</title></head><body><p>The rules.</p></body></html>";
  QWidget parent;
  for (auto [opener, shows] : {std::pair{"true", false}, {"false", true}, {"/no/such/opener", true}}) {
    ShowHelp(&parent, QString::fromStdString(dir.File("help.htm")), opener);
    HelpWindow* window = nullptr;
    for (QDeadlineTimer until(1500); !window && !until.hasExpired();) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      window = parent.findChild<HelpWindow*>();
    }
    EXPECT_EQ(window ? window->windowTitle() + "|" + window->browser()->toPlainText() : "",
              shows ? "Tomaruk help|The rules." : "")
        << opener;
    delete window;
  }
}

}  // namespace
}  // namespace tomaruk

// The options dialog, and the main window with its menu, mouse and keys under the host.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "ai/computer_player.h"
#include "game/options.h"
#include "qt_env.h"
#include "settings/frm_main.h"
#include "settings/frm_option.h"
#include "settings/qt_host.h"
#include "support/temp_dir.h"

namespace tomaruk {
namespace {

// Limit 9, six seats, stairs of 5, random order on, 500 points, the hurry on, 8 off but 8F on,
// characters 8 down to 2.
const std::vector<uint8_t> kStored = {9, 6,   5, 255, 1,   255, 255, 0, 255, 0, 0, 255, 255,
                                      0, 255, 0, 0,   255, 8,   7,   6, 5,   4, 3, 2};

struct Loaded {
  testing::TempDir dir;
  std::string path = dir.File("option.dat");
  Game g;
  Loaded() {
    EnsureApplication();
    testing::WriteBytes(path, kStored);
    BuildCardTable(g);
    InitCharacters(g);
    LoadOptions(g, path);
  }
  std::vector<int> Seats() const {
    std::vector<int> c;
    for (int s = 2; s <= 8; ++s) c.push_back(g.Seat[s].Character);
    return c;
  }
};

void Key(QObject* to, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(to, &press);
}

// A label's, check box's or button's text, a frame's title, or a list's items joined by commas.
QString Caption(QWidget* w) {
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* f = qobject_cast<QGroupBox*>(w)) return f->title();
  QStringList items;
  for (int i = 0; i < static_cast<QComboBox*>(w)->count(); ++i)
    items << static_cast<QComboBox*>(w)->itemText(i);
  return items.join(',');
}

TEST(OptionDialog, Layout) {
  Loaded l;
  FrmOption d(l.g, l.path, nullptr);
  EXPECT_EQ(std::tuple(d.windowTitle(), d.size()), std::tuple("オプション", QSize(526, 438)));
  EXPECT_FALSE(d.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
  QStringList names;
  for (int c = 1; c <= 8; ++c) names << QString::fromStdString(l.g.Characters[c].Name);
  struct Row {
    QString name, parent;
    QRect at;
    QString caption;
  };
  std::vector<Row> rows = {
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
  // The computer rows, 32 pixels apart.
  for (int k = 0; k < 7; ++k) {
    rows.push_back(
        {QString("lblCom%1").arg(k), "frePlayer", {16, 96 + 32 * k, 57, 17}, QString("Com%1").arg(k + 1)});
    rows.push_back({QString("cmbCom%1").arg(k), "frePlayer", {80, 96 + 32 * k, 105, 20}, names.join(',')});
  }
  for (const Row& r : rows) {
    auto* w = d.findChild<QWidget*>(r.name);
    ASSERT_NE(w, nullptr) << r.name.toStdString();
    EXPECT_EQ(std::tuple(w->parentWidget()->objectName(), w->geometry(), Caption(w)),
              std::tuple(r.parent, r.at, r.caption));
  }
  // Tab order: the buttons, the effects with 8F after Q, stair, limit, the player frame, score, the hurry.
  std::vector<QWidget*> chain;
  for (QWidget* w = d.cmdOK; chain.size() < 27; w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
  EXPECT_TRUE(chain ==
              (std::vector<QWidget*>{
                  d.cmdOK,     d.cmdCancel, d.chkFlag3,  d.chkFlag4,  d.chkFlag5,  d.chkFlag7,  d.chkFlag8,
                  d.chkFlag9,  d.chkFlag10, d.chkFlagJ,  d.chkFlagQ,  d.chkFlag8F, d.chkFlagM,  d.chkFlagR,
                  d.cmbStair,  d.cmbLimit,  d.cmbCom[0], d.cmbCom[1], d.cmbCom[2], d.cmbCom[3], d.cmbCom[4],
                  d.cmbCom[5], d.cmbCom[6], d.cmbMan,    d.chkJunJo,  d.cmbScrMax, d.chkSkip}));
  // Neither Enter nor Escape closes it.
  d.show();
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) Key(d.cmdOK, key);
  EXPECT_TRUE(d.isVisible());
}

TEST(OptionDialog, ShowsTheRecordAndOkStoresWhatItShows) {
  Loaded l;
  {
    FrmOption d(l.g, l.path, nullptr);
    EXPECT_EQ(
        QStringList({d.cmbLimit->currentText(), d.cmbMan->currentText(), d.cmbStair->currentText(),
                     d.cmbScrMax->currentText(), d.cmbCom[0]->currentText(), d.cmbCom[6]->currentText()}),
        QStringList({"9", "6", "5", "500", d.cmbCom[0]->itemText(7), d.cmbCom[6]->itemText(1)}));
    EXPECT_TRUE(d.chkJunJo->isChecked() && d.chkSkip->isChecked() && d.chkFlag8F->isChecked());
    EXPECT_FALSE(d.chkFlag8->isChecked() || d.chkFlag8F->isEnabled() || d.chkFlag4->isChecked());
    // OK without changes: the same file, the characters shuffled again (201 swaps) among seats 2..6.
    const uint64_t draws = l.g.Rng.Draws();
    d.cmdOK->click();
    EXPECT_EQ(std::tuple(testing::ReadBytes(l.path), l.g.Rng.Draws() - draws), std::tuple(kStored, 402u));
    std::vector<int> seats = l.Seats();
    std::sort(seats.begin(), seats.begin() + 5);
    EXPECT_EQ(seats, (std::vector<int>{4, 5, 6, 7, 8, 3, 2}));
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
  EXPECT_EQ(testing::ReadBytes(l.path),
            (std::vector<uint8_t>{9, 5,   5, 0, 1,   255, 255, 255, 255, 0, 0, 255, 255,
                                  0, 255, 0, 0, 255, 8,   7,   6,   5,   4, 1, 5}));
  EXPECT_EQ(l.Seats(), (std::vector<int>{8, 7, 6, 5, 4, 1, 5}));
}

TEST(OptionDialog, CancelClosingAndValuesOutOfRange) {
  Loaded l;
  const std::vector<int> seats = l.Seats();
  for (bool cancel : {true, false}) {
    FrmOption d(l.g, l.path, nullptr);
    d.show();
    for (QComboBox* c : d.findChildren<QComboBox*>()) c->setCurrentIndex(0);
    for (QCheckBox* c : d.findChildren<QCheckBox*>()) c->setChecked(!c->isChecked());
    cancel ? d.cmdCancel->click() : (void)d.close();
    uint8_t record[kOptionBytes];
    EncodeOptions(l.g.Options, record);
    EXPECT_EQ(std::tuple(std::vector<uint8_t>(record, record + kOptionBytes), l.Seats(),
                         testing::ReadBytes(l.path)),
              std::tuple(kStored, seats, kStored));
  }
  // A record out of every range opens with the defaults, so OK stores them.
  l.g.Options = {0, 1, 9, 0, 3};
  for (int s = 2; s <= 8; ++s) l.g.Options.ComFor(s) = s % 2 == 0 ? 0 : 9;
  FrmOption(l.g, l.path, nullptr).cmdOK->click();
  const std::vector<uint8_t> saved = testing::ReadBytes(l.path);
  EXPECT_EQ(std::vector<uint8_t>(saved.begin(), saved.begin() + 5), (std::vector<uint8_t>{11, 4, 4, 0, 0}));
  EXPECT_EQ(std::vector<uint8_t>(saved.begin() + 18, saved.end()),
            (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(MainWindow, ClientAreaMenuMouseKeysAndClosing) {
  Loaded l;
  FrmMain w;
  w.show();
  QtHost host(w);
  Pacer pacer(host);
  // 576 x 480 real pixels under the menu bar, on a 144 DPI screen too.
  EXPECT_EQ(std::tuple(w.windowTitle(), w.frame()->size(), w.frame()->devicePixelRatio(), w.frame()->y()),
            std::tuple("Tomaruk", QSize(576, 480), 1.0, w.menuBar()->height()));
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  const auto menu = w.menuBar()->actions();
  ASSERT_EQ(menu.size(), 2);
  EXPECT_EQ(menu[0]->text() + menu[1]->text(), "オプション(&O)...ヘルプ(&H)...");
  host.SetOptionsMenuEnabled(false);
  EXPECT_FALSE(menu[0]->isEnabled());
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

}  // namespace
}  // namespace tomaruk

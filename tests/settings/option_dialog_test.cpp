#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <fstream>
#include <vector>

#include "ai/computer_player.h"
#include "flow/host.h"
#include "game/options.h"
#include "game/state.h"
#include "qt_env.h"
#include "settings/frm_main.h"
#include "settings/frm_option.h"
#include "settings/qt_host.h"

using namespace tomaruk;

namespace {

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string TempPath(const char* name) { return ::testing::TempDir() + "/" + name; }

// Limit 9, six seats, stairs of 5, random order on, 500 points, skip on, a
// mix of effects (8 off, 8F on), characters 8..2.
const std::vector<uint8_t> kStored = {9, 6,   5, 255, 1,   255, 255, 0, 255, 0, 0, 255, 255,
                                      0, 255, 0, 0,   255, 8,   7,   6, 5,   4, 3, 2};

struct Loaded {
  Game g;
  std::string path;
  explicit Loaded(const char* name, const std::vector<uint8_t>& bytes) : path(TempPath(name)) {
    EnsureApplication();
    WriteFile(path, bytes);
    BuildCardTable(g);
    InitCharacters(g);
    g.Characters[0].Name = "    ";
    LoadOptions(g, path);
  }
  std::array<uint8_t, 9> Characters() const {
    std::array<uint8_t, 9> c{};
    for (int s = 1; s <= 8; ++s) c[s] = g.Seat[s].Character;
    return c;
  }
  std::vector<uint8_t> Record() const {
    uint8_t b[kOptionBytes];
    EncodeOptions(g.Options, b);
    return {b, b + kOptionBytes};
  }
};

}  // namespace

TEST(OptionDialog, LayoutCaptionsAndKeys) {
  Loaded l("opt_layout.dat", kStored);
  FrmOption d(l.g, l.path, nullptr);
  EXPECT_EQ(d.windowTitle(), "オプション");
  EXPECT_EQ(d.size(), QSize(526, 438));
  EXPECT_FALSE(d.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
  auto geom = [&](const char* name) {
    auto* w = d.findChild<QWidget*>(name);
    return w != nullptr ? w->geometry() : QRect();
  };
  EXPECT_EQ(geom("lblLimit"), QRect(16, 16, 81, 21));
  EXPECT_EQ(geom("cmbScrMax"), QRect(256, 16, 65, 20));
  EXPECT_EQ(geom("chkSkip"), QRect(192, 48, 193, 17));
  EXPECT_EQ(geom("freFlag"), QRect(8, 80, 273, 321));
  EXPECT_EQ(geom("chkFlag8F"), QRect(32, 144, 89, 21));
  EXPECT_EQ(geom("chkFlagR"), QRect(16, 288, 105, 21));
  EXPECT_EQ(geom("cmdCancel"), QRect(424, 408, 89, 21));
  EXPECT_EQ(d.chkFlag10->parentWidget(), d.freFlag);
  EXPECT_EQ(d.freFlag->title(), "カードの効果");
  EXPECT_EQ(d.frePlayer->title(), "プレイヤー");
  EXPECT_EQ(d.chkFlag3->text(), "スペードの3(2)×3でジョーカー流す");
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(d.lblCom[k]->text(), QString("Com%1").arg(k + 1));
    EXPECT_EQ(d.lblCom[k]->geometry(), QRect(16, 96 + 32 * k, 57, 17));
    EXPECT_EQ(d.cmbCom[k]->geometry(), QRect(80, 96 + 32 * k, 105, 20));
    EXPECT_EQ(d.cmbCom[k]->parentWidget(), d.frePlayer);
    ASSERT_EQ(d.cmbCom[k]->count(), 8);
    EXPECT_EQ(d.cmbCom[k]->itemText(0).toStdString(), l.g.Characters[1].Name);
    EXPECT_EQ(d.cmbCom[k]->itemText(7).toStdString(), l.g.Characters[8].Name);
  }
  EXPECT_EQ(d.cmbLimit->count(), 9);
  EXPECT_EQ(d.cmbLimit->itemText(8), "15");
  EXPECT_EQ(d.cmbScrMax->itemText(2), "1000");

  // Tab order: the buttons, the effects (8F after Q), stair, limit, the player frame, score, skip.
  std::vector<QWidget*> chain = {d.cmdOK};
  for (QWidget* w = d.cmdOK->nextInFocusChain(); w != d.cmdOK && chain.size() < 40; w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus) chain.push_back(w);
  const std::vector<QWidget*> want = {
      d.cmdOK,     d.cmdCancel, d.chkFlag3,  d.chkFlag4,  d.chkFlag5,  d.chkFlag7,  d.chkFlag8,
      d.chkFlag9,  d.chkFlag10, d.chkFlagJ,  d.chkFlagQ,  d.chkFlag8F, d.chkFlagM,  d.chkFlagR,
      d.cmbStair,  d.cmbLimit,  d.cmbCom[0], d.cmbCom[1], d.cmbCom[2], d.cmbCom[3], d.cmbCom[4],
      d.cmbCom[5], d.cmbCom[6], d.cmbMan,    d.chkJunJo,  d.cmbScrMax, d.chkSkip};
  EXPECT_TRUE(chain == want);

  // Neither Enter nor Escape closes the dialog or changes anything.
  EXPECT_FALSE(d.cmdOK->isDefault() || d.cmdOK->autoDefault() || d.cmdCancel->autoDefault());
  d.show();
  const auto before = ReadFile(l.path);
  for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(d.cmdOK, &press);
    QCoreApplication::processEvents();
    EXPECT_TRUE(d.isVisible()) << key;
  }
  EXPECT_EQ(d.result(), 0);
  EXPECT_EQ(ReadFile(l.path), before);
}

TEST(OptionDialog, OkWithoutChangesKeepsTheFileAndReshuffles) {
  Loaded l("opt_same.dat", kStored);
  FrmOption d(l.g, l.path, nullptr);
  EXPECT_EQ(d.cmbLimit->currentText(), "9");
  EXPECT_EQ(d.cmbMan->currentText(), "6");
  EXPECT_EQ(d.cmbStair->currentText(), "5");
  EXPECT_EQ(d.cmbScrMax->currentText(), "500");
  EXPECT_TRUE(d.chkJunJo->isChecked() && d.chkSkip->isChecked());
  EXPECT_FALSE(d.chkFlag8->isChecked());
  EXPECT_TRUE(d.chkFlag8F->isChecked());
  EXPECT_FALSE(d.chkFlag8F->isEnabled());
  EXPECT_EQ(d.cmbCom[0]->currentIndex(), 7);
  EXPECT_EQ(d.cmbCom[6]->currentIndex(), 1);

  const uint64_t draws = l.g.Rng.Draws();
  d.cmdOK->click();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(ReadFile(l.path), kStored);
  // Random order: 201 swaps among seats 2..6, seats 7 and 8 as chosen.
  EXPECT_EQ(l.g.Rng.Draws() - draws, 402u);
  std::vector<int> seated;
  for (int s = 2; s <= 6; ++s) seated.push_back(l.g.Seat[s].Character);
  std::sort(seated.begin(), seated.end());
  EXPECT_EQ(seated, (std::vector<int>{4, 5, 6, 7, 8}));
  EXPECT_EQ(l.g.Seat[7].Character, 3);
  EXPECT_EQ(l.g.Seat[8].Character, 2);
  EXPECT_EQ(l.g.Seat[1].Character, 0);
}

TEST(OptionDialog, SeatCountRowsAndTheEightRule) {
  Loaded l("opt_rows.dat", kStored);
  FrmOption d(l.g, l.path, nullptr);
  auto rowsEnabled = [&] {
    std::vector<bool> on;
    for (int k = 0; k < 7; ++k) {
      EXPECT_EQ(d.lblCom[k]->isEnabled(), d.cmbCom[k]->isEnabled());
      on.push_back(d.cmbCom[k]->isEnabled());
    }
    return on;
  };
  EXPECT_EQ(rowsEnabled(), (std::vector<bool>{true, true, true, true, true, false, false}));
  d.cmbMan->setCurrentText("5");
  EXPECT_EQ(rowsEnabled(), (std::vector<bool>{true, true, true, true, false, false, false}));
  d.cmbMan->setCurrentText("2");
  EXPECT_EQ(rowsEnabled(), (std::vector<bool>{true, false, false, false, false, false, false}));
  d.cmbMan->setCurrentText("8");
  EXPECT_EQ(rowsEnabled(), std::vector<bool>(7, true));
  d.cmbMan->setCurrentText("5");

  // The 8 rule: 8F follows 8 but keeps its mark.
  d.chkFlag8->setChecked(true);
  EXPECT_TRUE(d.chkFlag8F->isEnabled());
  d.chkFlag8F->setChecked(false);
  d.chkFlag8->setChecked(false);
  EXPECT_FALSE(d.chkFlag8F->isEnabled());
  EXPECT_FALSE(d.chkFlag8F->isChecked());
  d.chkFlag8->setChecked(true);
  d.chkFlag8F->setChecked(true);
  d.chkFlag8->setChecked(false);
  EXPECT_TRUE(d.chkFlag8F->isChecked());

  // A disabled row's choice is still stored, and the seats take the choices.
  d.cmbCom[5]->setCurrentIndex(0);  // seat 7
  d.cmbCom[6]->setCurrentIndex(4);  // seat 8
  d.chkJunJo->setChecked(false);
  d.cmdOK->click();
  const OptionRecord& o = l.g.Options;
  EXPECT_EQ(o.SeatCount, 5);
  EXPECT_EQ(o.Flag8, 0);
  EXPECT_EQ(o.Flag8F, 255);
  EXPECT_EQ(o.ComFor(7), 1);
  EXPECT_EQ(o.ComFor(8), 5);
  EXPECT_EQ(o.RandomOrder, 0);
  for (int s = 2; s <= 8; ++s) EXPECT_EQ(l.g.Seat[s].Character, o.ComFor(s)) << s;
  const auto file = ReadFile(l.path);
  ASSERT_EQ(file.size(), 25u);
  EXPECT_EQ(file[1], 5);
  EXPECT_EQ(file[10], 0);
  EXPECT_EQ(file[11], 255);
  EXPECT_EQ(file[23], 1);
  EXPECT_EQ(file[24], 5);
  for (int i : {3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17})
    EXPECT_TRUE(file[i] == 0 || file[i] == 255) << i;
}

TEST(OptionDialog, CancelAndClosingChangeNothing) {
  Loaded l("opt_cancel.dat", kStored);
  const auto record = l.Record();
  const auto seats = l.Characters();
  const uint64_t draws = l.g.Rng.Draws();
  for (int way = 0; way < 2; ++way) {
    FrmOption d(l.g, l.path, nullptr);
    d.show();
    for (QComboBox* c : {d.cmbLimit, d.cmbStair, d.cmbScrMax, d.cmbMan}) c->setCurrentIndex(0);
    for (QComboBox* c : d.cmbCom) c->setCurrentIndex(3);
    for (QCheckBox* c : d.findChildren<QCheckBox*>()) c->setChecked(!c->isChecked());
    if (way == 0)
      d.cmdCancel->click();
    else
      d.close();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(l.Record(), record) << way;
    EXPECT_EQ(l.Characters(), seats) << way;
    EXPECT_EQ(ReadFile(l.path), kStored) << way;
    EXPECT_EQ(l.g.Rng.Draws(), draws);
  }
}

TEST(OptionDialog, OutOfRangeValuesOpenWithValidChoices) {
  // From the file: character 0 and limit 99 read as their defaults.
  std::vector<uint8_t> bad = kStored;
  bad[0] = 99;
  bad[18] = 0;
  Loaded l("opt_bad.dat", bad);
  {
    FrmOption d(l.g, l.path, nullptr);
    EXPECT_EQ(d.cmbLimit->currentText(), "11");
    EXPECT_EQ(d.cmbCom[0]->currentIndex(), 0);
  }
  // Even a record that was never checked opens with the default items.
  OptionRecord& o = l.g.Options;
  o.InitialLine = 0;
  o.SeatCount = 1;
  o.MinStair = 9;
  o.ScoreGoalIndex = 3;
  for (int s = 2; s <= 8; ++s) o.ComFor(s) = (s % 2 == 0) ? 0 : 9;
  FrmOption d(l.g, l.path, nullptr);
  EXPECT_EQ(d.cmbLimit->currentText(), "11");
  EXPECT_EQ(d.cmbMan->currentText(), "4");
  EXPECT_EQ(d.cmbStair->currentText(), "4");
  EXPECT_EQ(d.cmbScrMax->currentText(), "200");
  for (int k = 0; k < 7; ++k) EXPECT_EQ(d.cmbCom[k]->currentIndex(), k) << k;
  d.cmdOK->click();
  EXPECT_EQ(o.InitialLine, 11);
  EXPECT_EQ(o.SeatCount, 4);
  EXPECT_EQ(o.MinStair, 4);
  EXPECT_EQ(o.ScoreGoalIndex, 0);
  for (int s = 2; s <= 8; ++s) EXPECT_EQ(o.ComFor(s), s - 1);
}

TEST(OptionDialog, TheClickOnOkDoesNotReachTheGame) {
  Loaded l("opt_click.dat", kStored);
  FrmMain w;
  w.show();
  QCoreApplication::processEvents();
  QtHost host(w);
  Pacer pacer(host);
  for (bool ok : {true, false}) {
    // A press on the table is pending when the dialog closes.
    const QPoint inFrame = w.frame()->mapTo(&w, QPoint(200, 200));
    SendMouse(w.windowHandle(), inFrame, QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouse(w.windowHandle(), inFrame, QEvent::MouseButtonRelease, Qt::NoButton);
    FrmOption d(l.g, l.path, &host, &w);
    d.show();
    QCoreApplication::processEvents();
    QPushButton* button = ok ? d.cmdOK : d.cmdCancel;
    const QPoint at = button->mapTo(&d, button->rect().center());
    SendMouse(d.windowHandle(), at, QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouse(d.windowHandle(), at, QEvent::MouseButtonRelease, Qt::NoButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(d.isVisible()) << ok;
    EXPECT_EQ(d.result(), ok ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_FALSE(pacer.KeyPressed(1)) << ok;
  }
}

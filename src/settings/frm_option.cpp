#include "settings/frm_option.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "flow/host.h"
#include "game/options.h"
#include "game/state.h"
#include "settings/paths.h"

namespace tomaruk {

namespace {

template <class W>
W* Place(W* w, const char* name, int x, int y, int width, int height) {
  w->setObjectName(name);
  w->setGeometry(x, y, width, height);
  return w;
}

QComboBox* List(QWidget* parent, const char* name, int x, int y, int width, int height) {
  return Place(new QComboBox(parent), name, x, y, width, height);
}

QLabel* Label(QWidget* parent, const char* name, const char* text, int x, int y, int width, int height) {
  return Place(new QLabel(QString::fromUtf8(text), parent), name, x, y, width, height);
}

QCheckBox* Check(QWidget* parent, const char* name, const char* text, int x, int y, int width, int height) {
  auto* box = Place(new QCheckBox(QString::fromUtf8(text), parent), name, x, y, width, height);
  box->setChecked(true);  // the effect boxes start checked
  return box;
}

// Selects the item for a stored value, or the default's item when the value
// has none, so that OK can never store a value outside the list.
void Select(QComboBox* list, int position, int fallback) {
  list->setCurrentIndex(position >= 0 && position < list->count() ? position : fallback);
}

uint8_t FlagOf(const QCheckBox* box) { return box->isChecked() ? 255 : 0; }

}  // namespace

FrmOption::FrmOption(Game& game, std::string optionPath, Host* h, QWidget* parent, int scale)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      g(game),
      path(std::move(optionPath)),
      host(h) {
  setObjectName("frmOption");
  setWindowTitle("オプション");
  setModal(true);
  QFont f("IPAPGothic");
  f.setPixelSize(12 * scale);
  setFont(f);
  setFixedSize(526 * scale, 438 * scale);

  Label(this, "lblLimit", "初期制限枚数", 16, 16, 81, 21);
  cmbLimit = List(this, "cmbLimit", 112, 16, 57, 20);
  Label(this, "lblStair", "階段の最小枚数", 16, 48, 89, 21);
  cmbStair = List(this, "cmbStair", 112, 48, 57, 20);
  Label(this, "lblScrMax", "アガリ点数", 192, 16, 57, 17);
  cmbScrMax = List(this, "cmbScrMax", 256, 16, 65, 20);
  chkSkip = Check(this, "chkSkip", "プレイヤーあがり・脱落時スキップ", 192, 48, 193, 17);
  chkSkip->setChecked(false);

  freFlag = Place(new QGroupBox("カードの効果", this), "freFlag", 8, 80, 273, 321);
  chkFlag3 = Check(freFlag, "chkFlag3", "スペードの3(2)×3でジョーカー流す", 16, 24, 209, 21);
  chkFlag4 = Check(freFlag, "chkFlag4", "偶奇縛り", 16, 48, 73, 21);
  chkFlag5 = Check(freFlag, "chkFlag5", "5でスキップ", 16, 72, 89, 21);
  chkFlag7 = Check(freFlag, "chkFlag7", "黒7でラインダウン", 16, 96, 121, 21);
  chkFlag8 = Check(freFlag, "chkFlag8", "8流し", 16, 120, 57, 21);
  chkFlag8F = Check(freFlag, "chkFlag8F", "8でアガリ禁", 32, 144, 89, 21);
  chkFlag9 = Check(freFlag, "chkFlag9", "9でアガリ禁", 16, 168, 89, 21);
  chkFlag10 = Check(freFlag, "chkFlag10", "10×4で革命返し不可", 16, 192, 137, 21);
  chkFlagJ = Check(freFlag, "chkFlagJ", "Jでインスタント革命", 16, 216, 129, 21);
  chkFlagQ = Check(freFlag, "chkFlagQ", "Qでリバース", 16, 240, 89, 21);
  chkFlagM = Check(freFlag, "chkFlagM", "最強アガリ禁", 16, 264, 97, 21);
  chkFlagR = Check(freFlag, "chkFlagR", "Jokerアガリ禁", 16, 288, 105, 21);

  frePlayer = Place(new QGroupBox("プレイヤー", this), "frePlayer", 296, 80, 217, 321);
  Label(frePlayer, "lblMan", "人数", 16, 24, 57, 21);
  cmbMan = List(frePlayer, "cmbMan", 80, 24, 57, 20);
  chkJunJo = Check(frePlayer, "chkJunJo", "順序をランダムに並べ替える", 16, 56, 177, 21);
  chkJunJo->setChecked(false);
  // Row 0 is the pattern; rows 1..6 are its copies, 32 px further down each.
  for (int k = 0; k < 7; ++k) {
    const QByteArray lblName = "lblCom" + QByteArray::number(k);
    const QByteArray cmbName = "cmbCom" + QByteArray::number(k);
    lblCom[k] = Label(frePlayer, lblName.constData(), "", 16, 96 + 32 * k, 57, 17);
    lblCom[k]->setText("Com" + QString::number(k + 1));
    cmbCom[k] = List(frePlayer, cmbName.constData(), 80, 96 + 32 * k, 105, 20);
  }

  cmdOK = Place(new QPushButton("OK", this), "cmdOK", 328, 408, 89, 21);
  cmdCancel = Place(new QPushButton("キャンセル", this), "cmdCancel", 424, 408, 89, 21);
  // Neither button answers Enter.
  for (QPushButton* b : {cmdOK, cmdCancel}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }

  QWidget* order[] = {cmdOK,     cmdCancel, chkFlag3,  chkFlag4,  chkFlag5,  chkFlag7,  chkFlag8,
                      chkFlag9,  chkFlag10, chkFlagJ,  chkFlagQ,  chkFlag8F, chkFlagM,  chkFlagR,
                      cmbStair,  cmbLimit,  cmbCom[0], cmbCom[1], cmbCom[2], cmbCom[3], cmbCom[4],
                      cmbCom[5], cmbCom[6], cmbMan,    chkJunJo,  cmbScrMax, chkSkip};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  // The controls are named by kind: labels, lists, check boxes, frames and buttons.
  for (QWidget* w : findChildren<QWidget*>(QRegularExpression("^(lbl|cmb|chk|fre|cmd)")))
    w->setGeometry(QRect(w->geometry().topLeft() * scale, w->geometry().size() * scale));

  connect(cmbMan, &QComboBox::currentIndexChanged, this, [this] { ApplySeatCount(); });
  connect(chkFlag8, &QCheckBox::toggled, this, [this](bool on) { chkFlag8F->setEnabled(on); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { ClickOK(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { ClickCancel(); });

  LoadFromRecord();
  cmdOK->setFocus();
}

std::array<QCheckBox*, 12> FrmOption::EffectBoxes() const {
  return {chkFlag3, chkFlag4,  chkFlag5, chkFlag7, chkFlag8, chkFlag8F,
          chkFlag9, chkFlag10, chkFlagJ, chkFlagQ, chkFlagM, chkFlagR};
}

void FrmOption::LoadFromRecord() {
  const OptionRecord& o = g.Options;
  const OptionRecord def;
  for (int v = 4; v <= 6; ++v) cmbStair->addItem(QString::number(v));
  Select(cmbStair, o.MinStair - 4, def.MinStair - 4);
  for (int v = 7; v <= 15; ++v) cmbLimit->addItem(QString::number(v));
  Select(cmbLimit, o.InitialLine - 7, def.InitialLine - 7);
  for (int v = 2; v <= 8; ++v) cmbMan->addItem(QString::number(v));
  Select(cmbMan, o.SeatCount - 2, def.SeatCount - 2);
  for (const char* v : {"200", "500", "1000"}) cmbScrMax->addItem(v);
  Select(cmbScrMax, o.ScoreGoalIndex, def.ScoreGoalIndex);
  for (int k = 0; k < 7; ++k) {
    for (int c = 1; c <= 8; ++c) cmbCom[k]->addItem(QString::fromStdString(g.Characters[c].Name));
    Select(cmbCom[k], o.ComFor(k + 2) - 1, def.ComFor(k + 2) - 1);
  }
  ApplySeatCount();

  chkJunJo->setChecked(o.RandomOrder == 255);
  chkSkip->setChecked(o.SkipWhenOut == 255);
  const uint8_t flags[12] = {o.Flag3, o.Flag4,  o.Flag5, o.Flag7, o.Flag8, o.Flag8F,
                             o.Flag9, o.Flag10, o.FlagJ, o.FlagQ, o.FlagM, o.FlagR};
  const auto boxes = EffectBoxes();
  for (int i = 0; i < 12; ++i) boxes[i]->setChecked(flags[i] == 255);
  chkFlag8F->setEnabled(chkFlag8->isChecked());
}

// Rows of seats 2..n are open for choice; the others keep their choice but are greyed.
void FrmOption::ApplySeatCount() {
  bool ok = false;
  const int n = cmbMan->currentText().toInt(&ok);
  if (!ok) return;
  for (int k = 0; k < 7; ++k) {
    lblCom[k]->setEnabled(k <= n - 2);
    cmbCom[k]->setEnabled(k <= n - 2);
  }
}

void FrmOption::ClickOK() {
  OptionRecord& o = g.Options;
  bool ok = false;
  if (const int v = cmbLimit->currentText().toInt(&ok); ok) o.InitialLine = static_cast<uint8_t>(v);
  if (const int v = cmbMan->currentText().toInt(&ok); ok) o.SeatCount = static_cast<uint8_t>(v);
  if (const int v = cmbStair->currentText().toInt(&ok); ok) o.MinStair = static_cast<uint8_t>(v);
  if (cmbScrMax->currentIndex() >= 0) o.ScoreGoalIndex = static_cast<uint8_t>(cmbScrMax->currentIndex());

  o.RandomOrder = FlagOf(chkJunJo);
  o.SkipWhenOut = FlagOf(chkSkip);
  uint8_t* flags[12] = {&o.Flag3, &o.Flag4,  &o.Flag5, &o.Flag7, &o.Flag8, &o.Flag8F,
                        &o.Flag9, &o.Flag10, &o.FlagJ, &o.FlagQ, &o.FlagM, &o.FlagR};
  const auto boxes = EffectBoxes();
  for (int i = 0; i < 12; ++i) *flags[i] = FlagOf(boxes[i]);  // disabled boxes count as shown

  // Disabled rows are stored too; an unselected row would store character 0.
  for (int seat = 2; seat <= 8; ++seat)
    o.ComFor(seat) = static_cast<uint8_t>(cmbCom[seat - 2]->currentIndex() + 1);
  AssignSeatCharacters(g);
  // The new options hold for this session whatever happens to the file.
  if (std::string why; !SaveOptionFile(g, path, &why)) {
    const QString text = "オプションを保存できませんでした。\n\n保存先: " + QFile::decodeName(path.c_str()) +
                         "\n理由: " + QString::fromLocal8Bit(why.c_str()) +
                         "\n\n変更したオプションは、ゲームを終了するまで有効です。";
    QMessageBox box(QMessageBox::Warning, "Tomaruk", text, QMessageBox::Ok, this);
    box.exec();
  }
  accept();
}

void FrmOption::ClickCancel() { reject(); }

// Escape does not close the dialog.
void FrmOption::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// However the dialog closes, the click that closed it must not reach the game.
void FrmOption::done(int result) {
  if (host != nullptr) host->LeftButtonState();
  QDialog::done(result);
}

}  // namespace tomaruk

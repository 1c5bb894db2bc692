#pragma once
#include <QDialog>
#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tomaruk {

struct Game;
class Host;

// frmOption: the rule options and the computer characters. Opening shows the
// record; "OK" stores it, reseats the characters and writes the option file;
// "キャンセル" and any other closing change nothing.
class FrmOption : public QDialog {
 public:
  // host may be null (then no pending press is discarded). At a scale above 1 the dialog grows
  // with the game's window: every place, size and the font times scale.
  FrmOption(Game& g, std::string optionPath, Host* host, QWidget* parent = nullptr, int scale = 1);

  QComboBox *cmbLimit, *cmbStair, *cmbScrMax, *cmbMan;
  QCheckBox *chkSkip, *chkJunJo;
  QCheckBox *chkFlag3, *chkFlag4, *chkFlag5, *chkFlag7, *chkFlag8, *chkFlag8F, *chkFlag9, *chkFlag10,
      *chkFlagJ, *chkFlagQ, *chkFlagM, *chkFlagR;
  QGroupBox *freFlag, *frePlayer;
  std::array<QLabel*, 7> lblCom{};
  std::array<QComboBox*, 7> cmbCom{};
  QPushButton *cmdOK, *cmdCancel;

  void ClickOK();
  void ClickCancel();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  void LoadFromRecord();
  void ApplySeatCount();
  std::array<QCheckBox*, 12> EffectBoxes() const;

  Game& g;
  std::string path;
  Host* host;
};

}  // namespace tomaruk

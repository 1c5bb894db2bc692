#include "settings/frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "game/state.h"
#include "settings/help_window.h"
#include "settings/paths.h"
#include "view/frame.h"

namespace tomaruk {

FrameWidget::FrameWidget(int scale, QWidget* parent) : QWidget(parent), scale_(scale) {
  setObjectName("picMain");
  // Where the window system counts several real pixels to one of the widget's, an enlarged
  // frame is still sized in real pixels, so that each block stays whole.
  if (scale > 1) ratio_ = devicePixelRatioF();
  setFixedSize(qRound(kScreenWidth * scale / ratio_), qRound(kScreenHeight * scale / ratio_));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void FrameWidget::ShowFrame(const QImage& frame) {
  shown_ = frame;
  repaint();
}

QPoint FrameWidget::FramePixel(QPointF at) const {
  return {static_cast<int>(std::floor(at.x() * ratio_ / scale_)),
          static_cast<int>(std::floor(at.y() * ratio_ / scale_))};
}

void FrameWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (shown_.isNull())
    p.fillRect(rect(), Qt::black);
  else if (scale_ == 1)
    p.drawImage(0, 0, shown_);
  else
    p.drawImage(rect(), shown_);  // unsmoothed: every pixel a sharp block
}

void FrameWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressedSinceQuery = true;
  const auto* window = dynamic_cast<FrmMain*>(this->window());
  if (event->button() == Qt::RightButton && window != nullptr && window->onLogKey) window->onLogKey(true);
}

void FrameWidget::mouseReleaseEvent(QMouseEvent* event) {
  const auto* window = dynamic_cast<FrmMain*>(this->window());
  if (event->button() == Qt::RightButton && window != nullptr && window->onLogKey) window->onLogKey(false);
}

// The second press of a quick double click arrives as a double click: it is a press all the same.
void FrameWidget::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

FrmMain::FrmMain(int scale) {
  setObjectName("frmMain");
  setWindowTitle("Tomaruk");
  // A title, a close box and a minimise box; no maximise box.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  menuBar()->setNativeMenuBar(false);
  mnuOption_ = menuBar()->addAction("オプション(&O)...");
  mnuOption_->setObjectName("mnuOption");
  mnuHelp_ = menuBar()->addAction("ヘルプ(&H)...");
  mnuHelp_->setObjectName("mnuHelp");
  connect(mnuOption_, &QAction::triggered, this, [this] {
    if (onOptions) onOptions();
  });
  connect(mnuHelp_, &QAction::triggered, this, [this] { ShowHelp(this); });

  // The size is fixed on the client area, so the menu bar adds to the window
  // instead of taking from the frame; the layout then fixes the window's size.
  frame_ = new FrameWidget(scale, this);
  setCentralWidget(frame_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmMain::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  if (event->key() == Qt::Key_L && !event->isAutoRepeat() && onLogKey) {
    onLogKey(true);
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void FrmMain::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_L && !event->isAutoRepeat() && onLogKey) {
    onLogKey(false);
    return;
  }
  QMainWindow::keyReleaseEvent(event);
}

void FrmMain::closeEvent(QCloseEvent* event) {
  // Only note it here; the game unwinds from its own pump.
  closing_ = true;
  event->accept();
}

void TellWhenNoJapaneseFont(QWidget* parent, const QString& japaneseFamily) {
  static bool told = false;
  if (!japaneseFamily.isEmpty() || told) return;
  told = true;
  QMessageBox box(QMessageBox::Warning, "Tomaruk",
                  "No installed font covers Japanese, so the game's Japanese text shows as empty boxes.\n\n"
                  "Install the package fonts-ipafont-gothic (for example: sudo apt install "
                  "fonts-ipafont-gothic) and start the game again.",
                  QMessageBox::Ok, parent);
  box.exec();
}

void TellWhenNoJapaneseFont(QWidget* parent) { TellWhenNoJapaneseFont(parent, JapaneseFontFamily()); }

}  // namespace tomaruk

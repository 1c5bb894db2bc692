#pragma once
#include <QImage>
#include <QMainWindow>
#include <QWidget>
#include <functional>

class QAction;

namespace tomaruk {

// The client area: shows the last presented frame and notes left presses. At a scale above 1
// every frame pixel is shown as a block of scale x scale real pixels, sharp edged, text included.
class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(int scale = 1, QWidget* parent = nullptr);
  // Keeps a copy of the frame and paints it at once.
  void ShowFrame(const QImage& frame);
  const QImage& Shown() const { return shown_; }
  // The frame pixel under a point of the widget: a whole block answers for its pixel.
  QPoint FramePixel(QPointF at) const;
  // Set by a left press on the frame; cleared by whoever reads it.
  bool pressedSinceQuery = false;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage shown_;
  int scale_ = 1;
  qreal ratio_ = 1;  // real pixels to one of the widget's, when the scale is above 1
};

// frmMain: the game's window with its two-command menu bar.
class FrmMain : public QMainWindow {
 public:
  explicit FrmMain(int scale = 1);
  FrameWidget* frame() const { return frame_; }
  QAction* mnuOption() const { return mnuOption_; }
  QAction* mnuHelp() const { return mnuHelp_; }
  // Set by Escape or by closing; the host's next pump ends the program.
  bool closing() const { return closing_; }
  // What "オプション" does (start-up opens the options dialog here).
  std::function<void()> onOptions;
  // Told when the player starts or stops holding the right button or L (the log, with --assist).
  std::function<void(bool held)> onLogKey;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  FrameWidget* frame_ = nullptr;
  QAction* mnuOption_ = nullptr;
  QAction* mnuHelp_ = nullptr;
  bool closing_ = false;
};

// When no installed font covers Japanese (japaneseFamily is empty), says so
// once per run in a message box that names the package to install. The text
// is in English: without such a font Japanese would show as boxes.
void TellWhenNoJapaneseFont(QWidget* parent, const QString& japaneseFamily);
void TellWhenNoJapaneseFont(QWidget* parent);

}  // namespace tomaruk

#include "settings/qt_host.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QThread>
#include <algorithm>
#include <cstdint>

#include "settings/frm_main.h"

namespace tomaruk {

// Follows the pointer over the frame through the window's own mouse events, so that reading the
// cursor at every poll does not ask the display server each time. When the pointer leaves the
// frame, the window moves or a modal dialog comes or goes, the position is unknown until the next
// mouse event, and the cursor is asked for.
class PointerWatch : public QObject {
 public:
  PointerWatch(FrameWidget& frame, QWidget& window) : QObject(&frame), frame_(frame) {
    frame.setMouseTracking(true);
    frame.installEventFilter(this);
    window.installEventFilter(this);
  }
  bool known = false;
  QPoint at;

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Enter:
        if (watched == &frame_) Follow(static_cast<QEnterEvent*>(event)->position());
        break;
      case QEvent::MouseMove:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        if (watched == &frame_) Follow(static_cast<QMouseEvent*>(event)->position());
        break;
      case QEvent::Leave:
      case QEvent::Move:
      case QEvent::Hide:
      case QEvent::WindowBlocked:
      case QEvent::WindowUnblocked:
        known = false;
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void Follow(const QPointF& p) {
    at = frame_.FramePixel(p);
    known = true;
  }
  FrameWidget& frame_;
};

QtHost::QtHost(FrmMain& window) : window_(window) {
  pointer_ = new PointerWatch(*window.frame(), window);  // owned by the frame
  clock_.start();
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
}

void QtHost::PumpMessages() {
  if (window_.closing()) throw QuitRequested{};
  QCoreApplication::processEvents();
  if (window_.closing()) throw QuitRequested{};
}

uint32_t QtHost::Millis() { return static_cast<uint32_t>(clock_.elapsed()); }

void QtHost::Sleep1() { QThread::msleep(1); }

void QtHost::Idle(uint32_t ms) {
  if (window_.closing()) return;
  // The timer's event ends the sleep at the latest; any window event ends it sooner.
  wake_.start(static_cast<int>(std::min<uint32_t>(ms, INT32_MAX)));
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool QtHost::LeftButtonState() {
  FrameWidget* frame = window_.frame();
  const bool pressed = frame->pressedSinceQuery;
  frame->pressedSinceQuery = false;
  return pressed || (QGuiApplication::mouseButtons() & Qt::LeftButton);
}

Point QtHost::Cursor() {
  if (pointer_ && pointer_->known) return {pointer_->at.x(), pointer_->at.y()};
  const QPoint p = window_.frame()->FramePixel(window_.frame()->mapFromGlobal(QCursor::pos()));
  return {p.x(), p.y()};
}

namespace {
// Escape means "quit" everywhere in the game, in a message box too: it closes
// the main window instead of only dismissing the box.
class EscapeQuits : public QObject {
 public:
  EscapeQuits(QMessageBox& box, FrmMain& window) : QObject(&box), box_(box), window_(window) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      window_.close();
      box_.done(0);
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QMessageBox& box_;
  FrmMain& window_;
};
}  // namespace

void QtHost::MessageBox(const std::string& text) {
  if (window_.closing()) throw QuitRequested{};
  QMessageBox box(QMessageBox::NoIcon, "Tomaruk", QString::fromStdString(text), QMessageBox::Ok, &window_);
  box.installEventFilter(new EscapeQuits(box, window_));  // owned by the box
  box.exec();
  if (window_.closing()) throw QuitRequested{};
}

void QtHost::SetOptionsMenuEnabled(bool enabled) { window_.mnuOption()->setEnabled(enabled); }

}  // namespace tomaruk

#include "settings/qt_host.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QThread>

#include "settings/frm_main.h"

namespace tomaruk {

QtHost::QtHost(FrmMain& window) : window_(window) { clock_.start(); }

void QtHost::PumpMessages() {
  if (window_.closing()) throw QuitRequested{};
  QCoreApplication::processEvents();
  if (window_.closing()) throw QuitRequested{};
}

uint32_t QtHost::Millis() { return static_cast<uint32_t>(clock_.elapsed()); }

void QtHost::Sleep1() { QThread::msleep(1); }

bool QtHost::LeftButtonState() {
  FrameWidget* frame = window_.frame();
  const bool pressed = frame->pressedSinceQuery;
  frame->pressedSinceQuery = false;
  return pressed || (QGuiApplication::mouseButtons() & Qt::LeftButton);
}

Point QtHost::Cursor() {
  const QPoint p = window_.frame()->mapFromGlobal(QCursor::pos());
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

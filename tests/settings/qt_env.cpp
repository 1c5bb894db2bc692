#include "qt_env.h"

#include <QApplication>
#include <QFile>

#include "settings/paths.h"
#include "support/temp_dir.h"

// Exported by QtGui for synchronous test input.
void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global, Qt::MouseButtons state,
                         Qt::MouseButton button, QEvent::Type type, Qt::KeyboardModifiers mods,
                         int timestamp);

void EnsureApplication() {
  static QApplication* app = nullptr;
  if (app != nullptr) return;
  // A screen of 144 dots per inch: the frame must still be 576 x 480 real pixels.
  static tomaruk::testing::TempDir dir;
  const QString config = QString::fromStdString(dir.File("screen.json"));
  QFile f(config);
  if (f.open(QIODevice::WriteOnly)) {
    f.write(R"({"screens":[{"name":"fake","x":0,"y":0,"width":1280,"height":1024,"logicalDpi":144}]})");
    f.close();
  }
  tomaruk::PrepareQtEnvironment();
  static QByteArray platform = "offscreen:configfile=" + QFile::encodeName(config);
  static char arg0[] = "settings_tests";
  static char arg1[] = "-platform";
  static char* argv[] = {arg0, arg1, platform.data(), nullptr};
  static int argc = 3;
  // Kept for the whole run: it must outlive every widget and the arguments it was given.
  app = new QApplication(argc, argv);
}

void SendMouse(QWindow* window, QPoint local, QEvent::Type type, Qt::MouseButtons buttons) {
  static int timestamp = 0;
  timestamp += 5000;  // far apart: no double clicks
  const QPointF global = window->mapToGlobal(local);
  qt_handleMouseEvent(window, QPointF(local), global, buttons, Qt::LeftButton, type, Qt::NoModifier,
                      timestamp);
}

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

#include "flow/host.h"
#include "qt_env.h"
#include "settings/frm_main.h"
#include "settings/paths.h"
#include "settings/qt_host.h"

using namespace tomaruk;

namespace {
void Settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}
}  // namespace

TEST(MainWindow, ClientAreaMenuAndEscape) {
  EnsureApplication();
  FrmMain w;
  w.show();
  Settle();
  EXPECT_EQ(w.windowTitle(), "Tomaruk");
  EXPECT_EQ(w.centralWidget(), w.frame());
  EXPECT_EQ(w.frame()->size(), QSize(576, 480));
  EXPECT_EQ(w.frame()->mapTo(&w, QPoint(0, 0)).y(), w.menuBar()->height());
  // Real pixels on a 144 DPI screen.
  EXPECT_EQ(w.frame()->devicePixelRatio(), 1.0);
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_FALSE(w.menuBar()->isNativeMenuBar());
  const auto actions = w.menuBar()->actions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_EQ(actions[0], w.mnuOption());
  EXPECT_EQ(actions[0]->text(), "オプション(&O)...");
  EXPECT_EQ(actions[1]->text(), "ヘルプ(&H)...");
  EXPECT_EQ(actions[0]->menu(), nullptr);

  int opened = 0;
  w.onOptions = [&] { ++opened; };
  w.mnuOption()->trigger();
  EXPECT_EQ(opened, 1);
  QtHost host(w);
  host.SetOptionsMenuEnabled(false);
  EXPECT_FALSE(w.mnuOption()->isEnabled());
  host.SetOptionsMenuEnabled(true);
  EXPECT_TRUE(w.mnuOption()->isEnabled());

  // The frame shows exactly what was presented.
  QImage frame(576, 480, QImage::Format_RGB32);
  frame.fill(QColor(0, 127, 0));
  frame.setPixel(10, 20, qRgb(255, 0, 0));
  w.frame()->ShowFrame(frame);
  const QImage shot = w.frame()->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(576, 480));
  EXPECT_EQ(shot.pixel(10, 20) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(shot.pixel(11, 20) & 0xFFFFFF, 0x007F00u);

  // Other keys do nothing; Escape ends the program at the next pump, not inside the key handler.
  QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QCoreApplication::sendEvent(&w, &other);
  EXPECT_NO_THROW(host.PumpMessages());
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  EXPECT_NO_THROW(QCoreApplication::sendEvent(&w, &esc));
  EXPECT_TRUE(w.closing());
  EXPECT_THROW(host.PumpMessages(), QuitRequested);
  EXPECT_THROW(host.MessageBox("x"), QuitRequested);
}

TEST(MainWindow, MessageBoxOkGoesOnEscapeQuits) {
  EnsureApplication();
  FrmMain w;
  w.show();
  Settle();
  QtHost host(w);
  // Presses a key in whatever message box is open once it runs.
  const auto pressInBox = [](Qt::Key key) {
    QTimer::singleShot(0, [key] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      QWidget* target = box->focusWidget() ? box->focusWidget() : box;
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QCoreApplication::sendEvent(target, &press);
    });
  };
  pressInBox(Qt::Key_Return);
  EXPECT_NO_THROW(host.MessageBox("ライン下げすぎっ"));
  EXPECT_FALSE(w.closing());
  pressInBox(Qt::Key_Escape);
  EXPECT_THROW(host.MessageBox("いつまでやっとんねん。"), QuitRequested);
  EXPECT_TRUE(w.closing());
}

TEST(MainWindow, ClosingEndsAtNextPump) {
  EnsureApplication();
  FrmMain w;
  w.show();
  Settle();
  QtHost host(w);
  Pacer pacer(host);
  EXPECT_NO_THROW(pacer.Wait(3));
  w.close();
  EXPECT_THROW(pacer.Wait(3), QuitRequested);
}

TEST(QtHostInput, ButtonLatchAndCursor) {
  EnsureApplication();
  FrmMain w;
  w.show();
  Settle();
  QtHost host(w);
  QWindow* win = w.windowHandle();
  ASSERT_NE(win, nullptr);
  const QPoint inFrame = w.frame()->mapTo(&w, QPoint(100, 50));

  EXPECT_FALSE(host.LeftButtonState());
  // A quick click between two queries is still seen once.
  SendMouse(win, inFrame, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(win, inFrame, QEvent::MouseButtonRelease, Qt::NoButton);
  EXPECT_TRUE(host.LeftButtonState());
  EXPECT_FALSE(host.LeftButtonState());

  // Held down: down now on every query until released.
  SendMouse(win, inFrame, QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_TRUE(host.LeftButtonState());
  EXPECT_TRUE(host.LeftButtonState());
  SendMouse(win, inFrame, QEvent::MouseButtonRelease, Qt::NoButton);
  EXPECT_FALSE(host.LeftButtonState());

  // Over the pacer: one press held over several polls reports once; a second press reports again.
  Pacer pacer(host);
  SendMouse(win, inFrame, QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_TRUE(pacer.KeyPressed(1));
  EXPECT_FALSE(pacer.KeyPressed(1));
  EXPECT_FALSE(pacer.KeyPressed(1));
  SendMouse(win, inFrame, QEvent::MouseButtonRelease, Qt::NoButton);
  EXPECT_FALSE(pacer.KeyPressed(1));
  SendMouse(win, inFrame, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(win, inFrame, QEvent::MouseButtonRelease, Qt::NoButton);
  EXPECT_TRUE(pacer.KeyPressed(1));

  // A press on the menu bar is not a press on the table.
  const QPoint onMenu = w.menuBar()->mapTo(&w, QPoint(300, 5));
  SendMouse(win, onMenu, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(win, onMenu, QEvent::MouseButtonRelease, Qt::NoButton);
  Settle();
  EXPECT_FALSE(host.LeftButtonState());

  // The cursor in frame coordinates.
  QCursor::setPos(w.frame()->mapToGlobal(QPoint(123, 45)));
  const Point c = host.Cursor();
  EXPECT_EQ(c.x, 123);
  EXPECT_EQ(c.y, 45);

  // The clock is monotonic and sleeping advances it.
  const uint32_t t0 = host.Millis();
  for (int i = 0; i < 5; ++i) host.Sleep1();
  EXPECT_GE(host.Millis() - t0, 5u);
}

TEST(Paths, OptionFileAndHelpPage) {
  EnsureApplication();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_EQ(OptionFilePath(dir.path()), QDir(dir.path()).filePath("option.dat").toStdString());
  // A program directory that cannot take the file falls back to the configuration directory.
  const std::string fallback = OptionFilePath(dir.path() + "/missing");
  EXPECT_NE(fallback.find("option.dat"), std::string::npos);
  EXPECT_EQ(fallback.find("/missing"), std::string::npos);
  EXPECT_TRUE(QDir(QString::fromStdString(fallback).section('/', 0, -2)).exists());

  // Help beside the program, else the installed page, else nothing.
  const QString bin = dir.path() + "/bin";
  QDir().mkpath(bin + "/help");
  QDir().mkpath(dir.path() + "/share/tomaruk/help");
  EXPECT_TRUE(HelpFilePath(bin).isEmpty());
  QFile installed(dir.path() + "/share/tomaruk/help/help.htm");
  ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
  installed.close();
  EXPECT_EQ(HelpFilePath(bin), QDir::cleanPath(dir.path() + "/share/tomaruk/help/help.htm"));
  QFile beside(bin + "/help/help.htm");
  ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
  beside.close();
  EXPECT_EQ(HelpFilePath(bin), QDir::cleanPath(bin + "/help/help.htm"));
}

#pragma once
#include <QPointF>
#include <QWindow>

// The offscreen application shared by the settings tests (144 DPI fake screen).
void EnsureApplication();

// Delivers a mouse event through the window system, as a real click would.
void SendMouse(QWindow* window, QPoint local, QEvent::Type type, Qt::MouseButtons buttons);
// A press and its release.
inline void Click(QWindow* window, QPoint local) {
  SendMouse(window, local, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(window, local, QEvent::MouseButtonRelease, Qt::NoButton);
}

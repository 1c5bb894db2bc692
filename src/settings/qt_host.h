#pragma once
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include "flow/host.h"

namespace tomaruk {

class FrmMain;
class PointerWatch;

// The game's host over the real window.
class QtHost : public Host {
 public:
  explicit QtHost(FrmMain& window);
  // Runs pending window events, then ends the program (QuitRequested) once the window is closing.
  void PumpMessages() override;
  uint32_t Millis() override;
  void Sleep1() override;
  // Blocks until the window has an event or ms milliseconds have passed.
  void Idle(uint32_t ms) override;
  // Down now, or pressed on the frame since the last query.
  bool LeftButtonState() override;
  // Where the last mouse event over the frame put the pointer; asks the window system only while
  // the pointer is elsewhere.
  Point Cursor() override;
  void MessageBox(const std::string& text) override;
  void SetOptionsMenuEnabled(bool enabled) override;

 private:
  FrmMain& window_;
  QElapsedTimer clock_;
  QTimer wake_;
  QPointer<PointerWatch> pointer_;
};

}  // namespace tomaruk

#pragma once
#include <QElapsedTimer>

#include "flow/host.h"

namespace tomaruk {

class FrmMain;

// The game's host over the real window.
class QtHost : public Host {
 public:
  explicit QtHost(FrmMain& window);
  // Runs pending window events, then ends the program (QuitRequested) once the window is closing.
  void PumpMessages() override;
  uint32_t Millis() override;
  void Sleep1() override;
  // Down now, or pressed on the frame since the last query.
  bool LeftButtonState() override;
  Point Cursor() override;
  void MessageBox(const std::string& text) override;
  void SetOptionsMenuEnabled(bool enabled) override;

 private:
  FrmMain& window_;
  QElapsedTimer clock_;
};

}  // namespace tomaruk

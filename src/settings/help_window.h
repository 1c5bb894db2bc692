#pragma once
#include <QDialog>
#include <QString>

class QTextBrowser;
class QWidget;

namespace tomaruk {

// The help page in a simple window of the game's own, for a system with no viewer for it. It is
// not modal: the game goes on while it is open, and Escape closes only this window.
class HelpWindow : public QDialog {
 public:
  HelpWindow(const QString& page, QWidget* parent);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

// Opens the help page in the desktop's viewer, or, when the system has none (no xdg-open, or
// nothing that opens the page), in a HelpWindow. A missing page does nothing.
void ShowHelp(QWidget* parent);
// The same with the page and the opener given; an empty opener means Qt's own way of finding a
// viewer. Returns the window when it was shown at once.
HelpWindow* ShowHelp(QWidget* parent, const QString& page, const QString& opener);

}  // namespace tomaruk

#include "settings/help_window.h"

#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "settings/paths.h"

namespace tomaruk {

namespace {
// One help window at a time: a second request brings it to the front.
QPointer<HelpWindow> openWindow;

HelpWindow* ShowWindow(QWidget* parent, const QString& page) {
  if (!openWindow) {
    openWindow = new HelpWindow(page, parent);
    openWindow->setAttribute(Qt::WA_DeleteOnClose);
  }
  openWindow->show();
  openWindow->raise();
  openWindow->activateWindow();
  return openWindow;
}
}  // namespace

HelpWindow::HelpWindow(const QString& page, QWidget* parent) : QDialog(parent) {
  setObjectName("frmHelp");
  resize(680, 560);
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setSource(QUrl::fromLocalFile(page));
  setWindowTitle(browser_->documentTitle().isEmpty() ? QString("Tomaruk") : browser_->documentTitle());
  connect(browser_, &QTextBrowser::sourceChanged, this,
          [this] { setWindowTitle(browser_->documentTitle()); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
}

HelpWindow* ShowHelp(QWidget* parent, const QString& page, const QString& opener) {
  if (page.isEmpty()) return nullptr;
  const QUrl url = QUrl::fromLocalFile(page);
  if (opener.isEmpty()) return QDesktopServices::openUrl(url) ? nullptr : ShowWindow(parent, page);
  // The opener says only when it is done whether anything could show the page; it runs on its
  // own while the game goes on, and a failure brings up our window then.
  auto* process = new QProcess;  // not owned: a viewer still open when the game quits stays open
  QPointer<QWidget> owner(parent);
  QObject::connect(process, &QProcess::finished, process,
                   [process, owner, page](int code, QProcess::ExitStatus) {
                     if (code != 0 && owner) ShowWindow(owner, page);
                     process->deleteLater();
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, owner, page](QProcess::ProcessError e) {
                     if (e != QProcess::FailedToStart) return;
                     if (owner) ShowWindow(owner, page);
                     process->deleteLater();
                   });
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  process->start(opener, {url.toString()});
  return nullptr;
}

void ShowHelp(QWidget* parent) {
  ShowHelp(parent, HelpFilePath(), QStandardPaths::findExecutable("xdg-open"));
}

}  // namespace tomaruk

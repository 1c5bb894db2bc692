#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "qt_env.h"
#include "settings/help_window.h"

namespace {

// The program's command line, run as a user would run it, with no display at all.
TEST(CommandLine, HelpVersionWrongArgumentsAndNoDisplay) {
  EnsureApplication();
  struct Row {
    QStringList args;
    const char* display;  // nullptr: none
    int status;
    const char* out;  // what the standard output holds ("" none)
    const char* err;  // what the one line on standard error holds ("" none)
  } rows[] = {
      {{"--help"}, nullptr, 0, "tomaruk --simulate DEALS", ""},
      {{"-h"}, nullptr, 0, "--seed N", ""},
      {{"--version"}, nullptr, 0, "tomaruk " TOMARUK_VERSION "\n", ""},
      {{"--simulate", "--help"}, nullptr, 0, "--human-as C", ""},
      {{"--simulate", "5", "--seed", "2", "-h"}, nullptr, 0, "--options FILE", ""},
      {{"--bogus"}, nullptr, 2, "", "unknown option '--bogus'"},
      {{"--seed", "3", "stray"}, nullptr, 2, "", "unexpected argument 'stray'"},
      {{"--seed", "-3"}, nullptr, 2, "", "--seed needs a non-negative whole number"},
      {{}, nullptr, 1, "", "--simulate"},
      {{"--seed", "3"}, nullptr, 1, "", "a graphical session is needed"},
      // A display that does not answer: still one line, not an abort.
      {{}, ":4711", 1, "", "a graphical session is needed"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.args.join(' ').toStdString());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    if (row.display != nullptr) env.insert("DISPLAY", row.display);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(TOMARUK_BINARY, row.args);
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString out = p.readAllStandardOutput(), err = p.readAllStandardError();
    EXPECT_EQ(std::pair(p.exitStatus(), p.exitCode()), std::pair(QProcess::NormalExit, row.status));
    EXPECT_TRUE(*row.out ? out.contains(row.out) : out.isEmpty()) << out.toStdString();
    EXPECT_TRUE(*row.err ? err.contains(row.err) && err.count('\n') == 1 : err.isEmpty())
        << err.toStdString();
  }
}

// The help page opens in a window of the game's own exactly when the desktop's opener fails.
TEST(HelpWindow, OpensWhenNothingElseCanShowThePage) {
  EnsureApplication();
  QTemporaryDir dir;
  QFile page(dir.filePath("help.htm"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<html><head><title>Tomaruk help</title></head><body><p>The rules.</p></body></html>");
  page.close();
  QWidget parent;
  for (auto [opener, shows] : {std::pair{"true", false}, {"false", true}, {"/no/such/opener", true}}) {
    tomaruk::ShowHelp(&parent, page.fileName(), opener);
    tomaruk::HelpWindow* window = nullptr;
    for (QDeadlineTimer until(1500); !window && !until.hasExpired();) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      window = parent.findChild<tomaruk::HelpWindow*>();
    }
    ASSERT_EQ(window != nullptr, shows) << opener;
    if (!window) continue;
    EXPECT_EQ(window->windowTitle(), "Tomaruk help");
    EXPECT_TRUE(window->browser()->toPlainText().contains("The rules."));
    delete window;
  }
}

}  // namespace

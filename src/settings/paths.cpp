#include "settings/paths.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace tomaruk {

void PrepareQtEnvironment() {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCALE_FACTOR");
}

std::string OptionFilePath(const QString& programDir) {
  QString dir = programDir;
  const QFileInfo info(dir);
  if (dir.isEmpty() || !info.isDir() || !info.isWritable()) {
    dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(dir);
  }
  return QFile::encodeName(QDir(dir).filePath("option.dat")).toStdString();
}

std::string OptionFilePath() { return OptionFilePath(QCoreApplication::applicationDirPath()); }

QString HelpFilePath(const QString& programDir) {
  const QDir dir(programDir);
  for (const char* rel : {"help/help.htm", "../share/tomaruk/help/help.htm"}) {
    const QString path = QDir::cleanPath(dir.filePath(QString::fromLatin1(rel)));
    if (QFileInfo(path).isFile()) return path;
  }
  return QString();
}

QString HelpFilePath() { return HelpFilePath(QCoreApplication::applicationDirPath()); }

void OpenHelp() {
  const QString path = HelpFilePath();
  // The viewer runs as a process of its own; whether it starts is not our concern.
  if (!path.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace tomaruk

#include "settings/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "game/options.h"

namespace tomaruk {

void PrepareQtEnvironment() {
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qunsetenv("QT_SCALE_FACTOR");
}

namespace {

std::string Join(std::string folder, const std::string& name) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder + name;
}

bool WritableFolder(const std::string& folder) {
  struct stat st {};
  return !folder.empty() && ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         ::access(folder.c_str(), W_OK) == 0;
}

// The executable's folder as the file system spells it.
std::string ProgramFolder() {
  char buf[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf);
  if (n > 0 && n < static_cast<ssize_t>(sizeof buf)) {
    const std::string exe(buf, static_cast<std::size_t>(n));
    const std::size_t slash = exe.rfind('/');
    if (slash != std::string::npos) return slash == 0 ? "/" : exe.substr(0, slash);
  }
  return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

}  // namespace

std::string ConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* env = std::getenv("HOME");
    std::string home = env != nullptr && env[0] == '/' ? env : "";
    if (home.empty())
      if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr)
        home = pw->pw_dir;
    if (home.empty() || home[0] != '/') home.assign(1, '/');
    base = Join(home, ".config");
  }
  const QString app = QCoreApplication::applicationName();
  return Join(base, app.isEmpty() ? std::string("tomaruk") : QFile::encodeName(app).toStdString());
}

std::string OptionFilePath(const std::string& programDir) {
  return Join(WritableFolder(programDir) ? programDir : ConfigFolder(), "option.dat");
}

std::string OptionFilePath(const QString& programDir) {
  return OptionFilePath(QFile::encodeName(programDir).toStdString());
}

std::string OptionFilePath() { return OptionFilePath(ProgramFolder()); }

bool SaveOptionFile(const Game& g, const std::string& path, std::string* why) {
  // Make each missing folder on the way down, for the player alone.
  const std::size_t last = path.rfind('/');
  struct stat st {};
  const bool missing =
      last != std::string::npos && last > 0 && ::stat(path.substr(0, last).c_str(), &st) != 0;
  for (std::size_t slash = path.find('/', 1); missing && slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
      if (why != nullptr) *why = std::strerror(errno);
      return false;
    }
  }
  return SaveOptions(g, path, why);
}

QString HelpFilePath(const QString& programDir) {
  const QDir dir(programDir);
  for (const char* rel : {"help/help.htm", "../share/tomaruk/help/help.htm"}) {
    const QString path = QDir::cleanPath(dir.filePath(QString::fromLatin1(rel)));
    if (QFileInfo(path).isFile()) return path;
  }
  return QString();
}

QString HelpFilePath() { return HelpFilePath(QCoreApplication::applicationDirPath()); }

}  // namespace tomaruk

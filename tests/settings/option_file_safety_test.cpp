#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTimer>
#include <csignal>
#include <filesystem>

#include "ai/computer_player.h"
#include "game/options.h"
#include "game/state.h"
#include "qt_env.h"
#include "settings/frm_main.h"
#include "settings/frm_option.h"
#include "settings/paths.h"
#include "support/temp_dir.h"
#include "view/frame.h"

using namespace tomaruk;
using namespace tomaruk::testing;

namespace {

// The record's bytes, as the file holds them.
std::vector<uint8_t> Bytes(const OptionRecord& o) { return {&o.InitialLine, &o.InitialLine + kOptionBytes}; }

// Answers every message box that opens while it lives, keeping "title|text".
struct Boxes {
  QStringList seen;
  QTimer timer;
  Boxes() {
    QObject::connect(&timer, &QTimer::timeout, [this] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible())
          seen << box->windowTitle() + "|" + box->text(), box->accept();
    });
    timer.start(5);
  }
};

void SetEnv(const char* name, const char* value) { value ? setenv(name, value, 1) : unsetenv(name); }

}  // namespace

TEST(OptionFileSafety, SavingNeverLosesNorFollowsAndLoadingReadsOnlyAFile) {
  TempDir dir;
  Game g;
  g.Options.InitialLine = 9;
  std::vector<uint8_t> old = Bytes(g.Options);
  const std::vector<uint8_t> old25 = old, tail = {7, 7, 7}, none, defaults = Bytes(OptionRecord{});
  old.insert(old.end(), tail.begin(), tail.end());
  g.Options.InitialLine = 13;
  const std::vector<uint8_t> mine = Bytes(g.Options);
  const struct {
    const char* name;
    char kind;
    bool saves;
    const std::vector<uint8_t>&loads, &tail;  // the record read back; the bytes kept after it
  } rows[] = {
      {"a longer file", 'f', true, mine, tail},    {"a read-only file", 'r', false, old25, tail},
      {"a folder", 'd', false, defaults, none},    {"a FIFO holding bytes", 'p', false, defaults, none},
      {"a link to a file", 'l', true, mine, tail}, {"a dangling link", 'x', true, mine, none},
      {"a full disk", 'F', false, old25, tail},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string folder = dir.File(row.name), p = folder + "/option.dat", target = p + "t";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    if (strchr("frlF", row.kind)) WriteBytes(row.kind == 'l' ? target : p, old);
    if (row.kind == 'r') chmod(p.c_str(), 0444);
    if (row.kind == 'd') mkdir(p.c_str(), 0700);
    if (row.kind == 'l' || row.kind == 'x') symlink(target.c_str(), p.c_str());
    const int fifo =
        row.kind == 'p' && mkfifo(p.c_str(), 0600) == 0 ? open(p.c_str(), O_RDWR | O_NONBLOCK) : -1;
    EXPECT_TRUE(row.kind != 'p' || (fifo >= 0 && write(fifo, old.data(), old.size()) == ssize_t(old.size())));
    rlimit keep{};
    getrlimit(RLIMIT_FSIZE, &keep);
    const rlimit tenBytes{10, keep.rlim_max};
    const auto oldXfsz = std::signal(SIGXFSZ, SIG_IGN);
    if (row.kind == 'F') setrlimit(RLIMIT_FSIZE, &tenBytes);  // the disk fills after 10 bytes
    std::string why;
    EXPECT_EQ(SaveOptions(g, p, &why), row.saves);
    setrlimit(RLIMIT_FSIZE, &keep), std::signal(SIGXFSZ, oldXfsz);
    EXPECT_EQ(why.empty(), row.saves);
    Game loaded;
    LoadOptions(loaded, p);  // never waits on the FIFO
    EXPECT_EQ(Bytes(loaded.Options), row.loads);
    struct stat st {};
    ASSERT_EQ(lstat(p.c_str(), &st), 0);
    EXPECT_TRUE(!row.saves || S_ISREG(st.st_mode)) << "a file in the link's place";
    const std::vector<uint8_t> bytes = S_ISREG(st.st_mode) ? ReadBytes(p) : old25;
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 25, bytes.end()), row.tail);
    EXPECT_TRUE(!std::filesystem::exists(target) || ReadBytes(target) == old) << "target touched";
    if (fifo >= 0) close(fifo);
    for (const auto& e : std::filesystem::directory_iterator(folder))
      EXPECT_EQ(e.path().filename().string().find("option.dat.new"), std::string::npos);
  }
}

TEST(OptionFileSafety, WhereTheFileLives) {
  EnsureApplication();
  TempDir dir;
  const std::string app = "/" + QCoreApplication::applicationName().toStdString(), xdg = dir.File("xdg");
  const passwd* pw = getpwuid(getuid());
  const std::string account = pw != nullptr && std::string(pw->pw_dir) != "/" ? pw->pw_dir : "";
  const std::string keepXdg = getenv("XDG_CONFIG_HOME") ? getenv("XDG_CONFIG_HOME") : "";
  const std::string keepHome = getenv("HOME") ? getenv("HOME") : "";
  const struct {
    const char *xdg, *home;
    std::string folder;
  } rows[] = {
      {xdg.c_str(), "/h", xdg + app},
      {"relative", "/h", "/h/.config" + app},
      {nullptr, "/", "/.config" + app},
      {nullptr, nullptr, account + "/.config" + app},
  };
  for (const auto& row : rows) {
    SetEnv("XDG_CONFIG_HOME", row.xdg), SetEnv("HOME", row.home);
    EXPECT_EQ(ConfigFolder(), row.folder) << (row.xdg ? row.xdg : "-") << " " << (row.home ? row.home : "-");
  }
  // A writable program folder is used whatever its name's bytes.
  const std::string odd = dir.File("\xff\xfe");
  ASSERT_EQ(mkdir(odd.c_str(), 0700), 0);
  EXPECT_EQ(OptionFilePath(odd), odd + "/option.dat");
  // Else the configuration folder, made only by the save that needs it.
  SetEnv("XDG_CONFIG_HOME", xdg.c_str());
  const std::string fallback = OptionFilePath(dir.File("missing"));
  EXPECT_EQ(fallback, xdg + app + "/option.dat");
  struct stat st {};
  EXPECT_NE(stat((xdg + app).c_str(), &st), 0);
  std::string why;
  EXPECT_TRUE(SaveOptionFile(Game(), fallback, &why)) << why;
  ASSERT_EQ(stat((xdg + app).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  SetEnv("XDG_CONFIG_HOME", keepXdg.empty() ? nullptr : keepXdg.c_str());
  SetEnv("HOME", keepHome.empty() ? nullptr : keepHome.c_str());
}

TEST(OptionFileSafety, AFailedSaveIsToldAndTheNewOptionsStay) {
  EnsureApplication();
  TempDir dir;
  const std::string path = dir.File("option.dat");
  mkdir(path.c_str(), 0700);  // a folder where the file should be
  Game g;
  InitCharacters(g);
  FrmOption d(g, path, nullptr);
  d.cmbLimit->setCurrentIndex(8);
  Boxes boxes;
  d.ClickOK();
  EXPECT_EQ(g.Options.InitialLine, 15);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  ASSERT_EQ(boxes.seen.size(), 1);
  EXPECT_TRUE(boxes.seen[0].startsWith("Tomaruk|") && boxes.seen[0].contains(path.c_str()));
}

TEST(JapaneseFont, FallsBackToAnyJapaneseFontAndElseSaysWhatToInstall) {
  EnsureApplication();
  const auto halfWidth = [](const QString& f) { return f.endsWith("Mono"); };
  EXPECT_EQ(PickJapaneseFamily({"Droid Sans Fallback", "IPAGothic", "VL Mono"}, halfWidth), "IPAGothic");
  EXPECT_EQ(PickJapaneseFamily({"Droid Sans Fallback", "VL Mono"}, halfWidth), "VL Mono");
  EXPECT_EQ(PickJapaneseFamily({}, halfWidth), "");
  Boxes boxes;
  TellWhenNoJapaneseFont(nullptr, "IPAGothic");
  EXPECT_EQ(boxes.seen.size(), 0);
  TellWhenNoJapaneseFont(nullptr, "");
  TellWhenNoJapaneseFont(nullptr, "");  // once per run
  ASSERT_EQ(boxes.seen.size(), 1);
  EXPECT_TRUE(boxes.seen[0].startsWith("Tomaruk|") && boxes.seen[0].contains("fonts-ipafont-gothic"));
}

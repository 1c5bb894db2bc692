#include "settings/extras.h"

#include <sys/stat.h>

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>
#include <algorithm>
#include <fstream>
#include <ostream>

#include "game/state.h"
#include "settings/paths.h"

namespace tomaruk {

namespace {

// A value from the file as a warning may show it: at most 40 characters, control characters as '?'.
std::string Shown(std::string s) {
  if (s.size() > 40) s = s.substr(0, 40) + "...";
  for (char& c : s) c = static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
  return s;
}

std::string Trim(const std::string& s) {
  const std::size_t from = s.find_first_not_of(" \t\r");
  return from == std::string::npos ? "" : s.substr(from, s.find_last_not_of(" \t\r") - from + 1);
}

// The application's own style with every positive measure (check box, arrow, margin, icon size...)
// scale times larger.
class ScaledStyle : public QProxyStyle {
 public:
  explicit ScaledStyle(int scale)
      : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), scale_(scale) {}
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return value > 0 ? value * scale_ : value;
  }

 private:
  int scale_;
};

// More than any real file needs; a larger one is read only this far.
constexpr std::streamsize kMostBytes = 64 * 1024;

}  // namespace

bool SetExtra(Extras& extras, const std::string& key, const std::string& value) {
  if (key == "scale") {
    const bool ok = value == "auto" || (value.size() == 1 && value[0] >= '1' && value[0] <= '4');
    if (ok) extras.scale = value == "auto" ? 0 : value[0] - '0';
    return ok;
  }
  if (key == "assist" && (value == "on" || value == "off")) {
    extras.assist = value == "on";
    return true;
  }
  for (auto [name, speed] :
       {std::pair{"slow", Speed::kSlow}, {"normal", Speed::kNormal}, {"fast", Speed::kFast}}) {
    if (key == "speed" && value == name) {
      extras.speed = speed;
      return true;
    }
  }
  return false;
}

std::string ExtraValues(const std::string& key) {
  if (key == "scale") return "1, 2, 3, 4 or auto";
  if (key == "speed") return "slow, normal or fast";
  if (key == "assist") return "on or off";
  return "";
}

std::string ExtrasFilePath() { return ConfigFolder() + "/tomaruk.conf"; }

Extras ReadExtrasFile(const std::string& path, std::ostream& warnings) {
  Extras extras;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return extras;
  const std::string where = "tomaruk: " + path;
  // Only a regular file is opened: a FIFO would never answer.
  std::ifstream in;
  if (S_ISREG(st.st_mode)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    warnings << where << " cannot be read; it is ignored\n";
    return extras;
  }
  std::string text(kMostBytes, '\0');
  in.read(text.data(), kMostBytes);
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);  // a byte-order mark some editors write
  std::size_t number = 0;
  for (std::size_t at = 0; at < text.size(); at = std::min(text.find('\n', at), text.size()) + 1) {
    const std::string line = Trim(text.substr(at, text.find('\n', at) - at));
    ++number;
    if (line.empty() || line[0] == '#' || line[0] == ';' || (line[0] == '[' && line.back() == ']')) continue;
    const std::size_t eq = line.find('=');
    const std::string key = Trim(line.substr(0, eq));
    const std::string value = eq == std::string::npos ? "" : Trim(line.substr(eq + 1));
    std::string problem;
    if (eq == std::string::npos)
      problem.append("'").append(Shown(line)).append("' is not a 'key = value' line; it is ignored");
    else if (ExtraValues(key).empty())
      problem.append("there is no setting '").append(Shown(key)).append("'; the line is ignored");
    else if (!SetExtra(extras, key, value)) {
      problem = key + " takes " + ExtraValues(key) + ", not '" + Shown(value) + "'; the default is used";
      if (key == "scale") extras.scale.reset();
      if (key == "speed") extras.speed.reset();
      if (key == "assist") extras.assist.reset();
    }
    if (!problem.empty()) warnings << where << ", line " << number << ": " << problem << '\n';
  }
  return extras;
}

int ChooseScale(int asked, int width, int height) {
  if (asked > 0) return asked;
  return std::clamp(std::min(width * 4 / (5 * kScreenWidth), height * 4 / (5 * kScreenHeight)), 1, 4);
}

void ScaleControls(int scale) {
  if (scale <= 1) return;
  QFont font = QApplication::font();
  if (font.pixelSize() > 0)
    font.setPixelSize(font.pixelSize() * scale);
  else
    font.setPointSizeF(font.pointSizeF() * scale);
  QApplication::setFont(font);
  QApplication::setStyle(new ScaledStyle(scale));  // the application owns it
}

}  // namespace tomaruk

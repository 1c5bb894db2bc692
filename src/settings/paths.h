#pragma once
#include <QString>
#include <string>

namespace tomaruk {

// Sets the environment the window needs before QApplication exists: the frame
// must stay 576 x 480 real pixels, so Qt's DPI scaling is turned off.
void PrepareQtEnvironment();

// "option.dat" beside the executable; when that directory cannot be written,
// the same file in the user's configuration directory (created on demand).
std::string OptionFilePath();
std::string OptionFilePath(const QString& programDir);

// The help page beside the executable (help/help.htm), else the installed one
// (../share/tomaruk/help/help.htm); empty when neither exists.
QString HelpFilePath();
QString HelpFilePath(const QString& programDir);
// Opens the help page in the desktop's viewer. A missing page or viewer does nothing.
void OpenHelp();

}  // namespace tomaruk

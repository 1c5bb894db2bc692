#pragma once
#include <QString>
#include <string>

namespace tomaruk {

// Sets the environment the window needs before QApplication exists: the frame
// must stay 576 x 480 real pixels, so Qt's DPI scaling is turned off.
void PrepareQtEnvironment();

struct Game;

// "option.dat" beside the executable; when that folder cannot be written, the
// same file in the user's configuration folder (see ConfigFolder), which is
// made only when a save needs it. Paths are the file system's own bytes, so a
// folder whose name is not valid UTF-8 still works.
std::string OptionFilePath();
std::string OptionFilePath(const std::string& programDir);
std::string OptionFilePath(const QString& programDir);
// $XDG_CONFIG_HOME/tomaruk when that variable holds an absolute path (a
// relative one is ignored), else ~/.config/tomaruk, where ~ is $HOME or,
// when that is unset or relative, the account's home folder.
std::string ConfigFolder();
// Saves the options, first making the file's folder when it is missing (the
// configuration folder, with mode 0700). On failure returns false and says why.
bool SaveOptionFile(const Game& g, const std::string& path, std::string* why);

// The help page beside the executable (help/help.htm), else the installed one
// (../share/tomaruk/help/help.htm); empty when neither exists.
QString HelpFilePath();
QString HelpFilePath(const QString& programDir);

}  // namespace tomaruk

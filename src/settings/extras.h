#pragma once
#include <iosfwd>
#include <optional>
#include <string>

#include "flow/timing.h"

namespace tomaruk {

// What the player may add to the game: a bigger window, the pace of play and the assist layer. Each comes
// from the command line or from the configuration file; one given nowhere leaves the game as it always is.
struct Extras {
  std::optional<int> scale;  // 1..4, or 0: the largest that suits the screen
  std::optional<Speed> speed;
  std::optional<bool> assist;  // "on" or "off"; --assist turns it on
};

// Takes the value of the extra named key ("scale", "speed" or "assist"); false when key names none or the
// value is not one the extra takes. ExtraValues says which those are ("" for an unknown key).
bool SetExtra(Extras& extras, const std::string& key, const std::string& value);
std::string ExtraValues(const std::string& key);

// tomaruk.conf in the configuration folder (see ConfigFolder): "key = value" lines, with
// "#" or ";" comments and [section] lines allowed. The game reads it at start-up and never
// writes it. A missing file adds nothing; each line it cannot use is told on warnings in one
// line: a line that is not "key = value" or names no extra is ignored, a bad value leaves its
// extra at the default.
std::string ExtrasFilePath();
Extras ReadExtrasFile(const std::string& path, std::ostream& warnings);

// The scale asked for, or for 0 the largest of 1..4 that keeps a screen of width x height pixels
// about a fifth free around the window.
int ChooseScale(int asked, int width, int height);

// Makes the application's font and every measure of its controls scale times larger, so that the
// menu bar, the options dialog and the message boxes grow with a scaled window. Nothing at scale 1.
void ScaleControls(int scale);

}  // namespace tomaruk

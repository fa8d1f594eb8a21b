#pragma once

#include <string>

namespace tv {

class FileSystem;

// The settings file's name.
inline constexpr const char* kSettingsFileName = "Tarvolin.ini";

// Where the settings live: a "Tarvolin.ini" in the current folder when one is there (files users already
// have keep working), otherwise "Tarvolin/Tarvolin.ini" in the per-user configuration folder:
// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config; the current folder when neither is set.
// `xdgConfigHome` and `home` are the environment's values (null when unset).
std::string settingsPath(FileSystem& fs, const char* xdgConfigHome, const char* home);

}  // namespace tv

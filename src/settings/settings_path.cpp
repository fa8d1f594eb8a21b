#include "settings/settings_path.h"

#include "settings/file_system.h"

namespace tv {

std::string settingsPath(FileSystem& fs, const char* xdgConfigHome, const char* home)
{
    if (fs.exists(kSettingsFileName)) return kSettingsFileName;
    std::string folder;
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        folder = xdgConfigHome;
    else if (home && home[0] == '/')
        folder = std::string(home) + "/.config";
    else
        return kSettingsFileName;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder + "/Tarvolin/" + kSettingsFileName;
}

}  // namespace tv

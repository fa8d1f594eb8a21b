#pragma once

#include <string>

namespace tv {

// What a settings screen says when a save was refused, naming the file and the reason (a phrase of the file
// layer: "it is read-only", "writing failed (No space left on device)"); the screen stays open.
inline std::string saveFailedMessage(const std::string& path, const std::string& reason)
{
    return "The settings could not be saved - " + path + ": " + reason + ". Nothing was changed.";
}

// What the program says, once at start-up or on "&Reset From Ini", when the settings file is there but cannot
// be read whole; the program goes on with its defaults.
inline std::string readFailedMessage(const std::string& path, const std::string& reason)
{
    return "The settings could not be read - " + path + ": " + reason +
           ". Tarvolin uses its default settings and leaves the file as it is.";
}

}  // namespace tv

#pragma once

#include <string>

#include "common/user_text.h"

namespace tv {

// What a settings screen says when a save was refused, naming the file and the reason (a phrase of the file
// layer: "it is read-only", "writing failed (No space left on device)"); the screen stays open.
inline UserText saveFailedMessage(const std::string& path, const UserText& reason)
{
    return composeText<"The settings could not be saved - %1: %2. Nothing was changed.">(path, reason);
}

// What the program says, once at start-up or on "&Reset From Ini", when the settings file is there but cannot
// be read whole; the program goes on with its defaults.
inline UserText readFailedMessage(const std::string& path, const UserText& reason)
{
    return composeText<
        "The settings could not be read - %1: %2. Tarvolin uses its default settings and leaves the file "
        "as it is.">(path, reason);
}

}  // namespace tv

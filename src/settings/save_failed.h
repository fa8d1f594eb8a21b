#pragma once

namespace tv {

// What the settings screens say when the settings file could not be written; the screen stays open.
inline constexpr const char* kSaveFailedMessage =
    "The settings could not be saved - Tarvolin.ini could not be written (the folder may be read-only or "
    "the disk full). Nothing was changed.";

}  // namespace tv

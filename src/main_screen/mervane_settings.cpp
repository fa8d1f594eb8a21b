// The main screen's way into the settings editor and the colour screen.
#include "app/program.h"
#include "main_screen/mervane.h"

namespace tv {

void Mervane::bindSettingsHandlers() {}

}  // namespace tv

// The main screen's way into the Loan Payment Table.
#include "app/program.h"
#include "main_screen/mervane.h"

namespace tv {

void Mervane::bindTableHandlers() {}

}  // namespace tv

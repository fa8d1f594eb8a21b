#pragma once

#include <memory>

#include "screen_model/platform.h"
#include "screen_model/translator.h"

namespace tv {

// The platform as the user's language shows it: messages, their titles, charts, printed and saved tables and the
// names offered for saved files are translated, then handed to `platform`.
std::unique_ptr<Platform> makeTranslatingPlatform(Platform& platform, const Translator& translator);

}  // namespace tv

#pragma once

namespace tv {

// The title of the settings screens' refusals and questions about what the user entered.
inline constexpr const char* kInputErrorTitle = "input Error";

}  // namespace tv

#pragma once

namespace tv {

// The title of every refusal of what the user entered, and of the questions about it.
inline constexpr const char* kInputErrorTitle = "input Error";

}  // namespace tv

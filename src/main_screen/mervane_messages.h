#pragma once
// The main screen's messages that more than one of its commands shows.
#include <string>

#include "common/formats.h"
#include "engine/limits.h"

namespace tv::mervane_messages {

// Refusals and the input checker's questions carry this title.
inline constexpr const char* kInputErrorTitle = "input Error";
inline constexpr const char* kMissingInput = "Missing or Inappropriate Input (possibly a negitive number or 0)";
inline constexpr const char* kResultTooLarge = "Inappropriate Input - the result is too large to compute";

// "Amount too large - at most $1,000,000,000,000 can be computed".
inline std::string amountTooLarge()
{
    return "Amount too large - at most $" + formatNumber(limits::kMaxMoney, kWholeFormat) + " can be computed";
}

}  // namespace tv::mervane_messages

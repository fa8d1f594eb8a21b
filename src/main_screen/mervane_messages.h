#pragma once
// The main screen's messages that more than one of its commands shows.
#include <string>

#include "app/messages.h"
#include "common/formats.h"
#include "common/user_text.h"
#include "engine/limits.h"

namespace tv::mervane_messages {

using tv::inputErrorTitle;
inline UserText missingInput()
{
    return userText<"Missing or Inappropriate Input (possibly a negitive number or 0)">();
}
inline UserText resultTooLarge()
{
    return userText<"Inappropriate Input - the result is too large to compute">();
}

// "Amount too large - at most $1,000,000,000,000 can be computed".
inline UserText amountTooLarge()
{
    return composeText<"Amount too large - at most %1 can be computed">(
        withCurrency(formatNumber(limits::kMaxMoney, kWholeFormat)));
}

}  // namespace tv::mervane_messages

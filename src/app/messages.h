#pragma once

#include "common/user_text.h"

namespace tv {

// The title of every refusal of what the user entered, and of the questions about it.
inline UserText inputErrorTitle()
{
    return userText<"input Error">();
}

}  // namespace tv

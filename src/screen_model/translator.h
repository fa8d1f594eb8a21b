#pragma once
// The user's language. The forms are written in English; a front end that shows another language gives the
// application a Translator, and every text a user reads (captions, tool-tips, menu and list entries, grid cells,
// messages, chart and page titles) is a marked text (UserText) put into that language as it is set. Nothing
// dispatches on a translated text: commands go by names, places and indexes.
#include <optional>
#include <string>
#include <string_view>

#include "common/user_text.h"

namespace tv {

class Translator {
public:
    virtual ~Translator() = default;
    // The text in the user's language, or nothing when there is no translation. `context` is the form's name, or
    // "Messages" for what the platform shows outside the forms.
    virtual std::optional<std::string> find(std::string_view context, std::string_view text) const = 0;
    // The language translated into ("de_DE"), empty when not known.
    virtual std::string language() const { return {}; }
    // The form of a plural text (keyed by its English plural form) the language uses for `count`, its %n
    // unfilled; nothing when there is no translation.
    virtual std::optional<std::string> findPlural(std::string_view context, std::string_view text,
                                                  long long count) const
    {
        (void)context, (void)text, (void)count;
        return std::nullopt;
    }
};

// A marked text in the user's language (English without a translator): its pattern's translation in its context,
// with its pieces put in (marked pieces in the user's language, finished ones as they are); a finished text as
// it is.
std::string renderText(const Translator* translator, const UserText& text);

}  // namespace tv

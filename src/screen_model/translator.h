#pragma once
// The user's language. The forms are written in English; a front end that shows another language gives the
// application a Translator, and every text a user reads (captions, tool-tips, menu and list entries, grid cells,
// messages, chart and page titles) passes through it as it is set. Nothing dispatches on a translated text:
// commands go by names, places and indexes.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale.h"
#include "common/user_text.h"

namespace tv {

class Translator {
public:
    virtual ~Translator() = default;
    // The text in the user's language, or nothing when there is no translation. `context` is the form's name, or
    // "Messages" for what the platform shows outside the forms.
    virtual std::optional<std::string> find(std::string_view context, std::string_view text) const = 0;
    // The form of a plural text (keyed by its English plural form) the language uses for `count`, its %n
    // unfilled; nothing when there is no translation.
    // The language translated into ("de_DE"), empty when not known.
    virtual std::string language() const { return {}; }
    virtual std::optional<std::string> findPlural(std::string_view context, std::string_view text,
                                                  long long count) const
    {
        (void)context, (void)text, (void)count;
        return std::nullopt;
    }
};

// A text with its numbers, amounts and dates taken out: "Saves %1 installments and %2 interest; paid off %3",
// with the texts taken out in order. A translation is looked up for the pattern and the texts put back into it,
// so a message built with numbers is translated once, whatever its numbers.
struct TextPattern {
    std::string pattern;
    std::vector<std::string> args;
};
TextPattern patternOf(std::string_view text, const Locale& locale = Locale::current());

struct Chart;
// A chart's title, axis titles and units, categories and series names in the user's language.
void translateChart(const Translator& translator, std::string_view context, Chart& chart);
struct TableDocument;
// A printed or saved table's title and cells in the user's language.
void translateTable(const Translator& translator, std::string_view context, TableDocument& table);

// A marked text in the user's language (English without a translator): its pattern's translation, among the
// messages, with its pieces put in (marked pieces in the user's language, finished ones as translate finds them).
std::string renderText(const Translator* translator, const UserText& text);

// The text in the user's language: the translation of the text itself, else of its pattern with the numbers put
// back, else of a marked pattern it was composed from (composeText, looked up among the messages) with each piece
// translated in turn, else (a message of several lines) line by line, else the text. A text without letters is never
// looked up.
std::string translate(const Translator& translator, std::string_view context, std::string_view text);

}  // namespace tv

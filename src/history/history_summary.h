#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/user_text.h"
#include "history_store/history_store.h"

namespace tv {

class Application;
class Translator;
struct Locale;

// Puts a piece of text into the user's language ("at %1 %" -> "zu %1 %"); the pieces of a line are translated one by
// one, so every combination of them reads in the user's language. Without an application, English.
class TextPieces {
public:
    TextPieces() = default;
    explicit TextPieces(const Application& app) : m_app(&app) {}
    // A marked text in the reader's language (English without an application).
    std::string operator()(const UserText& text) const;
    explicit operator bool() const { return m_app != nullptr; }

private:
    const Application* m_app = nullptr;
};

// The reader a line is written for: a language (none: English) and a locale, as a short key.
std::string historyReader(const Translator* translator, const Locale& locale);
// The reader of this application's lines.
std::string historyReader(const Application& app);

// The history window's line for an entry: the calculation in words, its terms and its answer,
// "Loan payment — $350,000.00 at 6.625 % for 30 yrs → $2,241.09 a month", in the language of `tr` and the numbers of
// this locale, whichever they were recorded in.
std::string historySummary(const UserText& title, const HistoryEntry& entry, const TextPieces& tr = {});

// The format of a rate field: the rate as typed ("6.625").
inline constexpr const char* kRateFormat = "0.000";

// A field's text as this locale writes it: a number in its field's format (a rate as typed when it reads the same
// here, a length of time in the words of `tr`), else as recorded.
std::string shownText(const HistoryField& field, const TextPieces& tr = {});

// A curve kept to at most maxPoints points for a comparison's chart: evenly spaced points, the first and the
// last kept (an entry stays small and quick to store however long its loan).
void thinCurve(std::vector<HistoryPoint>& curve, std::size_t maxPoints = 121);

// The format of a length of time a comparison shows as yearsText.
inline constexpr const char* kYearsFormat = "years";

// A length of time in years as whole years and months: "23 yrs 10 mos", "30 yrs", "11 mos".
std::string yearsText(double years, const TextPieces& tr = {});

}  // namespace tv

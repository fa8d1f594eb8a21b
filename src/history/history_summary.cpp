#include "history/history_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/formats.h"
#include "common/locale.h"
#include "common/numbers.h"
#include "screen_model/application.h"

namespace tv {

namespace {

const HistoryField* findField(const std::vector<HistoryField>& fields, std::string_view name)
{
    for (const HistoryField& f : fields)
        if (f.name == name) return &f;
    return nullptr;
}

}  // namespace

std::string TextPieces::operator()(const UserText& text) const
{
    return m_app ? m_app->text(text) : text.english();
}

void thinCurve(std::vector<HistoryPoint>& curve, std::size_t maxPoints)
{
    if (maxPoints < 2 || curve.size() <= maxPoints) return;
    const std::size_t step = (curve.size() - 2) / (maxPoints - 1) + 1;
    std::vector<HistoryPoint> kept;
    for (std::size_t i = 0; i + 1 < curve.size(); i += step) kept.push_back(curve[i]);
    kept.push_back(curve.back());
    curve = std::move(kept);
}

std::string yearsText(double years, const TextPieces& tr)
{
    // A stored value may come from anywhere: no length beyond a million years, none below zero.
    if (!std::isfinite(years)) years = 0;
    const long long months = std::llround(std::clamp(years, 0.0, 1e6) * 12);
    const long long whole = months / 12;
    const long long rest = months % 12;
    std::string text;
    if (whole > 0) text = tr(pluralText<"%n yr", "%n yrs">(whole));
    if (rest > 0) text += (text.empty() ? "" : " ") + tr(pluralText<"%n mo", "%n mos">(rest));
    return text.empty() ? tr(pluralText<"%n mo", "%n mos">(0)) : text;
}

std::string historyReader(const Application& app)
{
    return historyReader(app.translator(), Locale::current());
}

std::string historyReader(const Translator* t, const Locale& l)
{
    std::string all = t ? "tr:" + t->language() : "en";
    for (const std::string* s : {&l.decimalSeparator, &l.groupSeparator, &l.minusSign, &l.currencySymbol,
                                 &l.currencySpace, &l.percentSpace, &l.shortDatePattern})
        all += '\x1f' + *s;
    for (const std::string& m : l.monthAbbreviations) all += '\x1f' + m;
    for (int n : {l.primaryGroup, l.secondaryGroup, l.minimumGroupingDigits, static_cast<int>(l.currencyPlace),
                  static_cast<int>(l.negativeMoney)})
        all += '\x1f' + std::to_string(n);
    // FNV-1a, 64 bits: only ever compared.
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : all) h = (h ^ c) * 1099511628211ULL;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string key(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4) key[static_cast<std::size_t>(i)] = kHex[h & 15];
    return key;
}

std::string shownText(const HistoryField& f, const TextPieces& tr)
{
    if (!f.value || !std::isfinite(*f.value) || f.format.empty()) return f.text;
    if (f.format == kYearsFormat) return yearsText(*f.value, tr);
    // A rate reads as typed when it reads as the same rate here, else with three decimals when they hold it.
    if (f.format == kRateFormat) {
        if (parseBoxValue(f.text) == f.value) return f.text;
        const std::string three = formatNumber(*f.value, kRateFormat);
        return parseBoxValue(three) == f.value ? three : plainText(*f.value);
    }
    return formatNumber(*f.value, f.format);
}

std::string historySummary(const UserText& title, const HistoryEntry& e, const TextPieces& tr)
{
    const bool months = e.unit == "Months";
    const bool loan = e.view != "Investments";
    const std::string per = " " + tr(e.frequency == "24"   ? formText<"History", "twice a month">()
                                     : e.frequency == "26" ? formText<"History", "every two weeks">()
                                                           : formText<"History", "a month">());
    auto durationWords = [&](const std::string& text, bool inMonths) {
        return tr(inMonths ? composeFormText<"History", "%1 mos">(text) : composeFormText<"History", "%1 yrs">(text));
    };
    std::string terms;
    auto term = [&terms](const std::string& t) { terms += (terms.empty() ? "" : " ") + t; };
    auto input = [&e](std::string_view name) {
        const HistoryField* f = findField(e.inputs, name);
        return f && !f->text.empty() ? f : nullptr;
    };
    if (auto* f = input("fp_Prin")) term(shownText(*f));
    if (auto* f = input("fp_Payment"))
        term(tr(composeFormText<"History", "paying %1">(shownText(*f))) + (loan ? per : ""));
    if (auto* f = input("comIntr")) term(tr(composeFormText<"History", "at %1 %">(shownText(*f))));
    if (auto* f = input("fp_Time"))
        term(tr(composeFormText<"History", "for %1">(durationWords(shownText(*f), months))));
    if (auto* f = input("fp_xpay")) term("+ " + shownText(*f));
    // The first installment is where extras start unless told otherwise: only another one is said.
    if (auto* f = input("fp_xpaystrt"); f && loan && !(f->value == 1.0 && e.option != "opt_payoff"))
        term(tr(e.option == "opt_payoff" ? composeFormText<"History", "after installment %1">(shownText(*f))
                                         : composeFormText<"History", "from installment %1">(shownText(*f))));
    std::string line = tr(title);
    if (!terms.empty()) line += " \u2014 " + terms;
    if (e.results.empty()) return line;
    const HistoryField& r = e.results.front();
    std::string answer = shownText(r);
    if (r.name == "comIntr") answer += " %";
    if (r.name == "fp_Time") answer = durationWords(r.text, months);
    if (r.name == "fp_Payment" && loan) answer += per;
    if (const HistoryField* paid = findField(e.results, "paidOff"); paid && e.option.starts_with("opt_xpay"))
        answer += tr(composeFormText<"History", ", paid off after %1">(shownText(*paid, tr)));
    return line + " \u2192 " + answer;
}

}  // namespace tv

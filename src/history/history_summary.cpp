#include "history/history_summary.h"

#include <cmath>

namespace tv {

namespace {

const HistoryField* findField(const std::vector<HistoryField>& fields, std::string_view name)
{
    for (const HistoryField& f : fields)
        if (f.name == name) return &f;
    return nullptr;
}

std::string durationWords(const std::string& text, bool months)
{
    return text + (months ? " mos" : " yrs");
}

}  // namespace

void thinCurve(std::vector<HistoryPoint>& curve, std::size_t maxPoints)
{
    if (maxPoints < 2 || curve.size() <= maxPoints) return;
    const std::size_t step = (curve.size() - 2) / (maxPoints - 1) + 1;
    std::vector<HistoryPoint> kept;
    for (std::size_t i = 0; i + 1 < curve.size(); i += step) kept.push_back(curve[i]);
    kept.push_back(curve.back());
    curve = std::move(kept);
}

std::string yearsText(double years)
{
    const long long months = std::llround(years * 12);
    const long long whole = months / 12;
    const long long rest = months % 12;
    std::string text;
    if (whole > 0) text = std::to_string(whole) + (whole == 1 ? " yr" : " yrs");
    if (rest > 0) text += (text.empty() ? "" : " ") + std::to_string(rest) + (rest == 1 ? " mo" : " mos");
    return text.empty() ? "0 mos" : text;
}

namespace {

}  // namespace

std::string historySummary(std::string_view title, const HistoryEntry& e)
{
    const bool months = e.unit == "Months";
    const bool loan = e.view != "Investments";
    const char* per = e.frequency == "24" ? " twice a month" : e.frequency == "26" ? " every 2 weeks" : " a month";
    std::string terms;
    auto term = [&terms](const std::string& t) { terms += (terms.empty() ? "" : " ") + t; };
    auto input = [&e](std::string_view name) {
        const HistoryField* f = findField(e.inputs, name);
        return f && !f->text.empty() ? f : nullptr;
    };
    if (auto* f = input("fp_Prin")) term(f->text);
    if (auto* f = input("fp_Payment")) term("paying " + f->text + (loan ? per : ""));
    if (auto* f = input("comIntr")) term("at " + f->text + " %");
    if (auto* f = input("fp_Time")) term("for " + durationWords(f->text, months));
    if (auto* f = input("fp_xpay")) term("+ " + f->text);
    // The first installment is where extras start unless told otherwise: only another one is said.
    if (auto* f = input("fp_xpaystrt"); f && loan && !(f->value == 1.0 && e.option != "opt_payoff"))
        term((e.option == "opt_payoff" ? "after installment " : "from installment ") + f->text);
    std::string line(title);
    if (!terms.empty()) line += " \u2014 " + terms;
    if (e.results.empty()) return line;
    const HistoryField& r = e.results.front();
    std::string answer = r.text;
    if (r.name == "comIntr") answer += " %";
    if (r.name == "fp_Time") answer = durationWords(r.text, months);
    if (r.name == "fp_Payment" && loan) answer += per;
    if (const HistoryField* paid = findField(e.results, "paidOff"); paid && e.option.starts_with("opt_xpay"))
        answer += ", paid off after " + paid->text;
    return line + " \u2192 " + answer;
}

}  // namespace tv

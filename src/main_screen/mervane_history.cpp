// The calculation history of the main screen: what an accepted Calculate records, and putting a recorded
// calculation back.
#include <algorithm>
#include <cmath>

#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "engine/chart_data.h"
#include "history/history_keeper.h"
#include "history/history_summary.h"
#include "main_screen/mervane.h"

namespace tv {

namespace {

// The boxes and lists of the input column, in the order they stand, each with the label beside it.
struct InputField {
    const char* name;
    const char* label;
};
constexpr InputField kInputFields[] = {
    {"fp_Prin", "lbl_Prin"},         {"comIntr", "lbl_IntRate"},       {"fp_Time", "lbl_Time"},
    {"fp_Payment", "lbl_Payment"},   {"fp_xpaystrt", "lbl_xpaystrt"},  {"fp_xpay", "lbl_xpay"},
    {"fp_hipayoff", "lbl_hipayoff"}, {"comIntr_IA", "lbl_IntRate_IA"},
};

// A label's caption as a row title: no access key, no colon, single blanks ("&Interest Rate:  %" -> "Interest
// Rate %").
std::string plainCaption(const std::string& caption)
{
    std::string out;
    for (char c : caption) {
        if (c == '&' || c == ':') continue;
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

UserText loanTitle(LoanOption option)
{
    switch (option) {
        case LoanOption::Principal:
            return userText<"Loan amount">();
        case LoanOption::Rate:
            return userText<"Interest rate">();
        case LoanOption::Duration:
            return userText<"Loan duration">();
        case LoanOption::Payment:
            return userText<"Loan payment">();
        case LoanOption::InterestOnly:
            return userText<"Interest-only payment">();
        case LoanOption::Payoff:
            return userText<"Loan payoff">();
        case LoanOption::ExtraEveryInstallment:
            return userText<"Extra each installment">();
        case LoanOption::ExtraOnce:
            return userText<"One extra payment">();
        case LoanOption::ExtraYearly:
            return userText<"Extra yearly payments">();
    }
    return userText<"Calculation">();
}

UserText investTitle(InvestOption option)
{
    switch (option) {
        case InvestOption::OneTime:
            return userText<"One-time investment">();
        case InvestOption::Monthly:
            return userText<"Monthly investment">();
        case InvestOption::OneTimeMonthly:
            return userText<"One-time + monthly investment">();
        case InvestOption::Yearly:
            return userText<"Yearly investment">();
        case InvestOption::SaveThenDraw:
            return userText<"Saving, then annuity">();
        case InvestOption::AnnualAnnuity:
            return userText<"Annual annuity">();
        case InvestOption::MonthlyAnnuity:
            return userText<"Monthly annuity">();
        case InvestOption::AnnuityDuration:
            return userText<"Annuity duration">();
        case InvestOption::Withdrawals:
            return userText<"Fund after yearly withdrawals">();
    }
    return userText<"Calculation">();
}

}  // namespace

std::vector<std::pair<std::string, std::string>> Mervane::rowTitles(const Application& app)
{
    std::vector<std::pair<std::string, std::string>> titles;
    auto add = [&](const UserText& caption) {
        const std::string english = plainCaption(caption.english());
        const std::string shown = plainCaption(app.text(caption));
        if (english.empty()) return;
        titles.emplace_back(english, shown);
        titles.emplace_back(composeFormText<"History", "%1 with Payoff">(english).english(),
                            app.text(composeFormText<"History", "%1 with Payoff">(shown)));
        titles.emplace_back(composeFormText<"History", "%1 without Xtra">(english).english(),
                            app.text(composeFormText<"History", "%1 without Xtra">(shown)));
    };
    for (const ControlDecl& d : kMervaneControls)
        if (d.kind == Kind::Label) add(declaredText("Mervane", d.caption));
    for (const LoanOptionInfo& o : loanOptions())
        for (const char* c : {o.startCaption, o.extraCaption, o.withCaption})
            if (c) add(declaredText("Mervane", c));
    for (const InvestOptionInfo& o : investOptions()) {
        for (const char* c :
             {o.amountCaption, o.resultCaption, o.extraCaption, o.hiPayoffCaption, o.annuityRateCaption})
            if (c) add(declaredText("Mervane", c));
        if (o.startCaption) add(o.startCaption());
    }
    for (const MarkedText& m : markedTexts())
        if (m.context == "History" && !m.pattern) add(declaredText("History", m.text.data()));
    return titles;
}

std::vector<HistoryField> Mervane::historyInputs() const
{
    // The box a loan option solves for is a result, not an input.
    std::string_view solved = "fp_Payment";
    if (inLoanView()) {
        switch (m_loanOption) {
            case LoanOption::Principal:
                solved = "fp_Prin";
                break;
            case LoanOption::Rate:
                solved = "comIntr";
                break;
            case LoanOption::Duration:
                solved = "fp_Time";
                break;
            default:
                break;
        }
    }
    std::vector<HistoryField> inputs;
    const Form& form = *this;
    for (const InputField& f : kInputFields) {
        const Control* c = form.find(f.name);
        if (!c || !c->shownToUser() || !c->enabled() || (inLoanView() && f.name == solved)) continue;
        HistoryField field;
        field.name = f.name;
        field.label = plainCaption(form.find(f.label)->caption());
        if (c->kind() == Kind::ComboList) {
            const auto* list = static_cast<const ComboList*>(c);
            field.text = list->typed() ? list->typed()->text : list->text();
            const RateList rates = std::string_view(f.name) == "comIntr" ? rateList() : annuityRateList();
            if (rates.chosen()) field.value = rates.percent();
            field.format = kRateFormat;
        } else {
            const auto* box = static_cast<const MaskedBox*>(c);
            if (box->locked()) continue;
            field.text = box->display();
            field.value = parseBoxValue(box->text());
            field.format = box->format();
        }
        inputs.push_back(std::move(field));
    }
    return inputs;
}

void Mervane::recordCalculation(std::vector<HistoryField> inputs, std::int16_t numpay)
{
    HistoryEntry e;
    const bool loans = inLoanView();
    const bool months = inMonthView();
    e.view = loans ? "Loans" : "Investments";
    e.option = loans ? loanInfo().button.name() : investInfo().button.name();
    if (loans)
        e.frequency = std::to_string(m_calc.instPerYear);
    else
        e.frequency = m_compounding == Compounding::Daily ? "Daily" : "Monthly";
    e.unit = months ? "Months" : "Years";
    e.inputs = std::move(inputs);

    auto result = [this, &e](const char* name, const char* labelName, int better) {
        const Form& form = *this;
        const Control* c = form.find(name);
        if (!c || !c->shownToUser()) return;
        HistoryField f;
        f.name = name;
        f.label = plainCaption(form.find(labelName)->caption());
        f.better = better;
        if (c->kind() == Kind::ComboList) {
            f.text = rateList().chosen() ? plainText(m_calc.intRate) : "";
            f.value = m_calc.intRate;
            f.format = kRateFormat;
        } else {
            const auto* box = static_cast<const MaskedBox*>(c);
            f.text = box->display();
            f.value = parseBoxValue(box->text());
            f.format = box->format();
        }
        e.results.push_back(std::move(f));
    };
    // Row titles of this program's own, in the user's language like the captions beside the boxes.
    const TextPieces tr = historyPieces();
    auto note = [this, &e, &tr](const char* name, const UserText& title) {
        const Control& l = *static_cast<const Form&>(*this).find(name);
        if (l.shownToUser() && !l.caption().empty())
            e.results.push_back({name, tr(title), l.caption(), std::nullopt, {}, 0});
    };
    auto years = [&e, &tr](const UserText& title, double value, int better) {
        if (!std::isfinite(value) || value <= 0) return;
        e.results.push_back({"paidOff", tr(title), yearsText(value, tr), value, kYearsFormat, better});
    };

    if (loans) {
        const LoanOptionInfo& info = loanInfo();
        switch (m_loanOption) {
            case LoanOption::Principal:
                result("fp_Prin", "lbl_Prin", 0);
                break;
            case LoanOption::Rate:
                result("comIntr", "lbl_IntRate", -1);
                break;
            case LoanOption::Duration:
                result("fp_Time", "lbl_Time", -1);
                break;
            default:
                result("fp_Payment", "lbl_Payment", info.group == LoanGroup::Solve ? -1 : 0);
                break;
        }
        if (info.group == LoanGroup::Payoff) result("fp_hipayoff", "lbl_hipayoff", 0);
        result("fp_totInt", "lbl_totInt", -1);
        result("fp_totpay", "lbl_totPay", -1);
        if (info.group != LoanGroup::Solve) {
            // With extras, what is paid is the "with Xtra" column: the rows every scenario shares hold it.
            // The rows keep the totals' own captions, so every scenario's totals share one row.
            auto relabel = [&e](const char* name, const std::string& label, int better) {
                for (HistoryField& f : e.results)
                    if (f.name == name) f.label = label, f.better = better;
            };
            const std::string interest = plainCaption(label("lbl_totInt").caption());
            const std::string payments = plainCaption(label("lbl_totPay").caption());
            auto withPayoff = [&tr](const std::string& total) {
                return tr(composeFormText<"History", "%1 with Payoff">(total));
            };
            auto withoutExtra = [&tr](const std::string& total) {
                return tr(composeFormText<"History", "%1 without Xtra">(total));
            };
            const bool extra = info.group == LoanGroup::Extra;
            result("fp_totIntwX", "lbl_wXP", -1);
            result("fp_totPaywX", "lbl_wXP", -1);
            relabel("fp_totIntwX", extra ? interest : withPayoff(interest), -1);
            relabel("fp_totPaywX", extra ? payments : withPayoff(payments), -1);
            relabel("fp_totInt", extra ? withoutExtra(interest) : interest, extra ? 0 : -1);
            relabel("fp_totpay", extra ? withoutExtra(payments) : payments, extra ? 0 : -1);
            result("fp_lstPay", "lbl_lstPay", 0);
        }
        if (info.group == LoanGroup::Extra)
            years(formText<"History", "Paid off after">(), static_cast<double>(m_xtraInstallments) / numpay, -1);
        else if (info.group == LoanGroup::Solve && !info.interestOnly)
            years(formText<"History", "Paid off after">(), m_calc.durYears, -1);
        note("lbl_xtra_saved", formText<"History", "Savings">());
        note("lbl_exactRate", formText<"History", "Exact rate">());

        // The balance over the years, for a comparison's chart.
        if (info.group != LoanGroup::Payoff && !info.interestOnly && !m_loanCurve.empty()) {
            // The ledger's balance at the start, after each year and after the last installment.
            e.curveTitle = "Balance";
            const int plain = m_plainLedger ? m_plainLedger->installments : 0;
            const double installments = info.group == LoanGroup::Extra ? m_xtraInstallments : plain;
            const double step = m_plainLedger ? m_plainLedger->yearsPerSample : 1;
            for (std::size_t i = 0; i < m_loanCurve.size(); ++i) {
                const bool last = i + 1 == m_loanCurve.size() && i > 0;
                e.curve.push_back({last ? installments / numpay : static_cast<double>(i) * step, m_loanCurve[i]});
            }
            thinCurve(e.curve);
        }
    } else {
        const InvestOptionInfo& info = investInfo();
        const int better = info.id == InvestOption::Withdrawals || info.annuityPerYear > 0 || !info.paysOut ? 1 : 0;
        if (info.solvesDuration)
            result("fp_Time", "lbl_Time", 1);
        else
            result("fp_Payment", "lbl_Payment", better);
        if (info.showsExtra && !info.extraTyped) result("fp_xpay", "lbl_xpay", 1);
        result("fp_hipayoff", "lbl_hipayoff", 0);
        result("fp_totInt", "lbl_totInt", info.paysOut ? 0 : 1);
        result("fp_totpay", "lbl_totPay", 0);
        // The fund over the years, when computing its points costs little (each point re-runs the growth).
        const double periods = m_calc.durYears * (m_compounding == Compounding::Daily ? 365 : 12);
        if (periods * std::min(100.0, std::ceil(m_calc.durYears)) <= 200000) {
            const MarkedChartRequest& request = fundChart();
            if (!request.charts.empty() && !request.charts.front().series.empty()) {
                const MarkedChart& chart = request.charts.front();
                e.curveTitle = "Fund";
                if (chart.series.front().kind == SeriesKind::Line) {
                    for (const ChartPoint& p : chart.series.front().points) e.curve.push_back({p.x, p.y});
                } else {
                    // Stacked bars at the times of pathYears: the fund is the sum of a time's bars.
                    const std::vector<double> times = pathYears(m_calc.durYears);
                    for (std::size_t i = 0; i < times.size(); ++i) {
                        double fund = 0;
                        for (const MarkedChartSeries& s : chart.series)
                            if (i < s.points.size()) fund += s.points[i].y;
                        e.curve.push_back({times[i], fund});
                    }
                }
            }
        }
    }
    e.summary = historySummary(historyTitle(e), e, historyPieces());
    e.reader = historyReader(app());
    // A restored calculation is in the history already.
    if (!m_restoring) program().history().record(std::move(e));
}

TextPieces Mervane::historyPieces() const
{
    return TextPieces(app());
}

UserText Mervane::historyTitle(const HistoryEntry& e)
{
    if (e.view == "Table") return userText<"Table schedule">();
    for (const LoanOptionInfo& o : loanOptions())
        if (e.view == "Loans" && e.option == o.button.name()) return loanTitle(o.id);
    for (const InvestOptionInfo& o : investOptions())
        if (e.view == "Investments" && e.option == o.button.name()) return investTitle(o.id);
    return userText<"Calculation">();
}

bool Mervane::restoreCalculation(const HistoryEntry& entry)
{
    const bool loans = entry.view != "Investments";
    const std::string optionName = entry.view == "Table" ? "opt_payment" : entry.option;
    const OptionButtonName* button = nullptr;
    if (loans) {
        for (const LoanOptionInfo& o : loanOptions())
            if (o.button.name() == optionName) button = &o.button;
    } else {
        for (const InvestOptionInfo& o : investOptions())
            if (o.button.name() == optionName) button = &o.button;
    }
    if (!button) return false;

    m_restoring = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_restoring};
    if (loans != inLoanView()) fire(loans ? "mnu_view_loan" : "mnu_view_invest", "Click");
    if ((entry.unit == "Months") != inMonthView()) fire(entry.unit == "Months" ? "mnu_Months" : "mnu_Years", "Click");
    if (loans) {
        for (const FrequencyButton& f : kFrequencyButtons)
            if (std::to_string(f.perYear) == entry.frequency) option(f.button).setValue(true);
    } else {
        const bool daily = entry.frequency == "Daily";
        option(kCompoundingButtons[daily ? 1 : 0].button).setValue(true);
    }
    option(*button).setValue(true);
    for (const HistoryField& f : entry.inputs) {
        Control* c = static_cast<Form&>(*this).find(f.name);
        if (!c) continue;
        if (c->kind() == Kind::ComboList) {
            RateList list(*static_cast<ComboList*>(c), RateScale::Main);
            // As typed when it reads in this locale, else by its value (recorded in another locale).
            if (f.text.empty() || !f.value)
                list.choose(-1);
            else if (!list.type(f.text) && !list.type(plainText(*f.value)))
                list.setRate(*f.value);
        } else if (c->kind() == Kind::MaskedBox) {
            static_cast<MaskedBox*>(c)->setText(f.value ? plainText(*f.value) : f.text);
        }
    }
    showInFront(*this);
    fire("btn_Calc", "Click");
    return true;
}

}  // namespace tv

#include "full_history.h"

#include <stdlib.h>

#include <cmath>
#include <filesystem>

#include "common/formats.h"
#include "common/locale.h"
#include "history/history_summary.h"

namespace tv::bench {

namespace {

constexpr const char* kMoney = "$#,##0.00;($#,##0.00)";
constexpr const char* kRate = "0.000";

// The same texts whatever the machine's locale.
std::string money(double v)
{
    return formatNumber(v, kMoney, Locale::enUS());
}

std::string rate(double percent)
{
    return formatNumber(percent, kRate, Locale::enUS());
}

HistoryField moneyField(const char* name, const char* label, double v, int better = 0)
{
    return {name, label, money(v), v, kMoney, better};
}

// The level payment of a loan, per month.
double levelPayment(double principal, double percent, int months)
{
    const double r = percent / 1200;
    return principal * r / (1 - std::pow(1 + r, -months));
}

void addBalanceCurve(HistoryEntry& e, double principal, double percent, int years, double payment)
{
    e.curveTitle = "Balance";
    const double r = percent / 1200;
    double balance = principal;
    for (int year = 0; year <= years; ++year) {
        e.curve.push_back({double(year), std::max(balance, 0.0)});
        for (int m = 0; m < 12; ++m) balance -= payment - balance * r;
    }
}

}  // namespace

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvolin-history-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
}

HistoryEntry sampleEntry(int n)
{
    const double principal = 100000.0 + (n * 7919 % 400) * 1000.0;
    const double percent = 3.0 + (n * 31 % 64) * 0.125;
    const int years = 10 + n % 4 * 5;
    const double payment = levelPayment(principal, percent, years * 12);
    const double interest = payment * years * 12 - principal;
    const std::string terms = money(principal) + " at " + rate(percent) + " % for " + std::to_string(years);

    HistoryEntry e;
    e.time = 1700000000 + std::int64_t{n} * 120;
    e.frequency = "12";
    e.unit = "Years";
    switch (n % 4) {
        case 0:
        case 2: {
            const bool extra = n % 4 == 2;
            e.view = "Loans";
            e.option = extra ? "opt_xpay_inst" : "opt_payment";
            e.inputs = {moneyField("fp_Prin", "Loan Amount", principal),
                        {"comIntr", "Interest Rate %", rate(percent), percent, kRate, 0},
                        {"fp_Time", "Loan Duration", std::to_string(years), double(years), "#,###", 0}};
            e.results = {moneyField("fp_Payment", "Payment", payment, -1),
                         moneyField("fp_totInt", "Total Interest", interest, -1),
                         moneyField("fp_totpay", "Total Payments", principal + interest, -1)};
            e.summary = "Loan payment \u2014 " + terms + " yrs \u2192 " + money(payment) + " a month";
            if (extra) {
                e.inputs.push_back(moneyField("fp_xpay", "Extra Payment", 200));
                e.results.push_back(moneyField("fp_totIntwX", "Total Interest with Xtra", interest * 0.8, -1));
                e.summary = "Extra each installment \u2014 " + terms + " yrs + $200.00 \u2192 " + money(payment) +
                            " a month, paid off after " + std::to_string(years - 3) + " yrs 4 mos";
            }
            addBalanceCurve(e, principal, percent, years, payment + (extra ? 200 : 0));
            break;
        }
        case 1: {
            const double monthly = 100.0 + (n % 20) * 50.0;
            const double r = percent / 1200;
            const double fund = monthly * (std::pow(1 + r, years * 12) - 1) / r;
            e.view = "Investments";
            e.option = "Opt_invest_mnthly";
            e.frequency = "Monthly";
            e.inputs = {moneyField("fp_Payment", "Monthly Investment", monthly),
                        {"comIntr", "Interest Rate %", rate(percent), percent, kRate, 0},
                        {"fp_Time", "Duration", std::to_string(years), double(years), "#,###", 0}};
            e.results = {moneyField("fp_hipayoff", "Fund", fund, 1),
                         moneyField("fp_totInt", "Total Interest", fund - monthly * years * 12, 1),
                         moneyField("fp_totpay", "Total Invested", monthly * years * 12)};
            e.summary = "Monthly investment \u2014 paying " + money(monthly) + " at " + rate(percent) + " % for " +
                        std::to_string(years) + " yrs \u2192 " + money(fund);
            e.curveTitle = "Fund";
            for (int year = 0; year <= years; ++year)
                e.curve.push_back({double(year), monthly * (std::pow(1 + r, year * 12) - 1) / r});
            break;
        }
        default:
            e.view = "Table";
            e.option = "Table";
            e.unit = "Months";
            e.inputs = {moneyField("fp_Prin", "Loan Amount", principal),
                        {"comIntr", "Interest Rate %", rate(percent), percent, kRate, 0},
                        {"fp_Time", "Duration (Mos)", std::to_string(years * 12), double(years * 12), "#,###", 0}};
            e.results = {moneyField("fp_Payment", "Payment", payment, -1),
                         moneyField("fp_totInt", "Total Interest", interest, -1),
                         moneyField("fp_totpay", "Total Payments", principal + interest, -1),
                         moneyField("fp_lstPay", "Last Payment", payment)};
            e.summary = "Table schedule \u2014 " + money(principal) + " at " + rate(percent) + " % for " +
                        std::to_string(years * 12) + " mos \u2192 " + money(payment) + " a month";
            addBalanceCurve(e, principal, percent, years, payment);
            break;
    }
    // Written on an English desktop: a German one writes each line again, for its reader.
    e.reader = historyReader(nullptr, Locale::enUS());
    return e;
}

const std::string& fullHistoryFile()
{
    static ScratchFolder folder;
    static const std::string file = [] {
        if (folder.path.empty()) return std::string();
        std::string path = folder.path + "/history.sqlite";
        auto store = HistoryStore::atPath(path);
        for (int n = 0; n < HistoryStore::kMaxEntries; ++n)
            if (!store->add(sampleEntry(n))) return std::string();
        return path;
    }();
    return file;
}

}  // namespace tv::bench

// The Investments view's chart: the fund over the years for the option just calculated, from the same
// engine functions as its result.
#include <algorithm>
#include <functional>
#include <optional>
#include <string>

#include "app/program.h"
#include "common/formats.h"
#include "common/numbers.h"
#include "engine/chart_data.h"
#include "engine/loan.h"
#include "main_screen/mervane.h"

namespace tv {

namespace {

std::string yearLabel(double years)
{
    return formatNumber(years, kDurationFormat);
}

// Building a fund: stacked bars of what was paid in and what it grew by, year by year.
MarkedChart buildingChart(const UserText& title, const FundPath& path, const ColorTable& t)
{
    MarkedChart chart;
    chart.title = title;
    chart.x = {userText<"Years from the start">(), {}};
    chart.y = {userText<"Fund">(), finishedText(Locale::current().currencySymbol)};
    MarkedChartSeries paid{userText<"Contributions">(), SeriesKind::StackedBar, t.gInvestTxtColor, false, {}};
    MarkedChartSeries growth{userText<"Growth">(), SeriesKind::StackedBar, t.gInvestHiTxtColor, false, {}};
    for (std::size_t i = 0; i < path.points.size(); ++i) {
        const FundPoint& p = path.points[i];
        chart.categories.push_back(finishedText(yearLabel(p.years)));
        paid.points.push_back({static_cast<double>(i), p.paid});
        growth.points.push_back({static_cast<double>(i), p.fund - p.paid});
    }
    chart.series = {std::move(paid), std::move(growth)};
    return chart;
}

// Drawing on a fund: its balance running down, and what it has paid out.
MarkedChart drawingChart(const UserText& title, const FundPath& path, const UserText& paidName, const ColorTable& t)
{
    MarkedChart chart;
    chart.title = title;
    chart.x = {userText<"Years from the start">(), {}};
    chart.y = {userText<"Amount">(), finishedText(Locale::current().currencySymbol)};
    MarkedChartSeries fund{userText<"Fund balance">(), SeriesKind::Line, t.gInvestTxtColor, false, {}};
    MarkedChartSeries paid{paidName, SeriesKind::Line, t.gInvestHiTxtColor, false, {}};
    for (const FundPoint& p : path.points) {
        fund.points.push_back({p.years, p.fund});
        paid.points.push_back({p.years, p.paid});
    }
    chart.series = {std::move(fund), std::move(paid)};
    return chart;
}

}  // namespace

void Mervane::mnu_FundChart_Click()
{
    const MarkedChartRequest& request = fundChart();
    if (request.charts.empty()) return;
    app().showChart(request);
}

const MarkedChartRequest& Mervane::fundChart() const
{
    if (m_buildFundChart) {
        m_fundChart = m_buildFundChart();
        m_buildFundChart = nullptr;
    }
    return m_fundChart;
}

// The rate, duration and amount every title names, as this calculation read them.
Mervane::ChartTerms Mervane::chartTerms() const
{
    return {withPercent(rateList().list().text()),
            yearLabel(m_calc.durYears),
            value("fp_Prin"),
            m_calc.intRate,
            m_calc.durYears,
            m_calc.valPayment};
}

void Mervane::chartOneTime(std::int16_t numpay)
{
    const ChartTerms c = chartTerms();
    const ColorTable t = module1().colors;
    // The option's caption as the user reads it beside its button.
    const UserText title = composeText<"%1 of %2 at %3 for %4 years">(
        finishedText(option(investInfo().button).caption()), formatNumber(c.amount, kCurrencyFormat), c.rate, c.years);
    setFundChart([=]() -> std::optional<MarkedChart> {
        FundPath path = oneTimeGrowthPath(c.amount, c.annualRate, numpay, c.duration);
        if (path.status != InvestStatus::Ok) return std::nullopt;
        return buildingChart(title, path, t);
    });
}

void Mervane::chartContributions(std::int16_t numpay)
{
    const ChartTerms c = chartTerms();
    const ColorTable t = module1().colors;
    const InvestOptionInfo& info = investInfo();
    const bool yearly = info.schedule == ContributionSchedule::Yearly;
    ContributionInput in;
    in.contribution = c.amount;
    in.schedule = info.schedule;
    in.oneTimeAmount = info.oneTimeAmount ? value("fp_xpay") : 0.0;
    in.annualRatePercent = c.annualRate;
    in.periodsPerYear = numpay;
    in.durationYears = c.duration;
    const std::string each = formatNumber(in.contribution, kCurrencyFormat);
    const std::string once = formatNumber(in.oneTimeAmount, kCurrencyFormat);
    const UserText title =
        yearly ? (in.oneTimeAmount != 0
                      ? composeText<"%1 a year after %2 at once at %3 for %4 years">(each, once, c.rate, c.years)
                      : composeText<"%1 a year at %2 for %3 years">(each, c.rate, c.years))
               : (in.oneTimeAmount != 0
                      ? composeText<"%1 a month after %2 at once at %3 for %4 years">(each, once, c.rate, c.years)
                      : composeText<"%1 a month at %2 for %3 years">(each, c.rate, c.years));
    setFundChart([=]() -> std::optional<MarkedChart> {
        FundPath path = contributionsPath(in);
        if (path.status != InvestStatus::Ok) return std::nullopt;
        return buildingChart(title, path, t);
    });
}

void Mervane::chartAnnuity(std::int16_t)
{
    const ChartTerms c = chartTerms();
    const ColorTable t = module1().colors;
    const int perYear = investInfo().annuityPerYear;
    const std::string amount = formatNumber(c.amount, kCurrencyFormat);
    const std::string payment = formatNumber(c.payment, kCurrencyFormat);
    const bool yearly = perYear == 1;
    const std::string years = yearLabel(m_calc.durYears);
    const UserText title = yearly
                               ? composeText<"%1 paying %2 a year at %3 for %4 years">(amount, payment, c.rate, years)
                               : composeText<"%1 paying %2 a month at %3 for %4 years">(amount, payment, c.rate, years);
    setFundChart([=]() -> std::optional<MarkedChart> {
        FundPath path = annuityPath(c.amount, c.annualRate, perYear, c.duration, c.payment);
        if (path.status != InvestStatus::Ok) return std::nullopt;
        return drawingChart(title, path, userText<"Paid out">(), t);
    });
}

void Mervane::chartSaveThenDraw(std::int16_t numpay)
{
    const ChartTerms c = chartTerms();
    const ColorTable t = module1().colors;
    ContributionInput in;
    in.contribution = c.amount;
    in.annualRatePercent = c.annualRate;
    in.periodsPerYear = numpay;
    in.durationYears = c.duration;
    const double drawRate = annuityRateList().percent();
    const double drawYears = m_calc.valXpayStrt;
    const double drawPayment = m_calc.valXpay;
    const double duration = c.duration;
    const double fundBuilt = c.payment;
    const UserText title = composeText<"%1 a month for %2 years, then %3 a month for %4 years">(
        formatNumber(in.contribution, kCurrencyFormat), c.years, formatNumber(drawPayment, kCurrencyFormat),
        yearLabel(drawYears));
    setFundChart([=]() -> std::optional<MarkedChart> {
        FundPath saving = contributionsPath(in);
        FundPath drawing = annuityPath(fundBuilt, drawRate, 12, drawYears, drawPayment);
        if (saving.status != InvestStatus::Ok || drawing.status != InvestStatus::Ok || saving.points.empty())
            return std::nullopt;
        MarkedChart chart;
        chart.title = title;
        chart.x = {userText<"Years from the start">(), {}};
        chart.y = {userText<"Amount">(), finishedText(Locale::current().currencySymbol)};
        MarkedChartSeries fund{userText<"Fund balance">(), SeriesKind::Line, t.gInvestTxtColor, false, {}};
        MarkedChartSeries paidIn{userText<"Contributions">(), SeriesKind::Line, t.gInvestContrastColor, false, {}};
        MarkedChartSeries paidOut{userText<"Paid out">(), SeriesKind::Line, t.gInvestHiTxtColor, false, {}};
        for (const FundPoint& p : saving.points) {
            fund.points.push_back({p.years, p.fund});
            paidIn.points.push_back({p.years, p.paid});
        }
        const double contributed = saving.points.back().paid;
        // The drawing phase starts where the saving ends, with the fund the saving built.
        for (const FundPoint& p : drawing.points) {
            paidOut.points.push_back({duration + p.years, p.paid});
            if (p.years == 0) continue;
            fund.points.push_back({duration + p.years, p.fund});
            paidIn.points.push_back({duration + p.years, contributed});
        }
        chart.series = {std::move(fund), std::move(paidIn), std::move(paidOut)};
        return chart;
    });
}

void Mervane::chartWithdrawals(std::int16_t)
{
    const ChartTerms c = chartTerms();
    const ColorTable t = module1().colors;
    const double withdrawal = value("fp_xpaystrt");
    const UserText title = composeText<"%1 less %2 at the start of each year at %3 for %4 years">(
        formatNumber(c.amount, kCurrencyFormat), formatNumber(withdrawal, kCurrencyFormat), c.rate, c.years);
    setFundChart([=]() -> std::optional<MarkedChart> {
        FundPath path = withdrawalsPath(c.amount, withdrawal, c.annualRate, c.duration);
        if (path.status != InvestStatus::Ok) return std::nullopt;
        return drawingChart(title, path, userText<"Withdrawn">(), t);
    });
}

// What the chart shows is taken now, as the calculation read it; the points themselves are computed when the
// chart is first asked for (each point re-runs the calculation for its shorter duration, milliseconds in all at
// the longest durations, which no Calculate should wait for).
void Mervane::setFundChart(std::function<std::optional<MarkedChart>()> build)
{
    const ColorTable t = module1().colors;
    m_buildFundChart = [build = std::move(build), t] {
        MarkedChartRequest request;
        std::optional<MarkedChart> chart = build();
        if (!chart) return request;
        request.name = "fund";
        request.caption = userText<"Investment Chart">();
        request.back = t.gInvestBkgrndColor;
        request.fore = t.gInvestTxtColor;
        request.charts.push_back(std::move(*chart));
        return request;
    };
    menu("mnu_FundChart").setEnabled(true);
}

}  // namespace tv

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
Chart buildingChart(const std::string& title, const FundPath& path, const ColorTable& t)
{
    Chart chart;
    chart.title = title;
    chart.x = {"Years from the start", ""};
    chart.y = {"Fund", "$"};
    ChartSeries paid{"Contributions", SeriesKind::StackedBar, t.gInvestTxtColor, false, {}};
    ChartSeries growth{"Growth", SeriesKind::StackedBar, t.gInvestHiTxtColor, false, {}};
    for (std::size_t i = 0; i < path.points.size(); ++i) {
        const FundPoint& p = path.points[i];
        chart.categories.push_back(yearLabel(p.years));
        paid.points.push_back({static_cast<double>(i), p.paid});
        growth.points.push_back({static_cast<double>(i), p.fund - p.paid});
    }
    chart.series = {std::move(paid), std::move(growth)};
    return chart;
}

// Drawing on a fund: its balance running down, and what it has paid out.
Chart drawingChart(const std::string& title, const FundPath& path, const std::string& paidName, const ColorTable& t)
{
    Chart chart;
    chart.title = title;
    chart.x = {"Years from the start", ""};
    chart.y = {"Amount", "$"};
    ChartSeries fund{"Fund balance", SeriesKind::Line, t.gInvestTxtColor, false, {}};
    ChartSeries paid{paidName, SeriesKind::Line, t.gInvestHiTxtColor, false, {}};
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
    const ChartRequest& request = fundChart();
    if (request.charts.empty()) return;
    platform().showChart(request);
}

const ChartRequest& Mervane::fundChart() const
{
    if (m_buildFundChart) {
        m_fundChart = m_buildFundChart();
        m_buildFundChart = nullptr;
    }
    return m_fundChart;
}

void Mervane::prepareFundChart(std::int16_t numpay)
{
    m_fundChart = {};
    m_buildFundChart = nullptr;
    menu("mnu_FundChart").setEnabled(false);
    // What the chart shows is taken now, as this calculation read it; the points themselves are computed when
    // the chart is first asked for (each point re-runs the calculation for its shorter duration, milliseconds
    // in all at the longest durations, which no Calculate should wait for).
    const ColorTable t = module1().colors;
    const std::string rate = combo("comIntr").text() + "%";
    const std::string years = yearLabel(durYears) + " years";
    const double amount = value("fp_Prin");
    const double annualRate = intRate;
    const double duration = durYears;
    const double payment = valPayment;
    auto optionCaption = [this](const char* name) { return option(name).caption(); };

    std::function<std::optional<Chart>()> build;
    if (option("Opt_Invest").value()) {
        const std::string title = optionCaption("Opt_Invest") + " of " + formatNumber(amount, kCurrencyFormat) +
                                  " at " + rate + " for " + years;
        build = [=]() -> std::optional<Chart> {
            FundPath path = oneTimeGrowthPath(amount, annualRate, numpay, duration);
            if (path.status != InvestStatus::Ok) return std::nullopt;
            return buildingChart(title, path, t);
        };
    } else if (option("Opt_invest_mnthly").value() || option("Opt_invest_1xmnthly").value() ||
               option("Opt_invest_yearly").value()) {
        const bool yearly = option("Opt_invest_yearly").value();
        ContributionInput in;
        in.contribution = amount;
        in.schedule = yearly ? ContributionSchedule::Yearly : ContributionSchedule::Monthly;
        in.oneTimeAmount = option("Opt_invest_1xmnthly").value() ? value("fp_xpay") : 0.0;
        in.annualRatePercent = annualRate;
        in.periodsPerYear = numpay;
        in.durationYears = duration;
        std::string title = formatNumber(in.contribution, kCurrencyFormat) + (yearly ? " a year" : " a month");
        if (in.oneTimeAmount != 0) title += " after " + formatNumber(in.oneTimeAmount, kCurrencyFormat) + " at once";
        title += " at " + rate + " for " + years;
        build = [=]() -> std::optional<Chart> {
            FundPath path = contributionsPath(in);
            if (path.status != InvestStatus::Ok) return std::nullopt;
            return buildingChart(title, path, t);
        };
    } else if (option("Opt_Annuity").value() || option("Opt_Annuity_Mnthly").value() ||
               option("Opt_Annuity_Duration").value()) {
        const int perYear = option("Opt_Annuity").value() ? 1 : 12;
        const std::string title = formatNumber(amount, kCurrencyFormat) + " paying " +
                                  formatNumber(payment, kCurrencyFormat) + (perYear == 1 ? " a year" : " a month") +
                                  " at " + rate + " for " + years;
        build = [=]() -> std::optional<Chart> {
            FundPath path = annuityPath(amount, annualRate, perYear, duration, payment);
            if (path.status != InvestStatus::Ok) return std::nullopt;
            return drawingChart(title, path, "Paid out", t);
        };
    } else if (option("Opt_Inv2Annuity").value()) {
        ContributionInput in;
        in.contribution = amount;
        in.annualRatePercent = annualRate;
        in.periodsPerYear = numpay;
        in.durationYears = duration;
        const std::string drawText = combo("comIntr_IA").text();
        const double drawRate = drawText == "0.000" ? kZeroRateSubstitutePercent : leadingNumber(drawText);
        const double drawYears = valXpayStrt;
        const double drawPayment = valXpay;
        const std::string title = formatNumber(in.contribution, kCurrencyFormat) + " a month for " + years + ", then " +
                                  formatNumber(drawPayment, kCurrencyFormat) + " a month for " + yearLabel(drawYears) +
                                  " years";
        build = [=]() -> std::optional<Chart> {
            FundPath saving = contributionsPath(in);
            FundPath drawing = annuityPath(payment, drawRate, 12, drawYears, drawPayment);
            if (saving.status != InvestStatus::Ok || drawing.status != InvestStatus::Ok || saving.points.empty())
                return std::nullopt;
            Chart chart;
            chart.title = title;
            chart.x = {"Years from the start", ""};
            chart.y = {"Amount", "$"};
            ChartSeries fund{"Fund balance", SeriesKind::Line, t.gInvestTxtColor, false, {}};
            ChartSeries paidIn{"Contributions", SeriesKind::Line, t.gInvestContrastColor, false, {}};
            ChartSeries paidOut{"Paid out", SeriesKind::Line, t.gInvestHiTxtColor, false, {}};
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
        };
    } else if (option("Opt_Spec_Dur").value()) {
        const double withdrawal = value("fp_xpaystrt");
        const std::string title = formatNumber(amount, kCurrencyFormat) + " less " +
                                  formatNumber(withdrawal, kCurrencyFormat) + " at the start of each year at " + rate +
                                  " for " + years;
        build = [=]() -> std::optional<Chart> {
            FundPath path = withdrawalsPath(amount, withdrawal, annualRate, duration);
            if (path.status != InvestStatus::Ok) return std::nullopt;
            return drawingChart(title, path, "Withdrawn", t);
        };
    } else {
        return;
    }
    m_buildFundChart = [build = std::move(build), t] {
        ChartRequest request;
        std::optional<Chart> chart = build();
        if (!chart) return request;
        request.name = "fund";
        request.caption = "Investment Chart";
        request.back = t.gInvestBkgrndColor;
        request.fore = t.gInvestTxtColor;
        request.charts.push_back(std::move(*chart));
        return request;
    };
    menu("mnu_FundChart").setEnabled(true);
}

}  // namespace tv

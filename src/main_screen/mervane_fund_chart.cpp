// The Investments view's chart: the fund over the years for the option just calculated, from the same
// engine functions as its result.
#include <algorithm>
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
    if (m_fundChart.charts.empty()) return;
    platform().showChart(m_fundChart);
}

void Mervane::prepareFundChart(std::int16_t numpay)
{
    m_fundChart = {};
    menu("mnu_FundChart").setEnabled(false);
    const ColorTable& t = module1().colors;
    const std::string rate = combo("comIntr").text() + "%";
    const std::string years = yearLabel(durYears) + " years";
    auto optionCaption = [this](const char* name) { return option(name).caption(); };

    Chart chart;
    if (option("Opt_Invest").value()) {
        FundPath path = oneTimeGrowthPath(value("fp_Prin"), intRate, numpay, durYears);
        if (path.status != InvestStatus::Ok) return;
        chart = buildingChart(optionCaption("Opt_Invest") + " of " + formatNumber(value("fp_Prin"), kCurrencyFormat) +
                                  " at " + rate + " for " + years,
                              path, t);
    } else if (option("Opt_invest_mnthly").value() || option("Opt_invest_1xmnthly").value() ||
               option("Opt_invest_yearly").value()) {
        const bool yearly = option("Opt_invest_yearly").value();
        ContributionInput in;
        in.contribution = value("fp_Prin");
        in.schedule = yearly ? ContributionSchedule::Yearly : ContributionSchedule::Monthly;
        in.oneTimeAmount = option("Opt_invest_1xmnthly").value() ? value("fp_xpay") : 0.0;
        in.annualRatePercent = intRate;
        in.periodsPerYear = numpay;
        in.durationYears = durYears;
        FundPath path = contributionsPath(in);
        if (path.status != InvestStatus::Ok) return;
        std::string title = formatNumber(in.contribution, kCurrencyFormat) + (yearly ? " a year" : " a month");
        if (in.oneTimeAmount != 0) title += " after " + formatNumber(in.oneTimeAmount, kCurrencyFormat) + " at once";
        chart = buildingChart(title + " at " + rate + " for " + years, path, t);
    } else if (option("Opt_Annuity").value() || option("Opt_Annuity_Mnthly").value() ||
               option("Opt_Annuity_Duration").value()) {
        const int perYear = option("Opt_Annuity").value() ? 1 : 12;
        FundPath path = annuityPath(value("fp_Prin"), intRate, perYear, durYears, valPayment);
        if (path.status != InvestStatus::Ok) return;
        chart = drawingChart(formatNumber(value("fp_Prin"), kCurrencyFormat) + " paying " +
                                 formatNumber(valPayment, kCurrencyFormat) + (perYear == 1 ? " a year" : " a month") +
                                 " at " + rate + " for " + years,
                             path, "Paid out", t);
    } else if (option("Opt_Inv2Annuity").value()) {
        ContributionInput in;
        in.contribution = value("fp_Prin");
        in.annualRatePercent = intRate;
        in.periodsPerYear = numpay;
        in.durationYears = durYears;
        FundPath saving = contributionsPath(in);
        const std::string drawText = combo("comIntr_IA").text();
        const double drawRate = drawText == "0.000" ? kZeroRateSubstitutePercent : leadingNumber(drawText);
        FundPath drawing = annuityPath(valPayment, drawRate, 12, valXpayStrt, valXpay);
        if (saving.status != InvestStatus::Ok || drawing.status != InvestStatus::Ok || saving.points.empty()) return;
        chart.title = formatNumber(in.contribution, kCurrencyFormat) + " a month for " + years + ", then " +
                      formatNumber(valXpay, kCurrencyFormat) + " a month for " + yearLabel(valXpayStrt) + " years";
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
            paidOut.points.push_back({durYears + p.years, p.paid});
            if (p.years == 0) continue;
            fund.points.push_back({durYears + p.years, p.fund});
            paidIn.points.push_back({durYears + p.years, contributed});
        }
        chart.series = {std::move(fund), std::move(paidIn), std::move(paidOut)};
    } else if (option("Opt_Spec_Dur").value()) {
        FundPath path = withdrawalsPath(value("fp_Prin"), value("fp_xpaystrt"), intRate, durYears);
        if (path.status != InvestStatus::Ok) return;
        chart = drawingChart(formatNumber(value("fp_Prin"), kCurrencyFormat) + " less " +
                                 formatNumber(value("fp_xpaystrt"), kCurrencyFormat) +
                                 " at the start of each year at " + rate + " for " + years,
                             path, "Withdrawn", t);
    } else {
        return;
    }
    m_fundChart.name = "fund";
    m_fundChart.caption = "Investment Chart";
    m_fundChart.back = t.gInvestBkgrndColor;
    m_fundChart.fore = t.gInvestTxtColor;
    m_fundChart.charts.push_back(std::move(chart));
    menu("mnu_FundChart").setEnabled(true);
}

}  // namespace tv

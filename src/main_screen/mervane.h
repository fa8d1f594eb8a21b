#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/loan.h"
#include "screen_model/chart.h"
#include "screen_model/form.h"

namespace tv {

class Program;
class Module1;

// The main screen: the Loans and Investments views, their inputs and results, menus and toolbar.
// The calculations are methods of the form that read its boxes, call the engine and write the results.
class Mervane : public Form {
public:
    explicit Mervane(Program& program);

    // Start-up of the program: shows this form, reads the settings, fills in the defaults.
    void Main();

    // Form events and commands.
    void Form_Load();
    void Form_Unload(EventArgs& args);
    void mnu_exit_Click();
    void mnu_IniReset_Click();
    void mnu_LnSheet_Click();
    void mnu_IniFileEd_Click();
    void mnu_SetColors_Click();

    // Views, options and layout.
    void mnu_view_loan_Click();
    void mnu_view_invest_Click();
    void mnu_Years_Click();
    void mnu_Months_Click();
    void mnu_InvInpChk_Click();
    void Toolbar1_ButtonClick(int index);
    void Toolbar1_ButtonMenuClick(int index, int item);
    void HideXtra();
    void Init_Input();
    bool Input_Chk();
    void Set_From_Ini();
    void SetMainColors();

    // Calculate and Reset.
    void btn_Calc_Click();
    void Btn_Clear_Click();
    void Fill_Totals(std::int16_t numpay);

    // Loan solvers. Each returns false when it refused the calculation (after its message).
    std::int16_t Calc_Loan(bool& ok);
    bool GetPayment(std::int16_t numpay);
    bool GetPrin(std::int16_t numpay);
    bool GetTime(std::int16_t numpay);
    bool GetIntRate(std::int16_t numpay);
    bool GetIntOnly(std::int16_t numpay);
    bool ExtraPay(std::int16_t numpay);
    // After the totals of an extra-payment mode: the line of what the extras save against the same loan
    // without them (installments, and the difference of the two Total Interest boxes) and the payoff date
    // counted from today.
    void ShowXtraSavings(std::int16_t numpay);
    bool GetPayoff(std::int16_t numpay);

    // Investment solvers (mervane_investments.cpp). Each returns false when it refused the calculation
    // (after its message); `numpay` is the compounding periods per year, 12 or 365.
    std::int16_t Calc_Invest(bool& ok);
    bool GetInvestment(double numpay);
    bool GetInvestMnthly(double numpay);
    bool GetAnnuity(std::int16_t period);
    bool GetAnnuityDuration();
    bool GetInvest2Annuity(double numpay);
    bool GetRemainFund();
    bool GetAdj4Infation();
    void btn_InfAdj_Click();
    void comIntr_IA_Click();
    // The chart of the fund over the years for the investment option last calculated (mervane_fund_chart.cpp):
    // enabled by a calculation in the Investments view, disabled by HideXtra.
    void mnu_FundChart_Click();
    // The fund chart of the last investment calculation, built the first time it is asked for.
    const ChartRequest& fundChart() const;
    // The fund transfers, also run by the Invest toolbar button's drop-down.
    void btn_Payoff2Amt_Click();
    void btn_Payoff2RF_Click();
    void btn_RF2Amt_Click();
    // -- investment declarations end --

    // Fund transfers and the retirement fund.
    void btn_RFclear_Click();

    bool inLoanView() const;
    bool inMonthView() const;

    // The input column's geometry (twips): right-aligned labels end at kLabelRight; "Total Payments:" and
    // "Total Contributions:" keep that right edge at their two widths.
    static constexpr int kLabelLeft = 120;
    static constexpr int kLabelRight = 3420;
    static constexpr int kBoxLeft = 3480;
    static constexpr int kBoxWidth = 1560;
    static constexpr int kExtraLeft = 5160;
    static constexpr int kTotPayNarrowLeft = kLabelRight - 1750;
    static constexpr int kTotPayNarrowWidth = 1750;
    static constexpr int kTotPayWideLeft = kLabelRight - 2100;
    static constexpr int kTotPayWideWidth = 2100;
    // Stacks the visible rows of the input column without gaps, the totals and buttons under them.
    void layoutInputColumn();
    // HideXtra's first half: which fields the view and option show, enable and disable.
    void showFieldsOfOption();

    // Calculation state.
    double durYears = 0;
    double intRate = 0;
    std::int16_t instPerYear = 12;
    bool annuityInput = false;
    std::int16_t viewSwitchCount = 0;
    std::int16_t invGroup = 0;
    std::int16_t rateGroup = 0;
    bool inputCheckOn = false;
    double valPayment = 0;
    double valXpay = 0;
    double valXpayStrt = 0;
    double valHiPayoff = 0;
    double valTotIntwX = 0;
    double valTotPaywX = 0;
    double valLstPay = 0;
    std::string crlf;

    // Start-up defaults read from the settings file.
    double iniLoanAmount = 100000;
    double iniLoanDuration = 15;
    double iniLoanInterest = 64;
    double iniInvestBFamt1x = 100000;
    double iniInvestBFamtMo = 1000;
    double iniInvestBFamtYr = 10000;
    double iniInvestBFduration = 10;
    double iniInvestBFInt = 80;
    double iniInvestAnnuityAmt = 30000;
    double iniInvestAnnuityDuration = 25;
    double iniInvestAnnuityInt = 60;
    double iniInvestAnnuityPayment = 3000;

    Program& program() const { return m_program; }
    Module1& module1() const;

private:
    static std::span<const ControlDecl> controlTable();
    static std::span<const MenuDecl> menuTable();
    void declareToolbar();
    void bindHandlers();
    // Each group of handlers binds itself, next to its code.
    void bindInvestmentHandlers();  // mervane_investments.cpp
    void bindTableHandlers();       // mervane_table.cpp
    void bindSettingsHandlers();    // mervane_settings.cpp
    void bindToolbarHandlers();     // mervane_toolbar.cpp
    void launch(const std::string& commandLine);

    // The words of an engine status, in the style of the screen's other messages.
    static std::string statusMessage(LoanStatus status);
    // True when the engine gave a result; otherwise shows the refusal and answers false.
    bool accept(LoanStatus status);

    // The boxes, rate lists and calculation inputs, taken before a calculation so a refusal can put
    // them back as they were.
    struct Snapshot {
        std::vector<std::pair<std::string, std::string>> texts;
        std::vector<std::pair<std::string, int>> indexes;
        double durYears = 0;
        double intRate = 0;
    };
    Snapshot takeSnapshot() const;
    void restoreSnapshot(const Snapshot& snapshot);
    // Set by a refusal that re-initialised the inputs itself, which then stay as it left them.
    bool m_reinitialisedAfterRefusal = false;
    // Takes what the fund chart of this calculation shows; fundChart() computes its points when asked.
    void prepareFundChart(std::int16_t numpay);
    mutable std::function<ChartRequest()> m_buildFundChart;
    mutable ChartRequest m_fundChart;
    // The last extra-payment walk: installments made and extras paid, for ShowXtraSavings.
    int m_xtraInstallments = 0;
    double m_xtraPaid = 0;

    // Input reading shared by the solvers.
    double value(const std::string& boxName) const;
    bool isZeroRateText() const;
    void setBoxNumber(const std::string& boxName, double v);
    // Shows a refusal with the "input Error" title; the calculation stops and no box changes.
    void refuse(const std::string& text);
    // The duration limits every solver shares: at least one installment, at most the 16-bit count.
    bool checkPeriods(std::int16_t numpay, double years);

    // Init_Input pieces.
    void initLoanDefaults();
    void initInvestDefaults(int& rateIndex);
    void askPlausibility();
    void highlight(const std::string& labelName, Color color);
    int rateIndexFromIni(double iniValue) const;

    Program& m_program;
};

}  // namespace tv

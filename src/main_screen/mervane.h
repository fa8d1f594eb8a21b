#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/links.h"
#include "app/rate_list.h"
#include "engine/amortization.h"
#include "engine/loan.h"
#include "history/history_summary.h"
#include "history_store/history_store.h"
#include "main_screen/mervane_controls.h"
#include "main_screen/mervane_options.h"
#include "screen_model/chart.h"
#include "screen_model/declared_form.h"
#include "settings/schema.h"

namespace tv {

class Program;
class Module1;

// The state of the last calculation, as the solvers leave it.
struct CalcState {
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
};

// The main screen: the Loans and Investments views, their inputs and results, menus and toolbar.
// The calculations are methods of the form that read its boxes, call the engine and write the results.
class Mervane : public DeclaredForm<kMervaneControls, kMervaneMenus>, public MainScreenLink {
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
    // Takes the exact rate of the last rate search into the rate list and calculates the payment at it.
    void btn_UseExact_Click();
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
    const MarkedChartRequest& fundChart() const;
    // The fund transfers, also run by the Invest toolbar button's drop-down.
    void btn_Payoff2Amt_Click();
    void btn_Payoff2RF_Click();
    void btn_RF2Amt_Click();

    // Fund transfers and the retirement fund.
    void btn_RFclear_Click();
    // The retirement fund's two transfers out, by button and by the Invest button's drop-down.
    void setFundTransfersEnabled(bool enabled);
    void setInvestMenuItemEnabled(InvestMenuItem item, bool enabled);
    void setToolEnabled(MainTool tool, bool enabled);

    bool inLoanView() const;
    bool inMonthView() const;
    LoanOption loanOption() const { return m_loanOption; }
    InvestOption investOption() const { return m_investOption; }
    // Every option of each view, in the order the Solve For frames show them.
    static std::span<const LoanOptionInfo> loanOptions();
    static std::span<const InvestOptionInfo> investOptions();
    static const LoanOptionInfo& describe(LoanOption option);
    static const InvestOptionInfo& describe(InvestOption option);

    // Stacks the visible rows of the input column without gaps, the totals and buttons under them.
    void layoutInputColumn();
    // HideXtra's first half: which fields the view and option show, enable and disable.
    void showFieldsOfOption();

    const CalcState& calc() const { return m_calc; }
    // The start-up defaults read from the settings file.
    const StartupDefaults& startup() const { return m_startup; }

    Program& program() const { return m_program; }
    Module1& module1() const;

    // What the other screens read of this one, or do to it.
    TableStart tableStart() const override;
    void setToolPressed(MainTool tool, bool pressed) override;
    void colorsChanged() override;
    bool restoreCalculation(const HistoryEntry& entry) override;
    Form& form() override { return *this; }
    // An entry's option in words ("Loan payment"), for the history window's line.
    // An entry's calculation in words ("Loan payment").
    static UserText historyTitle(const HistoryEntry& entry);
    // The row titles the history records, as an English desktop records them, each with the same title in the
    // words of `app`'s user: the captions of the boxes (without access keys and colons), the totals with and
    // without the extras, and the history's own titles.
    static std::vector<std::pair<std::string, std::string>> rowTitles(const Application& app);

    std::vector<StateField> stateFields() const override;

private:
    void declareToolbar();
    void bindHandlers();
    // Each group of handlers binds itself, next to its code.
    void bindInvestmentHandlers();  // mervane_investments.cpp
    void bindTableHandlers();       // mervane_table.cpp
    void bindSettingsHandlers();    // mervane_settings.cpp
    void bindToolbarHandlers();     // mervane_toolbar.cpp
    void launch(const std::string& commandLine);

    const LoanOptionInfo& loanInfo() const { return describe(m_loanOption); }
    const InvestOptionInfo& investInfo() const { return describe(m_investOption); }
    // The rate lists: the main one and the annuity (or inflation) one.
    RateList rateList() const;
    RateList annuityRateList() const;

    // The words of an engine status, in the style of the screen's other messages.
    static UserText statusMessage(LoanStatus status);
    // True when the engine gave a result; otherwise shows the refusal and answers false.
    bool accept(LoanStatus status);

    // The boxes, rate lists and calculation inputs, taken before a calculation so a refusal can put
    // them back as they were.
    struct Snapshot {
        std::vector<std::pair<MaskedBox*, std::string>> texts;
        struct Choice {
            ComboList* list;
            int index;
            std::optional<ComboList::Typed> typed;
        };
        std::vector<Choice> choices;
        CalcState calc;
    };
    Snapshot takeSnapshot() const;
    void restoreSnapshot(const Snapshot& snapshot);
    // The calculation history (mervane_history.cpp): the inputs as Calculate read them, and the record of an
    // accepted calculation with its results and its curve.
    std::vector<HistoryField> historyInputs() const;
    // Puts the pieces of a history line into the user's language.
    TextPieces historyPieces() const;
    void recordCalculation(std::vector<HistoryField> inputs, std::int16_t numpay);
    // Set while a recorded calculation is put back: the input checker asks nothing and nothing new is recorded.
    bool m_restoring = false;
    // Set by a refusal that re-initialised the inputs itself, which then stay as it left them.
    bool m_reinitialisedAfterRefusal = false;

    // The fund chart of each investment option (mervane_fund_chart.cpp): each takes what the chart of this
    // calculation shows; fundChart() computes its points when asked.
    void chartOneTime(std::int16_t numpay);
    void chartContributions(std::int16_t numpay);
    void chartAnnuity(std::int16_t numpay);
    void chartSaveThenDraw(std::int16_t numpay);
    void chartWithdrawals(std::int16_t numpay);
    void setFundChart(std::function<std::optional<MarkedChart>()> build);
    struct ChartTerms {
        std::string rate;
        std::string years;
        double amount;
        double annualRate;
        double duration;
        double payment;
    };
    ChartTerms chartTerms() const;
    mutable std::function<MarkedChartRequest()> m_buildFundChart;
    mutable MarkedChartRequest m_fundChart;
    // The rate the typed payment pays exactly, from the last rate search.
    double m_exactRate = 0;
    // The last extra-payment walk: installments made and extras paid, for ShowXtraSavings.
    int m_xtraInstallments = 0;
    double m_xtraPaid = 0;
    // The loan's ledger without extras (its totals and balance by year), when a solver already walked it.
    std::optional<LedgerTotals> m_plainLedger;
    // The balance at the start and after each year, as the loan's calculation left it (with its extras).
    std::vector<double> m_loanCurve;
    // The ledger's totals of the loan as the boxes now show it: m_plainLedger, or a walk of its own.
    LedgerTotals plainLedgerTotals(std::int16_t numpay);
    void rememberPlainLedger(const LoanLedgers& ledgers);
    // The note under the totals when the last installment (0: none) is a balloon.
    void showBalloonNote(double lastPayment);

    // The investment solvers as the option table calls them, with the compounding periods a year.
    bool solveAnnualAnnuity(double periodsPerYear);
    bool solveMonthlyAnnuity(double periodsPerYear);
    bool solveAnnuityDuration(double periodsPerYear);
    bool solveRemainingFund(double periodsPerYear);
    // The investment totals, one for each way an option counts what was paid in and out.
    void totalsOneTime();
    void totalsContributions();  // the same amount each month or year (saving first, for saving then drawing)
    void totalsOneTimeMonthly();
    void totalsAnnuity();  // the same payment each month or year, out of the amount invested
    void totalsWithdrawals();

    // A duration in years as the months view shows it: whole months.
    static double wholeMonths(double years);
    // False, after its message, when the payment just computed shows as $0.00; true otherwise.
    bool paymentShowsAsMoney();
    // The contributions, annuity payments or withdrawals the last investment calculation made, for its totals.
    int m_countPaid = 0;
    // What the last yearly withdrawals actually took from the fund, for their totals.
    double m_withdrawn = 0;
    // Refuses an amount beyond the money limit for the amount box or the retirement fund, which calculations read.
    bool withinMoneyLimit(double amount);
    // "PayOff -> Amt" and "RF -> Amt": the text becomes the amount, and the inputs are initialised for it.
    void transferToAmount(const std::string& text);

    // Input reading shared by the solvers.
    double value(NameOf<Kind::MaskedBox> boxName) const;
    bool isZeroRateText() const;
    void setBoxNumber(NameOf<Kind::MaskedBox> boxName, double v);
    // Shows a refusal with the "input Error" title; the calculation stops and no box changes.
    void refuse(const UserText& text);
    // Asks a Yes/No question with the "input Error" title; true for Yes.
    bool askYesNo(const UserText& text);
    // The duration limits every solver shares: at least one installment, at most the 16-bit count.
    bool checkPeriods(std::int16_t numpay, double years);

    // Init_Input pieces.
    void initLoanDefaults();
    void initInvestDefaults();
    void applyDefaults(std::span<const Default> defaults);
    // The box or rate list a default or a check names.
    Control& fieldControl(Field field) const;
    double sourceValue(Source source, double number) const;
    bool checkInputs(std::span<const CheckGroup> groups);
    // The input checker's questions of each kind of investment option; each may put the settings' values in.
    bool askMonthlyPlausibility();
    bool askOneTimePlausibility();
    bool askYearlyPlausibility();
    bool askAnnuityPlausibility();
    bool askWithdrawalPlausibility();
    void highlight(NameOf<Kind::Label> labelName, Color color);

    Program& m_program;
    CalcState m_calc;
    StartupDefaults m_startup = StartupDefaults::fromSchema();
    LoanOption m_loanOption = LoanOption::Payment;
    InvestOption m_investOption = InvestOption::OneTime;
    Compounding m_compounding = Compounding::Monthly;
    std::string crlf;
};

}  // namespace tv

// Input initialisation, the input check of Calculate and the investment input checker's questions.
#include <cmath>

#include "app/program.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "engine/limits.h"
#include "main_screen/mervane.h"

namespace tv {

namespace {

// The input checker's bounds. A monthly amount above the yearly setting, a one-time amount below
// kSmallOneTime, a yearly amount outside [monthly setting, kYearlyTimes × yearly setting] or a yearly
// withdrawal outside [yearly setting, kWithdrawalTimes × yearly setting] is questioned.
constexpr double kSmallOneTime = 5000;
constexpr double kYearlyTimes = 5;
constexpr double kWithdrawalTimes = 7;
// When the settings' monthly amount is taken, a one-time amount up to this is replaced too.
constexpr double kOneTimeKeptAbove = 5000;
// An annuity duration from this many years on is taken for a typing slip and replaced.
constexpr double kAnnuityYearsReplacedFrom = 50;
// The inflation list's sensible entries (1 % to 5 %); outside them the settings' rate is offered.
constexpr int kLowestInflationIndex = 8;
constexpr int kHighestInflationIndex = 40;
// Additional annuity payments up to this are taken for none.
constexpr double kAdditionalKeptAbove = 30;
// A first payment guess: the start-up loan amount over this.
constexpr double kPaymentGuessDivisor = 125;

}  // namespace

void Mervane::highlight(NameOf<Kind::Label> labelName, Color color)
{
    label(labelName).setForeColor(color);
}

void Mervane::Init_Input()
{
    app().setPointer(Pointer::Hourglass);
    for (NameOf<Kind::MaskedBox> name :
         NameList<Kind::MaskedBox>{"fp_Prin", "fp_Time", "fp_Payment", "fp_xpaystrt", "fp_xpay"})
        if (box(name).text().empty()) box(name).setText("0");
    SetMainColors();
    if (inLoanView())
        initLoanDefaults();
    else
        initInvestDefaults();
    for (NameOf<Kind::MaskedBox> name :
         NameList<Kind::MaskedBox>{"fp_totInt", "fp_totpay", "fp_hipayoff", "fp_totIntwX", "fp_totPaywX", "fp_lstPay"})
        box(name).setText("0");
    label("lbl_dur2").setCaption(finishedText("0"));
    HideXtra();
    app().setPointer(Pointer::Default);
}

double Mervane::sourceValue(Source source, double number) const
{
    const StartupDefaults& s = m_startup;
    const double unit = inMonthView() ? 12 : 1;
    switch (source) {
        case Source::Number:
            return number;
        case Source::NoEntry:
            return -1;
        case Source::LoanAmount:
            return s.loanAmount;
        case Source::LoanAmountOver125:
            return s.loanAmount / kPaymentGuessDivisor;
        case Source::LoanDuration:
            return s.loanDuration * unit;
        case Source::LoanRate:
            return rateList().indexOfSetting(s.loanInterest);
        case Source::FundOneTime:
            return s.investBFamt1x;
        case Source::FundMonthly:
            return s.investBFamtMo;
        case Source::FundYearlyTimes4:
            return s.investBFamtYr * 4;
        case Source::FundDuration:
            return s.investBFduration * unit;
        case Source::AnnuityDuration:
            return s.investAnnuityDuration;
        case Source::AnnuityRate:
            return rateList().indexOfSetting(s.investAnnuityInt);
        case Source::AnnuityPayment:
            return s.investAnnuityPayment;
    }
    return number;
}

Control& Mervane::fieldControl(Field field) const
{
    switch (field) {
        case Field::Rate:
            return combo("comIntr");
        case Field::AnnuityRate:
            return combo("comIntr_IA");
        case Field::Duration:
            return box("fp_Time");
        case Field::Payment:
            return box("fp_Payment");
        case Field::Start:
            return box("fp_xpaystrt");
        case Field::Extra:
            return box("fp_xpay");
        case Field::HiPayoff:
            return box("fp_hipayoff");
        case Field::None:
        case Field::Amount:
            break;
    }
    return box("fp_Prin");
}

void Mervane::applyDefaults(std::span<const Default> defaults)
{
    for (const Default& d : defaults) {
        if (d.field == Field::None || (d.skippedOnTransfer && module1().amtTransfer)) continue;
        if (d.field == Field::Rate || d.field == Field::AnnuityRate) {
            ComboList& list = d.field == Field::Rate ? combo("comIntr") : combo("comIntr_IA");
            const bool replace = d.when == When::Always || (d.when == When::IfNoEntry && list.listIndex() < 0) ||
                                 (d.when == When::IfIndexBelowOne && list.listIndex() < 1);
            if (replace) list.setListIndex(static_cast<int>(sourceValue(d.source, d.number)));
            continue;
        }
        MaskedBox& b = static_cast<MaskedBox&>(fieldControl(d.field));
        const double v = readBoxValue(b.text());
        const bool replace = d.when == When::Always || (d.when == When::IfZero && v == 0) ||
                             (d.when == When::IfNotPositive && v <= 0) ||
                             (d.when == When::IfAtMost30 && v <= kAdditionalKeptAbove);
        if (replace) b.setText(plainText(sourceValue(d.source, d.number)));
    }
}

void Mervane::initLoanDefaults()
{
    const ColorTable& colors = module1().colors;
    const LoanOptionInfo& info = loanInfo();
    label("lbl_xpaystrt").setCaption(formText<"Mervane", "Start &Xtra Payments which Installment:">());
    label("lbl_hipayoff").setCaption(formText<"Mervane", "And: ">());
    applyDefaults(info.defaults);
    highlight(info.highlighted, colors.gLoanHiTxtColor);
    if (info.group == LoanGroup::Extra) highlight("lbl_xpay", colors.gLoanTxtColor);
    if (info.startCaption) label("lbl_xpaystrt").setCaption(declaredText(name(), info.startCaption));
    if (info.extraCaption) label("lbl_xpay").setCaption(declaredText(name(), info.extraCaption));
    if (info.withCaption) label("lbl_wXP").setCaption(declaredText(name(), info.withCaption));
}

void Mervane::initInvestDefaults()
{
    const ColorTable& colors = module1().colors;
    Module1& m = module1();
    const InvestOptionInfo& info = investInfo();
    if (box("fpRetFund").text().empty()) box("fpRetFund").setText("0");

    // Building a fund starts from the fund rate, drawing on one from the annuity rate.
    const bool buildsFund = info.group == 1;
    const int rateIndex = rateList().indexOfSetting(buildsFund ? m_startup.investBFInt : m_startup.investAnnuityInt);
    ComboList& rate = combo("comIntr");
    if (rate.listIndex() < 0) rate.setListIndex(rateIndex);

    highlight("lbl_Payment", colors.gInvestHiTxtColor);
    highlight("lbl_xpay", info.extraHighlighted ? colors.gInvestHiTxtColor : colors.gInvestTxtColor);
    struct Caption {
        LabelName label;
        const char* text;
    };
    const Caption captions[] = {
        {"lbl_IntRate_IA", info.annuityRateCaption}, {"lbl_xpay", info.extraCaption},
        {"lbl_hipayoff", info.hiPayoffCaption},      {"lbl_Prin", info.amountCaption},
        {"lbl_Payment", info.resultCaption},
    };
    for (const Caption& c : captions)
        if (c.text) label(c.label).setCaption(declaredText(name(), c.text));
    if (info.startCaption) label("lbl_xpaystrt").setCaption(info.startCaption());
    applyDefaults(info.defaults);

    bool useSettings = false;
    if (m_calc.inputCheckOn && !m_restoring) {
        m.msgAnswer = kAnswerOk;
        useSettings = (this->*info.askPlausibility)();
    }

    button("btn_InfAdj").setEnabled(false);
    Label& totPay = label("lbl_totPay");
    using namespace mervane_layout;
    if (info.paysOut) {
        totPay.setCaption(formText<"Mervane", "Total Payments:">());
        totPay.setRect({kTotPayNarrowLeft, totPay.top(), kTotPayNarrowWidth, totPay.height()});
    } else {
        totPay.setCaption(formText<"Mervane", "Total Contributions:">());
        totPay.setRect({kTotPayWideLeft, totPay.top(), kTotPayWideWidth, totPay.height()});
    }
    applyDefaults(std::span(&info.paymentDefault, 1));
    if (info.annuityPerYear > 0)
        m_calc.annuityInput = true;
    else if (!info.paysOut)
        m_calc.annuityInput = false;

    double durationDefault = info.annuityPerYear > 0 ? m_startup.investAnnuityDuration : m_startup.investBFduration;
    if (inMonthView()) durationDefault *= 12;
    if (useSettings) {
        setBoxNumber("fp_Time", durationDefault);
        if (m_calc.rateGroup != m_calc.invGroup || rate.listIndex() < 1) {
            rate.setListIndex(rateIndex);
            m_calc.rateGroup = m_calc.invGroup;
        }
    }
    if (value("fp_Time") == 0) setBoxNumber("fp_Time", durationDefault);
}

bool Mervane::askMonthlyPlausibility()
{
    const double amount = value("fp_Prin");
    if (!(amount <= 0 || amount > m_startup.investBFamtYr)) return false;
    if (module1().amtTransfer) {
        refuse(userText<"Retirement Fund seems too large for monthly payment - re-enter if appropriate">());
        return false;
    }
    if (!askYesNo(userText<"Monthly Investment seems too large - do you want to use the ini file value?">()))
        return false;
    setBoxNumber("fp_Prin", m_startup.investBFamtYr);
    if (investInfo().oneTimeAmount && value("fp_xpay") <= kOneTimeKeptAbove)
        setBoxNumber("fp_xpay", m_startup.investBFamt1x);
    if (m_investOption == InvestOption::SaveThenDraw) {
        ComboList& annuityRate = combo("comIntr_IA");
        if (annuityRate.listIndex() <= m_startup.investAnnuityInt / kInflationFromAnnuityRate)
            annuityRate.setListIndex(rateList().indexOfSetting(m_startup.investAnnuityInt));
        if (value("fp_xpay") != 0) box("fp_xpay").setText("0");
        if (value("fp_xpaystrt") >= kAnnuityYearsReplacedFrom)
            setBoxNumber("fp_xpaystrt", m_startup.investAnnuityDuration);
    }
    return true;
}

bool Mervane::askOneTimePlausibility()
{
    if (module1().amtTransfer || value("fp_Prin") >= kSmallOneTime ||
        !askYesNo(userText<"One time investment seems small - do you want to use the ini file value?">()))
        return false;
    setBoxNumber("fp_Prin", m_startup.investBFamt1x);
    return true;
}

bool Mervane::askYearlyPlausibility()
{
    const double amount = value("fp_Prin");
    if (module1().amtTransfer ||
        (amount >= m_startup.investBFamtMo && amount <= kYearlyTimes * m_startup.investBFamtYr) ||
        !askYesNo(userText<"Yearly investment seems inappropriate - do you want to use the ini file value?">()))
        return false;
    setBoxNumber("fp_Prin", m_startup.investBFamtYr);
    return true;
}

bool Mervane::askAnnuityPlausibility()
{
    if (module1().amtTransfer || value("fp_Prin") >= m_startup.investBFamt1x) return false;
    // The previous result is offered only when it came from a build-fund calculation and its text
    // sorts after the amount's text (a character comparison, as the boxes hold them).
    // A payment beyond the money limit is no amount a calculation could use, so it is not offered.
    bool offerPayment = !m_calc.annuityInput && box("fp_Payment").text() > box("fp_Prin").text() &&
                        std::abs(value("fp_Payment")) <= limits::kMaxMoney;
    if (offerPayment) {
        if (!askYesNo(userText<
                      "Invested amount seems small - do you want to use the previously calculated payment amount?">()))
            return false;
        box("fp_Prin").setText(box("fp_Payment").text());
    } else {
        if (!askYesNo(userText<"Invested amount seems small - do you want to use the ini file value?">())) return false;
        setBoxNumber("fp_Prin", m_startup.investAnnuityAmt);
    }
    ComboList& inflation = combo("comIntr_IA");
    int index = inflation.listIndex();
    if (index > kHighestInflationIndex || index < kLowestInflationIndex) {
        std::optional<std::int16_t> offered = toInt16(m_startup.investAnnuityInt / kInflationFromAnnuityRate);
        inflation.setListIndex(offered ? *offered : -1);
    }
    return true;
}

bool Mervane::askWithdrawalPlausibility()
{
    double yearlyPay = value("fp_xpaystrt");
    if ((yearlyPay >= m_startup.investBFamtYr && yearlyPay <= kWithdrawalTimes * m_startup.investBFamtYr) ||
        !askYesNo(userText<"Yearly payment seems inappropriate - do you want to use the ini file value?">()))
        return false;
    setBoxNumber("fp_xpaystrt", m_startup.investBFamtYr * 4);
    return true;
}

bool Mervane::checkInputs(std::span<const CheckGroup> groups)
{
    bool result = true;
    for (const CheckGroup& group : groups) {
        for (const Check& c : group) {
            if (c.field == Field::None) break;
            Control& field = fieldControl(c.field);
            bool passed = true;
            if (c.test == Test::Chosen) {
                passed = static_cast<ComboList&>(field).listIndex() >= 0;
            } else {
                const double v = readBoxValue(static_cast<MaskedBox&>(field).text());
                passed = c.test == Test::Positive ? v > 0 : c.test == Test::NotNegative ? v >= 0 : v >= 1;
            }
            if (passed) continue;
            result = false;
            field.setFocus();
            break;
        }
    }
    return result;
}

bool Mervane::Input_Chk()
{
    for (NameOf<Kind::MaskedBox> name : NameList<Kind::MaskedBox>{"fp_Prin", "fp_Time", "fp_Payment", "fp_xpaystrt"})
        if (box(name).text().empty()) box(name).setText("0");
    return inLoanView() ? checkInputs(loanInfo().checks) : checkInputs(investInfo().checks);
}

}  // namespace tv

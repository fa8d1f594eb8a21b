// The calculation history as a user meets it: every option's calculation restored to the same results, a
// history that cannot be kept never stopping a calculation, and the history window's commands.
#include <gtest/gtest.h>

#include <map>

#include <sqlite3.h>

#include "history/compare_form.h"
#include "history/history_form.h"
#include "test_program.h"

namespace tv::test {
namespace {

struct RestoreCase {
    const char* name;
    const char* option;
    bool invest = false;
    const char* frequency = nullptr;  // an installment frequency or compounding button
    bool months = false;
};

// What the main screen shows: every box, the rate lists' choices and the result notes.
std::map<std::string, std::string> shownResults(TestProgram& t)
{
    std::map<std::string, std::string> out;
    for (Control* c : t.form().controls()) {
        if (!c->shownToUser()) continue;
        if (c->kind() == Kind::MaskedBox) out[c->name()] = static_cast<MaskedBox*>(c)->display();
        if (c->kind() == Kind::ComboList) {
            auto* list = static_cast<ComboList*>(c);
            out[c->name()] = list->typed() ? list->typed()->text : list->text();
        }
        if (c->kind() == Kind::Label) out[c->name()] = c->caption();
    }
    return out;
}

class RestoreRoundTrip : public testing::TestWithParam<RestoreCase> {};

TEST_P(RestoreRoundTrip, ShowsTheSameResultsAfterAnotherCalculation)
{
    const RestoreCase& c = GetParam();
    TestProgram t;
    if (c.invest) t.m().fire("mnu_view_invest", "Click");
    if (c.months) t.m().fire("mnu_Months", "Click");
    if (c.frequency) t.click(c.frequency);
    t.click(c.option);
    if (!c.invest) t.type("fp_Prin", "123456.78");
    t.calculate();
    ASSERT_TRUE(t.messages().empty());
    const auto before = shownResults(t);
    HistoryStore& store = t.program->history().store();
    const std::optional<HistoryEntry> entry = store.get(store.summaries().front().id);
    ASSERT_TRUE(entry);

    // Another calculation in the other view and unit changes every box.
    t.m().fire(c.invest ? "mnu_view_loan" : "mnu_view_invest", "Click");
    t.m().fire(c.months ? "mnu_Years" : "mnu_Months", "Click");
    t.type("fp_Prin", "5000");
    t.calculate();
    t.messages();

    const std::size_t recorded = store.summaries().size();
    ASSERT_TRUE(t.program->mainScreen().restoreCalculation(*entry));
    EXPECT_TRUE(t.messages().empty());
    EXPECT_EQ(shownResults(t), before);
    EXPECT_EQ(store.summaries().size(), recorded);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOption, RestoreRoundTrip,
    testing::Values(
        RestoreCase{"LoanAmount", "opt_Prin"}, RestoreCase{"Rate", "opt_intRate"},
        RestoreCase{"Duration", "opt_time", false, "opt_26"}, RestoreCase{"Payment", "opt_payment"},
        RestoreCase{"PaymentTwiceAMonthInMonths", "opt_payment", false, "opt_24", true},
        RestoreCase{"InterestOnly", "opt_IntOnly"}, RestoreCase{"Payoff", "opt_payoff"},
        RestoreCase{"ExtraEachInstallment", "opt_xpaymo", false, "opt_26"}, RestoreCase{"ExtraOnce", "opt_xpay1x"},
        RestoreCase{"ExtraYearly", "opt_xpayperiodic"}, RestoreCase{"OneTime", "Opt_Invest", true},
        RestoreCase{"MonthlyDaily", "Opt_invest_mnthly", true, "Opt_CI_daily"},
        RestoreCase{"OneTimeAndMonthly", "Opt_invest_1xmnthly", true},
        RestoreCase{"YearlyInMonths", "Opt_invest_yearly", true, nullptr, true},
        RestoreCase{"SaveThenDraw", "Opt_Inv2Annuity", true}, RestoreCase{"AnnualAnnuity", "Opt_Annuity", true},
        RestoreCase{"MonthlyAnnuity", "Opt_Annuity_Mnthly", true},
        RestoreCase{"AnnuityDuration", "Opt_Annuity_Duration", true}, RestoreCase{"Withdrawals", "Opt_Spec_Dur", true}),
    [](const testing::TestParamInfo<RestoreCase>& info) { return std::string(info.param.name); });

TEST(History, ATableScheduleRestoresAsTheSameScheduleOnTheTableScreen)
{
    TestProgram t;
    t.m().fire("mnu_LnSheet", "Click");
    Form& sheet = t.program->loanTable();
    sheet.control("cmdCalcPmts").userClick();
    sheet.grid("grdPayments").userClickCell(5, 3);
    sheet.control("cmdCalcAmort").userClick();
    HistoryStore& store = t.program->history().store();
    const std::optional<HistoryEntry> entry = store.get(store.summaries().front().id);
    ASSERT_TRUE(entry);
    ASSERT_EQ(entry->view, "Table");
    const Grid& schedule = sheet.grid("grdPayments");
    const std::string lastRow = schedule.text(schedule.rows() - 1, 4);
    sheet.control("Btn_Close").userClick();
    ASSERT_TRUE(t.program->restoreCalculation(*entry));
    ASSERT_TRUE(sheet.visible());
    EXPECT_EQ(schedule.text(schedule.rows() - 1, 4), lastRow);
    EXPECT_EQ(store.summaries().size(), 1u);
}

TEST(History, ACalculationGoesOnWhateverTheFileAndTheUserIsToldOnce)
{
    // A history that cannot be kept, and a damaged one that is set aside for a new one.
    const std::pair<const char*, const char*> cases[] = {{"/dev/null/Tarvolin/history.sqlite", "not being kept"},
                                                         {"damaged.sqlite", "was damaged"}};
    for (const auto& [file, told] : cases) {
        SCOPED_TRACE(file);
        TestProgram t;
        t.cwd.write("damaged.sqlite", std::string(4096, 'x'));
        t.program->history().useFile(file);
        t.calculate();
        t.calculate();
        const std::vector<std::string> messages = t.messages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find(told), std::string::npos);
        EXPECT_EQ(t.shown("fp_Payment"), "$955.65");
    }
}

// The desktop writes a calculation once its results are shown: what is not written yet is still listed, and
// still kept when the program ends first.
TEST(History, ACalculationNotYetWrittenIsListedAndKeptWhenTheProgramEnds)
{
    TestProgram t;
    const std::string file = (t.cwd.path() / "history.sqlite").string();
    t.platform.setHold(true);
    t.program->history().useFile(file);
    t.calculate();
    EXPECT_EQ(t.program->history().store().summaries().size(), 1u);
    t.calculate();
    t.program.reset();
    EXPECT_EQ(HistoryStore::atPath(file)->summaries().size(), 2u);
}

// Another copy holding the history across a Calculate: nothing is said, and the calculation is written (and listed)
// once the lock goes.
TEST(History, ACalculationThatMeetsALockIsWrittenOnceItGoes)
{
    TestProgram t;
    const std::string file = (t.cwd.path() / "history.sqlite").string();
    t.program->history().useFile(file);
    t.calculate();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    t.calculate();
    sqlite3_close(other);
    EXPECT_TRUE(t.messages().empty());
    EXPECT_EQ(t.program->history().store().summaries().size(), 2u);
}

TEST(HistoryWindow, FiltersDeletesClearsAndComparesMarkedCalculations)
{
    TestProgram t;
    t.calculate();
    t.type("fp_Time", "30");
    t.calculate();
    t.m().fire("mnu_view_invest", "Click");
    t.calculate();
    t.m().fire("mnu_History", "Click");
    HistoryForm& w = t.program->historyForm();
    ASSERT_TRUE(w.visible());
    EXPECT_EQ(w.shown().size(), 3u);

    w.combo("cbo_View").userPick(1);  // Loans
    EXPECT_EQ(w.shown().size(), 2u);
    w.box("txt_Find").userType("30 YRS");
    ASSERT_EQ(w.shown().size(), 1u);
    w.box("txt_Find").userType("");

    // Compare wants two to four marked calculations.
    Grid& g = w.grid("grd_History");
    g.userClickCell(1, 0);
    w.control("btn_Compare").userClick();
    EXPECT_EQ(t.messages().size(), 1u);  // two to four are needed
    g.userClickCell(2, 0);
    w.control("btn_Compare").userClick();
    CompareForm& compare = t.program->compareWindow();
    ASSERT_TRUE(compare.visible());
    EXPECT_EQ(compare.entries().size(), 2u);
    EXPECT_EQ(compare.entries()[0].summary, w.shown()[0].summary);

    g.setCurrent(1, 3);
    w.control("btn_Delete").userClick();
    EXPECT_EQ(t.program->history().store().summaries().size(), 2u);
    EXPECT_EQ(w.marked().size(), 1u);

    t.platform.queueAnswer(kAnswerNo);
    w.control("btn_ClearAll").userClick();
    EXPECT_EQ(t.program->history().store().summaries().size(), 2u);
    t.platform.queueAnswer(kAnswerYes);
    w.control("btn_ClearAll").userClick();
    EXPECT_TRUE(t.program->history().store().summaries().empty());
    EXPECT_TRUE(w.marked().empty());
}

}  // namespace
}  // namespace tv::test

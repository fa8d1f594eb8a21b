// The program driven from the keyboard alone, on the offscreen platform: Tab walks the boxes in reading
// order (top to bottom, left column first), then the choices and the buttons; arrows choose options; Enter
// on a table cell shows its schedule; Escape closes the table screen; F1 asks for the window's help topic;
// every "&" mnemonic and menu shortcut reaches its handler, Enter presses the default button, Escape closes a dialog as
// its Cancel or OK button would, Ctrl+C copies inside a text box and runs the input checker elsewhere, and the focused
// control is marked.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <string>
#include <vector>

#include "desktop/desktop_defaults.h"
#include "info/about.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "settings/color_form.h"
#include "settings/ini_file_form.h"
#include "tests/desktop/program_windows.h"

using tvtest::ProgramWindows;

namespace {

QString names(const QStringList& list)
{
    return list.join(QLatin1Char(' '));
}

// Presses Tab from `first` until the focus comes back to it; the names of the controls passed on the way.
QString tabCycle(ProgramWindows& p, const tv::Form& form, const char* first)
{
    p.activate(form);
    p.widget(form, first)->setFocus(Qt::TabFocusReason);
    QStringList order{ProgramWindows::focusName()};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (ProgramWindows::focusName() == QLatin1String(first)) return names(order);
        order << ProgramWindows::focusName();
    }
    return names(order) + QStringLiteral(" (no cycle)");
}

void pressIn(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(target ? target : QApplication::focusWidget(), key, modifiers);
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabWalksTheLoanView()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        const QStringList inputs{"fp_Prin", "comIntr", "fp_Time", "fp_Payment"};
        const QStringList totals{"fp_totInt", "fp_totpay"};
        const QStringList buttons{"btn_Calc", "btn_Clear", "btn_Payoff2Amt"};
        const QStringList frequency{"opt_26", "opt_24", "opt_12"};
        const QStringList solveFor{"opt_Prin",   "opt_intRate", "opt_time",   "opt_payment",     "opt_IntOnly",
                                   "opt_payoff", "opt_xpaymo",  "opt_xpay1x", "opt_xpayperiodic"};
        QCOMPARE(tabCycle(p, m, "fp_Prin"), names(inputs + totals + solveFor + frequency + buttons));

        // Extra payments add the rows below the payment, and the second column of totals (row by row would
        // interleave the two columns; each column is read top to bottom, the one with extra payments second).
        m.option("opt_xpaymo").userClick();
        const QStringList extra{"fp_xpaystrt", "fp_xpay", "fp_lstPay"};
        const QStringList extraTotals{"fp_totIntwX", "fp_totPaywX"};
        QCOMPARE(tabCycle(p, m, "fp_Prin"),
                 names(inputs + extra + totals + extraTotals + solveFor + frequency + buttons));
    }

    void tabWalksTheInvestmentView()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        p.renderer().action(m.menu("mnu_view_invest"))->trigger();
        const QStringList solveFor{"Opt_Invest",           "Opt_invest_mnthly", "Opt_invest_1xmnthly",
                                   "Opt_invest_yearly",    "Opt_Annuity",       "Opt_Annuity_Mnthly",
                                   "Opt_Annuity_Duration", "Opt_Spec_Dur",      "Opt_Inv2Annuity"};
        // The boxes of the left-hand column, then the right-hand one's, then the choices, then the buttons.
        const QStringList compounding{"Opt_CI_monthly", "Opt_CI_daily"};
        const QStringList left{"fp_Prin", "comIntr", "fp_Time", "fp_totInt", "fp_totpay"};
        const QStringList buttons{"btn_Calc", "btn_Clear", "btn_Payoff2Amt"};
        QCOMPARE(tabCycle(p, m, "fp_Prin"), names(left + QStringList{"fpRetFund"} + solveFor + compounding + buttons));

        // Saving followed by an annuity: the start of the payments and the annuity's rate join the inputs.
        m.option("Opt_Inv2Annuity").userClick();
        // The retirement fund is not offered here; the annuity's payment is a result (disabled).
        QCOMPARE(tabCycle(p, m, "fp_Prin"), names(QStringList{"fp_Prin", "comIntr", "fp_Time", "fp_xpaystrt",
                                                              "comIntr_IA", "fp_totInt", "fp_totpay"} +
                                                  solveFor + compounding + buttons));
    }

    void tabWalksTheDialogs()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        p.renderer().action(m.menu("mnu_IniFileEd"))->trigger();
        // The loan defaults, the investment defaults on the right, the start-up choices, and the buttons.
        QCOMPARE(tabCycle(p, p.program().iniFile(), "txt_LnAmt"),
                 QStringLiteral("txt_LnAmt combo_LnInt txt_LnDur txt_BF1xAmt txt_BFmoAmt txt_BFyrAmt combo_BFInt "
                                "txt_BFDur txt_AnnuityAmt combo_AnnuityInt txt_AnnuityDur opt_loan opt_invest "
                                "opt_year opt_month btn_save btn_defaults btn_close btn_colors"));
        p.program().iniFile().unload();
        p.renderer().action(m.menu("mnu_SetColors"))->trigger();
        // The left column's lists (the loan screen's and those below them), the investment screen's (button
        // text is not offered), the choices, then the buttons on the right.
        QCOMPARE(tabCycle(p, p.program().colorFm(), "cbo_LnBackGrnd"),
                 QStringLiteral("cbo_LnBackGrnd cbo_LnText cbo_LnHiTxt cbo_LnButBG cbo_TextBoxBG cbo_Pesets "
                                "cbo_InvBackGrnd cbo_InvText cbo_InvHiTxt cbo_invButBG opt_loan opt_invest "
                                "chk_WinDefaults but_testScheme Btn_S_C btn_cancel"));
    }

    void labelMnemonicsFocusTheirBoxes()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        QWidget* window = p.window(m);
        p.widget(m, "btn_Calc")->setFocus();
        const struct {
            Qt::Key key;
            const char* control;
        } cases[] = {{Qt::Key_A, "fp_Prin"},    {Qt::Key_I, "comIntr"}, {Qt::Key_D, "fp_Time"},
                     {Qt::Key_P, "fp_Payment"}, {Qt::Key_F, "opt_12"},  {Qt::Key_S, "opt_payment"}};
        for (const auto& c : cases) {
            pressIn(window, c.key, Qt::AltModifier);
            QCOMPARE(ProgramWindows::focusName(), QString::fromLatin1(c.control));
            // The model knows: its GotFocus handlers ran.
            QCOMPARE(p.program().app().focus(), &static_cast<tv::Form&>(m).control(c.control));
        }
        // Two labels with the same letter: pressing it again moves on to the second one's box.
        m.option("opt_xpaymo").userClick();
        p.widget(m, "btn_Calc")->setFocus();
        QStringList reached;
        for (int i = 0; i < 2; ++i) {
            pressIn(window, Qt::Key_X, Qt::AltModifier);
            reached << ProgramWindows::focusName();
        }
        reached.sort();
        QCOMPARE(reached, (QStringList{"fp_xpay", "fp_xpaystrt"}));
    }

    void buttonMnemonicsAndEnterPressTheButtons()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        QWidget* window = p.window(m);
        const std::string before = m.box("fp_Payment").display();
        // Alt+C presses Calculate; the payment of the default loan appears.
        pressIn(window, Qt::Key_C, Qt::AltModifier);
        QVERIFY(m.box("fp_Payment").display() != before);
        // Alt+R resets the inputs.
        pressIn(window, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(m.box("fp_Payment").display(), before);
        // Enter in a box presses the default button, Calculate.
        p.widget(m, "fp_Prin")->setFocus();
        QVERIFY(qobject_cast<QPushButton*>(p.widget(m, "btn_Calc"))->isDefault());
        pressIn(nullptr, Qt::Key_Return);
        QVERIFY(m.box("fp_Payment").display() != before);
    }

    void menuShortcutsReachTheirCommands()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        p.widget(m, "opt_payment")->setFocus();
        pressIn(nullptr, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(m.menu("mnu_Months").checked());
        QVERIFY(m.label("lbl_Time").caption().find("(Mos)") != std::string::npos);
        pressIn(nullptr, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(m.menu("mnu_Years").checked());
        QVERIFY(m.label("lbl_Time").caption().find("(Yrs)") != std::string::npos);

        pressIn(nullptr, Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(m.caption(), std::string("Financial Calculator - Investments"));
        QVERIFY(m.menu("mnu_view_invest").checked());
        pressIn(nullptr, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(m.menu("mnu_view_loan").checked());
        QVERIFY(m.caption() != "Financial Calculator - Investments");

        // Ctrl+R puts the settings' defaults back into the boxes.
        m.box("fp_Prin").userType("5");
        pressIn(nullptr, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(m.box("fp_Prin").text() != "5");

        // Ctrl+T opens the table screen, Ctrl+E the settings editor.
        pressIn(nullptr, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(p.program().loanSheet().loaded() && p.program().loanSheet().visible());
        p.activate(m);
        pressIn(p.window(m), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(p.program().iniFile().loaded() && p.program().iniFile().visible());
    }

    void ctrlCCopiesInATextBoxAndTogglesTheCheckerElsewhere()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        p.renderer().action(m.menu("mnu_view_invest"))->trigger();
        p.activate(m);
        const bool checking = m.menu("mnu_InvInpChk").checked();

        // In a box, the standard copy: the box's selected text goes to the clipboard.
        m.box("fp_Prin").setFocus();
        auto* edit = qobject_cast<QLineEdit*>(p.widget(m, "fp_Prin"));
        QVERIFY(edit->hasFocus());
        edit->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("nothing yet"));
        pressIn(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), edit->text());
        QCOMPARE(m.menu("mnu_InvInpChk").checked(), checking);
        // A result box copies too.
        m.box("fp_totInt").setFocus();
        pressIn(nullptr, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m.menu("mnu_InvInpChk").checked(), checking);

        // Anywhere else, Ctrl+C is the menu's Investment Input Checker.
        p.widget(m, "Opt_Invest")->setFocus();
        pressIn(nullptr, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m.menu("mnu_InvInpChk").checked(), !checking);
        pressIn(nullptr, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(m.menu("mnu_InvInpChk").checked(), checking);
        // Other shortcuts still reach the menu from inside a box.
        m.box("fp_Prin").setFocus();
        pressIn(nullptr, Qt::Key_M, Qt::ControlModifier);
        QVERIFY(m.menu("mnu_Months").checked());
    }

    void theTableScreenPressesShowPaymentsOnEnter()
    {
        ProgramWindows p;
        p.renderer().action(p.program().mervane().menu("mnu_LnSheet"))->trigger();
        tv::LoanSheet& sheet = p.program().loanSheet();
        p.activate(sheet);
        QVERIFY(qobject_cast<QPushButton*>(p.widget(sheet, "cmdCalcPmts"))->isDefault());
        tvtest::enterPaymentTable(sheet, "100,000");
        QWidget* window = p.window(sheet);
        // The labels' and frames' mnemonics reach their boxes.
        pressIn(window, Qt::Key_P, Qt::AltModifier);
        QCOMPARE(ProgramWindows::focusName(), QStringLiteral("txtPurchTotl"));
        pressIn(window, Qt::Key_R, Qt::AltModifier);
        QCOMPARE(ProgramWindows::focusName(), QStringLiteral("comIntrMin"));
        pressIn(nullptr, Qt::Key_Return);
        p.renderer().flushPending();
        auto* view = qobject_cast<QTableView*>(p.widget(sheet, "grdPayments"));
        QCOMPARE(view->model()->rowCount(), 16);
        QVERIFY(p.platform().messages().empty());
        // Tab order: the inputs top to bottom, the table, the buttons.
        QCOMPARE(tabCycle(p, sheet, "txtPurchTotl"),
                 QStringLiteral("txtPurchTotl txtDwnPay txtLenMin txtLenMax comIntrMin comIntrMax grdPayments "
                                "cmdCalcPmts cmdCalcAmort Btn_Clear Btn_Close"));
        // Alt+C belongs to the Close button alone (the chart menu's key is H).
        pressIn(window, Qt::Key_C, Qt::AltModifier);
        QVERIFY(!sheet.loaded() || !sheet.visible());
    }

    void escapeClosesTheDialogs()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        auto escapeFrom = [&p](tv::Form& dialog) {
            p.activate(dialog);
            QVERIFY(dialog.visible());
            // From the control that has the focus in the dialog, as a user's key press comes.
            QWidget* focus = p.window(dialog)->focusWidget();
            QVERIFY(focus);
            pressIn(focus, Qt::Key_Escape);
            QVERIFY(!dialog.loaded() || !dialog.visible());
        };
        p.renderer().action(m.menu("mnu_IniFileEd"))->trigger();
        escapeFrom(p.program().iniFile());
        p.renderer().action(m.menu("mnu_SetColors"))->trigger();
        escapeFrom(p.program().colorFm());
        p.renderer().action(m.menu("mnu_About"))->trigger();
        // The update history opens over About; Escape closes the top one first.
        p.activate(p.program().about());
        QTest::mouseClick(p.widget(p.program().about(), "Updates"), Qt::LeftButton);
        escapeFrom(p.program().updateHist());
        QVERIFY(p.program().about().visible());
        escapeFrom(p.program().about());
        QVERIFY(m.visible());
    }

    void arrowsChooseTheNextOption()
    {
        const struct {
            const char* from;
            Qt::Key key;
            const char* chosen;
        } cases[] = {{"opt_payment", Qt::Key_Down, "opt_IntOnly"},
                     {"opt_payment", Qt::Key_Up, "opt_time"},
                     {"opt_Prin", Qt::Key_Left, "opt_xpayperiodic"},
                     {"opt_xpayperiodic", Qt::Key_Right, "opt_Prin"},
                     {"opt_26", Qt::Key_Down, "opt_24"},
                     {"opt_payoff", Qt::Key_Down, "opt_xpaymo"}};
        for (const auto& c : cases) {
            ProgramWindows p;
            tv::Mervane& m = p.program().mervane();
            p.widget(m, c.from)->setFocus(Qt::TabFocusReason);
            pressIn(nullptr, c.key);
            QCOMPARE(ProgramWindows::focusName(), QString::fromLatin1(c.chosen));
            QVERIFY2(static_cast<tv::Form&>(m).option(c.chosen).value(), c.chosen);
        }
        // Choosing by key runs the option's Click, as a click does: the extra payment's boxes are shown.
        ProgramWindows p;
        QTest::keyClick(p.widget(p.program().mervane(), "opt_payoff"), Qt::Key_Down);
        QVERIFY(p.program().mervane().box("fp_xpaystrt").visible());
    }

    void enterOnAPaymentCellShowsItsSchedule()
    {
        // Enter on a cell does what a double-click on it does.
        std::vector<std::string> seen[2];
        for (int byKey = 0; byKey < 2; ++byKey) {
            ProgramWindows p;
            p.renderer().action(p.program().mervane().menu("mnu_LnSheet"))->trigger();
            tv::LoanSheet& sheet = p.program().loanSheet();
            p.activate(sheet);
            tvtest::enterPaymentTable(sheet);
            sheet.button("cmdCalcPmts").userClick();
            p.renderer().flushPending();
            tv::Grid& grid = sheet.grid("grdPayments");
            auto* view = qobject_cast<QTableView*>(p.widget(sheet, "grdPayments"));
            view->setFocus(Qt::TabFocusReason);
            view->setCurrentIndex(view->model()->index(3, 2));
            if (byKey)
                pressIn(view, Qt::Key_Return);
            else
                grid.userDoubleClickCell(grid.row(), grid.col());
            for (int r = 0; r < std::min(grid.rows(), 4); ++r) seen[byKey].push_back(grid.text(r, 1));
            seen[byKey].push_back(std::to_string(grid.rows()));
        }
        QCOMPARE(seen[1], seen[0]);
        QVERIFY(std::stoi(seen[1].back()) > 100);  // a schedule's rows, not the table's 9 rates
    }

    void escapeClosesTheTableScreenOnly()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        p.renderer().action(m.menu("mnu_LnSheet"))->trigger();
        tv::LoanSheet& sheet = p.program().loanSheet();
        p.activate(sheet);
        pressIn(p.widget(sheet, "txtDwnPay"), Qt::Key_Escape);
        QVERIFY(!sheet.loaded() || !sheet.visible());
        p.activate(m);
        pressIn(p.widget(m, "fp_Prin"), Qt::Key_Escape);
        QVERIFY(m.visible());
    }

    void f1AsksForTheHelpOfTheFocusedWindow()
    {
        const struct {
            const char* menu;  // chosen on the main screen first, or null
            const char* form;  // the window F1 is pressed in
            const char* topic;
        } cases[] = {{nullptr, "Mervane", "Mervane.hlp#loans"},
                     {"mnu_view_invest", "Mervane", "Mervane.hlp#investments"},
                     {"mnu_LnSheet", "LoanSheet", "Mervane.hlp#table"},
                     {"mnu_IniFileEd", "IniFile", "Mervane.hlp#settings"}};
        for (const auto& c : cases) {
            ProgramWindows p;
            tv::Form& main = p.program().mervane();
            if (c.menu) p.renderer().action(main.menu(c.menu))->trigger();
            tv::Form* form = p.program().app().findForm(c.form);
            QVERIFY(form);
            p.activate(*form);
            QWidget* focus = p.window(*form)->focusWidget();
            pressIn(focus ? focus : p.window(*form)->nextInFocusChain(), Qt::Key_F1);
            const auto& records = p.platform().records();
            QVERIFY2(!records.empty() && records.back().type == tv::PlatformRecord::Type::Help, c.topic);
            QCOMPARE(QString::fromStdString(records.back().text), QString::fromLatin1(c.topic));
        }
    }

    void aSharedMenuKeyMovesOnToTheNextItem()
    {
        // "Set &Colors" and "Windows &Calculator": the first press of C selects one, the next the other.
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        QMenu* launch = p.renderer().action(m.menu("mnu_Launch"))->menu();
        launch->popup(QPoint(0, 0));
        QStringList reached;
        for (int i = 0; i < 3; ++i) {
            pressIn(launch, Qt::Key_C);
            reached << (launch->activeAction() ? launch->activeAction()->text() : QStringLiteral("(none)"));
        }
        launch->close();
        QCOMPARE(reached, (QStringList{"Set &Colors -> Ini", "Windows &Calculator", "Set &Colors -> Ini"}));
        QVERIFY(!p.program().colorFm().visible());
    }

    void theFocusedControlIsMarked()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        // Drawn focused and drawn after the focus has moved on, each kind of control looks different.
        for (const char* name : {"btn_Clear", "opt_payoff", "fp_Prin", "comIntr", "opt_24"}) {
            QWidget* w = p.widget(m, name);
            w->setFocus(Qt::OtherFocusReason);
            QVERIFY2(w->hasFocus(), name);
            const QImage focused = w->grab().toImage();
            p.widget(m, "btn_Payoff2Amt")->setFocus(Qt::OtherFocusReason);
            const QImage unfocused = w->grab().toImage();
            QVERIFY2(focused != unfocused, name);
        }
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    KeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "keyboard_test.moc"

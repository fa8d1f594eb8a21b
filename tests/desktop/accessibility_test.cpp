// What a screen reader and a dark desktop see of the program, on the offscreen platform: every control's
// accessible name through QAccessible, result boxes announcing their formatted value, and colours that
// follow the desktop's palette and stay readable.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QTest>

#include "desktop/accessible_names.h"
#include "desktop/colors.h"
#include "desktop/desktop_defaults.h"
#include "info/about.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "settings/color_form.h"
#include "settings/ini_file_form.h"
#include "tests/desktop/program_windows.h"

using tvtest::ProgramWindows;

namespace {

QString accessible(QWidget* w, QAccessible::Text what)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(what) : QStringLiteral("(not accessible)");
}

// What a screen reader says a control is.
QString nameOf(ProgramWindows& p, const tv::Form& form, const char* control)
{
    p.renderer().flushPending();
    return accessible(p.widget(form, control), QAccessible::Name);
}

// The text colour and the background it is drawn on, by the palette roles each kind of control uses.
std::pair<QColor, QColor> textOnBackground(const tv::Control& control, QWidget* w)
{
    const QPalette& pal = w->palette();
    switch (control.kind()) {
        case tv::Kind::MaskedBox:
        case tv::Kind::TextArea:
        case tv::Kind::Grid:
            return {pal.color(QPalette::Active, QPalette::Text), pal.color(QPalette::Base)};
        case tv::Kind::CommandButton:
            return {pal.color(QPalette::Active, QPalette::ButtonText), pal.color(QPalette::Button)};
        default:
            return {pal.color(QPalette::Active, QPalette::WindowText), pal.color(QPalette::Window)};
    }
}

// Every visible, enabled control with text on `form` reads at 4.5:1 at least.
void checkReadable(ProgramWindows& p, const tv::Form& form)
{
    p.renderer().flushPending();
    for (const tv::Control* c : form.controls()) {
        // A scheme's own colours are its choice; the desktop's colours are the renderer's to keep readable.
        if (!c->visible() || !c->enabled() || !tv::isSystemColor(c->foreColor())) continue;
        switch (c->kind()) {
            case tv::Kind::Label:
            case tv::Kind::OptionButton:
            case tv::Kind::CheckBox:
            case tv::Kind::CommandButton:
            case tv::Kind::MaskedBox:
            case tv::Kind::TextArea:
                break;
            default:
                continue;
        }
        QWidget* w = p.widget(form, c->name().c_str());
        auto [text, back] = textOnBackground(*c, w);
        const double ratio = tvqt::contrastRatio(text, back);
        QVERIFY2(ratio >= tvqt::kReadableContrast,
                 qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                .arg(QString::fromStdString(c->name()), text.name(), back.name())
                                .arg(ratio, 0, 'f', 2)));
    }
}

const QByteArray kWindowDefaults = "[TarvolinDefaults]\r\nUseWindowDefaults=1\r\n";

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    QPalette m_desktop;

private Q_SLOTS:
    void initTestCase() { m_desktop = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(m_desktop); }

    void captionsAreSpokenWithoutMarks()
    {
        QCOMPARE(tvqt::spokenCaption("Loan &Amount: "), QStringLiteral("Loan Amount"));
        QCOMPARE(tvqt::spokenCaption("&Interest Rate:  %"), QStringLiteral("Interest Rate: %"));
        QCOMPARE(tvqt::spokenCaption("&Save && Close"), QStringLiteral("Save & Close"));
        QCOMPARE(tvqt::spokenCaption("Payment\r\n$954.49"), QStringLiteral("Payment $954.49"));
        QCOMPARE(tvqt::spokenCaption("&PayOff:                "), QStringLiteral("PayOff"));
    }

    void controlsOfTheMainScreenAreNamed()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        QCOMPARE(nameOf(p, m, "fp_Prin"), QStringLiteral("Loan Amount"));
        QCOMPARE(nameOf(p, m, "comIntr"), QStringLiteral("Interest Rate: %"));
        QCOMPARE(nameOf(p, m, "fp_Time"), QStringLiteral("Duration: (Yrs)"));
        QCOMPARE(nameOf(p, m, "fp_Payment"), QStringLiteral("Payment"));
        QCOMPARE(nameOf(p, m, "fp_totInt"), QStringLiteral("Total Interest"));
        QCOMPARE(nameOf(p, m, "btn_Calc"), QStringLiteral("Calculate"));
        QCOMPARE(nameOf(p, m, "opt_xpay1x"), QStringLiteral("Xtra Payment (1x)"));
        QCOMPARE(nameOf(p, m, "frm_LnSolve"), QStringLiteral("Solve For"));
        QCOMPARE(accessible(p.widget(m, "opt_payment"), QAccessible::Description),
                 QStringLiteral("What will my payment be?"));

        // The months view renames the duration; extra payments bring a second column of totals.
        p.renderer().action(m.menu("mnu_Months"))->trigger();
        QCOMPARE(nameOf(p, m, "fp_Time"), QStringLiteral("Duration: (Mos)"));
        m.option("opt_xpaymo").userClick();
        QCOMPARE(nameOf(p, m, "fp_xpaystrt"), QStringLiteral("Start Xtra Payments with Installment"));
        QCOMPARE(nameOf(p, m, "fp_lstPay"), QStringLiteral("Last Payment"));
        QCOMPARE(nameOf(p, m, "fp_totIntwX"), QStringLiteral("Total Interest with Xtra Payments"));
        QCOMPARE(nameOf(p, m, "fp_totPaywX"), QStringLiteral("Total Payments with Xtra Payments"));

        // The investment view: other captions, and a box named by its frame.
        p.renderer().action(m.menu("mnu_view_invest"))->trigger();
        QCOMPARE(nameOf(p, m, "fp_Prin"), QStringLiteral("Invested Amount"));
        QCOMPARE(nameOf(p, m, "fpRetFund"), QStringLiteral("Retirement Fund"));
        QCOMPARE(nameOf(p, m, "Opt_CI_daily"), QStringLiteral("Daily"));
        QCOMPARE(nameOf(p, m, "fp_totpay"), QStringLiteral("Total Contributions"));
    }

    void controlsOfTheOtherScreensAreNamed()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        p.renderer().action(m.menu("mnu_LnSheet"))->trigger();
        tv::LoanSheet& sheet = p.program().loanSheet();
        QCOMPARE(nameOf(p, sheet, "txtPurchTotl"), QStringLiteral("Purchase Amount"));
        QCOMPARE(nameOf(p, sheet, "txtLenMax"), QStringLiteral("Maximum loan length (years)"));
        QCOMPARE(nameOf(p, sheet, "comIntrMin"), QStringLiteral("Minimum interest rate %"));
        QCOMPARE(nameOf(p, sheet, "cmdCalcPmts"), QStringLiteral("Show Payments"));
        QCOMPARE(nameOf(p, sheet, "grdPayments"), QStringLiteral("Table"));

        p.renderer().action(m.menu("mnu_IniFileEd"))->trigger();
        tv::IniFile& ini = p.program().iniFile();
        QCOMPARE(nameOf(p, ini, "txt_LnAmt"), QStringLiteral("Amount"));
        QCOMPARE(nameOf(p, ini, "combo_AnnuityInt"), QStringLiteral("Annuity Interest"));
        QCOMPARE(nameOf(p, ini, "btn_save"), QStringLiteral("Save & Close"));
        ini.unload();

        p.renderer().action(m.menu("mnu_SetColors"))->trigger();
        tv::ColorFm& colors = p.program().colorFm();
        QCOMPARE(nameOf(p, colors, "cbo_LnHiTxt"), QStringLiteral("Hilite Text"));
        QCOMPARE(nameOf(p, colors, "cbo_TextBoxBG"), QStringLiteral("Textbox Background"));
        QCOMPARE(nameOf(p, colors, "cbo_Pesets"), QStringLiteral("Preset Color schemes"));
        QCOMPARE(nameOf(p, colors, "chk_WinDefaults"), QStringLiteral("Use Window Defaults for all Screens"));
    }

    void everyControlOnTheScreenHasAName()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        p.renderer().action(m.menu("mnu_LnSheet"))->trigger();
        p.renderer().action(m.menu("mnu_About"))->trigger();
        p.renderer().flushPending();
        for (const tv::Form* form : p.program().app().forms()) {
            if (!form->loaded() || !form->visible()) continue;
            for (const tv::Control* c : form->controls()) {
                if (!c->visible() || c->kind() == tv::Kind::Line || c->kind() == tv::Kind::Picture) continue;
                if (c->kind() == tv::Kind::Label && c->caption().empty()) continue;  // shows nothing
                QWidget* w = p.widget(*form, c->name().c_str());
                QVERIFY2(!accessible(w, QAccessible::Name).isEmpty(), c->name().c_str());
            }
        }
    }

    void resultBoxesAnnounceTheirFormattedValue()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        p.renderer().action(m.menu("mnu_view_loan"))->trigger();
        m.button("btn_Calc").userClick();
        p.renderer().flushPending();
        const QString payment = QString::fromStdString(m.box("fp_Payment").display());
        QVERIFY(payment.startsWith(QLatin1Char('$')));
        QWidget* box = p.widget(m, "fp_Payment");
        QCOMPARE(accessible(box, QAccessible::Value), payment);
        QCOMPARE(accessible(box, QAccessible::Description), payment);
        // While the box is being edited it holds its plain text; the formatted value is still announced.
        m.box("fp_Payment").setFocus();
        QCOMPARE(accessible(box, QAccessible::Value), QString::fromStdString(m.box("fp_Payment").text()));
        QCOMPARE(accessible(box, QAccessible::Description), payment);
        QCOMPARE(accessible(p.widget(m, "fp_totInt"), QAccessible::Value),
                 QString::fromStdString(m.box("fp_totInt").display()));
    }

    void windowDefaultsFollowADarkDesktop()
    {
        QApplication::setPalette(tvqt::darkDesktopPalette());
        ProgramWindows p(kWindowDefaults);
        tv::Mervane& m = p.program().mervane();
        QVERIFY(p.program().module1().colors.gUseWindowDefaults == 1);
        QCOMPARE(p.window(m)->findChild<QWidget*>(QStringLiteral("client"))->palette().color(QPalette::Window),
                 tvqt::darkDesktopPalette().color(QPalette::Button));
        QCOMPARE(p.widget(m, "lbl_Prin")->palette().color(QPalette::Window),
                 tvqt::darkDesktopPalette().color(QPalette::Button));
        checkReadable(p, m);
        // The highlighted label (what is solved for) stays blue, lighter until it reads on the dark face.
        const QColor solved = p.widget(m, "lbl_Payment")->palette().color(QPalette::Active, QPalette::WindowText);
        QCOMPARE(solved.hslHue(), tvqt::darkDesktopPalette().color(QPalette::Highlight).hslHue());
        p.renderer().action(m.menu("mnu_view_invest"))->trigger();
        checkReadable(p, m);
        p.renderer().action(m.menu("mnu_view_loan"))->trigger();
        p.renderer().action(m.menu("mnu_LnSheet"))->trigger();
        checkReadable(p, p.program().loanSheet());
    }

    void windowDefaultsStayReadableOnALightDesktop()
    {
        ProgramWindows p(kWindowDefaults);
        checkReadable(p, p.program().mervane());
    }

    void theDesignsColoursStayReadableOnADarkDesktop()
    {
        // The boxes' pale colours are the scheme's, their text the desktop's: dark text, not white.
        QApplication::setPalette(tvqt::darkDesktopPalette());
        ProgramWindows p;
        checkReadable(p, p.program().mervane());
        p.renderer().action(p.program().mervane().menu("mnu_LnSheet"))->trigger();
        checkReadable(p, p.program().loanSheet());
    }

    void aNewDesktopPaletteRepaintsTheWindows()
    {
        ProgramWindows p(kWindowDefaults);
        tv::Mervane& m = p.program().mervane();
        QVERIFY(p.widget(m, "lbl_Prin")->palette().color(QPalette::Window) !=
                tvqt::darkDesktopPalette().color(QPalette::Button));
        // The desktop switches to a dark theme; the windows hear of it from the event loop.
        QApplication::setPalette(tvqt::darkDesktopPalette());
        QCoreApplication::processEvents();
        QCOMPARE(p.widget(m, "lbl_Prin")->palette().color(QPalette::Window),
                 tvqt::darkDesktopPalette().color(QPalette::Button));
        QCOMPARE(p.widget(m, "fp_Prin")->palette().color(QPalette::Base),
                 tvqt::darkDesktopPalette().color(QPalette::Base));
        checkReadable(p, m);
    }

    // Not a check: with TARVOLIN_SCREENS_DIR set (scripts/screens does), pictures of the main screen and the
    // table screen on a dark desktop, in the desktop's colours and in the design's, for a person to look at.
    void darkPictures()
    {
        const QByteArray dir = qgetenv("TARVOLIN_SCREENS_DIR");
        if (dir.isEmpty()) QSKIP("TARVOLIN_SCREENS_DIR is not set");
        const QDir out(QString::fromLocal8Bit(dir));
        QVERIFY(QDir().mkpath(out.path()));
        QApplication::setPalette(tvqt::darkDesktopPalette());
        for (const auto& [settings, name] :
             {std::pair{kWindowDefaults, "window_defaults"}, std::pair{QByteArray(), "design"}}) {
            ProgramWindows p(settings);
            tv::Mervane& m = p.program().mervane();
            m.option("opt_xpaymo").userClick();
            m.button("btn_Calc").userClick();
            p.renderer().flushPending();
            QVERIFY(
                p.window(m)->grab().save(out.filePath(QStringLiteral("dark_%1_loans.png").arg(QLatin1String(name)))));
            p.renderer().action(m.menu("mnu_view_invest"))->trigger();
            p.renderer().flushPending();
            QVERIFY(p.window(m)->grab().save(
                out.filePath(QStringLiteral("dark_%1_investments.png").arg(QLatin1String(name)))));
        }
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "accessibility_test.moc"

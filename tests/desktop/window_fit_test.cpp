// Windows that fit today's desktop, on the offscreen platform: a window grows from its designed size with its
// grid and remembers its place; marks and greyed text read in every scheme on a light and a dark desktop.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <vector>

#include "desktop/colors.h"
#include "desktop/desktop_defaults.h"
#include "desktop/masked_edit.h"
#include "main_screen/mervane.h"
#include "qt_locale/qt_translator.h"
#include "tests/desktop/program_windows.h"

using tvtest::ProgramWindows;

namespace {

// The contrast of the pixels of `b` against the same pixels of `a`, over the pixels they differ in: the best, or
// what a tenth of them reach (the body of a mark, not its anti-aliased edge); 1 when nothing differs.
double contrastOfChange(const QImage& a, const QImage& b, bool best = false)
{
    std::vector<double> contrasts;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                contrasts.push_back(tvqt::contrastRatio(QColor(a.pixel(x, y)), QColor(b.pixel(x, y))));
    std::sort(contrasts.begin(), contrasts.end(), std::greater<>());
    return contrasts.empty() ? 1 : contrasts[best ? 0 : contrasts.size() / 10];
}

// What `w` draws with a mark (a checked indicator, a text) against what it draws without it.
double markContrast(QWidget* w, const std::function<void(bool)>& showMark)
{
    showMark(false);
    const QImage plain = w->grab().toImage();
    showMark(true);
    const QImage marked = w->grab().toImage();
    return contrastOfChange(plain, marked);
}

// Every mark of a window that must read: option dots and check marks (checked against unchecked), the unchecked
// indicator against the control's background (caption hidden), and greyed texts. "" when all read.
QString unreadable(ProgramWindows& p, const tv::Form& form)
{
    QString faults;
    for (const tv::Control* c : form.controls()) {
        QWidget* w = p.renderer().widget(*c);
        if (!w || !w->isVisibleTo(p.window(form)) || w->width() < 4) continue;
        double contrast = 21;
        auto text = [&](auto* t) {
            const QString was = t->text();
            if (!w->isEnabled() && !was.trimmed().isEmpty())
                contrast = std::min(contrast, markContrast(t, [&](bool on) { t->setText(on ? was : QString()); }));
        };
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable()) {
            const bool was = b->isChecked();
            const QString caption = b->text();
            contrast = markContrast(b, [b](bool on) { b->setChecked(on); });
            b->setText({});
            b->setChecked(false);
            QImage background(b->size() * b->devicePixelRatio(), QImage::Format_RGB32);
            background.fill(b->palette().color(QPalette::Window));
            contrast = std::min(contrast, contrastOfChange(background, b->grab().toImage(), true));
            b->setText(caption);
            b->setChecked(was);
        }
        if (auto* b = qobject_cast<QAbstractButton*>(w)) text(b);
        if (auto* l = qobject_cast<QLabel*>(w)) text(l);
        if (auto* e = qobject_cast<QLineEdit*>(w)) text(e);
        if (auto* box = qobject_cast<QComboBox*>(w); box && !w->isEnabled() && box->currentIndex() >= 0) {
            const int index = box->currentIndex();
            contrast = markContrast(box, [&](bool on) { box->setCurrentIndex(on ? index : -1); });
        }
        if (contrast < tvqt::kReadableContrast)
            faults += QStringLiteral("%1.%2 %3:1; ").arg(form.name().c_str(), w->objectName()).arg(contrast, 0, 'f', 1);
    }
    return faults;
}

void click(tv::Form& form, const char* name)
{
    form.control(name).userClick();
}

// The captions of a shown form wider than the room their control gives them, in the font they are drawn with.
QString clippedCaptions(ProgramWindows& p, const tv::Form& form)
{
    if (!p.window(form)) return QStringLiteral("%1 not shown; ").arg(form.name().c_str());
    QString faults;
    for (const tv::Control* control : form.controls()) {
        QWidget* w = p.renderer().widget(*control);
        if (!w || !w->isVisibleTo(p.window(form))) continue;
        QString text;
        int room = w->width();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            text = b->text();
            const bool indicator = qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w);
            room -= indicator ? w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) + 8 : 16;
        } else if (auto* l = qobject_cast<QLabel*>(w); l && l->wordWrap()) {
            // A wrapped text's lines all fit the label's height.
            if (l->heightForWidth(l->width()) > l->height() + 1)
                faults += QStringLiteral("%1.%2 wraps below its height; ").arg(form.name().c_str(), w->objectName());
        } else if (auto* l = qobject_cast<QLabel*>(w); l && l->textFormat() != Qt::RichText) {
            text = l->text();
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            text = g->title();
            room -= 16;
        }
        text.remove(QLatin1Char('&'));
        for (const QString& line : text.split(QLatin1Char('\n')))
            if (QFontMetrics(w->font()).horizontalAdvance(line.trimmed()) > room + 1)
                faults += QStringLiteral("%1.%2 \"%3\"; ").arg(form.name().c_str(), w->objectName(), line);
    }
    return faults;
}

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

    QPalette m_desktop = QApplication::palette();
    QTemporaryDir m_config;

    // The program with the table screen open; its payment table shown for `purchase` unless empty.
    static void openTable(ProgramWindows& p, const char* purchase = "")
    {
        p.program().mervane().menu("mnu_LnSheet").userChoose();
        if (*purchase) tvtest::enterPaymentTable(p.sheet(), purchase);
        if (*purchase) click(p.sheet(), "cmdCalcPmts");
        p.renderer().flushPending();
    }

private Q_SLOTS:
    void init() { qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit()); }  // no places from elsewhere

    // A translated caption longer than the English one is drawn smaller where it must, never cut off: in every
    // option of both views, on the table screen, the settings screens and the history.
    void everyTranslatedCaptionFitsItsControl_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de_DE", "fr_FR", "es_ES"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyTranslatedCaptionFitsItsControl()
    {
        QFETCH(QString, language);
        auto translator = tvqt::loadTranslation(QLocale(language), {QString::fromUtf8(TARVOLIN_TRANSLATIONS_DIR)});
        QVERIFY(translator);
        ProgramWindows p({}, translator);
        tv::Mervane& m = p.program().mervane();
        QString faults;
        using Menu = tv::Mervane::MenuItemName;
        for (Menu unit : std::initializer_list<Menu>{"mnu_Years", "mnu_Months"})
            for (Menu view : std::initializer_list<Menu>{"mnu_view_loan", "mnu_view_invest"}) {
                p.renderer().action(m.menu(unit))->trigger();
                p.renderer().action(m.menu(view))->trigger();
                for (tv::Control* c : m.controls())
                    if (c->kind() == tv::Kind::OptionButton && c->visible() && c->enabled()) {
                        c->userClick();
                        p.renderer().flushPending();
                        faults += clippedCaptions(p, m);
                    }
            }
        openTable(p);
        faults += clippedCaptions(p, p.sheet());
        for (Menu window : std::initializer_list<Menu>{"mnu_History", "mnu_About", "mnu_UpdateHist", "mnu_IniFileEd"})
            m.menu(window).userChoose();
        click(*p.program().app().findForm("IniFile"), "btn_colors");
        p.renderer().flushPending();
        for (const char* name : {"History", "About", "UpdateHist", "IniFile", "ColorFm"})
            faults += clippedCaptions(p, *p.program().app().findForm(name));
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
    void cleanup()
    {
        QApplication::setPalette(m_desktop);
        QFile::remove(tvqt::windowPlacesFile());
    }

    void everyMarkReadsInEverySchemeOnEveryDesktop_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<int>("preset");  // -1: the desktop's own colours
        for (bool dark : {false, true})
            for (int preset = -1; preset < 7; ++preset)
                QTest::addRow("%s desktop, scheme %d", dark ? "dark" : "light", preset) << dark << preset;
    }
    void everyMarkReadsInEverySchemeOnEveryDesktop()
    {
        QFETCH(bool, dark);
        QFETCH(int, preset);
        if (dark) QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        click(m, "btn_Calc");
        m.menu("mnu_SetColors").userChoose();
        tv::Form& colors = *p.program().app().findForm("ColorFm");
        if (preset >= 0) static_cast<tv::ComboList&>(colors.control("cbo_Pesets")).userPick(preset);
        if (preset < 0) click(colors, "chk_WinDefaults");
        click(colors, "but_testScheme");
        p.renderer().flushPending();
        QCOMPARE(unreadable(p, m) + unreadable(p, colors), QString());
        colors.userClose();
        openTable(p);
        QCOMPARE(unreadable(p, p.sheet()), QString());
    }

    void theAnswerIsMarkedByMoreThanColourAndAGreyedBoxReadsAsEnabled()
    {
        ProgramWindows p;
        tv::Mervane& m = p.program().mervane();
        p.renderer().flushPending();
        auto* payment = qobject_cast<tvqt::MaskedEdit*>(p.widget(m, "fp_Payment"));
        QVERIFY(payment->emphasis() && payment->font().bold());
        QVERIFY(!qobject_cast<tvqt::MaskedEdit*>(p.widget(m, "fp_Prin"))->emphasis());
        m.control("fp_Prin").setEnabled(false);
        QWidget* greyed = p.widget(m, "fp_Prin");
        QVERIFY(!greyed->isEnabled());
        for (auto role : {QPalette::Text, QPalette::Base})
            QCOMPARE(greyed->palette().color(QPalette::Disabled, role),
                     greyed->palette().color(QPalette::Active, role));
    }

    void aWindowGrowsFromItsDesignedSizeAndOnlyItsGridWithIt()
    {
        ProgramWindows p;
        openTable(p);
        QWidget* window = p.window(p.sheet());
        QWidget* grid = p.widget(p.sheet(), "grdPayments");
        const QSize designed = window->size();
        const QSize gridDesigned = grid->size();
        const QRect box = p.widget(p.sheet(), "txtPurchTotl")->geometry();
        const QRect note = p.widget(p.sheet(), "lblScheduleNote")->geometry();
        QCOMPARE(window->minimumSize(), designed);
        window->resize(designed + QSize(300, 200));
        QCOMPARE(grid->size(), gridDesigned + QSize(300, 200));
        QCOMPARE(p.widget(p.sheet(), "txtPurchTotl")->geometry(), box);
        QCOMPARE(p.widget(p.sheet(), "lblScheduleNote")->geometry(), note.translated(0, 200));
        QVERIFY(p.window(p.program().mervane())->maximumWidth() > p.window(p.program().mervane())->minimumWidth());
    }

    void testSchemeMovesTheDialogsOffTheMainScreen()
    {
        ProgramWindows p;
        p.program().mervane().menu("mnu_IniFileEd").userChoose();
        click(*p.program().app().findForm("IniFile"), "btn_colors");
        tv::Form& colors = *p.program().app().findForm("ColorFm");
        QCOMPARE(p.renderer().topmostWindow(), p.window(colors));
        const QRect main = p.window(p.program().mervane())->frameGeometry();
        const int covered = (main & p.window(colors)->frameGeometry()).width();
        static_cast<tv::ComboList&>(colors.control("cbo_Pesets")).userPick(3);
        click(colors, "but_testScheme");
        QVERIFY((main & p.window(colors)->frameGeometry()).width() < covered);
    }

    void everyScheduleColumnIsAsWideAsItsWidestText()
    {
        ProgramWindows p;
        openTable(p, "100,000,000");
        p.sheet().grid("grdPayments").userClickCell(3, 3);
        click(p.sheet(), "cmdCalcAmort");
        p.renderer().flushPending();
        auto* view = qobject_cast<QTableView*>(p.widget(p.sheet(), "grdPayments"));
        const QFontMetrics fm(view->font());
        QVERIFY(view->model()->rowCount() > 100);
        for (int c = 0; c < view->model()->columnCount(); ++c)
            for (int r = 0; r < view->model()->rowCount(); ++r) {
                const QString text = view->model()->index(r, c).data().toString();
                // 3 pixels of margin either side of the text, and a little more for the text layout.
                if (fm.horizontalAdvance(text) > view->columnWidth(c) - 8) QFAIL(qPrintable(text));
            }
    }

    void aWindowOpensWhereAndAsLargeAsItWasLeft_data()
    {
        QTest::addColumn<QByteArray>("file");  // windows.json before the second run; "" as the first left it
        QTest::addRow("as left") << QByteArray();
        QTest::addRow("a broken file is ignored") << QByteArray("{\"LoanSheet\": {\"x\": 1");
        QTest::addRow("a wrong entry is ignored") << QByteArray("{\"LoanSheet\": {\"x\": \"left\"}}");
    }
    void aWindowOpensWhereAndAsLargeAsItWasLeft()
    {
        QFETCH(QByteArray, file);
        QRect designed;
        QRect left;
        {
            ProgramWindows p;
            openTable(p);
            QWidget* window = p.window(p.sheet());
            designed = QRect(window->pos(), window->size());
            window->setGeometry(window->geometry().adjusted(40, 30, 160, 110));
            left = QRect(window->pos(), window->size());
            p.sheet().userClose();
        }
        QFile f(tvqt::windowPlacesFile());
        if (!file.isEmpty()) QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(file) > 0);
        f.close();
        ProgramWindows p;
        openTable(p);
        QCOMPARE(QRect(p.window(p.sheet())->pos(), p.window(p.sheet())->size()), file.isEmpty() ? left : designed);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    WindowFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_fit_test.moc"

// The Loan Payment Table in real widgets on the offscreen platform: opened from the main screen's menu, a table
// shown by its button, a payment cell double-clicked, and that cell's schedule in the table view.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <memory>

#include "app/program.h"
#include "desktop/desktop_defaults.h"
#include "desktop/renderer.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "screen_model/scripted_platform.h"
#include "tests/desktop/program_windows.h"

class LoanSheetWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<tvtest::ProgramWindows> m_windows;
    tv::Program* m_program = nullptr;
    tv::ScriptedPlatform* m_platform = nullptr;
    tvqt::Renderer* m_renderer = nullptr;

    tv::LoanSheet& sheet() { return m_program->loanSheet(); }

    template <class W>
    W* widget(const char* name)
    {
        auto* w = qobject_cast<W*>(m_renderer->widget(static_cast<tv::Form&>(sheet()).control(name)));
        if (!w) qFatal("no widget of that kind for %s", name);
        return w;
    }

    QString text(const QModelIndex& index) { return index.model()->data(index).toString(); }

    // Opens the table from the main screen's menu and shows the payments for 100,000 with 20 % down over
    // 15 to 30 years at 6.00 to 8.00 %.
    QTableView* showTable()
    {
        QAction* open = m_renderer->action(m_program->mervane().menu("mnu_LnSheet"));
        if (!open) qFatal("no action for mnu_LnSheet");
        open->trigger();
        m_renderer->flushPending();
        tvtest::enterPaymentTable(sheet(), "100,000");
        QTest::mouseClick(widget<QPushButton>("cmdCalcPmts"), Qt::LeftButton);
        m_renderer->flushPending();
        return widget<QTableView>("grdPayments");
    }

private Q_SLOTS:
    void init()
    {
        m_windows = std::make_unique<tvtest::ProgramWindows>();
        m_program = &m_windows->program();
        m_platform = &m_windows->platform();
        m_renderer = &m_windows->renderer();
    }

    void cleanup()
    {
        m_windows.reset();
        m_program = nullptr;
        m_platform = nullptr;
        m_renderer = nullptr;
    }

    void opensBesideTheMainScreenAndShowsTheTable()
    {
        QTableView* view = showTable();
        QWidget* window = m_renderer->window(sheet());
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(m_renderer->window(m_program->mervane())->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("LoanSheet"));
        QVERIFY(m_platform->messages().empty());

        QAbstractItemModel* model = view->model();
        QCOMPARE(model->rowCount(), 16);
        QCOMPARE(model->columnCount(), 16);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("15 Years"));
        QCOMPARE(model->headerData(15, Qt::Horizontal).toString(), QStringLiteral("30 Years"));
        QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("6.00%"));
        QCOMPARE(model->headerData(8, Qt::Vertical).toString(), QStringLiteral("8.00%"));
        QCOMPARE(text(model->index(0, 15)), QStringLiteral("$479.64"));
        QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(widget<QPushButton>("cmdCalcAmort")->isEnabled());
    }

    void aDoubleClickedPaymentShowsItsSchedule()
    {
        QTableView* view = showTable();
        QAbstractItemModel* model = view->model();
        const QModelIndex thirtyYearsAtSix = model->index(0, 15);
        view->scrollTo(thirtyYearsAtSix);
        QRect cell = view->visualRect(thirtyYearsAtSix);
        QVERIFY(view->viewport()->rect().contains(cell.center()));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        m_renderer->flushPending();

        QVERIFY(sheet().showingSchedule);
        QCOMPARE(model->rowCount(), 360);
        QCOMPARE(model->columnCount(), 4);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Principle Paid"));
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Total Interest"));
        QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
        QCOMPARE(text(model->index(0, 0)), QStringLiteral("$79.64"));
        QCOMPARE(text(model->index(0, 1)), QStringLiteral("$400.00"));
        QCOMPARE(text(model->index(0, 2)), QStringLiteral("$79,920.36"));
        QCOMPARE(text(model->index(0, 3)), QStringLiteral("$400.00"));
        QCOMPARE(text(model->index(359, 2)), QStringLiteral("$0.00"));
        QCOMPARE(sheet().grid("grdPayments").text(0, 0), std::string("Payment\n$479.64"));
        QCOMPARE(view->horizontalHeader()->height(), tvqt::TwipScale::forScreen(nullptr).px(480));
        QVERIFY(!widget<QPushButton>("cmdCalcAmort")->isEnabled());
    }

    void theCloseBoxReleasesTheToolbarButton()
    {
        showTable();
        QVERIFY(m_program->mervane().toolbar("Toolbar1").button(2).pressed);
        m_renderer->window(sheet())->close();  // the window asks the form, which unloads
        QVERIFY(!sheet().loaded());
        QVERIFY(!m_renderer->window(sheet()));
        QVERIFY(!m_program->mervane().toolbar("Toolbar1").button(2).pressed);
    }

    // With TARVOLIN_SCREENS_DIR set, pictures of the window with a table and with a schedule, for a person to
    // look at.
    void pictures()
    {
        QByteArray dir = qgetenv("TARVOLIN_SCREENS_DIR");
        if (dir.isEmpty()) QSKIP("TARVOLIN_SCREENS_DIR is not set");
        QDir out(QString::fromLocal8Bit(dir));
        QVERIFY(QDir().mkpath(out.path()));
        QTableView* view = showTable();
        QWidget* window = m_renderer->window(sheet());
        QVERIFY(window->grab().save(out.filePath(QStringLiteral("loan_sheet_table.png"))));
        sheet().grid("grdPayments").userDoubleClickCell(1, 16);
        m_renderer->flushPending();
        QVERIFY(view->model()->rowCount() == 360);
        QVERIFY(window->grab().save(out.filePath(QStringLiteral("loan_sheet_schedule.png"))));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    LoanSheetWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "loan_sheet_window_test.moc"

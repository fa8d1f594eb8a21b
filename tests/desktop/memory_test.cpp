// The program's memory over many cycles of a user's work, on the offscreen platform: typing, calculating,
// opening and closing the table screen and the settings editor must not leave anything behind.
#include <malloc.h>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QTest>

#include "desktop/desktop_defaults.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "settings/ini_file_form.h"
#include "tests/desktop/program_windows.h"

using tvtest::ProgramWindows;

namespace {

// What the window system does with a window shown (the offscreen platform does not): draws its icon.
void drawIcons()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->windowIcon().pixmap(QSize(64, 64));
}

// One cycle: a new amount typed, Calculate, the history window opened and closed, the table screen opened and
// closed, the editor opened and closed. The history keeps what it records by design (up to its entry limit), so
// each cycle clears it: only a leak grows the heap.
void cycle(ProgramWindows& p, int i)
{
    tv::Mervane& m = p.program().mervane();
    QWidget* amount = p.widget(m, "fp_Prin");
    amount->setFocus(Qt::TabFocusReason);
    QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(amount, QString::number(100000 + i % 50 * 1000));
    qobject_cast<QPushButton*>(p.widget(m, "btn_Calc"))->click();
    p.renderer().action(m.menu("mnu_History"))->trigger();
    qobject_cast<QPushButton*>(p.widget(p.program().historyWindow(), "btn_Close"))->click();
    p.program().history().store().clear();
    p.renderer().action(m.menu("mnu_LnSheet"))->trigger();
    drawIcons();
    qobject_cast<QPushButton*>(p.widget(p.program().loanSheet(), "Btn_Close"))->click();
    p.renderer().action(m.menu("mnu_IniFileEd"))->trigger();
    drawIcons();
    qobject_cast<QPushButton*>(p.widget(p.program().iniFile(), "btn_close"))->click();
    // Windows of unloaded forms go with the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

struct Usage {
    qsizetype objects;
    std::size_t heapBytes;
};

Usage usage()
{
    return {qApp->findChildren<QObject*>().size() + QApplication::allWidgets().size(),
            static_cast<std::size_t>(mallinfo2().uordblks)};
}

}  // namespace

class MemoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cyclesOfWorkLeaveNothingBehind()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer keeps its own heap, which mallinfo2 does not see");
#endif
        // As with a screen reader listening: every window's controls get their accessible interfaces.
        QAccessible::setActive(true);
        ProgramWindows p;
        int done = 0;
        auto runTo = [&](int n) {
            for (; done < n; ++done) cycle(p, done);
            return usage();
        };
        const Usage early = runTo(200);
        const Usage late = runTo(2000);
        QCOMPARE(late.objects, early.objects);
        QVERIFY2(
            late.heapBytes < early.heapBytes + 2 * 1024 * 1024,
            qPrintable(
                QStringLiteral("%1 bytes after 200 cycles, %2 after 2000").arg(early.heapBytes).arg(late.heapBytes)));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    MemoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "memory_test.moc"

// The Qt platform's saved files: the CSV's bytes as they are, and the PDF's table read back through
// pdftotext, for the table screen's table and schedule.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "app/program.h"
#include "desktop/desktop_defaults.h"
#include "desktop/qt_platform.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "screen_model/scripted_platform.h"
#include "tests/desktop/program_windows.h"

class QtPlatformFilesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<tvtest::ProgramWindows> m_windows;
    tv::Program* m_program = nullptr;
    QStringList m_offered;  // the names the save dialog was offered

    tv::LoanSheet& sheet() { return m_program->loanSheet(); }

    void showTable()
    {
        m_program->mervane().menu("mnu_LnSheet").userChoose();
        tvtest::enterPaymentTable(sheet());
        sheet().button("cmdCalcPmts").userClick();
    }

    // A platform whose save dialog answers with `path` (empty: cancelled).
    std::unique_ptr<tvqt::QtPlatform> platformSavingTo(const QString& path)
    {
        auto platform = std::make_unique<tvqt::QtPlatform>();
        platform->setSaveChooser([this, path](const QString& suggested, const QString&) {
            m_offered << suggested;
            return path;
        });
        return platform;
    }

    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The PDF's text, its layout kept; empty when pdftotext is not installed.
    static QString pdfText(const QString& path)
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty()) return {};
        QProcess p;
        p.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) return QStringLiteral("pdftotext failed");
        return QString::fromUtf8(p.readAllStandardOutput());
    }

private Q_SLOTS:
    void init()
    {
        m_windows = std::make_unique<tvtest::ProgramWindows>();
        m_program = &m_windows->program();
        m_offered.clear();
    }

    void cleanup()
    {
        m_windows.reset();
        m_program = nullptr;
    }

    void aCsvIsWrittenByteForByte()
    {
        showTable();
        const std::string csv = sheet().CsvText();
        const QString path = m_windows->filePath(QStringLiteral("table.csv"));
        auto platform = platformSavingTo(path);
        QVERIFY(platform->saveFile("Loan payment table.csv", csv));
        QCOMPARE(m_offered, QStringList{QStringLiteral("Loan payment table.csv")});
        const QByteArray written = read(path);
        QCOMPARE(written, QByteArray::fromStdString(csv));
        QVERIFY(written.startsWith("Purchase,100000.00\r\nDown payment,20000.00\r\n"));
        QVERIFY(written.contains("\r\n\r\nRate (%),15 years,16 years,"));
        QVERIFY(written.contains("\r\n6,675.09,"));
        QVERIFY(written.endsWith("\r\n"));
    }

    void aCancelledSaveWritesNothing()
    {
        auto platform = platformSavingTo(QString());
        QVERIFY(!platform->saveFile("x.csv", "a,b\r\n"));
        QVERIFY(!platform->savePdf("x.pdf", {"Title", {{"a", "b"}}}));
        QCOMPARE(QDir(m_windows->folder()).entryList(QDir::Files), QStringList{});
    }

    void theTablesPdfReadsBackAsItsTitleAndCells()
    {
        showTable();
        const QString path = m_windows->filePath(QStringLiteral("table.pdf"));
        auto platform = platformSavingTo(path);
        QVERIFY(platform->savePdf("Loan payment table.pdf", sheet().app().shown(sheet().PdfTable())));
        QVERIFY(read(path).startsWith("%PDF-"));
        const QString text = pdfText(path);
        if (text.isEmpty()) QSKIP("pdftotext (poppler-utils, installed by scripts/deps) is not installed");
        QVERIFY2(text.simplified().startsWith(QStringLiteral("Loan Payment Table: monthly payments Purchase: "
                                                             "$100,000.00 Down payment: $20,000.00 (20%) Amount "
                                                             "financed: $80,000.00")),
                 qPrintable(text));
        const QStringList lines = text.split(QLatin1Char('\n'));
        // Sixteen lengths fit one landscape page: a header row and one row per rate, every cell whole.
        auto rows = [&](const QString& start) {
            QStringList found;
            for (const QString& l : lines)
                if (l.trimmed().startsWith(start)) found << l.simplified();
            return found;
        };
        const QStringList headers = rows(QStringLiteral("Rate 15"));
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers[0], QStringLiteral("Rate 15 Years 16 Years 17 Years 18 Years 19 Years 20 Years 21 Years "
                                            "22 Years 23 Years 24 Years 25 Years 26 Years 27 Years 28 Years 29 Years "
                                            "30 Years"));
        const QStringList six = rows(QStringLiteral("6.00%"));
        QCOMPARE(six.size(), 1);
        QVERIFY2(six[0].startsWith(QStringLiteral("6.00% $675.09 ")), qPrintable(text));
        QCOMPARE(six[0].count(QLatin1Char('$')), 16);
        QVERIFY(six[0].endsWith(QStringLiteral("$479.64")));
        QCOMPARE(rows(QStringLiteral("8.00%")).size(), 1);
    }

    void theSchedulesPdfRunsOverPagesWithItsHeaderOnEach()
    {
        showTable();
        sheet().grid("grdPayments").userDoubleClickCell(1, 16);
        const QString path = m_windows->filePath(QStringLiteral("schedule.pdf"));
        auto platform = platformSavingTo(path);
        QVERIFY(platform->savePdf("Amortization schedule.pdf", sheet().app().shown(sheet().PdfTable())));
        const QString text = pdfText(path);
        if (text.isEmpty()) QSKIP("pdftotext (poppler-utils, installed by scripts/deps) is not installed");
        QVERIFY2(text.simplified().contains(QStringLiteral("Rate: 6.00% Length: 30 years Monthly payment: $479.64")),
                 qPrintable(text.left(400)));
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY2(pages.size() > 2, qPrintable(QString::number(pages.size())));
        for (const QString& page : pages)
            if (!page.trimmed().isEmpty())
                QVERIFY(page.simplified().contains(
                    QStringLiteral("Month Principle Paid Interest Paid Principle Balance Total Interest")));
        QVERIFY(text.simplified().contains(QStringLiteral("1 $79.64 $400.00 $79,920.36 $400.00")));
        QVERIFY(text.simplified().contains(QStringLiteral("360 $477.51 $2.39 $0.00 $92,670.66")));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    QtPlatformFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "qt_platform_files_test.moc"

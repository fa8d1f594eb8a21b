// Tables written as PDF and read back through pdftotext: every number whole, and on every page the terms,
// "Page n of m", the header and the first column, with no page of a few orphan rows.
#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "common/formats.h"
#include "common/numbers.h"
#include "desktop/desktop_defaults.h"
#include "desktop/table_pdf.h"

Q_DECLARE_METATYPE(tv::TableDocument)

namespace {

const std::string kTerms = "\nPurchase: $100,000.00\nDown payment: $20,000.00 (20%)\nAmount financed: $80,000.00";

// Payments on 80000 at 6 % and up by 0.25 % over 1, 2, ... `lengths` lengths of `unit`.
tv::TableDocument paymentTable(int rates, int lengths, const std::string& unit)
{
    tv::TableDocument doc{"Loan Payment Table" + kTerms, {{"Rate"}}};
    for (int j = 1; j <= lengths; ++j) doc.rows[0].push_back(std::to_string(j) + " " + unit);
    for (int i = 0; i < rates; ++i) {
        const double m = (6 + i * 0.25) / 1200;
        doc.rows.push_back({tv::formatNumber(6 + i * 0.25, tv::kFixed2Format) + "%"});
        for (int j = 1; j <= lengths; ++j)
            doc.rows.back().push_back(tv::formatNumber(
                80000 * m / (1 - std::pow(1 + m, -(unit == "Years" ? 12 * j : j))), tv::kCurrencyFormat));
    }
    return doc;
}

}  // namespace

class TablePdfTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsBackWhole_data()
    {
        QTest::addColumn<tv::TableDocument>("table");
        QTest::newRow("9 rates by 16 years on one page") << paymentTable(9, 16, "Years");
        QTest::newRow("101 rates by 200 month columns in blocks") << paymentTable(101, 200, "Months");
        QTest::newRow("360 rows over pages, a schedule's length") << paymentTable(360, 4, "Years");
    }

    void readsBackWhole()
    {
        QFETCH(tv::TableDocument, table);
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty()) QSKIP("pdftotext (poppler-utils, installed by scripts/deps) is not installed");
        QTemporaryDir dir;
        QVERIFY(tvqt::writeTablePdf(dir.filePath(QStringLiteral("t.pdf")), table));
        QProcess p;
        p.start(tool, {QStringLiteral("-layout"), dir.filePath(QStringLiteral("t.pdf")), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(60000) && p.exitCode() == 0);
        const QString text = QString::fromUtf8(p.readAllStandardOutput());

        // Every cell stands whole between blanks: none is wrapped onto a second line.
        const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const QSet<QString> tokens(words.begin(), words.end());
        for (std::size_t r = 1; r < table.rows.size(); ++r)
            for (const std::string& cell : table.rows[r])
                QVERIFY2(tokens.contains(QString::fromStdString(cell)), cell.c_str());

        QStringList pages = text.split(QLatin1Char('\f'));
        if (pages.last().trimmed().isEmpty()) pages.removeLast();
        // A body line begins with its rate: the first column is on every page.
        const QRegularExpression bodyLine(QStringLiteral("^\\s*\\d+\\.\\d\\d% "), QRegularExpression::MultilineOption);
        QStringList headings;  // the header row on a page: the first column's heading, then another's
        for (std::size_t c = 1; c < table.rows[0].size(); ++c)
            headings << QRegularExpression::escape(QString::fromStdString(table.rows[0][c]));
        const QRegularExpression header(QString::fromStdString(table.rows[0][0]) + " (" + headings.join('|') + ")");
        int fewest = 1 << 30, most = 0;
        for (int i = 0; i < pages.size(); ++i) {
            const QString page = pages[i].simplified();
            QVERIFY2(page.contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size())), qPrintable(page));
            QVERIFY2(page.contains(QStringLiteral("Down payment: $20,000.00 (20%) Amount financed: $80,000.00")),
                     qPrintable(page));
            QVERIFY(page.contains(header));
            fewest = std::min(fewest, static_cast<int>(pages[i].count(bodyLine)));
            most = std::max(most, static_cast<int>(pages[i].count(bodyLine)));
        }
        QVERIFY2(fewest * 2 >= most, qPrintable(QStringLiteral("%1 rows beside %2").arg(fewest).arg(most)));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    TablePdfTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "table_pdf_test.moc"

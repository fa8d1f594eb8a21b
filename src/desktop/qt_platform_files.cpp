// The Qt platform's saved files and chart windows.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QShortcut>
#include <QWidget>

#include "desktop/chart_window.h"
#include "desktop/qt_platform.h"
#include "desktop/table_pdf.h"

namespace tvqt {

QString QtPlatform::chooseSaveFile(const std::string& suggestedName, const QString& filter)
{
    const QString name = QString::fromStdString(suggestedName);
    if (m_saveChooser) return m_saveChooser(name, filter);
    return QFileDialog::getSaveFileName(dialogParent(), QCoreApplication::translate("Desktop", "Save As"),
                                        QDir::home().filePath(name), filter);
}

bool QtPlatform::saveFile(const std::string& suggestedName, const std::string& bytes)
{
    if (m_ended) return false;
    const QString file =
        chooseSaveFile(suggestedName, QCoreApplication::translate("Desktop", "CSV files (*.csv);;All files (*)"));
    if (file.isEmpty()) return false;
    QFile out(file);
    const bool written =
        out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        out.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) && out.flush();
    out.close();
    if (!written) {
        messageBox((QCoreApplication::translate("Desktop", "The file could not be written:\n%1").arg(file) +
                    QLatin1Char('\n') + out.errorString())
                       .toStdString(),
                   tv::kProductName, tv::MsgButtons::Ok, tv::MsgIcon::Exclamation);
        return false;
    }
    return true;
}

bool QtPlatform::savePdf(const std::string& suggestedName, const tv::TableDocument& table)
{
    if (m_ended) return false;
    const QString file = chooseSaveFile(suggestedName, QCoreApplication::translate("Desktop", "PDF files (*.pdf)"));
    if (file.isEmpty()) return false;
    if (!writeTablePdf(file, table)) {
        messageBox(
            QCoreApplication::translate("Desktop", "The PDF file could not be written:\n%1").arg(file).toStdString(),
            tv::kProductName, tv::MsgButtons::Ok, tv::MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void QtPlatform::showChart(const tv::ChartRequest& chart)
{
    if (m_ended) return;
    std::unique_ptr<QWidget>& slot = m_charts[chart.name];
    // A window that is open keeps its place on the screen.
    const bool hadWindow = slot && slot->isVisible();
    const QRect where = hadWindow ? slot->geometry() : QRect();
    slot = makeChartWindow(chart);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), slot.get());
    QObject::connect(help, &QShortcut::activated, slot.get(),
                     [this] { showHelp(std::string(kHelpFile) + "#results", kHelpContext); });
    if (hadWindow) slot->setGeometry(where);
    slot->show();
    slot->raise();
    slot->activateWindow();
}

QWidget* QtPlatform::chartWindow(const std::string& name) const
{
    auto it = m_charts.find(name);
    return it == m_charts.end() ? nullptr : it->second.get();
}

}  // namespace tvqt

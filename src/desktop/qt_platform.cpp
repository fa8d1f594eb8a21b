#include "desktop/qt_platform.h"

#include "desktop/table_pdf.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QCursor>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include "screen_model/application.h"
#include "screen_model/form.h"

namespace tvqt {

namespace {

QMessageBox::Icon qtIcon(tv::MsgIcon icon)
{
    switch (icon) {
        case tv::MsgIcon::Critical:
            return QMessageBox::Critical;
        case tv::MsgIcon::Question:
            return QMessageBox::Question;
        case tv::MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case tv::MsgIcon::Information:
            return QMessageBox::Information;
        case tv::MsgIcon::None:
            return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// Returns when `form` is hidden or unloaded.
class ModalWatch : public tv::ModelObserver {
public:
    ModalWatch(tv::Form& form, QEventLoop& loop) : m_form(form), m_loop(loop) {}
    void formChanged(tv::Form& form, tv::FormEvent event) override
    {
        if (&form == &m_form && (event == tv::FormEvent::Hidden || event == tv::FormEvent::Unloaded)) m_loop.exit();
    }

private:
    tv::Form& m_form;
    QEventLoop& m_loop;
};

QString product()
{
    return QString::fromUtf8(tv::kProductName);
}

}  // namespace

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform()
{
    if (m_waitCursor) QGuiApplication::restoreOverrideCursor();
}

QString QtPlatform::messageText(const std::string& text)
{
    QString in = QString::fromStdString(text);
    QString out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        QChar c = in[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            // "\r\n" and "\n\r" are one break each.
            if (i + 1 < in.size() && (in[i + 1] == QLatin1Char('\r') || in[i + 1] == QLatin1Char('\n')) &&
                in[i + 1] != c)
                ++i;
            out += QLatin1Char('\n');
        } else {
            out += c;
        }
    }
    return out;
}

QWidget* QtPlatform::dialogParent() const
{
    // The active window when the window system names one; otherwise the window of the form on top, so a message
    // never opens at the screen's corner.
    if (QWidget* active = QApplication::activeWindow()) return active;
    return m_topmostWindow ? m_topmostWindow() : nullptr;
}

int QtPlatform::messageBox(const std::string& text, const std::string& title, tv::MsgButtons buttons, tv::MsgIcon icon)
{
    bool yesNo = buttons == tv::MsgButtons::YesNo;
    if (m_ended) return yesNo ? tv::kAnswerNo : tv::kAnswerOk;
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), messageText(text),
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
    // The hourglass of a long command gives way to the arrow while the user answers.
    bool wait = m_waitCursor;
    if (wait) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (wait) QGuiApplication::restoreOverrideCursor();
    if (!yesNo) return tv::kAnswerOk;
    return box.standardButton(box.clickedButton()) == QMessageBox::Yes ? tv::kAnswerYes : tv::kAnswerNo;
}

void QtPlatform::setPointer(tv::Pointer pointer)
{
    bool wait = pointer == tv::Pointer::Hourglass;
    if (wait == m_waitCursor) return;
    m_waitCursor = wait;
    if (wait)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

tv::ScreenSize QtPlatform::screenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    double dpi = screen->logicalDotsPerInch();
    if (!(dpi > 0)) dpi = 96.0;
    QSize size = screen->geometry().size();
    return {static_cast<int>(size.width() * 1440.0 / dpi + 0.5), static_cast<int>(size.height() * 1440.0 / dpi + 0.5)};
}

void QtPlatform::runModal(tv::Form& form)
{
    if (m_ended || !form.loaded() || !form.visible()) return;
    QEventLoop loop;
    ModalWatch watch(form, loop);
    form.app().addObserver(&watch);
    m_loops.push_back(&loop);
    loop.exec(QEventLoop::DialogExec);
    m_loops.pop_back();
    form.app().removeObserver(&watch);
}

void QtPlatform::setClipboardText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtPlatform::clipboardText() const
{
    return QGuiApplication::clipboard()->text().toStdString();
}

bool QtPlatform::printText(const std::string& text)
{
    QTextDocument doc;
    QString plain = QString::fromStdString(text);
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    doc.setPlainText(plain);
    // The table's columns line up in a fixed-pitch font.
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::Monospace);
    doc.setDefaultFont(font);
    return printPages([&doc](QPrinter& printer) {
        doc.print(&printer);  // one document per call, ended here
        return true;
    });
}

bool QtPlatform::printTable(const std::string&, const tv::TableDocument& table)
{
    return printPages([&table](QPrinter& printer) { return tvqt::paintTable(printer, table); });
}

bool QtPlatform::printPages(const std::function<bool(QPrinter&)>& paint)
{
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const auto printers = QPrinterInfo::availablePrinters();
        if (!printers.isEmpty()) info = printers.first();
    }
    if (info.isNull()) {
        int answer = messageBox(QCoreApplication::translate("Desktop",
                                                            "This computer has no printer, so nothing was printed.\n\n"
                                                            "Save the same text as a PDF file instead?")
                                    .toStdString(),
                                tv::kProductName, tv::MsgButtons::YesNo, tv::MsgIcon::Exclamation);
        if (answer != tv::kAnswerYes) return false;
        QString file =
            QFileDialog::getSaveFileName(dialogParent(), QCoreApplication::translate("Desktop", "Save as PDF"),
                                         QDir::home().filePath(QStringLiteral("Tarvolin.pdf")),
                                         QCoreApplication::translate("Desktop", "PDF files (*.pdf)"));
        if (file.isEmpty()) return false;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(file);
        const bool painted = paint(pdf);
        if (!painted || !QFileInfo(file).isFile() || pdf.printerState() == QPrinter::Error)
            messageBox(QCoreApplication::translate("Desktop", "The PDF file could not be written:\n%1")
                           .arg(file)
                           .toStdString(),
                       tv::kProductName, tv::MsgButtons::Ok, tv::MsgIcon::Exclamation);
        return false;  // saved, but not printed
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) {
        messageBox(QCoreApplication::translate("Desktop", "The printer \"%1\" cannot be used, so nothing was printed.")
                       .arg(info.printerName())
                       .toStdString(),
                   tv::kProductName, tv::MsgButtons::Ok, tv::MsgIcon::Exclamation);
        return false;
    }
    const bool painted = paint(printer);
    if (!painted || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
        messageBox(
            QCoreApplication::translate("Desktop", "Printing on \"%1\" failed.").arg(info.printerName()).toStdString(),
            tv::kProductName, tv::MsgButtons::Ok, tv::MsgIcon::Exclamation);
        return false;
    }
    return true;
}

QStringList QtPlatform::helpCandidates()
{
    return helpCandidates(QCoreApplication::applicationDirPath());
}

QStringList QtPlatform::helpCandidates(const QString& programDir)
{
    QStringList dirs;
    dirs << programDir + QStringLiteral("/help") << programDir + QStringLiteral("/docs/help")
         << QDir::cleanPath(programDir + QStringLiteral("/../share/tarvolin/help"));
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        dirs << data + QStringLiteral("/tarvolin/help");
    dirs << QStringLiteral(TARVOLIN_SOURCE_DIR "/docs/help");
    // The page in the desktop's language first ("index.de.html"), unless English comes first among its languages.
    QStringList names;
    for (const QString& language : QLocale().uiLanguages()) {
        const QString code = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (code == QLatin1String("en") || code == QLatin1String("C")) break;
        if (!names.contains(QStringLiteral("index.%1.html").arg(code)))
            names << QStringLiteral("index.%1.html").arg(code);
    }
    names << QStringLiteral("index.html") << QStringLiteral("index.md");
    QStringList out;
    for (const QString& dir : dirs)
        for (const QString& name : names) out << QDir(dir).filePath(name);
    return out;
}

void QtPlatform::showHelp(const std::string& file, int)
{
    QString found;
    for (const QString& candidate : helpCandidates())
        if (QFileInfo(candidate).isFile()) {
            found = candidate;
            break;
        }
    if (found.isEmpty()) {
        messageBox(QCoreApplication::translate("Desktop", "The help document (%1) is not installed.")
                       .arg(QString::fromStdString(file))
                       .toStdString(),
                   tv::kProductName, tv::MsgButtons::Ok, tv::MsgIcon::Information);
        return;
    }
    if (!m_help) {
        m_help = std::make_unique<QTextBrowser>();
        m_help->setWindowTitle(QCoreApplication::translate("Desktop", "%1 Help").arg(product()));
        m_help->setOpenExternalLinks(true);
        m_help->resize(640, 560);
        auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), m_help.get());
        QObject::connect(close, &QShortcut::activated, m_help.get(), &QWidget::close);
    }
    m_help->setSearchPaths({QFileInfo(found).absolutePath()});
    QUrl url = QUrl::fromLocalFile(found);
    if (const auto hash = file.find('#'); hash != std::string::npos)
        url.setFragment(QString::fromStdString(file.substr(hash + 1)));
    m_help->setSource(
        url, found.endsWith(QLatin1String(".md")) ? QTextDocument::MarkdownResource : QTextDocument::HtmlResource);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

QStringList QtPlatform::calculatorPrograms()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
}

bool QtPlatform::startDetached(const QString& program, const QStringList& arguments)
{
    QString path = program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty() || !QFileInfo(path).isExecutable()) return false;
    return QProcess::startDetached(path, arguments);
}

bool QtPlatform::startProgram(const std::string& commandLine, int)
{
    QString line = QString::fromStdString(commandLine).trimmed();
    if (line.compare(QLatin1String("Calc.exe"), Qt::CaseInsensitive) == 0 ||
        line.compare(QLatin1String("Calc"), Qt::CaseInsensitive) == 0) {
        for (const QString& calc : calculatorPrograms())
            if (startDetached(calc, {})) return true;
        messageBox(QCoreApplication::translate("Desktop",
                                               "No calculator program is installed. Install one of gnome-calculator, "
                                               "kcalc, galculator, qalculate-gtk or xcalc to use this command.")
                       .toStdString(),
                   tv::kProductName, tv::MsgButtons::Ok, tv::MsgIcon::Information);
        return false;
    }
    QStringList parts = QProcess::splitCommand(line);
    if (!parts.isEmpty()) {
        QString program = parts.takeFirst();
        QStringList names{program};
        // A Windows program name may be installed here without its extension.
        if (program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
            QString bare = program.left(program.size() - 4);
            names << bare << bare.toLower();
        }
        for (const QString& name : names)
            if (startDetached(name, parts)) return true;
    }
    messageBox(QCoreApplication::translate(
                   "Desktop", "The program \"%1\" could not be started: it is not installed on this computer.")
                   .arg(QString::fromStdString(commandLine))
                   .toStdString(),
               tv::kProductName, tv::MsgButtons::Ok, tv::MsgIcon::Exclamation);
    return false;
}

void QtPlatform::afterCommand(std::function<void()> task)
{
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(task));
}

void QtPlatform::endProgram()
{
    if (m_ended) return;
    m_ended = true;
    for (QEventLoop* loop : m_loops) loop->exit();
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(0);
}

tv::Date QtPlatform::today() const
{
    QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

}  // namespace tvqt

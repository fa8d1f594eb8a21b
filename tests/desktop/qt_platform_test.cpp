// The Qt platform on the offscreen platform. Message boxes are answered from a zero-delay timer that runs
// inside the box's own event loop, so nothing here waits for time to pass.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "desktop/desktop_defaults.h"
#include "desktop/qt_platform.h"
#include "desktop/renderer.h"
#include "screen_model/application.h"
#include "screen_model/form.h"

namespace {

struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message box with `button` once the box's loop runs, recording what it showed.
void answerNextBox(QMessageBox::StandardButton button, SeenBox& seen)
{
    QTimer::singleShot(0, qApp, [button, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        if (QAbstractButton* b = box->button(button)) b->click();
    });
}

const tv::ControlDecl kDialogControls[] = {{tv::Kind::CommandButton, "btn_OK", "", "OK", {120, 120, 1200, 375}}};

class Dialog : public tv::Form {
public:
    explicit Dialog(tv::Application& app) : Form(app, "Dialog", kDialogControls) { setRect({0, 0, 3000, 1500}); }
};

}  // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void yesNoBoxAnswersSixOrSeven()
    {
        tvqt::QtPlatform platform;
        SeenBox seen;
        answerNextBox(QMessageBox::Yes, seen);
        QCOMPARE(platform.messageBox("Replace it?", "input Error", tv::MsgButtons::YesNo, tv::MsgIcon::Question),
                 tv::kAnswerYes);
        QVERIFY(seen.seen);
        QCOMPARE(seen.title, QStringLiteral("input Error"));
        QCOMPARE(seen.text, QStringLiteral("Replace it?"));
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);

        SeenBox no;
        answerNextBox(QMessageBox::No, no);
        QCOMPARE(platform.messageBox("Replace it?", "input Error", tv::MsgButtons::YesNo, tv::MsgIcon::Question),
                 tv::kAnswerNo);
        QVERIFY(no.seen);
    }

    void okBoxAnswersOneWithItsIconAndLines()
    {
        tvqt::QtPlatform platform;
        SeenBox seen;
        answerNextBox(QMessageBox::Ok, seen);
        QCOMPARE(platform.messageBox("one\r\ntwo\rthree\n\rfour\nfive", "LoanSheet Error", tv::MsgButtons::Ok,
                                     tv::MsgIcon::Exclamation),
                 tv::kAnswerOk);
        QVERIFY(seen.seen);
        QCOMPARE(seen.text, QStringLiteral("one\ntwo\nthree\nfour\nfive"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void aMessageWithNoActiveWindowOpensOverTheWindowOnTop()
    {
        tvqt::QtPlatform platform;
        QWidget top;
        QVERIFY(QApplication::activeWindow() == nullptr);
        QCOMPARE(platform.dialogParent(), nullptr);
        platform.setTopmostWindow([&top] { return &top; });
        QCOMPARE(platform.dialogParent(), &top);
    }

    // What runs after a command (the history's write) waits for the event loop: the results are painted first.
    void afterCommandRunsFromTheEventLoop()
    {
        tvqt::QtPlatform platform;
        int ran = 0;
        platform.afterCommand([&ran] { ++ran; });
        QCOMPARE(ran, 0);
        QCoreApplication::processEvents();
        QCOMPARE(ran, 1);
    }

    void lineBreaksOfEveryKind()
    {
        QCOMPARE(tvqt::QtPlatform::messageText("a\r\n\r\nb"), QStringLiteral("a\n\nb"));
        QCOMPARE(tvqt::QtPlatform::messageText("a\n\r\n\rb"), QStringLiteral("a\n\nb"));
        QCOMPARE(tvqt::QtPlatform::messageText("a\r\rb"), QStringLiteral("a\n\nb"));
        QCOMPARE(tvqt::QtPlatform::messageText("no break"), QStringLiteral("no break"));
    }

    void modalLoopEndsWhenTheFormUnloadsOrHides()
    {
        tvqt::QtPlatform platform;
        tv::Application app(platform);
        Dialog dialog(app);
        tvqt::Renderer renderer(app);
        dialog.bind("btn_OK_Click", [&dialog] { dialog.unload(); });
        bool wasModal = false;
        QTimer::singleShot(0, qApp, [&] {
            wasModal = QApplication::activeModalWidget() == renderer.window(dialog);
            QTest::mouseClick(renderer.widget(dialog.control("btn_OK")), Qt::LeftButton);
        });
        dialog.show(true);  // returns once the OK button unloaded the form
        QVERIFY(wasModal);
        QVERIFY(!dialog.loaded());

        QTimer::singleShot(0, qApp, [&] { dialog.hide(); });
        dialog.show(true);
        QVERIFY(dialog.loaded());
        QVERIFY(!dialog.visible());
        dialog.unload();
    }

    void printingWithoutAPrinterSaysSoAndReportsNothingPrinted()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("this machine has a printer");
        tvqt::QtPlatform platform;
        SeenBox seen;
        answerNextBox(QMessageBox::No, seen);
        QVERIFY(!platform.printText("Rate\t5 Yrs\r\n7.000\t$19.80\r\n"));
        QVERIFY(seen.seen);
        QVERIFY(seen.text.contains(QStringLiteral("no printer")));
        QVERIFY(seen.text.contains(QStringLiteral("PDF")));
    }

    void aProgramThatCannotStartIsReported()
    {
        tvqt::QtPlatform platform;
        SeenBox seen;
        answerNextBox(QMessageBox::Ok, seen);
        QVERIFY(!platform.startProgram("Pellidor-not-installed.exe", 1));
        QVERIFY(seen.seen);
        QVERIFY(seen.text.contains(QStringLiteral("Pellidor-not-installed.exe")));
    }

    void calculatorWithNoneInstalledIsReported()
    {
        for (const QString& calc : tvqt::QtPlatform::calculatorPrograms())
            if (!QStandardPaths::findExecutable(calc).isEmpty()) QSKIP("a calculator is installed here");
        tvqt::QtPlatform platform;
        SeenBox seen;
        answerNextBox(QMessageBox::Ok, seen);
        QVERIFY(!platform.startProgram("Calc.exe", 1));
        QVERIFY(seen.seen);
        QVERIFY(seen.text.contains(QStringLiteral("calculator")));
    }

    void helpOpensTheDocumentOrSaysItIsMissing()
    {
        tvqt::QtPlatform platform;
        bool installed = false;
        for (const QString& c : tvqt::QtPlatform::helpCandidates()) installed = installed || QFileInfo(c).isFile();
        SeenBox seen;
        if (!installed) answerNextBox(QMessageBox::Ok, seen);
        platform.showHelp("Mervane.hlp", 3);
        if (installed) {
            QVERIFY(platform.helpWindow());
            QVERIFY(platform.helpWindow()->isVisible());
            QVERIFY(!platform.helpWindow()->toPlainText().isEmpty());
        } else {
            QVERIFY(seen.seen);
            QVERIFY(seen.text.contains(QStringLiteral("Mervane.hlp")));
        }
    }

    void helpOpensAtItsTopicAndEscapeClosesIt()
    {
        tvqt::QtPlatform platform;
        for (const char* topic : {"table", "investments"}) {
            platform.showHelp(std::string("Mervane.hlp#") + topic, 1);
            if (!platform.helpWindow()) QSKIP("the help document is not installed");
            QCOMPARE(platform.helpWindow()->source().fragment(), QString::fromLatin1(topic));
        }
        QTextBrowser* help = platform.helpWindow();
        QApplication::setActiveWindow(help);
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    void helpIsFoundWhereTheProgramIsInstalled()
    {
        // The layout `cmake --install` makes: PREFIX/bin/tarvolin and PREFIX/share/tarvolin/help/index.html.
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/tarvolin/help")));
        const QString installed = prefix.filePath(QStringLiteral("share/tarvolin/help/index.html"));
        QFile file(installed);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body>Installed help</body></html>");
        file.close();
        QString found;
        for (const QString& c : tvqt::QtPlatform::helpCandidates(prefix.filePath(QStringLiteral("bin"))))
            if (QFileInfo(c).isFile()) {
                found = c;
                break;
            }
        QCOMPARE(QFileInfo(found).canonicalFilePath(), QFileInfo(installed).canonicalFilePath());
    }

    void screenClipboardPointerAndClock()
    {
        tvqt::QtPlatform platform;
        const QScreen* screen = QGuiApplication::primaryScreen();
        double twipsPerPx = 1440.0 / screen->logicalDotsPerInch();
        tv::ScreenSize size = platform.screenSize();
        QCOMPARE(size.width, qRound(screen->geometry().width() * twipsPerPx));
        QCOMPARE(size.height, qRound(screen->geometry().height() * twipsPerPx));

        platform.setClipboardText("Rate\t5 Yrs\r\n");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Rate\t5 Yrs\r\n"));
        QCOMPARE(platform.clipboardText(), std::string("Rate\t5 Yrs\r\n"));

        platform.setPointer(tv::Pointer::Hourglass);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        platform.setPointer(tv::Pointer::Default);
        QVERIFY(!QGuiApplication::overrideCursor());

        tv::Date today = platform.today();
        QDate now = QDate::currentDate();
        QVERIFY(today.year == now.year() || today.year == now.year() - 1);  // midnight may pass
        QVERIFY(today.month >= 1 && today.month <= 12 && today.day >= 1 && today.day <= 31);
    }
    // Last: once the program has ended, Qt refuses to run event loops in this process.
    void endProgramLeavesEveryLoop()
    {
        tvqt::QtPlatform platform;
        tv::Application app(platform);
        Dialog dialog(app);
        tvqt::Renderer renderer(app);
        QTimer::singleShot(0, qApp, [&] { app.end(); });
        dialog.show(true);  // the nested loop ends with the program
        QVERIFY(platform.ended());
        // A message box after the end is not shown.
        QCOMPARE(platform.messageBox("late", "t", tv::MsgButtons::YesNo, tv::MsgIcon::None), tv::kAnswerNo);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    tvqt::applyDesktopDefaults(app);
    QtPlatformTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "qt_platform_test.moc"

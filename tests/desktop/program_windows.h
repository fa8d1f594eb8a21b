#pragma once
// The whole program in real widgets on the offscreen platform, started in a fresh, empty folder (the
// program reads ./Tarvolin.ini there), for tests that drive its windows as a user does.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <string>

#include "app/program.h"
#include "desktop/accessible_names.h"
#include "desktop/renderer.h"
#include "loan_table/loan_sheet.h"
#include "screen_model/form.h"
#include "screen_model/scripted_platform.h"

namespace tvtest {

class ProgramWindows {
public:
    // `settings`: the text of Tarvolin.ini, or empty for none.
    explicit ProgramWindows(const QByteArray& settings = {}, std::shared_ptr<const tv::Translator> translator = {})
    {
        if (!m_dir.isValid()) qFatal("no temporary folder");
        tvqt::installAccessibleInterfaces();
        m_oldDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        if (!settings.isEmpty()) {
            QFile ini(m_dir.filePath(QStringLiteral("Tarvolin.ini")));
            if (!ini.open(QIODevice::WriteOnly) || ini.write(settings) != settings.size()) qFatal("cannot write");
        }
        m_program = std::make_unique<tv::Program>(m_platform, std::move(translator));
        m_renderer = std::make_unique<tvqt::Renderer>(m_program->app());
        m_program->Main();
        m_renderer->flushPending();
        activate(m_program->mervane());
    }
    ~ProgramWindows()
    {
        m_renderer.reset();
        m_program.reset();
        QDir::setCurrent(m_oldDir);
    }
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    tv::Program& program() { return *m_program; }
    tv::LoanSheet& sheet() { return m_program->loanSheet(); }
    // A file in the test's own folder.
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }
    tv::ScriptedPlatform& platform() { return m_platform; }
    tvqt::Renderer& renderer() { return *m_renderer; }

    QWidget* window(const tv::Form& form) const { return m_renderer->window(form); }
    QWidget* widget(const tv::Form& form, const char* name) const
    {
        QWidget* w = m_renderer->widget(form.control(name));
        if (!w) qFatal("no widget for %s", name);
        return w;
    }
    // Makes the form's window the active one, as the window system does when it is shown or clicked.
    void activate(const tv::Form& form)
    {
        m_renderer->flushPending();
        QWidget* w = window(form);
        if (!w) qFatal("%s has no window", form.name().c_str());
        QApplication::setActiveWindow(w);
    }
    // The name of the control whose widget has the keyboard focus, or "" for none.
    static QString focusName()
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

private:
    QTemporaryDir m_dir;
    QString m_oldDir;
    tv::ScriptedPlatform m_platform;
    std::unique_ptr<tv::Program> m_program;
    std::unique_ptr<tvqt::Renderer> m_renderer;
};

// Fills in the table screen for 100,000 (as `purchase` is typed) with 20 % down over 15 to 30 years at
// 6.00 to 8.00 %, short of pressing Show Payments.
inline void enterPaymentTable(tv::LoanSheet& sheet, const char* purchase = "100000")
{
    sheet.box("txtPurchTotl").userType(purchase);
    sheet.box("txtDwnPay").userType("20");
    sheet.box("txtLenMax").userType("30");
    sheet.box("txtLenMin").userType("15");
    sheet.combo("comIntrMin").userPick(24);
    sheet.combo("comIntrMax").userPick(32);
}

}  // namespace tvtest

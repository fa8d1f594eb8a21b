#pragma once

#include <memory>
#include <string>

#include "app/module1.h"
#include "screen_model/application.h"
#include "screen_model/platform.h"

namespace tv {

class Mervane;

// The running program: the application model, the program-wide values of Module1 and every form.
// Forms reach each other through it, never through globals.
class Program {
public:
    explicit Program(Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Application& app() { return m_app; }
    Platform& platform() { return m_app.platform(); }
    Module1& module1() { return m_module1; }

    Mervane& mervane() { return *m_mervane; }

    // The settings file: "Tarvolin.ini" in the current directory.
    static constexpr const char* kIniFile = "Tarvolin.ini";

    // Start-up: shows the main screen, reads the settings and fills in the defaults.
    void Main();

private:
    Application m_app;
    Module1 m_module1;
    std::unique_ptr<Mervane> m_mervane;
};

}  // namespace tv

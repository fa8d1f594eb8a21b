#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include <unistd.h>

#include "app/program.h"
#include "main_screen/mervane.h"
#include "screen_model/scripted_platform.h"

namespace tv::test {

// A fresh temporary directory made the current one for the test's lifetime, so every test has its own
// settings file ("./Tarvolin.ini").
class TempCwd {
public:
    TempCwd()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvolin-XXXXXX").string();
        m_dir = ::mkdtemp(pattern.data());
        m_old = std::filesystem::current_path();
        std::filesystem::current_path(m_dir);
        // The per-user configuration folder lies inside the scratch folder too: no test touches the real one.
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) m_oldConfig = old;
        ::setenv("XDG_CONFIG_HOME", (m_dir / "config").c_str(), 1);
    }
    ~TempCwd()
    {
        if (m_oldConfig)
            ::setenv("XDG_CONFIG_HOME", m_oldConfig->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        std::filesystem::current_path(m_old);
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    TempCwd(const TempCwd&) = delete;
    TempCwd& operator=(const TempCwd&) = delete;
    const std::filesystem::path& path() const { return m_dir; }
    // The settings file a save writes when the folder holds no "Tarvolin.ini".
    std::filesystem::path configFile() const { return m_dir / "config" / "Tarvolin" / "Tarvolin.ini"; }

    void write(const std::string& name, const std::string& text) const
    {
        std::ofstream(m_dir / name, std::ios::binary) << text;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(m_dir / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_dir;
    std::optional<std::string> m_oldConfig;
    std::filesystem::path m_old;
};

// The whole program on the scripted platform, started as a user starts it, with an optional settings file.
struct TestProgram {
    explicit TestProgram(const std::string& iniText = {}, bool withIni = false)
    {
        if (withIni) cwd.write("Tarvolin.ini", iniText);
        program = std::make_unique<Program>(platform);
        program->Main();
    }
    static TestProgram withSettings(const std::string& iniText) { return TestProgram(iniText, true); }

    Mervane& m() { return program->mervane(); }
    // The main screen as a plain form: controls by names known only when the test runs.
    Form& form() { return program->mervane(); }
    std::string text(const char* box) { return form().box(box).text(); }
    std::string shown(const char* box) { return form().box(box).display(); }
    void type(const char* box, const std::string& text) { form().box(box).userType(text); }
    void click(const char* control) { form().control(control).userClick(); }
    void calculate() { click("btn_Calc"); }
    // The texts of the message boxes shown since the last call.
    std::vector<std::string> messages()
    {
        std::vector<std::string> out;
        for (const auto& r : platform.records())
            if (r.type == PlatformRecord::Type::Message) out.push_back(r.text);
        platform.clearRecords();
        return out;
    }

    TempCwd cwd;
    ScriptedPlatform platform;
    std::unique_ptr<Program> program;
};

}  // namespace tv::test

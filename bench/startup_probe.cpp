// tarvolin-startup: how long the desktop program takes from exec to its first painted window, and how much
// memory it has taken by then.
//
// The program itself reads no command line and no environment, so this is a separate executable that links
// the same desktop library and starts exactly as src/desktop/main.cpp starts. With --child it is that
// program: it watches the window for its first QEvent::Paint and, once that paint has finished (the next
// turn of the event loop), prints the CLOCK_MONOTONIC time and VmHWM from /proc/self/status, and quits.
// Without --child it is the launcher: it spawns itself --child (fresh process each time, in a fresh empty
// folder so no settings file is read), takes the clock just before the spawn, and reports the medians.
//
//   tarvolin-startup [--runs N] [--table]
//
// --table opens the table screen from the main menu, enters the largest table the checks accept (101 rates
// x 200 lengths) and presses Show Payments before the event loop starts; the first paint watched is then the
// table screen's. Output: one JSON object on stdout.
#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "app/program.h"
#include "common/locale.h"
#include "desktop/desktop_defaults.h"
#include "desktop/qt_platform.h"
#include "desktop/renderer.h"
#include "loan_table/loan_sheet.h"
#include "main_screen/mervane.h"
#include "qt_locale/qt_locale.h"
#include "scenarios.h"

extern char** environ;

namespace {

constexpr int kGiveUpMs = 30000;

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// A field of /proc/self/status in KiB ("VmHWM", "VmRSS"); 0 when it is missing.
long statusKiB(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, n, field) == 0 && line.size() > n && line[n] == ':') return std::atol(line.c_str() + n + 1);
    return 0;
}

// Reports the first paint of one window: the time once its paint event has been handled, then quits.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : m_window(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The window and its children are painted in this same pass; the next turn of the loop sees them done.
            QTimer::singleShot(0, this, [] {
                long long now = monotonicNs();
                std::printf("%lld %ld %ld\n", now, statusKiB("VmHWM"), statusKiB("VmRSS"));
                std::fflush(stdout);
                // exit(), not quit(): quit() would first ask every window to close, and the windows ask
                // their forms, which may keep them open.
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_seen = false;
};

// The desktop program's start-up, as main.cpp does it, watched for its first paint.
int child(int argc, char** argv, bool table)
{
    QApplication qapp(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    tv::Locale::setCurrent(tvqt::localeFromQt(QLocale::system()));
    tvqt::applyDesktopDefaults(qapp);

    tvqt::QtPlatform platform;
    tv::Program program(platform);
    int status = 0;
    {
        tvqt::Renderer renderer(program.app());
        QObject::connect(&renderer, &tvqt::Renderer::allFormsClosed, &qapp, [] { QCoreApplication::quit(); });
        program.Main();
        QWidget* watched = renderer.window(program.mervane());
        if (table) {
            tv::bench::enterLargestTable(program);
            program.loanSheet().button("cmdCalcPmts").userClick();
            watched = renderer.window(program.loanSheet());
        }
        if (!watched) {
            std::fprintf(stderr, "no window to watch\n");
            return 2;
        }
        FirstPaint probe(watched);
        // A start-up that never paints (a message box waiting for an answer) fails the measurement.
        QTimer::singleShot(kGiveUpMs, &qapp, [] {
            std::fprintf(stderr, "tarvolin-startup: no paint within %d ms\n", kGiveUpMs);
            QCoreApplication::exit(3);
        });
        if (!platform.ended() && !program.app().ended()) status = QApplication::exec();
    }
    return status;
}

struct Run {
    double ms = 0;
    double hwmMiB = 0;
    double rssMiB = 0;
};

bool launch(const std::string& self, bool table, Run& run)
{
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    std::vector<std::string> args = {self, "--child"};
    if (table) args.emplace_back("--table");
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    long long start = monotonicNs();
    int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    char buffer[256];
    ssize_t n = 0;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long painted = 0;
    long hwm = 0;
    long rss = 0;
    if (std::sscanf(text.c_str(), "%lld %ld %ld", &painted, &hwm, &rss) != 3) return false;
    run.ms = static_cast<double>(painted - start) / 1e6;
    run.hwmMiB = static_cast<double>(hwm) / 1024.0;
    run.rssMiB = static_cast<double>(rss) / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    std::size_t mid = v.size() / 2;
    return v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

std::string list(const std::vector<double>& v)
{
    std::string out;
    char number[32];
    for (double x : v) {
        std::snprintf(number, sizeof number, "%s%.2f", out.empty() ? "" : ", ", x);
        out += number;
    }
    return out;
}

int launcher(int runs, bool table)
{
    std::error_code ec;
    std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
    if (ec) self = "/proc/self/exe";
    // A fresh, empty folder: the program reads ./Tarvolin.ini, and none is there.
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvolin-startup-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return 1;
    std::filesystem::path folder = pattern;
    std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);

    // One run first, not counted: it brings the program and Qt's libraries into the page cache.
    Run warm;
    bool ok = launch(self, table, warm);
    std::vector<double> ms;
    std::vector<double> hwm;
    std::vector<double> rss;
    for (int i = 0; ok && i < runs; ++i) {
        Run r;
        ok = launch(self, table, r);
        ms.push_back(r.ms);
        hwm.push_back(r.hwmMiB);
        rss.push_back(r.rssMiB);
    }
    std::filesystem::current_path(old);
    std::filesystem::remove_all(folder, ec);
    if (!ok) {
        std::fprintf(stderr, "tarvolin-startup: a run failed\n");
        return 1;
    }
    std::printf(
        "{\"scenario\": \"%s\", \"runs\": %d, \"qt\": \"%s\", \"median_ms\": %.2f, \"min_ms\": %.2f, "
        "\"median_hwm_mib\": %.2f, \"median_rss_mib\": %.2f, \"ms\": [%s], \"hwm_mib\": [%s]}\n",
        table ? "largest table" : "main window", runs, qVersion(), median(ms), *std::min_element(ms.begin(), ms.end()),
        median(hwm), median(rss), list(ms).c_str(), list(hwm).c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    bool isChild = false;
    bool table = false;
    int runs = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--child") == 0)
            isChild = true;
        else if (std::strcmp(argv[i], "--table") == 0)
            table = true;
        else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
    }
    if (isChild) {
        // Qt sees only the program's name, as the desktop program's users start it.
        int qtArgc = 1;
        return child(qtArgc, argv, table);
    }
    return launcher(runs, table);
}

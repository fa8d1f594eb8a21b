// tarvolin-bench-report: turns the benchmark results into one table on stdout and the figures section of
// docs/performance.md, with the machine they were taken on.
//
//   tarvolin-bench-report BENCH.json STARTUP.json STARTUP_TABLE.json LOAD_BEFORE DOC.md
//
// BENCH.json is Google Benchmark's JSON output with repetitions (the medians are read); STARTUP*.json are
// tarvolin-startup's outputs; LOAD_BEFORE is /proc/loadavg as it was before the run. In DOC.md only the text
// between the markers "<!-- figures: begin -->" and "<!-- figures: end -->" is replaced; without them the
// figures are appended.
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kBegin = "<!-- figures: begin -->";
constexpr const char* kEnd = "<!-- figures: end -->";

// Start-up and memory targets; the benchmarks carry theirs as the counter "target_ms".
constexpr double kStartupTargetMs = 60;
constexpr double kStartupMemoryTargetMiB = 40;
constexpr double kTableMemoryTargetMiB = 50;

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string trim(std::string s)
{
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ' || s.back() == '\r')) s.pop_back();
    std::size_t start = s.find_first_not_of(' ');
    return start == std::string::npos ? std::string() : s.substr(start);
}

// The value of the first line "key : value" of a /proc file.
std::string procField(const std::string& path, const std::string& key)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) != 0) continue;
        std::size_t colon = line.find(':');
        if (colon != std::string::npos) return trim(line.substr(colon + 1));
    }
    return "unknown";
}

std::string format(const char* fmt, double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, value);
    return buf;
}

// A time in the unit that reads best.
std::string duration(double ms)
{
    if (ms < 1) return format("%.1f µs", ms * 1000);
    return format("%.2f ms", ms);
}

struct Row {
    std::string what;
    std::string median;
    std::string cpu;
    std::string target;
    std::string verdict;
};

std::string verdict(double value, double target)
{
    if (target <= 0) return "";
    if (value <= target) return "met";
    return format("missed by %.0f %%", (value / target - 1) * 100);
}

double toMs(double value, const std::string& unit)
{
    if (unit == "ns") return value / 1e6;
    if (unit == "us") return value / 1e3;
    if (unit == "s") return value * 1e3;
    return value;
}

std::vector<Row> benchmarkRows(const nlohmann::json& results)
{
    std::vector<Row> rows;
    for (const auto& b : results.at("benchmarks")) {
        if (b.value("aggregate_name", "") != "median") continue;
        std::string name = b.value("run_name", b.value("name", ""));
        if (b.contains("error_occurred") && b["error_occurred"].get<bool>()) {
            rows.push_back({name, "error", "", "", b.value("error_message", "")});
            continue;
        }
        std::string unit = b.value("time_unit", "ns");
        double real = toMs(b.value("real_time", 0.0), unit);
        double cpu = toMs(b.value("cpu_time", 0.0), unit);
        double target = b.value("target_ms", 0.0);
        std::string what = name;
        if (std::string label = b.value("label", ""); !label.empty()) what += " — " + label;
        std::string judged = verdict(real, target);
        // Waiting for a processor another program holds shows in the wall-clock time only.
        if (judged != "met" && !judged.empty() && cpu <= target) judged += " (its CPU time is within: a busy machine)";
        rows.push_back({what, duration(real), duration(cpu), target > 0 ? "≤ " + duration(target) : "", judged});
    }
    return rows;
}

std::vector<Row> startupRows(const nlohmann::json& main, const nlohmann::json& table)
{
    auto runs = [](const nlohmann::json& s) { return " (median of " + std::to_string(s.value("runs", 0)) + ")"; };
    double mainMs = main.value("median_ms", 0.0);
    double mainMiB = main.value("median_hwm_mib", 0.0);
    double tableMs = table.value("median_ms", 0.0);
    double tableMiB = table.value("median_hwm_mib", 0.0);
    return {
        {"Start-up: exec to the main window's first paint" + runs(main), format("%.1f ms", mainMs), "",
         format("≤ %.0f ms", kStartupTargetMs), verdict(mainMs, kStartupTargetMs)},
        {"Start-up: peak memory (VmHWM) at that paint", format("%.1f MiB", mainMiB), "",
         format("≤ %.0f MiB", kStartupMemoryTargetMiB), verdict(mainMiB, kStartupMemoryTargetMiB)},
        {"Start-up with the largest table: exec to the table screen's first paint" + runs(table),
         format("%.1f ms", tableMs), "", "", ""},
        {"Start-up with the largest table: peak memory (VmHWM)", format("%.1f MiB", tableMiB), "",
         format("≤ %.0f MiB", kTableMemoryTargetMiB), verdict(tableMiB, kTableMemoryTargetMiB)},
    };
}

std::string debianVersion()
{
    std::string v = trim(readFile("/etc/debian_version"));
    return v.empty() ? "unknown" : v;
}

// The 1, 5 and 15 minute load averages of a /proc/loadavg line.
std::string loadAverages(const std::string& loadavg)
{
    std::istringstream in(loadavg);
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + ", " + five + ", " + fifteen;
}

std::string machine(const std::string& qt, const std::string& loadBefore)
{
    utsname u{};
    uname(&u);
    long pages = sysconf(_SC_PHYS_PAGES);
    long pageSize = sysconf(_SC_PAGE_SIZE);
    double memGiB = static_cast<double>(pages) * static_cast<double>(pageSize) / (1024.0 * 1024 * 1024);
    std::string loadAfter = readFile("/proc/loadavg");
    std::ostringstream out;
    out << "- CPU: " << procField("/proc/cpuinfo", "model name") << ", " << sysconf(_SC_NPROCESSORS_ONLN)
        << " logical processors (nproc)\n"
        << "- Memory: " << format("%.1f GiB", memGiB) << "\n"
        << "- System: Debian " << debianVersion() << ", Linux " << u.release << ", Qt " << qt << ", "
        << "compiler " << __VERSION__ << ", Release build (-O3)\n"
        << "- Load average (1, 5, 15 min) before the run: " << loadAverages(loadBefore)
        << "; after it: " << loadAverages(loadAfter) << "\n";
    return out.str();
}

std::string table(const std::vector<Row>& rows)
{
    std::ostringstream out;
    out << "| What | Median | CPU | Target | |\n|---|---:|---:|---:|---|\n";
    for (const Row& r : rows)
        out << "| " << r.what << " | " << r.median << " | " << r.cpu << " | " << r.target << " | " << r.verdict
            << " |\n";
    return out.str();
}

void printTable(const std::vector<Row>& rows)
{
    std::size_t width = 0;
    for (const Row& r : rows) width = std::max(width, r.what.size());
    for (const Row& r : rows) {
        std::printf("%-*s %12s %12s %12s  %s\n", static_cast<int>(width), r.what.c_str(), r.median.c_str(),
                    r.cpu.c_str(), r.target.c_str(), r.verdict.c_str());
    }
}

int report(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s BENCH.json STARTUP.json STARTUP_TABLE.json LOAD_BEFORE DOC.md\n", argv[0]);
        return 2;
    }
    nlohmann::json bench;
    nlohmann::json startMain;
    nlohmann::json startTable;
    try {
        bench = nlohmann::json::parse(readFile(argv[1]));
        startMain = nlohmann::json::parse(readFile(argv[2]));
        startTable = nlohmann::json::parse(readFile(argv[3]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvolin-bench-report: unreadable results: %s\n", e.what());
        return 1;
    }
    std::vector<Row> rows = benchmarkRows(bench);
    for (Row& r : startupRows(startMain, startTable)) rows.push_back(r);

    printTable(rows);
    int missed = 0;
    int busy = 0;  // misses whose CPU time meets the target: the load, not the program
    for (const Row& r : rows) {
        if (r.verdict == "met" || r.verdict.empty()) continue;
        ++missed;
        if (r.verdict.find("busy machine") != std::string::npos) ++busy;
    }
    std::string summary = "Every target is met.";
    if (missed > 0 && busy == missed)
        summary = std::to_string(missed) +
                  " wall-clock figure(s) miss their target, each within it in CPU time: other programs kept the "
                  "processors busy.";
    else if (missed > 0)
        summary = std::to_string(missed) + " figure(s) miss their target; see the notes below.";

    std::ostringstream figures;
    figures << kBegin << "\n"
            << "Taken by `scripts/bench` on " << bench.at("context").value("date", "") << ":\n\n"
            << machine(startMain.value("qt", "unknown"), argv[4]) << "\n"
            << table(rows) << "\n"
            << summary << "\n"
            << kEnd;

    std::string doc = readFile(argv[5]);
    std::size_t begin = doc.find(kBegin);
    std::size_t end = doc.find(kEnd);
    if (begin != std::string::npos && end != std::string::npos && end > begin)
        doc.replace(begin, end + std::string(kEnd).size() - begin, figures.str());
    else
        doc += (doc.empty() ? "# Performance\n\n" : "\n") + figures.str() + "\n";
    std::ofstream(argv[5], std::ios::binary) << doc;
    std::printf("\nWritten to %s. %s\n", argv[5], missed == 0 ? "Every target is met." : "Some targets are missed.");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return report(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tarvolin-bench-report: %s\n", e.what());
        return 1;
    }
}

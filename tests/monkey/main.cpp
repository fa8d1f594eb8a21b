// monkey [--seeds A-B] [--steps N] [--print]: the random walk of monkey.h over the seeds A to B, N actions
// each. Prints the figures, and for every failure the seed and the script that reproduces it; exits 1 when
// any seed failed.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <string>

#include "monkey.h"

namespace {

bool parseRange(const std::string& text, std::uint64_t& first, std::uint64_t& last)
{
    char* end = nullptr;
    first = std::strtoull(text.c_str(), &end, 10);
    if (end == text.c_str()) return false;
    if (*end == '\0') {
        last = first;
        return true;
    }
    if (*end != '-') return false;
    const char* rest = end + 1;
    last = std::strtoull(rest, &end, 10);
    return end != rest && *end == '\0' && last >= first;
}

int usage()
{
    std::cerr << "usage: monkey [--seeds A-B] [--steps N] [--print]\n"
                 "  --seeds A-B  the seeds to run (default 1-10); a single seed is --seeds A\n"
                 "  --steps N    user actions per seed (default 1000)\n"
                 "  --print      print every action as it is chosen\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::uint64_t first = 1;
    std::uint64_t last = 10;
    int steps = 1000;
    bool print = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--seeds" && i + 1 < argc) {
            if (!parseRange(argv[++i], first, last)) return usage();
        } else if (arg == "--steps" && i + 1 < argc) {
            steps = std::atoi(argv[++i]);
            if (steps <= 0) return usage();
        } else if (arg == "--print") {
            print = true;
        } else {
            return usage();
        }
    }

    long long actions = 0;
    long long runs = 0;
    long long messages = 0;
    int failed = 0;
    std::map<std::string, long long> commands;
    std::map<std::string, long long> opened;
    std::map<std::string, long long> outside;
    for (std::uint64_t seed = first; seed <= last; ++seed) {
        tv::monkey::Options options;
        options.seed = seed;
        options.steps = steps;
        if (print) options.onLine = [seed](const std::string& line) { std::cout << seed << ": " << line << '\n'; };
        tv::monkey::Report report = tv::monkey::run(options);
        actions += report.actions;
        runs += report.runs;
        messages += report.messages;
        for (const auto& [c, n] : report.commands) commands[c] += n;
        for (const auto& [f, n] : report.opened) opened[f] += n;
        for (const auto& [k, n] : report.outside) outside[k] += n;
        for (const tv::monkey::Failure& f : report.failures) {
            ++failed;
            std::cout << "FAILED " << tv::monkey::describe(f) << '\n';
        }
        if (seed == last) break;  // the last seed of the whole range
    }
    std::cout << "seeds " << first << "-" << last << ": " << actions << " actions in " << runs << " runs, " << messages
              << " messages, " << failed << " failed seeds\n  actions:";
    for (const auto& [c, n] : commands) std::cout << ' ' << c << ' ' << n;
    std::cout << "\n  windows opened:";
    for (const auto& [f, n] : opened) std::cout << ' ' << f << ' ' << n;
    std::cout << "\n  outside the windows:";
    for (const auto& [k, n] : outside) std::cout << ' ' << k << ' ' << n;
    std::cout << '\n';
    return failed > 0 ? 1 : 0;
}

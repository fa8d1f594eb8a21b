#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tv {
class Program;
class Translator;
}  // namespace tv

// A seeded random walk of user actions over every screen. Each action is a line of the replay driver's
// script language, run by the driver itself, so the actions of a failing run are a script that reproduces
// it. After every action the whole program is checked (checks.h); no action may throw, make a runaway
// number of changes, or leave the program inconsistent.
namespace tv::monkey {

struct Options {
    std::uint64_t seed = 1;
    int steps = 1000;  // actions of the seed in all; Exit ends a run and the next run starts a new program
    // Model changes one action may make before it counts as a runaway loop. The largest honest action
    // (a 1,200-month schedule) makes some 30,000.
    long long changeBudget = 2'000'000;
    // Extra checks after every action (tests plant faults with it); problems it returns fail the run.
    std::function<std::vector<std::string>(Program&)> extraCheck;
    // Called with every script line as it is chosen.
    std::function<void(const std::string&)> onLine;
    // The language of the walk's program (English without); tarvolin-texts writes down what it is asked for.
    std::shared_ptr<const Translator> translator;
};

struct Failure {
    std::uint64_t seed = 0;
    int run = 0;  // runs of the seed before this one
    std::vector<std::string> problems;
    std::string script;         // the run's actions as a tarvolin-replay script
    bool withSettings = false;  // the run started with `settings` as its Tarvolin.ini
    std::string settings;
};

struct Report {
    int actions = 0;
    int runs = 0;
    int messages = 0;
    std::map<std::string, int> commands;  // actions by script command
    std::map<std::string, int> opened;    // loads by form
    std::map<std::string, int> outside;   // what reached the outside world: printed, copied, saved, charts...
    std::vector<Failure> failures;
};

// Runs one seed to its end or to its first failure.
Report run(const Options& options);

// The failure as a person reproduces it: the seed, the problems, the settings file and the script.
std::string describe(const Failure& failure);

// The texts typed into boxes: random numbers and the nasty cases ("NaN", "1e308", "-0", "$(1,2,3)", unicode,
// 10,000 characters, empty...). None holds a line break, so each fits on a script line.
const std::vector<std::string>& nastyTexts();

}  // namespace tv::monkey

#pragma once

#include <string>
#include <vector>

namespace tv {
class Mervane;
class LoanSheet;
class Program;
class ScriptedPlatform;
}  // namespace tv

// The largest inputs each command accepts, entered as a user enters them: an option clicked, boxes typed,
// list entries picked. Shared by the model benchmarks and the window benchmarks.
namespace tv::bench {

// One Calculate of the main screen at its worst accepted inputs.
struct CalcScenario {
    const char* name;  // the benchmark's name: "Calculate/<view>/<option>/<what>"
    void (*enter)(Mervane& m);
};

// Every solver of the main screen, each at the inputs that make it do the most work and still give a result.
const std::vector<CalcScenario>& calcScenarios();

// The table screen opened from the main screen's menu, on the largest table the checks accept: rates 0.00 to
// 25.00 % (101 rows) and lengths 1 to 1,200 months in six-month steps (200 columns): 20,200 payments.
void enterLargestTable(Program& program);
// The table of 1 to 100 years at 0.00 to 25.00 %, whose last cell (25 % over 100 years) has the longest
// schedule: 1,200 months.
void enterLongestScheduleTable(Program& program);

// The texts of every box and label of the main screen, to check that a benchmark repeats the same
// calculation and that a faster method shows what the direct one showed.
std::vector<std::string> shownTexts(const Mervane& m);

// The messages shown since the last call, emptied.
std::vector<std::string> takeMessages(ScriptedPlatform& platform);

}  // namespace tv::bench

// scenario_check REPLAY SCRIPT: runs one scenario and compares it with what it should print.
//
// SCRIPT is tests/scenarios/NAME.replay. Beside it: NAME.expected (the output, one JSON object a line)
// and optionally NAME.ini (copied as Tarvolin.ini into the fresh working folder the replay runs in).
// The exit status the replay must end with is 0 unless the script's first line says "# exit N".
// The output is compared line by line as parsed JSON (key order, spacing and 30 vs 30.0 do not matter).
// With TARVOLIN_UPDATE_SCENARIOS=1 in the environment the actual output is written to NAME.expected
// instead (review the change before committing it).
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>

#include <nlohmann/json.hpp>

namespace fs = std::filesystem;
using Json = nlohmann::json;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// One output line: its text and, when it is JSON, its value.
struct OutLine {
    int number = 0;  // 1-based line number in its file
    std::string text;
    std::optional<Json> value;

    bool operator==(const OutLine& other) const
    {
        if (value && other.value) return *value == *other.value;
        if (value || other.value) return false;
        return text == other.text;
    }
};

std::vector<OutLine> splitLines(const std::string& text)
{
    std::vector<OutLine> lines;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        OutLine out{number, line, std::nullopt};
        Json parsed = Json::parse(line, nullptr, false);
        if (!parsed.is_discarded()) out.value = std::move(parsed);
        lines.push_back(std::move(out));
    }
    return lines;
}

// The exit status the scenario expects: "# exit N" on its first line, else 0.
int expectedStatus(const std::string& script)
{
    std::istringstream in(script);
    std::string first;
    std::getline(in, first);
    std::istringstream words(first);
    std::string hash;
    std::string exitWord;
    int status = 0;
    if (words >> hash >> exitWord >> status && hash == "#" && exitWord == "exit") return status;
    return 0;
}

// The locale the scenario runs in: "# locale NAME" among its opening comment lines, else none (en_US).
std::string scriptLocale(const std::string& script)
{
    std::istringstream in(script);
    for (std::string line; std::getline(in, line) && line.starts_with("#");) {
        std::istringstream words(line);
        std::string hash;
        std::string word;
        std::string name;
        if (words >> hash >> word >> name && word == "locale") return name;
    }
    return {};
}

struct Run {
    int status = -1;  // exit status, or -1 when the replay did not exit normally
    std::string how;  // how it ended when it did not exit normally
    std::string out;
    std::string err;
};

Run runReplay(const std::string& replay, const fs::path& script, const std::string& locale, const fs::path& workDir,
              const fs::path& outFile, const fs::path& errFile)
{
    Run run;
    pid_t pid = fork();
    if (pid < 0) {
        run.how = std::string("cannot start the replay: ") + std::strerror(errno);
        return run;
    }
    if (pid == 0) {
        int in = open("/dev/null", O_RDONLY);
        int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0 ||
            chdir(workDir.c_str()) != 0)
            _exit(127);
        // The per-user configuration folder is the scratch folder's: a scenario never touches the real one.
        setenv("XDG_CONFIG_HOME", (workDir / "config").c_str(), 1);
        if (locale.empty())
            execl(replay.c_str(), replay.c_str(), script.c_str(), static_cast<char*>(nullptr));
        else
            execl(replay.c_str(), replay.c_str(), "--locale", locale.c_str(), script.c_str(),
                  static_cast<char*>(nullptr));
        _exit(127);
    }
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0) {
        if (errno != EINTR) {
            run.how = "lost the replay process";
            return run;
        }
    }
    if (WIFEXITED(wstatus))
        run.status = WEXITSTATUS(wstatus);
    else if (WIFSIGNALED(wstatus))
        run.how = std::string("killed by signal ") + std::to_string(WTERMSIG(wstatus)) + " (" +
                  strsignal(WTERMSIG(wstatus)) + ")";
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    return run;
}

// The keys whose values differ between two objects, for a readable note under a changed line.
std::string differingKeys(const Json& want, const Json& got)
{
    if (!want.is_object() || !got.is_object()) return {};
    std::vector<std::string> keys;
    for (const auto& [key, value] : want.items())
        if (!got.contains(key) || got.at(key) != value) keys.push_back(key);
    for (const auto& [key, value] : got.items())
        if (!want.contains(key)) keys.push_back(key);
    std::string out;
    for (const std::string& k : keys) out += (out.empty() ? "" : ", ") + k;
    return out;
}

enum class Op { Same, Removed, Added };

// A shortest edit script between the expected and the actual lines (longest common subsequence).
std::vector<std::pair<Op, std::size_t>> diffLines(const std::vector<OutLine>& want, const std::vector<OutLine>& got)
{
    const std::size_t n = want.size();
    const std::size_t m = got.size();
    std::vector<std::pair<Op, std::size_t>> ops;
    constexpr std::size_t kMaxCells = 16'000'000;
    if ((n + 1) * (m + 1) > kMaxCells) {
        // Too long for a full diff: compare position by position.
        for (std::size_t i = 0; i < std::max(n, m); ++i) {
            if (i < n && i < m && want[i] == got[i]) {
                ops.emplace_back(Op::Same, i);
                continue;
            }
            if (i < n) ops.emplace_back(Op::Removed, i);
            if (i < m) ops.emplace_back(Op::Added, i);
        }
        return ops;
    }
    // lcs[i][j]: length of the common subsequence of want[i..] and got[j..].
    std::vector<std::uint32_t> lcs((n + 1) * (m + 1), 0);
    auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& { return lcs[i * (m + 1) + j]; };
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            at(i, j) = want[i] == got[j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n && j < m) {
        if (want[i] == got[j]) {
            ops.emplace_back(Op::Same, i);
            ++i;
            ++j;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ops.emplace_back(Op::Removed, i++);
        } else {
            ops.emplace_back(Op::Added, j++);
        }
    }
    while (i < n) ops.emplace_back(Op::Removed, i++);
    while (j < m) ops.emplace_back(Op::Added, j++);
    return ops;
}

void printDiff(const std::vector<OutLine>& want, const std::vector<OutLine>& got)
{
    auto ops = diffLines(want, got);
    constexpr std::size_t kContext = 2;
    // Lines near a change are shown; longer runs of equal lines are summarised.
    std::vector<bool> show(ops.size(), false);
    for (std::size_t k = 0; k < ops.size(); ++k) {
        if (ops[k].first == Op::Same) continue;
        std::size_t from = k >= kContext ? k - kContext : 0;
        std::size_t to = std::min(ops.size(), k + kContext + 1);
        for (std::size_t x = from; x < to; ++x) show[x] = true;
    }
    std::size_t hidden = 0;
    for (std::size_t k = 0; k < ops.size();) {
        if (!show[k]) {
            ++hidden;
            ++k;
            continue;
        }
        if (hidden) std::cout << "   ... " << hidden << " equal line(s)\n";
        hidden = 0;
        if (ops[k].first == Op::Same) {
            std::cout << "   " << want[ops[k].second].text << '\n';
            ++k;
            continue;
        }
        // One changed block: the expected lines, then the actual ones, each paired with the expected
        // line at the same place in the block to name the fields that differ.
        std::vector<std::size_t> removed;
        std::vector<std::size_t> added;
        for (; k < ops.size() && ops[k].first != Op::Same; ++k)
            (ops[k].first == Op::Removed ? removed : added).push_back(ops[k].second);
        for (std::size_t i : removed)
            std::cout << "-  " << want[i].text << "   (expected line " << want[i].number << ")\n";
        for (std::size_t n = 0; n < added.size(); ++n) {
            const OutLine& line = got[added[n]];
            std::cout << "+  " << line.text << "   (output line " << line.number << ")\n";
            if (n < removed.size() && want[removed[n]].value && line.value) {
                std::string keys = differingKeys(*want[removed[n]].value, *line.value);
                if (!keys.empty()) std::cout << "   fields that differ: " << keys << '\n';
            }
        }
    }
    if (hidden) std::cout << "   ... " << hidden << " equal line(s)\n";
}

// A fresh working folder under the system's temporary folder.
fs::path makeTempDir(const std::string& stem)
{
    std::string pattern = (fs::temp_directory_path() / ("tarvolin-scenario-" + stem + "-XXXXXX")).string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) return {};
    return fs::path(buf.data());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: scenario_check REPLAY SCRIPT.replay\n";
        return 2;
    }
    const std::string replay = fs::absolute(argv[1]).string();
    const fs::path script = fs::absolute(argv[2]);
    const std::string stem = script.stem().string();
    fs::path expectedPath = script;
    expectedPath.replace_extension(".expected");
    fs::path iniPath = script;
    iniPath.replace_extension(".ini");
    const bool update = std::getenv("TARVOLIN_UPDATE_SCENARIOS") != nullptr &&
                        std::string(std::getenv("TARVOLIN_UPDATE_SCENARIOS")) == "1";

    if (!fs::exists(script)) {
        std::cout << "no scenario " << script << '\n';
        return 1;
    }
    const int wantStatus = expectedStatus(readFile(script));

    fs::path temp = makeTempDir(stem);
    if (temp.empty()) {
        std::cout << "cannot make a temporary folder: " << std::strerror(errno) << '\n';
        return 1;
    }
    fs::path work = temp / "work";
    fs::create_directory(work);
    if (fs::exists(iniPath)) fs::copy_file(iniPath, work / "Tarvolin.ini");
    fs::path historyPath = script;
    historyPath.replace_extension(".sqlite");
    if (fs::exists(historyPath)) fs::copy_file(historyPath, work / historyPath.filename());
    Run run = runReplay(replay, script, scriptLocale(readFile(script)), work, temp / "stdout", temp / "stderr");
    std::error_code ignore;
    fs::remove_all(temp, ignore);

    bool ok = true;
    if (run.status < 0) {
        std::cout << stem << ": the replay did not finish: " << run.how << '\n';
        ok = false;
    } else if (run.status != wantStatus) {
        std::cout << stem << ": the replay exited with " << run.status << ", expected " << wantStatus
                  << (wantStatus ? "" : " (a scenario that should fail says \"# exit N\" on its first line)") << '\n';
        ok = false;
    }

    if (update) {
        std::ofstream(expectedPath, std::ios::binary) << run.out;
        std::cout << stem << ": wrote " << expectedPath << '\n';
    } else if (!fs::exists(expectedPath)) {
        std::cout << stem << ": no " << expectedPath.filename()
                  << " (run with TARVOLIN_UPDATE_SCENARIOS=1 to write it from the output)\n";
        ok = false;
    } else {
        std::vector<OutLine> want = splitLines(readFile(expectedPath));
        for (const OutLine& w : want)
            if (!w.value) {
                std::cout << expectedPath.filename() << ':' << w.number << ": not JSON: " << w.text << '\n';
                ok = false;
            }
        std::vector<OutLine> got = splitLines(run.out);
        if (want != got) {
            std::cout << stem << ": the output differs from " << expectedPath.filename()
                      << " (- expected, + actual):\n";
            printDiff(want, got);
            ok = false;
        }
    }
    if (!ok && !run.err.empty()) std::cout << "standard error of the replay:\n" << run.err;
    return ok ? 0 : 1;
}

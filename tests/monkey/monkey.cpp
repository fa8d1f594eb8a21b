#include "monkey.h"

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <streambuf>

#include "app/program.h"
#include "checks.h"
#include "replay/replay.h"
#include "screen_model/application.h"
#include "screen_model/form.h"
#include "screen_model/scripted_platform.h"
#include "settings/file_system.h"
#include "settings/settings_path.h"

namespace tv::monkey {

namespace {

// splitmix64: the same numbers on every machine and library, unlike the standard distributions.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
    bool chance(double p) { return unit() < p; }
    template <class T>
    const T& pick(const std::vector<T>& v)
    {
        return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))];
    }

private:
    std::uint64_t m_state;
};

// Counts the model's changes between two actions, and notes the grid cells they touched and the forms
// they loaded.
class Watcher : public ModelObserver {
public:
    void controlChanged(Control& control, Prop prop, int row, int col) override
    {
        ++changes;
        if (control.kind() != Kind::Grid) return;
        auto& grid = static_cast<Grid&>(control);
        if (prop == Prop::GridCell && row >= 0 && col >= 0) {
            cells[&grid].insert(row * grid.cols() + col);
        } else if (prop == Prop::GridShape) {
            reshaped.insert(&grid);
        }
    }
    void menuChanged(MenuItem&, Prop) override { ++changes; }
    void formChanged(Form& form, FormEvent event) override
    {
        ++changes;
        if (event == FormEvent::Loaded) ++opened[form.name()];
    }
    void focusChanged(Control*, Control*) override { ++changes; }

    long long changes = 0;
    std::map<Grid*, std::set<int>> cells;
    std::set<Grid*> reshaped;
    std::map<std::string, int> opened;
};

// A script read line by line from a function: the next action is chosen only once the previous one has run.
class LineSource : public std::streambuf {
public:
    explicit LineSource(std::function<std::optional<std::string>()> next) : m_next(std::move(next)) {}

protected:
    int_type underflow() override
    {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        std::optional<std::string> line = m_next();
        if (!line) return traits_type::eof();
        m_buffer = *line + "\n";
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + m_buffer.size());
        return traits_type::to_int_type(*gptr());
    }

private:
    std::function<std::optional<std::string>()> m_next;
    std::string m_buffer;
};

const std::vector<std::string> kSettingsKeys = {
    "LoanAmount",          "LoanDuration",         "LoanInterest",    "InvestBFamt1x",      "InvestBFamtMo",
    "InvestBFamtYr",       "InvestBFduration",     "InvestBFInt",     "InvestAnnuityAmt",   "InvestAnnuityDuration",
    "InvestAnnuityInt",    "InvestAnnuityPayment", "MenuStart",       "DurationType",       "UseWindowDefaults",
    "LoanBkgrndColor",     "LoanTxtColor",         "LoanHiTxtColor",  "InvestBkgrndColor",  "InvestTxtColor",
    "InvestHiTxtColor",    "TextBoxBgColor",       "LoanButtonColor", "LoanButtonTxtColor", "InvestButtonColor",
    "InvestButtonTxtColor"};

const std::vector<std::string> kSettingsValues = {
    "0",   "1",   "2",    "3",     "-1",     "12",         "15",          "25",    "64",   "80",  "100", "200",
    "201", "999", "1000", "30000", "100000", "2147483647", "-2147483648", "abc",   "",     " 7 ", "1e9", "99999999999",
    "21",  "22",  "23",   "24",    "89",     "90",         "32766",       "32767", "1200", "5.5", "-0",  "+4"};

// A settings file for a run: none, a file of the program's keys with odd values, or a damaged one.
std::optional<std::string> randomSettings(Rng& rng)
{
    double roll = rng.unit();
    if (roll < 0.45) return std::nullopt;
    std::string text;
    if (roll < 0.85) {
        if (rng.chance(0.1)) text += "\xEF\xBB\xBF";
        text += rng.chance(0.9) ? "[TarvolinDefaults]\r\n" : "[tarvolindefaults]\n";
        int keys = 1 + rng.below(static_cast<int>(kSettingsKeys.size()));
        for (int i = 0; i < keys; ++i) {
            text += rng.pick(kSettingsKeys) + "=";
            text += rng.chance(0.8) ? rng.pick(kSettingsValues)
                                    : std::to_string(static_cast<int>(rng.next() % 4001) - 2000);
            text += rng.chance(0.9) ? "\r\n" : "\n";
        }
        return text;
    }
    // Damaged: pieces of lines, brackets, equals signs and stray bytes.
    const char* const pieces[] = {"[",
                                  "]",
                                  "=",
                                  "\r\n",
                                  "\n",
                                  "\r",
                                  ";",
                                  " ",
                                  "TarvolinDefaults",
                                  "LoanAmount",
                                  "MenuStart",
                                  "DurationType",
                                  "LoanInterest",
                                  "9",
                                  "-",
                                  "\xff",
                                  "\x00",
                                  "\xEF\xBB\xBF"};
    int n = 1 + rng.below(60);
    for (int i = 0; i < n; ++i) {
        int k = rng.below(static_cast<int>(std::size(pieces)));
        text += k == 16 ? std::string(1, '\0') : std::string(pieces[k]);
    }
    return text;
}

std::string randomNumberText(Rng& rng)
{
    auto digits = [&](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>('0' + rng.below(10));
        return s;
    };
    int kind = rng.below(8);
    int whole = 1 + rng.below(rng.chance(0.7) ? 6 : 16);
    std::string n = digits(whole);
    switch (kind) {
        case 0:
            return n;
        case 1:
            return n + "." + digits(1 + rng.below(4));
        case 2:
            return "-" + n;
        case 3: {  // money as the boxes show it
            std::string grouped;
            for (std::size_t i = 0; i < n.size(); ++i) {
                if (i > 0 && (n.size() - i) % 3 == 0) grouped += ',';
                grouped += n[i];
            }
            std::string money = "$" + grouped + "." + digits(2);
            return rng.chance(0.2) ? "(" + money + ")" : money;
        }
        case 4:
            return std::to_string(rng.below(50));  // durations and installments
        case 5:
            return std::to_string(rng.below(400));
        case 6:
            return n + "%";
        default:
            return "0." + digits(1 + rng.below(5));
    }
}

std::string randomGarbage(Rng& rng)
{
    const std::string chars = "0123456789.,-+$()%eE aZ\t#";
    std::string s;
    int n = rng.below(12);
    for (int i = 0; i < n; ++i) s += chars[static_cast<std::size_t>(rng.below(static_cast<int>(chars.size())))];
    if (!s.empty() && s.back() == '\r') s.pop_back();
    return s;
}

std::string typedText(Rng& rng)
{
    double roll = rng.unit();
    if (roll < 0.35) return rng.pick(nastyTexts());
    if (roll < 0.80) return randomNumberText(rng);
    if (roll < 0.95) return randomGarbage(rng);
    return "";
}

struct Candidate {
    double weight;
    std::function<std::string()> line;
};

bool endsTheProgram(const std::string& line)
{
    return line == "menu Mervane.mnu_exit" || line == "close Mervane" || line == "tool 15";
}

// The actions a user can take now, each as a script line with a weight.
std::vector<Candidate> candidates(Program& program, Rng& rng, int stepsInModal)
{
    std::vector<Candidate> out;
    Application& app = program.app();
    Form* top = app.topmost();
    const bool modal = top && top->modal();
    std::vector<Form*> active;
    if (modal) {
        active.push_back(top);
    } else {
        for (Form* f : app.forms())
            if (f->loaded() && f->visible()) active.push_back(f);
    }
    std::vector<Control*> focusable;
    for (Form* f : active) {
        const std::string prefix = f->name() + ".";
        for (Control* c : f->controls()) {
            if (!c->usableByUser()) continue;
            const std::string name = prefix + c->name();
            switch (c->kind()) {
                case Kind::MaskedBox:
                    if (!static_cast<MaskedBox*>(c)->locked())
                        out.push_back({3.0, [name, &rng] { return "type " + name + " " + typedText(rng); }});
                    focusable.push_back(c);
                    break;
                case Kind::ComboList: {
                    int count = static_cast<ComboList*>(c)->count();
                    if (count > 0)
                        out.push_back({1.5, [name, count, &rng] {
                                           return "pick " + name + " " + std::to_string(rng.below(count));
                                       }});
                    focusable.push_back(c);
                    break;
                }
                case Kind::OptionButton:
                case Kind::CheckBox:
                    out.push_back({1.0, [name] { return "click " + name; }});
                    focusable.push_back(c);
                    break;
                case Kind::CommandButton:
                    out.push_back({1.5, [name] { return "click " + name; }});
                    focusable.push_back(c);
                    break;
                case Kind::Label:
                    out.push_back({0.05, [name] { return "click " + name; }});
                    break;
                case Kind::Grid: {
                    auto* g = static_cast<Grid*>(c);
                    for (const char* command : {"cell ", "cell ", "dblclick "}) {
                        out.push_back({1.0, [g, name, command, &rng] {
                                           int r = g->fixedRows() + rng.below(g->rows() - g->fixedRows());
                                           // Most clicks go to the rows a user sees first.
                                           if (rng.chance(0.7))
                                               r = g->fixedRows() + rng.below(std::min(16, g->rows() - g->fixedRows()));
                                           int col = g->fixedCols() + rng.below(g->cols() - g->fixedCols());
                                           return command + name + " " + std::to_string(r) + " " + std::to_string(col);
                                       }});
                    }
                    focusable.push_back(c);
                    break;
                }
                default:
                    break;
            }
        }
        for (MenuItem* item : f->allMenus()) {
            if (!item->children().empty() || !item->usableByUser()) continue;
            std::string line = "menu " + prefix + item->fullName();
            out.push_back({endsTheProgram(line) ? 0.02 : 0.8, [line] { return line; }});
        }
        // Closing a window by its close box; the main screen's ends the program.
        double closeWeight = f->name() == "Mervane" ? 0.02 : modal ? 0.5 + 0.05 * stepsInModal : 0.3;
        out.push_back({closeWeight, [f] { return "close " + f->name(); }});
    }
    if (!modal) {
        const Form* main = app.findForm("Mervane");
        const Toolbar& tb = main->toolbar("Toolbar1");
        if (tb.usableByUser()) {
            for (int i = 1; i <= tb.count(); ++i) {
                const ToolButton& b = tb.button(i);
                if (b.style == ToolStyle::Separator || !b.visible || !b.enabled) continue;
                std::string line = "tool " + std::to_string(i);
                out.push_back({endsTheProgram(line) ? 0.02 : 0.6, [line] { return line; }});
                for (std::size_t k = 0; k < b.menu.size(); ++k)
                    if (b.menu[k].visible && b.menu[k].enabled)
                        out.push_back({0.6, [line, k] { return line + " " + std::to_string(k + 1); }});
            }
        }
    }
    if (!focusable.empty())
        out.push_back({0.4, [focusable, &rng] {
                           Control* c =
                               focusable[static_cast<std::size_t>(rng.below(static_cast<int>(focusable.size())))];
                           return "focus " + c->form().name() + "." + c->name();
                       }});
    out.push_back({0.7, [&rng] {
                       const char* const answers[] = {"answer yes", "answer no", "answer yes yes", "answer no yes",
                                                      "answer yes no no"};
                       return std::string(answers[rng.below(5)]);
                   }});
    return out;
}

std::string chooseLine(Program& program, Rng& rng, int stepsInModal)
{
    std::vector<Candidate> all = candidates(program, rng, stepsInModal);
    double total = 0;
    for (const Candidate& c : all) total += c.weight;
    double at = rng.unit() * total;
    for (const Candidate& c : all) {
        if (at < c.weight) return c.line();
        at -= c.weight;
    }
    return all.back().line();
}

std::string commandOf(const std::string& line)
{
    return line.substr(0, line.find(' '));
}

// The artefacts of what the program showed outside its windows since the last look.
void checkRecords(ScriptedPlatform& platform, const UserTexts& user, Report& report, std::vector<std::string>& problems)
{
    static const std::map<PlatformRecord::Type, std::string> kinds{
        {PlatformRecord::Type::Printed, "printed"}, {PlatformRecord::Type::Help, "help"},
        {PlatformRecord::Type::Started, "started"}, {PlatformRecord::Type::Clipboard, "copied"},
        {PlatformRecord::Type::Saved, "saved"},     {PlatformRecord::Type::Chart, "charts"}};
    for (const PlatformRecord& r : platform.records()) {
        if (auto k = kinds.find(r.type); k != kinds.end()) ++report.outside[k->second];
        if (r.type == PlatformRecord::Type::Message) {
            ++report.messages;
            if (std::string a = artefactIn(r.text, user); !a.empty()) problems.push_back("a message shows " + a);
            static const std::set<std::string> titles{"input Error", "LoanSheet Error", "LoanSheet Instructions",
                                                      "Calculation History", kProductName};
            if (!titles.count(r.title)) problems.push_back("a message has the title \"" + r.title + "\"");
        } else if (r.type == PlatformRecord::Type::Clipboard || r.type == PlatformRecord::Type::Printed) {
            if (std::string a = artefactIn(r.text, user); !a.empty()) problems.push_back("the table text shows " + a);
        } else if (r.type == PlatformRecord::Type::Saved) {
            if (std::string a = artefactIn(r.text, user); !a.empty()) problems.push_back("a saved file shows " + a);
            for (const auto& row : r.table.rows)
                for (const std::string& cell : row)
                    if (std::string a = artefactIn(cell, user); !a.empty())
                        problems.push_back("a saved table shows " + a);
        } else if (r.type == PlatformRecord::Type::Chart) {
            for (const Chart& chart : r.chart.charts) {
                if (std::string a = artefactIn(chart.title, user); !a.empty()) problems.push_back("a chart shows " + a);
                for (const std::string& c : chart.categories)
                    if (std::string a = artefactIn(c, user); !a.empty()) problems.push_back("a chart shows " + a);
                for (const ChartSeries& series : chart.series)
                    for (const ChartPoint& p : series.points)
                        if (!std::isfinite(p.x) || !std::isfinite(p.y))
                            problems.push_back("the chart \"" + chart.title +
                                               "\" has a point that is not a number in " + series.name);
            }
        }
    }
    platform.clearRecords();
}

// One run: a new program on the scripted platform, acting until Exit, the end of the steps or a failure.
class Run {
public:
    Run(const Options& options, Rng& rng, Report& report, int runIndex, int& stepsLeft)
        : m_options(options), m_rng(rng), m_report(report), m_stepsLeft(stepsLeft)
    {
        m_failure.seed = options.seed;
        m_failure.run = runIndex;
        std::optional<std::string> settings = randomSettings(rng);
        if (settings) {
            m_failure.withSettings = true;
            m_failure.settings = *settings;
            m_fs.replace(kSettingsFileName, *settings);
        }
    }

    // Runs to the end; true when the run failed.
    bool go()
    {
        m_program = std::make_unique<Program>(m_platform, m_options.translator);
        m_program->setFileSystem(m_fs);
        m_program->app().addObserver(&m_watcher);
        try {
            m_program->Main();
        } catch (const std::exception& e) {
            m_problems.push_back(std::string("start-up threw: ") + e.what());
        }
        if (m_problems.empty()) {
            LineSource source([this] { return nextLine(); });
            std::istream script(&source);
            std::ostringstream out;
            std::ostringstream err;
            int status = runScript(*m_program, m_platform, script, out, err);
            if (status == kReplayProgramFault) m_problems.push_back("the program threw: " + err.str());
            if (status == kReplayScriptError) m_problems.push_back("the monkey wrote a bad line: " + err.str());
            if (m_problems.empty() && !m_program->app().ended()) look();
        }
        for (const auto& [name, n] : m_watcher.opened) m_report.opened[name] += n;
        m_program->app().removeObserver(&m_watcher);
        if (m_problems.empty()) return false;
        m_failure.problems = m_problems;
        m_failure.script = m_script;
        m_report.failures.push_back(m_failure);
        return true;
    }

private:
    // Checks the program after the last action; fills m_problems.
    void look()
    {
        if (m_watcher.changes > m_options.changeBudget)
            m_problems.push_back("one action made " + std::to_string(m_watcher.changes) + " changes: a loop ran away");
        checkRecords(m_platform, m_user, m_report, m_problems);
        for (std::string& p : checkProgram(*m_program, m_user)) m_problems.push_back(std::move(p));
        for (auto& [grid, cells] : m_watcher.cells) {
            std::set<int> all;
            if (m_watcher.reshaped.count(grid)) {
                // The shape changed: the cell numbers are stale, so look at the whole grid.
                for (int i = 0; i < grid->rows() * grid->cols(); ++i) all.insert(i);
            }
            for (std::string& p : checkCells(*grid, all.empty() ? cells : all, m_user))
                m_problems.push_back(std::move(p));
        }
        m_watcher.cells.clear();
        m_watcher.reshaped.clear();
        m_watcher.changes = 0;
        if (m_options.extraCheck)
            for (std::string& p : m_options.extraCheck(*m_program)) m_problems.push_back(std::move(p));
    }

    std::optional<std::string> nextLine()
    {
        if (!m_problems.empty()) return std::nullopt;
        look();
        if (!m_problems.empty() || m_stepsLeft <= 0) return std::nullopt;
        Form* top = m_program->app().topmost();
        m_stepsInModal = top && top->modal() ? m_stepsInModal + 1 : 0;
        std::string line = chooseLine(*m_program, m_rng, m_stepsInModal);
        --m_stepsLeft;
        ++m_report.actions;
        ++m_report.commands[commandOf(line)];
        if (line.rfind("type ", 0) == 0) {
            std::size_t nameEnd = line.find(' ', 5);
            m_user.insert(line.substr(nameEnd + 1));
        }
        m_script += line + "\n";
        if (m_options.onLine) m_options.onLine(line);
        return line;
    }

    const Options& m_options;
    Rng& m_rng;
    Report& m_report;
    int& m_stepsLeft;
    ScriptedPlatform m_platform;
    MemoryFileSystem m_fs;
    std::unique_ptr<Program> m_program;
    Watcher m_watcher;
    UserTexts m_user;
    std::string m_script;
    std::vector<std::string> m_problems;
    Failure m_failure;
    int m_stepsInModal = 0;
};

// The bytes of a text as an argument of printf '%b' in single quotes.
std::string printfArgument(const std::string& text)
{
    std::string out = "'";
    for (unsigned char c : text) {
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\'') {
            out += "'\\''";
        } else if (c < 0x20 || c >= 0x7F) {
            const char* hex = "0123456789abcdef";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "'";
}

}  // namespace

const std::vector<std::string>& nastyTexts()
{
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t = {
            "",
            " ",
            "0",
            "-0",
            "+0",
            "0.0",
            "-0.00",
            "1e308",
            "-1e308",
            "1e309",
            "1e-320",
            "4.9e-324",
            "1e-305",
            "2.2e-308",
            "NaN",
            "nan",
            "-nan",
            "inf",
            "-inf",
            "Infinity",
            "$(1,2,3)",
            "($20.00)",
            "(-5)",
            "((5))",
            "$$5",
            "$-5",
            "-$5",
            "5-",
            "--5",
            "+5",
            "-",
            "+",
            "$",
            ".",
            "..",
            "1.2.3",
            "1,,000",
            ",5",
            "1e",
            "e5",
            "1e+",
            "0x10",
            " 12 ",
            "\t7",
            "5%",
            "%",
            "50%%",
            "1000000000000",
            "1000000000000.01",
            "1e12",
            "1e13",
            "999999999999.99",
            "-1000000000000",
            "1,000,000,000,001",
            "32766",
            "32767",
            "32768",
            "65536",
            "2147483648",
            "1200",
            "1201",
            "100",
            "101",
            "0.0417",
            "0.04",
            "0.001",
            "1e-5",
            "0.5",
            "89.7",
            "90",
            "1260",
            "99",
            "abc",
            "12abc",
            "\xEF\xBC\x91\xEF\xBC\x92",           // fullwidth digits
            "\xD9\xA3",                           // an Arabic digit
            "\xE2\x82\xAC\x35",                   // a euro sign and 5
            "\xF0\x9F\x92\xB0",                   // a money bag
            "\xFF\xFE",                           // bytes that are not text
            "12345678901234567890123456789012",   // 32 characters: the most a box holds
            "123456789012345678901234567890123",  // 33
        };
        t.push_back(std::string(10000, '9'));
        t.push_back(std::string(10000, 'x'));
        t.push_back("1" + std::string(308, '0'));
        return t;
    }();
    return texts;
}

Report run(const Options& options)
{
    Report report;
    Rng rng(options.seed);
    int stepsLeft = options.steps;
    for (int runIndex = 0; stepsLeft > 0; ++runIndex) {
        Run r(options, rng, report, runIndex, stepsLeft);
        ++report.runs;
        if (r.go()) break;
    }
    return report;
}

std::string describe(const Failure& f)
{
    std::ostringstream out;
    out << "seed " << f.seed << ", run " << f.run + 1 << ":\n";
    for (const std::string& p : f.problems) out << "  " << p << "\n";
    out << "To reproduce, in an empty folder" << (f.withSettings ? ":\n" : " (no Tarvolin.ini):\n");
    if (f.withSettings) out << "printf '%b' " << printfArgument(f.settings) << " > Tarvolin.ini\n";
    out << "tarvolin-replay <<'EOF'\n" << f.script << "EOF\n";
    return out.str();
}

}  // namespace tv::monkey
